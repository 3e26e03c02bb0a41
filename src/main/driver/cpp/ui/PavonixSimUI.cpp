// The panel object and its frame routine.

#include "ui/PavonixSimUI.h"

#include "device/PavonixSimDevice.h"
#include "ui/BitmapLoader.h"

#include <orvek/util/logging/ConsoleLogger.h>

#include <imgui.h>

namespace orvek::internal {

namespace {
constexpr const char* kLogKey = "PavonixSimUI";
}  // namespace

PavonixSimUI& PavonixSimUI::GetInstance() {
    static PavonixSimUI instance;
    return instance;
}

// ImGui's current context is one process-wide pointer that the GUI's thread
// draws with: only init and render, which the GUI calls on that thread, set it.
void PavonixSimUI::setImGuiContext(ImGuiContext* ctx) { m_imguiContext.store(ctx, std::memory_order_release); }

void PavonixSimUI::MakeKeptContextCurrent() const {
    if (ImGuiContext* ctx = m_imguiContext.load(std::memory_order_acquire)) {
        ImGui::SetCurrentContext(ctx);
    }
}

void PavonixSimUI::init() {
    MakeKeptContextCurrent();
    ConsoleLogger::getInstance().logInfo(kLogKey, "init - deploy path='%s'", BitmapLoader::GetDeployPath().c_str());
}

void PavonixSimUI::render() {
    MakeKeptContextCurrent();
    if (ImGui::GetCurrentContext() == nullptr) {
        return;
    }

    // The GUI's frame time is the simulation's only clock.
    PavonixSimDevice::GetInstance()->Tick(1000.0f * ImGui::GetIO().DeltaTime);

    ImGui::SetNextWindowSize(ImVec2(600, 700), ImGuiCond_FirstUseEver);
    if (ImGui::Begin("Pavonix Simulation", nullptr, 0)) {
        const bool appearing = ImGui::IsWindowAppearing();
        if (ImGui::BeginTabBar("PavonixSimTabs", 0)) {
            if (ImGui::BeginTabItem("LEDs")) {
                if (appearing) {
                    ImGui::SetItemDefaultFocus();
                }
                DrawLedTab();
                ImGui::EndTabItem();
            }
            if (ImGui::BeginTabItem("Modules")) {
                DrawModulesTab();
                ImGui::EndTabItem();
            }
            if (ImGui::BeginTabItem("Device")) {
                DrawDeviceTab();
                ImGui::EndTabItem();
            }
            ImGui::EndTabBar();
        }
    }
    ImGui::End();
}

}  // namespace orvek::internal
