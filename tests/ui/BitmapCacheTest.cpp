// LoadBitmap: configured bitmaps loaded once per id and source key, reloaded when
// the configuration names another source, retried while they fail.

#include "BitmapTestFiles.h"

namespace orvek::internal::bitmaptest {
namespace {

using BitmapLoader::BuildSourceKey;
using BitmapLoader::ImageSequence;
using BitmapLoader::LoadBitmap;
using Configuration::Bitmap;
using Configuration::BitmapType;

Bitmap StaticBitmap(const std::string& path) { return bitmaptest::StaticBitmap("b", path); }
Bitmap AnimatedBitmap(const std::string& folder) { return bitmaptest::AnimatedBitmap("b", folder); }

int FirstLevel(const ImageSequence* seq) { return seq->frames.at(0).pixels.at(0); }

TEST(BitmapCacheTest, SourceKeyNamesTheConfiguredKindOnly) {
    EXPECT_EQ(BuildSourceKey(StaticBitmap("a/b.bmp")), "static:a/b.bmp");
    EXPECT_EQ(BuildSourceKey(AnimatedBitmap("frames")), "anim:frames");
    Bitmap animatedWithPath = StaticBitmap("a.bmp");
    animatedWithPath.type = BitmapType::Animated;
    EXPECT_EQ(BuildSourceKey(animatedWithPath), "");
    Bitmap staticWithFolder = AnimatedBitmap("frames");
    staticWithFolder.type = BitmapType::Static;
    EXPECT_EQ(BuildSourceKey(staticWithFolder), "");
    EXPECT_EQ(LoadBitmap(3000, staticWithFolder), nullptr);
}

TEST(BitmapCacheTest, SecondLoadUsesTheCacheEvenWhenTheFileChanged) {
    const fs::path dir = FreshDir();
    DeployPathScope deploy(dir);
    WriteFile(dir / "logo.bmp", GreyPixelBmp(40));

    const ImageSequence* first = LoadBitmap(3001, StaticBitmap("logo.bmp"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->sourceKey, "static:logo.bmp");
    EXPECT_EQ(FirstLevel(first), 40);

    // Had the second call decoded again it would see the new contents.
    WriteFile(dir / "logo.bmp", GreyPixelBmp(41));
    const ImageSequence* second = LoadBitmap(3001, StaticBitmap("logo.bmp"));
    EXPECT_EQ(second, first);
    EXPECT_EQ(FirstLevel(second), 40);

    // Nor does a new deploy path reload it.
    pv_SetDeployPath((dir / "elsewhere").c_str());
    EXPECT_EQ(FirstLevel(LoadBitmap(3001, StaticBitmap("logo.bmp"))), 40);
}

TEST(BitmapCacheTest, ChangedPathForTheSameIdLoadsTheNewFile) {
    const fs::path dir = FreshDir();
    DeployPathScope deploy(dir);
    WriteFile(dir / "one.bmp", GreyPixelBmp(1));
    WriteFile(dir / "two.bmp", GreyPixelBmp(2));

    EXPECT_EQ(FirstLevel(LoadBitmap(3002, StaticBitmap("one.bmp"))), 1);
    EXPECT_EQ(FirstLevel(LoadBitmap(3002, StaticBitmap("two.bmp"))), 2);
    // Other ids keep their own entries.
    EXPECT_EQ(FirstLevel(LoadBitmap(3003, StaticBitmap("one.bmp"))), 1);
    EXPECT_EQ(FirstLevel(LoadBitmap(3002, StaticBitmap("two.bmp"))), 2);
}

TEST(BitmapCacheTest, FailedLoadIsRetriedAndKeepsTheOldEntryOut) {
    const fs::path dir = FreshDir();
    DeployPathScope deploy(dir);

    EXPECT_EQ(CaptureStdout([&] { EXPECT_EQ(LoadBitmap(3004, StaticBitmap("later.bmp")), nullptr); }), "");
    WriteFile(dir / "later.bmp", GreyPixelBmp(9));
    const ImageSequence* seq = LoadBitmap(3004, StaticBitmap("later.bmp"));
    ASSERT_NE(seq, nullptr);
    EXPECT_EQ(FirstLevel(seq), 9);

    // A failing new source leaves nothing usable: null, not the previous frames.
    EXPECT_EQ(LoadBitmap(3004, StaticBitmap("gone.bmp")), nullptr);
}

TEST(BitmapCacheTest, StaticAbsolutePathLoadsWithoutDeployPath) {
    const fs::path dir = FreshDir();
    pv_SetDeployPath("");
    WriteFile(dir / "abs.bmp", GreyPixelBmp(77));
    EXPECT_EQ(LoadBitmap(3005, StaticBitmap("abs.bmp")), nullptr);
    const ImageSequence* seq = LoadBitmap(3005, StaticBitmap((dir / "abs.bmp").string()));
    ASSERT_NE(seq, nullptr);
    EXPECT_EQ(FirstLevel(seq), 77);
}

TEST(BitmapCacheTest, AnimatedFolderNotFoundIsAnError) {
    pv_SetDeployPath("");
    EXPECT_EQ(CaptureStdout([] { EXPECT_EQ(LoadBitmap(3006, AnimatedBitmap("frames")), nullptr); }),
              ErrorLine("LoadBitmap - folder not found for animated bitmap: frames"));

    const fs::path dir = FreshDir();
    DeployPathScope deploy(dir);
    EXPECT_EQ(CaptureStdout([] { EXPECT_EQ(LoadBitmap(3006, AnimatedBitmap("frames")), nullptr); }),
              ErrorLine("LoadBitmap - folder not found for animated bitmap: frames"));
}

TEST(BitmapCacheTest, AnimatedFolderLoadsAllFramesFromPavonixFirst) {
    const fs::path dir = FreshDir();
    DeployPathScope deploy(dir);
    WriteFile(dir / "frames" / "0.bmp", GreyPixelBmp(90));
    WriteFile(dir / "pavonix" / "frames" / "0.bmp", GreyPixelBmp(10));
    WriteFile(dir / "pavonix" / "frames" / "1.bmp", GreyPixelBmp(11));

    const ImageSequence* seq = LoadBitmap(3007, AnimatedBitmap("frames"));
    ASSERT_NE(seq, nullptr);
    EXPECT_EQ(seq->sourceKey, "anim:frames");
    ASSERT_EQ(seq->frames.size(), 2u);
    EXPECT_EQ(seq->frames[0].pixels[0], 10);
    EXPECT_EQ(seq->frames[1].pixels[0], 11);
}

TEST(BitmapCacheTest, AnimatedFolderWithoutZeroFrameLoadsNothing) {
    const fs::path dir = FreshDir();
    DeployPathScope deploy(dir);
    WriteFile(dir / "frames" / "1.bmp", GreyPixelBmp(1));
    EXPECT_EQ(CaptureStdout([] { EXPECT_EQ(LoadBitmap(3008, AnimatedBitmap("frames")), nullptr); }), "");
}

}  // namespace
}  // namespace orvek::internal::bitmaptest
