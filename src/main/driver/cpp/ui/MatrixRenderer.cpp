// Matrix rendering: orientation, tint, glyphs, scrolling text and bitmap frames.
//
// Every write goes through PlotPixel, which drops points outside the matrix or the
// buffer, so no zone geometry or text length can reach outside the buffer.

#include "ui/MatrixRenderer.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "device/PavonixSimDevice.h"
#include "ui/BitmapLoader.h"
#include "ui/MatrixFont.h"

namespace orvek::internal::ui {
namespace {

using pavonix::sim::ZoneState;

constexpr int kTextCellWidth = 8;  // glyph, its empty sixth column and two unlit columns
constexpr int kGlyphCellColumns = kMatrixFontWidth + 1;
constexpr int kTextCapacity = sizeof(Command::LED::SetMatrixTextData::text);
constexpr double kDefaultFrameDelayMs = 100.0;

void PlotPixel(std::vector<domain::Color>& buffer, uint16_t rows, uint16_t cols, int64_t x, int64_t y,
               const domain::Color& color) {
    if (x < 0 || y < 0 || x >= cols || y >= rows) {
        return;
    }
    const size_t index = size_t(y) * cols + size_t(x);
    if (index < buffer.size()) {
        buffer[index] = color;
    }
}

// The whole steps of stepMs in timeMs; 0 for a negative, infinite or undefined
// clock. Callers reduce the result into their cycle before narrowing it.
double WholeSteps(double timeMs, double stepMs) {
    const double steps = std::floor(timeMs / stepMs);
    return std::isfinite(steps) && steps > 0 ? steps : 0;
}

// The scroll step shown: a one-shot text stops at totalState, a repeating one wraps.
int TextScrollState(float timeMs, uint16_t delayMs, int totalState, bool oneShot) {
    // The quotient is taken in float, so a step boundary falls where the clock says.
    const float quotient = timeMs / static_cast<float>(delayMs);
    const double steps = WholeSteps(quotient, 1.0);
    return static_cast<int>(oneShot ? std::min(steps, double(totalState)) : std::fmod(steps, totalState));
}

// The character at text position p: text bytes for 0 <= p < length, a blank for
// the position just past the text and a space anywhere else.
char TextCharAt(const Command::LED::SetMatrixTextData& text, int position) {
    const int length = text.length;
    if (position < 0 || position > length) {
        return ' ';
    }
    // Only the first 24 bytes are text; a length beyond them (or the position right
    // after a full text) shows the blank glyph instead of repeating the last byte.
    return position < std::min(length, kTextCapacity) ? text.text[position] : '\0';
}

size_t FrameIndexAt(const Configuration::Bitmap& bitmap, size_t frameCount, float timeMs) {
    if (bitmap.type != Configuration::BitmapType::Animated || frameCount < 2) {
        return 0;
    }
    double delayMs = bitmap.frameDelay ? double(*bitmap.frameDelay) : kDefaultFrameDelayMs;
    if (delayMs == 0) {
        delayMs = 1;
    }
    return static_cast<size_t>(std::fmod(WholeSteps(timeMs, delayMs), double(frameCount)));
}

// One channel of TintColor: source × tint / 255, truncated.
constexpr uint8_t TintChannel(uint8_t source, uint8_t tint) { return uint8_t(source * tint / 255); }

// Nearest source coordinate of a matrix pixel centre, inside 0..size - 1.
int SampleCoordinate(int matrixCoordinate, float scale, int size) {
    const double source = (matrixCoordinate + 0.5) * scale;
    return static_cast<int>(std::clamp(source, 0.0, double(size - 1)));
}

void DrawFrame(std::vector<domain::Color>& buffer, uint16_t rows, uint16_t cols, const BitmapLoader::BitmapFrame& frame,
               const domain::Color& tint, bool applyTint) {
    if (frame.width <= 0 || frame.height <= 0) {
        return;
    }
    float scaleX = static_cast<float>(frame.width) / cols;
    float scaleY = static_cast<float>(frame.height) / rows;
    scaleX = scaleX == 0 ? 1 : scaleX;
    scaleY = scaleY == 0 ? 1 : scaleY;
    // Every row samples the same columns: work them out once per frame.
    std::vector<size_t> sourceColumns(cols);
    for (int col = 0; col < cols; ++col) {
        sourceColumns[col] = size_t(SampleCoordinate(col, scaleX, frame.width));
    }
    const size_t drawable = std::min(buffer.size(), size_t(rows) * cols);
    for (int row = 0; row < rows; ++row) {
        const size_t sourceRow = size_t(SampleCoordinate(row, scaleY, frame.height)) * size_t(frame.width);
        for (int col = 0; col < cols; ++col) {
            const size_t offset = (sourceRow + sourceColumns[col]) * 3;
            const size_t target = size_t(row) * cols + size_t(col);
            if (offset + 2 >= frame.pixels.size() || target >= drawable) {
                continue;
            }
            // Channel by channel: a 3-byte Color round trip through the stack costs
            // several times the arithmetic here.
            const uint8_t* source = frame.pixels.data() + offset;
            domain::Color& out = buffer[target];
            out.r = applyTint ? TintChannel(source[0], tint.r) : source[0];
            out.g = applyTint ? TintChannel(source[1], tint.g) : source[1];
            out.b = applyTint ? TintChannel(source[2], tint.b) : source[2];
        }
    }
}

}  // namespace

void ApplyMatrixOrientation(std::vector<domain::Color>& buffer, uint16_t rows, uint16_t cols, uint8_t orientation) {
    namespace bits = Configuration::MatrixOrientation;
    if (rows == 0 || cols == 0) {
        return;
    }
    const std::vector<domain::Color> logical = buffer;
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            int srcRow = row;
            int srcCol = col;
            if (orientation & bits::kStartBottom) {
                srcRow = rows - 1 - srcRow;
            }
            if (orientation & bits::kStartRight) {
                srcCol = cols - 1 - srcCol;
            }
            if (orientation & bits::kColumnAxis) {
                std::swap(srcRow, srcCol);
                srcRow = std::min(srcRow, rows - 1);
                srcCol = std::min(srcCol, cols - 1);
            }
            if ((orientation & bits::kZigzag) && row % 2 == 1) {
                srcCol = cols - 1 - srcCol;
            }
            const size_t target = size_t(row) * cols + size_t(col);
            const size_t source = size_t(srcRow) * cols + size_t(srcCol);
            if (target < buffer.size() && source < logical.size()) {
                buffer[target] = logical[source];
            }
        }
    }
}

