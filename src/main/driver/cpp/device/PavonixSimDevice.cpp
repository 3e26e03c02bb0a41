// The simulated device's core: lifetime, the HAL simulated device, connection and
// status, the external-change checks and the handshake answer.

#include "device/PavonixSimDevice.h"

#include <array>
#include <cstring>

namespace orvek::internal {

namespace {

using Eventing::Status;
using pavonix::sim::kStatusOptions;

constexpr int32_t kInitialStatusIndex = 2;  // "Active"; reads Error until connected

constexpr std::array<const char*, 5> kConnectionTypeOptions{"USB", "WebUSB", "I2C", "CAN", "UART"};

constexpr std::array<const char*, kStatusOptions.size()> StatusLabels() {
    std::array<const char*, kStatusOptions.size()> labels{};
    for (size_t i = 0; i < kStatusOptions.size(); ++i) {
        labels[i] = kStatusOptions[i].label;
    }
    return labels;
}
constexpr std::array<const char*, kStatusOptions.size()> kStatusLabels = StatusLabels();

}  // namespace

int StatusToArrayIndex(Status status) {
    for (size_t i = 0; i < kStatusOptions.size(); ++i) {
        if (kStatusOptions[i].status == status) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

// ---- Lifetime ----

PavonixSimDevice* PavonixSimDevice::GetInstance() {
    static PavonixSimDevice device;
    return &device;
}

PavonixSimDevice::PavonixSimDevice() { OpenHalDevice_(); }

PavonixSimDevice::~PavonixSimDevice() = default;

void PavonixSimDevice::OpenHalDevice_() {
    // The old device must be gone before the new one registers: the HAL refuses a
    // second device of the same name.
    m_connected = hal::SimBoolean();
    m_connectionTypeEntry = hal::SimEnum();
    m_statusEntry = hal::SimEnum();
    m_channelCountValue = hal::SimInt();
    m_zoneCountValue = hal::SimInt();
    m_moduleCountValue = hal::SimInt();
    m_simDevice = hal::SimDevice();

    m_simDevice = hal::SimDevice("Pavonix", 0);
    m_connected = m_simDevice.CreateBoolean("Connected", hal::SimDevice::kOutput, false);
    m_connectionTypeEntry = m_simDevice.CreateEnum(
        "ConnectionType", hal::SimDevice::kBidir,
        std::span<const char* const>(kConnectionTypeOptions.data(), kConnectionTypeOptions.size()), 0);
    m_statusEntry = m_simDevice.CreateEnum("Status", hal::SimDevice::kBidir,
                                           std::span<const char* const>(kStatusLabels.data(), kStatusLabels.size()),
                                           kInitialStatusIndex);
    m_channelCountValue = m_simDevice.CreateInt("ChannelCount", hal::SimDevice::kOutput, 0);
    m_zoneCountValue = m_simDevice.CreateInt("ZoneCount", hal::SimDevice::kOutput, 0);
    m_moduleCountValue = m_simDevice.CreateInt("ModuleCount", hal::SimDevice::kOutput, 0);
}

void PavonixSimDevice::ResetForTesting() {
    {
        std::lock_guard ledLock(m_ledStateMutex);
        OpenHalDevice_();
        m_lastConnectedState = false;
        m_lastStatusValue = kInitialStatusIndex;
        m_timeSinceLastHeartbeat = 0.0f;
        m_connectionType = Eventing::ConnectionType::USB;
        m_sku = static_cast<uint16_t>(pavonix::sim::SimProductSku::kUnknown);
        std::lock_guard configLock(m_configMutex);
        ClearLedIndexes_();
        m_channels.clear();
        m_moduleConfig.clear();
        m_bitmapConfig.clear();
        m_appliedConfig.reset();
        m_configHash.fill(0);
        std::lock_guard eventLock(m_eventMutex);
        m_eventQueue.clear();
        m_eventHistory.clear();
    }
    {
        std::lock_guard uiLock(m_uiStateMutex);
        m_cachedAnimationNames.clear();
        m_animationNamesCached = false;
    }
    {
        std::lock_guard descriptorLock(m_moduleDescriptorMutex);
        m_moduleTypeDescriptors.clear();
    }
    std::lock_guard dataLock(m_moduleDataMutex);
    m_moduleData.clear();
}

// ---- Connection and status ----

void PavonixSimDevice::SetConnected(bool connected) {
    std::lock_guard ledLock(m_ledStateMutex);
    SetConnectedLocked_(connected);
}

void PavonixSimDevice::SetConnectedLocked_(bool connected) {
    const bool previous = GetConnected();
    m_connected.Set(connected);
    m_lastConnectedState = connected;
    // Connecting always means a live link, even when another tool had set a status.
    SetStatusLocked_(connected ? Status::Active : Status::Error);
    if (previous != connected) {
        PushConnectionEventLocked_(connected);
    }
    if (connected) {
        EmitHeartbeatLocked_();
    } else {
        m_timeSinceLastHeartbeat = 0.0f;
    }
}

bool PavonixSimDevice::GetConnected() const {
    // Without a HAL value the device still tracks its own connection.
    return m_connected ? m_connected.Get() : m_lastConnectedState.load();
}

void PavonixSimDevice::SetStatus(Status status) {
    std::lock_guard ledLock(m_ledStateMutex);
    SetStatusLocked_(status);
}

void PavonixSimDevice::SetStatusLocked_(Status status) {
    const int index = StatusToArrayIndex(status);
    if (m_statusEntry) {
        m_statusEntry.Set(index);
    }
    // Recorded together with the write, so the device's own change never looks external.
    m_lastStatusValue = index;
}

Status PavonixSimDevice::GetStatus() const {
    if (!GetConnected()) {
        return Status::Error;
    }
    return IntToStatus(m_statusEntry ? m_statusEntry.Get() : -1);
}

void PavonixSimDevice::SetStatusFromInt(int index) {
    std::lock_guard ledLock(m_ledStateMutex);
    SetStatusLocked_(IntToStatus(index));
    if (GetConnected()) {
        EmitHeartbeatLocked_();
    }
}

void PavonixSimDevice::SetConnectionType(Eventing::ConnectionType type) {
    m_connectionType.store(type);
    if (m_connectionTypeEntry) {
        m_connectionTypeEntry.Set(static_cast<int32_t>(type));
    }
}

Eventing::ConnectionType PavonixSimDevice::GetConnectionType() const {
    if (m_connectionTypeEntry) {
        return static_cast<Eventing::ConnectionType>(static_cast<uint8_t>(m_connectionTypeEntry.Get()));
    }
    return m_connectionType.load();
}

void PavonixSimDevice::SetSku(pavonix::sim::SimProductSku sku) { m_sku.store(static_cast<uint16_t>(sku)); }

Response::ResponseHandshakeInfo PavonixSimDevice::GetHandshakeInfo() const {
    Response::ResponseHandshakeInfo info;
    std::memset(&info, 0, sizeof(info));
    info.status.status = GetStatus();
    info.sku.sku = m_sku.load();
    info.serNumber.serialNumber = m_serialNumber;
    {
        std::lock_guard configLock(m_configMutex);
        std::memcpy(info.configHash.hash, m_configHash.data(), sizeof(info.configHash.hash));
    }
    info.assignedId.valid = 1;
    std::memcpy(info.assignedId.id, m_assignedId.data(), sizeof(info.assignedId.id));
    info.version.major = 4;
    info.version.minor = 1;
    info.version.patch = 0;
    return info;
}

// ---- Edits of the HAL values by other tools ----

void PavonixSimDevice::PushConnectionEventLocked_(bool connected) {
    Eventing::Event event;
    event.header.type = connected ? Eventing::EventType::Connected : Eventing::EventType::Disconnected;
    // connected.type and disconnected.type are the same byte of the payload union.
    event.header.data.connected.type = GetConnectionType();
    PushEventLocked_(event);
}

void PavonixSimDevice::CheckForExternalConnectionChanges() {
    std::lock_guard ledLock(m_ledStateMutex);
    CheckForExternalConnectionChangesLocked_();
}

void PavonixSimDevice::CheckForExternalConnectionChangesLocked_() {
    const bool current = GetConnected();
    if (current == m_lastConnectedState.load()) {
        return;
    }
    m_lastConnectedState = current;
    PushConnectionEventLocked_(current);
    if (current) {
        SetStatusLocked_(Status::Active);
        EmitHeartbeatLocked_();
    } else {
        SetStatusLocked_(Status::Error);
        m_timeSinceLastHeartbeat = 0.0f;
    }
}

void PavonixSimDevice::CheckForExternalStatusChanges() {
    std::lock_guard ledLock(m_ledStateMutex);
    CheckForExternalStatusChangesLocked_();
}

void PavonixSimDevice::CheckForExternalStatusChangesLocked_() {
    if (!m_statusEntry) {
        return;
    }
    const int32_t index = m_statusEntry.Get();
    if (index == m_lastStatusValue) {
        return;
    }
    m_lastStatusValue = index;
    // Announced even while disconnected; pushing it also rewrites an out-of-range
    // index to the one of Unknown.
    PushEventLocked_(MakeHeartbeatEvent_(IntToStatus(index)));
    if (GetConnected()) {
        EmitHeartbeatLocked_();
    }
}

// ---- Status table look-ups ----

Status PavonixSimDevice::IntToStatus(int index) {
    if (index < 0 || index >= static_cast<int>(kStatusOptions.size())) {
        return Status::Unknown;
    }
    return kStatusOptions[static_cast<size_t>(index)].status;
}

const char* PavonixSimDevice::StatusToString(Status status) {
    for (const auto& option : kStatusOptions) {
        if (option.status == status) {
            return option.label;
        }
    }
    return "Invalid";
}

}  // namespace orvek::internal
