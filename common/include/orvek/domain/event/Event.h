#pragma once
// The event record: a packed 22-byte header that crosses the native interface
// by value, plus a shared extra message.
//
// Contents: enumerations, payload records, EventData/EventHeader, Event.

#include <orvek/domain/event/EventType.h>
#include <orvek/domain/event/ExtraMessagePayload.h>

#include <cstddef>
#include <cstdint>

namespace orvek::internal::Eventing {

enum class DisabledCause : uint8_t { NoHeartbeat = 0, Manual = 1, EStop = 2, Restart = 3 };

enum class ConnectionType : uint8_t { USB = 0, WebUSB = 1, I2C = 2, CAN = 3, UART = 4 };

enum class ErrorType : uint8_t {
    FileNotFound = 0,
    InvalidFile = 1,
    EntityNotFound = 2,
    DeviceMalfunction = 3,
    QueueFull = 4,
    LedStrip = 5,
    LedMatrix = 6,
    InvalidAnimationSequence = 7,
    InvalidChannel = 8,
    DuplicateID = 9,
    InvalidConfigUpload = 10,
    ModuleError = 11,
};

enum class FatalErrorType : uint8_t { InitError = 0, BadConfig = 1, StartTask = 2, CreateQueue = 3 };

// Size of the text of error payloads: at most 15 characters and a NUL.
inline constexpr size_t kEventMessageSize = 16;

#pragma pack(push, 1)

struct BeginInitInfo {};
struct FinishInitInfo {};
struct EnabledInfo {};
struct DisabledInfo {
    DisabledCause cause;
};
struct ConnectedInfo {
    ConnectionType type;
};
struct DisconnectedInfo {
    ConnectionType type;
};
struct ErrorInfo {
    ErrorType type;
    char message[kEventMessageSize];
};
struct FatalErrorInfo {
    FatalErrorType type;
    char message[kEventMessageSize];
};
struct RegisteredEntityInfo {
    uint16_t id;
};
struct CustomInfo {
    uint8_t type;
    uint8_t data[16];
    uint8_t length;  // valid bytes in data, 0..16
};
struct PinInterruptInfo {
    uint8_t pin;
    void* param;  // never read by this library
};
struct HeartBeatInfo {
    Status status;
    uint8_t enabled;
    uint8_t connectedUSB;
    uint8_t canOK;
};

// Only the member named by the header's type is meaningful.
union EventData {
    BeginInitInfo beginInit;
    FinishInitInfo finishInit;
    EnabledInfo enabled;
    DisabledInfo disabled;
    ConnectedInfo connected;
    DisconnectedInfo disconnected;
    ErrorInfo error;
    FatalErrorInfo fatalError;
    RegisteredEntityInfo registeredEntity;
    CustomInfo custom;
    PinInterruptInfo pinInterrupt;
    HeartBeatInfo heartBeat;
};

struct EventHeader {
    EventType type;
    EventData data;
};

#pragma pack(pop)

static_assert(sizeof(EventData) == 18);
static_assert(sizeof(EventHeader) == 22);
static_assert(offsetof(EventHeader, data) == 4);

// An event value. Copies share the extra message by reference counting; a
// moved-from event keeps its header and loses its message. Not locked: the
// device guards its queues.
class Event {
public:
    EventHeader header;
    ExtraMessagePayload* extraMsg = nullptr;

    // Type BeginInitialization, payload zero, no extra message.
    Event();
    Event(const Event& other);
    Event(Event&& other) noexcept;
    Event& operator=(const Event& other);
    Event& operator=(Event&& other) noexcept;
    ~Event();

    // Replaces the extra message with a copy of `text` (cut to 65535 bytes);
    // null or empty leaves the event without one.
    void setExtraMessage(const char* text);

    bool hasExtraMessage() const { return extraMsg != nullptr; }
    // The message bytes, or null.
    const uint8_t* getExtraMessage() const { return extraMsg ? extraMsg->data : nullptr; }
    // The message as NUL-terminated text, or null.
    const char* getExtraMessageStr() const {
        return extraMsg ? reinterpret_cast<const char*>(extraMsg->data) : nullptr;
    }
    uint16_t getExtraMessageLength() const { return extraMsg ? extraMsg->length : 0; }

private:
    void release();
};

}  // namespace orvek::internal::Eventing
