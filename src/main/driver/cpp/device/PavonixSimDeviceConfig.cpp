// Configuration indexing: turns an applied configuration into the id-keyed
// indexes that LED commands, the clock and the panel use, publishes the counts
// and computes the fingerprint of the LED layout. Also the look-ups and the error
// event that indexing shares with the LED commands.
//
// Index: ApplyConfiguration and its steps; ClearConfiguration; read-only copies;
//        fingerprint; FindAnimationByHash, EmitLedError, DescribeZone/Group.

#include "device/PavonixSimDevice.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>

#include <orvek/led/BuiltInAnimations.h>
#include <orvek/util/hashing/IDCreator.h>
#include <orvek/util/hashing/MD5.h>

namespace orvek::internal {

namespace {

namespace cfg = Configuration;
using Command::LED::AnimationColor;
using Command::LED::LEDCommandType;
using pavonix::sim::ZoneState;

constexpr uint8_t kUnsetBrightness = 255;

// A zone nothing has been sent to yet: black, nothing running.
ZoneState InitialZoneState(uint16_t zoneId) {
    auto state = Command::LED::Zeroed<ZoneState>();
    state.applied.zoneId = zoneId;
    state.lastCommand = LEDCommandType::SetColor;
    return state;
}

int32_t CountForHal(size_t count) { return static_cast<int32_t>(std::min<size_t>(count, INT32_MAX)); }

// The three feeders of the fingerprint's byte stream.
class FingerprintFeeder {
public:
    void Text(const std::string& text) {
        if (!text.empty()) {
            m_md5.Update(text.data(), static_cast<uint32_t>(text.size()));
        }
    }
    void Byte(uint8_t value) { m_md5.Update(&value, 1); }
    void Word(uint16_t value) {
        const uint8_t bytes[2] = {static_cast<uint8_t>(value & 0xFF), static_cast<uint8_t>(value >> 8)};
        m_md5.Update(bytes, 2);
    }
    void Finish(std::array<uint8_t, 16>& digest) { m_md5.Finalize(digest.data()); }

private:
    MD5 m_md5;
};

// The ids of BuiltInAnimations' names, in table order, hashed once.
const std::array<uint16_t, led::kAnimationCount>& BuiltInAnimationIds() {
    static const std::array<uint16_t, led::kAnimationCount> ids = [] {
        std::array<uint16_t, led::kAnimationCount> result{};
        for (size_t i = 0; i < result.size() && i < Animation::BuiltInAnimations.size(); ++i) {
            result[i] = IDCreator::createId(Animation::BuiltInAnimations[i].id);
        }
        return result;
    }();
    return ids;
}

}  // namespace

// ---- ApplyConfiguration ----

void PavonixSimDevice::ApplyConfiguration(const cfg::OrvekConfiguration& config) {
    std::lock_guard ledLock(m_ledStateMutex);
    std::lock_guard configLock(m_configMutex);

    if (config.channels) {
        m_channels = *config.channels;
    } else {
        m_channels.clear();
    }
    m_moduleConfig.clear();
    m_bitmapConfig.clear();
    if (config.sensors) {
        for (const cfg::Module& module : *config.sensors) {
            if (!module.id.empty() && !module.type.empty()) {
                m_moduleConfig.emplace_back(module.id, module.type);
            }
        }
    }
    m_appliedConfig = config;
    if (config.bitmaps) {
        for (const cfg::Bitmap& bitmap : *config.bitmaps) {
            m_bitmapConfig[IDCreator::createId(bitmap.id)] = bitmap;
        }
    }

    ClearLedIndexes_();
    IndexZonesAndChannelGroups_();
    IndexConfiguredGroups_(config);
    IndexSequences_(config);
    PublishCounts_();
    RecalculateConfigHash();
    EmitHeartbeatLocked_();
}

void PavonixSimDevice::ClearLedIndexes_() {
    // Playback points into m_sequenceDefs, so it goes first.
    m_sequencePlayback.clear();
    m_zones.clear();
    m_groups.clear();
    m_zoneTypes.clear();
    m_zoneNames.clear();
    m_groupNames.clear();
    m_zoneStripLengths.clear();
    m_sequenceDefs.clear();
    m_zoneMatrixInfo.clear();
}

void PavonixSimDevice::IndexZonesAndChannelGroups_() {
    for (const cfg::Channel& channel : m_channels) {
        std::vector<uint16_t> members;
        members.reserve(channel.zones.size());
        for (const cfg::Zone& zone : channel.zones) {
            const uint16_t zoneId = IDCreator::createId(zone.id);
            // A repeated zone id keeps its first state; its type, name and size are the last ones.
            m_zones.try_emplace(zoneId, InitialZoneState(zoneId));
            m_zoneTypes[zoneId] = zone.type;
            m_zoneNames[zoneId] = zone.id;
            if (zone.type == cfg::ZoneType::Matrix) {
                m_zoneMatrixInfo[zoneId] = zone.matrix;
                m_zoneStripLengths.erase(zoneId);
            } else {
                m_zoneStripLengths[zoneId] = zone.strip.length;
                m_zoneMatrixInfo.erase(zoneId);
            }
            members.push_back(zoneId);
        }
        if (!members.empty()) {
            const uint16_t groupId = IDCreator::createId(channel.id);
            m_groups[groupId] = std::move(members);
            m_groupNames[groupId] = channel.id;
        }
    }
}

void PavonixSimDevice::IndexConfiguredGroups_(const cfg::OrvekConfiguration& config) {
    if (!config.animationGroups) {
        return;
    }
    for (const cfg::AnimationGroup& group : *config.animationGroups) {
        std::vector<uint16_t> members;
        for (const std::string& name : group.zoneIds) {
            const uint16_t zoneId = IDCreator::createId(name);
            if (m_zones.find(zoneId) == m_zones.end()) {
                EmitLedError(Eventing::ErrorType::EntityNotFound, "Zone", name);
                continue;
            }
            members.push_back(zoneId);
        }
        if (members.empty()) {
            EmitLedError(Eventing::ErrorType::EntityNotFound, "Group", group.id);
            continue;
        }
        const uint16_t groupId = IDCreator::createId(group.id);
        m_groups[groupId] = std::move(members);
        m_groupNames[groupId] = group.id;
    }
}

void PavonixSimDevice::IndexSequences_(const cfg::OrvekConfiguration& config) {
    if (!config.sequences) {
        return;
    }
    for (const cfg::AnimationSequence& sequence : *config.sequences) {
        SequenceDefinition definition;
        definition.id = IDCreator::createId(sequence.id);
        definition.name = sequence.id;
        bool failed = false;
        for (const cfg::Animation& configured : sequence.steps) {
            SequenceStep step{};
            step.animationId = IDCreator::createId(configured.id);
            step.animation = FindAnimationByHash(step.animationId);
            if (step.animation == nullptr) {
                EmitLedError(Eventing::ErrorType::EntityNotFound, "Animation", configured.id);
                failed = true;
                break;
            }
            const domain::Color color = configured.color.value_or(step.animation->defaultColor);
            step.color = AnimationColor{color.r, color.g, color.b};
            step.delay = configured.delay;
            step.reversed = configured.reversed;
            step.hasRepeat = configured.repeatCount.has_value();
            step.repeatCount = configured.repeatCount.value_or(0);
            definition.steps.push_back(step);
        }
        if (!failed && !definition.steps.empty()) {
            const uint16_t sequenceId = definition.id;
            m_sequenceDefs[sequenceId] = std::move(definition);
        }
    }
}

void PavonixSimDevice::PublishCounts_() {
    if (m_channelCountValue) {
        m_channelCountValue.Set(CountForHal(m_channels.size()));
    }
    if (m_zoneCountValue) {
        m_zoneCountValue.Set(CountForHal(m_zones.size()));
    }
    if (m_moduleCountValue) {
        m_moduleCountValue.Set(CountForHal(m_moduleConfig.size()));
    }
}

// ---- ClearConfiguration ----

void PavonixSimDevice::ClearConfiguration() {
    std::lock_guard ledLock(m_ledStateMutex);
    std::lock_guard configLock(m_configMutex);
    m_channels.clear();
    m_moduleConfig.clear();
    ClearLedIndexes_();
    m_configHash.fill(0);
    m_appliedConfig.reset();
    // m_bitmapConfig stays: the panel may still be drawing the last bitmaps.
    PublishCounts_();
}

// ---- Read-only copies ----

std::vector<cfg::Channel> PavonixSimDevice::GetChannelsCopy() const {
    std::lock_guard configLock(m_configMutex);
    return m_channels;
}

std::optional<cfg::OrvekConfiguration> PavonixSimDevice::GetAppliedConfiguration() const {
    std::lock_guard configLock(m_configMutex);
    return m_appliedConfig;
}

std::optional<cfg::Bitmap> PavonixSimDevice::GetBitmapInfo(uint16_t bitmapId) const {
    std::lock_guard configLock(m_configMutex);
    const auto found = m_bitmapConfig.find(bitmapId);
    if (found == m_bitmapConfig.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::optional<uint16_t> PavonixSimDevice::GetBitmapFrameDelay(uint16_t bitmapId) const {
    const std::optional<cfg::Bitmap> bitmap = GetBitmapInfo(bitmapId);
    if (!bitmap) {
        return std::nullopt;
    }
    return bitmap->frameDelay;
}

// ---- Fingerprint ----

void PavonixSimDevice::RecalculateConfigHash() {
    FingerprintFeeder feed;
    for (const cfg::Channel& channel : m_channels) {
        feed.Text(channel.id);
        feed.Word(channel.length);
        feed.Byte(channel.brightness.value_or(kUnsetBrightness));
        for (const cfg::Zone& zone : channel.zones) {
            feed.Text(zone.id);
            feed.Byte(static_cast<uint8_t>(zone.type));
            feed.Byte(zone.brightness.value_or(kUnsetBrightness));
            if (zone.type != cfg::ZoneType::Strip) {
                feed.Word(zone.matrix.rows);
                feed.Word(zone.matrix.cols);
                feed.Byte(zone.matrix.orientation);
            } else {
                feed.Word(zone.strip.length);
                feed.Byte(zone.strip.reversed ? 1 : 0);
            }
        }
    }
    feed.Finish(m_configHash);
}

// ---- Shared with the LED commands ----

const Animation::AnimationInstance* PavonixSimDevice::FindAnimationByHash(uint16_t animationId) const {
    if (animationId == 0) {
        return nullptr;
    }
    const auto& ids = BuiltInAnimationIds();
    for (size_t i = 0; i < ids.size() && i < Animation::BuiltInAnimations.size(); ++i) {
        if (ids[i] == animationId) {
            return &Animation::BuiltInAnimations[i];
        }
    }
    return nullptr;
}

void PavonixSimDevice::EmitLedError(Eventing::ErrorType type, const std::string& entity, const std::string& detail) {
    Eventing::Event event;
    event.header.type = Eventing::EventType::Error;
    event.header.data.error.type = type;
    char* message = event.header.data.error.message;
    const size_t length = strnlen(entity.c_str(), Eventing::kEventMessageSize - 1);
    std::memcpy(message, entity.data(), length);
    message[length] = '\0';
    const std::string extra = detail.empty() ? entity : entity + " " + detail;
    event.setExtraMessage(extra.c_str());
    PushEventLocked_(event);
}

std::string PavonixSimDevice::DescribeZone(uint16_t zoneId) const {
    const auto found = m_zoneNames.find(zoneId);
    return found != m_zoneNames.end() ? found->second : "#" + std::to_string(zoneId);
}

std::string PavonixSimDevice::DescribeGroup(uint16_t groupId) const {
    const auto found = m_groupNames.find(groupId);
    return found != m_groupNames.end() ? found->second : "#" + std::to_string(groupId);
}

}  // namespace orvek::internal
