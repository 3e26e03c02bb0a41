#pragma once
// The library's plain function face: unmangled pv_ functions over the one
// simulated device.
//
// Rules for every pv_ function:
//  - Any thread may call it. It ignores `inst` and works on
//    PavonixSimDevice::GetInstance(); the device does its own locking.
//  - Names are turned into 16-bit ids (IDCreator) on every call. A null name or
//    text is read as the empty text, so it names no configured entity.
//  - LED functions report nothing to the caller: a rejected command becomes an
//    EntityNotFound Error event in the device's queue.
//  - Delays are truncated toward zero to whole milliseconds and keep their low
//    16 bits (70000 ms -> 4464, -1 ms -> 65535).
//  - Exceptions: pv_Connect/pv_ConnectUart throw std::invalid_argument for a
//    port outside its enumeration; pv_SetAnimation/pv_SetGroupAnimation throw
//    std::out_of_range for an animation without a name (None, or above 26).

#include <orvek/domain/command/led/AnimationColor.h>
#include <orvek/domain/command/led/LEDCommand.h>
#include <orvek/domain/event/Event.h>
#include <orvek/led/Animation.h>
#include <orvek/connection/PortMapping.h>

#include <units/time.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace orvek::internal::c_Pavonix {

// A device object of the real controller's driver; the simulation never makes one.
class Pavonix {
public:
    virtual ~Pavonix() = default;
};

// The handle a robot program holds. Every operation ignores it.
class Pavonix_int {
public:
    Pavonix_int() = default;
    Pavonix_int(const Pavonix_int&) = delete;
    Pavonix_int& operator=(const Pavonix_int&) = delete;
    ~Pavonix_int() { delete _inst; }

    Pavonix* _inst = nullptr;  // always null in the simulation
};

// Installs the simulation GUI hook once per process, also when several threads
// connect at the same moment.
void initSimGui();

}  // namespace orvek::internal::c_Pavonix

using Pavonix_int = orvek::internal::c_Pavonix::Pavonix_int;
using PavonixModuleData = std::vector<std::pair<uint16_t, std::vector<uint8_t>>>;

extern "C" {

// A new handle (the caller frees it with delete). Touches nothing else.
Pavonix_int* pv_CreateInstance();

// Connects over USB: installs the GUI hook, sets connection type USB and
// connected (status Active, a Connected event when it was disconnected, and a
// heartbeat). Always true. Throws std::invalid_argument for another port value,
// before changing anything.
bool pv_Connect(Pavonix_int* inst, orvek::connection::USBPort port);

// As pv_Connect with connection type UART; `baud` is not used.
bool pv_ConnectUart(Pavonix_int* inst, orvek::connection::UARTPort port, int baud);

// Whether the device is connected ("Connected" HAL value).
bool pv_IsConnected(Pavonix_int* inst);

// The device status (Error while disconnected).
orvek::internal::Eventing::Status pv_GetCurrentStatus(Pavonix_int* inst);

// Moves the newest queued event into *evt; false when the queue is empty or evt is null.
bool pv_GetLatestEvent(Pavonix_int* inst, orvek::internal::Eventing::Event* evt);

// Moves up to maxCount queued events, oldest first, into arr[0..]; returns how
// many. maxCount <= 0 or a null arr takes nothing.
int pv_GetEvents(Pavonix_int* inst, orvek::internal::Eventing::Event* arr, int maxCount);

// Replaces `out` with the pending records of module `id`, oldest first; false
// (out empty) for a null id or a module with nothing pending.
bool pv_GetLatestData(Pavonix_int* inst, const char* id, PavonixModuleData& out);

// Applies configuration JSON of `length` bytes (need not be NUL-terminated).
// Text that does not parse or read is dropped without a word. Not exported:
// the Java binding is its one caller.
void pv_ApplyConfigurationJson(Pavonix_int* inst, const char* jsonData, size_t length);

void pv_SetColor(Pavonix_int* inst, const char* zoneID, orvek::internal::Command::LED::AnimationColor color);
void pv_SetGroupColor(Pavonix_int* inst, const char* groupID, orvek::internal::Command::LED::AnimationColor color);

// Plays a built-in animation; delayMs per animation state (0: the animation's default).
void pv_SetAnimation(Pavonix_int* inst, const char* zoneID, orvek::led::Animation animation,
                     orvek::internal::Command::LED::AnimationColor color, units::millisecond_t delayMs, bool reversed,
                     bool oneShot);
void pv_SetGroupAnimation(Pavonix_int* inst, const char* groupID, orvek::led::Animation animation,
                          orvek::internal::Command::LED::AnimationColor color, units::millisecond_t delayMs,
                          bool reversed, bool oneShot);

void pv_SetAnimationSequence(Pavonix_int* inst, const char* zoneID, const char* sequenceID);
void pv_SetGroupAnimationSequence(Pavonix_int* inst, const char* groupID, const char* sequenceID);

void pv_SetBitmap(Pavonix_int* inst, const char* zoneID, const char* bitmapID,
                  orvek::internal::Command::LED::AnimationColor color, bool setColor, bool oneShot);
void pv_SetGroupBitmap(Pavonix_int* inst, const char* groupID, const char* bitmapID,
                       orvek::internal::Command::LED::AnimationColor color, bool setColor, bool oneShot);

// Scrolls the first 24 characters of `text`; delayMs per scroll step.
void pv_SetText(Pavonix_int* inst, const char* zoneID, const char* text,
                orvek::internal::Command::LED::AnimationColor color,
                orvek::internal::Command::LED::MatrixTextScrollDirection direction, units::millisecond_t delayMs,
                bool oneShot);
void pv_SetGroupText(Pavonix_int* inst, const char* groupID, const char* text,
                     orvek::internal::Command::LED::AnimationColor color,
                     orvek::internal::Command::LED::MatrixTextScrollDirection direction, units::millisecond_t delayMs,
                     bool oneShot);

// Queues a Disabled event with cause Restart (the status becomes Error); the
// delay is not used.
void pv_RestartDevice(Pavonix_int* inst, uint16_t delayMs);

// Writes the applied channels as compact JSON with sorted members into outJson;
// {"channels":{}} before any configuration. Always true.
bool pv_RequestConfig(Pavonix_int* inst, std::string& outJson);

}  // extern "C"
