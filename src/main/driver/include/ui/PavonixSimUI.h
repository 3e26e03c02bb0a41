#pragma once
// The simulation GUI's panel for the simulated device: once per GUI frame it
// ticks the device and draws the window "Pavonix Simulation" with the tabs
// "LEDs", "Modules" and "Device".
//
// Everything here runs on the simulation GUI's thread, inside its frame, except
// setImGuiContext, which the HAL may call on a robot program's thread.

#include <atomic>

struct ImGuiContext;

namespace orvek::internal {

// Sizes of the panel's drawing, in pixels unless said otherwise.
namespace UIConstants {
inline constexpr float kStripDefaultWidth = 600.0f;  // strip box width when the window reports none
inline constexpr float kStripMinWidth = 120.0f;
inline constexpr float kStripHeight = 40.0f;   // height of an empty strip layout
inline constexpr float kStripPadding = 10.0f;  // inset of the LEDs from their box
inline constexpr float kRowSpacing = 6.0f;
inline constexpr float kLedSpacing = 18.0f;  // centre to centre
inline constexpr float kLedRadius = 7.0f;    // half the side of one LED square
inline constexpr float kMinLedRadius = 2.5f;
inline constexpr float kMaxLedRadius = 12.0f;
inline constexpr float kStatusLEDRadius = 0.45f;  // the Device tab's status LED radius, in text line heights
}  // namespace UIConstants

class PavonixSimUI {
public:
    // The one panel, made on first use (thread-safe) and kept until exit.
    static PavonixSimUI& GetInstance();

    PavonixSimUI(const PavonixSimUI&) = delete;
    PavonixSimUI& operator=(const PavonixSimUI&) = delete;

    // Keeps the GUI's context (not owned) for init and render to make current.
    // Any thread: the HAL calls it on whichever thread connects first, while the
    // GUI may be drawing, so it touches neither ImGui nor the current context.
    void setImGuiContext(ImGuiContext* ctx);

    // The GUI's init callback: makes the kept context current and logs the deploy path.
    void init();

    // The GUI's per-frame callback: makes the kept context current; then, with a
    // current ImGui context, ticks the device by the frame time (1000 x DeltaTime
    // ms) and draws the panel; without one, does nothing at all.
    void render();

    // Nothing to release; kept for the GUI's callback set.
    void shutdown() {}

private:
    PavonixSimUI() = default;
    ~PavonixSimUI() = default;

    void MakeKeptContextCurrent() const;
    void DrawDeviceTab();
    void DrawLedTab();
    void DrawModulesTab();
    void DrawStatusControls();

    // Written by the handover on any thread, read by the GUI's thread each frame.
    std::atomic<ImGuiContext*> m_imguiContext{nullptr};
};

}  // namespace orvek::internal
