// The commands the Dispatch operations build, and how group commands fan out.

#include "LedCommandTestSupport.h"

namespace orvek::internal::ledtest {
namespace {

using Command::LED::LEDCommand;
using Command::LED::SetMatrixTextData;
using Command::LED::SetMatrixTextGroupData;

class LedCommandDispatchTest : public DeviceTest {
protected:
    std::vector<LEDCommand> recorded;

    void SetUp() override {
        DeviceTest::SetUp();
        LedCommandTestAccess::Record(device, &recorded);
    }
    void TearDown() override {
        LedCommandTestAccess::Record(device, nullptr);
        DeviceTest::TearDown();
    }

    static SetMatrixTextData Text(const std::string& text, uint16_t delay, bool oneShot) {
        SetMatrixTextData data;
        std::memset(&data, 0, sizeof data);
        data.oneShot = oneShot ? 1 : 0;
        data.color = Rgb(9, 8, 7);
        std::memcpy(data.text, text.data(), std::min<size_t>(text.size(), 24));
        data.length = static_cast<uint8_t>(std::min<size_t>(text.size(), 24));
        data.delay = delay;
        return data;
    }
};

TEST_F(LedCommandDispatchTest, SetColorBuildsTheDocumentedBytes) {
    const uint16_t zone = Id("strip60");
    device.DispatchSetColor(zone, Rgb(255, 0, 0));

    ASSERT_EQ(recorded.size(), 1u);
    std::vector<uint8_t> expected(35, 0);
    expected[0] = 0x02;
    expected[1] = static_cast<uint8_t>(zone & 0xFF);
    expected[2] = static_cast<uint8_t>(zone >> 8);
    expected[3] = 0xFF;
    EXPECT_EQ(BytesOf(recorded[0]), expected);
}

TEST_F(LedCommandDispatchTest, AnimationFlagsAreBitsZeroAndOne) {
    const uint16_t zone = Id("strip60");
    const uint16_t blink = Id("Blink");
    device.DispatchSetAnimation(zone, blink, 0x1234, Rgb(1, 2, 3), true, false);
    device.DispatchSetAnimation(zone, blink, 0x1234, Rgb(1, 2, 3), true, true);
    device.DispatchSetAnimation(zone, blink, 0x1234, Rgb(1, 2, 3), false, true);
    ASSERT_EQ(recorded.size(), 3u);

    const std::vector<uint8_t> head{
        0x00, uint8_t(zone & 0xFF), uint8_t(zone >> 8), uint8_t(blink & 0xFF), uint8_t(blink >> 8), 0x34, 0x12, 1, 2,
        3};
    const uint8_t flags[] = {0x01, 0x03, 0x02};
    for (size_t i = 0; i < 3; ++i) {
        auto bytes = BytesOf(recorded[i]);
        EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 10), head);
        EXPECT_EQ(bytes[10], flags[i]) << "command " << i;
        EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 11, bytes.end()), std::vector<uint8_t>(24, 0));
    }
    // The zone keeps the ten payload bytes as its look.
    auto applied = BytesOf(Zone("strip60").applied);
    EXPECT_EQ(applied[9], 0x02);
}

TEST_F(LedCommandDispatchTest, BitmapFlagsAreSetColorThenOneShot) {
    device.DispatchSetBitmap(Id("matrix32"), Id("logo"), Rgb(4, 5, 6), true, false);
    device.DispatchSetBitmap(Id("matrix32"), Id("logo"), Rgb(4, 5, 6), false, true);
    ASSERT_EQ(recorded.size(), 2u);
    EXPECT_EQ(BytesOf(recorded[0])[0], 0x06);
    EXPECT_EQ(BytesOf(recorded[0])[8], 0x01);
    EXPECT_EQ(BytesOf(recorded[1])[8], 0x02);
}

