// The library's main job: a robot program that drives the simulated device
// while the simulation GUI shows the panel.
//
//   example_simulation [--config FILE] [--deploy DIR] [--frames N] [--screenshot FILE.png]
//
// It connects (which hooks the panel into the GUI), applies the configuration,
// starts looks on every zone, and every few seconds changes them and prints the
// events the device sent back. A run of a given number of frames is a recording:
// each frame counts 1/60 s whatever it took, and the looks change so that the
// last frame comes a quarter second after a change, when every matrix is lit
// (the text has scrolled in on one, a bitmap shows on the other).

#include "pavonixVariant/c_Pavonix.h"
#include "ui/BitmapLoader.h"
#include "ui/PanelEventForm.h"

#include <halsimgui/SimGuiHost.h>

#include <orvek/configuration/OrvekConfigurationParser.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using orvek::internal::Command::LED::AnimationColor;
using orvek::internal::Command::LED::MatrixTextScrollDirection;
using orvek::internal::Configuration::OrvekConfiguration;
using orvek::internal::Configuration::ZoneType;
using orvek::internal::Eventing::Event;
using orvek::led::Animation;
using units::millisecond_t;

struct Options {
    std::string configPath = ORVEK_EXAMPLES_DIR "/config/robot.json";
    std::string deployPath = ORVEK_EXAMPLES_DIR "/deploy";
    halsimgui::HostOptions host;
};

Options ParseArguments(int argc, char** argv) {
    Options options;
    options.host.title = "Robot Simulation - libOrvekDriver";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        const char* value = argv[i + 1];
        if (flag == "--config")
            options.configPath = value;
        else if (flag == "--deploy")
            options.deployPath = value;
        else if (flag == "--frames")
            options.host.maxFrames = std::atoi(value);
        else if (flag == "--screenshot")
            options.host.screenshotPath = value;
        else
            std::cerr << "unknown option " << flag << "\n";
    }
    return options;
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Gives every kind of zone and command something to show, and changes the looks
// every `kStepFrames` frames: strips cycle through the built-in animations and the
// sequences, groups get colors and animations in one command, the first matrix
// scrolls text and the others show the bitmaps.
class RobotProgram {
public:
    // `lastFrame`: the frame a recording ends on, or -1 for a run without end.
    RobotProgram(Pavonix_int* handle, OrvekConfiguration config, int lastFrame)
        : m_handle(handle),
          m_config(std::move(config)),
          m_phase(PhaseFor(lastFrame)),
          m_step(FirstStepFor(lastFrame, m_phase)) {}

    void Periodic() {
        if (m_frame == 0 || (m_frame + m_phase) % kStepFrames == 0) Step(m_step++);
        ++m_frame;
        PrintEvents();
    }

private:
    static constexpr int kStepFrames = 180;
    // The matrices' looks repeat every 24 steps: 3 texts, 2 directions and 2
    // bitmaps in turn, the matrices trading places every 4.
    static constexpr int kLookCycle = 24;
    // A recording ends on this step: the first matrix scrolls "ORVEK 4321", the
    // second shows the logo (the spinner's frames are too dim to tell from dark).
    static constexpr int kLastStep = 3;
    // How long the looks of a recording's last frame have run: a quarter second,
    // four 60 ms scroll steps, puts every text of the example at least one
    // character into its matrix and none of it out yet (the shortest, "GO!",
    // passes through in 480 ms and then starts again from a dark matrix).
    static constexpr int kLastFrameAge = 15;

    // The offset of the step changes that puts `lastFrame` kLastFrameAge frames after one.
    static int PhaseFor(int lastFrame) {
        if (lastFrame < 0) return 0;
        return ((kLastFrameAge - lastFrame) % kStepFrames + kStepFrames) % kStepFrames;
    }

    // The step to start on, so that the step changes up to `lastFrame` end on kLastStep.
    static int FirstStepFor(int lastFrame, int phase) {
        if (lastFrame < 0) return 0;
        const int changesAfterStart = (lastFrame + phase) / kStepFrames;
        return ((kLastStep - changesAfterStart) % kLookCycle + kLookCycle) % kLookCycle;
    }

    template <class T>
    static const std::vector<T>& Listed(const std::optional<std::vector<T>>& list) {
        static const std::vector<T> kNone;
        return list ? *list : kNone;
    }

