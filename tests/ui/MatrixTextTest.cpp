// Scrolling text on matrix zones: window size, both directions, one-shot and
// repeating clocks, vertical placement, and glyph drawing with clipping.

#include <climits>
#include <limits>

#include <gtest/gtest.h>

#include "MatrixTestSupport.h"
#include "ui/MatrixRenderer.h"

namespace orvek::internal::matrixtest {
namespace {

using ui::DrawMatrixGlyph;
using ui::FillMatrixText;

// The window of a 8-row matrix of the given width at time t.
std::string Window(const std::string& text, Direction dir, float timeMs, bool oneShot = false, int cols = 32,
                   uint16_t delay = 100) {
    std::vector<Color> buffer(size_t(8) * cols);
    FillMatrixText(buffer, 8, uint16_t(cols), TextZone(text, dir, delay, oneShot, timeMs));
    return ReadWindow(buffer, 8, cols, 0);
}

TEST(MatrixTextTest, LeftScrollEntersAtTheRightEdgeInReadingOrder) {
    EXPECT_EQ(Window("ABC", Direction::LEFT, 0), "    ");
    EXPECT_EQ(Window("ABC", Direction::LEFT, 100), "   A");
    EXPECT_EQ(Window("ABC", Direction::LEFT, 300), " ABC");
    EXPECT_EQ(Window("ABC", Direction::LEFT, 400), "ABC ");
    EXPECT_EQ(Window("ABC", Direction::LEFT, 799), "    ");  // step 7, the text has left
}

TEST(MatrixTextTest, RightScrollEntersAtTheLeftEdgeFirstCharacterLeading) {
    EXPECT_EQ(Window("ABC", Direction::RIGHT, 150), "A   ");
    EXPECT_EQ(Window("ABC", Direction::RIGHT, 300), "CBA ");
    EXPECT_EQ(Window("ABC", Direction::RIGHT, 400), " CBA");
    EXPECT_EQ(Window("ABC", Direction::RIGHT, 700), "    ");
}

TEST(MatrixTextTest, RepeatingTextWrapsAfterWindowPlusLengthPlusOneSteps) {
    // 4 cells + 5 characters + 1 = 10 steps of 100 ms.
    EXPECT_EQ(Window("HELLO", Direction::LEFT, 500), "ELLO");
    EXPECT_EQ(Window("HELLO", Direction::LEFT, 900), "    ");
    EXPECT_EQ(Window("HELLO", Direction::LEFT, 1000), "    ");
    EXPECT_EQ(Window("HELLO", Direction::LEFT, 1100), "   H");
    EXPECT_EQ(Window("HELLO", Direction::LEFT, 1500), "ELLO");
}

TEST(MatrixTextTest, OneShotTextStopsWithAnEmptyWindow) {
    EXPECT_EQ(Window("HELLO", Direction::LEFT, 800, true), "O   ");
    EXPECT_EQ(Window("HELLO", Direction::LEFT, 1000, true), "    ");
    EXPECT_EQ(Window("HELLO", Direction::LEFT, 1100, true), "    ");
    EXPECT_EQ(Window("HELLO", Direction::RIGHT, 5000, true), "    ");
}

TEST(MatrixTextTest, ZeroDelayStepsEveryMillisecond) {
    EXPECT_EQ(Window("AB", Direction::LEFT, 2.5f, false, 16, 0), "AB");
}

TEST(MatrixTextTest, NarrowOrEmptyMatricesDrawNothing) {
    std::vector<Color> narrow(8 * 7);
    FillMatrixText(narrow, 8, 7, TextZone("ABC", Direction::LEFT, 100, false, 300));
    EXPECT_TRUE(LitPixels(narrow).empty());

    std::vector<Color> none(32);
    FillMatrixText(none, 0, 32, TextZone("ABC", Direction::LEFT, 100, false, 300));
    EXPECT_TRUE(LitPixels(none).empty());
}

TEST(MatrixTextTest, TextIsCentredVertically) {
    std::vector<Color> eight(8 * 8);
    FillMatrixText(eight, 8, 8, TextZone("A", Direction::LEFT, 100, false, 100));
    EXPECT_EQ(ReadWindow(eight, 8, 8, 0), "A");

    std::vector<Color> sixteen(16 * 8);
    FillMatrixText(sixteen, 16, 8, TextZone("A", Direction::LEFT, 100, false, 100));
    EXPECT_EQ(ReadWindow(sixteen, 16, 8, 4), "A");
    // The apex of the A (row 0 of the glyph, column 2) lands on row 4.
    EXPECT_EQ(LitPixels(sixteen).front(), 4 * 8 + 2);
}

TEST(MatrixTextTest, ShortMatrixDropsTheUpperGlyphRows) {
    // 4 rows: the glyph starts at row -2, so glyph rows 2..5 show. A's row 4 is its
    // crossbar, five lit pixels on display row 2.
    std::vector<Color> buffer(4 * 8);
    FillMatrixText(buffer, 4, 8, TextZone("A", Direction::LEFT, 100, false, 100));
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(!(buffer[2 * 8 + x] == kBlack), x < 5) << x;
    }
    EXPECT_EQ(ReadCell(buffer, 4, 8, 0, -2), 'A');
}

TEST(MatrixTextTest, TextUsesItsColor) {
    std::vector<Color> buffer(8 * 8);
    FillMatrixText(buffer, 8, 8, TextZone("!", Direction::LEFT, 10, false, 10, {12, 34, 56}));
    // '!' is column 2 rows 0..4 and 6.
    EXPECT_EQ(LitPixels(buffer), (std::vector<int>{2, 10, 18, 26, 34, 50}));
    EXPECT_EQ(buffer[2], Color(12, 34, 56));
}

TEST(MatrixTextTest, FullTextShowsItsLastCharacterOnce) {
    const std::string text = "ABCDEFGHIJKLMNOPQRSTUVWX";  // all 24 bytes used, no terminator
    EXPECT_EQ(Window(text, Direction::LEFT, 2400), "UVWX");
    EXPECT_EQ(Window(text, Direction::LEFT, 2500), "VWX ");
    EXPECT_EQ(Window(text, Direction::LEFT, 2700), "X   ");
}

TEST(MatrixTextTest, LengthBeyondTheTextShowsBlanks) {
    ZoneState zs = TextZone("ABC", Direction::LEFT, 100, false, 0);
    zs.lastMatrixText.length = 200;  // corrupt: more than the 24 bytes there are
    std::vector<Color> buffer(8 * 32);
    for (float t : {400.f, 2700.f, 20300.f}) {
        std::fill(buffer.begin(), buffer.end(), kBlack);
        zs.timeMs = t;
        FillMatrixText(buffer, 8, 32, zs);
        EXPECT_EQ(ReadWindow(buffer, 8, 32, 0), t == 400.f ? "ABC " : "    ") << t;
    }
}

TEST(MatrixTextTest, UndefinedClocksShowTheEmptyWindow) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(Window("ABC", Direction::LEFT, -250), "    ");
    EXPECT_EQ(Window("ABC", Direction::LEFT, nan), "    ");
    EXPECT_EQ(Window("ABC", Direction::LEFT, inf, true), "    ");
    EXPECT_EQ(Window("ABC", Direction::LEFT, inf, false), "    ");
    // A clock far beyond any int still lands on some step of the cycle.
    EXPECT_EQ(Window("ABC", Direction::LEFT, 1e30f).find('?'), std::string::npos);
}

