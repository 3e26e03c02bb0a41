// Decoding BMP files: the depths, palettes and masks the loader accepts, row
// order, short files, and the files and headers it refuses.

#include <climits>

#include "BitmapTestFiles.h"

namespace orvek::internal::bitmaptest {
namespace {

using BitmapLoader::BitmapFrame;
using BitmapLoader::ExtractChannel;
using BitmapLoader::LoadBMP;

class BitmapDecodeTest : public testing::Test {
protected:
    // Writes bytes as a file, decodes it and keeps what was printed.
    bool Load(const std::vector<uint8_t>& bytes, BitmapFrame& frame) {
        path = (FreshDir() / "image.bmp").string();
        WriteFile(path, bytes);
        output = CaptureStdout([&] { loaded = LoadBMP(path, frame); });
        return loaded;
    }

    std::string path;
    std::string output;
    bool loaded = false;
};

TEST_F(BitmapDecodeTest, EightBitBottomUpWithFullPaletteFlipsRows) {
    Bytes b = BmpHeader(2, 2, 8, 54 + 1024);
    for (int i = 0; i < 256; ++i) {
        PaletteEntry(b, uint8_t(i * 3), uint8_t(i * 3 + 1), uint8_t(i * 3 + 2));
    }
    b.raw({0, 1, 0, 0});  // stored first: the bottom row
    b.raw({2, 3, 0, 0});  // stored last: the top row
    BitmapFrame frame;
    ASSERT_TRUE(Load(b.data, frame));
    EXPECT_EQ(output, "");
    ASSERT_EQ(frame.width, 2);
    ASSERT_EQ(frame.height, 2);
    EXPECT_EQ(frame.pixels, (std::vector<uint8_t>{6, 7, 8, 9, 10, 11, 0, 1, 2, 3, 4, 5}));
}

TEST_F(BitmapDecodeTest, EightBitWithoutPaletteIsGrey) {
    Bytes b = BmpHeader(3, 1, 8, 54);  // palette span 0
    b.raw({0, 128, 255, 0});
    BitmapFrame frame;
    ASSERT_TRUE(Load(b.data, frame));
    EXPECT_EQ(frame.pixels, (std::vector<uint8_t>{0, 0, 0, 128, 128, 128, 255, 255, 255}));
}

TEST_F(BitmapDecodeTest, EightBitIndexBeyondAShortPaletteIsGrey) {
    Bytes b = BmpHeader(2, 1, 8, 54 + 8);
    PaletteEntry(b, 10, 20, 30);
    PaletteEntry(b, 40, 50, 60);
    b.raw({1, 2, 0, 0});
    BitmapFrame frame;
    ASSERT_TRUE(Load(b.data, frame));
    EXPECT_EQ(frame.pixels, (std::vector<uint8_t>{40, 50, 60, 2, 2, 2}));
}

TEST_F(BitmapDecodeTest, OneBitUsesPaletteMostSignificantBitFirst) {
    Bytes b = BmpHeader(10, 1, 1, 54 + 8);
    PaletteEntry(b, 1, 2, 3);
    PaletteEntry(b, 200, 100, 50);
    b.raw({0b10100000, 0b01000000, 0, 0});  // pixels 0, 2 and 9 set
    BitmapFrame frame;
    ASSERT_TRUE(Load(b.data, frame));
    ASSERT_EQ(frame.pixels.size(), 30u);
    for (int x = 0; x < 10; ++x) {
        const bool set = x == 0 || x == 2 || x == 9;
        const std::vector<int> expected = set ? std::vector<int>{200, 100, 50} : std::vector<int>{1, 2, 3};
        EXPECT_EQ(PixelAt(frame, x, 0), expected) << x;
    }
}

TEST_F(BitmapDecodeTest, OneBitWithoutPaletteIsBlackAndWhite) {
    Bytes b = BmpHeader(2, 2, 1, 54);
    b.raw({0b01000000, 0, 0, 0});  // bottom row: black, white
    b.raw({0b10000000, 0, 0, 0});  // top row: white, black
    BitmapFrame frame;
    ASSERT_TRUE(Load(b.data, frame));
    EXPECT_EQ(frame.pixels, (std::vector<uint8_t>{255, 255, 255, 0, 0, 0, 0, 0, 0, 255, 255, 255}));
}

TEST_F(BitmapDecodeTest, OneBitWithOneEntryPaletteFallsBackForTheSecond) {
    Bytes b = BmpHeader(2, 1, 1, 54 + 4);
    PaletteEntry(b, 9, 8, 7);
    b.raw({0b01000000, 0, 0, 0});
    BitmapFrame frame;
    ASSERT_TRUE(Load(b.data, frame));
    EXPECT_EQ(frame.pixels, (std::vector<uint8_t>{9, 8, 7, 255, 255, 255}));
}

TEST_F(BitmapDecodeTest, SixteenBitDefaultsToFiveFiveFive) {
    Bytes b = BmpHeader(3, 1, 16, 54);
    b.u16(0x7FFF).u16(0x7C00).u16(0x001F).zeros(2);
    BitmapFrame frame;
    ASSERT_TRUE(Load(b.data, frame));
    EXPECT_EQ(frame.pixels, (std::vector<uint8_t>{255, 255, 255, 255, 0, 0, 0, 0, 255}));
}

TEST_F(BitmapDecodeTest, SixteenBitWithMasksReadsFiveSixFive) {
    for (uint32_t compression : {3u, 6u}) {
        Bytes b = BmpHeader(3, 1, 16, 66, compression);
        b.u32(0xF800).u32(0x07E0).u32(0x001F);
        b.u16(0xFFFF).u16(0x07E0).u16(0x8000).zeros(2);
        BitmapFrame frame;
        ASSERT_TRUE(Load(b.data, frame)) << compression;
        // 0x8000 is red 16 of 31: (16 * 255 + 15) / 31 = 132.
        EXPECT_EQ(frame.pixels, (std::vector<uint8_t>{255, 255, 255, 0, 255, 0, 132, 0, 0})) << compression;
    }
}

TEST_F(BitmapDecodeTest, SixteenBitOtherCompressionIgnoresMasks) {
    Bytes b = BmpHeader(1, 1, 16, 66, 1);
    b.u32(0xF800).u32(0x07E0).u32(0x001F);
    b.u16(0x7C00).zeros(2);
    BitmapFrame frame;
    ASSERT_TRUE(Load(b.data, frame));
    EXPECT_EQ(frame.pixels, (std::vector<uint8_t>{255, 0, 0}));
}

TEST_F(BitmapDecodeTest, NegativeHeightIsTopDown) {
    Bytes b = BmpHeader(1, -2, 8, 54);
    b.raw({10, 0, 0, 0}).raw({20, 0, 0, 0});
    BitmapFrame frame;
    ASSERT_TRUE(Load(b.data, frame));
    EXPECT_EQ(frame.height, 2);
    EXPECT_EQ(frame.pixels, (std::vector<uint8_t>{10, 10, 10, 20, 20, 20}));
}

TEST_F(BitmapDecodeTest, ShortFileDecodesMissingBytesAsZero) {
    Bytes b = BmpHeader(2, 2, 8, 54);
    b.raw({7, 8});  // half of the bottom row; the top row is missing
    BitmapFrame frame;
    ASSERT_TRUE(Load(b.data, frame));
    EXPECT_EQ(frame.pixels, (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 7, 7, 7, 8, 8, 8}));

