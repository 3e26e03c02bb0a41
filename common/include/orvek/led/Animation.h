#pragma once
// The built-in animations by number, and their names.
//
// Rules for this header:
//  - `Animation` values are what crosses the native and Java interfaces; never renumber them.
//  - `kAnimationMap` has a row for every animation except `None`: looking `None` up finds
//    nothing, and `kAnimationMap.at(Animation::None)` throws std::out_of_range.
//  - The map is a header static: every unit that includes this header builds its own equal
//    copy during its static initialisation and never changes it afterwards, so any thread
//    may read it without a lock.

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string_view>

namespace orvek::led {

// The 27 built-in animations; the value is also the index into BuiltInAnimations.
enum class Animation : std::uint16_t {
    None = 0,
    Fill = 1,
    Blink = 2,
    Breathe = 3,
    RainbowRoll = 4,
    SineRoll = 5,
    Chase = 6,
    FadeIn = 7,
    FadeOut = 8,
    RainbowCycle = 9,
    AlternateBreathe = 10,
    GrowingBreathe = 11,
    Comet = 12,
    Sparkle = 13,
    Fire = 14,
    Scanner = 15,
    TheaterChase = 16,
    Twinkle = 17,
    Meteor = 18,
    Wave = 19,
    Pulse = 20,
    Larson = 21,
    Ripple = 22,
    Confetti = 23,
    Lava = 24,
    Plasma = 25,
    Heartbeat = 26,
};

// Number of built-in animations, `None` included.
inline constexpr std::size_t kAnimationCount = 27;

// Every enumerator spelled as in the enumeration, indexed by value. Entry 0 ("None") is
// only here to keep the indices aligned; it never becomes a row of kAnimationMap.
inline constexpr std::array<std::string_view, kAnimationCount> kAnimationNames{
    "None",   "Fill",    "Blink",     "Breathe",      "RainbowRoll",      "SineRoll",
    "Chase",  "FadeIn",  "FadeOut",   "RainbowCycle", "AlternateBreathe", "GrowingBreathe",
    "Comet",  "Sparkle", "Fire",      "Scanner",      "TheaterChase",     "Twinkle",
    "Meteor", "Wave",    "Pulse",     "Larson",       "Ripple",           "Confetti",
    "Lava",   "Plasma",  "Heartbeat",
};

static_assert(kAnimationNames[static_cast<std::size_t>(Animation::Heartbeat)] == "Heartbeat");
static_assert(kAnimationNames[static_cast<std::size_t>(Animation::Confetti)] == "Confetti");
static_assert(static_cast<std::size_t>(Animation::Heartbeat) + 1 == kAnimationCount);

namespace detail {
// Builds the 26 named rows; `None` is left out on purpose (it has no name to send).
inline std::map<Animation, std::string_view> MakeAnimationMap() {
    std::map<Animation, std::string_view> map;
    for (std::size_t value = 1; value < kAnimationCount; ++value) {
        map.emplace(static_cast<Animation>(value), kAnimationNames[value]);
    }
    return map;
}
}  // namespace detail

// Animation -> name, 26 rows (Fill .. Heartbeat); read-only after load, any thread.
static const std::map<Animation, std::string_view> kAnimationMap = detail::MakeAnimationMap();

}  // namespace orvek::led
