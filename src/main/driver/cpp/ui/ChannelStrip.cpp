// One channel's strip: the colors each strip zone shows, then the box of LED rows
// drawn from them, with zone separators and the hovered LED's tooltip.
//
// Index
//   1. Strip zone colors
//   2. LED rows
//   3. Zone separators
//   4. Tooltip and the whole box

#include <algorithm>
#include <cfloat>
#include <climits>

#include <imgui.h>

#include <orvek/domain/device/PavonixSimTypes.h>

#include "device/PavonixSimDevice.h"
#include "ui/LedPixels.h"
#include "ui/LedTabDrawing.h"
#include "ui/PavonixSimUI.h"
#include "ui/StripAnimation.h"
#include "ui/StripLayout.h"
#include "ui/ZoneCommands.h"

namespace orvek::internal::ui {

namespace {

using Command::LED::SetAnimationData;

// ---- 1. Strip zone colors ----

bool NothingApplied(const SetAnimationData& cmd) {
    return cmd.zoneId == 0 && cmd.animationId == 0 && cmd.delay == 0 && cmd.color.r == 0 && cmd.color.g == 0 &&
           cmd.color.b == 0;
}

// The command the zone is drawn from and its clock: the device's applied look;
// for a look the device does not hold, the staged form when it stages no
// animation (its color), else black.
SetAnimationData LookOf(const ZoneEntry& entry, LedTabStatics& statics, PavonixSimDevice& device, float& timeMs) {
    auto applied = Command::LED::Zeroed<SetAnimationData>();
    timeMs = 0.0f;
    auto zs = Command::LED::Zeroed<pavonix::sim::ZoneState>();
    zs.lastCommand = Command::LED::LEDCommandType::SetColor;
    if (device.TryGetZone(entry.zoneHash, zs)) {
        applied = zs.applied;
        timeMs = zs.timeMs;
    }

    ZoneControlState& state = statics.zoneControlStates[entry.stateKey];
    state.animation.zoneId = entry.zoneHash;
    if (!state.animationInitialized) {
        InitAnimationForm(statics, state, entry.zoneHash);
        timeMs = 0.0f;
    }
    if (NothingApplied(applied)) {
        if (state.animation.animationId == 0) {
            applied = state.animation;
        } else {
            applied = Command::LED::Zeroed<SetAnimationData>();
            applied.zoneId = entry.zoneHash;
        }
    }
    return applied;
}

// ---- 2. LED rows ----

// A drawn LED, kept for the separators and the tooltip.
struct LedVisual {
    ImVec2 center;
    float radius = 0;
    const Configuration::Zone* zone = nullptr;
    int ledIndex = 0;
    domain::Color color;
};

// A drawn row's LEDs and box, in screen coordinates.
struct RowInfo {
    int startIndex = 0;
    int count = 0;
    float top = 0, bottom = 0, left = 0, right = 0;
};

// What the drawing of one strip leaves for its separators and tooltip. Kept
// between frames for its storage only.
struct StripFrame {
    ResponsiveStripLayout layout;
    std::vector<LedVisual> visuals;
    std::vector<RowInfo> rows;
    ImVec2 ledsMin{FLT_MAX, FLT_MAX}, ledsMax{-FLT_MAX, -FLT_MAX};  // the squares' union, for the hover check
};

void DrawRows(const ChannelStrip& strip, const ImVec2& areaMin, float innerWidth, ImDrawList* list, StripFrame& f) {
    const ResponsiveStripLayout& layout = f.layout;
    const float radius = layout.ledRadius;
    const float rowHeight = 2.0f * radius;
    const int ledTotal = static_cast<int>(std::min<uint32_t>(strip.ledCount, INT_MAX));
    const float centredX = areaMin.x + 0.5f * innerWidth;
    int ledIdx = 0;
    for (size_t r = 0; r < layout.rowCounts.size() && ledIdx < ledTotal; ++r) {
        const int count = layout.rowCounts[r];
        const float rowBaseY = areaMin.y + float(r) * (layout.rowSpacing + rowHeight);
        const float centerY = rowBaseY + radius;
        const float baseX = areaMin.x + (r < layout.rowIndents.size() ? layout.rowIndents[r] : 0.0f);
        RowInfo row{ledIdx, count, rowBaseY, rowBaseY + rowHeight, areaMin.x, areaMin.x};
        if (count > 0) {
            const float firstCenter = count <= 1 ? centredX : baseX;
            const float lastCenter = count > 1 ? baseX + layout.ledSpacing * float(count - 1) : firstCenter;
            row.left = firstCenter - radius;
            row.right = lastCenter + radius;
        }
        f.rows.push_back(row);
        // Odd rows run right to left, so the strip snakes down the box as it is wired.
        const bool backwards = r % 2 == 1;
        for (int c = 0; c < count && ledIdx < ledTotal; ++c, ++ledIdx) {
            const int drawCol = backwards ? count - 1 - c : c;
            const float centerX = count <= 1 ? centredX : baseX + layout.ledSpacing * float(drawCol);
            const domain::Color color = strip.leds[size_t(ledIdx)];
            DrawRoundedPixel(list, ImVec2(centerX, centerY), radius, ToDrawColor(color), kLedOutlineColor);
            f.visuals.push_back({ImVec2(centerX, centerY), radius, strip.ledZoneRefs[size_t(ledIdx)], ledIdx, color});
            f.ledsMin = ImVec2(std::min(f.ledsMin.x, centerX - radius), std::min(f.ledsMin.y, centerY - radius));
            f.ledsMax = ImVec2(std::max(f.ledsMax.x, centerX + radius), std::max(f.ledsMax.y, centerY + radius));
        }
    }
}

// ---- 3. Zone separators ----

// The row holding channel LED `index`; null when none does.
const RowInfo* RowHolding(const std::vector<RowInfo>& rows, int index) {
    // Rows are in LED order: the last row starting at or before the index.
    auto after =
        std::upper_bound(rows.begin(), rows.end(), index, [](int i, const RowInfo& row) { return i < row.startIndex; });
    if (after == rows.begin()) return nullptr;
    const RowInfo& row = *(after - 1);
    return index < row.startIndex + row.count ? &row : nullptr;
}

// Index of the row that starts at channel LED `index`; -1 when none does.
int RowStartingAt(const std::vector<RowInfo>& rows, int index) {
    const RowInfo* row = RowHolding(rows, index);
    // The layout makes no empty rows, so the row holding the LED is the one to test.
    return row != nullptr && row->startIndex == index ? static_cast<int>(row - rows.data()) : -1;
}

void DrawSeparator(const ChannelStrip& strip, const ZoneSegment& later, const StripFrame& f, ImDrawList* list) {
    const int boundary = static_cast<int>(later.start);
    const int rowIdx = RowStartingAt(f.rows, boundary);
    if (rowIdx > 0) {
        // The zone begins a row: a line across the gap above it, as wide as the row above.
        const RowInfo& above = f.rows[size_t(rowIdx - 1)];
        const float y = 0.5f * (above.bottom + f.rows[size_t(rowIdx)].top);
        list->AddLine(ImVec2(std::min(above.left, above.right), y), ImVec2(std::max(above.left, above.right), y),
                      kZoneSeparatorColor, kZoneSeparatorThickness);
        return;
    }
    const int prevIdx = boundary - 1;
    if (prevIdx < 0 || size_t(boundary) >= f.visuals.size() || uint32_t(boundary) >= strip.ledCount) return;
    const RowInfo* row = RowHolding(f.rows, prevIdx);
    if (row == nullptr) return;
    float lineX = 0.5f * (f.visuals[size_t(prevIdx)].center.x + f.visuals[size_t(boundary)].center.x);
    float lo = row->left + 1.0f;
    float hi = row->right - 1.0f;
    if (lo > hi) lo = hi = 0.5f * (row->left + row->right);
    lineX = std::clamp(lineX, lo, hi);
    list->AddLine(ImVec2(lineX, row->top), ImVec2(lineX, row->bottom), kZoneSeparatorColor, kZoneSeparatorThickness);
}

void DrawSeparators(const ChannelStrip& strip, const StripFrame& f, ImDrawList* list) {
    for (size_t i = 1; i < strip.segments.size(); ++i) {
        const ZoneSegment& later = strip.segments[i];
        if (strip.segments[i - 1].zone == nullptr || later.zone == nullptr) continue;
        if (later.start == 0 || later.start >= strip.ledCount) continue;
        DrawSeparator(strip, later, f, list);
    }
}

// ---- 4. Tooltip and the whole box ----

void DrawTooltip(const StripFrame& f) {
    // Most frames the mouse is nowhere near this strip: one test spares a test per LED.
    if (f.visuals.empty() || !ImGui::IsMouseHoveringRect(f.ledsMin, f.ledsMax, true)) return;
    for (const LedVisual& v : f.visuals) {
        const ImVec2 half(v.radius, v.radius);
        if (!ImGui::IsMouseHoveringRect(ImVec2(v.center.x - half.x, v.center.y - half.y),
                                        ImVec2(v.center.x + half.x, v.center.y + half.y), true)) {
            continue;
        }
        ImGui::BeginTooltip();
        ImGui::Text("Zone: %s", v.zone != nullptr ? v.zone->id.c_str() : "(unassigned)");
        ImGui::Text("LED #%d", v.ledIndex + 1);
        ImGui::Text("RGB(%d, %d, %d)", v.color.r, v.color.g, v.color.b);
        ImGui::EndTooltip();
        return;
    }
}

}  // namespace

void ComputeChannelStrip(const Configuration::Channel& channel, const ZoneEntry* entries, LedTabStatics& statics,
                         PavonixSimDevice& device, ChannelStrip& out) {
    const uint64_t ledCount = StripLedCount(channel);
    out.hasStripZone = std::any_of(channel.zones.begin(), channel.zones.end(),
                                   [](const auto& zone) { return zone.type == Configuration::ZoneType::Strip; });
    out.segments.clear();
    // The buffers are sized from the count; one that no frame draws is not made at all.
    out.ledCount = ledCount <= kMaxDrawnLedsPerFrame ? static_cast<uint32_t>(ledCount) : 0;
    out.leds.assign(out.ledCount, domain::Color::Black());
    out.ledZoneRefs.assign(out.ledCount, nullptr);

    if (out.ledCount != ledCount) return;
    uint32_t cursor = 0;
    for (size_t z = 0; z < channel.zones.size(); ++z) {
        const Configuration::Zone& zone = channel.zones[z];
        if (zone.type != Configuration::ZoneType::Strip || zone.strip.length == 0) continue;
        const uint32_t start = cursor;
        const uint16_t count = zone.strip.length;
        cursor += count;
        out.segments.push_back({&zone, start, count});

        float timeMs = 0.0f;
        const SetAnimationData look = LookOf(entries[z], statics, device, timeMs);
        RenderZoneColors(look, timeMs, count, out.zoneColors);
        for (uint32_t i = 0; i < count; ++i) {
            const uint32_t at = zone.strip.reversed ? start + count - 1 - i : start + i;
            out.leds[at] = out.zoneColors[i];
            out.ledZoneRefs[at] = &zone;
        }
    }
}

void DrawChannelStrip(const ChannelStrip& strip, float ledRadius, float ledSpacing) {
    if (!strip.hasStripZone || strip.ledCount == 0) return;
    static StripFrame f;  // GUI thread only; reused for its storage
    f.visuals.clear();
    f.rows.clear();
    f.ledsMin = ImVec2(FLT_MAX, FLT_MAX);
    f.ledsMax = ImVec2(-FLT_MAX, -FLT_MAX);

    const float available = ImGui::GetContentRegionAvail().x;
    const float containerWidth = available > 0.0f ? available : UIConstants::kStripDefaultWidth;
    const float innerWidth = std::max(1.0f, containerWidth - 2.0f * UIConstants::kStripPadding);
    LayOutFixedSizeStrip(innerWidth, static_cast<int>(std::min<uint32_t>(strip.ledCount, INT_MAX)), ledRadius,
                         ledSpacing, f.layout);
    const float channelHeight = std::max(60.0f, f.layout.totalHeight + 2.0f * UIConstants::kStripPadding);

    const ImVec2 topLeft = ImGui::GetCursorScreenPos();
    const ImVec2 areaMin(topLeft.x + UIConstants::kStripPadding, topLeft.y + UIConstants::kStripPadding);
    ImDrawList* list = ImGui::GetWindowDrawList();
    DrawGridBackground(list, topLeft, ImVec2(containerWidth, channelHeight), kGridRounding);
    DrawRows(strip, areaMin, innerWidth, list, f);
    DrawSeparators(strip, f, list);
    DrawTooltip(f);
    ImGui::Dummy(ImVec2(containerWidth, channelHeight));
}

}  // namespace orvek::internal::ui
