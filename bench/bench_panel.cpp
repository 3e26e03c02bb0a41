// One headless frame of the panel's LED tab against a bare Dear ImGui frame that
// draws the same LEDs and nothing else.
//
// BM_PanelFrame: 8 channels of 1,000 strip LEDs, each zone playing a different
// animation, and four 32 x 32 matrices (two scrolling texts, the example logo and
// the example spinner), in the panel's 600 x 700 window: the device tick, the
// copies of the device's state, the animation steps, the matrix passes, the
// layout, the forms, and Dear ImGui's geometry for all of it.
// BM_BareImGuiFrame: a window of the same size submitting the same rounded
// filled squares and outlines, in the same colours, sizes and places, read back
// from one panel frame. The ratio of the two is the panel's own cost per frame;
// the goal is at most 1.2.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include <imgui.h>
#include <imgui_internal.h>

#include <orvek/configuration/Configuration.h>
#include <orvek/util/hashing/IDCreator.h>

#include "device/PavonixSimDevice.h"
#include "ui/BitmapLoader.h"
#include "ui/PavonixSimUI.h"

namespace {

using orvek::internal::IDCreator;
using orvek::internal::PavonixSimDevice;
using orvek::internal::PavonixSimUI;
namespace cfg = orvek::internal::Configuration;

constexpr int kChannels = 8;
constexpr uint16_t kStripLeds = 1000;
constexpr int kMatrices = 4;
constexpr uint16_t kMatrixSide = 32;
constexpr const char* kPanelWindow = "Pavonix Simulation";
constexpr ImU32 kOutline = 0x64646464;

const char* const kAnimations[kChannels] = {"RainbowCycle", "Breathe", "Chase",  "Comet",
                                            "Wave",         "Plasma",  "Larson", "Twinkle"};

// One drawn LED square as the panel submitted it.
struct Square {
    ImVec2 min, max;
    ImU32 color;
};

// The one context of the benchmarks, sized like the panel's host, handed to the panel.
ImGuiContext* Context() {
    static ImGuiContext* context = [] {
        ImGuiContext* ctx = ImGui::CreateContext();
        ImGuiIO& io = ImGui::GetIO();
        io.DisplaySize = ImVec2(1920, 1080);
        io.DeltaTime = 1.0f / 60.0f;
        io.IniFilename = nullptr;
        // The host's OpenGL 3 renderer draws lists of more than 65536 vertices in parts.
        io.BackendFlags |= ImGuiBackendFlags_RendererHasVtxOffset;
        unsigned char* pixels = nullptr;
        int width = 0, height = 0;
        io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
        PavonixSimUI::GetInstance().setImGuiContext(ctx);
        return ctx;
    }();
    ImGui::SetCurrentContext(context);
    return context;
}

cfg::OrvekConfiguration BenchConfiguration() {
    cfg::OrvekConfiguration config;
    config.channels.emplace();
    for (int c = 0; c < kChannels; ++c) {
        cfg::Channel channel;
        channel.id = channel.key = "bench-channel" + std::to_string(c);
        cfg::Zone strip{};
        strip.id = "bench-strip" + std::to_string(c);
        strip.strip = {kStripLeds, c % 2 == 1};
        channel.zones.push_back(strip);
        if (c < kMatrices) {
            cfg::Zone matrix{};
            matrix.type = cfg::ZoneType::Matrix;
            matrix.id = "bench-matrix" + std::to_string(c);
            matrix.matrix = {kMatrixSide, kMatrixSide, uint8_t(c % 2 == 0 ? 0 : cfg::MatrixOrientation::kZigzag)};
            channel.zones.push_back(matrix);
        }
        channel.length = uint16_t(kStripLeds + (c < kMatrices ? kMatrixSide * kMatrixSide : 0));
        config.channels->push_back(channel);
    }
    cfg::Bitmap logo;
    logo.id = "bench-logo";
    logo.path = "bitmaps/logo.bmp";
    cfg::Bitmap spinner;
    spinner.id = "bench-spinner";
    spinner.type = cfg::BitmapType::Animated;
    spinner.folder = "bitmaps/spinner";
    spinner.frameDelay = 80;
    config.bitmaps = std::vector<cfg::Bitmap>{logo, spinner};
    return config;
}

void SendText(PavonixSimDevice& device, const char* zone, const char* text) {
    auto data = orvek::internal::Command::LED::Zeroed<orvek::internal::Command::LED::SetMatrixTextData>();
    data.length = uint8_t(std::min<size_t>(std::strlen(text), sizeof data.text));
    std::memcpy(data.text, text, data.length);
    data.color = {255, 160, 0};
    data.delay = 60;
    device.DispatchSetMatrixText(IDCreator::createId(zone), data);
}

void StartLooks() {
    PavonixSimDevice& device = *PavonixSimDevice::GetInstance();
    device.ResetForTesting();
    pv_SetDeployPath(ORVEK_EXAMPLES_DIR "/deploy");
    device.ApplyConfiguration(BenchConfiguration());
    for (int c = 0; c < kChannels; ++c) {
        const std::string zone = "bench-strip" + std::to_string(c);
        device.DispatchSetAnimation(IDCreator::createId(zone), IDCreator::createId(kAnimations[c]), 0,
                                    {uint8_t(30 * c), 200, 255}, c % 3 == 0, false);
    }
    SendText(device, "bench-matrix0", "ORVEK 4321");
    SendText(device, "bench-matrix1", "PANEL BENCHMARK TEXT 123");
    device.DispatchSetBitmap(IDCreator::createId("bench-matrix2"), IDCreator::createId("bench-logo"), {255, 255, 255},
                             false, false);
    device.DispatchSetBitmap(IDCreator::createId("bench-matrix3"), IDCreator::createId("bench-spinner"), {0, 255, 255},
                             true, false);
}

void PanelFrame() {
    ImGui::NewFrame();
    PavonixSimUI::GetInstance().render();
    ImGui::Render();
}

// The LED squares of one panel frame, read from its draw list with anti-aliasing
// off: each fill that the LED outline strokes right after is one square.
std::vector<Square> CaptureSquares() {
    ImGuiStyle& style = ImGui::GetStyle();
    const ImGuiStyle saved = style;
    style.AntiAliasedFill = style.AntiAliasedLines = style.AntiAliasedLinesUseTex = false;
    PanelFrame();
    style = saved;

    std::vector<Square> squares;
    const ImVector<ImDrawVert>& v = ImGui::FindWindowByName(kPanelWindow)->DrawList->VtxBuffer;
    int previous = -1;
    for (int start = 0, i = 1; start < v.Size; ++i) {
        if (i < v.Size && v[i].col == v[start].col) continue;
        if (v[start].col == kOutline && previous >= 0 && v[previous].col != kOutline) {
            Square s{v[previous].pos, v[previous].pos, v[previous].col};
            for (int k = previous; k < start; ++k) {
                s.min = ImVec2(std::min(s.min.x, v[k].pos.x), std::min(s.min.y, v[k].pos.y));
                s.max = ImVec2(std::max(s.max.x, v[k].pos.x), std::max(s.max.y, v[k].pos.y));
            }
            squares.push_back(s);
        }
        previous = start;
        start = i;
    }
    return squares;
}

void BM_PanelFrame(benchmark::State& state) {
    Context();
    StartLooks();
    PanelFrame();  // loads the bitmaps and makes the forms
    for (auto _ : state) PanelFrame();
    state.counters["leds"] = double(kChannels * kStripLeds + kMatrices * kMatrixSide * kMatrixSide);
}
BENCHMARK(BM_PanelFrame)->Unit(benchmark::kMicrosecond);

void BM_BareImGuiFrame(benchmark::State& state) {
    Context();
    StartLooks();
    PanelFrame();
    const std::vector<Square> squares = CaptureSquares();
    const ImGuiWindow* panel = ImGui::FindWindowByName(kPanelWindow);
    const ImVec2 pos = panel->Pos, size = panel->Size;
    for (auto _ : state) {
        ImGui::NewFrame();
        ImGui::SetNextWindowPos(pos);
        ImGui::SetNextWindowSize(size);
        ImGui::Begin("Bare LEDs", nullptr, ImGuiWindowFlags_NoSavedSettings);
        ImDrawList* list = ImGui::GetWindowDrawList();
        for (const Square& s : squares) {
            const float rounding = 0.45f * 0.5f * (s.max.x - s.min.x);
            list->AddRectFilled(s.min, s.max, s.color, rounding, ImDrawFlags_RoundCornersAll);
            list->AddRect(s.min, s.max, kOutline, rounding, ImDrawFlags_RoundCornersAll, 1.0f);
        }
        ImGui::End();
        ImGui::Render();
    }
    state.counters["leds"] = double(squares.size());
}
BENCHMARK(BM_BareImGuiFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
