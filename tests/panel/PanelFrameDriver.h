#pragma once
// Drives the panel headless, one GUI frame at a time, and reads back what it drew:
// the texts through ImGui's logging (into a memory file, which ImGui closes when
// the panel's window ends) and the shapes through the frame's draw lists.
//
// One ImGui context per test process, handed to the panel as the simulation
// GUI would. Anti-aliasing is off, so a filled shape's vertices carry exactly
// the colour the panel gave it.

#include "ui/PavonixSimUI.h"

#include <imgui.h>
#include <imgui_internal.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace panel_test {

inline constexpr const char* kPanelWindow = "Pavonix Simulation";

class PanelFrameDriver {
public:
    // The process's driver; its context stays current between frames.
    static PanelFrameDriver& Get() {
        static PanelFrameDriver driver;
        ImGui::SetCurrentContext(driver.m_context);
        return driver;
    }

    // Runs one frame of `deltaSeconds` with `tab` ("LEDs", "Modules" or "Device")
    // selected, and returns the texts the panel drew, one visual line per line.
    // The very first call runs one frame of 0 s before it, which makes the tab bar.
    const std::string& Frame(const char* tab = "LEDs", float deltaSeconds = 1.0f / 60.0f) {
        ImGui::SetCurrentContext(m_context);
        if (TabBar() == nullptr) RunFrame(tab, 0.0f);
        RunFrame(tab, deltaSeconds);
        return m_text;
    }

    // The panel window's size from the next frame on (600 x 700 is its first-use size).
    void SetPanelSize(ImVec2 size) { m_panelSize = size; }

    // Mouse state seen by the next frame, in screen coordinates.
    void SetMouse(ImVec2 position, bool leftDown) {
        ImGuiIO& io = ImGui::GetIO();
        io.MousePos = position;
        io.MouseDown[0] = leftDown;
    }

    // A left click at `position`: a frame with the button down, then one with it up.
    void Click(ImVec2 position, const char* tab) {
        SetMouse(position, true);
        Frame(tab);
        SetMouse(position, false);
        Frame(tab);
        SetMouse(ImVec2(-1, -1), false);
    }

    const std::string& Text() const { return m_text; }

    // Every draw list of the last rendered frame, the panel's window and its children.
    std::vector<const ImDrawList*> DrawLists() const {
        std::vector<const ImDrawList*> lists;
        const ImDrawData* data = ImGui::GetDrawData();
        for (int i = 0; data != nullptr && i < data->CmdListsCount; ++i) lists.push_back(data->CmdLists[i]);
        return lists;
    }

    ImGuiContext* Context() const { return m_context; }

private:
    PanelFrameDriver() {
        m_context = ImGui::CreateContext();
        ImGuiIO& io = ImGui::GetIO();
        io.DisplaySize = ImVec2(1920, 1080);
        io.IniFilename = nullptr;  // no settings file from a test
        io.LogFilename = nullptr;
        unsigned char* pixels = nullptr;
        int width = 0, height = 0;
        io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
        ImGuiStyle& style = ImGui::GetStyle();
        style.AntiAliasedFill = false;
        style.AntiAliasedLines = false;
        style.AntiAliasedLinesUseTex = false;
        orvek::internal::PavonixSimUI::GetInstance().setImGuiContext(m_context);
    }

    void RunFrame(const char* tab, float deltaSeconds) {
        ImGui::GetIO().DeltaTime = deltaSeconds;
        ImGui::NewFrame();
        ImGui::SetWindowSize(kPanelWindow, m_panelSize, ImGuiCond_Always);
        ImGui::SetWindowPos(kPanelWindow, ImVec2(0, 0), ImGuiCond_Always);
        if (ImGuiTabBar* bar = TabBar()) bar->NextSelectedTabId = ImHashStr(tab, 0, bar->ID);
        BeginTextCapture();
        orvek::internal::PavonixSimUI::GetInstance().render();
        EndTextCapture();
        ImGui::Render();
    }

    // The panel's tab bar, once a frame has drawn it; it applies a requested
    // selection the next time it is drawn.
    static ImGuiTabBar* TabBar() {
        ImGuiWindow* window = ImGui::FindWindowByName(kPanelWindow);
        if (window == nullptr) return nullptr;
        return GImGui->TabBars.GetByKey(ImHashStr("PavonixSimTabs", 0, window->ID));
    }

    void BeginTextCapture() {
        std::free(m_buffer);
        m_buffer = nullptr;
        m_bufferSize = 0;
        ImGui::LogBegin(ImGuiLogType_File, -1);
        GImGui->LogFile = open_memstream(&m_buffer, &m_bufferSize);
    }

    // The panel's window end closes the log; a panel that drew no window leaves it open.
    void EndTextCapture() {
        if (GImGui->LogEnabled) ImGui::LogFinish();
        m_text.assign(m_buffer != nullptr ? m_buffer : "", m_bufferSize);
    }

    ImGuiContext* m_context = nullptr;
    ImVec2 m_panelSize{600, 700};
    char* m_buffer = nullptr;
    size_t m_bufferSize = 0;
    std::string m_text;
};

// The colour of a domain::Color as the panel hands it to the draw list.
inline ImU32 DrawColor(uint8_t r, uint8_t g, uint8_t b) {
    return 0xFF000000u | (ImU32(b) << 16) | (ImU32(g) << 8) | ImU32(r);
}

}  // namespace panel_test