TEST(MatrixGlyphTest, RotatedGlyphIsMirroredThroughTheCentre) {
    const ZoneState zs = TextZone("", Direction::LEFT, 1, false, 0, {1, 2, 3});
    std::vector<Color> upright(8 * 8);
    std::vector<Color> rotated(8 * 8);
    DrawMatrixGlyph(upright, 8, 8, 0, 0, 'A', zs, false);
    DrawMatrixGlyph(rotated, 8, 8, 0, 0, 'A', zs, true);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(rotated[y * 8 + x], upright[(7 - y) * 8 + (7 - x)]) << x << "," << y;
        }
    }
    // A's first column (0x7C: rows 2..6) ends up in column 7, rows 1..5.
    for (int y = 0; y < 8; ++y) {
        EXPECT_EQ(rotated[y * 8 + 7] == Color(1, 2, 3), y >= 1 && y <= 5) << y;
    }
}

TEST(MatrixGlyphTest, PointsOutsideTheMatrixAreDropped) {
    const ZoneState zs = TextZone("", Direction::LEFT, 1, false, 0);
    std::vector<Color> buffer(6 * 3);
    DrawMatrixGlyph(buffer, 6, 3, -2, -3, char(0xDB), zs, false);
    // The full block covers columns -2..2 and rows -3..4: all of columns 0..2, rows 0..4.
    EXPECT_EQ(LitPixels(buffer), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    std::vector<Color> far(6 * 3);
    DrawMatrixGlyph(far, 6, 3, 1000, -1000, char(0xDB), zs, true);
    DrawMatrixGlyph(far, 6, 3, -1000, 1000, char(0xDB), zs, false);
    DrawMatrixGlyph(far, 6, 3, INT_MAX, INT_MIN, char(0xDB), zs, true);
    DrawMatrixGlyph(far, 6, 3, INT_MAX - 2, INT_MAX - 2, char(0xDB), zs, false);
    EXPECT_TRUE(LitPixels(far).empty());
}

TEST(MatrixGlyphTest, UnlitPixelsKeepTheBuffer) {
    const ZoneState zs = TextZone("", Direction::LEFT, 1, false, 0, {9, 9, 9});
    std::vector<Color> buffer(8 * 8, Color(1, 1, 1));
    DrawMatrixGlyph(buffer, 8, 8, 0, 0, '!', zs, false);
    EXPECT_EQ(buffer[0], Color(1, 1, 1));
    EXPECT_EQ(buffer[2], Color(9, 9, 9));
}

}  // namespace
}  // namespace orvek::internal::matrixtest
