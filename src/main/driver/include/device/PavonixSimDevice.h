#pragma once
// The one simulated LED and sensor controller of the process.
//
// Index of this header
//   1. Locks and their order
//   2. Lifetime (GetInstance, ResetForTesting)
//   3. Connection and status, HAL values, handshake
//   4. Event queue, history and heartbeat
//   5. Configuration indexing and read-only copies
//   6. Module descriptors and module data
//   7. Panel-side queries
//   8. LED commands and playback (PavonixSimDeviceLed.cpp, PavonixSimDevicePlayback.cpp)
//   9. Data members
//
// 1. Locks and their order
//   m_ledStateMutex          the zone, group, sequence and playback indexes, the
//                            connection bookkeeping and the heartbeat clock
//   m_configMutex            the applied configuration, channels, modules, bitmaps,
//                            the fingerprint, and the whole of ApplyConfiguration
//   m_eventMutex             the event queue and history
//   m_uiStateMutex           the animation-name cache
//   m_moduleDescriptorMutex  registered module field layouts
//   m_moduleDataMutex        pending module data records
//
//   The only nestings are, in this order and never the other way round:
//       m_ledStateMutex -> m_configMutex -> m_eventMutex
//   (any part of it in this order, e.g. m_ledStateMutex -> m_eventMutex).
//   m_eventMutex and the last three are leaves: nothing else is taken while
//   one of them is held.
//   Every mutex is plain and non-recursive, and is held only within one device
//   operation. Private helpers that end in "Locked_" expect m_ledStateMutex to be
//   held by their caller; public operations take what they need themselves, so a
//   public operation must never be called with m_ledStateMutex held.
//   The HAL values are read and written through the HAL's own calls, which are
//   thread-safe; m_connectionType and m_sku are sequentially consistent atomics.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include <hal/SimDevice.h>

#include <orvek/configuration/Configuration.h>
#include <orvek/domain/command/led/LEDCommand.h>
#include <orvek/domain/device/PavonixSimTypes.h>
#include <orvek/domain/event/Event.h>
#include <orvek/domain/event/EventType.h>
#include <orvek/domain/module/ModulePayloadDescriptor.h>
#include <orvek/domain/response/Response.h>

namespace orvek::internal {

namespace Animation {
struct AnimationInstance;
}  // namespace Animation

// The kStatusOptions index of `status` (its value plus 1); 0 for a value that is
// no status. Pure; any thread.
int StatusToArrayIndex(Eventing::Status status);

class PavonixSimDevice {
public:
    // ---- Resolved configuration records (built by ApplyConfiguration, run by Tick) ----

    // One resolved step of an animation sequence. Value-initialised: all zero.
    struct SequenceStep {
        const Animation::AnimationInstance* animation = nullptr;  // built-in, not owned; never null once stored
        uint16_t animationId = 0;                                 // id of the step's animation name
        Command::LED::AnimationColor color{};                     // the step's color or the animation's default
        uint16_t delay = 0;                                       // ms per animation state; 0: 1 ms while stepping
        bool reversed = false;
        bool hasRepeat = false;   // the configuration gave a repeat count
        uint8_t repeatCount = 0;  // meaningful only when hasRepeat
    };

    // A resolved animation sequence; a stored one has at least one step.
    struct SequenceDefinition {
        uint16_t id = 0;                  // id of the sequence name
        std::string name;                 // the configured sequence id text
        std::vector<SequenceStep> steps;  // in configuration order
    };

    // Where a zone's running sequence stands.
    struct SequencePlaybackState {
        const SequenceDefinition* definition = nullptr;  // held in m_sequenceDefs, not owned
        size_t stepIndex = 0;                            // index of the current step
        uint8_t repeatCounter = 0;                       // repeats done of the current step
    };

    using ModuleRecord = std::pair<uint16_t, std::vector<uint8_t>>;  // (unit id, little-endian payload)
    using Summary = std::pair<uint16_t, std::string>;                // (id, name) for the panel's lists

    // ---- 2. Lifetime ----

    // The one device, constructed on first use (thread-safe) and destroyed at exit.
    // Any thread.
    static PavonixSimDevice* GetInstance();

