// Random animations: Sparkle, Fire, Twinkle and Confetti, predicted by replaying the process
// generator from a fixed seed. Fire, Twinkle and Confetti keep memory between frames; this
// file's unit has its own copy of it, and each test first brings it to a known state.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include <orvek/led/animations/RandomAnimations.h>

#include "LedTestSupport.h"

namespace {

using ledtest::Animation;
using ledtest::Color;
using ledtest::Replay;
using ledtest::Scaled;

bool RunFrame(Animation animation, std::vector<Color>& strip, Color color, int state = 0) {
    return ledtest::Instance(animation).cb(strip.data(), color, static_cast<uint16_t>(state),
                                           static_cast<uint16_t>(strip.size()));
}

// ---- Sparkle ----

TEST(SparkleAnimation, BaseLevelAndFlashesFollowTheDraws) {
    const int count = 300;
    const Color white(255, 255, 255);
    Replay replay(2024, 2 * count + 1);
    std::vector<Color> strip(count);
    ASSERT_TRUE(RunFrame(Animation::Sparkle, strip, white));
    int flashes = 0;
    for (int i = 0; i < count; ++i) {
        if (replay.draw8() < 8) {
            // 255 * (0.6 + 0.4 * d / 255) = 153 + 0.4 d, rounded (never a tie for integer d).
            const int d = replay.draw8();
            const int brightness = 153 + (4 * d + 5) / 10;
            EXPECT_EQ(strip[i], Scaled(white, brightness)) << i;
            ++flashes;
        } else {
            EXPECT_EQ(strip[i], Color(50, 50, 50)) << i;  // scale8(255, 51)
        }
    }
    EXPECT_GT(flashes, 0) << "the seed should give at least one flash";
    EXPECT_EQ(std::rand(), replay.following());
}

// ---- Fire ----

// The heat color of a heat value, worked from the three bands by hand.
Color HeatColorOf(int heat) {
    const int t192 = heat * 191 / 255;
    const int ramp = (t192 & 63) * 4;
    if (t192 >= 128) return Color(255, 255, ramp);
    if (t192 >= 64) return Color(255, ramp, 0);
    return Color(ramp, 0, 0);
}

TEST(FireAnimation, HeatColorBands) {
    using orvek::internal::Animation::Frames::FireHeatColor;
    EXPECT_EQ(FireHeatColor(200), Color(255, 255, 32));  // 0x80 band, ramp (200 & 63) * 4
    EXPECT_EQ(FireHeatColor(100), Color(255, 144, 0));   // 0x40 band, ramp 36 * 4
    EXPECT_EQ(FireHeatColor(63), Color(252, 0, 0));
    EXPECT_EQ(FireHeatColor(0), Color(0, 0, 0));
}

// Fire on one LED, worked by hand: cooling below 40, no diffusion, every spark on LED 0.
TEST(FireAnimation, OneLedWithBlackColorShowsHalfTheHeatColor) {
    std::vector<Color> reset(2);
    RunFrame(Animation::Fire, reset, Color());  // another length: the next call starts cold
    Replay replay(31, 200);
    int heat = 0;
    std::vector<Color> strip(1);
    for (int frame = 0; frame < 40; ++frame) {
        ASSERT_TRUE(RunFrame(Animation::Fire, strip, Color(0, 0, 0)));
        heat = std::max(0, heat - replay.next() % 40);
        if (replay.draw8() < 120) {
            replay.next();  // position: always 0 of a range of 1
            heat = std::min(255, heat + replay.next() % 95 + 160);
        }
        const Color hot = HeatColorOf(heat);
        ASSERT_EQ(strip[0], Color(hot.r / 2, hot.g / 2, hot.b / 2)) << "frame " << frame << " heat " << heat;
        ASSERT_EQ(std::rand(), replay.following()) << "frame " << frame;
        std::srand(31);
        for (std::size_t k = 0; k < replay.used(); ++k) std::rand();
    }
}

TEST(FireAnimation, SparksNearTheStartOfALongStrip) {
    std::vector<Color> reset(9);
    RunFrame(Animation::Fire, reset, Color());
    // Find a seed whose first frame on a cold strip of 10 sparks.
    unsigned seed = 1;
    for (;; ++seed) {
        const auto values = ledtest::RandSequence(seed, 11);
        if (values[10] % 256 < 120) break;
    }
    Replay replay(seed, 14);
    std::vector<Color> strip(10);
    const Color color(255, 35, 0);
    ASSERT_TRUE(RunFrame(Animation::Fire, strip, color));
    for (int i = 0; i < 10; ++i) replay.next();  // cooling of cold heat changes nothing
    replay.next();                               // spark chance
    const int y = replay.next() % 7;
    const Color spark = HeatColorOf(replay.next() % 95 + 160);
    for (int i = 0; i < 10; ++i) {
        const Color expected = i == y ? Color((255 + spark.r) / 2, (35 + spark.g) / 2, spark.b / 2) : Color(127, 17, 0);
        EXPECT_EQ(strip[i], expected) << "LED " << i;
    }
    EXPECT_EQ(std::rand(), replay.following());
}

TEST(FireAnimation, NoLedsKeepsTheHeat) {
    std::vector<Color> reset(2), one(1);
    // Heat one LED for ten frames, draw no LEDs, then one more frame.
    RunFrame(Animation::Fire, reset, Color());
    std::srand(5);
    for (int k = 0; k < 10; ++k) RunFrame(Animation::Fire, one, Color());
    const int nextDraw = ledtest::RandSequence(6, 1)[0];
    EXPECT_TRUE(ledtest::Instance(Animation::Fire).cb(nullptr, Color(), 0, 0));
    EXPECT_EQ(std::rand(), nextDraw) << "an empty strip takes no draw";
    std::srand(6);
    RunFrame(Animation::Fire, one, Color());
    const Color afterEmpty = one[0];

    // The same without the empty strip.
    RunFrame(Animation::Fire, reset, Color());
    std::srand(5);
    for (int k = 0; k < 10; ++k) RunFrame(Animation::Fire, one, Color());
    std::srand(6);
    RunFrame(Animation::Fire, one, Color());
    EXPECT_EQ(afterEmpty, one[0]);

    // And from cold, to show the kept heat matters.
    RunFrame(Animation::Fire, reset, Color());
    std::srand(6);
    RunFrame(Animation::Fire, one, Color());
    EXPECT_NE(afterEmpty, one[0]);
}

// ---- Twinkle ----

TEST(TwinkleAnimation, TriggeredLedFadesOverTwentyNineFrames) {
    // Find a seed whose 4th draw triggers and whose next 35 draws do not.
    unsigned seed = 1;
    for (;; ++seed) {
        const auto values = ledtest::RandSequence(seed, 40);
        bool ok = values[3] % 256 < 5;
        for (int k = 4; k < 40 && ok; ++k) ok = values[k] % 256 >= 5;
        for (int k = 0; k < 3 && ok; ++k) ok = values[k] % 256 >= 5;
        if (ok) break;
    }
    EXPECT_TRUE(ledtest::Instance(Animation::Twinkle).cb(nullptr, Color(), 0, 0));  // resize to nothing
    std::srand(seed);
    const Color white(255, 255, 255);
    std::vector<Color> strip(1);
    std::vector<int> shown;
    for (int frame = 0; frame < 38; ++frame) {
        ASSERT_TRUE(RunFrame(Animation::Twinkle, strip, white));
        shown.push_back(strip[0].r);
    }
    std::vector<int> expected(38, 0);
    for (int k = 0; k < 29; ++k) expected[3 + k] = (255 * (247 - 8 * k)) >> 8;  // 247, 239, ... 23
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(std::count_if(shown.begin(), shown.end(), [](int v) { return v > 0; }), 29);
}

TEST(TwinkleAnimation, TakesOneDrawPerLedAndStartsDarkAfterAResize) {
    std::vector<Color> small(3);
    std::srand(8);
    for (int k = 0; k < 200; ++k) RunFrame(Animation::Twinkle, small, Color(255, 255, 0));
    // A new length: every LED dark unless it triggers this very frame.
    Replay replay(11, 51);
    std::vector<Color> strip(50);
    ASSERT_TRUE(RunFrame(Animation::Twinkle, strip, Color(255, 255, 0)));
    for (int i = 0; i < 50; ++i) {
        const Color expected = replay.draw8() < 5 ? Color(246, 246, 0) : Color(0, 0, 0);  // 247 scaled
        EXPECT_EQ(strip[i], expected) << i;
    }
    EXPECT_EQ(std::rand(), replay.following());
}

// ---- Confetti ----

// Replays one Confetti frame on a fresh black strip whose particle set is `particles`.
struct Particle {
    int pos;
    float hue;
};

std::vector<Color> PredictConfetti(Replay& replay, std::vector<Particle>& particles, int count) {
    std::vector<Color> strip(static_cast<std::size_t>(count));
    for (Particle& p : particles) {
        if (replay.draw8() < 77) {
            const int step = replay.draw8() >= 128 ? 1 : -1;
            p.pos = (p.pos + count + step) % count;
        }
        if (replay.draw8() < 13) p.hue = 360.0f * (static_cast<float>(replay.draw8()) / 255.0f);
        const float v = 0.7f + (static_cast<float>(replay.draw8()) / 255.0f) * 0.3f;
        const float h = std::fmod(p.hue, 360.0f);
        strip[p.pos] = Color::FromHSV(int(std::lround(h / 360.0f * 255.0f)), 255, int(std::lround(v * 255.0f)));
    }
    return strip;
}

std::vector<Particle> PredictRebuild(Replay& replay, int count) {
    std::vector<Particle> particles(static_cast<std::size_t>(std::min(count / 3, 20)));
    for (Particle& p : particles) {
        p.pos = replay.next() % count;
        p.hue = 360.0f * (static_cast<float>(replay.draw8()) / 255.0f);
    }
    return particles;
}

TEST(ConfettiAnimation, ShortStripsHaveNoParticlesAndOnlyFade) {
    std::vector<Color> strip(2, Color(200, 100, 20));
    std::srand(3);
    const int next = ledtest::RandSequence(3, 1)[0];
    ASSERT_TRUE(RunFrame(Animation::Confetti, strip, Color()));
    EXPECT_EQ(strip, (std::vector<Color>(2, Color(184, 92, 18))));  // c * 236 >> 8
    EXPECT_EQ(std::rand(), next);
}

TEST(ConfettiAnimation, DrawnHueOf360WrapsToHueZero) {
    // Three LEDs: one particle. Look for a seed whose rebuild draws hue 255 (360 degrees) and
    // whose frame neither moves the particle nor changes its hue.
    unsigned seed = 1;
    for (;; ++seed) {
        const auto v = ledtest::RandSequence(seed, 5);
        if (v[1] % 256 == 255 && v[2] % 256 >= 77 && v[3] % 256 >= 13) break;
    }
    std::vector<Color> reset(1);
    RunFrame(Animation::Confetti, reset, Color());
    const auto values = ledtest::RandSequence(seed, 5);
    std::vector<Color> strip(3);
    ASSERT_TRUE(RunFrame(Animation::Confetti, strip, Color()));
    const int pos = values[0] % 3;
    const int value8 = static_cast<int>(std::lround((0.7f + (float(values[4] % 256) / 255.0f) * 0.3f) * 255.0f));
    EXPECT_EQ(strip[pos], Color::FromHSV(0, 255, value8));
    EXPECT_NE(strip[pos], Color::FromHSV(255, 255, value8));
    for (int i = 0; i < 3; ++i) {
        if (i != pos) {
            EXPECT_EQ(strip[i], Color()) << i;
        }
    }
}

TEST(ConfettiAnimation, FramesFollowTheDrawsAndKeepTheParticles) {
    std::vector<Color> reset(1);
    RunFrame(Animation::Confetti, reset, Color());
    const int count = 61;
    Replay replay(4242, 400);
    auto particles = PredictRebuild(replay, count);
    ASSERT_EQ(particles.size(), 20u);
    for (int frame = 0; frame < 3; ++frame) {
        std::vector<Color> strip(count);
        ASSERT_TRUE(RunFrame(Animation::Confetti, strip, Color(1, 2, 3), frame));
        const auto expected = PredictConfetti(replay, particles, count);
        ASSERT_EQ(strip, expected) << "frame " << frame;
        ASSERT_EQ(std::rand(), replay.following()) << "frame " << frame;
        std::srand(4242);
        for (std::size_t k = 0; k < replay.used(); ++k) std::rand();
    }
}

TEST(ConfettiAnimation, LongStripThenShortStripRebuildsInsideTheShortOne) {
    constexpr int kGuard = 8;
    const Color sentinel(1, 2, 3);
    std::srand(17);
    std::vector<Color> longStrip(300);
    for (int k = 0; k < 5; ++k) RunFrame(Animation::Confetti, longStrip, Color());

    // Same particle count (20) on a shorter strip: the set is rebuilt for 60 LEDs.
    Replay replay(99, 400);
    std::vector<Color> buffer(kGuard + 60 + kGuard, sentinel);
    std::fill(buffer.begin() + kGuard, buffer.end() - kGuard, Color());
    ASSERT_TRUE(ledtest::Instance(Animation::Confetti).cb(buffer.data() + kGuard, Color(), 0, 60));
    for (int g = 0; g < kGuard; ++g) {
        EXPECT_EQ(buffer[g], sentinel);
        EXPECT_EQ(buffer[kGuard + 60 + g], sentinel);
    }
    auto particles = PredictRebuild(replay, 60);
    const auto expected = PredictConfetti(replay, particles, 60);
    EXPECT_EQ(std::vector<Color>(buffer.begin() + kGuard, buffer.end() - kGuard), expected);
    EXPECT_EQ(std::rand(), replay.following());
}

}  // namespace
