// The LED tab's per-frame limit, decided before anything is laid out.

#include "ui/LedDrawPlan.h"

#include <algorithm>

namespace orvek::internal::ui {

namespace {

// Takes `count` from `budget` when it fits; says whether it did.
bool Take(uint64_t count, uint32_t& budget) {
    if (count > budget) return false;
    budget -= static_cast<uint32_t>(count);
    return true;
}

}  // namespace

uint64_t StripLedCount(const Configuration::Channel& channel) {
    uint64_t count = 0;
    for (const auto& zone : channel.zones) {
        if (zone.type == Configuration::ZoneType::Strip) count += zone.strip.length;
    }
    return count;
}

uint64_t MatrixPixelCount(const Configuration::ZoneMatrix& matrix) {
    return uint64_t(matrix.rows) * std::max<uint64_t>(1, matrix.cols);
}

void PlanLedFrame(const std::vector<Configuration::Channel>& channels, LedDrawPlan& plan) {
    plan.stripDrawn.clear();
    plan.matrixDrawn.clear();
    plan.longestDrawnStrip = 0;
    uint32_t budget = kMaxDrawnLedsPerFrame;
    for (const auto& channel : channels) {
        const uint64_t stripLeds = StripLedCount(channel);
        const bool drawn = Take(stripLeds, budget);
        plan.stripDrawn.push_back(drawn);
        // Below the budget, so the count fits 32 bits.
        if (drawn) plan.longestDrawnStrip = std::max(plan.longestDrawnStrip, static_cast<uint32_t>(stripLeds));
        for (const auto& zone : channel.zones) {
            plan.matrixDrawn.push_back(zone.type == Configuration::ZoneType::Matrix &&
                                       Take(MatrixPixelCount(zone.matrix), budget));
        }
    }
}

}  // namespace orvek::internal::ui
