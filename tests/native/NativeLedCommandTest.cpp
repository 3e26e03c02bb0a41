#include "NativeTestSupport.h"

#include <orvek/util/hashing/IDCreator.h>

#include <cstring>
#include <stdexcept>

namespace orvek::test {
namespace {

using internal::IDCreator;
using internal::Command::LED::AnimationColor;
using internal::Command::LED::LEDCommandType;
using internal::Command::LED::MatrixTextScrollDirection;
using internal::pavonix::sim::ZoneState;
using orvek::led::Animation;
using units::millisecond_t;

class NativeLedTest : public NativeTest {
protected:
    void SetUp() override {
        NativeTest::SetUp();
        ApplyConfig(kNativeTestConfig);
        DrainEvents();
    }

    ZoneState Zone(const char* name) {
        ZoneState state{};
        EXPECT_TRUE(internal::PavonixSimDevice::GetInstance()->TryGetZone(IDCreator::createId(name), state)) << name;
        return state;
    }

    // The extra messages of the queued Error events, oldest first.
    std::vector<std::string> DrainErrors() {
        std::vector<std::string> errors;
        for (const auto& event : DrainEvents()) {
            if (event.header.type == EventType::Error) errors.emplace_back(event.getExtraMessageStr());
        }
        return errors;
    }