    // Test only: brings the device back to the state of a fresh process. Frees and
    // re-creates the HAL simulated device and its values (so a test can make the HAL
    // refuse them first), empties every list, index, cache and layout, and restores
    // every scalar to its initial value. Must not run concurrently with any other
    // operation of the device.
    void ResetForTesting();

    ~PavonixSimDevice();
    PavonixSimDevice(const PavonixSimDevice&) = delete;
    PavonixSimDevice& operator=(const PavonixSimDevice&) = delete;
    PavonixSimDevice(PavonixSimDevice&&) = delete;
    PavonixSimDevice& operator=(PavonixSimDevice&&) = delete;

    // ---- 3. Connection and status (any thread) ----

    // Writes "Connected" (also when unchanged), sets status Active or Error, emits a
    // Connected/Disconnected event only on a change, and a heartbeat when connected.
    void SetConnected(bool connected);
    // The "Connected" value (another tool may have written it); the device's own
    // record when the HAL refused the value.
    bool GetConnected() const;
    // Writes the status's kStatusOptions index to "Status"; emits nothing.
    void SetStatus(Eventing::Status status);
    // Error while disconnected; otherwise the status that "Status" holds (an index
    // outside 0..4 reads Unknown), or Unknown when the HAL refused "Status".
    Eventing::Status GetStatus() const;
    // Sets the status of kStatusOptions row `index` (outside 0..4: Unknown), then a
    // heartbeat when connected. Any int is accepted.
    void SetStatusFromInt(int index);
    // Publishes the connection kind; emits nothing.
    void SetConnectionType(Eventing::ConnectionType type);
    // "ConnectionType" narrowed to 8 bits, or the last type set when the HAL refused it.
    Eventing::ConnectionType GetConnectionType() const;
    // Records the product SKU reported by the handshake.
    void SetSku(pavonix::sim::SimProductSku sku);
    // The 55-byte handshake answer: status, SKU, serial number, fingerprint,
    // assigned id "SIM_DEVICE", version 4.1.0.
    Response::ResponseHandshakeInfo GetHandshakeInfo() const;
    // Notices a "Connected" written by another tool since the last look; called by
    // Tick on the GUI thread.
    void CheckForExternalConnectionChanges();
    // Notices a "Status" written by another tool since the last look; called by
    // Tick on the GUI thread. Does nothing when the HAL refused "Status".
    void CheckForExternalStatusChanges();
    // The status of kStatusOptions row `index`; Unknown outside 0..4. Pure.
    static Eventing::Status IntToStatus(int index);
    // The label of `status` ("Unknown" .. "Fatal"); "Invalid" for a value that is
    // no status. Pure; the text is static.
    static const char* StatusToString(Eventing::Status status);

    // ---- 4. Events (any thread) ----

    // Queues a copy of `event` for API callers and the history (100 entries each,
    // the oldest dropped when full), then lets HeartBeat, Disabled and the rows of
    // the event status table set the status.
    void PushEvent(const Eventing::Event& event);
    // Takes the newest queued event into `out`; false (out untouched) when empty.
    bool TryPopLatestEvent(Eventing::Event& out);
    // Takes up to `maxCount` queued events into out[0..], oldest first; returns how
    // many. A maxCount of 0 or less, or a null `out`, takes nothing and returns 0.
    // `out` must have room for maxCount events.
    int TryPopAllEvents(Eventing::Event* out, int maxCount);
    // Copies of the last min(maxCount, 100) history entries, oldest first.
    std::vector<pavonix::sim::EventHistoryEntry> PeekRecentEvents(size_t maxCount) const;
    // Erases the first queue entry and the first history entry stamped exactly
    // `timestampSec`; true when either list lost one.
    bool RemoveEventByTimestamp(double timestampSec);
    // Empties the queue and the history.
    void ClearAllEvents();
    // While connected, queues a HeartBeat with the current status and restarts the
    // heartbeat clock; while disconnected does nothing.
    void EmitHeartbeat();

    // ---- 5. Configuration (any thread) ----

