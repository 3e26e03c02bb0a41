#pragma once
// Event kinds and device statuses, as they cross the native interface and to Java.

#include <cstdint>

namespace orvek::internal::Eventing {

// One bit per kind (BeginInitialization is 0); an event carries exactly one.
enum class EventType : uint32_t {
    BeginInitialization = 0,
    FinishInitialization = 1,
    Enabled = 2,
    Disabled = 4,
    Connected = 8,
    Disconnected = 16,
    Error = 32,
    FatalError = 64,
    RegisteredEntity = 128,
    Custom = 256,
    PinInterrupt = 512,
    HeartBeat = 1024,
    OTA = 2048,
    Module = 4096,
};

// The device's status. Its index in pavonix::sim::kStatusOptions is the value plus 1.
enum class Status : int8_t {
    Unknown = -1,
    Booting = 0,
    Active = 1,
    Error = 2,
    Fatal = 3,
};

}  // namespace orvek::internal::Eventing
