// Row splitting and LED sizing of the LED tab's strips.

#include "ui/StripLayout.h"

#include <algorithm>
#include <cmath>

namespace orvek::internal {

namespace {

constexpr float kMinLedSize = 8.0f;
constexpr float kMinSpacing = 160.0f / 9.0f;  // 17.777779f

// LEDs that fit in one row at `spacing`, at least 1. Capped at the LED count,
// which changes no split but keeps a huge width from overflowing an int.
int MaxPerRow(float innerWidth, float spacing, int totalLedCount) {
    const float perRow = std::floor(innerWidth / (spacing >= 1.0f ? spacing : 1.0f));
    return perRow >= float(totalLedCount) ? totalLedCount : std::max(1, static_cast<int>(perRow));
}

// Rows of (nearly) equal length; the first total mod rows rows take one more.
void SplitRows(int totalLedCount, int maxPerRow, std::vector<int>& rowCounts) {
    int numRows = 1;
    if (totalLedCount > maxPerRow) {
        numRows = static_cast<int>(std::ceil(static_cast<float>(totalLedCount) / static_cast<float>(maxPerRow)));
    }
    const int base = totalLedCount / numRows;
    const int extra = totalLedCount % numRows;
    rowCounts.resize(size_t(numRows));
    for (int r = 0; r < numRows; ++r) rowCounts[size_t(r)] = base + (r < extra ? 1 : 0);
}

// Height and row indents from the radius, spacings and row counts already set.
void FinishLayout(float innerWidth, ResponsiveStripLayout& layout) {
    const size_t numRows = layout.rowCounts.size();
    layout.totalHeight = 2.0f * layout.ledRadius * float(numRows);
    if (numRows > 1) layout.totalHeight += layout.rowSpacing * float(numRows - 1);
    layout.rowIndents.resize(numRows);
    for (size_t r = 0; r < numRows; ++r) {
        const int count = layout.rowCounts[r];
        const float span = count > 1 ? layout.ledSpacing * float(count - 1) : 0.0f;
        layout.rowIndents[r] = std::max(0.0f, 0.5f * (innerWidth - span));
    }
}

// Also refuses a NaN width.
bool HasRoom(float innerWidth, int totalLedCount) { return totalLedCount >= 1 && innerWidth > 0.0f; }

}  // namespace

ResponsiveStripLayout CalculateResponsiveStripLayout(float innerWidth, int totalLedCount) {
    ResponsiveStripLayout layout;
    if (!HasRoom(innerWidth, totalLedCount)) return layout;

    const float maxLedSize = std::max(12.0f, 0.06f * innerWidth);
    SplitRows(totalLedCount, MaxPerRow(innerWidth, kMinSpacing, totalLedCount), layout.rowCounts);
    const int maxRowLen = *std::max_element(layout.rowCounts.begin(), layout.rowCounts.end());
    const float approxSpacing = innerWidth / static_cast<float>(std::max(maxRowLen, 1));

    const float ledDiameter = std::clamp(0.6f * approxSpacing, kMinLedSize, maxLedSize);
    layout.ledRadius = 0.5f * ledDiameter;
    layout.ledSpacing = std::max(ledDiameter + 4.0f, approxSpacing);
    layout.rowSpacing = 1.8f * layout.ledRadius;
    FinishLayout(innerWidth, layout);
    return layout;
}

ResponsiveStripLayout CalculateResponsiveStripLayoutWithFixedSize(float innerWidth, int totalLedCount,
                                                                  float fixedLedRadius, float fixedLedSpacing) {
    ResponsiveStripLayout layout;
    ui::LayOutFixedSizeStrip(innerWidth, totalLedCount, fixedLedRadius, fixedLedSpacing, layout);
    return layout;
}

namespace ui {

void LayOutFixedSizeStrip(float innerWidth, int totalLedCount, float fixedLedRadius, float fixedLedSpacing,
                          ResponsiveStripLayout& out) {
    out.ledRadius = fixedLedRadius;
    out.ledSpacing = fixedLedSpacing;
    out.rowSpacing = 1.8f * fixedLedRadius;
    out.totalHeight = UIConstants::kStripHeight;
    out.rowCounts.clear();
    out.rowIndents.clear();
    if (!HasRoom(innerWidth, totalLedCount)) return;
    SplitRows(totalLedCount, MaxPerRow(innerWidth, fixedLedSpacing, totalLedCount), out.rowCounts);
    FinishLayout(innerWidth, out);
}

}  // namespace ui

}  // namespace orvek::internal
