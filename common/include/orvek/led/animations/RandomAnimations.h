#pragma once
// Frames of the animations driven by the random generator: Sparkle, Fire, Twinkle, Confetti.
// None of them uses the state; each frame is one new random step. The order of the random
// draws below is part of what they show (the generator is shared and never seeded here).
//
// Memory between frames: Fire, Twinkle and Confetti keep theirs in function-local statics of
// these internal-linkage functions, so every compilation unit that includes this header has
// its own memory, shared by every strip that unit draws with that animation. A strip of
// another length rebuilds the memory from scratch. The memory is not locked: call these on
// the simulation GUI thread only.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include <orvek/domain/Color.h>
#include <orvek/led/ColorUtils.h>

namespace orvek::internal::Animation::Frames {

using domain::Color;

// Base level 51 on every LED; about one LED in 32 flashes at 153..255.
static inline bool SparkleFrame(Color* strip, Color color, std::uint16_t, std::uint16_t count) {
    for (int i = 0; i < count; ++i) {
        strip[i] = scaleColor(color, 51);
        if (random8() < 8) {
            const float sparkleIntensity = 0.6f + (random8() / 255.0f) * 0.4f;
            const auto brightness = static_cast<std::uint8_t>(std::roundf(sparkleIntensity * 255.0f));
            strip[i] = scaleColor(color, brightness);
        }
    }
    return true;
}

// The color of a heat index t192 (0..191 from a heat of 0..255): black through red (bit 0x40
// clear), orange to yellow (0x40) and yellow to white (0x80), each band ramping in steps of 4.
static inline Color FireHeatColor(std::uint8_t t192) {
    const auto heatramp = static_cast<std::uint8_t>((t192 & 63) * 4);
    if (t192 & 0x80) return Color(255, 255, heatramp);
    if (t192 & 0x40) return Color(255, heatramp, 0);
    return Color(heatramp, 0, 0);
}

// A heat simulation along the strip: cool, drift heat upwards, maybe spark near LED 0, then
// show each LED halfway between `color` and its heat color.
static inline bool FireFrame(Color* strip, Color color, std::uint16_t, std::uint16_t count) {
    static std::vector<std::uint8_t> heat;
    if (count == 0) return true;
    if (heat.size() != count) heat.assign(count, 0);

    // Kept to 8 bits on purpose: 1 LED cools by up to 39 and 2 LEDs by up to 20 per frame.
    const auto coolingLimit = static_cast<std::uint8_t>(550 / count + 2);
    for (int i = 0; i < count; ++i) heat[i] = qsub8(heat[i], random8(coolingLimit));

    if (count > 2) {
        for (int k = count - 1; k >= 2; --k)
            heat[k] = static_cast<std::uint8_t>((heat[k - 1] + heat[k - 2] + heat[k - 2]) / 3);
    }

    if (random8() < 120) {
        const int sparkRange = std::min(7, static_cast<int>(count));
        if (sparkRange != 0) {
            // The position is drawn before the amount.
            const std::uint8_t y = random8(static_cast<std::uint8_t>(sparkRange));
            const auto amount = static_cast<std::uint8_t>(random8(95) + 160);
            heat[y] = qadd8(heat[y], amount);
        }
    }

    for (int j = 0; j < count; ++j) {
        const Color hot = FireHeatColor(static_cast<std::uint8_t>(heat[j] * 191 / 255));
        strip[j] =
            Color(static_cast<std::uint8_t>((color.r + hot.r) / 2), static_cast<std::uint8_t>((color.g + hot.g) / 2),
                  static_cast<std::uint8_t>((color.b + hot.b) / 2));
    }
    return true;
}

// LEDs light up at random (about one in 51 per frame) and fade by 8 per frame: a trigger
// shows 247, 239, ... 23 and then black, 29 lit frames.
static inline bool TwinkleFrame(Color* strip, Color color, std::uint16_t, std::uint16_t count) {
    static std::vector<std::uint8_t> brightness;
    static std::vector<std::uint8_t> direction;  // 1 while the LED is fading
    if (brightness.size() != count) {
        brightness.assign(count, 0);
        direction.assign(count, 0);
    }
    for (int i = 0; i < count; ++i) {
        if (random8() < 5) {
            brightness[i] = 255;
            direction[i] = 1;
        }
        if (direction[i] == 1) {
            brightness[i] = qsub8(brightness[i], 8);
            if (brightness[i] < 20) {
                brightness[i] = 0;
                direction[i] = 0;
            }
        }
        strip[i] = scaleColor(color, brightness[i]);
    }
    return true;
}

// One drifting particle of Confetti: an LED index and a hue in degrees (0..360).
struct ConfettiParticle {
    std::uint16_t pos;
    float hue;
};

// Up to twenty colored particles drifting over a slow fade of what the buffer holds; `color`
// is not used.
static inline bool ConfettiFrame(Color* strip, Color, std::uint16_t, std::uint16_t count) {
    static std::vector<ConfettiParticle> confettiState;
    // The strip length the particles were placed on. Rebuilding whenever it changes (not only
    // when the particle count does) keeps every particle inside the strip being drawn.
    static int builtForCount = -1;

    const auto confettiCount = static_cast<std::size_t>(std::min(count / 3, 20));
    if (confettiState.size() != confettiCount || builtForCount != count) {
        confettiState.clear();
        confettiState.reserve(confettiCount);
        for (std::size_t k = 0; k < confettiCount; ++k) {
            ConfettiParticle particle{};
            particle.pos = random16(count);
            particle.hue = 360.0f * (random8() / 255.0f);
            confettiState.push_back(particle);
        }
        builtForCount = count;
    }

    for (int i = 0; i < count; ++i) strip[i].fadeLightBy(20);

    for (ConfettiParticle& particle : confettiState) {
        if (random8() < 77) {
            const int step = random8() >= 128 ? 1 : -1;
            particle.pos = static_cast<std::uint16_t>((particle.pos + count + step) % count);
        }
        if (random8() < 13) particle.hue = 360.0f * (random8() / 255.0f);
        const float v = 0.7f + (random8() / 255.0f) * 0.3f;
        const float h = std::fmod(particle.hue, 360.0f);
        const auto hue8 = static_cast<std::uint8_t>(std::roundf(h / 360.0f * 255.0f));
        const auto value8 = static_cast<std::uint8_t>(std::roundf(v * 255.0f));
        strip[particle.pos] = Color::FromHSV(hue8, 255, value8);
    }
    return true;
}

}  // namespace orvek::internal::Animation::Frames
