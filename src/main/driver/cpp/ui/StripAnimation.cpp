// The animation driver: built-in animations found by id and played for one
// zone's clock. The panel's copy of the animation tables is built in this unit.

#include "ui/StripAnimation.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <orvek/led/BuiltInAnimations.h>
#include <orvek/util/hashing/IDCreator.h>

namespace orvek::internal {

namespace {

using Animation::AnimationInstance;
using Animation::BuiltInAnimations;

// The ids of the built-in names, worked out once: an id is an MD5 digest, far
// too dear to repeat per zone and frame.
const std::vector<uint16_t>& BuiltInIds() {
    static const std::vector<uint16_t> ids = [] {
        std::vector<uint16_t> out;
        for (const AnimationInstance& animation : BuiltInAnimations) out.push_back(IDCreator::createId(animation.id));
        return out;
    }();
    return ids;
}

// The clock in whole ms as the device's 32-bit counters see it: truncated, and
// wrapped past 2^32 ms (about 50 days); a negative or undefined clock reads 0.
uint32_t WholeMilliseconds(float timeMs) {
    const double t = timeMs;
    if (!(t >= 0.0)) return 0;
    return static_cast<uint32_t>(static_cast<uint64_t>(std::fmod(std::floor(t), 4294967296.0)));
}

}  // namespace

const AnimationInstance* FindAnimationById(uint16_t animationId) {
    if (animationId == 0) return nullptr;
    const std::vector<uint16_t>& ids = BuiltInIds();
    const auto found = std::find(ids.begin(), ids.end(), animationId);
    return found == ids.end() ? nullptr : &BuiltInAnimations[size_t(found - ids.begin())];
}

namespace ui {

int BuiltInAnimationCount() { return static_cast<int>(BuiltInAnimations.size()); }

const AnimationInstance* BuiltInAnimationAt(int index) {
    return index >= 0 && index < BuiltInAnimationCount() ? &BuiltInAnimations[size_t(index)] : nullptr;
}

uint16_t BuiltInAnimationId(int index) {
    return index >= 0 && index < BuiltInAnimationCount() ? BuiltInIds()[size_t(index)] : 0;
}

int BuiltInAnimationIndex(std::string_view name) {
    for (int i = 0; i < BuiltInAnimationCount(); ++i) {
        if (BuiltInAnimations[size_t(i)].id == name) return i;
    }
    return -1;
}

uint16_t AnimationStateAt(const AnimationInstance& anim, const Command::LED::SetAnimationData& cmd, float timeMs,
                          uint16_t ledCount) {
    uint32_t delayMs = cmd.delay != 0 ? cmd.delay : anim.defaultDelay;
    if (delayMs == 0) delayMs = 1;
    uint32_t totalStates = anim.stateCount;
    if (anim.stateMode == Animation::StateMode::LedCount) totalStates += ledCount;
    totalStates = std::max<uint32_t>(totalStates, 1);

    const uint64_t cycleMs = uint64_t{delayMs} * totalStates;
    uint32_t state = static_cast<uint32_t>(WholeMilliseconds(timeMs) % cycleMs / delayMs);
    const bool reversed = cmd.reversed != 0;
    if (reversed) state = totalStates - state - 1;
    if (cmd.oneShot != 0 && timeMs >= static_cast<float>(cycleMs)) state = reversed ? 0 : totalStates - 1;
    return static_cast<uint16_t>(std::min<uint32_t>(state, 0xFFFF));
}

void RenderZoneColors(const Command::LED::SetAnimationData& cmd, float timeMs, uint16_t ledCount,
                      std::vector<domain::Color>& out) {
    const domain::Color color = domain::Color::fromCommand(cmd.color);
    const AnimationInstance* anim = FindAnimationById(cmd.animationId);
    if (anim == nullptr) {
        out.assign(ledCount, color);
        return;
    }
    // The animation draws over black, never over the last frame: the frame's
    // colors follow from the zone's clock alone.
    out.assign(ledCount, domain::Color::Black());
    anim->cb(out.data(), color, AnimationStateAt(*anim, cmd, timeMs, ledCount), ledCount);
}

}  // namespace ui

}  // namespace orvek::internal
