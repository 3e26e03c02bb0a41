// The Device tab: status LED, recent-events table, event pusher and status controls,
// seen through the panel's texts and draw lists and the device's lists.

#include "PanelItemSupport.h"

#include "device/PavonixSimDevice.h"
#include "ui/PanelEventForm.h"
#include "ui/PanelStatusLed.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

namespace {

using namespace orvek::internal;
using Eventing::Event;
using Eventing::EventType;
using Eventing::Status;
using panel_test::PanelFrameDriver;
using panel_test::PickComboItem;
using panel_test::TabItemId;

constexpr const char* kTab = "Device";

PavonixSimDevice* FreshDevice(bool connected) {
    PavonixSimDevice* device = PavonixSimDevice::GetInstance();
    device->ResetForTesting();
    if (connected) device->SetConnected(true);
    device->ClearAllEvents();
    return device;
}

Event Make(EventType type, const char* extra = nullptr) {
    Event event;
    event.header.type = type;
    event.setExtraMessage(extra);
    return event;
}

// Hand-worked from the status looks: Blink is lit in its first state only;
// Breathe at state s scales its colour by s folded at 255.
TEST(DeviceTabTest, StatusLedShowsTheStatusLookAtItsClock) {
    struct Case {
        std::optional<Status> status;  // none: disconnected, which reads Error
        double clockMs;
        uint8_t r, g, b;
    } const cases[] = {
        {Status::Booting, 100, 0, 255, 50},
        {Status::Booting, 300, 0, 0, 0},
        {Status::Active, 2600, 0, 19, 196},
        {Status::Active, 1000, 0, 7, 78},
        {std::nullopt, 400, 120, 30, 5},
        {std::nullopt, 700, 0, 0, 0},
        {Status::Fatal, 100, 255, 0, 0},
        {Status::Unknown, 100, 0, 0, 0},
        {Status::Booting, 4294967396.0, 0, 255, 50},
    };
    for (const Case& c : cases) {
        PavonixSimDevice* device = FreshDevice(c.status.has_value());
        if (c.status) device->SetStatus(*c.status);
        ui::StatusLedClockMs() = c.clockMs - 15.625;  // the frame below adds 15.625 ms
        PanelFrameDriver::Get().Frame(kTab, 1.0f / 64);
        const auto colors = panel_test::ColorsInsideOutline(IM_COL32(100, 100, 100, 100));
        ASSERT_FALSE(colors.empty()) << c.clockMs;
        for (ImU32 color : colors) EXPECT_EQ(color, panel_test::DrawColor(c.r, c.g, c.b)) << c.clockMs;
    }
}

TEST(DeviceTabTest, TableListsTheNewest25OldestFirst) {
    PavonixSimDevice* device = FreshDevice(false);
    for (int id = 1; id <= 1000; ++id) {
        Event event = Make(EventType::RegisteredEntity);
        event.header.data.registeredEntity.id = static_cast<uint16_t>(id);
        device->PushEvent(event);
    }
    const std::string text = PanelFrameDriver::Get().Frame(kTab);
    EXPECT_EQ(text.find("Entity ID: 975 "), std::string::npos);
    size_t previous = 0;
    for (int id = 976; id <= 1000; ++id) {
        const size_t at = text.find("Entity ID: " + std::to_string(id) + " ");
        ASSERT_NE(at, std::string::npos) << id;
        EXPECT_GT(at, previous) << id;
        previous = at;
    }
}

TEST(DeviceTabTest, RowsNameTypeAndDetails) {
    Event restart = Make(EventType::Disabled);
    restart.header.data.disabled.cause = Eventing::DisabledCause::Restart;
    Event moduleError = Make(EventType::Error);
    moduleError.header.data.error.type = Eventing::ErrorType::ModuleError;
    std::memcpy(moduleError.header.data.error.message, "0123456789abcdef", 16);  // no NUL
    Event can = Make(EventType::Connected, "100%s");
    can.header.data.connected.type = Eventing::ConnectionType::CAN;
    Event heartbeat = Make(EventType::HeartBeat);
    heartbeat.header.data.heartBeat = {Status::Fatal, 1, 0, 1};
    const std::pair<Event, const char*> cases[] = {
        {Make(EventType::OTA), "| Unknown | No additional data |"},
        {Make(EventType::Module, "v2.bin"), "| Unknown | Extra: v2.bin |"},
        {restart, "| Disabled | Cause: Unknown |"},
        {moduleError, "| Error | Unknown - 0123456789abcdef |"},
        {can, "| Connected | Type: CAN | Extra: 100%s |"},
        {heartbeat, "| HeartBeat | Status: Fatal, Enabled: Yes, USB: No, CAN: Yes |"},
    };
    for (const auto& [event, row] : cases) {
        FreshDevice(false)->PushEvent(event);
        EXPECT_NE(PanelFrameDriver::Get().Frame(kTab).find(row), std::string::npos) << row;
    }
}

// A new event shifts every row up by one; a press that began on a row's Clear
// removes that row's event, not the one that slid under the mouse.
TEST(DeviceTabTest, ClearRemovesThatEventFromQueueAndHistory) {
    PavonixSimDevice* device = FreshDevice(false);
    const auto pushEntity = [device](int id) {
        Event event = Make(EventType::RegisteredEntity);
        event.header.data.registeredEntity.id = static_cast<uint16_t>(id);
        device->PushEvent(event);
    };
    for (int id = 1; id <= 30; ++id) pushEntity(id);
    PanelFrameDriver& driver = PanelFrameDriver::Get();
    driver.Frame(kTab);
    driver.Frame(kTab);  // a new table sizes its columns on its second frame
    const ImGuiTable* table = ImGui::TableFindByID(TabItemId(kTab, "RecentEventsTable"));
    ASSERT_NE(table, nullptr);
    // Down the "Action" column: its header, then each row's Clear. Row 2 shows entity 8.
    const auto items = panel_test::ItemsDownFrom(ImVec2(table->Columns[3].MinX + 10, table->OuterRect.Min.y), kTab);
    ASSERT_GE(items.size(), 4u);
    driver.SetMouse(items[3].second, true);
    driver.Frame(kTab);
    pushEntity(31);
    driver.SetMouse(items[3].second, false);
    driver.Frame(kTab);
    driver.SetMouse(ImVec2(-1, -1), false);

    std::vector<int> history, queue, rest;
    for (const auto& entry : device->PeekRecentEvents(100))
        history.push_back(entry.event.header.data.registeredEntity.id);
    Event popped[40];
    for (int i = 0, n = device->TryPopAllEvents(popped, 40); i < n; ++i)
        queue.push_back(popped[i].header.data.registeredEntity.id);
    for (int id = 1; id <= 31; ++id)
        if (id != 8) rest.push_back(id);
    EXPECT_EQ(history, rest);
    EXPECT_EQ(queue, rest);

    panel_test::Press(TabItemId(kTab, "Clear All Events"), kTab);
    EXPECT_TRUE(device->PeekRecentEvents(100).empty());
    EXPECT_NE(PanelFrameDriver::Get().Frame(kTab).find("No events received."), std::string::npos);
}

TEST(DeviceTabTest, FormBuildsTheEventOfEachRow) {
    const auto row = [](const char* label) {
        for (const ui::EventEntry& e : ui::EventEntries())
            if (std::strcmp(e.label, label) == 0) return e;
        throw std::invalid_argument(label);
    };
    const ui::EventUiState fresh;
    const Event hb = ui::BuildFormEvent(row("HeartBeat"), fresh);
    EXPECT_EQ(hb.header.type, EventType::HeartBeat);
    EXPECT_EQ(std::memcmp(&hb.header.data.heartBeat, "\x01\x01\x01\x01", 4), 0);  // Active, yes, yes, yes
    const Event error = ui::BuildFormEvent(row("Error"), fresh);
    EXPECT_EQ(error.header.data.error.type, Eventing::ErrorType::FileNotFound);
    EXPECT_STREQ(error.header.data.error.message, "Sim error");
    EXPECT_EQ(ui::BuildFormEvent(row("RegisteredEntity"), fresh).header.data.registeredEntity.id, 1);

    ui::EventUiState edited;
    std::strcpy(edited.errorMessage, "twenty characters!!!");
    EXPECT_STREQ(ui::BuildFormEvent(row("Error"), edited).header.data.error.message, "twenty characte");
    for (const auto& [typed, length] : {std::pair{40, 16}, std::pair{-3, 0}, std::pair{5, 5}}) {
        edited.customLen = typed;
        const Eventing::CustomInfo custom = ui::BuildFormEvent(row("Custom"), edited).header.data.custom;
        EXPECT_EQ(custom.length, length) << typed;
        EXPECT_EQ(std::count(custom.data, custom.data + 16, 0), 16) << typed;
    }
}

TEST(DeviceTabTest, ControlsReachTheDevice) {
    PavonixSimDevice* device = FreshDevice(true);
    ui::GetEventUiState() = ui::EventUiState{};
    PanelFrameDriver::Get().Frame(kTab);
    PickComboItem(TabItemId(kTab, "Status##Status"), "Fatal", 4, kTab);
    EXPECT_EQ(device->GetStatus(), Status::Fatal);
    for (const auto& entry : device->PeekRecentEvents(100)) {  // the device's heartbeat, then the panel's
        EXPECT_EQ(entry.event.header.type, EventType::HeartBeat);
        EXPECT_EQ(entry.event.header.data.heartBeat.status, Status::Fatal);
    }
    EXPECT_EQ(device->PeekRecentEvents(100).size(), 2u);
    PickComboItem(TabItemId(kTab, "Status##Status"), "Fatal", 4, kTab);  // the shown status again: no event
    EXPECT_EQ(device->PeekRecentEvents(100).size(), 2u);

    // The connection control and the event form each have a "Conn Type" of their own.
    const ImGuiID form = TabItemId(kTab, "EventForm");
    PickComboItem(panel_test::ScopedId(form, "Event Type"), "Disconnected", 5, kTab);
    PickComboItem(TabItemId(kTab, "Conn Type"), "CAN", 3, kTab);
    EXPECT_EQ(ui::GetEventUiState().connectionType, 0);
    PickComboItem(panel_test::ScopedId(form, "Conn Type"), "UART", 4, kTab);
    EXPECT_EQ(device->GetConnectionType(), Eventing::ConnectionType::CAN);
    panel_test::Press(TabItemId(kTab, "Push Event"), kTab);
    const Event pushed = device->PeekRecentEvents(1).at(0).event;
    EXPECT_EQ(pushed.header.type, EventType::Disconnected);
    EXPECT_EQ(pushed.header.data.disconnected.type, Eventing::ConnectionType::UART);
}

}  // namespace
