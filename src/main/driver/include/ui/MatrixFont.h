#pragma once

// The 5 × 8 font of scrolling matrix text.
//
// Each glyph is five column bytes, left to right; bit 0 of a column is the top
// pixel row and bit 7 the bottom one. Printable ASCII glyphs are 7 rows high with
// the bottom row free except for descenders. Every char value has a glyph.

#include <array>
#include <cstdint>

namespace orvek::internal::ui {

inline constexpr uint8_t kMatrixFontWidth = 5;    // columns per glyph
inline constexpr uint8_t kMatrixFontHeight = 8;   // pixel rows per glyph column
inline constexpr int kMatrixFontCharCount = 256;  // one glyph per unsigned char value

// 256 glyphs in character-code order, kMatrixFontWidth bytes each (1280 bytes).
extern const std::array<uint8_t, kMatrixFontCharCount * kMatrixFontWidth> kMatrixFont;

// Access to the glyph table by character.
class MatrixFont {
public:
    // The kMatrixFontWidth column bytes of c's glyph (c taken as unsigned). Never null.
    static const uint8_t* FontForChar(char c) noexcept {
        return kMatrixFont.data() + static_cast<unsigned char>(c) * kMatrixFontWidth;
    }
};

}  // namespace orvek::internal::ui
