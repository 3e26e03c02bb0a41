// A robot program's thread works the device while the GUI thread draws the
// Device and Modules tabs: under ThreadSanitizer this shows the panel shares
// nothing unguarded with it.

#include "PanelFrameDriver.h"

#include "device/PavonixSimDevice.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using namespace orvek::internal;

TEST(PanelThreadsTest, RobotThreadWorksTheDeviceWhileTabsAreDrawn) {
    PavonixSimDevice* device = PavonixSimDevice::GetInstance();
    device->ResetForTesting();
    Configuration::OrvekConfiguration config;
    config.sensors = std::vector<Configuration::Module>{{"tof", "VL53L1X", 0, {}, {}}};
    device->ApplyConfiguration(config);
    std::atomic<bool> done{false};
    std::thread robot([&] {
        Eventing::Event event, popped[4];
        event.setExtraMessage("robot");
        for (int i = 0; i < 400; ++i) {
            device->SetConnected(i % 3 != 0);
            device->PushEvent(event);
            device->SetStatusFromInt(i % 5);
            device->InjectModuleData("tof", static_cast<uint16_t>(i), {1, 2, 3});
            device->TryPopAllEvents(popped, 4);
        }
        done = true;
    });
    for (int frame = 0; !done || frame < 20; ++frame) {
        panel_test::PanelFrameDriver::Get().Frame(frame % 2 == 0 ? "Device" : "Modules");
    }
    robot.join();
    EXPECT_EQ(device->PeekLastModuleData("tof")->first, 399);
}

}  // namespace