TEST_F(LedCommandDispatchTest, TextGoesToTheDispatchedZoneNotThePayloadZone) {
    SetMatrixTextData data = Text("HELLO", 100, false);
    data.zoneId = Id("tiny");
    device.DispatchSetMatrixText(Id("matrix32"), data);

    ZoneState target = Zone("matrix32");
    EXPECT_EQ(target.lastCommand, LEDCommandType::SetMatrixText);
    EXPECT_EQ(+target.lastMatrixText.zoneId, Id("matrix32"));
    EXPECT_EQ(std::string(target.lastMatrixText.text, 5), "HELLO");
    EXPECT_EQ(+target.lastMatrixText.length, 5);
    EXPECT_TRUE(SameColor(target.lastColor, Rgb(9, 8, 7)));
    EXPECT_EQ(Zone("tiny").lastCommand, LEDCommandType::SetColor);
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(LedCommandDispatchTest, DirectBufferChangesNothingAndSaysNothing) {
    const ZoneState before = Zone("strip60");
    LEDCommand cmd;
    std::memset(&cmd, 0, sizeof cmd);
    cmd.type = LEDCommandType::SetDirectBuffer;
    cmd.data.setDirectBuffer.zoneId = Id("strip60");
    cmd.data.setDirectBuffer.bufferLength = 180;
    LedCommandTestAccess::Apply(device, cmd);
    cmd.type = static_cast<LEDCommandType>(200);  // no such command
    LedCommandTestAccess::Apply(device, cmd);

    EXPECT_EQ(BytesOf(Zone("strip60")), BytesOf(before));
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(LedCommandDispatchTest, GroupColorReachesEveryZoneInOrder) {
    device.DispatchSetGroupColor(Id("chA"), Rgb(10, 20, 30));
    for (const char* name : {"strip60", "matrix32", "strip10"}) {
        ZoneState zone = Zone(name);
        EXPECT_EQ(zone.lastCommand, LEDCommandType::SetColor) << name;
        EXPECT_EQ(+zone.applied.zoneId, Id(name)) << name;
        EXPECT_TRUE(SameColor(zone.lastColor, Rgb(10, 20, 30))) << name;
    }
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(LedCommandDispatchTest, GroupAnimationStopsAtTheFirstRejectedZone) {
    // "mixed" is matrix32 then strip60: the matrix refuses, the strip is never reached.
    const ZoneState stripBefore = Zone("strip60");
    device.DispatchSetGroupAnimation(Id("mixed"), Id("Blink"), 100, Rgb(1, 1, 1), false, false);
    EXPECT_EQ(TakeErrors(), (std::vector<LedError>{NotFound("Zone", "matrix32")}));
    EXPECT_EQ(BytesOf(Zone("strip60")), BytesOf(stripBefore));

    // chA is strip60, matrix32, strip10: the zone before the failure keeps its new look.
    device.DispatchSetGroupAnimation(Id("chA"), Id("Blink"), 100, Rgb(1, 1, 1), true, false);
    EXPECT_EQ(TakeErrors(), (std::vector<LedError>{NotFound("Zone", "matrix32")}));
    ZoneState first = Zone("strip60");
    EXPECT_EQ(first.lastCommand, LEDCommandType::SetAnimation);
    EXPECT_EQ(+first.applied.zoneId, Id("strip60"));
    EXPECT_EQ(+first.applied.reversed, 1);
    EXPECT_EQ(Zone("strip10").lastCommand, LEDCommandType::SetColor);
}

TEST_F(LedCommandDispatchTest, GroupAnimationGivesEachZoneItsOwnId) {
    device.DispatchSetGroupAnimation(Id("strips"), Id("Chase"), 40, Rgb(7, 7, 7), false, true);
    for (const char* name : {"strip60", "strip10"}) {
        ZoneState zone = Zone(name);
        EXPECT_EQ(+zone.applied.zoneId, Id(name));
        EXPECT_EQ(+zone.applied.animationId, Id("Chase"));
        EXPECT_EQ(+zone.applied.delay, 40);
        EXPECT_EQ(+zone.applied.oneShot, 1);
        EXPECT_TRUE(zone.running);
    }
}

TEST_F(LedCommandDispatchTest, UnknownGroupIsOneErrorWithItsDecimalId) {
    const uint16_t group = Id("no such group");
    device.DispatchSetGroupColor(group, Rgb(1, 2, 3));
    EXPECT_EQ(TakeErrors(), (std::vector<LedError>{NotFound("Group", "#" + std::to_string(group))}));

    // Every kind of group command reports the same way and touches no zone.
    const ZoneState before = Zone("strip60");
    SetMatrixTextGroupData text;
    std::memset(&text, 0, sizeof text);
    device.DispatchSetGroupAnimation(group, Id("Blink"), 0, Rgb(0, 0, 0), false, false);
    device.DispatchSetGroupAnimationSequence(group, Id("single"));
    device.DispatchSetGroupBitmap(group, Id("logo"), Rgb(0, 0, 0), false, false);
    device.DispatchSetGroupMatrixText(group, text);
    EXPECT_EQ(TakeErrors().size(), 4u);
    EXPECT_EQ(BytesOf(Zone("strip60")), BytesOf(before));
}

TEST_F(LedCommandDispatchTest, GroupTextAndBitmapCopyThePayloadPerZone) {
    SetMatrixTextGroupData text;
    std::memset(&text, 0, sizeof text);
    text.groupId = Id("strips");  // overridden by the dispatched group
    text.oneShot = 1;
    text.color = Rgb(3, 2, 1);
    text.dir = Command::LED::MatrixTextScrollDirection::RIGHT;
    std::memcpy(text.text, "ABCDEFGHIJKLMNOPQRSTUVWX", 24);
    text.length = 24;
    text.delay = 77;
    device.DispatchSetGroupMatrixText(Id("chB"), text);

    ZoneState tiny = Zone("tiny");
    EXPECT_EQ(tiny.lastCommand, LEDCommandType::SetMatrixText);
    EXPECT_EQ(+tiny.lastMatrixText.zoneId, Id("tiny"));
    EXPECT_EQ(+tiny.lastMatrixText.oneShot, 1);
    const auto direction = tiny.lastMatrixText.dir;
    EXPECT_EQ(direction, Command::LED::MatrixTextScrollDirection::RIGHT);
    EXPECT_EQ(std::string(tiny.lastMatrixText.text, 24), "ABCDEFGHIJKLMNOPQRSTUVWX");
    EXPECT_EQ(+tiny.lastMatrixText.length, 24);
    EXPECT_EQ(+tiny.lastMatrixText.delay, 77);
    EXPECT_TRUE(SameColor(tiny.lastColor, Rgb(3, 2, 1)));

    device.DispatchSetGroupBitmap(Id("chB"), Id("spinner"), Rgb(5, 5, 5), true, true);
    tiny = Zone("tiny");
    EXPECT_EQ(tiny.lastCommand, LEDCommandType::SetBitmap);
    EXPECT_EQ(+tiny.lastBitmap.zoneId, Id("tiny"));
    EXPECT_EQ(+tiny.lastBitmap.bitmapId, Id("spinner"));
    EXPECT_EQ(+tiny.lastBitmap.setColor, 1);
    EXPECT_EQ(+tiny.lastBitmap.oneShot, 1);
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(LedCommandDispatchTest, GroupSequenceStartsOnEveryStrip) {
    device.DispatchSetGroupAnimationSequence(Id("strips"), Id("blinkThenFill"));
    for (const char* name : {"strip60", "strip10"}) {
        ZoneState zone = Zone(name);
        EXPECT_EQ(zone.lastCommand, LEDCommandType::SetAnimationSequence) << name;
        EXPECT_EQ(zone.lastSequenceId, Id("blinkThenFill")) << name;
        EXPECT_EQ(+zone.applied.animationId, Id("Blink")) << name;
        EXPECT_TRUE(zone.running) << name;
    }
    EXPECT_TRUE(TakeEvents().empty());
}

}  // namespace
}  // namespace orvek::internal::ledtest
