// Curve-shaped animations: SineRoll, Wave, Pulse, Ripple, Lava, Plasma and Heartbeat.
// Expected values are worked by hand; several sit right at a rounding or truncation edge.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "LedTestSupport.h"

namespace {

using ledtest::Animation;
using ledtest::Color;
using ledtest::Draw;
using ledtest::Scaled;

const Color kWhite(255, 255, 255);

// Brightness levels of a strip drawn in white, recovered from 255 * b >> 8 (= b - 1, b > 0).
std::vector<int> Levels(const std::vector<Color>& strip) {
    std::vector<int> levels;
    for (const Color& c : strip) levels.push_back(c.r == 0 ? 0 : c.r + 1);
    return levels;
}

TEST(SineRollAnimation, TruncatesTheSineBrightness) {
    const Color blue(0, 0, 240);
    // State 0, LED 0: 255 * (sin(2 pi) + 1) / 2 = 127.49..., truncated to 127.
    EXPECT_EQ(Draw(Animation::SineRoll, blue, 0, 1)[0], Color(0, 0, 119));  // 240 * 127 >> 8
    // State 45 puts the crest (sin = 1) on LED 0, state 15 the trough.
    EXPECT_EQ(Draw(Animation::SineRoll, blue, 45, 1)[0], Color(0, 0, 239));
    EXPECT_EQ(Draw(Animation::SineRoll, blue, 15, 1)[0], Color(0, 0, 0));
    // Rolling one LED per step: LED i at state s equals LED i + 1 at state s + 1.
    const auto now = Draw(Animation::SineRoll, kWhite, 10, 30);
    const auto next = Draw(Animation::SineRoll, kWhite, 11, 30);
    for (int i = 0; i + 1 < 30; ++i) EXPECT_NEAR(now[i].r, next[i + 1].r, 1) << i;
}

TEST(WaveAnimation, TwoWavelengthsOverTheStripTruncated) {
    // 8 LEDs, state 0: angles 0, pi/2, pi, ... narrowed to float; 127.5 - tiny truncates to 127.
    EXPECT_EQ(Levels(Draw(Animation::Wave, kWhite, 0, 8)), (std::vector<int>{127, 255, 127, 0, 127, 255, 127, 0}));
    // State 90 adds a quarter turn.
    EXPECT_EQ(Levels(Draw(Animation::Wave, kWhite, 90, 4)), (std::vector<int>{255, 0, 255, 0}));
    EXPECT_TRUE(Draw(Animation::Wave, kWhite, 0, 0).empty());
}

TEST(PulseAnimation, RingRunsFromTheCenterAndRounds) {
    // One LED: ringPos = state; sin 0 gives 127.5, rounded up to 128.
    EXPECT_EQ(Levels(Draw(Animation::Pulse, kWhite, 0, 1)), (std::vector<int>{128}));
    EXPECT_EQ(Levels(Draw(Animation::Pulse, kWhite, 64, 1)), (std::vector<int>{255}));
    EXPECT_EQ(Levels(Draw(Animation::Pulse, kWhite, 128, 1)), (std::vector<int>{128}));
    EXPECT_EQ(Levels(Draw(Animation::Pulse, kWhite, 192, 1)), (std::vector<int>{0}));
    // Five LEDs, center 2: distances 1 and 2 lag by 128 and 256 steps.
    EXPECT_EQ(Levels(Draw(Animation::Pulse, kWhite, 0, 5)), (std::vector<int>{128, 128, 128, 128, 128}));
    EXPECT_EQ(Levels(Draw(Animation::Pulse, kWhite, 64, 5)), (std::vector<int>{255, 0, 255, 0, 255}));
    const Color pink(255, 20, 147);
    EXPECT_EQ(Draw(Animation::Pulse, pink, 64, 1)[0], Scaled(pink, 255));
}

TEST(RippleAnimation, OneLedIsAlwaysFullyLit) {
    const Color teal(0, 206, 209);
    for (int s : {0, 1, 179, 359}) EXPECT_EQ(Draw(Animation::Ripple, teal, s, 1)[0], Scaled(teal, 255)) << s;
}

TEST(RippleAnimation, RingsFallOffOverThreeLedsAboveADimBase) {
    const Color teal(0, 206, 209);
    // 10 LEDs, state 0: both rings centred on the middle LED 5.
    const Color base = Scaled(teal, 25);
    const Color near = Scaled(teal, 170);  // 1 - 1/3
    const Color far = Scaled(teal, 85);    // 1 - 2/3
    const std::vector<Color> expected{base, base, base, far, near, Scaled(teal, 255), near, far, base, base};
    EXPECT_EQ(Draw(Animation::Ripple, teal, 0, 10), expected);
}

TEST(RippleAnimation, OnlyTheRedChannelKeepsTheBrighterRing) {
    // 7 LEDs, state 2: ring 0 centred at distance 2, ring 1 at distance 0. LED 1 (distance 2)
    // is full from ring 0; ring 1 reaches it with 1/3.
    const Color red(255, 0, 0);
    const auto strip = Draw(Animation::Ripple, red, 2, 7);
    // Red measures 254 / 255 of full and keeps it: rescaled 254 -> 253.
    EXPECT_EQ(strip[1], Color(253, 0, 0));
    EXPECT_EQ(strip[3], Scaled(red, 255));  // distance 0: ring 1's centre
    const Color teal(0, 206, 209);
    // Without red the second ring overwrites with its own falloff.
    EXPECT_EQ(Draw(Animation::Ripple, teal, 2, 7)[1], Scaled(teal, 85));
}

TEST(LavaAnimation, WarmSurfaceFromThreeWaves) {
    const Color lava(255, 80, 0);
    const auto strip = Draw(Animation::Lava, lava, 0, 7);
    // LED 0: every wave 0, brightness 0.5, final 0.5^0.7 = 0.61557, warmth 0.88467.
    EXPECT_EQ(strip[0], Color(138, 29, 0));
    // LED 6: waves sin 90, sin 60, sin 120 degrees; brightness 0.96651, final 0.97644.
    EXPECT_EQ(strip[6], Color(247, 46, 0));
    for (int s = 0; s < 360; s += 7) {
        for (const Color& c : Draw(Animation::Lava, lava, s, 40)) {
            ASSERT_EQ(c.b, 0);
            ASSERT_LE(c.g, 48);  // 0.6 * 80
        }
    }
}

TEST(PlasmaAnimation, GreyColorHasNoHueAndHalfSaturation) {
    const Color grey(128, 128, 128);
    // LED 0, state 0: p = 0, hue 0, saturation clamped up to 50 (128), value 0.775 (198).
    EXPECT_EQ(Draw(Animation::Plasma, grey, 0, 10)[0], Color(198, 99, 99));
    // Everywhere the saturation stays at its floor: the dimmest channel is v - (128 * v >> 8).
    for (int s = 0; s < 360; s += 13) {
        for (const Color& c : Draw(Animation::Plasma, grey, s, 25)) {
            const int v = std::max({c.r, c.g, c.b});
            ASSERT_EQ(std::min({c.r, c.g, c.b}), v - ((128 * v) >> 8)) << "state " << s;
        }
    }
}

TEST(PlasmaAnimation, HueFollowsTheColor) {
    // A pure red and a pure blue base give different fields at the same step.
    EXPECT_NE(Draw(Animation::Plasma, Color(255, 0, 0), 0, 1), Draw(Animation::Plasma, Color(0, 0, 255), 0, 1));
}

TEST(HeartbeatAnimation, BeatsTwiceThenRests) {
    std::vector<int> levels;
    for (int s = 0; s < 60; ++s) levels.push_back(Levels(Draw(Animation::Heartbeat, kWhite, s, 1))[0]);
    std::vector<int> expected(60, 0);
    const int firstBeat[] = {0, 97, 180, 235, 255, 235, 180, 97};  // 255 sin(c pi / 8), truncated
    const int secondBeat[] = {0, 102, 176, 204, 176, 102};         // 0.8 of it over six steps
    std::copy(std::begin(firstBeat), std::end(firstBeat), expected.begin());
    std::copy(std::begin(secondBeat), std::end(secondBeat), expected.begin() + 12);
    EXPECT_EQ(levels, expected);
    const Color red(255, 0, 0);
    EXPECT_EQ(Draw(Animation::Heartbeat, red, 4, 3), (std::vector<Color>(3, Color(254, 0, 0))));
}

}  // namespace
