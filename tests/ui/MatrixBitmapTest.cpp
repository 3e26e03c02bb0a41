// Bitmaps on matrix zones: frame choice by time, nearest-neighbour sampling onto
// the matrix, tint, and the cases that leave the matrix as it was.

#include <gtest/gtest.h>

#include <orvek/configuration/Configuration.h>
#include <orvek/util/hashing/IDCreator.h>

#include "BitmapTestFiles.h"
#include "MatrixTestSupport.h"
#include "device/PavonixSimDevice.h"
#include "ui/MatrixRenderer.h"

namespace orvek::internal::matrixtest {
namespace {

using bitmaptest::Bytes;
using bitmaptest::FreshDir;
using bitmaptest::GreyPixelBmp;
using bitmaptest::WriteFile;
constexpr auto Animated = bitmaptest::AnimatedBitmap;
constexpr auto Static = bitmaptest::StaticBitmap;
using Configuration::Bitmap;
using ui::FillMatrixBitmap;

class MatrixBitmapTest : public testing::Test {
protected:
    void SetUp() override {
        device.ResetForTesting();
        dir = FreshDir();
        pv_SetDeployPath(dir.c_str());
    }
    void TearDown() override {
        pv_SetDeployPath("");
        device.ResetForTesting();
    }

    // Applies a configuration holding only these bitmaps.
    void Configure(std::vector<Bitmap> bitmaps) {
        Configuration::OrvekConfiguration cfg;
        cfg.bitmaps = std::move(bitmaps);
        device.ApplyConfiguration(cfg);
    }

    // The matrix of rows × cols showing the bitmap at time t, starting from fill.
    std::vector<Color> Draw(const std::string& bitmapName, int rows, int cols, float timeMs,
                            Command::LED::AnimationColor tint = {0, 0, 0}, bool setColor = false, Color fill = kBlack) {
        ZoneState zs;
        std::memset(&zs, 0, sizeof zs);
        zs.lastCommand = Command::LED::LEDCommandType::SetBitmap;
        zs.lastBitmap.bitmapId = IDCreator::createId(bitmapName);
        zs.lastBitmap.color = tint;
        zs.lastBitmap.setColor = setColor ? 1 : 0;
        zs.timeMs = timeMs;
        std::vector<Color> buffer(size_t(rows) * cols, fill);
        FillMatrixBitmap(buffer, uint16_t(rows), uint16_t(cols), zs, device);
        return buffer;
    }

    PavonixSimDevice& device = *PavonixSimDevice::GetInstance();
    bitmaptest::fs::path dir;
};

Color Grey(uint8_t level) { return Color(level, level, level); }

TEST_F(MatrixBitmapTest, AnimatedFramesSwitchEveryHundredMsWithoutDelay) {
    WriteFile(dir / "twoframes" / "0.bmp", GreyPixelBmp(10));
    WriteFile(dir / "twoframes" / "1.bmp", GreyPixelBmp(20));
    Configure({Animated("mb.two", "twoframes", std::nullopt)});

    EXPECT_EQ(Draw("mb.two", 2, 2, 0), std::vector<Color>(4, Grey(10)));
    EXPECT_EQ(Draw("mb.two", 2, 2, 99), std::vector<Color>(4, Grey(10)));
    EXPECT_EQ(Draw("mb.two", 2, 2, 100), std::vector<Color>(4, Grey(20)));
    EXPECT_EQ(Draw("mb.two", 2, 2, 199), std::vector<Color>(4, Grey(20)));
    EXPECT_EQ(Draw("mb.two", 2, 2, 200), std::vector<Color>(4, Grey(10)));
    EXPECT_EQ(Draw("mb.two", 2, 2, -150), std::vector<Color>(4, Grey(10)));  // no clock yet: first frame
}

TEST_F(MatrixBitmapTest, FrameDelayZeroMeansOneMillisecond) {
    WriteFile(dir / "fast" / "0.bmp", GreyPixelBmp(1));
    WriteFile(dir / "fast" / "1.bmp", GreyPixelBmp(2));
    WriteFile(dir / "fast" / "2.bmp", GreyPixelBmp(3));
    Configure({Animated("mb.fast", "fast", 0), Animated("mb.slow", "fast", 250)});

    EXPECT_EQ(Draw("mb.fast", 1, 1, 4)[0], Grey(2));
    EXPECT_EQ(Draw("mb.slow", 1, 1, 499)[0], Grey(2));
    EXPECT_EQ(Draw("mb.slow", 1, 1, 500)[0], Grey(3));
}

TEST_F(MatrixBitmapTest, StaticBitmapAlwaysShowsItsFrame) {
    WriteFile(dir / "still.bmp", GreyPixelBmp(33));
    Configure({Static("mb.still", "still.bmp")});
    EXPECT_EQ(Draw("mb.still", 1, 3, 0), std::vector<Color>(3, Grey(33)));
    EXPECT_EQ(Draw("mb.still", 1, 3, 12345), std::vector<Color>(3, Grey(33)));
}

TEST_F(MatrixBitmapTest, LargerFrameIsSampledAtPixelCentres) {
    // 16 × 16 grey ramp: pixel (x, y) has level 16y + x. Rows are stored bottom-up.
    Bytes b = bitmaptest::BmpHeader(16, 16, 8, 54);
    for (int y = 15; y >= 0; --y) {
        for (int x = 0; x < 16; ++x) {
            b.u8(uint8_t(16 * y + x));
        }
    }
    WriteFile(dir / "ramp.bmp", b.data);
    Configure({Static("mb.ramp", "ramp.bmp")});

    const std::vector<Color> matrix = Draw("mb.ramp", 8, 8, 0);
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            EXPECT_EQ(matrix[r * 8 + c], Grey(uint8_t(16 * (2 * r + 1) + (2 * c + 1)))) << r << "," << c;
        }
    }
}

