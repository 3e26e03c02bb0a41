// Whole-strip animations: None, Fill, Blink, Breathe, RainbowRoll, FadeIn, FadeOut,
// RainbowCycle, AlternateBreathe and GrowingBreathe.

#include <gtest/gtest.h>

#include <vector>

#include "LedTestSupport.h"

namespace {

using ledtest::Animation;
using ledtest::Color;
using ledtest::Draw;

const Color kBlue(0, 0, 240);
const Color kBlack(0, 0, 0);

std::vector<Color> Uniform(Color c, int count) { return std::vector<Color>(static_cast<std::size_t>(count), c); }

TEST(NoneAnimation, ReportsNoFrameAndLeavesTheBufferAlone) {
    std::vector<Color> strip(4, Color(9, 8, 7));
    EXPECT_FALSE(ledtest::Instance(Animation::None).cb(strip.data(), kBlue, 0, 4));
    EXPECT_EQ(strip, Uniform(Color(9, 8, 7), 4));
}

TEST(FillAnimation, PaintsEveryLed) {
    bool produced = false;
    EXPECT_EQ(Draw(Animation::Fill, Color(1, 2, 3), 0, 5, &produced), Uniform(Color(1, 2, 3), 5));
    EXPECT_TRUE(produced);
}

TEST(BlinkAnimation, IsOnThenOffAndIgnoresOtherStates) {
    bool produced = false;
    EXPECT_EQ(Draw(Animation::Blink, kBlue, 0, 3, &produced), Uniform(kBlue, 3));
    EXPECT_TRUE(produced);
    std::vector<Color> strip(3, Color(5, 5, 5));
    EXPECT_TRUE(ledtest::Instance(Animation::Blink).cb(strip.data(), kBlue, 1, 3));
    EXPECT_EQ(strip, Uniform(kBlack, 3));
    // State 2 is outside the on/off cycle: no frame, buffer untouched.
    strip.assign(3, Color(5, 5, 5));
    EXPECT_FALSE(ledtest::Instance(Animation::Blink).cb(strip.data(), kBlue, 2, 3));
    EXPECT_EQ(strip, Uniform(Color(5, 5, 5), 3));
}

TEST(BreatheAnimation, RisesAndFallsOverItsCycle) {
    EXPECT_EQ(Draw(Animation::Breathe, kBlue, 0, 2), Uniform(kBlack, 2));
    EXPECT_EQ(Draw(Animation::Breathe, kBlue, 100, 2), Uniform(Color(0, 0, 93), 2));  // 240 * 100 >> 8
    EXPECT_EQ(Draw(Animation::Breathe, kBlue, 255, 2), Uniform(Color(0, 0, 239), 2));
    EXPECT_EQ(Draw(Animation::Breathe, kBlue, 256, 2), Draw(Animation::Breathe, kBlue, 255, 2));
    EXPECT_EQ(Draw(Animation::Breathe, kBlue, 411, 2), Uniform(Color(0, 0, 93), 2));  // 511 - 411 = 100
    EXPECT_EQ(Draw(Animation::Breathe, kBlue, 511, 2), Uniform(kBlack, 2));
}

TEST(RainbowRollAnimation, StartsAtTheStateHueAndIgnoresTheColor) {
    // State 300 is hue 44 on LED 0; 2 LEDs: step 32767, LED 1 at hue 44 + 127.
    const auto strip = Draw(Animation::RainbowRoll, kBlue, 300, 2);
    EXPECT_EQ(strip[0], Color::FromHSV(44, 240, 255));
    EXPECT_EQ(strip[1], Color::FromHSV(171, 240, 255));
    EXPECT_EQ(Draw(Animation::RainbowRoll, Color(9, 9, 9), 300, 2), strip);
}

TEST(FadeAnimations, RunBetweenBlackAndTheFullColor) {
    const Color white(255, 255, 255);
    EXPECT_EQ(Draw(Animation::FadeIn, white, 0, 2), Uniform(kBlack, 2));  // c * 1 >> 8
    EXPECT_EQ(Draw(Animation::FadeIn, kBlue, 255, 2), Uniform(kBlue, 2));
    EXPECT_EQ(Draw(Animation::FadeIn, kBlue, 127, 2), Uniform(Color(0, 0, 120), 2));  // 240 * 128 >> 8
    EXPECT_EQ(Draw(Animation::FadeOut, kBlue, 0, 2), Uniform(kBlue, 2));
    EXPECT_EQ(Draw(Animation::FadeOut, white, 255, 2), Uniform(kBlack, 2));
    EXPECT_EQ(Draw(Animation::FadeOut, kBlue, 128, 2), Uniform(Color(0, 0, 120), 2));
}

TEST(RainbowCycleAnimation, ShowsOneHuePerStepWhateverTheColor) {
    // FromHSV(0, 255, 255): a = 254, base 1.
    EXPECT_EQ(Draw(Animation::RainbowCycle, kBlue, 0, 3), Uniform(Color(255, 1, 1), 3));
    EXPECT_EQ(Draw(Animation::RainbowCycle, Color(7, 7, 7), 0, 3), Uniform(Color(255, 1, 1), 3));
    EXPECT_EQ(Draw(Animation::RainbowCycle, kBlue, 86, 1)[0], Color::FromHSV(86, 255, 255));
}

TEST(AlternateBreatheAnimation, LightsEvenLedsFirstAndOddLedsSecond) {
    // State 100: first half, h = 100, lit = 240 * 101 >> 8 = 94.
    const auto first = Draw(Animation::AlternateBreathe, kBlue, 100, 5);
    EXPECT_EQ(first, (std::vector<Color>{{0, 0, 94}, kBlack, {0, 0, 94}, kBlack, {0, 0, 94}}));
    // State 600: second half, h = 88, lit = 240 * 89 >> 8 = 83.
    const auto second = Draw(Animation::AlternateBreathe, kBlue, 600, 5);
    EXPECT_EQ(second, (std::vector<Color>{kBlack, {0, 0, 83}, kBlack, {0, 0, 83}, kBlack}));
}

TEST(AlternateBreatheAnimation, EachHalfBreathesFromBlackToFullAndBack) {
    EXPECT_EQ(Draw(Animation::AlternateBreathe, kBlue, 0, 1)[0], kBlack);
    EXPECT_EQ(Draw(Animation::AlternateBreathe, kBlue, 255, 1)[0], kBlue);
    EXPECT_EQ(Draw(Animation::AlternateBreathe, kBlue, 256, 1)[0], kBlue);
    EXPECT_EQ(Draw(Animation::AlternateBreathe, kBlue, 511, 1)[0], kBlack);
    EXPECT_EQ(Draw(Animation::AlternateBreathe, kBlue, 767, 2)[1], kBlue);
    EXPECT_EQ(Draw(Animation::AlternateBreathe, kBlue, 1023, 2)[1], kBlack);
}

TEST(GrowingBreatheAnimation, GrowsTheBarWithTheState) {
    // Count 10, state 128: n = 10 * 0.5 = 5, dimmed by 128.
    std::vector<Color> expected(10, kBlack);
    for (int i = 0; i < 5; ++i) expected[i] = Color(0, 0, 120);
    EXPECT_EQ(Draw(Animation::GrowingBreathe, kBlue, 128, 10), expected);
    EXPECT_EQ(Draw(Animation::GrowingBreathe, kBlue, 0, 10), Uniform(kBlack, 10));
    // State 1 rounds 0.039 LEDs down to none; state 255 lights all 10 (9.96) dimmed by 1.
    EXPECT_EQ(Draw(Animation::GrowingBreathe, kBlue, 1, 10), Uniform(kBlack, 10));
    EXPECT_EQ(Draw(Animation::GrowingBreathe, kBlue, 255, 10), Uniform(Color(0, 0, 239), 10));
}

TEST(GrowingBreatheAnimation, RoundsHalfLedsUp) {
    // 4 * 32 / 256 = 0.5 -> 1 LED; 12 * 32 / 256 = 1.5 -> 2 LEDs (halves away from zero).
    const auto four = Draw(Animation::GrowingBreathe, Color(255, 255, 255), 32, 4);
    EXPECT_NE(four[0], kBlack);
    EXPECT_EQ(four[1], kBlack);
    const auto twelve = Draw(Animation::GrowingBreathe, Color(255, 255, 255), 32, 12);
    EXPECT_NE(twelve[1], kBlack);
    EXPECT_EQ(twelve[2], kBlack);
    // The bar is dimmed by 256 - 32 = 224: 255 * 32 >> 8 = 31.
    EXPECT_EQ(twelve[0], Color(31, 31, 31));
}

}  // namespace
