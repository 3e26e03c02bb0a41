// The 8-bit helpers: exhaustive sweeps of every pair of 8-bit inputs, hand-worked values,
// the generator draws of random8/random16, and the circular rainbow.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include <orvek/led/ColorUtils.h>

#include "LedTestSupport.h"

namespace {

using namespace orvek::internal::Animation;
using ledtest::Color;

// Compile-time evidence that the pure helpers are constexpr.
static_assert(qadd8(200, 100) == 255);
static_assert(qsub8(5, 10) == 0);
static_assert(scale8(255, 255) == 254);

TEST(ColorUtils, Qadd8SaturatesAtFullOverEveryPair) {
    for (int a = 0; a < 256; ++a) {
        for (int b = 0; b < 256; ++b) {
            const int expected = a + b > 255 ? 255 : a + b;
            ASSERT_EQ(qadd8(uint8_t(a), uint8_t(b)), expected) << a << " + " << b;
        }
    }
    EXPECT_EQ(qadd8(200, 100), 255);
    EXPECT_EQ(qadd8(100, 155), 255);
    EXPECT_EQ(qadd8(100, 154), 254);
}

TEST(ColorUtils, Qsub8SaturatesAtBlackOverEveryPair) {
    for (int a = 0; a < 256; ++a) {
        for (int b = 0; b < 256; ++b) {
            const int expected = a < b ? 0 : a - b;
            ASSERT_EQ(qsub8(uint8_t(a), uint8_t(b)), expected) << a << " - " << b;
        }
    }
    EXPECT_EQ(qsub8(5, 10), 0);
    EXPECT_EQ(qsub8(247, 8), 239);
}

TEST(ColorUtils, Scale8TruncatesAndNeverBrightensOverEveryPair) {
    for (int i = 0; i < 256; ++i) {
        int previous = -1;
        for (int s = 0; s < 256; ++s) {
            const int scaled = scale8(uint8_t(i), uint8_t(s));
            ASSERT_EQ(scaled, (i * s) / 256) << i << " * " << s;
            ASSERT_LE(scaled, i);                               // never brightens
            ASSERT_GE(scaled, previous);                        // monotonic in the scale
            ASSERT_EQ(scaled, scale8(uint8_t(s), uint8_t(i)));  // symmetric
            previous = scaled;
        }
        EXPECT_EQ(scale8(uint8_t(i), 0), 0);
        EXPECT_EQ(scale8(uint8_t(i), 255), i == 0 ? 0 : i - 1);
    }
    EXPECT_EQ(scale8(255, 255), 254);
    EXPECT_EQ(scale8(240, 128), 120);
    EXPECT_EQ(scale8(100, 51), 19);  // 5100 / 256 = 19.9
}

TEST(ColorUtils, ScaleColorScalesEachChannelLikeColorScale8) {
    const Color c(255, 128, 3);
    EXPECT_EQ(scaleColor(c, 51), Color(50, 25, 0));
    for (int s = 0; s < 256; ++s) ASSERT_EQ(scaleColor(c, uint8_t(s)), c.scale8(uint8_t(s)));
}

TEST(ColorUtils, RandomHelpersTakeOneDrawEach) {
    const std::vector<int> values = ledtest::RandSequence(1234, 6);
    EXPECT_EQ(random8(), values[0] % 256);
    EXPECT_EQ(random8(7), values[1] % 7);
    EXPECT_EQ(random16(300), values[2] % 300);
    EXPECT_EQ(random8(255), values[3] % 255);
    // A zero limit answers 0 but still takes its draw.
    EXPECT_EQ(random8(0), 0);
    EXPECT_EQ(std::rand(), values[5]);
}

TEST(ColorUtils, RandomHelpersStayBelowTheirLimit) {
    std::srand(99);
    for (int lim = 1; lim < 256; ++lim) {
        for (int k = 0; k < 50; ++k) ASSERT_LT(random8(uint8_t(lim)), lim);
    }
    for (int k = 0; k < 1000; ++k) ASSERT_LT(random16(1000), 1000);
}

TEST(ColorUtils, RainbowOfOneLedIsTheStartHue) {
    Color led;
    fill_rainbow_circular(&led, uint16_t(1), 5);
    // FromHSV(5, 240, 255): a = 239, rem = 30, base = 16, x = 239 * 30 >> 8 = 28.
    EXPECT_EQ(led, Color(255, 44, 16));
}

TEST(ColorUtils, RainbowOfNoLedsWritesNothing) {
    Color guard(1, 2, 3);
    fill_rainbow_circular(&guard, uint16_t(0), 5);
    fill_rainbow_circular(&guard, 0, 5, true);
    fill_rainbow_circular(&guard, -4, 5, false);
    EXPECT_EQ(guard, Color(1, 2, 3));
}

TEST(ColorUtils, RainbowGoesAroundTheCircleBothWays) {
    // step = 65535 / 4 = 16383: hues 0, 63, 127, 191 forwards; 0, 192, 128, 64 backwards.
    std::vector<Color> forward(4), backward(4);
    fill_rainbow_circular(forward.data(), uint16_t(4), 0);
    fill_rainbow_circular(backward.data(), 4, 0, true);
    const int forwardHues[] = {0, 63, 127, 191};
    const int backwardHues[] = {0, 192, 128, 64};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(forward[i], Color::FromHSV(forwardHues[i], 240, 255)) << i;
        EXPECT_EQ(backward[i], Color::FromHSV(backwardHues[i], 240, 255)) << i;
    }
}

TEST(ColorUtils, RainbowStartHueWrapsAtTheTopOfTheCircle) {
    // Start 200 on 2 LEDs: step 32767, LED 1 hue (200 + 127) % 256 = 71.
    std::vector<Color> strip(2);
    fill_rainbow_circular(strip.data(), uint16_t(2), 200);
    EXPECT_EQ(strip[0], Color::FromHSV(200, 240, 255));
    EXPECT_EQ(strip[1], Color::FromHSV(71, 240, 255));
}

}  // namespace
