// Remapping a matrix buffer to the zone's physical orientation, and the tint.

#include <gtest/gtest.h>

#include "MatrixTestSupport.h"
#include "ui/MatrixRenderer.h"

namespace orvek::internal::matrixtest {
namespace {

using ui::ApplyMatrixOrientation;
using ui::TintColor;

// A buffer whose pixel i has red = i, so a remap can be read back as indexes.
std::vector<Color> Numbered(int count) {
    std::vector<Color> buffer;
    for (int i = 0; i < count; ++i) {
        buffer.emplace_back(uint8_t(i), 0, 0);
    }
    return buffer;
}

std::vector<int> Sources(const std::vector<Color>& buffer) {
    std::vector<int> sources;
    for (const Color& c : buffer) {
        sources.push_back(c.r);
    }
    return sources;
}

std::vector<int> Oriented(int rows, int cols, uint8_t orientation) {
    std::vector<Color> buffer = Numbered(rows * cols);
    ApplyMatrixOrientation(buffer, uint16_t(rows), uint16_t(cols), orientation);
    return Sources(buffer);
}

TEST(MatrixOrientationTest, ZeroLeavesTheBufferUnchanged) {
    EXPECT_EQ(Oriented(2, 3, 0), (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

TEST(MatrixOrientationTest, SingleFlipsMirrorRowsOrColumns) {
    EXPECT_EQ(Oriented(2, 3, 1), (std::vector<int>{3, 4, 5, 0, 1, 2}));
    EXPECT_EQ(Oriented(2, 3, 2), (std::vector<int>{2, 1, 0, 5, 4, 3}));
}

TEST(MatrixOrientationTest, BothFlipsRotateByHalfATurn) {
    EXPECT_EQ(Oriented(2, 3, 3), (std::vector<int>{5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(Oriented(3, 3, 3), (std::vector<int>{8, 7, 6, 5, 4, 3, 2, 1, 0}));
}

TEST(MatrixOrientationTest, ZigzagMirrorsEveryOddRow) {
    EXPECT_EQ(Oriented(4, 3, 8), (std::vector<int>{0, 1, 2, 5, 4, 3, 6, 7, 8, 11, 10, 9}));
}

TEST(MatrixOrientationTest, AxisSwapTransposesSquareMatrices) {
    EXPECT_EQ(Oriented(3, 3, 4), (std::vector<int>{0, 3, 6, 1, 4, 7, 2, 5, 8}));
}

TEST(MatrixOrientationTest, AxisSwapOnNonSquareMatricesRepeatsEdgePixels) {
    // 2 × 3: displayed (r, c) fetches (min(c, 1), min(r, 2)).
    EXPECT_EQ(Oriented(2, 3, 4), (std::vector<int>{0, 3, 3, 1, 4, 4}));
    // 3 × 2: displayed (r, c) fetches (min(c, 2), min(r, 1)).
    EXPECT_EQ(Oriented(3, 2, 4), (std::vector<int>{0, 2, 1, 3, 1, 3}));
}

TEST(MatrixOrientationTest, AllBitsCombineInOrder) {
    // 2 × 2, all four bits: flip both axes, transpose, then mirror displayed row 1.
    // Displayed (0,0): (1,1) -> (1,1) = 3; (0,1): (1,0) -> (0,1) = 1;
    // (1,0): (0,1) -> (1,0) -> zigzag (1,1) = 3; (1,1): (0,0) -> zigzag (0,1) = 1.
    EXPECT_EQ(Oriented(2, 2, 15), (std::vector<int>{3, 1, 3, 1}));
}

TEST(MatrixOrientationTest, EmptyOrShortBuffersAreLeftAlone) {
    std::vector<Color> noColumns = Numbered(4);
    ApplyMatrixOrientation(noColumns, 4, 0, 3);
    EXPECT_EQ(Sources(noColumns), (std::vector<int>{0, 1, 2, 3}));

    // A buffer shorter than rows × cols: only pixels whose source and target both
    // exist move; nothing is read or written outside it.
    std::vector<Color> shortBuffer = Numbered(3);
    ApplyMatrixOrientation(shortBuffer, 2, 2, 3);
    EXPECT_EQ(Sources(shortBuffer), (std::vector<int>{0, 2, 1}));
}

TEST(MatrixTintTest, TintScalesEachChannelDown) {
    const Color red(255, 0, 0);
    EXPECT_EQ(TintColor(Color(255, 255, 255), red, true), red);
    EXPECT_EQ(TintColor(Color(128, 128, 128), red, true), Color(128, 0, 0));
    EXPECT_EQ(TintColor(Color(200, 100, 50), Color(128, 255, 1), true), Color(100, 100, 0));
    EXPECT_EQ(TintColor(Color(200, 100, 50), red, false), Color(200, 100, 50));
}

TEST(MatrixTintTest, TintNeverExceedsEitherInputAndFullTintKeepsTheSource) {
    for (int s = 0; s < 256; ++s) {
        for (int t = 0; t < 256; ++t) {
            const Color out = TintColor(Color(uint8_t(s), 0, 0), Color(uint8_t(t), 0, 0), true);
            ASSERT_LE(out.r, std::min(s, t));
            if (t == 255 || t == 0) {
                ASSERT_EQ(out.r, t == 255 ? s : 0);
            }
        }
    }
}

}  // namespace
}  // namespace orvek::internal::matrixtest
