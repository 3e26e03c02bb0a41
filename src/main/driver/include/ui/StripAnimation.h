#pragma once
// Internal to the panel; no guarantee. The animation driver of the LED tab: which
// built-in animation a zone plays, which of its steps a zone's clock stands on,
// and the zone's colors for that step.
//
// GUI thread only: the frame callbacks of the random animations keep memory
// between frames.

#include <cstdint>
#include <string_view>
#include <vector>

#include <orvek/definitions/led/AnimationInstance.h>
#include <orvek/domain/Color.h>
#include <orvek/domain/command/led/LEDCommand.h>

namespace orvek::internal {

// The built-in animation whose name's id is `animationId`, the first in table
// order when names share an id; null for 0 and for an id no name has.
const Animation::AnimationInstance* FindAnimationById(uint16_t animationId);

namespace ui {

// Number of built-in animations, "NONE" (index 0) included.
int BuiltInAnimationCount();
// The built-in animation at table index `index`; null outside the table.
const Animation::AnimationInstance* BuiltInAnimationAt(int index);
// The id of that animation's name; 0 outside the table.
uint16_t BuiltInAnimationId(int index);
// Table index of the first animation named exactly `name`; -1 when none is.
int BuiltInAnimationIndex(std::string_view name);

// The step shown at `timeMs` of a zone of `ledCount` LEDs playing `cmd` with
// `anim`: one step per delay (the animation's default for 0, then at least 1 ms),
// stateCount steps per cycle plus the LED count in LedCount mode, counted
// backwards when reversed; a one-shot holds its last step (step 0 reversed) once
// a whole cycle has passed. The cycle is counted in 32 bits, so a long strip
// lengthens it rather than wrapping it to nothing; steps past 65535 show as 65535.
uint16_t AnimationStateAt(const Animation::AnimationInstance& anim, const Command::LED::SetAnimationData& cmd,
                          float timeMs, uint16_t ledCount);

// The colors of a zone of `ledCount` LEDs playing `cmd` at `timeMs`, into `out`
// (resized to ledCount, in zone order, its storage reused): the command's color
// when no built-in animation has its id, else the animation's step drawn over black.
void RenderZoneColors(const Command::LED::SetAnimationData& cmd, float timeMs, uint16_t ledCount,
                      std::vector<domain::Color>& out);

}  // namespace ui

}  // namespace orvek::internal