TEST_F(MatrixBitmapTest, FrameIsStretchedWithoutKeepingItsAspect) {
    // 3 × 1 onto 2 × 2: columns sample x = 0.75 -> 0 and 2.25 -> 2; both rows row 0.
    Bytes b = bitmaptest::BmpHeader(3, 1, 8, 54);
    b.raw({5, 6, 7, 0});
    WriteFile(dir / "wide.bmp", b.data);
    Configure({Static("mb.wide", "wide.bmp")});
    EXPECT_EQ(Draw("mb.wide", 2, 2, 0), (std::vector<Color>{Grey(5), Grey(7), Grey(5), Grey(7)}));
}

TEST_F(MatrixBitmapTest, TintScalesWhiteAndGrey) {
    Bytes b = bitmaptest::BmpHeader(2, 1, 8, 54);
    b.raw({255, 128, 0, 0});
    WriteFile(dir / "pair.bmp", b.data);
    Configure({Static("mb.pair", "pair.bmp")});

    EXPECT_EQ(Draw("mb.pair", 1, 2, 0, {255, 0, 0}, true), (std::vector<Color>{Color(255, 0, 0), Color(128, 0, 0)}));
    // The tint color is ignored while setColor is clear.
    EXPECT_EQ(Draw("mb.pair", 1, 2, 0, {255, 0, 0}, false), (std::vector<Color>{Grey(255), Grey(128)}));
}

TEST_F(MatrixBitmapTest, MissingOrUnloadableBitmapsLeaveTheMatrixAlone) {
    const Color fill(1, 2, 3);
    WriteFile(dir / "empty.bmp", bitmaptest::BmpHeader(0, 4, 8, 54).data);  // decodes to no pixels
    WriteFile(dir / "bad.bmp", {'B', 'M', 0, 0});
    Configure({Static("mb.gone", "gone.bmp"), Static("mb.empty", "empty.bmp"), Static("mb.bad", "bad.bmp"),
               Animated("mb.nofolder", "nofolder", 100)});

    EXPECT_EQ(Draw("mb.unconfigured", 2, 2, 0, {}, false, fill), std::vector<Color>(4, fill));
    EXPECT_EQ(Draw("mb.gone", 2, 2, 0, {}, false, fill), std::vector<Color>(4, fill));
    EXPECT_EQ(Draw("mb.empty", 2, 2, 0, {}, false, fill), std::vector<Color>(4, fill));
    std::string output = bitmaptest::CaptureStdout([&] {
        EXPECT_EQ(Draw("mb.bad", 2, 2, 0, {}, false, fill), std::vector<Color>(4, fill));
        EXPECT_EQ(Draw("mb.nofolder", 2, 2, 0, {}, false, fill), std::vector<Color>(4, fill));
    });
    EXPECT_EQ(output, bitmaptest::ErrorLine("LoadBMP - unsupported bitsPerPixel=0 for file " +
                                            (dir / "bad.bmp").string() + " (supported: 1,8,16)") +
                          bitmaptest::ErrorLine("LoadBitmap - folder not found for animated bitmap: nofolder"));
}

TEST_F(MatrixBitmapTest, EmptyMatrixDrawsNothing) {
    WriteFile(dir / "dot.bmp", GreyPixelBmp(50));
    Configure({Static("mb.dot", "dot.bmp")});
    EXPECT_TRUE(Draw("mb.dot", 0, 4, 0).empty());
    EXPECT_TRUE(Draw("mb.dot", 4, 0, 0).empty());
}

}  // namespace
}  // namespace orvek::internal::matrixtest
