#pragma once
// Internal to the panel; no guarantee. The "Zone Controls" below the LED tab's
// drawing: the active zone and the command form for it.
//
// GUI thread only, inside the LED tab.

#include "ui/LedTabState.h"

namespace orvek::internal::ui {

// Draws the heading and, when zones are configured, the active zone's choice and
// its form; presses and a few edits send commands (ZoneCommands.h). `lists` is
// this frame's; statics.selectedZoneIdx must index lists.zones when it has any.
void DrawZoneControls(LedTabStatics& statics, const LedTabLists& lists);

}  // namespace orvek::internal::ui
