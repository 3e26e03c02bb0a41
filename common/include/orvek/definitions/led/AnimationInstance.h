#pragma once
// The record of one built-in animation and its frame callback contract.
//
// Frame callback contract (every built-in animation keeps it):
//  - `strip` points at `count` colors (may be null when `count` is 0); `color` is the
//    color to draw with; `state` is the step within the cycle; `count` is the LED count.
//  - The callback writes only LEDs 0 .. count-1. Any `state`, also one outside the cycle,
//    and any `count` keep it inside those LEDs.
//  - It returns true when it produced a frame; `None` (always) and `Blink` (state not
//    0 or 1) return false and write nothing.
//  - Callbacks run on the simulation GUI thread only: Fire, Twinkle and Confetti keep
//    unlocked memory between frames.

#include <cstdint>
#include <functional>
#include <string_view>

#include <orvek/domain/Color.h>

namespace orvek::internal::Animation {

// How long one cycle is: `Constant` = stateCount steps, `LedCount` = stateCount + LED count.
enum class StateMode : std::int32_t {
    Constant = 0,
    LedCount = 1,
};

// Renders one step: (strip, color, state, count) -> frame produced. See the contract above.
using AnimationFrameCallback =
    std::function<bool(domain::Color* strip, domain::Color color, std::uint16_t state, std::uint16_t count)>;

// One built-in animation. Copies share the `id` text, which is never owned.
struct AnimationInstance {
    std::string_view id;         // name; its IDCreator id is the animation id
    StateMode stateMode;         // how the cycle length is formed
    std::uint16_t stateCount;    // fixed steps per cycle
    std::uint16_t defaultDelay;  // ms per step when a command gives 0
    domain::Color defaultColor;  // color when a command gives none
    AnimationFrameCallback cb;   // renders one step
};

}  // namespace orvek::internal::Animation
