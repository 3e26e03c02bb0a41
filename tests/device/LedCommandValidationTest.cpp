// Which zone takes which look, what a rejected command reports, and what each
// accepted command leaves in the zone's state.

#include "LedCommandTestSupport.h"

#include <orvek/led/Animation.h>

#include <set>

namespace orvek::internal::ledtest {
namespace {

using Command::LED::SetMatrixTextData;

class LedCommandValidationTest : public DeviceTest {
protected:
    void Animate(const std::string& zone, uint16_t animationId, bool oneShot = false) {
        device.DispatchSetAnimation(Id(zone), animationId, 25, Rgb(11, 22, 33), false, oneShot);
    }
    void Text(const std::string& zone, const std::string& text) {
        SetMatrixTextData data;
        std::memset(&data, 0, sizeof data);
        std::memcpy(data.text, text.data(), text.size());
        data.length = static_cast<uint8_t>(text.size());
        data.color = Rgb(40, 50, 60);
        data.delay = 100;
        device.DispatchSetMatrixText(Id(zone), data);
    }
    // An id that names no built-in animation, found without the device's help.
    static uint16_t UnknownAnimationId() {
        std::set<uint16_t> builtIn{Id("NONE")};
        for (auto name : led::kAnimationNames) builtIn.insert(Id(std::string(name)));
        uint16_t candidate = 1;
        while (builtIn.contains(candidate)) ++candidate;
        return candidate;
    }
};

TEST_F(LedCommandValidationTest, ColorSuitsMatricesAndStripsAndIsRecordedAsFill) {
    device.DispatchSetColor(Id("matrix32"), Rgb(255, 0, 0));
    device.DispatchSetColor(Id("strip10"), Rgb(0, 255, 0));
    EXPECT_TRUE(TakeEvents().empty());

    ZoneState matrix = Zone("matrix32");
    EXPECT_EQ(matrix.lastCommand, LEDCommandType::SetColor);
    EXPECT_EQ(+matrix.applied.zoneId, Id("matrix32"));
    EXPECT_EQ(+matrix.applied.animationId, 0xE2ED);  // the id of "Fill"
    EXPECT_EQ(+matrix.applied.delay, 0);
    EXPECT_TRUE(SameColor(matrix.applied.color, Rgb(255, 0, 0)));
    EXPECT_TRUE(SameColor(matrix.lastColor, Rgb(255, 0, 0)));
    EXPECT_FALSE(matrix.running);
    EXPECT_EQ(Zone("strip10").lastColor.g, 255);
}

TEST_F(LedCommandValidationTest, AnimationsAndSequencesOnlyOnStrips) {
    const ZoneState before = Zone("matrix32");
    Animate("matrix32", Id("Blink"));
    device.DispatchSetAnimationSequence(Id("matrix32"), Id("single"));
    EXPECT_EQ(TakeErrors(), (std::vector<LedError>{NotFound("Zone", "matrix32"), NotFound("Zone", "matrix32")}));
    EXPECT_EQ(BytesOf(Zone("matrix32")), BytesOf(before));
}

TEST_F(LedCommandValidationTest, BitmapsAndTextOnlyOnMatrices) {
    const ZoneState before = Zone("strip60");
    device.DispatchSetBitmap(Id("strip60"), Id("logo"), Rgb(1, 1, 1), true, false);
    Text("strip60", "HI");
    EXPECT_EQ(TakeErrors(), (std::vector<LedError>{NotFound("Zone", "strip60"), NotFound("Zone", "strip60")}));
    EXPECT_EQ(BytesOf(Zone("strip60")), BytesOf(before));
}

TEST_F(LedCommandValidationTest, AnimationIdsAreCheckedAgainstTheBuiltInNames) {
    Animate("strip60", 0);
    const uint16_t unknown = UnknownAnimationId();
    Animate("strip60", unknown);
    EXPECT_EQ(TakeErrors(),
              (std::vector<LedError>{NotFound("Animation", "NONE"), NotFound("Animation", std::to_string(unknown))}));
    EXPECT_EQ(Zone("strip60").lastCommand, LEDCommandType::SetColor);

    // "NONE" is a built-in name, so its id is accepted even though it draws nothing.
    Animate("strip60", Id("NONE"));
    EXPECT_TRUE(TakeEvents().empty());
    EXPECT_EQ(Zone("strip60").lastCommand, LEDCommandType::SetAnimation);
}

TEST_F(LedCommandValidationTest, AtMostOneEventPerZone) {
    // Wrong zone and unknown animation: only the first failing check speaks.
    Animate("matrix32", 0);
    device.DispatchSetBitmap(Id("strip60"), 0, Rgb(0, 0, 0), false, false);
    device.DispatchSetAnimationSequence(Id("tiny"), 0);
    EXPECT_EQ(TakeErrors(), (std::vector<LedError>{NotFound("Zone", "matrix32"), NotFound("Zone", "strip60"),
                                                   NotFound("Zone", "tiny")}));
}

TEST_F(LedCommandValidationTest, UnknownZonesAreDescribedByTheirDecimalId) {
    device.DispatchSetColor(4660, Rgb(1, 2, 3));
    Animate("nowhere", Id("Blink"));
    EXPECT_EQ(TakeErrors(), (std::vector<LedError>{NotFound("Zone", "#4660"),
                                                   NotFound("Zone", "#" + std::to_string(Id("nowhere")))}));
}

TEST_F(LedCommandValidationTest, ErrorEventsCarryTheEntityInTheirMessage) {
    device.DispatchSetAnimationSequence(Id("strip60"), 0);
    auto events = TakeEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].header.type, Eventing::EventType::Error);
    EXPECT_EQ(events[0].header.data.error.type, Eventing::ErrorType::EntityNotFound);
    EXPECT_STREQ(events[0].header.data.error.message, "AnimSequence");
    EXPECT_STREQ(events[0].getExtraMessageStr(), "AnimSequence 0");
}

