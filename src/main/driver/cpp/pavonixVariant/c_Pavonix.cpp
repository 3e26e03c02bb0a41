// The pv_ functions: each turns names into ids and forwards to the one device.
//
// Contents: helpers (ids, delays, text records), GUI hook, configuration entry
// and report, then the exported functions.

#include "pavonixVariant/c_Pavonix.h"
#include "pavonixVariant/ConfigReport.h"

#include "device/PavonixSimDevice.h"
#include "ui/PavonixSimUI.h"
#include "util/TimeConversion.h"

#include <orvek/configuration/OrvekConfigurationParser.h>
#include <orvek/util/hashing/IDCreator.h>

#include <hal/Extensions.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>

struct ImGuiContext;

namespace orvek::internal::c_Pavonix {

namespace {

using Command::LED::AnimationColor;
using Command::LED::MatrixTextScrollDirection;

PavonixSimDevice& Device() { return *PavonixSimDevice::GetInstance(); }

uint16_t IdOf(const char* name) { return IDCreator::createId(name); }

// The id the device and the panel derive from the animation's name; throws
// std::out_of_range for an animation without a row (None included).
uint16_t AnimationIdOf(led::Animation animation) { return IDCreator::createId(led::kAnimationMap.at(animation)); }

uint16_t ToDelay16(units::millisecond_t delay) {
    return static_cast<uint16_t>(util::toChronoMilliseconds(delay).count());
}

// Fills the text fields shared by the zone and group text records: at most 24
// characters, no terminator when all 24 are used, the rest zero.
template <typename TextData>
TextData MakeTextData(uint16_t targetId, const char* text, AnimationColor color, MatrixTextScrollDirection direction,
                      units::millisecond_t delay, bool oneShot) {
    auto data = Command::LED::Zeroed<TextData>();
    std::memcpy(&data, &targetId, sizeof(targetId));  // zoneId or groupId, the first field of both
    data.oneShot = oneShot ? 1 : 0;
    data.color = color;
    data.dir = direction;
    data.delay = ToDelay16(delay);
    const size_t length = text ? strnlen(text, sizeof(data.text)) : 0;
    if (length != 0) {
        std::memcpy(data.text, text, length);
    }
    data.length = static_cast<uint8_t>(length);
    return data;
}

// The GUI calls the registered hooks on its own thread.
void SimGuiRenderHook() { PavonixSimUI::GetInstance().render(); }
void SimGuiInitHook() { PavonixSimUI::GetInstance().init(); }

using RegisterGuiCallback = void (*)(std::function<void()>);
using GetImguiContextFn = ImGuiContext* (*)();

void SimGuiExtensionListener(void* /*param*/, const char* name, void* data) {
    if (name == nullptr || data == nullptr) {
        return;
    }
    if (std::strcmp(name, "halsimgui::AddGuiLateExecute") == 0) {
        reinterpret_cast<RegisterGuiCallback>(data)(SimGuiRenderHook);
    } else if (std::strcmp(name, "halsimgui::AddGuiInit") == 0) {
        reinterpret_cast<RegisterGuiCallback>(data)(SimGuiInitHook);
    } else if (std::strcmp(name, "halsimgui::GetImguiContext") == 0) {
        if (ImGuiContext* context = reinterpret_cast<GetImguiContextFn>(data)()) {
            PavonixSimUI::GetInstance().setImGuiContext(context);
        }
    }
}

template <typename Port>
bool ConnectOver(Port port, Eventing::ConnectionType type) {
    connection::toHalSerialPort(port);  // validates only: the simulation opens no port
    initSimGui();
    Device().SetConnectionType(type);
    Device().SetConnected(true);
    return true;
}

}  // namespace

void initSimGui() {
    // The exchange lets exactly one caller register, however many connect at once.
    static std::atomic<bool> installed{false};
    if (installed.exchange(true)) {
        return;
    }
    HAL_RegisterExtensionListener(nullptr, SimGuiExtensionListener);
}

}  // namespace orvek::internal::c_Pavonix

using namespace orvek::internal;
using Command::LED::AnimationColor;
using Command::LED::MatrixTextScrollDirection;
using orvek::internal::c_Pavonix::AnimationIdOf;
using orvek::internal::c_Pavonix::Device;
using orvek::internal::c_Pavonix::IdOf;
using orvek::internal::c_Pavonix::ToDelay16;