    // Replaces the whole configuration: rebuilds every index, resets every zone to
    // its initial state, stops every sequence, publishes the counts and fingerprint.
    // Unresolved group members, empty groups and sequence steps naming no built-in
    // animation become EntityNotFound Error events and are left out. Ends with a
    // heartbeat when connected.
    void ApplyConfiguration(const Configuration::OrvekConfiguration& cfg);
    // Forgets the configuration (bitmaps excepted), zeroes the fingerprint and the
    // counts; emits nothing.
    void ClearConfiguration();
    // A copy of the applied channels, in configuration order.
    std::vector<Configuration::Channel> GetChannelsCopy() const;
    // A copy of the last applied configuration; empty before the first.
    std::optional<Configuration::OrvekConfiguration> GetAppliedConfiguration() const;
    // A copy of the bitmap configured under `bitmapId`, or nothing. May be called
    // with m_ledStateMutex held.
    std::optional<Configuration::Bitmap> GetBitmapInfo(uint16_t bitmapId) const;
    // The frame delay (ms) of that bitmap when it has one.
    std::optional<uint16_t> GetBitmapFrameDelay(uint16_t bitmapId) const;

    // ---- 6. Modules (any thread) ----

    // Sets the field layout of `moduleType`, replacing an earlier or built-in one.
    void RegisterModuleDescriptor(const std::string& moduleType, std::vector<module::ModuleFieldDescriptor> fields);
    // Each configured module (non-empty id and type) with its field layout:
    // registered, else built-in ("DigitalInput", "VL53L1X"), else none.
    std::vector<pavonix::sim::ConfiguredModule> GetConfiguredModules() const;
    // Stores one record under `moduleKey` (64 per key, the oldest dropped when
    // full). Any key, any payload bytes and length.
    void InjectModuleData(const std::string& moduleKey, uint16_t unitId, std::vector<uint8_t> payload);
    // A copy of the newest record under `moduleKey`, or nothing.
    std::optional<ModuleRecord> PeekLastModuleData(const std::string& moduleKey) const;
    // Swaps the key's pending records (oldest first) into `out`, which should be
    // empty; false with `out` untouched when the key has none.
    bool TryPopModuleData(const std::string& moduleKey, std::vector<ModuleRecord>& out);

    // ---- 7. Panel-side queries (any thread; fresh copies) ----

    // "None" and the 26 other built-in animation names, in enumeration order.
    std::vector<std::string> GetAnimationNames() const;
    // (id, name) of each applied sequence, by name as bytes, then id.
    std::vector<Summary> GetSequenceSummaries() const;
    // (id, id text) of each configured bitmap, by name as bytes, then id.
    std::vector<Summary> GetBitmapSummaries() const;

    // LED commands and playback (public)
    // ---- 8. Every operation here takes m_ledStateMutex for its whole duration; a
    //      rejected command is reported only as an EntityNotFound Error event ----

