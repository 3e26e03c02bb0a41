#pragma once
// Internal to the panel; no guarantee. The Device tab's event pusher (one form
// row per event type it can push) and the texts of its recent-events table.
//
// Everything here is for the simulation GUI's thread only: the form is one
// process-wide object that only the panel's frame touches.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include <orvek/domain/event/Event.h>
#include <orvek/domain/event/EventType.h>

namespace orvek::internal::ui {

// The connection kinds, indexed by Eventing::ConnectionType value.
inline constexpr std::array<const char*, 5> kConnectionLabels{"USB", "WebUSB", "I2C", "CAN", "UART"};
// The statuses, indexed by kStatusOptions row (status + 1), not by status value.
inline constexpr std::array<const char*, 5> kStatusLabels{"Unknown", "Booting", "Active", "Error", "Fatal"};

// The values the event form's widgets edit, kept for the life of the process.
// Integer fields are kept as typed; they are cut to their payload's width only
// when an event is built.
struct EventUiState {
    int disabledCause = 0;   // row of the "Cause" combo
    int connectionType = 0;  // row of the event form's "Conn Type" combo
    int errorType = 0;       // row of the "Error Type" combo
    int fatalErrorType = 0;  // row of the "Fatal Type" combo
    int registeredEntityId = 1;
    int pin = 0;
    bool hbEnabled = true;
    bool hbUsb = true;
    bool hbCan = true;
    int hbStatusIndex = 2;  // kStatusOptions row; 2 is Active
    int customType = 1;
    int customLen = 0;  // 0..16 once drawn
    char errorMessage[32] = "Sim error";
    char fatalMessage[32] = "Sim fatal";
    uint8_t customBytes[16] = {};  // no widget edits them, so pushed Custom data is zero
};

// One row of the "Event Type" combo: its controls and what it writes into an
// event built zeroed with `type`. Either function may be null (no controls, no
// payload).
struct EventEntry {
    Eventing::EventType type;
    const char* label;
    void (*draw)(EventUiState& state);
    void (*apply)(const EventUiState& state, Eventing::Event& event);
};

// The 12 rows in combo order: BeginInitialization .. HeartBeat (no OTA, no Module).
std::span<const EventEntry> EventEntries();

// The panel's one form, made on first use.
EventUiState& GetEventUiState();

// The event "Push Event" sends for `entry`: zeroed, without extra message, of the
// entry's type, with its payload written from `state`. Message texts are cut to
// 15 characters and the Custom length to 0..16 whatever the form holds.
Eventing::Event BuildFormEvent(const EventEntry& entry, const EventUiState& state);

// The label of the first row whose type is `type`; "Unknown" for OTA, Module and
// values that are no event type.
const char* LabelForEventType(Eventing::EventType type);

// Replaces `out` with the "Details" text of the event (payload by type, then any
// extra message; "No additional data" when both say nothing). Reuses out's storage.
void DescribeEventSummary(const Eventing::Event& event, std::string& out);

}  // namespace orvek::internal::ui