extern "C" {

Pavonix_int* pv_CreateInstance() { return new Pavonix_int(); }

bool pv_Connect(Pavonix_int*, orvek::connection::USBPort port) {
    return c_Pavonix::ConnectOver(port, Eventing::ConnectionType::USB);
}

bool pv_ConnectUart(Pavonix_int*, orvek::connection::UARTPort port, int /*baud*/) {
    return c_Pavonix::ConnectOver(port, Eventing::ConnectionType::UART);
}

bool pv_IsConnected(Pavonix_int*) { return Device().GetConnected(); }

Eventing::Status pv_GetCurrentStatus(Pavonix_int*) { return Device().GetStatus(); }

bool pv_GetLatestEvent(Pavonix_int*, Eventing::Event* evt) {
    return evt != nullptr && Device().TryPopLatestEvent(*evt);
}

int pv_GetEvents(Pavonix_int*, Eventing::Event* arr, int maxCount) { return Device().TryPopAllEvents(arr, maxCount); }

bool pv_GetLatestData(Pavonix_int*, const char* id, PavonixModuleData& out) {
    out.clear();
    return id != nullptr && Device().TryPopModuleData(std::string(id), out);
}

void pv_ApplyConfigurationJson(Pavonix_int*, const char* jsonData, size_t length) {
    if (jsonData == nullptr || length == 0) {
        return;
    }
    // Whatever goes wrong here is dropped: the caller has no channel for it.
    try {
        const auto document = nlohmann::json::parse(jsonData, jsonData + length, nullptr, true, false);
        if (auto config = orvek::config::ParseConfig(document)) {
            Device().ApplyConfiguration(*config);
        }
    } catch (...) {
    }
}

void pv_SetColor(Pavonix_int*, const char* zoneID, AnimationColor color) {
    Device().DispatchSetColor(IdOf(zoneID), color);
}

void pv_SetGroupColor(Pavonix_int*, const char* groupID, AnimationColor color) {
    Device().DispatchSetGroupColor(IdOf(groupID), color);
}

void pv_SetAnimation(Pavonix_int*, const char* zoneID, orvek::led::Animation animation, AnimationColor color,
                     units::millisecond_t delayMs, bool reversed, bool oneShot) {
    const uint16_t zoneId = IdOf(zoneID);
    const uint16_t animationId = AnimationIdOf(animation);
    Device().DispatchSetAnimation(zoneId, animationId, ToDelay16(delayMs), color, reversed, oneShot);
}

void pv_SetGroupAnimation(Pavonix_int*, const char* groupID, orvek::led::Animation animation, AnimationColor color,
                          units::millisecond_t delayMs, bool reversed, bool oneShot) {
    const uint16_t groupId = IdOf(groupID);
    const uint16_t animationId = AnimationIdOf(animation);
    Device().DispatchSetGroupAnimation(groupId, animationId, ToDelay16(delayMs), color, reversed, oneShot);
}

void pv_SetAnimationSequence(Pavonix_int*, const char* zoneID, const char* sequenceID) {
    Device().DispatchSetAnimationSequence(IdOf(zoneID), IdOf(sequenceID));
}

void pv_SetGroupAnimationSequence(Pavonix_int*, const char* groupID, const char* sequenceID) {
    Device().DispatchSetGroupAnimationSequence(IdOf(groupID), IdOf(sequenceID));
}

void pv_SetBitmap(Pavonix_int*, const char* zoneID, const char* bitmapID, AnimationColor color, bool setColor,
                  bool oneShot) {
    Device().DispatchSetBitmap(IdOf(zoneID), IdOf(bitmapID), color, setColor, oneShot);
}

void pv_SetGroupBitmap(Pavonix_int*, const char* groupID, const char* bitmapID, AnimationColor color, bool setColor,
                       bool oneShot) {
    Device().DispatchSetGroupBitmap(IdOf(groupID), IdOf(bitmapID), color, setColor, oneShot);
}

void pv_SetText(Pavonix_int*, const char* zoneID, const char* text, AnimationColor color,
                MatrixTextScrollDirection direction, units::millisecond_t delayMs, bool oneShot) {
    const uint16_t zoneId = IdOf(zoneID);
    const auto data =
        c_Pavonix::MakeTextData<Command::LED::SetMatrixTextData>(zoneId, text, color, direction, delayMs, oneShot);
    Device().DispatchSetMatrixText(zoneId, data);
}

void pv_SetGroupText(Pavonix_int*, const char* groupID, const char* text, AnimationColor color,
                     MatrixTextScrollDirection direction, units::millisecond_t delayMs, bool oneShot) {
    const uint16_t groupId = IdOf(groupID);
    const auto data = c_Pavonix::MakeTextData<Command::LED::SetMatrixTextGroupData>(groupId, text, color, direction,
                                                                                    delayMs, oneShot);
    Device().DispatchSetGroupMatrixText(groupId, data);
}

void pv_RestartDevice(Pavonix_int*, uint16_t /*delayMs*/) {
    Eventing::Event event;
    event.header.type = Eventing::EventType::Disabled;
    event.header.data.disabled.cause = Eventing::DisabledCause::Restart;
    Device().PushEvent(event);
}

bool pv_RequestConfig(Pavonix_int*, std::string& outJson) {
    outJson = c_Pavonix::ChannelsReport(Device().GetChannelsCopy());
    return true;
}

}  // extern "C"
