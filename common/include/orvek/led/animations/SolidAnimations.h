#pragma once
// Frames of the animations that color the whole strip from the step alone: no motion along
// the strip, no randomness. Each keeps the frame callback contract of AnimationInstance.h.

#include <cmath>
#include <cstdint>

#include <orvek/domain/Color.h>
#include <orvek/led/ColorUtils.h>

namespace orvek::internal::Animation::Frames {

using domain::Color;

// Writes nothing; there is nothing to show.
static inline bool NoneFrame(Color*, Color, std::uint16_t, std::uint16_t) { return false; }

// Every LED = color.
static inline bool FillFrame(Color* strip, Color color, std::uint16_t, std::uint16_t count) {
    for (int i = 0; i < count; ++i) strip[i] = color;
    return true;
}

// State 0 on, state 1 off; any other state writes nothing and reports no frame.
static inline bool BlinkFrame(Color* strip, Color color, std::uint16_t state, std::uint16_t count) {
    if (state > 1) return false;
    const Color lit = state == 0 ? color : Color::Black();
    for (int i = 0; i < count; ++i) strip[i] = lit;
    return true;
}

// Brightness rises 0..255 over states 0..255 and falls back over 256..511.
static inline bool BreatheFrame(Color* strip, Color color, std::uint16_t state, std::uint16_t count) {
    const auto folded = static_cast<std::uint16_t>(state <= 255 ? state : 511 - state);
    const Color dimmed = color.scale8(static_cast<std::uint8_t>(folded));
    for (int i = 0; i < count; ++i) strip[i] = dimmed;
    return true;
}

// One rainbow around the strip whose first hue advances one unit per step.
static inline bool RainbowRollFrame(Color* strip, Color, std::uint16_t state, std::uint16_t count) {
    fill_rainbow_circular(strip, count, static_cast<std::uint8_t>(state % 256));
    return true;
}

// Color rising from black (state 0) to full (state 255).
static inline bool FadeInFrame(Color* strip, Color color, std::uint16_t state, std::uint16_t count) {
    Color faded = color;
    faded.fadeLightBy(static_cast<std::uint8_t>(255 - state % 256));
    for (int i = 0; i < count; ++i) strip[i] = faded;
    return true;
}

// Color falling from full (state 0) to black (state 255).
static inline bool FadeOutFrame(Color* strip, Color color, std::uint16_t state, std::uint16_t count) {
    Color faded = color;
    faded.fadeLightBy(static_cast<std::uint8_t>(state % 256));
    for (int i = 0; i < count; ++i) strip[i] = faded;
    return true;
}

// The whole strip in one hue that advances one unit per step; `color` is not used.
static inline bool RainbowCycleFrame(Color* strip, Color, std::uint16_t state, std::uint16_t count) {
    const Color hue = Color::FromHSV(state % 256, 255, 255);
    for (int i = 0; i < count; ++i) strip[i] = hue;
    return true;
}

// Even LEDs breathe in the first half of the cycle (states 0..511), odd LEDs in the second.
// A lit LED follows the breath of its half: h climbs 0..255 and back, and the LED shows
// color faded by 255 - h, i.e. channel * (h + 1) >> 8, so the peak is the full color and the
// ends are black, as with FadeIn. States past the cycle wrap into it.
static inline bool AlternateBreatheFrame(Color* strip, Color color, std::uint16_t state, std::uint16_t count) {
    const int inCycle = state % 1024;
    const bool secondHalf = inCycle >= 512;
    int h = secondHalf ? inCycle - 512 : inCycle;
    if (h > 255) h = 511 - h;
    Color lit = color;
    lit.fadeLightBy(static_cast<std::uint8_t>(255 - h));
    const int litParity = secondHalf ? 1 : 0;
    for (int i = 0; i < count; ++i) strip[i] = (i % 2 == litParity) ? lit : Color(0, 0, 0);
    return true;
}

// A bar from LED 0 grows with the state (count * state / 256 LEDs) while it brightens.
static inline bool GrowingBreatheFrame(Color* strip, Color color, std::uint16_t state, std::uint16_t count) {
    const auto ratio = static_cast<float>(state / 256.0);
    int lit = static_cast<int>(std::roundf(static_cast<float>(count) * ratio));
    // Inside the cycle the bar never passes the strip; a state past it must not either.
    if (lit > count) lit = count;
    const auto n = static_cast<std::uint16_t>(lit);
    Color bar = color;
    bar.fadeLightBy(static_cast<std::uint8_t>((256 - state % 256) % 256));
    for (int i = 0; i < n; ++i) strip[i] = bar;
    for (int i = n; i < count; ++i) strip[i] = Color::Black();
    return true;
}

}  // namespace orvek::internal::Animation::Frames
