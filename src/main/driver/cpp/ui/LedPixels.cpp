// The LED square and its background box.

#include "ui/LedPixels.h"

namespace orvek::internal::ui {

void DrawRoundedPixel(ImDrawList* list, const ImVec2& center, float halfSize, ImU32 color, ImU32 outlineColor) {
    const float rounding = 0.45f * halfSize;
    const ImVec2 min(center.x - halfSize, center.y - halfSize);
    const ImVec2 max(center.x + halfSize, center.y + halfSize);
    list->AddRectFilled(min, max, color, rounding, ImDrawFlags_RoundCornersAll);
    list->AddRect(min, max, outlineColor, rounding, ImDrawFlags_RoundCornersAll, 1.0f);
}

void DrawGridBackground(ImDrawList* list, const ImVec2& topLeft, const ImVec2& size, float rounding) {
    list->AddRectFilled(topLeft, ImVec2(topLeft.x + size.x, topLeft.y + size.y), kGridBackgroundColor, rounding,
                        ImDrawFlags_RoundCornersAll);
}

}  // namespace orvek::internal::ui