    // Shows `color` on a strip or matrix zone.
    void DispatchSetColor(uint16_t zoneId, Command::LED::AnimationColor color);
    // DispatchSetColor on each zone of the group, in order, up to the first failure.
    void DispatchSetGroupColor(uint16_t groupId, Command::LED::AnimationColor color);
    // Plays a built-in animation on a strip zone; delay in ms per state, 0: default.
    void DispatchSetAnimation(uint16_t zoneId, uint16_t animationId, uint16_t delay, Command::LED::AnimationColor color,
                              bool reversed, bool oneShot);
    // DispatchSetAnimation on each zone of the group, in order, up to the first failure.
    void DispatchSetGroupAnimation(uint16_t groupId, uint16_t animationId, uint16_t delay,
                                   Command::LED::AnimationColor color, bool reversed, bool oneShot);
    // Starts a configured sequence on a strip zone.
    void DispatchSetAnimationSequence(uint16_t zoneId, uint16_t sequenceId);
    // DispatchSetAnimationSequence on each zone of the group, up to the first failure.
    void DispatchSetGroupAnimationSequence(uint16_t groupId, uint16_t sequenceId);
    // Shows a configured bitmap on a matrix zone, optionally setting the zone color.
    void DispatchSetBitmap(uint16_t zoneId, uint16_t bitmapId, Command::LED::AnimationColor color, bool setColor,
                           bool oneShot);
    // DispatchSetBitmap on each zone of the group, up to the first failure.
    void DispatchSetGroupBitmap(uint16_t groupId, uint16_t bitmapId, Command::LED::AnimationColor color, bool setColor,
                                bool oneShot);
    // Scrolls `data`'s text on a matrix zone; `zoneId` overrides data.zoneId. A
    // length past 24 is held to the 24 characters the text holds.
    void DispatchSetMatrixText(uint16_t zoneId, const Command::LED::SetMatrixTextData& data);
    // DispatchSetMatrixText on each zone of the group; `groupId` overrides data.groupId.
    void DispatchSetGroupMatrixText(uint16_t groupId, const Command::LED::SetMatrixTextGroupData& data);
    // Copies the zone's state into `out`; false (out untouched) for an unknown zone.
    bool TryGetZone(uint16_t zoneId, pavonix::sim::ZoneState& out) const;
    // One frame of the device clock, on the GUI thread: external HAL edits, the
    // heartbeat, zone and text clocks, sequence steps. deltaMs: frame time in ms;
    // a negative or non-finite frame advances no clock.
    void Tick(float deltaMs);
    // End of LED commands and playback (public)

private:
    PavonixSimDevice();

    // ---- Core helpers (PavonixSimDevice.cpp) ----

    // (Re)creates the HAL simulated device and its six values; any may be refused.
    void OpenHalDevice_();
    // SetStatus; call with m_ledStateMutex held.
    void SetStatusLocked_(Eventing::Status status);
    // SetConnected; call with m_ledStateMutex held.
    void SetConnectedLocked_(bool connected);
    // Queues a Connected or Disconnected event carrying the connection type; call
    // with m_ledStateMutex held.
    void PushConnectionEventLocked_(bool connected);
    // The external-change checks; call with m_ledStateMutex held (Tick does).
    void CheckForExternalConnectionChangesLocked_();
    void CheckForExternalStatusChangesLocked_();

    // ---- Event helpers (PavonixSimDeviceEvents.cpp) ----

    // Appends to the queue and the history under m_eventMutex only; returns the
    // status the event's type sets, if any.
    std::optional<Eventing::Status> RecordEvent_(const Eventing::Event& event);
    // PushEvent; call with m_ledStateMutex held.
    void PushEventLocked_(const Eventing::Event& event);
    // EmitHeartbeat; call with m_ledStateMutex held.
    void EmitHeartbeatLocked_();
    // A HeartBeat event carrying `status` and the current connection kind.
    Eventing::Event MakeHeartbeatEvent_(Eventing::Status status) const;

    // ---- Configuration helpers (PavonixSimDeviceConfig.cpp); call with m_ledStateMutex
    //      and m_configMutex held ----

    // Empties every LED index and ends every sequence.
    void ClearLedIndexes_();
    void IndexZonesAndChannelGroups_();
    void IndexConfiguredGroups_(const Configuration::OrvekConfiguration& cfg);
    void IndexSequences_(const Configuration::OrvekConfiguration& cfg);
    void PublishCounts_();
    // Writes the MD5 fingerprint of the channels' LED layout into m_configHash.
    void RecalculateConfigHash();

    // ---- Shared by configuration indexing and LED commands (PavonixSimDeviceConfig.cpp) ----

    // The first built-in animation whose name's id is `animationId`; null for 0 or
    // none. Lock-free (immutable tables).
    const Animation::AnimationInstance* FindAnimationByHash(uint16_t animationId) const;
    // Queues an Error event of `type` whose message is `entity` (cut to 15
    // characters) and whose extra message is "entity detail". Call with
    // m_ledStateMutex held.
    void EmitLedError(Eventing::ErrorType type, const std::string& entity, const std::string& detail);
    // The zone's configured name, or "#" and its decimal id. Call with m_ledStateMutex held.
    std::string DescribeZone(uint16_t zoneId) const;
    // The group's configured name, or "#" and its decimal id. Call with m_ledStateMutex held.
    std::string DescribeGroup(uint16_t groupId) const;