    static constexpr AnimationColor kRed{255, 0, 0};
};

TEST_F(NativeLedTest, ColorsReachZonesAndGroups) {
    pv_SetColor(inst(), "panel", {1, 2, 3});
    ZoneState panel = Zone("panel");
    EXPECT_EQ(panel.lastCommand, LEDCommandType::SetColor);
    EXPECT_EQ(panel.lastColor.b, 3);
    EXPECT_EQ(panel.applied.animationId, IDCreator::createId("Fill"));

    pv_SetGroupColor(inst(), "all", kRed);
    EXPECT_EQ(Zone("left").lastColor.r, 255);
    EXPECT_EQ(Zone("panel").lastColor.r, 255);
    EXPECT_TRUE(DrainErrors().empty());
}

TEST_F(NativeLedTest, AnimationDelaysAreTruncatedAndKeepTheirLow16Bits) {
    const struct {
        double ms;
        uint16_t delay;
    } cases[] = {{250.9, 250}, {65536.0, 0}, {70000.0, 4464}, {-1.0, 65535}, {-1.5, 65535}, {1.9, 1}};
    for (const auto& c : cases) {
        pv_SetAnimation(inst(), "left", Animation::Breathe, kRed, millisecond_t(c.ms), true, false);
        const ZoneState left = Zone("left");
        EXPECT_EQ(left.applied.delay, c.delay) << c.ms;
        EXPECT_EQ(left.applied.animationId, IDCreator::createId("Breathe"));
        EXPECT_EQ(left.applied.reversed, 1);
        EXPECT_TRUE(left.running);
    }
}

TEST_F(NativeLedTest, UnrepresentableDelaysAreDefined) {
    for (double ms :
         {1e300, -1e300, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        pv_SetAnimation(inst(), "left", Animation::Fill, kRed, millisecond_t(ms), false, false);
        pv_SetText(inst(), "panel", "x", kRed, MatrixTextScrollDirection::LEFT, millisecond_t(ms), false);
    }
    EXPECT_EQ(Zone("left").applied.delay, 65535);  // saturated at the top of the 64-bit count
    EXPECT_TRUE(DrainErrors().empty());
}

TEST_F(NativeLedTest, AnimationWithoutNameThrowsAndDispatchesNothing) {
    EXPECT_THROW(pv_SetAnimation(inst(), "left", Animation::None, kRed, millisecond_t(10), false, false),
                 std::out_of_range);
    EXPECT_THROW(pv_SetGroupAnimation(inst(), "all", static_cast<Animation>(27), kRed, millisecond_t(10), false, false),
                 std::out_of_range);
    EXPECT_TRUE(DrainEvents().empty());
    EXPECT_EQ(Zone("left").lastCommand, LEDCommandType::SetColor);
}

TEST_F(NativeLedTest, GroupAnimationStopsAtTheMatrixZone) {
    // "all" lists the strip first, then the matrix, which cannot play animations.
    pv_SetGroupAnimation(inst(), "all", Animation::Comet, kRed, millisecond_t(30), false, true);
    EXPECT_EQ(Zone("left").lastCommand, LEDCommandType::SetAnimation);
    EXPECT_EQ(Zone("left").applied.oneShot, 1);
    EXPECT_EQ(DrainErrors(), std::vector<std::string>{"Zone panel"});
}

TEST_F(NativeLedTest, SequencesAndBitmapsByName) {
    pv_SetAnimationSequence(inst(), "left", "seq");
    EXPECT_EQ(Zone("left").lastSequenceId, IDCreator::createId("seq"));
    pv_SetGroupAnimationSequence(inst(), "all", "nope");
    EXPECT_EQ(Zone("left").lastSequenceId, 0);  // a rejected command still stops the sequence

    pv_SetBitmap(inst(), "panel", "logo", {9, 9, 9}, true, false);
    ZoneState panel = Zone("panel");
    EXPECT_EQ(panel.lastCommand, LEDCommandType::SetBitmap);
    EXPECT_EQ(panel.lastBitmap.bitmapId, IDCreator::createId("logo"));
    EXPECT_EQ(panel.lastColor.r, 9);
    pv_SetGroupBitmap(inst(), "all", "logo", kRed, false, false);  // the strip comes first and fails

    EXPECT_EQ(DrainErrors(),
              (std::vector<std::string>{"AnimSequence " + std::to_string(IDCreator::createId("nope")), "Zone left"}));
}

TEST_F(NativeLedTest, TextKeepsAtMost24CharactersWithoutTerminator) {
    pv_SetText(inst(), "panel", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123", {0, 255, 0}, MatrixTextScrollDirection::RIGHT,
               millisecond_t(120.7), true);
    ZoneState panel = Zone("panel");
    EXPECT_EQ(panel.lastCommand, LEDCommandType::SetMatrixText);
    EXPECT_EQ(panel.lastMatrixText.length, 24);
    EXPECT_EQ(std::memcmp(panel.lastMatrixText.text, "ABCDEFGHIJKLMNOPQRSTUVWX", 24), 0);
    EXPECT_EQ(panel.lastMatrixText.delay, 120);
    EXPECT_EQ(panel.lastMatrixText.oneShot, 1);
    EXPECT_EQ(panel.lastMatrixText.dir, MatrixTextScrollDirection::RIGHT);
    EXPECT_EQ(panel.lastMatrixText.zoneId, IDCreator::createId("panel"));

    pv_SetGroupText(inst(), "all", "", kRed, MatrixTextScrollDirection::LEFT, millisecond_t(10), false);
    EXPECT_EQ(DrainErrors(), std::vector<std::string>{"Zone left"});  // the strip stops the group first

    pv_SetText(inst(), "panel", "", kRed, MatrixTextScrollDirection::LEFT, millisecond_t(10), false);
    panel = Zone("panel");
    EXPECT_EQ(panel.lastMatrixText.length, 0);
    EXPECT_EQ(panel.lastMatrixText.text[0], 0);
    EXPECT_EQ(panel.lastMatrixText.text[23], 0);
}

TEST_F(NativeLedTest, UnknownNamesBecomeErrorEvents) {
    pv_SetColor(inst(), "ghost", kRed);
    pv_SetGroupColor(inst(), "nobody", kRed);
    pv_SetColor(inst(), nullptr, kRed);
    EXPECT_EQ(DrainErrors(), (std::vector<std::string>{
                                 "Zone #" + std::to_string(IDCreator::createId("ghost")),
                                 "Group #" + std::to_string(IDCreator::createId("nobody")),
                                 "Zone #" + std::to_string(IDCreator::createId("")),
                             }));
}

}  // namespace
}  // namespace orvek::test
