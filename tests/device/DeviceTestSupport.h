#pragma once
// Shared by the device core tests: a fixture that gives every test a device as
// a fresh process has it, the device's HAL values as another simulation tool
// reads and writes them, and short descriptions of events for comparisons.

#include <gtest/gtest.h>

#include <hal/SimDevice.h>
#include <hal/simulation/SimDeviceControl.h>
#include <hal/simulation/SimDeviceData.h>

#include <orvek/configuration/Configuration.h>
#include <orvek/domain/event/Event.h>
#include <orvek/util/hashing/IDCreator.h>

#include "device/PavonixSimDevice.h"

#include <cstring>
#include <string>
#include <vector>

namespace orvek::internal::devicetest {

namespace cfg = Configuration;
using Eventing::ConnectionType;
using Eventing::Event;
using Eventing::EventType;
using Eventing::Status;

inline uint16_t Id(const std::string& name) { return IDCreator::createId(name); }

// ---- The HAL values, read and written by name as another tool would ----

inline HAL_SimValueHandle HalValue(const char* name) {
    return HALSIM_GetSimValueHandle(HALSIM_GetSimDeviceHandle("Pavonix[0]"), name);
}
inline HAL_Value ReadHal(const char* name) {
    HAL_Value value;
    HAL_GetSimValue(HalValue(name), &value);
    return value;
}
inline int32_t HalEnum(const char* name) { return ReadHal(name).data.v_enum; }
inline int32_t HalInt(const char* name) { return ReadHal(name).data.v_int; }
inline bool HalBool(const char* name) { return ReadHal(name).data.v_boolean != 0; }
inline void WriteHalEnum(const char* name, int32_t index) {
    const HAL_Value value = HAL_MakeEnum(index);
    HAL_SetSimValue(HalValue(name), &value);
}
inline void WriteHalBool(const char* name, bool on) {
    const HAL_Value value = HAL_MakeBoolean(on);
    HAL_SetSimValue(HalValue(name), &value);
}

// ---- Events as short texts: "Connected(0)", "HeartBeat(1,usb1)", "Error(Zone z9)" ----

inline std::string Describe(const Event& event) {
    const auto& data = event.header.data;
    switch (event.header.type) {
        case EventType::Connected: return "Connected(" + std::to_string(int(data.connected.type)) + ")";
        case EventType::Disconnected: return "Disconnected(" + std::to_string(int(data.disconnected.type)) + ")";
        case EventType::HeartBeat:
            return "HeartBeat(" + std::to_string(int(data.heartBeat.status)) + ",en" +
                   std::to_string(int(data.heartBeat.enabled)) + ",usb" +
                   std::to_string(int(data.heartBeat.connectedUSB)) + ",can" +
                   std::to_string(int(data.heartBeat.canOK)) + ")";
        case EventType::Error: {
            const char* extra = event.getExtraMessageStr();
            return "Error(" + std::string(extra ? extra : "") + ")";
        }
        case EventType::Custom: return "Custom(" + std::to_string(int(data.custom.type)) + ")";
        default: return "Event(" + std::to_string(static_cast<uint32_t>(event.header.type)) + ")";
    }
}

// Expected texts of the heartbeats a connected device sends.
inline std::string Heartbeat(Status status, int usb = 1) {
    return "HeartBeat(" + std::to_string(int(status)) + ",en1,usb" + std::to_string(usb) + ",can1)";
}

inline Event CustomEvent(uint8_t type) {
    Event event;
    event.header.type = EventType::Custom;
    event.header.data.custom.type = type;
    return event;
}

// ---- Small configurations ----

inline cfg::Zone StripZone(const std::string& id, uint16_t length, bool reversed = false) {
    cfg::Zone zone{};
    zone.type = cfg::ZoneType::Strip;
    zone.id = id;
    zone.strip = cfg::ZoneStrip{length, reversed};
    return zone;
}

inline cfg::Zone MatrixZone(const std::string& id, uint16_t rows, uint16_t cols, uint8_t orientation = 0) {
    cfg::Zone zone{};
    zone.type = cfg::ZoneType::Matrix;
    zone.id = id;
    zone.matrix = cfg::ZoneMatrix{rows, cols, orientation};
    return zone;
}

inline cfg::Channel Channel(const std::string& id, std::vector<cfg::Zone> zones, uint16_t length = 100) {
    cfg::Channel channel;
    channel.key = id;
    channel.id = id;
    channel.length = length;
    channel.zones = std::move(zones);
    return channel;
}

inline cfg::Animation StepOf(const std::string& animation, uint16_t delay = 0) {
    cfg::Animation step;
    step.id = animation;
    step.delay = delay;
    return step;
}

// One channel "ch1" with two strips "z1" (10 LEDs) and "z2" (20 LEDs).
inline cfg::OrvekConfiguration TwoStripConfig() {
    cfg::OrvekConfiguration config;
    config.channels = std::vector<cfg::Channel>{Channel("ch1", {StripZone("z1", 10), StripZone("z2", 20)})};
    return config;
}

// ---- The fixture ----

// Every test starts from a fresh device: HAL registry and device state reset.
class DeviceFixture : public ::testing::Test {
protected:
    PavonixSimDevice& device = *PavonixSimDevice::GetInstance();

    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    void Reset() {
        HALSIM_ResetSimDeviceData();
        device.ResetForTesting();
    }

    // Resets the device with the HAL refusing to create the named value.
    void ResetWithoutHalValue(const char* valueName) {
        HALSIM_ResetSimDeviceData();
        HALSIM_FailNextSimValueCreations(valueName, 1);
        device.ResetForTesting();
    }

    // Takes every queued event, oldest first.
    std::vector<Event> TakeEvents() {
        std::vector<Event> events(100);
        const int count = device.TryPopAllEvents(events.data(), static_cast<int>(events.size()));
        events.resize(static_cast<size_t>(count));
        return events;
    }

    // Takes every queued event, oldest first, as texts.
    std::vector<std::string> TakeEventTexts() {
        std::vector<std::string> texts;
        for (const Event& event : TakeEvents()) {
            texts.push_back(Describe(event));
        }
        return texts;
    }
};

}  // namespace orvek::internal::devicetest