    // Pixel data past the end of the file, and masks cut off: all zero.
    Bytes far = BmpHeader(1, 1, 16, 4000, 3);
    ASSERT_TRUE(Load(far.data, frame));
    EXPECT_EQ(frame.pixels, (std::vector<uint8_t>{0, 0, 0}));
}

TEST_F(BitmapDecodeTest, ZeroWidthOrHeightIsAnEmptyFrame) {
    BitmapFrame frame;
    ASSERT_TRUE(Load(BmpHeader(0, 5, 8, 54).data, frame));
    EXPECT_EQ(frame.width, 0);
    EXPECT_EQ(frame.height, 5);
    EXPECT_TRUE(frame.pixels.empty());
    ASSERT_TRUE(Load(BmpHeader(4, 0, 1, 54).data, frame));
    EXPECT_TRUE(frame.pixels.empty());
}

TEST_F(BitmapDecodeTest, UnsupportedDepthIsRefusedWithItsLine) {
    Bytes b = BmpHeader(1, 1, 24, 54);
    b.raw({1, 2, 3, 0});
    BitmapFrame frame;
    EXPECT_FALSE(Load(b.data, frame));
    EXPECT_EQ(output, ErrorLine("LoadBMP - unsupported bitsPerPixel=24 for file " + path + " (supported: 1,8,16)"));
}

TEST_F(BitmapDecodeTest, WrongSignatureIsRefusedWithItsLine) {
    const std::vector<uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13};
    BitmapFrame frame;
    EXPECT_FALSE(Load(png, frame));
    EXPECT_EQ(output, ErrorLine("LoadBMP - signature mismatch for " + path + " sig=0x5089"));

    EXPECT_FALSE(Load({}, frame));  // an empty file has no signature either
    EXPECT_EQ(output, ErrorLine("LoadBMP - signature mismatch for " + path + " sig=0x0"));
}

