// One matrix zone on the LED tab: the zone's state rendered into a pixel buffer,
// oriented, and drawn as a grid of LEDs in a dark box.

#include <algorithm>
#include <vector>

#include <imgui.h>

#include <orvek/domain/device/PavonixSimTypes.h>

#include "device/PavonixSimDevice.h"
#include "ui/LedPixels.h"
#include "ui/LedTabDrawing.h"
#include "ui/MatrixRenderer.h"

namespace orvek::internal::ui {

namespace {

constexpr float kMatrixMargin = 6.0f;  // between the box and the outer pixels, each side

// Text, bitmap or the last color, as the zone's last command says. Built-in
// animations never play on a matrix.
void FillFromState(std::vector<domain::Color>& pixels, const Configuration::ZoneMatrix& m,
                   const pavonix::sim::ZoneState& zs, PavonixSimDevice& device) {
    using Command::LED::LEDCommandType;
    switch (zs.lastCommand) {
        case LEDCommandType::SetMatrixText: FillMatrixText(pixels, m.rows, m.cols, zs); break;
        case LEDCommandType::SetBitmap: FillMatrixBitmap(pixels, m.rows, m.cols, zs, device); break;
        default: std::fill(pixels.begin(), pixels.end(), domain::Color::fromCommand(zs.lastColor)); break;
    }
}

// Width or height of `count` pixels at `radius` and `spacing`, margins excluded.
float Extent(uint16_t count, float radius, float spacing) {
    return count == 0 ? 0.0f : 2.0f * radius + float(count - 1) * spacing;
}

void DrawPixels(const std::vector<domain::Color>& pixels, const Configuration::ZoneMatrix& m, float radius,
                float spacing) {
    float maxWidth = ImGui::GetContentRegionAvail().x;
    ImVec2 size(Extent(m.cols, radius, spacing) + 2 * kMatrixMargin,
                Extent(m.rows, radius, spacing) + 2 * kMatrixMargin);
    if (size.x > maxWidth && maxWidth > 0.0f) {
        const float scale = maxWidth / size.x;
        radius *= scale;
        spacing *= scale;
        size = ImVec2(Extent(m.cols, radius, spacing) + 2 * kMatrixMargin,
                      Extent(m.rows, radius, spacing) + 2 * kMatrixMargin);
    }
    const float xOffset = std::max(0.0f, 0.5f * (maxWidth - size.x));
    const ImVec2 cursor = ImGui::GetCursorScreenPos();
    const ImVec2 bgStart(cursor.x + xOffset, cursor.y);
    const ImVec2 matrixStart(bgStart.x + kMatrixMargin, bgStart.y + kMatrixMargin);
    ImDrawList* list = ImGui::GetWindowDrawList();
    DrawGridBackground(list, bgStart, size, kGridRounding);

    for (size_t row = 0; row < m.rows; ++row) {
        for (size_t col = 0; col < m.cols; ++col) {
            const size_t index = row * m.cols + col;
            if (index >= pixels.size()) continue;
            const ImVec2 center(matrixStart.x + radius + float(col) * spacing,
                                matrixStart.y + radius + float(row) * spacing);
            DrawRoundedPixel(list, center, radius, ToDrawColor(pixels[index]), kLedOutlineColor);
        }
    }
    ImGui::Dummy(ImVec2(size.x, size.y + 4.0f));
    ImGui::Spacing();
}

}  // namespace

void DrawMatrixZone(const Configuration::Zone& zone, uint16_t zoneHash, PavonixSimDevice& device, float ledRadius,
                    float ledSpacing, bool drawn) {
    const Configuration::ZoneMatrix& m = zone.matrix;
    ImGui::Text("Matrix Zone: %s (%dx%d)", zone.id.c_str(), int(m.rows), int(m.cols));
    const uint64_t pixelCount = MatrixPixelCount(m);
    if (!drawn) {
        ImGui::TextDisabled("Too large to draw: %llu pixels", static_cast<unsigned long long>(pixelCount));
        return;
    }

    static std::vector<domain::Color> pixels;  // GUI thread only; reused for its storage
    pixels.assign(pixelCount, domain::Color::Black());
    auto zs = Command::LED::Zeroed<pavonix::sim::ZoneState>();
    const bool hasState = device.TryGetZone(zoneHash, zs);
    if (m.rows != 0 && m.cols != 0 && hasState) FillFromState(pixels, m, zs, device);
    ApplyMatrixOrientation(pixels, m.rows, m.cols, m.orientation);
    DrawPixels(pixels, m, ledRadius, ledSpacing);
}

}  // namespace orvek::internal::ui
