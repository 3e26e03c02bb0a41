#pragma once
// The simulation GUI's panel for the simulated device: once per GUI frame it
// ticks the device and draws the window "Pavonix Simulation" with the tabs
// "LEDs", "Modules" and "Device".
//
// Everything here runs on the simulation GUI's thread, inside its frame.

struct ImGuiContext;

namespace orvek::internal {

class PavonixSimUI {
public:
    // The one panel, made on first use (thread-safe) and kept until exit.
    static PavonixSimUI& GetInstance();

    PavonixSimUI(const PavonixSimUI&) = delete;
    PavonixSimUI& operator=(const PavonixSimUI&) = delete;

    // Keeps the GUI's context (not owned); a non-null one also becomes current.
    void setImGuiContext(ImGuiContext* ctx);

    // The GUI's init callback: makes the kept context current and logs the deploy path.
    void init();

    // The GUI's per-frame callback: with a current ImGui context, ticks the device
    // by the frame time (1000 x DeltaTime ms) and draws the panel; without one,
    // does nothing at all.
    void render();

    // Nothing to release; kept for the GUI's callback set.
    void shutdown() {}

private:
    PavonixSimUI() = default;
    ~PavonixSimUI() = default;

    void DrawDeviceTab();
    void DrawLedTab();
    void DrawModulesTab();
    void DrawStatusControls();

    ImGuiContext* m_imguiContext = nullptr;
};

}  // namespace orvek::internal
