// The "LEDs" tab: every configured channel drawn as the device would light it,
// then the zone command forms. Each frame starts from fresh copies of the
// device's configuration and zone states; only the forms persist.

#include <algorithm>
#include <vector>

#include <imgui.h>

#include <orvek/configuration/configs/Channel.h>

#include "device/PavonixSimDevice.h"
#include "ui/ImGuiCompat.h"
#include "ui/LedDrawPlan.h"
#include "ui/LedTabDrawing.h"
#include "ui/LedTabState.h"
#include "ui/PavonixSimUI.h"
#include "ui/StripLayout.h"
#include "ui/ZoneCommandForms.h"

namespace orvek::internal {

namespace {

// The LEDs of every channel alike are sized from the longest strip the frame draws.
ResponsiveStripLayout SharedLayout(const ui::LedDrawPlan& plan) {
    const float available = ImGui::GetContentRegionAvail().x;
    const float containerWidth = available > 0.0f ? available : UIConstants::kStripDefaultWidth;
    const float innerWidth = std::max(1.0f, containerWidth - 2.0f * UIConstants::kStripPadding);
    return CalculateResponsiveStripLayout(innerWidth, static_cast<int>(plan.longestDrawnStrip));
}

}  // namespace

void PavonixSimUI::DrawLedTab() {
    // GUI thread only: the lists and the strip buffers keep their storage between frames.
    static ui::LedTabLists lists;
    static ui::ChannelStrip strip;
    static ui::LedDrawPlan plan;

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

    ui::PlanLedFrame(channels, plan);
    const ResponsiveStripLayout shared = SharedLayout(plan);
    size_t first = 0;  // the channel's first zone in the zone list and in the plan
    for (size_t c = 0; c < channels.size(); ++c) {
        const Configuration::Channel& channel = channels[c];
        const ui::ZoneEntry* entries = lists.zones.data() + first;
        ImGui::Text("Channel: %s (%d LEDs)", channel.id.c_str(), int(channel.length));
        if (plan.stripDrawn[c]) {
            ui::ComputeChannelStrip(channel, entries, statics, device, strip);
            ui::DrawChannelStrip(strip, shared.ledRadius, shared.ledSpacing);
        } else {
            ImGui::TextDisabled("Too large to draw: %llu LEDs",
                                static_cast<unsigned long long>(ui::StripLedCount(channel)));
        }
        for (size_t z = 0; z < channel.zones.size(); ++z) {
            if (channel.zones[z].type != Configuration::ZoneType::Matrix) continue;
            ui::DrawMatrixZone(channel.zones[z], entries[z].zoneHash, device, shared.ledRadius, shared.ledSpacing,
                               plan.matrixDrawn[first + z]);
        }
        first += channel.zones.size();
    }

    ui::DrawZoneControls(statics, lists);
}

}  // namespace orvek::internal
