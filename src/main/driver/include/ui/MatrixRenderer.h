#pragma once

// Matrix rendering: turns one matrix zone's state into pixel colors for the LED tab.
//
// A buffer is rows × cols colors in row-major order, index row × cols + col, row 0
// at the top. The caller makes it black each frame, fills it with scrolling text
// or a bitmap frame, and applies the zone's orientation last, just before drawing.
// Pixels that would fall outside the matrix, or outside a buffer shorter than
// rows × cols, are dropped. GUI thread only.

#include <cstdint>
#include <vector>

#include <orvek/domain/Color.h>
#include <orvek/domain/device/PavonixSimTypes.h>

namespace orvek::internal {
class PavonixSimDevice;
}

namespace orvek::internal::ui {

// Remaps the buffer in place from logical to physical order; each displayed pixel
// fetches its source. Orientation bits (applied in this order): 1 flips rows,
// 2 flips columns, 4 swaps the axes (each source coordinate then clamped to the
// matrix), 8 mirrors odd displayed rows (zigzag). Nothing happens for 0 rows or columns.
void ApplyMatrixOrientation(std::vector<domain::Color>& buffer, uint16_t rows, uint16_t cols, uint8_t orientation);

// src unchanged without tint, else each channel src × tint / 255, truncated.
domain::Color TintColor(const domain::Color& src, const domain::Color& tint, bool applyTint);

// Draws the 6-column cell of c (5 glyph columns and an empty one) with its top-left
// at (baseX, baseY) in the text color of zs; unlit glyph pixels keep the buffer.
// rotate180 maps every point (x, y) to (cols − 1 − x, rows − 1 − y).
void DrawMatrixGlyph(std::vector<domain::Color>& buffer, uint16_t rows, uint16_t cols, int baseX, int baseY, char c,
                     const pavonix::sim::ZoneState& zs, bool rotate180);

// Draws the current window of the zone's scrolling text: cols / 8 cells of 8
// pixels, one scroll step per zs.lastMatrixText.delay ms of zs.timeMs, vertically
// centred. Draws nothing on fewer than 8 columns or 0 rows.
void FillMatrixText(std::vector<domain::Color>& buffer, uint16_t rows, uint16_t cols,
                    const pavonix::sim::ZoneState& zs);

// Draws the current frame of the zone's bitmap stretched onto the whole matrix
// (nearest neighbour, optionally tinted). Leaves the buffer alone when the bitmap
// is not configured or does not load; the loader logs why.
void FillMatrixBitmap(std::vector<domain::Color>& buffer, uint16_t rows, uint16_t cols,
                      const pavonix::sim::ZoneState& zs, PavonixSimDevice& simDev);

}  // namespace orvek::internal::ui
