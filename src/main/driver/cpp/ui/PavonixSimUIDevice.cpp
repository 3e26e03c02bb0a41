// The "Device" tab: connection and status controls with the status LED, the
// event pusher, and the table of recent events.
//
// Index
//   1. Status LED
//   2. Recent-events table
//   3. DrawDeviceTab, DrawStatusControls

#include "ui/PavonixSimUI.h"

#include "device/PavonixSimDevice.h"
#include "ui/ImGuiCompat.h"
#include "ui/PanelEventForm.h"
#include "ui/PanelStatusLed.h"
#include "ui/PanelWidgets.h"

#include <orvek/domain/device/PavonixSimTypes.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <string>

#include <imgui.h>

namespace orvek::internal {

namespace {

constexpr size_t kRecentEventRows = 25;
constexpr ImU32 kStatusLedOutline = IM_COL32(100, 100, 100, 100);

// ---- 1. Status LED ----

// Draws "Status LED:" and, on the same line, the LED as a filled circle with an outline.
void DrawStatusLed(Eventing::Status status) {
    const ImVec4 color = ui::StatusLedColor(status, ui::AdvanceStatusLedClock(1000.0f * ImGui::GetIO().DeltaTime));
    ImGui::TextUnformatted("Status LED:");
    ImGui::SameLine();
    const float r = ImGui::GetTextLineHeight() * UIConstants::kStatusLEDRadius;
    const ImVec2 p = ImGui::GetCursorScreenPos();
    const ImVec2 center(p.x + r + 2.0f, p.y + r);
    ImDrawList* list = ImGui::GetWindowDrawList();
    list->AddCircleFilled(center, r, ImGui::ColorConvertFloat4ToU32(color), 0);
    list->AddCircle(center, r, kStatusLedOutline, 0, 1.0f);
    ImGui::Dummy(ImVec2(2.0f * r + 4.0f, 2.0f * r));
}

// ---- 2. Recent-events table ----

double SteadySeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The row's Clear button, scoped by its event's time stamp: rows shift whenever
// an event arrives, and an id by row number would hand a press on one row to
// the event that slides under it. It acts the moment the mouse goes down (or
// the keyboard activates it), while the row still shows the event pressed.
bool ClearPressed(double timestampSec) {
    char scope[32];
    const auto end = std::to_chars(scope, scope + sizeof scope, timestampSec).ptr;  // exact, so unique per event
    ImGui::PushID(scope, end);
    ImGui::SmallButton("Clear");
    const bool pressed = ImGui::IsItemActivated();
    ImGui::PopID();
    return pressed;
}

// Draws one row; returns true when its "Clear" removed the event, after which the
// rows below describe a list that no longer exists and are left for the next frame.
bool DrawEventRow(const pavonix::sim::EventHistoryEntry& entry, double now, std::string& details) {
    ImGui::TableNextRow();
    ImGui::TableNextColumn();
    ImGui::Text("%.2f", std::max(0.0, now - entry.timestampSec));
    ImGui::TableNextColumn();
    ImGui::TextUnformatted(ui::LabelForEventType(entry.event.header.type));
    ImGui::TableNextColumn();
    ui::DescribeEventSummary(entry.event, details);
    // Wrapped like TextWrapped, but the details are shown as they are: no format
    // parsing, and an extra message keeps every byte of its stored length.
    ImGui::PushTextWrapPos(0.0f);
    ImGui::TextUnformatted(details.data(), details.data() + details.size());
    ImGui::PopTextWrapPos();
    ImGui::TableNextColumn();
    if (!ClearPressed(entry.timestampSec)) return false;
    PavonixSimDevice::GetInstance()->RemoveEventByTimestamp(entry.timestampSec);
    return true;
}

void DrawRecentEvents() {
    PavonixSimDevice* device = PavonixSimDevice::GetInstance();
    const std::vector<pavonix::sim::EventHistoryEntry> entries = device->PeekRecentEvents(kRecentEventRows);
    if (entries.empty()) {
        ImGui::TextDisabled("No events received.");
        return;
    }
    const double now = SteadySeconds();
    // GUI thread only; keeps its storage, so a row's text costs no allocation.
    static std::string details;
    constexpr ImGuiTableFlags kFlags =
        ImGuiTableFlags_RowBg | ImGuiTableFlags_Borders | ImGuiTableFlags_SizingStretchProp;
    if (ImGui::BeginTable("RecentEventsTable", 4, kFlags)) {
        ImGui::TableSetupColumn("Age (s)", ImGuiTableColumnFlags_WidthStretch);
        ImGui::TableSetupColumn("Type", ImGuiTableColumnFlags_WidthStretch);
        ImGui::TableSetupColumn("Details", ImGuiTableColumnFlags_WidthStretch);
        ImGui::TableSetupColumn("Action", ImGuiTableColumnFlags_WidthFixed, 90.0f);
        ImGui::TableHeadersRow();
        for (const auto& entry : entries) {
            if (DrawEventRow(entry, now, details)) break;
        }
        ImGui::EndTable();
    }
    if (ImGui::Button("Clear All Events")) device->ClearAllEvents();
}

// The "Event Type" combo's items: the form rows' labels.
bool EventItemsGetter(void*, int idx, const char** out) {
    const auto entries = ui::EventEntries();
    if (idx < 0 || idx >= static_cast<int>(entries.size())) return false;
    *out = entries[static_cast<size_t>(idx)].label;
    return true;
}

void DrawEventPusher() {
    static int evtTypeIdx = 0;
    const auto entries = ui::EventEntries();
    const int rows = static_cast<int>(entries.size());
    evtTypeIdx = std::clamp(evtTypeIdx, 0, rows - 1);
    // Its own id scope keeps the form's "Conn Type" apart from the connection control's.
    ImGui::PushID("EventForm");
    ui::Combo("Event Type", &evtTypeIdx, EventItemsGetter, nullptr, rows);
    evtTypeIdx = std::clamp(evtTypeIdx, 0, rows - 1);
    const ui::EventEntry& entry = entries[static_cast<size_t>(evtTypeIdx)];
    ui::EventUiState& state = ui::GetEventUiState();
    if (entry.draw != nullptr) entry.draw(state);
    ImGui::PopID();
    if (ImGui::Button("Push Event")) PavonixSimDevice::GetInstance()->PushEvent(ui::BuildFormEvent(entry, state));
}

}  // namespace

// ---- 3. The tab ----

void PavonixSimUI::DrawDeviceTab() {
    DrawStatusControls();
    ui::SeparatorText("Events");
    DrawEventPusher();
    ui::SeparatorText("Recent Events");
    DrawRecentEvents();
}

void PavonixSimUI::DrawStatusControls() {
    PavonixSimDevice* device = PavonixSimDevice::GetInstance();
    ui::SeparatorText("Connection");
    bool connected = device->GetConnected();
    int typeIdx = static_cast<int>(device->GetConnectionType());
    ImGui::SetNextItemWidth(140.0f);
    if (ui::DrawClampedCombo("Conn Type", typeIdx, ui::kConnectionLabels)) {
        device->SetConnectionType(static_cast<Eventing::ConnectionType>(typeIdx));
    }
    bool simulated = connected;
    if (ImGui::Checkbox("Simulate Connected", &simulated)) {
        device->SetConnected(simulated);
        connected = simulated;
    }
    if (connected) {
        ImGui::TextColored(ImVec4(0, 1, 0, 1), "Connected");
    } else {
        ImGui::TextColored(ImVec4(1, 0, 0, 1), "Disconnected");
    }

    ui::SeparatorText("Device Status");
    int statusIdx = StatusToArrayIndex(device->GetStatus());
    ImGui::SetNextItemWidth(120.0f);
    if (ui::DrawClampedCombo("Status##Status", statusIdx, ui::kStatusLabels)) {
        device->SetStatusFromInt(statusIdx);
        // The panel reports the change itself too, as the device's own firmware would.
        Eventing::Event heartbeat;
        heartbeat.header.type = Eventing::EventType::HeartBeat;
        heartbeat.header.data.heartBeat = {PavonixSimDevice::IntToStatus(statusIdx), 1,
                                           static_cast<uint8_t>(connected ? 1 : 0), 1};
        device->PushEvent(heartbeat);
    }
    DrawStatusLed(device->GetStatus());
}

}  // namespace orvek::internal
