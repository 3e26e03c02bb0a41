#pragma once
// Frames of the animations in which a block or a dot travels along the strip. All but
// TheaterChase grow their cycle with the strip (LedCount mode), so their position follows
// the state. Each keeps the frame callback contract of AnimationInstance.h.
//
// Positions are computed in int, not in the 16 bits a state fits in: on strips up to 32767
// LEDs that is the same picture, and on longer ones a position never wraps to the wrong end
// of the strip nor divides by a cycle length that overflowed to 0.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include <orvek/domain/Color.h>
#include <orvek/led/Animation.h>
#include <orvek/led/AnimationTable.h>
#include <orvek/led/ColorUtils.h>

namespace orvek::internal::Animation::Frames {

using domain::Color;

// A block of five LEDs enters at LED 0 and leaves past the end: LED j is lit exactly when
// state - 5 <= j <= state - 1.
static inline bool ChaseFrame(Color* strip, Color color, std::uint16_t state, std::uint16_t count) {
    const long startState = state;
    const long endState = startState + 4;
    constexpr long kStartIndex = 5;
    const long endIndex = static_cast<long>(count) + 4;
    for (long index = kStartIndex; index <= endIndex; ++index) {
        strip[index - kStartIndex] = (startState <= index && index <= endState) ? color : Color::Black();
    }
    return true;
}

// Tail brightness t LEDs behind the head: round(0.7^t * 255), halves away from zero.
static inline std::uint8_t CometTailBrightness(int t) {
    return static_cast<std::uint8_t>(std::round(std::pow(0.7, t) * 255.0));
}

// A head with a fading tail of up to eight LEDs, wrapping around the strip.
static inline bool CometFrame(Color* strip, Color color, std::uint16_t state, std::uint16_t count) {
    if (count == 0) return true;
    const int tailLength = std::min(8, std::max(1, count - 1));
    for (int i = 0; i < count; ++i) strip[i] = Color::Black();
    strip[state % count] = color;
    // The tail is written after the head: on a strip too short for it, the tail wins.
    for (int t = 1; t <= tailLength; ++t) {
        int tailPos = state - t;
        // tailLength < count keeps this non-negative after one wrap.
        if (tailPos < 0) tailPos += count;
        strip[tailPos % count] = scaleColor(color, CometTailBrightness(t));
    }
    return true;
}

// A soft eye sweeping from LED 0 to the last LED and back; the driver's cycle of count + 2
// states is spread evenly over the 2 * (count - 1) positions of the sweep.
static inline bool ScannerFrame(Color* strip, Color color, std::uint16_t state, std::uint16_t count) {
    if (count == 0) return true;
    const std::uint64_t desiredTotal = count >= 2 ? 2ull * (count - 1) : 1ull;
    const std::uint64_t providedTotal = count + std::uint64_t{RecordOf(led::Animation::Scanner).stateCount};
    const std::uint64_t effectiveState = (desiredTotal * (state % providedTotal)) / providedTotal % desiredTotal;
    std::int64_t pos = static_cast<std::int64_t>(effectiveState);
    if (pos >= count) pos = static_cast<std::int64_t>(desiredTotal) - pos;
    for (int i = 0; i < count; ++i) {
        const auto distance = static_cast<float>(std::llabs(i - pos));
        const float brightness = std::exp((-distance * distance) / 8.0f);
        const auto brightness8 = static_cast<std::uint8_t>(std::roundf(brightness * 255.0f));
        strip[i] = scaleColor(color, brightness8);
    }
    return true;
}

// Every third LED lit; the pattern steps one LED per state.
static inline bool TheaterChaseFrame(Color* strip, Color color, std::uint16_t state, std::uint16_t count) {
    for (int i = 0; i < count; ++i) strip[i] = (i + state) % 3 == 0 ? color : Color::Black();
    return true;
}

// A five-LED block ending at LED `state`, over a random fade of whatever the buffer holds.
static inline bool MeteorFrame(Color* strip, Color color, std::uint16_t state, std::uint16_t count) {
    constexpr int kMeteorSize = 5;
    constexpr std::uint8_t kMeteorTrailDecay = 64;
    // One draw per LED in LED order, also where the fade changes nothing.
    for (int i = 0; i < count; ++i) {
        if (random8() > 128) strip[i].fadeLightBy(kMeteorTrailDecay);
    }
    for (int j = 0; j < kMeteorSize; ++j) {
        const int pos = state - j;
        if (pos >= 0 && pos < count) strip[pos] = color;
    }
    return true;
}

// A soft eye bouncing between the ends, its position the state modulo the sweep length.
static inline bool LarsonFrame(Color* strip, Color color, std::uint16_t state, std::uint16_t count) {
    const long totalStates = count >= 2 ? 2L * (count - 1) : 1L;
    long pos = state % totalStates;
    if (pos >= count) pos = totalStates - pos;
    for (int i = 0; i < count; ++i) {
        const auto distance = static_cast<float>(std::labs(i - pos));
        const float squared = -distance * distance;
        const auto brightness = static_cast<float>(std::exp(static_cast<double>(squared) / 8.0));
        const auto b = static_cast<std::uint8_t>(static_cast<int>(255.0f * brightness));
        strip[i] = scaleColor(color, b);
    }
    return true;
}

}  // namespace orvek::internal::Animation::Frames
