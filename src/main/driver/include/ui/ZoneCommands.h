#pragma once
// Internal to the panel; no guarantee. What the LED tab's zone command forms do
// to their staged commands and what they send to the simulated device. The
// widgets of ZoneCommandForms.h call these; each is one user action.
//
// GUI thread only. The sends go through the device's command operations, which
// take the device's own locks; a command the device rejects becomes its Error
// event, nothing here checks.

#include <cstdint>
#include <vector>

#include "ui/LedTabState.h"

namespace orvek::internal::ui {

// "Animation", "Animation Sequence", "Bitmap", "Text"; "Command" for another value.
const char* ModeLabel(ZoneCommandMode mode);

// A typed delay as it is staged: at least 1, at most 65535 ms.
uint16_t StoredDelay(int typed);

// A color editor's channel (0..1) as a byte: × 255, truncated; outside 0..1 (or
// undefined) it is held to the nearest end.
uint8_t StoredChannel(float value);

// ---- Sends ----

// Black on the zone.
void SendStripOff(uint16_t zoneId);
// An empty one-shot text (black, delay 1, scrolling left), which ends any text.
void SendMatrixClear(uint16_t zoneId);
// SendMatrixClear on a matrix zone, SendStripOff on a strip.
void StopZone(uint16_t zoneId, bool isMatrix);

// ---- Animation form ----

// Makes the staged animation the preset for zones seen later and marks it initialised.
void RecordAnimation(LedTabStatics& statics, ZoneControlState& state);
// First use: the preset with this zone's id, or nothing staged (animation 0,
// delay 0, black, flags clear). Does nothing once initialised.
void InitAnimationForm(const LedTabStatics& statics, ZoneControlState& state, uint16_t zoneHash);
// The animation combo's choice: a negative built-in index ("None") stages
// animation 0 and sends black at once; otherwise the animation with its default
// delay and color is staged. Records either way.
void ChooseAnimation(LedTabStatics& statics, ZoneControlState& state, int builtInIndex, uint16_t zoneHash);
// Sends the staged animation as it is (a delay of 0 plays the animation's default).
void StartAnimation(LedTabStatics& statics, ZoneControlState& state, uint16_t zoneHash);
// Stages no animation, records, and sends black.
void StopAnimation(LedTabStatics& statics, ZoneControlState& state, uint16_t zoneHash);
// When no strip of `zones` runs: starts every strip's staged animation; otherwise
// sends black to every strip. Makes the form state of a strip not seen yet.
void ToggleAllZones(LedTabStatics& statics, const std::vector<ZoneEntry>& zones);

// ---- Sequence form ----

// The staged sequence as the combo shows it: the first sequence when none is
// staged or the staged one is no longer configured. `ids` must not be empty.
void SettleSequence(ZoneControlState& state, const std::vector<uint16_t>& ids);

// ---- Bitmap form ----

// First use: white tint, tint and one-shot off, the first bitmap (0 when none).
// Then, as for sequences, the bitmap the combo shows is the one staged.
void SettleBitmap(ZoneControlState& state, const std::vector<uint16_t>& ids);
// Clears the zone's text first, so the bitmap is not drawn under it, then sends
// the staged bitmap.
void StartBitmap(const ZoneControlState& state, uint16_t zoneHash);

// ---- Text form ----

// First use: white, 75 ms per step, repeating, scrolling left, no text, an
// empty edit buffer. Does nothing once initialised.
void InitTextForm(ZoneControlState& state);
// Stages the edit buffer's text: at most 24 characters (the command's text is
// then not terminated), the rest of the text zero.
void StoreEditedText(ZoneControlState& state);
// Sends the staged text.
void SendText(const ZoneControlState& state, uint16_t zoneHash);

}  // namespace orvek::internal::ui
