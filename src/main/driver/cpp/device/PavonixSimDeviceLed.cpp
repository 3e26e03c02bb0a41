// LED commands: every Dispatch* operation builds one zero-filled LEDCommand and
// applies it; group commands fan out zone by zone and stop at the first zone that
// rejects them; the per-zone apply steps check a command against the applied
// configuration and rewrite the zone's ZoneState. A rejection is never returned:
// it is one EntityNotFound Error event.
//
// Index
//   1. Dispatch* operations and command building
//   2. ApplyLED_ and the group fan-out
//   3. Per-zone apply steps
//   4. Checks
//   5. TryGetZone and StopSequencePlayback

#include "device/PavonixSimDevice.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <string>
#include <unordered_set>

#include <orvek/led/Animation.h>
#include <orvek/led/BuiltInAnimations.h>
#include <orvek/util/hashing/IDCreator.h>
#include <orvek/util/logging/ConsoleLogger.h>

namespace orvek::internal {

using Command::LED::AnimationColor;
using Command::LED::LEDCommand;
using Command::LED::LEDCommandData;
using Command::LED::LEDCommandType;
using Command::LED::SetAnimationData;
using Command::LED::SetAnimationGroupData;
using Command::LED::SetBitmapData;
using Command::LED::SetBitmapGroupData;
using Command::LED::SetMatrixTextData;
using Command::LED::SetMatrixTextGroupData;
using Command::LED::Zeroed;
using Configuration::ZoneType;
using pavonix::sim::ZoneState;

namespace {

constexpr const char* kLogKey = "PavonixSimDevice";
constexpr uint8_t kMaxTextLength = sizeof(SetMatrixTextData::text);

// The id a plain color is recorded under: the Fill animation's.
uint16_t FillAnimationId() {
    static const uint16_t kFillId = IDCreator::createId(led::kAnimationMap.at(led::Animation::Fill));
    return kFillId;
}

SetAnimationData AnimationForZone(uint16_t zoneId, const SetAnimationGroupData& group) {
    auto data = Zeroed<SetAnimationData>();
    data.zoneId = zoneId;
    data.animationId = group.animationId;
    data.delay = group.delay;
    data.color = group.color;
    data.reversed = group.reversed;
    data.oneShot = group.oneShot;
    return data;
}

SetBitmapData BitmapForZone(uint16_t zoneId, const SetBitmapGroupData& group) {
    auto data = Zeroed<SetBitmapData>();
    data.zoneId = zoneId;
    data.bitmapId = group.bitmapId;
    data.color = group.color;
    data.setColor = group.setColor;
    data.oneShot = group.oneShot;
    return data;
}

SetMatrixTextData TextForZone(uint16_t zoneId, const SetMatrixTextGroupData& group) {
    auto data = Zeroed<SetMatrixTextData>();
    data.zoneId = zoneId;
    data.oneShot = group.oneShot;
    data.color = group.color;
    data.dir = group.dir;
    std::memcpy(data.text, group.text, sizeof data.text);
    data.length = group.length;
    data.delay = group.delay;
    return data;
}

}  // namespace

// ---- 1. Dispatch* operations and command building ----

template <typename Fill>
void PavonixSimDevice::BuildAndApplyLed_(LEDCommandType type, Fill&& fill) {
    auto cmd = Zeroed<LEDCommand>();
    cmd.type = type;
    fill(cmd.data);
    std::lock_guard<std::mutex> lock(m_ledStateMutex);
    ApplyLED_(cmd);
}

void PavonixSimDevice::DispatchSetColor(uint16_t zoneId, AnimationColor color) {
    BuildAndApplyLed_(LEDCommandType::SetColor, [&](LEDCommandData& d) {
        d.setColor.zoneId = zoneId;
        d.setColor.color = color;
    });
}

void PavonixSimDevice::DispatchSetGroupColor(uint16_t groupId, AnimationColor color) {
    BuildAndApplyLed_(LEDCommandType::SetColorGroup, [&](LEDCommandData& d) {
        d.setColorGroup.groupId = groupId;
        d.setColorGroup.color = color;
    });
}

void PavonixSimDevice::DispatchSetAnimation(uint16_t zoneId, uint16_t animationId, uint16_t delay, AnimationColor color,
                                            bool reversed, bool oneShot) {
    BuildAndApplyLed_(LEDCommandType::SetAnimation, [&](LEDCommandData& d) {
        d.setAnimation.zoneId = zoneId;
        d.setAnimation.animationId = animationId;
        d.setAnimation.delay = delay;
        d.setAnimation.color = color;
        d.setAnimation.reversed = reversed ? 1 : 0;
        d.setAnimation.oneShot = oneShot ? 1 : 0;
    });
}

void PavonixSimDevice::DispatchSetGroupAnimation(uint16_t groupId, uint16_t animationId, uint16_t delay,
                                                 AnimationColor color, bool reversed, bool oneShot) {
    BuildAndApplyLed_(LEDCommandType::SetAnimationGroup, [&](LEDCommandData& d) {
        d.setAnimationGroup.groupId = groupId;
        d.setAnimationGroup.animationId = animationId;
        d.setAnimationGroup.delay = delay;
        d.setAnimationGroup.color = color;
        d.setAnimationGroup.reversed = reversed ? 1 : 0;
        d.setAnimationGroup.oneShot = oneShot ? 1 : 0;
    });
}

void PavonixSimDevice::DispatchSetAnimationSequence(uint16_t zoneId, uint16_t sequenceId) {
    BuildAndApplyLed_(LEDCommandType::SetAnimationSequence, [&](LEDCommandData& d) {
        d.setAnimationSequence.zoneId = zoneId;
        d.setAnimationSequence.sequenceId = sequenceId;
    });
}

void PavonixSimDevice::DispatchSetGroupAnimationSequence(uint16_t groupId, uint16_t sequenceId) {
    BuildAndApplyLed_(LEDCommandType::SetAnimationSequenceGroup, [&](LEDCommandData& d) {
        d.setAnimationSequenceGroup.groupId = groupId;
        d.setAnimationSequenceGroup.sequenceId = sequenceId;
    });
}

void PavonixSimDevice::DispatchSetBitmap(uint16_t zoneId, uint16_t bitmapId, AnimationColor color, bool setColor,
                                         bool oneShot) {
    BuildAndApplyLed_(LEDCommandType::SetBitmap, [&](LEDCommandData& d) {
        d.setBitmap.zoneId = zoneId;
        d.setBitmap.bitmapId = bitmapId;
        d.setBitmap.color = color;
        d.setBitmap.setColor = setColor ? 1 : 0;
        d.setBitmap.oneShot = oneShot ? 1 : 0;
    });
}

void PavonixSimDevice::DispatchSetGroupBitmap(uint16_t groupId, uint16_t bitmapId, AnimationColor color, bool setColor,
                                              bool oneShot) {
    BuildAndApplyLed_(LEDCommandType::SetBitmapGroup, [&](LEDCommandData& d) {
        d.setBitmapGroup.groupId = groupId;
        d.setBitmapGroup.bitmapId = bitmapId;
        d.setBitmapGroup.color = color;
        d.setBitmapGroup.setColor = setColor ? 1 : 0;
        d.setBitmapGroup.oneShot = oneShot ? 1 : 0;
    });
}

void PavonixSimDevice::DispatchSetMatrixText(uint16_t zoneId, const SetMatrixTextData& data) {
    BuildAndApplyLed_(LEDCommandType::SetMatrixText, [&](LEDCommandData& d) {
        std::memcpy(&d.setMatrixText, &data, sizeof data);
        d.setMatrixText.zoneId = zoneId;  // the operation's zone, not the payload's
    });
}

void PavonixSimDevice::DispatchSetGroupMatrixText(uint16_t groupId, const SetMatrixTextGroupData& data) {
    BuildAndApplyLed_(LEDCommandType::SetMatrixTextGroup, [&](LEDCommandData& d) {
        std::memcpy(&d.setMatrixTextGroup, &data, sizeof data);
        d.setMatrixTextGroup.groupId = groupId;
    });
}

// ---- 2. ApplyLED_ and the group fan-out ----

void PavonixSimDevice::ApplyLED_(const LEDCommand& cmd) {
    if (m_appliedCommandProbe) m_appliedCommandProbe(cmd);  // set only by tests

    const LEDCommandData& d = cmd.data;
    switch (cmd.type) {
        case LEDCommandType::SetAnimation:
            ApplyAnimation_(d.setAnimation.zoneId, d.setAnimation, /*stopSequence=*/true);
            break;
        case LEDCommandType::SetColor: ApplyColor_(d.setColor.zoneId, d.setColor.color); break;
        case LEDCommandType::SetAnimationSequence:
            ApplySequence_(d.setAnimationSequence.zoneId, d.setAnimationSequence.sequenceId);
            break;
        case LEDCommandType::SetBitmap: ApplyBitmap_(d.setBitmap.zoneId, d.setBitmap); break;
        case LEDCommandType::SetMatrixText: ApplyMatrixText_(d.setMatrixText.zoneId, d.setMatrixText); break;
        case LEDCommandType::SetAnimationGroup:
            ForEachZoneInGroup(d.setAnimationGroup.groupId, [&](uint16_t zoneId) {
                return ApplyAnimation_(zoneId, AnimationForZone(zoneId, d.setAnimationGroup), true);
            });
            break;
        case LEDCommandType::SetColorGroup:
            ForEachZoneInGroup(d.setColorGroup.groupId,
                               [&](uint16_t zoneId) { return ApplyColor_(zoneId, d.setColorGroup.color); });
            break;
        case LEDCommandType::SetAnimationSequenceGroup:
            ForEachZoneInGroup(d.setAnimationSequenceGroup.groupId, [&](uint16_t zoneId) {
                return ApplySequence_(zoneId, d.setAnimationSequenceGroup.sequenceId);
            });
            break;
        case LEDCommandType::SetBitmapGroup:
            ForEachZoneInGroup(d.setBitmapGroup.groupId, [&](uint16_t zoneId) {
                return ApplyBitmap_(zoneId, BitmapForZone(zoneId, d.setBitmapGroup));
            });
            break;
        case LEDCommandType::SetMatrixTextGroup:
            ForEachZoneInGroup(d.setMatrixTextGroup.groupId, [&](uint16_t zoneId) {
                return ApplyMatrixText_(zoneId, TextForZone(zoneId, d.setMatrixTextGroup));
            });
            break;
        case LEDCommandType::SetDirectBuffer:
        default: break;  // the simulation keeps no pixels, so raw LED data has nowhere to go
    }
}

bool PavonixSimDevice::ForEachZoneInGroup(uint16_t groupId, const std::function<bool(uint16_t)>& fn) {
    auto group = m_groups.find(groupId);
    if (group == m_groups.end() || group->second.empty()) {
        EmitLedError(Eventing::ErrorType::EntityNotFound, "Group", DescribeGroup(groupId));
        return false;
    }
    // Zones before a failing one keep their new look; the failing zone's own check
    // has already said why, so the group adds no event of its own.
    for (uint16_t zoneId : group->second) {
        if (!fn(zoneId)) return false;
    }
    return true;
}

// ---- 3. Per-zone apply steps ----

ZoneState* PavonixSimDevice::FindZoneState_(uint16_t zoneId) {
    auto zone = m_zones.find(zoneId);
    return zone == m_zones.end() ? nullptr : &zone->second;
}

bool PavonixSimDevice::ApplyColor_(uint16_t zoneId, AnimationColor color) {
    StopSequencePlayback(zoneId);
    // A color suits strips and matrices alike; only an unknown zone is refused.
    if (!m_zoneTypes.contains(zoneId)) {
        EmitLedError(Eventing::ErrorType::EntityNotFound, "Zone", DescribeZone(zoneId));
        return false;
    }
    ZoneState* zone = FindZoneState_(zoneId);
    if (zone == nullptr) return false;

    zone->applied = Zeroed<SetAnimationData>();
    zone->applied.zoneId = zoneId;
    zone->applied.animationId = FillAnimationId();
    zone->applied.color = color;
    zone->lastCommand = LEDCommandType::SetColor;
    zone->lastColor = color;
    zone->lastSequenceId = 0;
    zone->lastBitmap = Zeroed<SetBitmapData>();
    zone->lastMatrixText = Zeroed<SetMatrixTextData>();
    zone->running = false;
    zone->timeMs = 0.0f;
    return true;
}

bool PavonixSimDevice::ApplyAnimation_(uint16_t zoneId, const SetAnimationData& data, bool stopSequence) {
    if (stopSequence) StopSequencePlayback(zoneId);
    if (!ValidateZone(zoneId, ZoneType::Strip) || !ValidateAnimationId(data.animationId)) return false;
    ZoneState* zone = FindZoneState_(zoneId);
    if (zone == nullptr) return false;

    zone->applied = data;
    zone->lastCommand = LEDCommandType::SetAnimation;
    zone->lastColor = data.color;
    if (stopSequence) zone->lastSequenceId = 0;
    zone->lastBitmap = Zeroed<SetBitmapData>();
    zone->lastMatrixText = Zeroed<SetMatrixTextData>();
    // A one-shot animation runs too: the panel holds it on its last state once a
    // full pass has been shown.
    zone->running = true;
    zone->timeMs = 0.0f;
    return true;
}

bool PavonixSimDevice::ApplySequence_(uint16_t zoneId, uint16_t sequenceId) {
    StopSequencePlayback(zoneId);
    if (!ValidateZone(zoneId, ZoneType::Strip) || !ValidateSequenceId(sequenceId)) return false;

    SequencePlaybackState& playback = m_sequencePlayback[zoneId];
    playback = SequencePlaybackState{&m_sequenceDefs.at(sequenceId), 0, 0};
    if (ApplySequenceStep(zoneId, playback)) {
        ZoneState& zone = m_zones.at(zoneId);
        zone.lastCommand = LEDCommandType::SetAnimationSequence;
        zone.lastSequenceId = sequenceId;
        zone.running = true;
        return true;
    }
    // The first step's own check has reported why it cannot play.
    m_sequencePlayback.erase(zoneId);
    if (ZoneState* zone = FindZoneState_(zoneId)) zone->lastSequenceId = 0;
    return false;
}

bool PavonixSimDevice::ApplyBitmap_(uint16_t zoneId, const SetBitmapData& data) {
    StopSequencePlayback(zoneId);
    if (!ValidateZone(zoneId, ZoneType::Matrix) || !ValidateBitmapId(data.bitmapId)) return false;
    ZoneState* zone = FindZoneState_(zoneId);
    if (zone == nullptr) return false;

    zone->lastCommand = LEDCommandType::SetBitmap;
    zone->lastBitmap = data;
    zone->lastBitmap.zoneId = zoneId;
    if (data.setColor) zone->lastColor = data.color;

    const auto bitmap = GetBitmapInfo(data.bitmapId);
    const bool animated = bitmap && bitmap->type == Configuration::BitmapType::Animated;
    const unsigned frameDelay = bitmap && bitmap->frameDelay ? *bitmap->frameDelay : 0u;
    ConsoleLogger::getInstance().logInfo(kLogKey, "ApplyBitmap_ zone=%u bitmapId=%u animated=%d frameDelay=%u",
                                         static_cast<unsigned>(zoneId), static_cast<unsigned>(data.bitmapId),
                                         animated ? 1 : 0, frameDelay);
    // Only an animated bitmap needs the clock; a static one is simply shown.
    zone->running = animated;
    zone->timeMs = 0.0f;
    return true;
}

bool PavonixSimDevice::ApplyMatrixText_(uint16_t zoneId, const SetMatrixTextData& data) {
    StopSequencePlayback(zoneId);
    if (!ValidateZone(zoneId, ZoneType::Matrix)) return false;
    ZoneState* zone = FindZoneState_(zoneId);
    if (zone == nullptr) return false;

    zone->lastCommand = LEDCommandType::SetMatrixText;
    zone->lastMatrixText = data;
    zone->lastMatrixText.zoneId = zoneId;
    // The text holds 24 characters at most; a larger count would send readers of the
    // state past the end of it and stretch the scroll over characters that are not there.
    zone->lastMatrixText.length = std::min(data.length, kMaxTextLength);
    zone->lastColor = data.color;
    zone->running = true;
    zone->timeMs = 0.0f;
    return true;
}

// ---- 4. Checks ----

bool PavonixSimDevice::ValidateZone(uint16_t zoneId, ZoneType expected) {
    auto type = m_zoneTypes.find(zoneId);
    if (type != m_zoneTypes.end() && type->second == expected) return true;
    // A zone of the wrong kind is reported exactly like an unknown one.
    EmitLedError(Eventing::ErrorType::EntityNotFound, "Zone", DescribeZone(zoneId));
    return false;
}

bool PavonixSimDevice::ValidateAnimationId(uint16_t animationId) {
    if (animationId == 0) {
        EmitLedError(Eventing::ErrorType::EntityNotFound, "Animation", "NONE");
        return false;
    }
    // The ids of all 27 built-in names, "NONE" included; the table never changes.
    static const std::unordered_set<uint16_t> kKnownAnimations = [] {
        std::unordered_set<uint16_t> ids;
        for (const auto& animation : Animation::BuiltInAnimations) ids.insert(IDCreator::createId(animation.id));
        return ids;
    }();
    if (kKnownAnimations.contains(animationId)) return true;
    EmitLedError(Eventing::ErrorType::EntityNotFound, "Animation", std::to_string(animationId));
    return false;
}

bool PavonixSimDevice::ValidateSequenceId(uint16_t sequenceId) {
    if (sequenceId != 0 && m_sequenceDefs.contains(sequenceId)) return true;
    EmitLedError(Eventing::ErrorType::EntityNotFound, "AnimSequence", std::to_string(sequenceId));
    return false;
}

bool PavonixSimDevice::ValidateBitmapId(uint16_t bitmapId) {
    // The bitmap table belongs to the configuration lock, which may be taken under
    // the LED-state lock held here.
    if (bitmapId != 0 && GetBitmapInfo(bitmapId)) return true;
    EmitLedError(Eventing::ErrorType::EntityNotFound, "Bitmap", std::to_string(bitmapId));
    return false;
}

// ---- 5. TryGetZone and StopSequencePlayback ----

bool PavonixSimDevice::TryGetZone(uint16_t zoneId, ZoneState& out) const {
    std::lock_guard<std::mutex> lock(m_ledStateMutex);
    auto zone = m_zones.find(zoneId);
    if (zone == m_zones.end()) return false;
    out = zone->second;
    return true;
}

void PavonixSimDevice::StopSequencePlayback(uint16_t zoneId) {
    m_sequencePlayback.erase(zoneId);
    if (ZoneState* zone = FindZoneState_(zoneId)) zone->lastSequenceId = 0;
}

}  // namespace orvek::internal
