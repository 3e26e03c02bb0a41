#pragma once
// Internal to the panel; no guarantee. The Device tab's status LED: the status's
// look from the status LED table, played on the LED's own clock.
//
// GUI thread only: the clock is one process-wide value that only the panel's
// frame advances.

#include <imgui.h>

#include <orvek/domain/event/EventType.h>

namespace orvek::internal::ui {

// Advances the status LED's clock by `deltaMs` (a negative or non-finite step
// advances nothing) and returns the clock's time in ms. Only frames that draw
// the Device tab call it, so the LED stands still while another tab is shown.
double AdvanceStatusLedClock(float deltaMs);

// The clock itself, for a caller that must start it from a known time.
double& StatusLedClockMs();

// The LED's colour, opaque, at `clockMs` on its clock: the status's look played
// for one LED with the look's colour and delay; black for a status without a
// look (Unknown) and for a frame the animation leaves dark.
ImVec4 StatusLedColor(Eventing::Status status, double clockMs);

}  // namespace orvek::internal::ui
