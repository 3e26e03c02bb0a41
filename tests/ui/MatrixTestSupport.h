#pragma once
// Shared by the matrix tests: zone states as the device leaves them, and buffers
// read back as text.

#include <cstring>
#include <string>
#include <vector>

#include <orvek/domain/Color.h>
#include <orvek/domain/device/PavonixSimTypes.h>

#include "ui/MatrixFont.h"

namespace orvek::internal::matrixtest {

using domain::Color;
using pavonix::sim::ZoneState;
using Direction = Command::LED::MatrixTextScrollDirection;

inline const Color kBlack{};

// A zone showing text, every other byte zero as the device builds it.
inline ZoneState TextZone(const std::string& text, Direction dir, uint16_t delay, bool oneShot, float timeMs,
                          Command::LED::AnimationColor color = {255, 255, 255}) {
    ZoneState zs;
    std::memset(&zs, 0, sizeof zs);
    zs.lastCommand = Command::LED::LEDCommandType::SetMatrixText;
    zs.lastMatrixText.oneShot = oneShot ? 1 : 0;
    zs.lastMatrixText.color = color;
    zs.lastMatrixText.dir = dir;
    std::memcpy(zs.lastMatrixText.text, text.data(), std::min<size_t>(text.size(), 24));
    zs.lastMatrixText.length = static_cast<uint8_t>(text.size());
    zs.lastMatrixText.delay = delay;
    zs.timeMs = timeMs;
    return zs;
}

// The character whose glyph the 8-column cell shows with its top at row top, '?'
// when no glyph matches or a pixel outside the glyph is lit. Blank cells read as
// spaces. Pixels above or below the matrix count as unlit.
inline char ReadCell(const std::vector<Color>& buffer, int rows, int cols, int cell, int top) {
    auto lit = [&](int x, int y) {
        if (y < 0 || y >= rows) {
            return false;
        }
        return !(buffer[size_t(y) * cols + cell * 8 + x] == kBlack);
    };
    for (int x = 0; x < 8; ++x) {
        for (int y = 0; y < rows; ++y) {
            const bool insideGlyph = x < 5 && y >= top && y < top + 8;
            if (!insideGlyph && lit(x, y)) {
                return '?';
            }
        }
    }
    for (int c = 0x20; c < 0x7F; ++c) {
        const uint8_t* glyph = ui::MatrixFont::FontForChar(char(c));
        bool same = true;
        for (int x = 0; x < 5 && same; ++x) {
            for (int y = 0; y < 8 && same; ++y) {
                const int row = top + y;
                if (row < 0 || row >= rows) {
                    continue;
                }
                same = lit(x, row) == bool(glyph[x] >> y & 1);
            }
        }
        if (same) {
            return char(c);
        }
    }
    return '?';
}

// Every cell of a text window read back, left to right.
inline std::string ReadWindow(const std::vector<Color>& buffer, int rows, int cols, int top) {
    std::string window;
    for (int cell = 0; cell < cols / 8; ++cell) {
        window += ReadCell(buffer, rows, cols, cell, top);
    }
    return window;
}

// Indexes of the lit pixels, for comparing against hand-drawn pictures.
inline std::vector<int> LitPixels(const std::vector<Color>& buffer) {
    std::vector<int> lit;
    for (size_t i = 0; i < buffer.size(); ++i) {
        if (!(buffer[i] == kBlack)) {
            lit.push_back(int(i));
        }
    }
    return lit;
}

}  // namespace orvek::internal::matrixtest
