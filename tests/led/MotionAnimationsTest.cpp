// Moving animations: Chase, Comet, Scanner, TheaterChase, Meteor and Larson.

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "LedTestSupport.h"

namespace {

using ledtest::Animation;
using ledtest::Color;
using ledtest::Draw;
using ledtest::Scaled;

const Color kBlack(0, 0, 0);
const Color kRed(255, 0, 0);

// Indices of the LEDs that are not black.
std::vector<int> LitLeds(const std::vector<Color>& strip) {
    std::vector<int> lit;
    for (int i = 0; i < static_cast<int>(strip.size()); ++i) {
        if (strip[i] != kBlack) lit.push_back(i);
    }
    return lit;
}

// The LED with the highest red channel (the eye of Scanner and Larson).
int Brightest(const std::vector<Color>& strip) {
    int best = 0;
    for (int i = 1; i < static_cast<int>(strip.size()); ++i) {
        if (strip[i].r > strip[best].r) best = i;
    }
    return best;
}

TEST(ChaseAnimation, BlockOfFiveEntersAndLeaves) {
    const Color c(1, 2, 3);
    EXPECT_TRUE(LitLeds(Draw(Animation::Chase, c, 0, 10)).empty());
    EXPECT_EQ(LitLeds(Draw(Animation::Chase, c, 1, 10)), (std::vector<int>{0}));
    EXPECT_EQ(LitLeds(Draw(Animation::Chase, c, 5, 10)), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(LitLeds(Draw(Animation::Chase, c, 7, 10)), (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(LitLeds(Draw(Animation::Chase, c, 14, 10)), (std::vector<int>{9}));
    EXPECT_EQ(Draw(Animation::Chase, c, 7, 10)[4], c);
}

TEST(CometAnimation, TailFadesByDistanceBehindTheHead) {
    const Color c(138, 43, 226);
    const int tail[] = {179, 125, 87, 61, 43, 30, 21, 15};  // round(0.7^t * 255)
    const auto strip = Draw(Animation::Comet, c, 12, 20);
    EXPECT_EQ(strip[12], c);
    for (int t = 1; t <= 8; ++t) EXPECT_EQ(strip[12 - t], Scaled(c, tail[t - 1])) << "t = " << t;
    EXPECT_EQ(strip[3], kBlack);
    EXPECT_EQ(strip[13], kBlack);
}

TEST(CometAnimation, TailWrapsAroundTheStrip) {
    const Color white(255, 255, 255);
    const auto strip = Draw(Animation::Comet, white, 2, 20);
    EXPECT_EQ(strip[2], white);
    EXPECT_EQ(strip[1], Scaled(white, 179));
    EXPECT_EQ(strip[0], Scaled(white, 125));
    EXPECT_EQ(strip[19], Scaled(white, 87));
    EXPECT_EQ(strip[14], Scaled(white, 15));
    // At state count the head is back on LED 0.
    EXPECT_EQ(Draw(Animation::Comet, white, 20, 20)[0], white);
}

TEST(CometAnimation, ShortStripsLetTheTailWin) {
    const Color white(255, 255, 255);
    // One LED: tail length 1 lands on the head; the tail (179) stays.
    EXPECT_EQ(Draw(Animation::Comet, white, 0, 1)[0], Scaled(white, 179));
    EXPECT_EQ(Draw(Animation::Comet, white, 1, 1)[0], Scaled(white, 179));
    // Three LEDs: tail length 2, head at 0, tail at 2 (179) and 1 (125).
    EXPECT_EQ(Draw(Animation::Comet, white, 0, 3), (std::vector<Color>{white, Scaled(white, 125), Scaled(white, 179)}));
}

TEST(ScannerAnimation, BrightnessByDistanceIsRounded) {
    const int table[] = {255, 225, 155, 83, 35, 11, 3, 1, 0};
    const auto strip = Draw(Animation::Scanner, kRed, 0, 10);  // eye on LED 0
    for (int d = 0; d <= 8; ++d) EXPECT_EQ(strip[d], Scaled(kRed, table[d])) << "distance " << d;
}

TEST(ScannerAnimation, SpreadsTheCycleOverTheWholeSweep) {
    // 10 LEDs: 12 states over 18 positions, effective = floor(18 * s / 12).
    const int expectedPos[] = {0, 1, 3, 4, 6, 7, 9, 8, 6, 5, 3, 2};
    for (int s = 0; s < 12; ++s) {
        const auto strip = Draw(Animation::Scanner, kRed, s, 10);
        EXPECT_EQ(Brightest(strip), expectedPos[s]) << "state " << s;
        EXPECT_EQ(strip[expectedPos[s]], Scaled(kRed, 255));
    }
    // The driver's cycle restarts: state 12 is state 0 again.
    EXPECT_EQ(Draw(Animation::Scanner, kRed, 12, 10), Draw(Animation::Scanner, kRed, 0, 10));
}

TEST(ScannerAnimation, OneLedStaysLit) {
    for (int s = 0; s < 3; ++s) EXPECT_EQ(Draw(Animation::Scanner, kRed, s, 1)[0], Scaled(kRed, 255));
}

TEST(LarsonAnimation, BrightnessByDistanceIsTruncated) {
    const int table[] = {255, 225, 154, 82, 34, 11, 2, 0};
    const Color white(255, 255, 255);
    const auto strip = Draw(Animation::Larson, white, 9, 10);  // eye on LED 9
    for (int d = 0; d <= 7; ++d) EXPECT_EQ(strip[9 - d], Scaled(white, table[d])) << "distance " << d;
}

TEST(LarsonAnimation, BouncesBetweenTheEnds) {
    const int expectedPos[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 8, 7};
    for (int s = 0; s < 12; ++s) EXPECT_EQ(Brightest(Draw(Animation::Larson, kRed, s, 10)), expectedPos[s]) << s;
    EXPECT_EQ(Draw(Animation::Larson, kRed, 2, 1)[0], Scaled(kRed, 255));
}

TEST(TheaterChaseAnimation, LightsEveryThirdLedAndSteps) {
    const Color c(255, 0, 255);
    EXPECT_EQ(LitLeds(Draw(Animation::TheaterChase, c, 0, 9)), (std::vector<int>{0, 3, 6}));
    EXPECT_EQ(LitLeds(Draw(Animation::TheaterChase, c, 1, 9)), (std::vector<int>{2, 5, 8}));
    EXPECT_EQ(LitLeds(Draw(Animation::TheaterChase, c, 2, 9)), (std::vector<int>{1, 4, 7}));
    EXPECT_EQ(Draw(Animation::TheaterChase, c, 0, 9)[3], c);
}

TEST(MeteorAnimation, BlockEndsAtTheStateAndIsClippedAtTheEnds) {
    const Color c(0, 0, 240);
    EXPECT_EQ(Draw(Animation::Meteor, c, 3, 3), (std::vector<Color>{c, c, c}));
    EXPECT_EQ(LitLeds(Draw(Animation::Meteor, c, 12, 10)), (std::vector<int>{8, 9}));
    EXPECT_EQ(LitLeds(Draw(Animation::Meteor, c, 6, 10)), (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_TRUE(LitLeds(Draw(Animation::Meteor, c, 0, 0)).empty());
}

TEST(MeteorAnimation, TakesOneDrawPerLedAndFadesWhatTheBufferHeld) {
    const int count = 12;
    ledtest::Replay replay(77, count + 1);
    std::vector<Color> strip(count, Color(200, 100, 40));
    ASSERT_TRUE(ledtest::Instance(Animation::Meteor).cb(strip.data(), Color(1, 1, 1), 0, count));
    for (int i = 0; i < count; ++i) {
        const int draw = replay.draw8();
        // A draw above 128 fades by 64: c * 192 >> 8; LED 0 is the block's head.
        const Color expected = i == 0 ? Color(1, 1, 1) : draw > 128 ? Color(150, 75, 30) : Color(200, 100, 40);
        EXPECT_EQ(strip[i], expected) << "LED " << i << " draw " << draw;
    }
    EXPECT_EQ(std::rand(), replay.following());
}

}  // namespace
