#pragma once
// Internal to the panel; no guarantee. The drawing of one channel on the LED tab:
// its strip zones' colors, the strip box with its rows of LEDs, zone separators
// and tooltip, and its matrix zones.
//
// GUI thread only, inside the LED tab. Buffers are kept by the caller and
// reused from frame to frame, so a frame allocates nothing per LED.

#include <cstdint>
#include <vector>

#include <orvek/configuration/configs/Channel.h>
#include <orvek/domain/Color.h>

#include "ui/LedDrawPlan.h"
#include "ui/LedTabState.h"

namespace orvek::internal {
class PavonixSimDevice;
}

namespace orvek::internal::ui {

// One strip zone's LEDs within its channel.
struct ZoneSegment {
    const Configuration::Zone* zone = nullptr;
    uint32_t start = 0;  // channel index of the zone's first LED
    uint32_t count = 0;
};

// The colors of one channel's strip zones, in channel order.
struct ChannelStrip {
    uint32_t ledCount = 0;      // the strip zones' lengths summed; at most the frame's limit
    bool hasStripZone = false;  // also true when every strip zone is empty
    std::vector<domain::Color> leds;
    std::vector<const Configuration::Zone*> ledZoneRefs;  // the zone that lit each LED
    std::vector<ZoneSegment> segments;                    // strip zones of non-zero length, in order
    std::vector<domain::Color> zoneColors;                // one zone's colors, before placing
};

// Works out `out` for `channel`. `entries` are the channel's zone entries, one
// per zone in order. A zone seen for the first time gets its animation form
// here (from the preset) and is drawn at time 0 on that frame. A channel of
// more LEDs than a frame draws gets none.
void ComputeChannelStrip(const Configuration::Channel& channel, const ZoneEntry* entries, LedTabStatics& statics,
                         PavonixSimDevice& device, ChannelStrip& out);

// Draws the strip box of `strip` at the cursor with LEDs of the frame's shared
// radius and spacing, then reserves its space. Draws nothing without LEDs.
void DrawChannelStrip(const ChannelStrip& strip, float ledRadius, float ledSpacing);

// Draws one matrix zone at the cursor: its heading, its box and its pixels from
// the zone's state, oriented; shrunk to the window's width when wider. A matrix
// the frame has no room for (`drawn` false) is only named.
void DrawMatrixZone(const Configuration::Zone& zone, uint16_t zoneHash, PavonixSimDevice& device, float ledRadius,
                    float ledSpacing, bool drawn);

}  // namespace orvek::internal::ui