    // LED commands and playback (private)
    // Implemented in PavonixSimDeviceLed.cpp and PavonixSimDevicePlayback.cpp. Every
    // private operation of this block expects m_ledStateMutex to be held by its caller
    // (the Dispatch* operations, TryGetZone and Tick take it); error events go out
    // through EmitLedError, heartbeats through EmitHeartbeatLocked_.

    // Zero-fills a command, sets `type`, lets `fill` write the payload, applies it.
    template <typename Fill>
    void BuildAndApplyLed_(Command::LED::LEDCommandType type, Fill&& fill);
    // Routes one command to the per-zone apply steps; the outcome is dropped.
    void ApplyLED_(const Command::LED::LEDCommand& cmd);
    // Runs `fn` on each zone of the group in order, stopping at the first false;
    // an unknown or empty group is a "Group" error and gives false.
    bool ForEachZoneInGroup(uint16_t groupId, const std::function<bool(uint16_t)>& fn);
    // Per-zone apply steps: true when the zone's state changed.
    bool ApplyColor_(uint16_t zoneId, Command::LED::AnimationColor color);
    bool ApplyAnimation_(uint16_t zoneId, const Command::LED::SetAnimationData& data, bool stopSequence);
    bool ApplySequence_(uint16_t zoneId, uint16_t sequenceId);
    bool ApplyBitmap_(uint16_t zoneId, const Command::LED::SetBitmapData& data);
    bool ApplyMatrixText_(uint16_t zoneId, const Command::LED::SetMatrixTextData& data);
    // Ends the zone's sequence, if any, and clears its lastSequenceId.
    void StopSequencePlayback(uint16_t zoneId);
    // Checks: true when passed, otherwise one EntityNotFound event and false.
    bool ValidateZone(uint16_t zoneId, Configuration::ZoneType expected);
    bool ValidateAnimationId(uint16_t animationId);
    bool ValidateSequenceId(uint16_t sequenceId);
    bool ValidateBitmapId(uint16_t bitmapId);
    // Keeps a scrolling text's clock within its cycle.
    void UpdateMatrixTextRuntime(uint16_t zoneId, pavonix::sim::ZoneState& state);
    // Steps every playing sequence once.
    void UpdateSequencePlayback();
    // Applies the current step of `state` to the zone; false when it cannot.
    bool ApplySequenceStep(uint16_t zoneId, SequencePlaybackState& state);
    // The zone's state after the checks passed; null (and no event) when it has none.
    pavonix::sim::ZoneState* FindZoneState_(uint16_t zoneId);
    // Heartbeat part of Tick: counts while connected, restarts at 0 otherwise.
    void AdvanceHeartbeatClock_(float deltaMs);
    // One sequence entry per tick: false when the entry is to be removed.
    bool AdvanceSequence_(uint16_t zoneId, SequencePlaybackState& playback);
    // Milliseconds of one full pass of `step` on the zone (states x delay, 0 delay as 1).
    uint64_t StepPassMs_(uint16_t zoneId, const SequenceStep& step) const;
    // The animation command a sequence step plays on `zoneId`, one-shot clear.
    static Command::LED::SetAnimationData StepAnimationData_(uint16_t zoneId, const SequenceStep& step);

    // Test only: sees every command ApplyLED_ receives, with m_ledStateMutex held;
    // empty in the library. Tests reach it and ApplyLED_ through LedCommandTestAccess.
    std::function<void(const Command::LED::LEDCommand&)> m_appliedCommandProbe;
    friend struct LedCommandTestAccess;
    // End of LED commands and playback (private)

    // ---- 9. Data members, in declaration order; the comment names the guarding lock ----

    hal::SimDevice m_simDevice;          // HAL: "Pavonix[0]"
    hal::SimBoolean m_connected;         // HAL: "Connected", output
    hal::SimEnum m_connectionTypeEntry;  // HAL: "ConnectionType", bidirectional
    hal::SimEnum m_statusEntry;          // HAL: "Status" (kStatusOptions index), bidirectional
    hal::SimInt m_channelCountValue;     // HAL: "ChannelCount", output
    hal::SimInt m_zoneCountValue;        // HAL: "ZoneCount", output
    hal::SimInt m_moduleCountValue;      // HAL: "ModuleCount", output

