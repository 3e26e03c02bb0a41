#pragma once
// The constant fields of the 27 built-in animations, one row each, in `led::Animation` order.
//
// The rows are one shared constant table (no load-time work); the instances of BuiltInAnimations.h pair
// each row with its frame callback. The static_asserts below tie the rows to the callbacks:
// several callbacks fold or divide their state by these counts.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include <orvek/definitions/led/AnimationInstance.h>
#include <orvek/led/Animation.h>

namespace orvek::internal::Animation {

// The constant part of one AnimationInstance.
struct AnimationRecord {
    led::Animation animation;    // the enumerator this row describes
    std::string_view id;         // the instance's name
    StateMode stateMode;         // cycle length mode
    std::uint16_t stateCount;    // steps per cycle (plus the LED count in LedCount mode)
    std::uint16_t defaultDelay;  // ms per step
    std::uint8_t r, g, b;        // default color
};

// Row v describes led::Animation value v.
inline constexpr std::array<AnimationRecord, led::kAnimationCount> kAnimationRecords = [] {
    using enum led::Animation;
    using enum StateMode;
    return std::array<AnimationRecord, led::kAnimationCount>{{
        // animation      id                  mode    states  delay    r    g    b
        {None, "NONE", Constant, 1, 65535, 0, 0, 0},
        {Fill, "Fill", Constant, 1, 20000, 0, 0, 240},
        {Blink, "Blink", Constant, 2, 1000, 0, 0, 240},
        {Breathe, "Breathe", Constant, 512, 5, 0, 0, 240},
        {RainbowRoll, "RainbowRoll", Constant, 256, 10, 0, 0, 240},
        {SineRoll, "SineRoll", Constant, 60, 5, 0, 0, 240},
        {Chase, "Chase", LedCount, 5, 25, 0, 0, 240},
        {FadeIn, "FadeIn", Constant, 256, 5, 0, 0, 240},
        {FadeOut, "FadeOut", Constant, 256, 5, 0, 0, 240},
        {RainbowCycle, "RainbowCycle", Constant, 256, 10, 0, 0, 240},
        {AlternateBreathe, "AlternateBreathe", Constant, 1024, 10, 0, 0, 240},
        {GrowingBreathe, "GrowingBreathe", Constant, 256, 10, 0, 0, 240},
        {Comet, "Comet", LedCount, 1, 75, 138, 43, 226},
        {Sparkle, "Sparkle", Constant, 100, 150, 255, 255, 255},
        {Fire, "Fire", Constant, 256, 40, 255, 35, 0},
        {Scanner, "Scanner", LedCount, 2, 60, 255, 0, 0},
        {TheaterChase, "TheaterChase", Constant, 3, 150, 255, 0, 255},
        {Twinkle, "Twinkle", Constant, 256, 20, 255, 255, 0},
        {Meteor, "Meteor", LedCount, 1, 30, 0, 0, 240},
        {Wave, "Wave", Constant, 360, 10, 0, 100, 255},
        {Pulse, "Pulse", Constant, 256, 8, 255, 20, 147},
        {Larson, "Larson", LedCount, 2, 20, 0, 0, 240},
        {Ripple, "Ripple", Constant, 360, 75, 0, 206, 209},
        {Confetti, "Confetti", Constant, 200, 30, 255, 215, 0},
        {Lava, "Lava", Constant, 360, 50, 255, 80, 0},
        {Plasma, "Plasma", Constant, 360, 20, 75, 0, 130},
        {Heartbeat, "Heartbeat", Constant, 60, 30, 255, 0, 0},
    }};
}();

// The row of one animation.
constexpr const AnimationRecord& RecordOf(led::Animation animation) {
    return kAnimationRecords[static_cast<std::size_t>(animation)];
}

namespace table_detail {
using A = led::Animation;
constexpr bool RowsInEnumerationOrder() {
    for (std::size_t v = 0; v < kAnimationRecords.size(); ++v) {
        if (static_cast<std::size_t>(kAnimationRecords[v].animation) != v) return false;
    }
    return true;
}
// Every id but None's is spelled like its enumerator (and so like its kAnimationMap name).
constexpr bool IdsMatchNames() {
    for (std::size_t v = 1; v < kAnimationRecords.size(); ++v) {
        if (kAnimationRecords[v].id != led::kAnimationNames[v]) return false;
    }
    return kAnimationRecords[0].id == "NONE";
}
constexpr bool IdsDistinct() {
    for (std::size_t a = 0; a < kAnimationRecords.size(); ++a) {
        for (std::size_t b = a + 1; b < kAnimationRecords.size(); ++b) {
            if (kAnimationRecords[a].id == kAnimationRecords[b].id) return false;
        }
    }
    return true;
}
// Only the animations whose position follows the strip grow their cycle with it.
constexpr bool LedCountModeOnlyForMovers() {
    for (const auto& row : kAnimationRecords) {
        const bool mover = row.animation == A::Chase || row.animation == A::Comet || row.animation == A::Scanner ||
                           row.animation == A::Meteor || row.animation == A::Larson;
        if ((row.stateMode == StateMode::LedCount) != mover) return false;
    }
    return true;
}
constexpr bool EveryCycleNonEmpty() {
    for (const auto& row : kAnimationRecords) {
        if (row.stateCount == 0 || row.defaultDelay == 0) return false;
    }
    return true;
}
}  // namespace table_detail

static_assert(table_detail::RowsInEnumerationOrder());
static_assert(table_detail::IdsMatchNames());
static_assert(table_detail::IdsDistinct());
static_assert(table_detail::LedCountModeOnlyForMovers());
static_assert(table_detail::EveryCycleNonEmpty());
// Blink returns false outside its two states, so its cycle must be exactly on and off.
static_assert(RecordOf(led::Animation::Blink).stateCount == 2);
// Breathe folds 0..511 into up and down; AlternateBreathe does that once per half.
static_assert(RecordOf(led::Animation::Breathe).stateCount == 512);
static_assert(RecordOf(led::Animation::AlternateBreathe).stateCount == 2 * 512);
// The bar of GrowingBreathe reaches the whole strip only if the cycle stays below 256.
static_assert(RecordOf(led::Animation::GrowingBreathe).stateCount == 256);
// These take their state as an 8-bit hue or fade amount.
static_assert(RecordOf(led::Animation::RainbowRoll).stateCount == 256);
static_assert(RecordOf(led::Animation::RainbowCycle).stateCount == 256);
static_assert(RecordOf(led::Animation::FadeIn).stateCount == 256);
static_assert(RecordOf(led::Animation::FadeOut).stateCount == 256);
static_assert(RecordOf(led::Animation::Pulse).stateCount == 256);
// SineRoll rolls one 60-LED wavelength; Heartbeat beats on a 60-step clock.
static_assert(RecordOf(led::Animation::SineRoll).stateCount == 60);
static_assert(RecordOf(led::Animation::Heartbeat).stateCount == 60);
// Chase's block is five LEDs long: the cycle holds its entry and its exit.
static_assert(RecordOf(led::Animation::Chase).stateCount == 5);

}  // namespace orvek::internal::Animation
