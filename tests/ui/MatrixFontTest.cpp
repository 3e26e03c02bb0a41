// The matrix font: the fixed glyphs byte for byte, and the shape rules every
// printable glyph follows so that text stays legible.

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "ui/MatrixFont.h"

namespace orvek::internal::ui {
namespace {

std::array<uint8_t, 5> Glyph(char c) {
    const uint8_t* g = MatrixFont::FontForChar(c);
    return {g[0], g[1], g[2], g[3], g[4]};
}

bool UsesRow(char c, int row) {
    for (uint8_t column : Glyph(c)) {
        if (column >> row & 1) {
            return true;
        }
    }
    return false;
}

TEST(MatrixFontTest, TableHasOneFiveByteGlyphPerCharacter) {
    EXPECT_EQ(kMatrixFontWidth, 5);
    EXPECT_EQ(kMatrixFontHeight, 8);
    EXPECT_EQ(kMatrixFontCharCount, 256);
    EXPECT_EQ(sizeof(kMatrixFont), 1280u);
    EXPECT_EQ(MatrixFont::FontForChar('A'), kMatrixFont.data() + 0x41 * 5);
}

TEST(MatrixFontTest, FixedGlyphsMatchByteForByte) {
    using G = std::array<uint8_t, 5>;
    EXPECT_EQ(Glyph(' '), (G{0x00, 0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(Glyph('!'), (G{0x00, 0x00, 0x5F, 0x00, 0x00}));
    EXPECT_EQ(Glyph('0'), (G{0x3E, 0x51, 0x49, 0x45, 0x3E}));
    EXPECT_EQ(Glyph('1'), (G{0x00, 0x42, 0x7F, 0x40, 0x00}));
    EXPECT_EQ(Glyph('A'), (G{0x7C, 0x12, 0x11, 0x12, 0x7C}));
    EXPECT_EQ(Glyph('B'), (G{0x7F, 0x49, 0x49, 0x49, 0x36}));
    EXPECT_EQ(Glyph('a'), (G{0x20, 0x54, 0x54, 0x78, 0x40}));
    EXPECT_EQ(Glyph(char(0xDB)), (G{0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Glyph('\0'), (G{}));
    EXPECT_EQ(Glyph(char(0xFF)), (G{}));  // a negative char is taken as unsigned
}

TEST(MatrixFontTest, PrintableGlyphsAreLitAndAllDifferent) {
    std::set<std::array<uint8_t, 5>> seen;
    for (int c = 0x21; c <= 0x7E; ++c) {
        const auto glyph = Glyph(char(c));
        EXPECT_NE(glyph, (std::array<uint8_t, 5>{})) << char(c);
        EXPECT_TRUE(seen.insert(glyph).second) << "glyph of '" << char(c) << "' repeats another";
    }
}

TEST(MatrixFontTest, OnlyDescendersReachTheBottomRow) {
    const std::string descenders = ",gjpqy";
    for (int c = 0x20; c <= 0x7E; ++c) {
        EXPECT_EQ(UsesRow(char(c), 7), descenders.find(char(c)) != std::string::npos) << char(c);
    }
}

TEST(MatrixFontTest, CapitalsAndDigitsStandFullHeightLowerCaseSitsLow) {
    for (char c = 'A'; c <= 'Z'; ++c) {
        EXPECT_TRUE(UsesRow(c, 0) && UsesRow(c, 6)) << c;
    }
    for (char c = '0'; c <= '9'; ++c) {
        EXPECT_TRUE(UsesRow(c, 0) && UsesRow(c, 6)) << c;
    }
    for (char c : std::string("acegmnopqrsuvwxyz")) {
        EXPECT_FALSE(UsesRow(c, 0) || UsesRow(c, 1)) << c;
        EXPECT_TRUE(UsesRow(c, 2)) << c;
    }
}

}  // namespace
}  // namespace orvek::internal::ui
