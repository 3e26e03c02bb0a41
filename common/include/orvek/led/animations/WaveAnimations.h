#pragma once
// Frames of the animations shaped by trigonometric curves: SineRoll, Wave, Pulse, Ripple,
// Lava, Plasma, Heartbeat. Each keeps the frame callback contract of AnimationInstance.h.
//
// The 8-bit results depend on where each curve is narrowed from double to float and whether
// it is rounded or truncated, so every step below says which it does: `(float)` casts are
// the narrowings, std::roundf rounds halves away from zero, integer casts truncate.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include <orvek/domain/Color.h>
#include <orvek/led/ColorUtils.h>

namespace orvek::internal::Animation::Frames {

using domain::Color;

// pi in double precision, as the curves use it.
inline constexpr double kPi = 3.141592653589793;

// A sine brightness wave, one wavelength per 60 LEDs, rolling one LED per step.
static inline bool SineRollFrame(Color* strip, Color color, std::uint16_t state, std::uint16_t count) {
    constexpr double k = 0.10471975511965977;  // 2 pi / 60
    const double t1 = k * static_cast<double>(60 - static_cast<int>(state));
    for (int i = 0; i < count; ++i) {
        const double t2 = k * i;
        const double brightness = 255.0 * ((std::sin(t2 + t1) + 1.0) / 2.0);
        strip[i] = color.scale8(static_cast<std::uint8_t>(static_cast<int>(brightness)));
    }
    return true;
}

// Two wavelengths over the strip, moving one degree per step.
static inline bool WaveFrame(Color* strip, Color color, std::uint16_t state, std::uint16_t count) {
    constexpr float kWaveCount = 2.0f;
    for (int i = 0; i < count; ++i) {
        const double a = kPi * state / 180.0;
        const float x = 2.0f * kWaveCount * static_cast<float>(i);
        const auto angle = static_cast<float>(kPi * x / count + a);
        const auto brightness = static_cast<float>((std::sin(static_cast<double>(angle)) + 1.0) / 2.0);
        strip[i] = scaleColor(color, static_cast<std::uint8_t>(static_cast<int>(255.0f * brightness)));
    }
    return true;
}

// A ring pulse from the center to both ends.
static inline bool PulseFrame(Color* strip, Color color, std::uint16_t state, std::uint16_t count) {
    if (count == 0) return true;
    const int center = count / 2;
    const int maxDistance = std::max(1, center);
    for (int i = 0; i < count; ++i) {
        const int distance = std::abs(i - center);
        int ringPos = static_cast<std::int16_t>(state - (distance * 256) / maxDistance);
        if (ringPos < 0) ringPos += 256;
        const auto brightness = static_cast<float>((std::sin(kPi * ringPos / 128.0) + 1.0) / 2.0);
        strip[i] = scaleColor(color, static_cast<std::uint8_t>(std::roundf(brightness * 255.0f)));
    }
    return true;
}

// Two rings expanding from the center over a dim base. A ring keeps a brighter value left
// by the first one only as far as the red channel tells (it is the one measured).
static inline bool RippleFrame(Color* strip, Color color, std::uint16_t state, std::uint16_t count) {
    if (count == 0) return true;
    const int center = count / 2;
    constexpr float kRingWidth = 3.0f;
    constexpr int kRingSpeed = 2;
    const Color dimColor = scaleColor(color, 25);
    for (int i = 0; i < count; ++i) strip[i] = dimColor;
    for (int ring = 0; ring < 2; ++ring) {
        const int ringPos = ((ring * 180 + state) * kRingSpeed) % (2 * count);
        const float ringCenter = static_cast<float>(ringPos) / 2.0f;
        for (int i = 0; i < count; ++i) {
            const auto distance = static_cast<float>(std::abs(i - center));
            const float offset = std::fabs(distance - ringCenter);
            if (offset < kRingWidth) {
                const float falloff = 1.0f - offset / kRingWidth;
                const float currentBrightness =
                    color.r == 0 ? 0.0f : static_cast<float>(strip[i].r) / static_cast<float>(color.r);
                const float newBrightness = std::min(1.0f, std::max(currentBrightness, falloff));
                strip[i] = scaleColor(color, static_cast<std::uint8_t>(std::roundf(newBrightness * 255.0f)));
            }
        }
    }
    return true;
}

// Three slow sine waves make a warm surface, dark to bright; red is kept warmest.
static inline bool LavaFrame(Color* strip, Color color, std::uint16_t state, std::uint16_t count) {
    for (int i = 0; i < count; ++i) {
        const auto wave1 = static_cast<float>(std::sin(kPi * (15 * i + 2 * state) / 180.0));
        const auto wave2 = static_cast<float>(std::sin(kPi * (10 * i + 3 * state) / 180.0));
        const auto wave3 = static_cast<float>(std::sin(kPi * (1.5 * state + 20 * i) / 180.0));
        const auto combined = static_cast<float>((0.5 * wave1 + 0.3 * wave2) + 0.2 * wave3);
        const auto brightness = static_cast<float>((1.0 + combined) / 2.0);
        const auto finalBrightness = static_cast<float>(std::pow(static_cast<double>(brightness), 0.7));
        const auto warmth = static_cast<float>(0.3 * finalBrightness + 0.7);
        const float red = (static_cast<float>(color.r) * warmth) * finalBrightness;
        const double green = 0.6 * (static_cast<float>(color.g) * finalBrightness);
        const double blue = 0.3 * (static_cast<float>(color.b) * finalBrightness);
        strip[i] =
            Color(static_cast<std::uint8_t>(static_cast<int>(red)), static_cast<std::uint8_t>(static_cast<int>(green)),
                  static_cast<std::uint8_t>(static_cast<int>(blue)));
    }
    return true;
}

// The hue (0..360) and saturation (0..100) of a color, in single precision.
struct PlasmaBase {
    float hue;
    float sat;
};

// The color as hue and saturation; black and greys have hue 0 and saturation 0.
static inline PlasmaBase PlasmaBaseOf(Color color) {
    const float rf = color.r / 255.0f;
    const float gf = color.g / 255.0f;
    const float bf = color.b / 255.0f;
    const float maxVal = std::max({rf, gf, bf});
    const float minVal = std::min({rf, gf, bf});
    const float delta = maxVal - minVal;
    float baseHue = 0.0f;
    if (delta != 0.0f) {
        if (maxVal == rf) {
            baseHue = std::fmod((gf - bf) / delta, 6.0f) * 60.0f;
        } else if (maxVal == gf) {
            baseHue = 60.0f * ((bf - rf) / delta + 2.0f);
        } else {
            baseHue = 60.0f * ((rf - gf) / delta + 4.0f);
        }
        if (baseHue < 0.0f) baseHue += 360.0f;
    }
    const float baseSat = maxVal != 0.0f ? 100.0f * (delta / maxVal) : 0.0f;
    return {baseHue, baseSat};
}

// A hue field around the color's own hue, from three crossing sine waves; all in float.
static inline bool PlasmaFrame(Color* strip, Color color, std::uint16_t state, std::uint16_t count) {
    const PlasmaBase base = PlasmaBaseOf(color);
    for (int i = 0; i < count; ++i) {
        const float t = 0.04f * static_cast<float>(state);
        const float x = count == 0 ? 0.0f : static_cast<float>(i) / static_cast<float>(count);
        const float p = (std::sin(4.0f * x + t) + std::sin(7.0f * x - 1.3f * t)) + std::sin(11.0f * x + 0.7f * t);
        const float hueShift = 180.0f * ((3.0f + p) / 6.0f) - 90.0f;
        const float hue = std::fmod(base.hue + hueShift + 360.0f, 360.0f);
        const float sat = std::clamp(8.0f * p + base.sat, 50.0f, 100.0f);
        const float val = (55.0f + (1.0f + std::sin(1.5f * p)) * 22.5f) / 100.0f;
        strip[i] = Color::FromHSV(static_cast<std::uint8_t>(std::roundf(hue / 360.0f * 255.0f)),
                                  static_cast<std::uint8_t>(std::roundf(sat / 100.0f * 255.0f)),
                                  static_cast<std::uint8_t>(std::roundf(std::clamp(val, 0.0f, 1.0f) * 255.0f)));
    }
    return true;
}

// A strong beat (steps 0..7), a weaker one (12..17, peak 0.8), then rest.
static inline bool HeartbeatFrame(Color* strip, Color color, std::uint16_t state, std::uint16_t count) {
    const int c = state % 60;
    float b = 0.0f;
    if (c <= 7) b = static_cast<float>(std::sin(c / 8.0 * kPi));
    if (c >= 12 && c <= 17) b = static_cast<float>(std::sin((c - 12) / 6.0 * kPi) * 0.8);
    const Color beat = scaleColor(color, static_cast<std::uint8_t>(static_cast<int>(255.0f * b)));
    for (int i = 0; i < count; ++i) strip[i] = beat;
    return true;
}

}  // namespace orvek::internal::Animation::Frames
