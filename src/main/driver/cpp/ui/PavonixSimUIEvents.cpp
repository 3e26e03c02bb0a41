// The Device tab's event pusher: label tables, the 12 form rows with their
// controls and payload writers, and the texts of the recent-events table.
//
// Index
//   1. Label tables
//   2. Form rows: controls (Draw*) and payload writers (Apply*)
//   3. The row table, the form and the event a push sends
//   4. Event texts for the recent-events table

#include "ui/PanelEventForm.h"

#include "device/PavonixSimDevice.h"
#include "ui/PanelWidgets.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

#include <imgui.h>

namespace orvek::internal::ui {

namespace {

using Eventing::EventType;

// ---- 1. Label tables (more in the header): a row's index is the enumeration value it names ----

constexpr std::array<const char*, 3> kDisabledLabels{"NoHeartbeat", "Manual", "EStop"};
constexpr std::array<const char*, 11> kErrorTypeLabels{
    "FileNotFound",   "InvalidFile", "EntityNotFound",     "DeviceMalfunction",
    "QueueFull",      "LedStrip",    "LedMatrix",          "InvalidAnimationSequence",
    "InvalidChannel", "DuplicateID", "InvalidConfigUpload"};
constexpr std::array<const char*, 4> kFatalErrorTypeLabels{"InitError", "BadConfig", "StartTask", "CreateQueue"};

// Every integer input of the form steps by 1, and by 100 with the fast step.
bool InputStepped(const char* label, int& value) { return ImGui::InputInt(label, &value, 1, 100); }

// Cuts a form text to the 15 characters an event message holds, NUL-terminated;
// the form buffer is read no further than its own size even if unterminated.
template <size_t N>
void CopyMessage(char (&dst)[Eventing::kEventMessageSize], const char (&src)[N]) {
    const size_t length = std::min(strnlen(src, N), Eventing::kEventMessageSize - 1);
    std::memcpy(dst, src, length);
    dst[length] = '\0';
}

// ---- 2. Form rows ----

void DrawDisabled(EventUiState& s) { DrawClampedCombo("Cause", s.disabledCause, kDisabledLabels); }
void ApplyDisabled(const EventUiState& s, Eventing::Event& e) {
    e.header.data.disabled.cause = static_cast<Eventing::DisabledCause>(static_cast<uint8_t>(s.disabledCause));
}

void DrawConnection(EventUiState& s) { DrawClampedCombo("Conn Type", s.connectionType, kConnectionLabels); }
void ApplyConnected(const EventUiState& s, Eventing::Event& e) {
    e.header.data.connected.type = static_cast<Eventing::ConnectionType>(static_cast<uint8_t>(s.connectionType));
}
void ApplyDisconnected(const EventUiState& s, Eventing::Event& e) {
    e.header.data.disconnected.type = static_cast<Eventing::ConnectionType>(static_cast<uint8_t>(s.connectionType));
}

void DrawError(EventUiState& s) {
    ImGui::InputText("Message", s.errorMessage, sizeof s.errorMessage);
    DrawClampedCombo("Error Type", s.errorType, kErrorTypeLabels);
}
void ApplyError(const EventUiState& s, Eventing::Event& e) {
    e.header.data.error.type = static_cast<Eventing::ErrorType>(static_cast<uint8_t>(s.errorType));
    CopyMessage(e.header.data.error.message, s.errorMessage);
}

void DrawFatalError(EventUiState& s) {
    ImGui::InputText("Message", s.fatalMessage, sizeof s.fatalMessage);
    DrawClampedCombo("Fatal Type", s.fatalErrorType, kFatalErrorTypeLabels);
}
void ApplyFatalError(const EventUiState& s, Eventing::Event& e) {
    e.header.data.fatalError.type = static_cast<Eventing::FatalErrorType>(static_cast<uint8_t>(s.fatalErrorType));
    CopyMessage(e.header.data.fatalError.message, s.fatalMessage);
}

void DrawRegisteredEntity(EventUiState& s) { InputStepped("Entity ID", s.registeredEntityId); }
void ApplyRegisteredEntity(const EventUiState& s, Eventing::Event& e) {
    e.header.data.registeredEntity.id = static_cast<uint16_t>(s.registeredEntityId);
}

constexpr int kCustomDataSize = static_cast<int>(sizeof(Eventing::CustomInfo::data));

void DrawCustom(EventUiState& s) {
    InputStepped("Type", s.customType);
    InputStepped("Length", s.customLen);
    s.customLen = std::clamp(s.customLen, 0, kCustomDataSize);
}
void ApplyCustom(const EventUiState& s, Eventing::Event& e) {
    // Clamped again here: the copy below must stay inside the 16 data bytes even
    // for a form that was never drawn.
    const int length = std::clamp(s.customLen, 0, kCustomDataSize);
    e.header.data.custom.type = static_cast<uint8_t>(s.customType);
    e.header.data.custom.length = static_cast<uint8_t>(length);
    if (length > 0) std::memcpy(e.header.data.custom.data, s.customBytes, static_cast<size_t>(length));
}

void DrawPinInterrupt(EventUiState& s) { InputStepped("Pin", s.pin); }
void ApplyPinInterrupt(const EventUiState& s, Eventing::Event& e) {
    e.header.data.pinInterrupt.pin = static_cast<uint8_t>(s.pin);
}

void DrawHeartBeat(EventUiState& s) {
    ImGui::Checkbox("Enabled", &s.hbEnabled);
    ImGui::Checkbox("USB Connected", &s.hbUsb);
    ImGui::Checkbox("CAN OK", &s.hbCan);
    DrawClampedCombo("Status##HeartbeatEvent", s.hbStatusIndex, kStatusLabels);
}
void ApplyHeartBeat(const EventUiState& s, Eventing::Event& e) {
    Eventing::HeartBeatInfo& hb = e.header.data.heartBeat;
    hb.status = PavonixSimDevice::IntToStatus(s.hbStatusIndex);
    hb.enabled = s.hbEnabled ? 1 : 0;
    hb.connectedUSB = s.hbUsb ? 1 : 0;
    hb.canOK = s.hbCan ? 1 : 0;
}

// ---- 3. The row table ----

constexpr std::array<EventEntry, 12> kEventEntries{{
    {EventType::BeginInitialization, "BeginInitialization", nullptr, nullptr},
    {EventType::FinishInitialization, "FinishInitialization", nullptr, nullptr},
    {EventType::Enabled, "Enabled", nullptr, nullptr},
    {EventType::Disabled, "Disabled", DrawDisabled, ApplyDisabled},
    {EventType::Connected, "Connected", DrawConnection, ApplyConnected},
    {EventType::Disconnected, "Disconnected", DrawConnection, ApplyDisconnected},
    {EventType::Error, "Error", DrawError, ApplyError},
    {EventType::FatalError, "FatalError", DrawFatalError, ApplyFatalError},
    {EventType::RegisteredEntity, "RegisteredEntity", DrawRegisteredEntity, ApplyRegisteredEntity},
    {EventType::Custom, "Custom", DrawCustom, ApplyCustom},
    {EventType::PinInterrupt, "PinInterrupt", DrawPinInterrupt, ApplyPinInterrupt},
    {EventType::HeartBeat, "HeartBeat", DrawHeartBeat, ApplyHeartBeat},
}};

// ---- 4. Event texts ----

void AppendNumber(std::string& out, unsigned value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

const char* YesNo(uint8_t flag) { return flag != 0 ? "Yes" : "No"; }

// The payload part of the details; nothing for types without a payload.
void AppendPayload(const Eventing::Event& event, std::string& out) {
    const Eventing::EventData& d = event.header.data;
    switch (event.header.type) {
        case EventType::Disabled:
            out.append("Cause: ").append(SafeLabel(kDisabledLabels, static_cast<size_t>(d.disabled.cause)));
            break;
        case EventType::Connected:
        case EventType::Disconnected:
            // Both payloads keep the connection type in the same first byte.
            out.append("Type: ").append(SafeLabel(kConnectionLabels, static_cast<size_t>(d.connected.type)));
            break;
        case EventType::Error:
            out.append(SafeLabel(kErrorTypeLabels, static_cast<size_t>(d.error.type))).append(" - ");
            out.append(d.error.message, strnlen(d.error.message, sizeof d.error.message));
            break;
        case EventType::FatalError:
            out.append(SafeLabel(kFatalErrorTypeLabels, static_cast<size_t>(d.fatalError.type))).append(" - ");
            out.append(d.fatalError.message, strnlen(d.fatalError.message, sizeof d.fatalError.message));
            break;
        case EventType::RegisteredEntity:
            out.append("Entity ID: ");
            AppendNumber(out, d.registeredEntity.id);
            break;
        case EventType::Custom:
            out.append("Type ");
            AppendNumber(out, d.custom.type);
            out.append(", Length ");
            AppendNumber(out, d.custom.length);
            break;
        case EventType::PinInterrupt:
            out.append("Pin: ");
            AppendNumber(out, d.pinInterrupt.pin);
            break;
        case EventType::HeartBeat:
            out.append("Status: ").append(PavonixSimDevice::StatusToString(d.heartBeat.status));
            out.append(", Enabled: ").append(YesNo(d.heartBeat.enabled));
            out.append(", USB: ").append(YesNo(d.heartBeat.connectedUSB));
            out.append(", CAN: ").append(YesNo(d.heartBeat.canOK));
            break;
        default: break;
    }
}

}  // namespace

std::span<const EventEntry> EventEntries() { return kEventEntries; }

EventUiState& GetEventUiState() {
    static EventUiState state;
    return state;
}

Eventing::Event BuildFormEvent(const EventEntry& entry, const EventUiState& state) {
    Eventing::Event event;
    event.header.type = entry.type;
    if (entry.apply != nullptr) entry.apply(state, event);
    return event;
}

const char* LabelForEventType(Eventing::EventType type) {
    for (const EventEntry& entry : kEventEntries) {
        if (entry.type == type) return entry.label;
    }
    return "Unknown";
}

void DescribeEventSummary(const Eventing::Event& event, std::string& out) {
    out.clear();
    AppendPayload(event, out);
    const uint8_t* extra = event.getExtraMessage();
    if (extra != nullptr && extra[0] != 0) {
        if (!out.empty()) out.append(" | ");
        out.append("Extra: ").append(reinterpret_cast<const char*>(extra), event.getExtraMessageLength());
    }
    if (out.empty()) out.assign("No additional data");
}

}  // namespace orvek::internal::ui
