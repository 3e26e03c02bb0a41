#pragma once
// Shared by the LED command, playback and stress tests: one configuration with
// strips, matrices, groups, sequences and bitmaps, and a fixture that puts the
// process-wide device back into a known state before every test.

#include <gtest/gtest.h>

#include <orvek/configuration/Configuration.h>
#include <orvek/domain/device/PavonixSimTypes.h>
#include <orvek/domain/event/Event.h>
#include <orvek/util/hashing/IDCreator.h>

#include "device/PavonixSimDevice.h"

#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace orvek::internal::ledtest {

namespace cfg = Configuration;
using Command::LED::AnimationColor;
using Command::LED::LEDCommandType;
using pavonix::sim::ZoneState;

inline uint16_t Id(const std::string& name) { return IDCreator::createId(name); }

inline cfg::Zone Strip(const std::string& id, uint16_t length) {
    cfg::Zone zone;
    zone.type = cfg::ZoneType::Strip;
    zone.id = id;
    zone.strip = cfg::ZoneStrip{length, false};
    return zone;
}

inline cfg::Zone Matrix(const std::string& id, uint16_t rows, uint16_t cols) {
    cfg::Zone zone;
    zone.type = cfg::ZoneType::Matrix;
    zone.id = id;
    zone.matrix = cfg::ZoneMatrix{rows, cols, 0};
    return zone;
}

inline cfg::Channel MakeChannel(const std::string& id, std::vector<cfg::Zone> zones) {
    cfg::Channel channel;
    channel.key = id;
    channel.id = id;
    channel.length = 300;
    channel.zones = std::move(zones);
    return channel;
}

inline cfg::Animation Step(const std::string& animation, uint16_t delay, std::optional<uint8_t> repeat = std::nullopt) {
    cfg::Animation step;
    step.id = animation;
    step.delay = delay;
    step.color = domain::Color(1, 2, 3);
    step.repeatCount = repeat;
    return step;
}

inline cfg::AnimationSequence Sequence(const std::string& id, std::vector<cfg::Animation> steps) {
    return cfg::AnimationSequence{id, std::move(steps)};
}

// Zones: strips "strip60" (60 LEDs) and "strip10" (10 LEDs); matrices "matrix32"
// (8 x 32) and "tiny" (8 x 4). Channel groups "chA" (strip60, matrix32, strip10)
// and "chB" (tiny). Groups "mixed" (matrix32, strip60) and "strips" (strip60, strip10).
inline cfg::OrvekConfiguration TestConfiguration() {
    cfg::OrvekConfiguration config;
    config.channels = std::vector<cfg::Channel>{
        MakeChannel("chA", {Strip("strip60", 60), Matrix("matrix32", 8, 32), Strip("strip10", 10)}),
        MakeChannel("chB", {Matrix("tiny", 8, 4)}),
    };
    config.animationGroups = std::vector<cfg::AnimationGroup>{
        {"mixed", {"matrix32", "strip60"}},
        {"strips", {"strip60", "strip10"}},
    };
    config.sequences = std::vector<cfg::AnimationSequence>{
        Sequence("blinkThenFill", {Step("Blink", 100), Step("Fill", 50)}),
        Sequence("repeat3", {Step("Blink", 10, 3), Step("Fill", 50)}),
        Sequence("repeat1", {Step("Blink", 10, 1), Step("Fill", 50)}),
        Sequence("repeat0", {Step("Blink", 10, 0), Step("Fill", 50)}),
        Sequence("rainbowDefault", {Step("RainbowRoll", 0), Step("Fill", 50)}),
        Sequence("chase", {Step("Chase", 1), Step("Fill", 50)}),
        Sequence("single", {Step("Blink", 10)}),
    };
    cfg::Bitmap logo;
    logo.id = "logo";
    logo.type = cfg::BitmapType::Static;
    logo.path = "logo.bmp";
    cfg::Bitmap spinner;
    spinner.id = "spinner";
    spinner.type = cfg::BitmapType::Animated;
    spinner.folder = "spinner";
    spinner.frameDelay = 40;
    config.bitmaps = std::vector<cfg::Bitmap>{logo, spinner};
    return config;
}

// An Error event as the tests compare it.
struct LedError {
    Eventing::ErrorType type;
    std::string message;  // the 16-byte payload text
    std::string extra;    // the extra message
    bool operator==(const LedError&) const = default;
};

inline void PrintTo(const LedError& e, std::ostream* os) {
    *os << "{type " << int(e.type) << ", \"" << e.message << "\", \"" << e.extra << "\"}";
}

inline LedError NotFound(const std::string& entity, const std::string& detail) {
    return {Eventing::ErrorType::EntityNotFound, entity, entity + " " + detail};
}

// The device is one per process: every test starts disconnected, on the test
// configuration, with an empty event queue.
class DeviceTest : public ::testing::Test {
protected:
    PavonixSimDevice& device = *PavonixSimDevice::GetInstance();

    void SetUp() override {
        device.ResetForTesting();
        device.ApplyConfiguration(TestConfiguration());
        device.ClearAllEvents();
    }

    void TearDown() override {
        device.SetConnected(false);
        device.ClearAllEvents();
    }

    std::vector<Eventing::Event> TakeEvents() {
        std::vector<Eventing::Event> events(100);
        int n = device.TryPopAllEvents(events.data(), static_cast<int>(events.size()));
        events.resize(static_cast<size_t>(n));
        return events;
    }

    // Every queued event must be an Error event; returns them in order.
    std::vector<LedError> TakeErrors() {
        std::vector<LedError> errors;
        for (const auto& event : TakeEvents()) {
            EXPECT_EQ(event.header.type, Eventing::EventType::Error);
            const char* extra = event.getExtraMessageStr();
            errors.push_back(
                {event.header.data.error.type,
                 std::string(event.header.data.error.message, strnlen(event.header.data.error.message, 16)),
                 extra ? extra : ""});
        }
        return errors;
    }

    ZoneState Zone(const std::string& name) {
        ZoneState state{};
        EXPECT_TRUE(device.TryGetZone(Id(name), state)) << name;
        return state;
    }

    void Ticks(int count, float stepMs) {
        for (int i = 0; i < count; ++i) device.Tick(stepMs);
    }
};

inline AnimationColor Rgb(uint8_t r, uint8_t g, uint8_t b) { return AnimationColor{r, g, b}; }

inline bool SameColor(AnimationColor a, AnimationColor b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

template <typename T>
std::vector<uint8_t> BytesOf(const T& value) {
    std::vector<uint8_t> bytes(sizeof(T));
    std::memcpy(bytes.data(), &value, sizeof(T));
    return bytes;
}

}  // namespace orvek::internal::ledtest

namespace orvek::internal {

// Reaches what the public face cannot show: the bytes of the commands the Dispatch
// operations build, and commands no Dispatch operation makes.
struct LedCommandTestAccess {
    // Applies `cmd` as a Dispatch operation would.
    static void Apply(PavonixSimDevice& device, const Command::LED::LEDCommand& cmd) {
        std::lock_guard<std::mutex> lock(device.m_ledStateMutex);
        device.ApplyLED_(cmd);
    }
    // Records every command the device applies from now on into `out`.
    static void Record(PavonixSimDevice& device, std::vector<Command::LED::LEDCommand>* out) {
        std::lock_guard<std::mutex> lock(device.m_ledStateMutex);
        if (out == nullptr) {
            device.m_appliedCommandProbe = nullptr;
        } else {
            device.m_appliedCommandProbe = [out](const Command::LED::LEDCommand& cmd) { out->push_back(cmd); };
        }
    }
};

}  // namespace orvek::internal
