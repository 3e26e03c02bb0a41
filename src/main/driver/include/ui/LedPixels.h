#pragma once
// Internal to the panel; no guarantee. The look of one drawn LED and of the dark
// box behind a strip or matrix, shared by every LED the LED tab draws.
//
// GUI thread only, inside a window's frame.

#include <cstdint>

#include <imgui.h>

#include <orvek/domain/Color.h>

namespace orvek::internal::ui {

inline constexpr ImU32 kLedOutlineColor = 0x64646464;  // grey, alpha 100
inline constexpr ImU32 kGridBackgroundColor = 0xFF141414;
inline constexpr ImU32 kZoneSeparatorColor = 0xFFC8C8C8;
inline constexpr float kZoneSeparatorThickness = 2.0f;
inline constexpr float kGridRounding = 3.0f;

// A pixel color as the draw list takes it: opaque, red in the low byte.
constexpr ImU32 ToDrawColor(const domain::Color& c) noexcept {
    return 0xFF000000u | (ImU32(c.b) << 16) | (ImU32(c.g) << 8) | ImU32(c.r);
}

// One LED: a square of half side `halfSize` around `center`, filled with `color`
// and outlined (1 px) with `outlineColor`, corners rounded by 0.45 × halfSize.
void DrawRoundedPixel(ImDrawList* list, const ImVec2& center, float halfSize, ImU32 color, ImU32 outlineColor);

// The dark box from `topLeft` spanning `size`, corners rounded by `rounding`.
void DrawGridBackground(ImDrawList* list, const ImVec2& topLeft, const ImVec2& size, float rounding);

}  // namespace orvek::internal::ui