    void Step(int step) {
        int strip = 0;
        int matrix = 0;
        for (const auto& channel : Listed(m_config.channels)) {
            for (const auto& zone : channel.zones) {
                if (zone.type == ZoneType::Strip) {
                    StepStrip(zone.id.c_str(), step + strip++);
                } else {
                    StepMatrix(zone.id.c_str(), step, matrix++);
                }
            }
        }
        StepGroup(step);
    }

    void StepStrip(const char* zone, int index) {
        const auto& sequences = Listed(m_config.sequences);
        if (!sequences.empty() && index % 5 == 2) {
            pv_SetAnimationSequence(m_handle, zone, sequences[index % sequences.size()].id.c_str());
            return;
        }
        if (index % 7 == 6) {
            pv_SetColor(m_handle, zone, Hue(index));
            return;
        }
        const auto animation = static_cast<Animation>(1 + index % 26);
        pv_SetAnimation(m_handle, zone, animation, Hue(index), millisecond_t(0), index % 2 == 1, false);
    }

    // The first matrix scrolls text; the others show the bitmaps in turn, and on
    // every fourth step the matrices trade places.
    void StepMatrix(const char* zone, int step, int matrix) {
        const auto& bitmaps = Listed(m_config.bitmaps);
        const bool showsText = bitmaps.empty() || (matrix + step / 4) % 2 == 0;
        if (showsText) {
            static const char* const kTexts[] = {"ORVEK 4321", "GO!", "AUTO MODE"};
            pv_SetText(m_handle, zone, kTexts[step % 3], {255, 120, 0},
                       step % 2 ? MatrixTextScrollDirection::RIGHT : MatrixTextScrollDirection::LEFT, millisecond_t(60),
                       false);
            return;
        }
        const auto& bitmap = bitmaps[(step + matrix) % bitmaps.size()];
        pv_SetBitmap(m_handle, zone, bitmap.id.c_str(), {255, 255, 255}, false, false);
    }

    // One group command every third step, after the zones' own looks.
    void StepGroup(int step) {
        const auto& groups = Listed(m_config.animationGroups);
        if (groups.empty() || step % 3 != 1) return;
        const char* group = groups[(step / 3) % groups.size()].id.c_str();
        if (step % 2 == 0) {
            pv_SetGroupColor(m_handle, group, Hue(step));
        } else {
            pv_SetGroupAnimation(m_handle, group, Animation::TheaterChase, Hue(step), millisecond_t(0), false, false);
        }
    }

    static AnimationColor Hue(int index) {
        return {static_cast<uint8_t>(40 * index), 180, static_cast<uint8_t>(255 - 30 * index)};
    }

    // Each event read back, named and described as the panel's event table shows it.
    void PrintEvents() {
        Event events[16];
        const int count = pv_GetEvents(m_handle, events, 16);
        for (int i = 0; i < count; ++i) {
            orvek::internal::ui::DescribeEventSummary(events[i], m_details);
            std::printf("event %s: %s\n", orvek::internal::ui::LabelForEventType(events[i].header.type),
                        m_details.c_str());
        }
    }

    Pavonix_int* m_handle;
    OrvekConfiguration m_config;
    int m_phase;
    int m_step;
    int m_frame = 0;
    std::string m_details;
};

}  // namespace

int main(int argc, char** argv) {
    Options options = ParseArguments(argc, argv);
    const bool recording = options.host.maxFrames > 0;
    if (recording) options.host.fixedFrameSeconds = 1.0f / 60.0f;
    const std::string configText = ReadFile(options.configPath);
    auto config = orvek::config::ParseConfig(configText);
    if (!config) {
        std::cerr << "cannot read the configuration " << options.configPath << "\n";
        return 1;
    }

    std::unique_ptr<Pavonix_int> handle(pv_CreateInstance());
    pv_SetDeployPath(options.deployPath.c_str());
    halsimgui::PublishExtensionPoints();
    pv_Connect(handle.get(), orvek::connection::USBPort::kUSB1);
    pv_ApplyConfigurationJson(handle.get(), configText.data(), configText.size());

    RobotProgram robot(handle.get(), *config, recording ? options.host.maxFrames - 1 : -1);
    return halsimgui::RunHost(options.host, [&] { robot.Periodic(); });
}