domain::Color TintColor(const domain::Color& src, const domain::Color& tint, bool applyTint) {
    if (!applyTint) {
        return src;
    }
    return {TintChannel(src.r, tint.r), TintChannel(src.g, tint.g), TintChannel(src.b, tint.b)};
}

void DrawMatrixGlyph(std::vector<domain::Color>& buffer, uint16_t rows, uint16_t cols, int baseX, int baseY, char c,
                     const ZoneState& zs, bool rotate180) {
    const uint8_t* glyph = MatrixFont::FontForChar(c);
    const domain::Color color = domain::Color::fromCommand(zs.lastMatrixText.color);
    for (int x = 0; x < kGlyphCellColumns; ++x) {
        const uint8_t column = x < kMatrixFontWidth ? glyph[x] : 0;
        for (int y = 0; y < kMatrixFontHeight; ++y) {
            if (!(column >> y & 1)) {
                continue;
            }
            // 64 bits: a base near the int limits must not overflow on its way to being dropped.
            const int64_t px = rotate180 ? cols - 1 - (int64_t{baseX} + x) : int64_t{baseX} + x;
            const int64_t py = rotate180 ? rows - 1 - (int64_t{baseY} + y) : int64_t{baseY} + y;
            PlotPixel(buffer, rows, cols, px, py, color);
        }
    }
}

void FillMatrixText(std::vector<domain::Color>& buffer, uint16_t rows, uint16_t cols, const ZoneState& zs) {
    if (rows == 0 || cols < kTextCellWidth) {
        return;
    }
    const Command::LED::SetMatrixTextData& text = zs.lastMatrixText;
    const int windowSize = cols / kTextCellWidth;
    const uint16_t delayMs = text.delay == 0 ? 1 : text.delay;
    const int totalState = windowSize + text.length + 1;
    const int state = TextScrollState(zs.timeMs, delayMs, totalState, text.oneShot != 0);

    // The window shows text positions state - windowSize .. state - 1.
    const int left = state - windowSize;
    const int right = state - 1;
    const bool scrollsRight = text.dir == Command::LED::MatrixTextScrollDirection::RIGHT;
    const int yOffset = rows / 2 - kMatrixFontHeight / 2;
    for (int cell = 0; cell < windowSize; ++cell) {
        const int position = scrollsRight ? right - cell : left + cell;
        DrawMatrixGlyph(buffer, rows, cols, cell * kTextCellWidth, yOffset, TextCharAt(text, position), zs, false);
    }
}

void FillMatrixBitmap(std::vector<domain::Color>& buffer, uint16_t rows, uint16_t cols, const ZoneState& zs,
                      PavonixSimDevice& simDev) {
    if (rows == 0 || cols == 0) {
        return;
    }
    const uint16_t bitmapId = zs.lastBitmap.bitmapId;
    const std::optional<Configuration::Bitmap> bitmap = simDev.GetBitmapInfo(bitmapId);
    if (!bitmap) {
        return;
    }
    const BitmapLoader::ImageSequence* sequence = BitmapLoader::LoadBitmap(bitmapId, *bitmap);
    if (sequence == nullptr || sequence->frames.empty()) {
        return;
    }
    const size_t frameIndex = FrameIndexAt(*bitmap, sequence->frames.size(), zs.timeMs);
    DrawFrame(buffer, rows, cols, sequence->frames[frameIndex], domain::Color::fromCommand(zs.lastBitmap.color),
              zs.lastBitmap.setColor != 0);
}

}  // namespace orvek::internal::ui
