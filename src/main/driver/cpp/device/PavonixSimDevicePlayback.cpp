// The device clock: one Tick per GUI frame keeps the heartbeat going, advances
// every running zone, keeps scrolling texts within their cycle and steps the
// animation sequences. The device has no timer of its own; the panel derives
// every pixel from the zone clocks advanced here.
//
// Index
//   1. Tick
//   2. Matrix text clock
//   3. Sequence stepping

#include "device/PavonixSimDevice.h"

#include <cmath>
#include <cstdint>
#include <mutex>

#include <orvek/definitions/led/AnimationInstance.h>

namespace orvek::internal {

using Command::LED::LEDCommandType;
using Command::LED::SetAnimationData;
using pavonix::sim::ZoneState;

namespace {

// A frame time that is no time at all (negative, NaN, infinite) would run the
// clocks backwards or poison them for good, so such a frame advances nothing.
float SaneFrameTime(float deltaMs) { return std::isfinite(deltaMs) && deltaMs > 0.0f ? deltaMs : 0.0f; }

}  // namespace

// ---- 1. Tick ----

void PavonixSimDevice::Tick(float deltaMs) {
    deltaMs = SaneFrameTime(deltaMs);
    std::lock_guard<std::mutex> lock(m_ledStateMutex);

    CheckForExternalConnectionChangesLocked_();
    CheckForExternalStatusChangesLocked_();
    AdvanceHeartbeatClock_(deltaMs);

    for (auto& [zoneId, state] : m_zones) {
        if (!state.running) continue;
        state.timeMs += deltaMs;
        if (state.lastCommand == LEDCommandType::SetMatrixText) UpdateMatrixTextRuntime(zoneId, state);
    }

    UpdateSequencePlayback();
}

void PavonixSimDevice::AdvanceHeartbeatClock_(float deltaMs) {
    // The external-connection check just ran, so the recorded state is the HAL's.
    if (!m_lastConnectedState.load()) {
        m_timeSinceLastHeartbeat = 0.0f;
        return;
    }
    m_timeSinceLastHeartbeat += deltaMs;
    // The heartbeat restarts the clock at 0: the excess of this frame is dropped.
    if (m_timeSinceLastHeartbeat >= static_cast<float>(m_heartbeatInterval)) EmitHeartbeatLocked_();
}

// ---- 2. Matrix text clock ----

void PavonixSimDevice::UpdateMatrixTextRuntime(uint16_t zoneId, ZoneState& state) {
    auto matrix = m_zoneMatrixInfo.find(zoneId);
    if (matrix == m_zoneMatrixInfo.end()) return;

    const auto& text = state.lastMatrixText;
    // One scroll step per whole 8-column character cell, until the text has passed
    // through the window; a matrix narrower than one cell still scrolls the text.
    const uint32_t window = matrix->second.cols / 8u;
    const uint32_t totalStates = window + text.length + 1u;
    const uint32_t delay = text.delay == 0 ? 1u : text.delay;
    const float duration = static_cast<float>(totalStates * delay);

    if (state.timeMs < duration) return;
    if (text.oneShot != 0) {
        state.timeMs = duration;  // the text stays at its end position
        state.running = false;
    } else {
        state.timeMs = std::fmod(state.timeMs, duration);  // start over, keeping the overshoot
    }
}

// ---- 3. Sequence stepping ----

uint64_t PavonixSimDevice::StepPassMs_(uint16_t zoneId, const SequenceStep& step) const {
    auto length = m_zoneStripLengths.find(zoneId);
    const uint32_t ledCount = length == m_zoneStripLengths.end() ? 0u : length->second;
    // Counted in 32 bits: a long strip must lengthen the pass, never wrap it short.
    uint32_t totalStates = step.animation->stateCount;
    if (step.animation->stateMode == Animation::StateMode::LedCount) totalStates += ledCount;
    if (totalStates == 0) totalStates = 1;
    // A delay of 0 steps at 1 ms per state here; the panel draws it at the animation's default.
    const uint32_t delay = step.delay == 0 ? 1u : step.delay;
    return static_cast<uint64_t>(totalStates) * delay;
}

SetAnimationData PavonixSimDevice::StepAnimationData_(uint16_t zoneId, const SequenceStep& step) {
    auto data = Command::LED::Zeroed<SetAnimationData>();
    data.zoneId = zoneId;
    data.animationId = step.animationId;
    data.delay = step.delay;
    data.color = step.color;
    data.reversed = step.reversed ? 1 : 0;
    return data;
}

bool PavonixSimDevice::ApplySequenceStep(uint16_t zoneId, SequencePlaybackState& state) {
    if (state.definition == nullptr || state.stepIndex >= state.definition->steps.size()) return false;
    const SequenceStep& step = state.definition->steps[state.stepIndex];
    if (!ApplyAnimation_(zoneId, StepAnimationData_(zoneId, step), /*stopSequence=*/false)) return false;

    ZoneState& zone = m_zones.at(zoneId);  // ApplyAnimation_ succeeded, so the zone has a state
    zone.lastCommand = LEDCommandType::SetAnimationSequence;
    zone.lastSequenceId = state.definition->id;
    zone.timeMs = 0.0f;
    zone.running = true;
    state.repeatCounter = 0;
    return true;
}

void PavonixSimDevice::UpdateSequencePlayback() {
    for (auto entry = m_sequencePlayback.begin(); entry != m_sequencePlayback.end();) {
        if (AdvanceSequence_(entry->first, entry->second)) {
            ++entry;
        } else {
            entry = m_sequencePlayback.erase(entry);
        }
    }
}

bool PavonixSimDevice::AdvanceSequence_(uint16_t zoneId, SequencePlaybackState& playback) {
    auto zoneEntry = m_zones.find(zoneId);
    const SequenceDefinition* definition = playback.definition;
    if (zoneEntry == m_zones.end() || definition == nullptr || definition->steps.empty() ||
        playback.stepIndex >= definition->steps.size()) {
        return false;  // the entry no longer matches a zone or a definition
    }
    ZoneState& zone = zoneEntry->second;
    const SequenceStep& step = definition->steps[playback.stepIndex];
    if (step.animation == nullptr) return false;

    if (zone.timeMs < static_cast<float>(StepPassMs_(zoneId, step))) return true;

    if (step.hasRepeat && step.repeatCount > 0) {
        if (playback.repeatCounter + 1 < step.repeatCount) {
            ++playback.repeatCounter;
            zone.timeMs = 0.0f;
            // A step that can no longer be applied ends the sequence; its check reported why.
            return ApplyAnimation_(zoneId, StepAnimationData_(zoneId, step), /*stopSequence=*/false);
        }
    } else if (step.hasRepeat) {
        zone.timeMs = 0.0f;  // a repeat count of 0 holds this step for ever
        return true;
    }

    ++playback.stepIndex;
    if (playback.stepIndex >= definition->steps.size()) {
        // Sequences do not loop: the zone keeps the last step's look with its clock stopped.
        zone.running = false;
        zone.lastSequenceId = 0;
        return false;
    }
    return ApplySequenceStep(zoneId, playback);
}

}  // namespace orvek::internal
