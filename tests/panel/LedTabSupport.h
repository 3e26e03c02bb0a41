#pragma once
// Shared by the LED tab tests: a device holding just the channels a test gives,
// the LEDs the panel drew read back from its draw list, and widgets found and
// clicked by their label.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include <orvek/configuration/Configuration.h>
#include <orvek/domain/device/PavonixSimTypes.h>
#include <orvek/util/hashing/IDCreator.h>

#include "PanelFrameDriver.h"
#include "device/PavonixSimDevice.h"
#include "ui/BitmapLoader.h"

namespace panel_test {

namespace cfg = orvek::internal::Configuration;
using orvek::internal::IDCreator;
using orvek::internal::PavonixSimDevice;
using orvek::internal::pavonix::sim::ZoneState;

inline PavonixSimDevice& Device() { return *PavonixSimDevice::GetInstance(); }

inline cfg::Zone Strip(const std::string& id, uint16_t length, bool reversed = false) {
    cfg::Zone zone{};
    zone.id = id;
    zone.strip = {length, reversed};
    return zone;
}

inline cfg::Zone Matrix(const std::string& id, uint16_t rows, uint16_t cols, uint8_t orientation = 0) {
    cfg::Zone zone{};
    zone.type = cfg::ZoneType::Matrix;
    zone.id = id;
    zone.matrix = {rows, cols, orientation};
    return zone;
}

// A fresh device with one channel per zone list (named "ch0", "ch1", ...) and
// the example bitmaps; the panel's window back to its first-use size.
inline void ApplyChannels(const std::vector<std::vector<cfg::Zone>>& channels, std::vector<cfg::Bitmap> bitmaps = {}) {
    Device().ResetForTesting();
    pv_SetDeployPath(ORVEK_EXAMPLES_DIR "/deploy");
    cfg::OrvekConfiguration config;
    config.channels.emplace();
    for (size_t i = 0; i < channels.size(); ++i) {
        cfg::Channel channel;
        channel.id = channel.key = "ch" + std::to_string(i);
        channel.zones = channels[i];
        config.channels->push_back(channel);
    }
    if (!bitmaps.empty()) config.bitmaps = bitmaps;
    Device().ApplyConfiguration(config);
    PanelFrameDriver& driver = PanelFrameDriver::Get();
    driver.SetPanelSize(ImVec2(600, 1000));
    // A thousand LEDs are more vertices than 16-bit indices reach; the GUI's
    // renderer takes them in several draws, as this flag tells the draw lists.
    ImGui::GetIO().BackendFlags |= ImGuiBackendFlags_RendererHasVtxOffset;
    driver.Frame("LEDs", 0.001f);  // the forms of new zones are made on this frame
}

inline ZoneState ZoneOf(const std::string& zoneId) {
    ZoneState zs{};
    EXPECT_TRUE(Device().TryGetZone(IDCreator::createId(zoneId), zs)) << zoneId;
    return zs;
}

// The LEDs of the last frame in drawing order, as the fill colour of each filled
// shape that the LED outline colour strokes right after.
inline std::vector<ImU32> DrawnLeds() {
    constexpr ImU32 kOutline = 0x64646464;
    std::vector<ImU32> leds;
    const ImVector<ImDrawVert>& v = ImGui::FindWindowByName(kPanelWindow)->DrawList->VtxBuffer;
    int previous = -1;  // start of the run of equal colours before the current one
    for (int start = 0, i = 1; start < v.Size; ++i) {
        if (i < v.Size && v[i].col == v[start].col) continue;
        if (v[start].col == kOutline && previous >= 0 && v[previous].col != kOutline) leds.push_back(v[previous].col);
        previous = start;
        start = i;
    }
    return leds;
}

// A point of the LED tab's widget `label` (the whole label, "##" part too);
// nothing when the tab does not draw it. Focusing the widget for a frame tells
// its column; the mouse then moves down that column until the widget is hovered.
inline std::optional<ImVec2> WidgetCenter(const char* label) {
    ImGuiWindow* window = ImGui::FindWindowByName(kPanelWindow);
    ImGuiTabBar* bar = GImGui->TabBars.GetByKey(ImHashStr("PavonixSimTabs", 0, window->ID));
    const ImGuiID id = ImHashStr(label, 0, ImHashStr("LEDs", 0, bar->ID));
    ImGui::SetFocusID(id, window);
    PanelFrameDriver& driver = PanelFrameDriver::Get();
    driver.Frame("LEDs", 0.001f);
    if (GImGui->NavId != id || !GImGui->NavIdIsAlive) return std::nullopt;
    const float x = window->Pos.x + window->NavRectRel[0].GetCenter().x;
    for (float y = window->Pos.y; y < window->Pos.y + window->Size.y; y += 4) {
        driver.SetMouse(ImVec2(x, y), false);
        driver.Frame("LEDs", 0.001f);
        if (GImGui->HoveredId == id) return ImVec2(x, y);
    }
    return std::nullopt;
}

// Clicks the LED tab's widget `label`; false when it is not shown.
inline bool ClickWidget(const char* label) {
    const std::optional<ImVec2> center = WidgetCenter(label);
    if (center) PanelFrameDriver::Get().Click(*center, "LEDs");
    return center.has_value();
}

}  // namespace panel_test
