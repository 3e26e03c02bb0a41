#pragma once
// 8-bit arithmetic shared by the frame callbacks.
//
// The pure helpers are constexpr and exact on every 8-bit input; the random helpers take
// exactly one value of the process-wide `rand` generator per call (never seeded here), so
// the order of calls in an animation decides its picture. They are not locked: use them on
// the simulation GUI thread.

#include <cstdint>
#include <cstdlib>

#include <orvek/domain/Color.h>

namespace orvek::internal::Animation {

// random8() == rand() % 256, the generator's low 8 bits; one draw.
inline std::uint8_t random8() noexcept { return static_cast<std::uint8_t>(std::rand() % 256); }

// random8(lim) == rand() % lim, in 0 .. lim-1; one draw. A limit of 0 gives 0 instead of
// dividing by zero, and still takes its draw so the draw order stays the same.
inline std::uint8_t random8(std::uint8_t lim) noexcept {
    const int draw = std::rand();
    return lim == 0 ? 0 : static_cast<std::uint8_t>(draw % lim);
}

// random16(lim) == rand() % lim, in 0 .. lim-1; one draw. A limit of 0 gives 0 (one draw).
inline std::uint16_t random16(std::uint16_t lim) noexcept {
    const int draw = std::rand();
    return lim == 0 ? 0 : static_cast<std::uint16_t>(draw % lim);
}

// qadd8(a, b) == min(a + b, 255): addition saturating at full brightness.
constexpr std::uint8_t qadd8(std::uint8_t a, std::uint8_t b) noexcept {
    return static_cast<std::uint8_t>(a + b > 255 ? 255 : a + b);
}

// qsub8(a, b) == max(a - b, 0): subtraction saturating at black.
constexpr std::uint8_t qsub8(std::uint8_t a, std::uint8_t b) noexcept {
    return static_cast<std::uint8_t>(a > b ? a - b : 0);
}

// scale8(i, s) == (i * s) >> 8, truncating: scale 0 gives 0, scale 255 gives i - 1 for i > 0,
// so it never brightens and never reaches 255.
constexpr std::uint8_t scale8(std::uint8_t i, std::uint8_t s) noexcept {
    return static_cast<std::uint8_t>((static_cast<std::uint16_t>(i) * s) >> 8);
}

// A color with scale8(channel, b) on each of its three channels.
inline domain::Color scaleColor(const domain::Color& c, std::uint8_t b) noexcept {
    return domain::Color(scale8(c.r, b), scale8(c.g, b), scale8(c.b, b));
}

// Writes `count` LEDs with one full rainbow (saturation 240, value 255) starting at `hue`
// on LED 0; each next LED advances a 16-bit accumulator (hue x 256) by 65535 / count,
// backwards when `reversed`, so the strip spans one turn of the hue circle. count <= 0
// writes nothing. The accumulator wraps at 16 bits.
inline void fill_rainbow_circular(domain::Color* strip, int count, std::uint8_t hue, bool reversed) {
    if (count <= 0) {
        return;
    }
    // Same as 65535 / (uint16)count for every count up to 65535, and 0 (not a division by
    // zero) for longer strips.
    const auto step = static_cast<std::uint16_t>(65535 / count);
    std::uint16_t acc = 0;
    int h = hue;
    for (int i = 0; i < count; ++i) {
        strip[i] = domain::Color::FromHSV(h, 240, 255);
        acc = static_cast<std::uint16_t>(reversed ? acc - step : acc + step);
        h = (hue + (acc >> 8)) % 256;
    }
}

// fill_rainbow_circular(strip, count, hue, false).
inline void fill_rainbow_circular(domain::Color* strip, std::uint16_t count, std::uint8_t hue) {
    fill_rainbow_circular(strip, static_cast<int>(count), hue, false);
}

}  // namespace orvek::internal::Animation
