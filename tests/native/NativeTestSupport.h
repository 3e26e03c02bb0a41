#pragma once
// Shared set-up for tests that drive the library through its pv_ functions.

#include "device/PavonixSimDevice.h"
#include "pavonixVariant/c_Pavonix.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace orvek::test {

using orvek::internal::Eventing::Event;
using orvek::internal::Eventing::EventType;

// A strip "left" (30 LEDs) and a matrix "panel" (8 x 32) on channel "main", a
// sequence "seq", a bitmap "logo" and the group "all" of both zones.
inline const char* kNativeTestConfig = R"({
  "channels": {"main": {"id": "main", "length": 286, "brightness": 90, "zones": [
    {"id": "left", "type": "strip", "length": 30, "reversed": true},
    {"id": "panel", "type": "matrix", "rows": 8, "cols": 32,
     "orientation": {"cornerTopBottom": "bottom", "sequenceLayout": "zigzag"}}]}},
  "sequences": [{"id": "seq", "steps": [{"animationId": "Fill", "delay": 10}]}],
  "bitmaps": [{"id": "logo", "type": "static", "path": "logo.bmp"}],
  "groups": [{"id": "all", "zoneIds": ["left", "panel"]}]
})";

// Each test starts from a fresh device and a handle of its own.
class NativeTest : public testing::Test {
protected:
    void SetUp() override { internal::PavonixSimDevice::GetInstance()->ResetForTesting(); }

    void ApplyConfig(const std::string& json) { pv_ApplyConfigurationJson(inst(), json.data(), json.size()); }

    // Every queued event, oldest first, emptying the queue.
    std::vector<Event> DrainEvents() {
        std::vector<Event> all;
        Event batch[8];
        for (int n; (n = pv_GetEvents(inst(), batch, 8)) > 0;) {
            all.insert(all.end(), batch, batch + n);
        }
        return all;
    }

    std::vector<EventType> DrainEventTypes() {
        std::vector<EventType> types;
        for (const auto& event : DrainEvents()) types.push_back(event.header.type);
        return types;
    }

    Pavonix_int* inst() { return m_handle.get(); }

private:
    std::unique_ptr<Pavonix_int> m_handle{pv_CreateInstance()};
};

}  // namespace orvek::test
