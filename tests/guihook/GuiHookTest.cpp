// The simulation GUI's view of the library: extension points published through
// the HAL, connects that install the hook, and frames that tick and draw.
// One test per process: the hook is installed once per process.
//
// The GUI is up first, as in a simulation: robots connect on their own threads
// while it draws, so the HAL hands the panel the GUI's context on a robot's
// thread. Under ThreadSanitizer this shows the handover shares nothing
// unguarded with the GUI's frames.

#include "device/PavonixSimDevice.h"
#include "pavonixVariant/c_Pavonix.h"
#include "ui/PavonixSimUI.h"

#include <orvek/util/hashing/IDCreator.h>

#include <hal/Extensions.h>

#include <gtest/gtest.h>
#include <imgui.h>
#include <imgui_internal.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using orvek::internal::IDCreator;
using orvek::internal::PavonixSimDevice;
using orvek::internal::Eventing::Event;
using orvek::internal::Eventing::EventType;

// The GUI side: what it collects through its extension points.
std::mutex g_callbacksMutex;
std::vector<std::function<void()>> g_initCallbacks;
std::vector<std::function<void()>> g_frameCallbacks;
ImGuiContext* g_guiContext = nullptr;

void AddGuiInit(std::function<void()> callback) {
    std::lock_guard lock(g_callbacksMutex);
    g_initCallbacks.push_back(std::move(callback));
}
void AddGuiLateExecute(std::function<void()> callback) {
    std::lock_guard lock(g_callbacksMutex);
    g_frameCallbacks.push_back(std::move(callback));
}
ImGuiContext* GetImguiContext() { return g_guiContext; }

// A context with a display and a built font atlas, and no window or backend.
ImGuiContext* MakeHeadlessContext() {
    ImGuiContext* context = ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.DisplaySize = ImVec2(1280, 800);
    io.IniFilename = nullptr;  // no settings file from a test
    unsigned char* pixels = nullptr;
    int width = 0, height = 0;
    io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
    return context;
}

void RunFrame(ImGuiContext* context, float deltaSeconds) {
    std::vector<std::function<void()>> callbacks;
    {
        std::lock_guard lock(g_callbacksMutex);  // robots may be registering
        callbacks = g_frameCallbacks;
    }
    ImGui::SetCurrentContext(context);
    ImGui::GetIO().DeltaTime = deltaSeconds;
    ImGui::NewFrame();
    for (auto& callback : callbacks) callback();
    ImGui::Render();
}

int CountHeartbeats() {
    int heartbeats = 0;
    Event batch[16];
    for (int n; (n = PavonixSimDevice::GetInstance()->TryPopAllEvents(batch, 16)) > 0;) {
        for (int i = 0; i < n; ++i) heartbeats += batch[i].header.type == EventType::HeartBeat;
    }
    return heartbeats;
}

float ZoneTime(const char* zone) {
    orvek::internal::pavonix::sim::ZoneState state{};
    PavonixSimDevice::GetInstance()->TryGetZone(IDCreator::createId(zone), state);
    return state.timeMs;
}

TEST(GuiHookTest, FirstConnectRegistersThePanelOnceAndFramesDriveTheDevice) {
    std::unique_ptr<Pavonix_int> handle(pv_CreateInstance());
    const std::string config = R"({"channels":{"c":{"id":"c","length":10,"zones":[
        {"id":"strip","type":"strip","length":10}]}}})";
    pv_ApplyConfigurationJson(handle.get(), config.data(), config.size());

    // No ImGui context anywhere: the panel's frame neither ticks nor draws.
    ASSERT_EQ(ImGui::GetCurrentContext(), nullptr);
    pv_SetAnimation(handle.get(), "strip", orvek::led::Animation::Chase, {0, 0, 255}, units::millisecond_t(50), false,
                    false);
    orvek::internal::PavonixSimUI::GetInstance().render();
    EXPECT_EQ(ZoneTime("strip"), 0.0f);
    EXPECT_EQ(ImGui::GetCurrentContext(), nullptr);

    // The GUI makes its context, publishes its extension points and draws frames;
    // meanwhile robots connect, disconnect and connect again.
    g_guiContext = MakeHeadlessContext();
    HAL_PublishExtension("halsimgui::AddGuiInit", reinterpret_cast<void*>(&AddGuiInit));
    HAL_PublishExtension("halsimgui::AddGuiLateExecute", reinterpret_cast<void*>(&AddGuiLateExecute));
    HAL_PublishExtension("halsimgui::GetImguiContext", reinterpret_cast<void*>(&GetImguiContext));
    // The GUI tells the robots when it draws, never the other way round: relaxed
    // counting keeps the frames from synchronising with the robots, so that
    // ThreadSanitizer sees a handover that races a frame.
    std::atomic<bool> guiDrawing{false};
    std::atomic<int> robotsDone{0};
    std::vector<std::thread> robots;
    for (int i = 0; i < 8; ++i) {
        robots.emplace_back([&] {
            while (!guiDrawing.load(std::memory_order_acquire)) std::this_thread::yield();
            pv_Connect(handle.get(), orvek::connection::USBPort::kUSB1);
            PavonixSimDevice::GetInstance()->SetConnected(false);
            pv_Connect(handle.get(), orvek::connection::USBPort::kUSB1);
            robotsDone.fetch_add(1, std::memory_order_relaxed);
        });
    }
    for (int frame = 0; frame < 20 || robotsDone.load(std::memory_order_relaxed) < 8; ++frame) {
        RunFrame(g_guiContext, 1e-6f);
        guiDrawing.store(true, std::memory_order_release);
    }
    for (auto& robot : robots) robot.join();
    ASSERT_EQ(g_initCallbacks.size(), 1u);
    ASSERT_EQ(g_frameCallbacks.size(), 1u);
    pv_ConnectUart(handle.get(), orvek::connection::UARTPort::kMXP, 9600);
    EXPECT_EQ(g_frameCallbacks.size(), 1u);

    // The GUI's init makes the handed-over context current, on the GUI's thread.
    ImGui::SetCurrentContext(nullptr);
    g_initCallbacks[0]();
    EXPECT_EQ(ImGui::GetCurrentContext(), g_guiContext);

    // From here the frames alone drive the device's clock.
    pv_SetAnimation(handle.get(), "strip", orvek::led::Animation::Chase, {0, 0, 255}, units::millisecond_t(50), false,
                    false);
    CountHeartbeats();
    for (int frame = 1; frame <= 49; ++frame) RunFrame(g_guiContext, 0.1f);
    EXPECT_EQ(CountHeartbeats(), 0);
    RunFrame(g_guiContext, 0.1f);  // 5000 ms of frames
    EXPECT_EQ(CountHeartbeats(), 1);
    EXPECT_NEAR(ZoneTime("strip"), 5000.0f, 0.1f);

    ImGuiWindow* window = ImGui::FindWindowByName("Pavonix Simulation");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->WasActive);
    EXPECT_EQ(window->SizeFull.x, 600.0f);
    EXPECT_EQ(window->SizeFull.y, 700.0f);
    ImGuiTabBar* tabs = GImGui->TabBars.GetByKey(window->GetID("PavonixSimTabs"));
    ASSERT_NE(tabs, nullptr);
    std::vector<std::string> names;
    for (auto& tab : tabs->Tabs) names.emplace_back(tabs->GetTabName(&tab));
    EXPECT_EQ(names, (std::vector<std::string>{"LEDs", "Modules", "Device"}));

    ImGui::DestroyContext(g_guiContext);
}

}  // namespace