TEST_F(LedCommandValidationTest, SequenceAndBitmapIdsMustBeConfigured) {
    device.DispatchSetAnimationSequence(Id("strip60"), Id("nope"));
    device.DispatchSetBitmap(Id("matrix32"), 0, Rgb(0, 0, 0), false, false);
    device.DispatchSetBitmap(Id("matrix32"), Id("nope"), Rgb(0, 0, 0), false, false);
    EXPECT_EQ(TakeErrors(),
              (std::vector<LedError>{NotFound("AnimSequence", std::to_string(Id("nope"))), NotFound("Bitmap", "0"),
                                     NotFound("Bitmap", std::to_string(Id("nope")))}));
}

TEST_F(LedCommandValidationTest, RejectedCommandsStillStopARunningSequence) {
    const uint16_t sequence = Id("blinkThenFill");
    device.DispatchSetAnimationSequence(Id("strip60"), sequence);
    ASSERT_EQ(Zone("strip60").lastSequenceId, sequence);

    device.DispatchSetAnimationSequence(Id("strip60"), 0);
    EXPECT_EQ(TakeErrors(), (std::vector<LedError>{NotFound("AnimSequence", "0")}));
    ZoneState zone = Zone("strip60");
    EXPECT_EQ(zone.lastSequenceId, 0);
    // The zone keeps showing the step it was on, clock running, but never moves on.
    EXPECT_EQ(+zone.applied.animationId, Id("Blink"));
    EXPECT_TRUE(zone.running);
    Ticks(10, 50.0f);  // well past the 200 ms Blink pass
    zone = Zone("strip60");
    EXPECT_EQ(+zone.applied.animationId, Id("Blink"));
    EXPECT_FLOAT_EQ(zone.timeMs, 500.0f);

    // Any other rejection does the same: here a text for a strip.
    device.DispatchSetAnimationSequence(Id("strip10"), sequence);
    Text("strip10", "X");
    EXPECT_EQ(Zone("strip10").lastSequenceId, 0);
    Ticks(10, 50.0f);
    EXPECT_EQ(+Zone("strip10").applied.animationId, Id("Blink"));

    // And an animation the device does not know.
    device.DispatchSetAnimationSequence(Id("strip10"), sequence);
    Animate("strip10", 0);
    EXPECT_EQ(Zone("strip10").lastSequenceId, 0);
    Ticks(10, 50.0f);
    EXPECT_EQ(+Zone("strip10").applied.animationId, Id("Blink"));
    TakeEvents();

    // An accepted animation replaces the sequence for good.
    device.DispatchSetAnimationSequence(Id("strip10"), sequence);
    Animate("strip10", Id("Pulse"));
    Ticks(10, 50.0f);
    zone = Zone("strip10");
    EXPECT_EQ(zone.lastCommand, LEDCommandType::SetAnimation);
    EXPECT_EQ(zone.lastSequenceId, 0);
    EXPECT_EQ(+zone.applied.animationId, Id("Pulse"));
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(LedCommandValidationTest, OneShotAnimationStartsRunningFromZero) {
    Ticks(1, 10.0f);
    Animate("strip60", Id("Blink"), true);
    ZoneState zone = Zone("strip60");
    EXPECT_TRUE(zone.running);
    EXPECT_EQ(zone.timeMs, 0.0f);
    EXPECT_EQ(+zone.applied.oneShot, 1);
    EXPECT_TRUE(SameColor(zone.lastColor, Rgb(11, 22, 33)));
}

TEST_F(LedCommandValidationTest, ColorAfterTextClearsTheTextButABitmapKeepsIt) {
    Text("matrix32", "HELLO");
    device.DispatchSetBitmap(Id("matrix32"), Id("logo"), Rgb(7, 7, 7), false, false);
    ZoneState zone = Zone("matrix32");
    EXPECT_EQ(zone.lastCommand, LEDCommandType::SetBitmap);
    EXPECT_EQ(std::string(zone.lastMatrixText.text, 5), "HELLO");
    EXPECT_EQ(+zone.lastMatrixText.length, 5);
    EXPECT_TRUE(SameColor(zone.lastColor, Rgb(40, 50, 60)));  // setColor clear: the text's color stays

    device.DispatchSetColor(Id("matrix32"), Rgb(1, 2, 3));
    zone = Zone("matrix32");
    EXPECT_EQ(BytesOf(zone.lastMatrixText), std::vector<uint8_t>(sizeof(SetMatrixTextData), 0));
    EXPECT_EQ(BytesOf(zone.lastBitmap), std::vector<uint8_t>(sizeof(Command::LED::SetBitmapData), 0));
}

TEST_F(LedCommandValidationTest, OnlyAnimatedBitmapsRunTheClock) {
    device.DispatchSetBitmap(Id("matrix32"), Id("logo"), Rgb(9, 9, 9), true, false);
    ZoneState zone = Zone("matrix32");
    EXPECT_FALSE(zone.running);
    EXPECT_TRUE(SameColor(zone.lastColor, Rgb(9, 9, 9)));
    EXPECT_EQ(+zone.lastBitmap.zoneId, Id("matrix32"));
    EXPECT_EQ(+zone.lastBitmap.bitmapId, Id("logo"));

    device.DispatchSetBitmap(Id("matrix32"), Id("spinner"), Rgb(0, 0, 0), false, false);
    zone = Zone("matrix32");
    EXPECT_TRUE(zone.running);
    EXPECT_TRUE(SameColor(zone.lastColor, Rgb(9, 9, 9)));
    Ticks(3, 20.0f);
    EXPECT_FLOAT_EQ(Zone("matrix32").timeMs, 60.0f);
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(LedCommandValidationTest, TryGetZoneLeavesTheOutputAloneForUnknownZones) {
    ZoneState out;
    std::memset(&out, 0xAB, sizeof out);
    const auto before = BytesOf(out);
    EXPECT_FALSE(device.TryGetZone(Id("nowhere"), out));
    EXPECT_EQ(BytesOf(out), before);
}

TEST_F(LedCommandValidationTest, AnyTextLengthIsHeldToTheTwentyFourCharacters) {
    SetMatrixTextData data;
    std::memset(&data, 'Z', sizeof data);
    data.length = 255;
    data.delay = 0;
    data.oneShot = 1;
    device.DispatchSetMatrixText(Id("matrix32"), data);
    ZoneState zone = Zone("matrix32");
    EXPECT_EQ(+zone.lastMatrixText.length, 24);
    // One-shot on 32 columns: (4 cells + 24 characters + 1) x 1 ms.
    Ticks(30, 1.0f);
    zone = Zone("matrix32");
    EXPECT_FALSE(zone.running);
    EXPECT_FLOAT_EQ(zone.timeMs, 29.0f);
}

}  // namespace
}  // namespace orvek::internal::ledtest
