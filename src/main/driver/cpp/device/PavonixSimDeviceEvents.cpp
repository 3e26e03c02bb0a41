// The simulated device's event queue (drained by API callers), its history (shown
// by the panel) and the heartbeat.

#include "device/PavonixSimDevice.h"

#include <algorithm>
#include <chrono>

#include <orvek/system/EventStatuses.h>

namespace orvek::internal {

namespace {

using Eventing::Event;
using Eventing::EventType;
using Eventing::Status;
using pavonix::sim::EventHistoryEntry;

constexpr size_t kMaxEventsPerList = 100;

double SteadySeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The status an event moves the device to once it is queued, if any.
std::optional<Status> StatusEffectOf(const Event& event) {
    switch (event.header.type) {
        case EventType::HeartBeat: return event.header.data.heartBeat.status;
        case EventType::Disabled: return Status::Error;
        default: {
            const auto row = SystemStatus::kEventStatuses.find(event.header.type);
            if (row == SystemStatus::kEventStatuses.end()) {
                return std::nullopt;
            }
            return row->second;
        }
    }
}

// Erases the first entry stamped exactly `timestampSec`; true when one was found.
bool EraseFirstStamped(std::deque<EventHistoryEntry>& list, double timestampSec) {
    const auto found = std::find_if(list.begin(), list.end(), [timestampSec](const EventHistoryEntry& entry) {
        return entry.timestampSec == timestampSec;
    });
    if (found == list.end()) {
        return false;
    }
    list.erase(found);
    return true;
}

}  // namespace

std::optional<Status> PavonixSimDevice::RecordEvent_(const Event& event) {
    EventHistoryEntry entry{event, 0.0};
    {
        std::lock_guard eventLock(m_eventMutex);
        // Stamped under the lock so both lists stay in time order across threads.
        entry.timestampSec = SteadySeconds();
        if (m_eventQueue.size() >= kMaxEventsPerList) {
            m_eventQueue.pop_front();
        }
        m_eventQueue.push_back(entry);
        if (m_eventHistory.size() >= kMaxEventsPerList) {
            m_eventHistory.pop_front();
        }
        m_eventHistory.push_back(std::move(entry));
    }
    return StatusEffectOf(event);
}

void PavonixSimDevice::PushEvent(const Event& event) {
    const std::optional<Status> status = RecordEvent_(event);
    if (status) {
        std::lock_guard ledLock(m_ledStateMutex);
        SetStatusLocked_(*status);
    }
}

void PavonixSimDevice::PushEventLocked_(const Event& event) {
    const std::optional<Status> status = RecordEvent_(event);
    if (status) {
        SetStatusLocked_(*status);
    }
}

bool PavonixSimDevice::TryPopLatestEvent(Event& out) {
    std::lock_guard eventLock(m_eventMutex);
    if (m_eventQueue.empty()) {
        return false;
    }
    out = std::move(m_eventQueue.back().event);
    m_eventQueue.pop_back();
    return true;
}

int PavonixSimDevice::TryPopAllEvents(Event* out, int maxCount) {
    // A negative count would otherwise come back as if that many events were taken.
    if (out == nullptr || maxCount <= 0) {
        return 0;
    }
    std::lock_guard eventLock(m_eventMutex);
    const int count = std::min(maxCount, static_cast<int>(m_eventQueue.size()));
    for (int i = 0; i < count; ++i) {
        out[i] = std::move(m_eventQueue.front().event);
        m_eventQueue.pop_front();
    }
    return count;
}

std::vector<EventHistoryEntry> PavonixSimDevice::PeekRecentEvents(size_t maxCount) const {
    std::lock_guard eventLock(m_eventMutex);
    const size_t count = std::min(maxCount, m_eventHistory.size());
    return std::vector<EventHistoryEntry>(m_eventHistory.end() - static_cast<std::ptrdiff_t>(count),
                                          m_eventHistory.end());
}

bool PavonixSimDevice::RemoveEventByTimestamp(double timestampSec) {
    std::lock_guard eventLock(m_eventMutex);
    const bool fromQueue = EraseFirstStamped(m_eventQueue, timestampSec);
    const bool fromHistory = EraseFirstStamped(m_eventHistory, timestampSec);
    return fromQueue || fromHistory;
}

void PavonixSimDevice::ClearAllEvents() {
    std::lock_guard eventLock(m_eventMutex);
    m_eventQueue.clear();
    m_eventHistory.clear();
}

// ---- Heartbeat ----

Event PavonixSimDevice::MakeHeartbeatEvent_(Status status) const {
    const Eventing::ConnectionType type = GetConnectionType();
    Event event;
    event.header.type = EventType::HeartBeat;
    event.header.data.heartBeat.status = status;
    event.header.data.heartBeat.enabled = 1;
    event.header.data.heartBeat.connectedUSB =
        (type == Eventing::ConnectionType::USB || type == Eventing::ConnectionType::WebUSB) ? 1 : 0;
    event.header.data.heartBeat.canOK = 1;
    return event;
}

void PavonixSimDevice::EmitHeartbeat() {
    std::lock_guard ledLock(m_ledStateMutex);
    EmitHeartbeatLocked_();
}

void PavonixSimDevice::EmitHeartbeatLocked_() {
    if (!GetConnected()) {
        return;
    }
    PushEventLocked_(MakeHeartbeatEvent_(GetStatus()));
    m_timeSinceLastHeartbeat = 0.0f;
}

}  // namespace orvek::internal
