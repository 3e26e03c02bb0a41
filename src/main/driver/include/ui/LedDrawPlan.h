#pragma once
// Internal to the panel; no guarantee. Which strips and matrices one frame of the
// LED tab draws: the frame's LED limit is spent in drawing order, each channel's
// strip and then its matrices, and what does not fit in what is left is only
// named. The frame's layout is sized from what is drawn alone, so an undrawn
// channel costs nothing in proportion to its LEDs.
//
// GUI thread only, once per frame before drawing.

#include <cstdint>
#include <vector>

#include <orvek/configuration/configs/Channel.h>

namespace orvek::internal::ui {

// The LEDs one frame draws at most, strips and matrix pixels together. Each LED
// is some sixty vertices, and a configuration may hold millions of LEDs: past
// this a strip or matrix is named, not drawn, rather than run out of memory.
inline constexpr uint32_t kMaxDrawnLedsPerFrame = 65536;

// The LEDs of `channel`'s strip zones, summed. In 64 bits: a channel may hold
// more than 65536 zones of up to 65535 LEDs.
uint64_t StripLedCount(const Configuration::Channel& channel);

// The pixels a matrix zone takes from the frame's limit: rows x cols, at least
// one column's worth of rows.
uint64_t MatrixPixelCount(const Configuration::ZoneMatrix& matrix);

struct LedDrawPlan {
    std::vector<bool> stripDrawn;    // per channel: its strip fits and is drawn
    std::vector<bool> matrixDrawn;   // per zone of every channel, in order: a matrix that fits
    uint32_t longestDrawnStrip = 0;  // sizes the LEDs of the whole frame
};

// Rebuilds `plan` for `channels`, reusing its storage.
void PlanLedFrame(const std::vector<Configuration::Channel>& channels, LedDrawPlan& plan);

}  // namespace orvek::internal::ui
