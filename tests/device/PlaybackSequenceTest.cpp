// Animation sequences: when a step's pass ends, how repeat counts hold a step,
// and how a sequence ends.

#include "LedCommandTestSupport.h"

namespace orvek::internal::ledtest {
namespace {

class PlaybackSequenceTest : public DeviceTest {
protected:
    void Start(const std::string& zone, const std::string& sequence) {
        device.DispatchSetAnimationSequence(Id(zone), Id(sequence));
        ASSERT_EQ(Zone(zone).lastSequenceId, Id(sequence)) << "did not start";
    }
    uint16_t Playing(const std::string& zone) { return Zone(zone).applied.animationId; }

    // Ticks of `stepMs` until the zone leaves its first step; the count, or -1.
    int TicksUntilTheStepChanges(const std::string& zone, float stepMs, int limit = 1000) {
        for (int i = 1; i <= limit; ++i) {
            device.Tick(stepMs);
            if (Playing(zone) != Id("Blink") && Playing(zone) != Id("RainbowRoll") && Playing(zone) != Id("Chase"))
                return i;
        }
        return -1;
    }
};

TEST_F(PlaybackSequenceTest, FirstStepLooksLikeTheConfiguredStep) {
    Start("strip60", "blinkThenFill");
    ZoneState zone = Zone("strip60");
    EXPECT_EQ(zone.lastCommand, LEDCommandType::SetAnimationSequence);
    EXPECT_EQ(+zone.applied.zoneId, Id("strip60"));
    EXPECT_EQ(+zone.applied.animationId, Id("Blink"));
    EXPECT_EQ(+zone.applied.delay, 100);
    EXPECT_EQ(+zone.applied.oneShot, 0);
    EXPECT_TRUE(SameColor(zone.lastColor, Rgb(1, 2, 3)));
    EXPECT_TRUE(zone.running);
    EXPECT_EQ(zone.timeMs, 0.0f);
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(PlaybackSequenceTest, SecondStepStartsWhenTheFirstPassCompletes) {
    // Blink: 2 states x 100 ms = 200 ms.
    Start("strip60", "blinkThenFill");
    Ticks(3, 50.0f);
    EXPECT_EQ(Playing("strip60"), Id("Blink"));
    Ticks(1, 50.0f);
    ZoneState zone = Zone("strip60");
    EXPECT_EQ(+zone.applied.animationId, Id("Fill"));
    EXPECT_EQ(+zone.applied.delay, 50);
    EXPECT_EQ(zone.lastCommand, LEDCommandType::SetAnimationSequence);
    EXPECT_EQ(zone.lastSequenceId, Id("blinkThenFill"));
    EXPECT_EQ(zone.timeMs, 0.0f);  // the overshoot is not carried into the next step
}

TEST_F(PlaybackSequenceTest, SequenceEndsAfterItsLastStepAndDoesNotStartOver) {
    Start("strip60", "blinkThenFill");
    Ticks(4, 50.0f);  // Blink done
    Ticks(1, 50.0f);  // Fill: 1 state x 50 ms
    ZoneState zone = Zone("strip60");
    EXPECT_FALSE(zone.running);
    EXPECT_EQ(zone.lastSequenceId, 0);
    EXPECT_EQ(+zone.applied.animationId, Id("Fill"));
    EXPECT_FLOAT_EQ(zone.timeMs, 50.0f);

    Ticks(20, 50.0f);
    zone = Zone("strip60");
    EXPECT_EQ(+zone.applied.animationId, Id("Fill"));
    EXPECT_FALSE(zone.running);
    EXPECT_FLOAT_EQ(zone.timeMs, 50.0f);
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(PlaybackSequenceTest, RepeatCountsPlayThatManyPasses) {
    // Blink at 10 ms: one pass is 20 ms, one tick each.
    Start("strip60", "repeat3");
    EXPECT_EQ(TicksUntilTheStepChanges("strip60", 20.0f), 3);
    Start("strip60", "repeat1");
    EXPECT_EQ(TicksUntilTheStepChanges("strip60", 20.0f), 1);
    Start("strip60", "single");  // no repeat count: one pass too
    Ticks(1, 20.0f);
    EXPECT_FALSE(Zone("strip60").running);
}

TEST_F(PlaybackSequenceTest, ARepeatedPassRestartsTheStepClock) {
    Start("strip60", "repeat3");
    Ticks(1, 25.0f);  // the first pass ends at 20 ms
    ZoneState zone = Zone("strip60");
    EXPECT_EQ(+zone.applied.animationId, Id("Blink"));
    EXPECT_EQ(zone.timeMs, 0.0f);
    EXPECT_EQ(zone.lastSequenceId, Id("repeat3"));
    EXPECT_TRUE(zone.running);
    // A repeat plays the step's animation again as a plain animation command.
    EXPECT_EQ(zone.lastCommand, LEDCommandType::SetAnimation);
}

TEST_F(PlaybackSequenceTest, RepeatZeroHoldsTheStepForEver) {
    Start("strip60", "repeat0");
    EXPECT_EQ(TicksUntilTheStepChanges("strip60", 20.0f, 500), -1);
    ZoneState zone = Zone("strip60");
    EXPECT_EQ(zone.lastSequenceId, Id("repeat0"));
    EXPECT_TRUE(zone.running);
    EXPECT_EQ(zone.timeMs, 0.0f);
}

TEST_F(PlaybackSequenceTest, DelayZeroStepsOneMillisecondPerState) {
    // RainbowRoll has 256 states: 256 ms.
    Start("strip60", "rainbowDefault");
    EXPECT_EQ(TicksUntilTheStepChanges("strip60", 16.0f), 16);
}

TEST_F(PlaybackSequenceTest, LedCountStepsAddTheStripLength) {
    // Chase: 5 states + 60 LEDs, 1 ms each = 65 ms; on the 10-LED strip 15 ms.
    Start("strip60", "chase");
    EXPECT_EQ(TicksUntilTheStepChanges("strip60", 5.0f), 13);
    Start("strip10", "chase");
    EXPECT_EQ(TicksUntilTheStepChanges("strip10", 5.0f), 3);
}

TEST_F(PlaybackSequenceTest, TheLongestStripLengthensThePassInsteadOfWrappingIt) {
    // Chase on 65535 LEDs: 65540 states of 1 ms, not the 4 that a 16-bit count would leave.
    auto config = TestConfiguration();
    config.channels->push_back(MakeChannel("chLong", {Strip("long", 65535)}));
    device.ApplyConfiguration(config);
    Start("long", "chase");
    Ticks(1, 65539.0f);
    EXPECT_EQ(Playing("long"), Id("Chase"));
    Ticks(1, 1.0f);
    EXPECT_EQ(Playing("long"), Id("Fill"));
}

TEST_F(PlaybackSequenceTest, AnotherCommandEndsTheSequence) {
    Start("strip60", "blinkThenFill");
    device.DispatchSetColor(Id("strip60"), Rgb(5, 5, 5));
    Ticks(10, 50.0f);
    ZoneState zone = Zone("strip60");
    EXPECT_EQ(zone.lastCommand, LEDCommandType::SetColor);
    EXPECT_EQ(zone.lastSequenceId, 0);
    EXPECT_EQ(zone.timeMs, 0.0f);
}

TEST_F(PlaybackSequenceTest, ANewConfigurationStopsEverySequence) {
    Start("strip60", "blinkThenFill");
    Start("strip10", "repeat0");
    Ticks(2, 20.0f);
    device.ApplyConfiguration(TestConfiguration());
    Ticks(20, 50.0f);
    for (const char* name : {"strip60", "strip10"}) {
        ZoneState zone = Zone(name);
        EXPECT_EQ(zone.lastCommand, LEDCommandType::SetColor) << name;
        EXPECT_EQ(zone.lastSequenceId, 0) << name;
        EXPECT_FALSE(zone.running) << name;
    }
}

}  // namespace
}  // namespace orvek::internal::ledtest