TEST_F(BitmapDecodeTest, HeaderCutShortReadsAsZeroDepth) {
    BitmapFrame frame;
    EXPECT_FALSE(Load({'B', 'M', 1, 2, 3}, frame));
    EXPECT_EQ(output, ErrorLine("LoadBMP - unsupported bitsPerPixel=0 for file " + path + " (supported: 1,8,16)"));
}

TEST_F(BitmapDecodeTest, UnsafeDimensionsAreRefusedBeforeAllocating) {
    struct Case {
        int32_t width;
        int32_t height;
        uint16_t bits;
    };
    const Case cases[] = {
        {-1, 1, 8},            // negative width
        {-2000000000, 2, 16},  // negative width whose stride would overflow
        {16385, 1, 8},         // one past the side limit
        {1, -16385, 8},        // top-down, one past the side limit
        {1, INT_MIN, 8},       // a height whose absolute value does not fit
        {INT_MAX, 1, 16},      // a row stride that overflows 32 bits
        {65536, 32768, 1},     // width × height × 3 does not fit in 32 bits
        {16384, 16384, 8},     // within each side but gigabytes of pixels
    };
    for (const Case& c : cases) {
        BitmapFrame frame;
        EXPECT_FALSE(Load(BmpHeader(c.width, c.height, c.bits, 54).data, frame)) << c.width << "x" << c.height;
        EXPECT_EQ(output,
                  ErrorLine("LoadBMP - refused dimensions " + std::to_string(c.width) + "x" + std::to_string(c.height) +
                            " for file " + path + " (supported: 0..16384 per side, at most 67108864 pixels)"));
        EXPECT_TRUE(frame.pixels.empty());
    }
}

TEST_F(BitmapDecodeTest, EachSideUpToTheLimitIsAccepted) {
    BitmapFrame frame;
    ASSERT_TRUE(Load(BmpHeader(16384, 1, 1, 54).data, frame));
    EXPECT_EQ(frame.pixels.size(), size_t{16384} * 3);
    ASSERT_TRUE(Load(BmpHeader(1, -16384, 8, 54).data, frame));
    EXPECT_EQ(frame.height, 16384);
    EXPECT_EQ(PixelAt(frame, 0, 16383), (std::vector<int>{0, 0, 0}));
}

TEST_F(BitmapDecodeTest, MissingFilesAndFoldersFailSilently) {
    BitmapFrame frame;
    const fs::path dir = FreshDir();
    EXPECT_EQ(CaptureStdout([&] { EXPECT_FALSE(LoadBMP((dir / "absent.bmp").string(), frame)); }), "");
    EXPECT_EQ(CaptureStdout([&] { EXPECT_FALSE(LoadBMP(dir.string(), frame)); }), "");
}

TEST_F(BitmapDecodeTest, InMemoryDecodeMatchesTheFile) {
    Bytes b = BmpHeader(2, 1, 16, 54);
    b.u16(0x03E0).u16(0x0000);
    BitmapFrame fromFile;
    ASSERT_TRUE(Load(b.data, fromFile));
    BitmapFrame fromBytes;
    ASSERT_TRUE(BitmapLoader::DecodeBMP(b.data, "memory", fromBytes));
    EXPECT_EQ(fromBytes.pixels, fromFile.pixels);
    EXPECT_EQ(fromBytes.pixels, (std::vector<uint8_t>{0, 255, 0, 0, 0, 0}));
}

TEST(BitmapExtractChannelTest, ScalesRunsOfBitsToFullRange) {
    EXPECT_EQ(ExtractChannel(0x7C00, 0x7C00), 255);
    EXPECT_EQ(ExtractChannel(16 << 10, 0x7C00), 132);
    EXPECT_EQ(ExtractChannel(1 << 10, 0x7C00), 8);   // (255 + 15) / 31
    EXPECT_EQ(ExtractChannel(0x07E0, 0x07E0), 255);  // six bits
    EXPECT_EQ(ExtractChannel(0x0020, 0x07E0), 4);    // (255 + 31) / 63
    EXPECT_EQ(ExtractChannel(0xFFFF, 0), 0);
    EXPECT_EQ(ExtractChannel(0x0001, 0x0001), 255);  // one bit
    // A 32-bit run: max is 2^32 - 1, so a 16-bit value is a tiny fraction of it.
    EXPECT_EQ(ExtractChannel(0xFFFF, 0xFFFFFFFF), 0);
    EXPECT_EQ(ExtractChannel(0xFFFF, 0xFFFF0000), 0);  // mask above the pixel's bits
}

}  // namespace
}  // namespace orvek::internal::bitmaptest
