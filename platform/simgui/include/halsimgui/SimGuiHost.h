#pragma once
// Stand-in for the robot platform's simulation GUI: a real window with Dear
// ImGui that publishes the GUI's three extension points through the HAL
// ("halsimgui::AddGuiInit", "halsimgui::AddGuiLateExecute",
// "halsimgui::GetImguiContext") and then calls what was registered there: the
// init callbacks once, the late-execute callbacks once per frame.

#include <functional>
#include <string>

namespace halsimgui {

struct HostOptions {
    std::string title = "Robot Simulation";
    int width = 1280;  // window size in pixels
    int height = 800;
    int maxFrames = 0;           // stop after this many frames; 0: run until the window closes
    std::string screenshotPath;  // when set, the last frame is saved here as PNG
    // When above 0, every frame counts this long instead of the time it took, so
    // a recorded run shows the same frames on a fast machine and a slow one.
    float fixedFrameSeconds = 0.0f;
};

// Publishes the extension points now, so listeners registered earlier or later
// both see them. Safe to call more than once (publishes once).
void PublishExtensionPoints();

// Opens the window and runs frames until it closes or maxFrames is reached;
// `robotPeriodic` runs at the start of every frame, like a robot program's loop.
// Returns 0, or 1 when no window could be made (no display, no OpenGL).
int RunHost(const HostOptions& options, const std::function<void()>& robotPeriodic);

}  // namespace halsimgui
