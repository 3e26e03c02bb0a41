#pragma once
// A pixel color and its 8-bit operations; frame buffers are arrays of it.

#include <orvek/domain/command/led/AnimationColor.h>

#include <cstdint>

namespace orvek::internal::domain {

struct Color {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;

    constexpr Color() noexcept = default;
    constexpr Color(uint8_t red, uint8_t green, uint8_t blue) noexcept : r(red), g(green), b(blue) {}

    static constexpr Color Black() noexcept { return {}; }

    static constexpr Color fromCommand(const Command::LED::AnimationColor& c) noexcept { return {c.r, c.g, c.b}; }

    // Hue, saturation and value on 0..255, in integer steps: six sectors of 43
    // hues each (so sector 5 holds only 215..255), channels kept to their low 8
    // bits. Value 0 is black; saturation 0 is grey at the value.
    static constexpr Color FromHSV(int h, int s, int v) noexcept {
        const int a = (s * v) >> 8;
        const int sector = (h / 43) % 6;
        const int rem = (h % 43) * 6;
        const int base = v - a;
        const int x = (a * rem) >> 8;
        switch (sector) {
            case 0: return Low8(v, base + x, base);
            case 1: return Low8(v - x, v, base);
            case 2: return Low8(base, v, base + x);
            case 3: return Low8(base, v - x, v);
            case 4: return Low8(base + x, base, v);
            default: return Low8(v, base, v - x);  // sector 5 and the negative sectors of negative hues
        }
    }

    // In place: each channel becomes channel * (256 - amount) >> 8.
    constexpr void fadeLightBy(uint8_t amount) noexcept {
        const int keep = 256 - amount;
        r = uint8_t((r * keep) >> 8);
        g = uint8_t((g * keep) >> 8);
        b = uint8_t((b * keep) >> 8);
    }

    // A copy whose channels are channel * scale >> 8 (so 255 scales 255 to 254).
    constexpr Color scale8(uint8_t scale) const noexcept {
        return {uint8_t((r * scale) >> 8), uint8_t((g * scale) >> 8), uint8_t((b * scale) >> 8)};
    }

    // Assigning the integer 0 makes the color black; any other integer leaves it unchanged.
    constexpr Color& operator=(int value) noexcept {
        if (value == 0) {
            r = g = b = 0;
        }
        return *this;
    }

    friend constexpr bool operator==(const Color&, const Color&) noexcept = default;

private:
    static constexpr Color Low8(int red, int green, int blue) noexcept {
        return {uint8_t(red & 0xff), uint8_t(green & 0xff), uint8_t(blue & 0xff)};
    }
};

static_assert(sizeof(Color) == 3);
static_assert(Color::FromHSV(0, 255, 255) == Color(255, 1, 1));

}  // namespace orvek::internal::domain
