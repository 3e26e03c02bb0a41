// The library's main job: a robot program that drives the simulated device
// while the simulation GUI shows the panel.
//
//   example_simulation [--config FILE] [--deploy DIR] [--frames N] [--screenshot FILE.png]
//
// It connects (which hooks the panel into the GUI), applies the configuration,
// starts looks on every zone, and every few seconds changes them and prints the
// events the device sent back.

#include "pavonixVariant/c_Pavonix.h"
#include "ui/BitmapLoader.h"

#include <halsimgui/SimGuiHost.h>

#include <orvek/configuration/OrvekConfigurationParser.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

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

// Cycles every strip through the built-in animations and every matrix through
// text and bitmaps, one change every `kStepFrames` frames.
class RobotProgram {
public:
    RobotProgram(Pavonix_int* handle, OrvekConfiguration config) : m_handle(handle), m_config(std::move(config)) {}

    void Periodic() {
        if (m_frame++ % kStepFrames == 0) {
            Step(m_step++);
        }
        PrintEvents();
    }

private:
    static constexpr int kStepFrames = 180;

    void Step(int step) {
        int strip = 0;
        for (const auto& channel : m_config.channels.value_or(decltype(m_config.channels)::value_type{})) {
            for (const auto& zone : channel.zones) {
                if (zone.type == ZoneType::Strip) {
                    StepStrip(zone.id.c_str(), step + strip++);
                } else {
                    StepMatrix(zone.id.c_str(), step);
                }
            }
        }
    }

    void StepStrip(const char* zone, int index) {
        if (m_config.sequences && index % 9 == 4) {
            const auto& sequences = *m_config.sequences;
            pv_SetAnimationSequence(m_handle, zone, sequences[index % sequences.size()].id.c_str());
            return;
        }
        const auto animation = static_cast<Animation>(1 + index % 26);
        const AnimationColor color{static_cast<uint8_t>(40 * index), 180, static_cast<uint8_t>(255 - 30 * index)};
        pv_SetAnimation(m_handle, zone, animation, color, millisecond_t(0), index % 2 == 1, false);
    }

    void StepMatrix(const char* zone, int step) {
        const auto& bitmaps = m_config.bitmaps;
        if (bitmaps && step % 2 == 1) {
            const auto& bitmap = (*bitmaps)[(step / 2) % bitmaps->size()];
            pv_SetBitmap(m_handle, zone, bitmap.id.c_str(), {255, 255, 255}, false, false);
            return;
        }
        pv_SetText(m_handle, zone, step % 4 == 0 ? "ORVEK 4321" : "GO!", {255, 120, 0}, MatrixTextScrollDirection::LEFT,
                   millisecond_t(60), false);
    }

    void PrintEvents() {
        Event events[16];
        const int count = pv_GetEvents(m_handle, events, 16);
        for (int i = 0; i < count; ++i) {
            std::printf("event type %u%s%s\n", static_cast<unsigned>(events[i].header.type),
                        events[i].hasExtraMessage() ? ": " : "",
                        events[i].hasExtraMessage() ? events[i].getExtraMessageStr() : "");
        }
    }

    Pavonix_int* m_handle;
    OrvekConfiguration m_config;
    int m_frame = 0;
    int m_step = 0;
};

}  // namespace

int main(int argc, char** argv) {
    const Options options = ParseArguments(argc, argv);
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

    RobotProgram robot(handle.get(), *config);
    return halsimgui::RunHost(options.host, [&] { robot.Periodic(); });
}
