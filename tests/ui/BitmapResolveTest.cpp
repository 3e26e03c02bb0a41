// Finding configured files and folders under the deploy path, and loading the
// frames of an animated bitmap folder in their numbered order.

#include <thread>

#include "BitmapTestFiles.h"

namespace orvek::internal::bitmaptest {
namespace {

using BitmapLoader::ImageSequence;
using BitmapLoader::LoadAnimatedFrames;
using BitmapLoader::ResolveFilePath;
using BitmapLoader::ResolveFolderPath;

// The grey level of every frame, which the tests use as the frame's name.
std::vector<int> FrameLevels(const ImageSequence& seq) {
    std::vector<int> levels;
    for (const auto& frame : seq.frames) {
        levels.push_back(frame.pixels.empty() ? -1 : frame.pixels[0]);
    }
    return levels;
}

TEST(BitmapResolveTest, WithoutDeployPathOnlyAbsolutePathsResolve) {
    const fs::path dir = FreshDir();
    WriteFile(dir / "a.bmp", GreyPixelBmp(1));
    fs::create_directories(dir / "frames");
    pv_SetDeployPath("");

    EXPECT_EQ(ResolveFilePath("a.bmp"), std::nullopt);
    EXPECT_EQ(ResolveFolderPath("frames"), std::nullopt);
    EXPECT_EQ(ResolveFilePath((dir / "a.bmp").string()), dir / "a.bmp");
    EXPECT_EQ(ResolveFolderPath((dir / "frames").string()), dir / "frames");
    EXPECT_EQ(ResolveFilePath((dir / "missing.bmp").string()), std::nullopt);
}

TEST(BitmapResolveTest, FileUnderDeployPathWinsOverPavonixSubfolder) {
    const fs::path dir = FreshDir();
    DeployPathScope deploy(dir);
    WriteFile(dir / "both.bmp", GreyPixelBmp(1));
    WriteFile(dir / "pavonix" / "both.bmp", GreyPixelBmp(2));
    WriteFile(dir / "pavonix" / "nested" / "only.bmp", GreyPixelBmp(3));

    EXPECT_EQ(ResolveFilePath("both.bmp"), dir / "both.bmp");
    EXPECT_EQ(ResolveFilePath("nested/only.bmp"), dir / "pavonix" / "nested" / "only.bmp");
    EXPECT_EQ(ResolveFilePath("none.bmp"), std::nullopt);
}

TEST(BitmapResolveTest, FolderUnderPavonixSubfolderWinsOverDeployPath) {
    const fs::path dir = FreshDir();
    DeployPathScope deploy(dir);
    fs::create_directories(dir / "anim");
    fs::create_directories(dir / "pavonix" / "anim");
    fs::create_directories(dir / "direct");
    WriteFile(dir / "pavonix" / "notafolder", GreyPixelBmp(1));

    EXPECT_EQ(ResolveFolderPath("anim"), dir / "pavonix" / "anim");
    EXPECT_EQ(ResolveFolderPath("direct"), dir / "direct");
    EXPECT_EQ(ResolveFolderPath("notafolder"), std::nullopt);  // a file is no folder
}

TEST(BitmapResolveTest, DeployPathIsSetClearedAndKeptOnNull) {
    pv_SetDeployPath("/srv/deploy");
    EXPECT_EQ(BitmapLoader::GetDeployPath(), "/srv/deploy");
    EXPECT_EQ(CaptureStdout([] { pv_SetDeployPath(nullptr); }), "");
    EXPECT_EQ(BitmapLoader::GetDeployPath(), "/srv/deploy");
    pv_SetDeployPath("");
    EXPECT_EQ(BitmapLoader::GetDeployPath(), "");
}

TEST(BitmapResolveTest, DeployPathMayBeSetWhileAnotherThreadReadsIt) {
    const std::string a(200, 'a');
    const std::string b(300, 'b');
    std::thread writer([&] {
        for (int i = 0; i < 2000; ++i) {
            pv_SetDeployPath((i % 2 ? a : b).c_str());
        }
    });
    for (int i = 0; i < 2000; ++i) {
        const std::string seen = BitmapLoader::GetDeployPath();
        ASSERT_TRUE(seen.empty() || seen == a || seen == b) << seen.size();
    }
    writer.join();
    pv_SetDeployPath("");
}

TEST(BitmapFramesTest, FramesPlayInNumericOrderThenUnnumberedByName) {
    const fs::path dir = FreshDir();
    WriteFile(dir / "10.bmp", GreyPixelBmp(10));
    WriteFile(dir / "2.bmp", GreyPixelBmp(2));
    WriteFile(dir / "logo.bmp", GreyPixelBmp(200));
    WriteFile(dir / "0.bmp", GreyPixelBmp(0));
    WriteFile(dir / "frame7.bmp", GreyPixelBmp(7));
    WriteFile(dir / "1.bmp", GreyPixelBmp(1));
    WriteFile(dir / "FRAME3.BMP", GreyPixelBmp(3));                  // upper-case extension is listed
    WriteFile(dir / "99999999999999999999.bmp", GreyPixelBmp(150));  // too long for a number
    WriteFile(dir / "notes.txt", GreyPixelBmp(99));
    WriteFile(dir / "broken.bmp", {'B', 'M'});  // fails to decode: skipped
    fs::create_directories(dir / "5.bmp");      // a folder is no frame

    ImageSequence seq;
    std::string output = CaptureStdout([&] { EXPECT_TRUE(LoadAnimatedFrames(dir, seq)); });
    EXPECT_EQ(FrameLevels(seq), (std::vector<int>{0, 1, 2, 3, 7, 10, 150, 200}));
    // The broken frame reports itself and is left out.
    EXPECT_EQ(output, ErrorLine("LoadBMP - unsupported bitsPerPixel=0 for file " + (dir / "broken.bmp").string() +
                                " (supported: 1,8,16)"));
}

TEST(BitmapFramesTest, FolderWithoutExactZeroFrameIsRefused) {
    const fs::path dir = FreshDir();
    WriteFile(dir / "1.bmp", GreyPixelBmp(1));
    WriteFile(dir / "2.bmp", GreyPixelBmp(2));
    WriteFile(dir / "0.BMP", GreyPixelBmp(0));  // differs in case only: not "0.bmp" here

    ImageSequence seq;
    EXPECT_FALSE(LoadAnimatedFrames(dir, seq));
    EXPECT_TRUE(seq.frames.empty());
}

TEST(BitmapFramesTest, NoDecodableFrameOrNoFolderGivesNothing) {
    const fs::path dir = FreshDir();
    WriteFile(dir / "0.bmp", {'P', 'K'});
    ImageSequence seq;
    CaptureStdout([&] { EXPECT_FALSE(LoadAnimatedFrames(dir, seq)); });
    EXPECT_TRUE(seq.frames.empty());

    EXPECT_FALSE(LoadAnimatedFrames(dir / "absent", seq));
    EXPECT_FALSE(LoadAnimatedFrames(dir / "0.bmp", seq));  // a file is no folder
}

TEST(BitmapFramesTest, ZeroFrameThatIsAFolderPassesTheCheckButPlaysNothing) {
    const fs::path dir = FreshDir();
    fs::create_directories(dir / "0.bmp");
    ImageSequence seq;
    EXPECT_FALSE(LoadAnimatedFrames(dir, seq));
    EXPECT_TRUE(seq.frames.empty());
}

}  // namespace
}  // namespace orvek::internal::bitmaptest