    // Serialises the LED state (m_zones, m_groups, m_zoneTypes, m_zoneNames,
    // m_groupNames, m_zoneStripLengths, m_sequenceDefs, m_sequencePlayback,
    // m_zoneMatrixInfo), the connection bookkeeping (writes of m_lastConnectedState,
    // m_lastStatusValue, and every connect, disconnect and status change with the
    // event it emits) and m_timeSinceLastHeartbeat. Taken first: before
    // m_configMutex and m_eventMutex.
    mutable std::mutex m_ledStateMutex;

    mutable std::mutex m_configMutex;  // guards the four members below and m_configHash
    std::vector<Configuration::Channel> m_channels;
    std::vector<std::pair<std::string, std::string>> m_moduleConfig;  // (id, type), in order
    std::unordered_map<uint16_t, Configuration::Bitmap> m_bitmapConfig;
    std::optional<Configuration::OrvekConfiguration> m_appliedConfig;

    mutable std::mutex m_eventMutex;                             // guards the two lists below
    std::deque<pavonix::sim::EventHistoryEntry> m_eventQueue;    // for API callers, <= 100
    std::deque<pavonix::sim::EventHistoryEntry> m_eventHistory;  // for the panel, <= 100

    std::unordered_map<uint16_t, pavonix::sim::ZoneState> m_zones;  // LED state
    // Written under m_ledStateMutex; atomic because GetConnected reads it without a
    // lock when the HAL refused "Connected".
    std::atomic<bool> m_lastConnectedState{false};
    int32_t m_lastStatusValue = 2;  // LED state lock; last "Status" index known
    std::atomic<Eventing::ConnectionType> m_connectionType{Eventing::ConnectionType::USB};

    mutable std::mutex m_uiStateMutex;  // guards the two members below
    mutable std::vector<std::string> m_cachedAnimationNames;
    mutable bool m_animationNamesCached = false;

    std::array<uint8_t, 16> m_configHash{};  // m_configMutex
    const std::array<char, 24> m_assignedId{'S', 'I', 'M', '_', 'D', 'E', 'V', 'I', 'C', 'E'};
    const uint64_t m_serialNumber = 0x53494D4445560001ULL;  // "SIMDEV" then 0x0001
    float m_timeSinceLastHeartbeat = 0.0f;                  // LED state lock; ms since the last heartbeat
    const uint32_t m_heartbeatInterval = 5000;              // ms

    mutable std::mutex m_moduleDescriptorMutex;  // guards the member below
    std::unordered_map<std::string, std::vector<module::ModuleFieldDescriptor>> m_moduleTypeDescriptors;

    // LED state (m_ledStateMutex); written by ApplyConfiguration under m_configMutex too.
    std::unordered_map<uint16_t, std::vector<uint16_t>> m_groups;
    std::unordered_map<uint16_t, Configuration::ZoneType> m_zoneTypes;
    std::unordered_map<uint16_t, std::string> m_zoneNames;
    std::unordered_map<uint16_t, std::string> m_groupNames;
    std::unordered_map<uint16_t, uint16_t> m_zoneStripLengths;
    // Written only with both m_ledStateMutex and m_configMutex held, so it may also
    // be read under m_configMutex alone.
    std::unordered_map<uint16_t, SequenceDefinition> m_sequenceDefs;
    std::unordered_map<uint16_t, SequencePlaybackState> m_sequencePlayback;
    std::unordered_map<uint16_t, Configuration::ZoneMatrix> m_zoneMatrixInfo;
    std::atomic<uint16_t> m_sku{static_cast<uint16_t>(pavonix::sim::SimProductSku::kUnknown)};

    mutable std::mutex m_moduleDataMutex;  // guards the member below
    std::unordered_map<std::string, std::vector<ModuleRecord>> m_moduleData;
};

}  // namespace orvek::internal
