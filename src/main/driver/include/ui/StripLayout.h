#pragma once
// Internal to the panel; no guarantee. Where the LEDs of one strip go: how many
// per row, how large, how far apart, and how far each row is indented so the
// rows sit centred in their box.
//
// Pure functions of their arguments; any thread.

#include <vector>

#include "ui/PavonixSimUI.h"

namespace orvek::internal {

// The geometry of one channel's strip, in pixels. The defaults are the look of
// an empty strip.
struct ResponsiveStripLayout {
    float ledRadius = UIConstants::kLedRadius;      // half the side of one LED square
    float ledSpacing = UIConstants::kLedSpacing;    // centre to centre along a row
    float rowSpacing = UIConstants::kRowSpacing;    // gap between rows
    float totalHeight = UIConstants::kStripHeight;  // height of all rows
    std::vector<int> rowCounts;                     // LEDs per row, top row first
    std::vector<float> rowIndents;                  // x of each row's first LED centre from the area's left edge
};

// Sizes the LEDs to the width: as many rows of at most innerWidth / (160/9)
// LEDs as needed, split as evenly as possible (the first rows take the extra
// LEDs), each LED 0.6 of the row's share of the width, clamped to 8 ..
// max(12, 0.06 × innerWidth) across. The defaults when totalLedCount < 1 or
// innerWidth is not above 0.
ResponsiveStripLayout CalculateResponsiveStripLayout(float innerWidth, int totalLedCount);

// The same row split for LEDs of a given radius and spacing (a spacing below 1
// counts as 1); the row spacing is 1.8 × the radius. Defaults for the height and
// no rows when totalLedCount < 1 or innerWidth is not above 0.
ResponsiveStripLayout CalculateResponsiveStripLayoutWithFixedSize(float innerWidth, int totalLedCount,
                                                                  float fixedLedRadius, float fixedLedSpacing);

namespace ui {
// CalculateResponsiveStripLayoutWithFixedSize into `out`, reusing its rows'
// storage: the frame lays out every channel this way without allocating.
void LayOutFixedSizeStrip(float innerWidth, int totalLedCount, float fixedLedRadius, float fixedLedSpacing,
                          ResponsiveStripLayout& out);
}  // namespace ui

}  // namespace orvek::internal
