// The "LEDs" tab: every configured channel drawn as the device would light it,
// then the zone command forms. Each frame starts from fresh copies of the
// device's configuration and zone states; only the forms persist.

#include <algorithm>
#include <vector>

#include <imgui.h>

#include <orvek/configuration/configs/Channel.h>

#include "device/PavonixSimDevice.h"
#include "ui/ImGuiCompat.h"
#include "ui/LedTabDrawing.h"
#include "ui/LedTabState.h"
#include "ui/PavonixSimUI.h"
#include "ui/StripLayout.h"
#include "ui/ZoneCommandForms.h"

namespace orvek::internal {

namespace {

// The longest channel's strip LEDs, which sizes the LEDs of every channel alike.
int LongestStrip(const std::vector<Configuration::Channel>& channels) {
    uint32_t longest = 0;
    for (const auto& channel : channels) {
        uint32_t sum = 0;
        for (const auto& zone : channel.zones) {
            if (zone.type == Configuration::ZoneType::Strip) sum += zone.strip.length;
        }
        longest = std::max(longest, sum);
    }
    return static_cast<int>(std::min<uint32_t>(longest, INT32_MAX));
}

ResponsiveStripLayout SharedLayout(const std::vector<Configuration::Channel>& channels) {
    const float available = ImGui::GetContentRegionAvail().x;
    const float containerWidth = available > 0.0f ? available : UIConstants::kStripDefaultWidth;
    const float innerWidth = std::max(1.0f, containerWidth - 2.0f * UIConstants::kStripPadding);
    return CalculateResponsiveStripLayout(innerWidth, LongestStrip(channels));
}

}  // namespace

void PavonixSimUI::DrawLedTab() {
    // GUI thread only: the lists and the strip buffers keep their storage between frames.
    static ui::LedTabLists lists;
    static ui::ChannelStrip strip;

    ui::SeparatorText("LED Strip Visualization");
    PavonixSimDevice& device = *PavonixSimDevice::GetInstance();
    const std::vector<Configuration::Channel> channels = device.GetChannelsCopy();
    if (channels.empty()) {
        ImGui::TextDisabled("No configuration applied. Use ApplyConfiguration in sim to populate channels/zones.");
    }

    ui::LedTabStatics& statics = ui::GetLedTabStatics();
    ui::BuildLedTabLists(device, channels, lists);
    if (statics.selectedZoneIdx < 0 || size_t(statics.selectedZoneIdx) >= lists.zones.size()) {
        statics.selectedZoneIdx = 0;
    }

    const ResponsiveStripLayout shared = SharedLayout(channels);
    const ui::ZoneEntry* entries = lists.zones.data();
    uint32_t ledBudget = ui::kMaxDrawnLedsPerFrame;
    for (const auto& channel : channels) {
        ImGui::Text("Channel: %s (%d LEDs)", channel.id.c_str(), int(channel.length));
        const uint32_t stripLeds = ui::StripLedCount(channel);
        if (stripLeds <= ledBudget) {
            ledBudget -= stripLeds;
            ui::ComputeChannelStrip(channel, entries, statics, device, strip);
            ui::DrawChannelStrip(strip, shared.ledRadius, shared.ledSpacing);
        } else {
            ImGui::TextDisabled("Too large to draw: %u LEDs", stripLeds);
        }
        for (size_t z = 0; z < channel.zones.size(); ++z) {
            if (channel.zones[z].type != Configuration::ZoneType::Matrix) continue;
            ui::DrawMatrixZone(channel.zones[z], entries[z].zoneHash, device, shared.ledRadius, shared.ledSpacing,
                               ledBudget);
        }
        entries += channel.zones.size();
    }

    ui::DrawZoneControls(statics, lists);
}

}  // namespace orvek::internal
