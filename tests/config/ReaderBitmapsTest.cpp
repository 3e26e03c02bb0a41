// Reading "bitmaps": kinds, paths, folders and frame delays.
#include <gtest/gtest.h>

#include "ConfigTestSupport.h"

namespace cfg = orvek::internal::Configuration;
using orvek::config::test::Read;

namespace {

std::optional<cfg::Bitmap> OneBitmap(const std::string& bitmap) {
    const auto config = Read(R"({"bitmaps":[)" + bitmap + "]}");
    return config.bitmaps ? std::optional<cfg::Bitmap>((*config.bitmaps)[0]) : std::nullopt;
}

}  // namespace

TEST(ReaderBitmaps, RequireAnObjectWithAStringId) {
    const auto config = Read(R"({"bitmaps":[{"type":"static"},{"id":1},[],{"id":"logo"}]})");
    ASSERT_TRUE(config.bitmaps);
    ASSERT_EQ(config.bitmaps->size(), 1u);
    EXPECT_EQ((*config.bitmaps)[0].id, "logo");
}

TEST(ReaderBitmaps, StaticIsTheDefaultKind) {
    for (const char* type : {R"("static")", R"("Static")", R"("")", R"("ANIMATED")", R"("gif")"}) {
        const auto bitmap = OneBitmap(std::string(R"({"id":"x","path":"a.bmp","type":)") + type + "}");
        ASSERT_TRUE(bitmap) << type;
        EXPECT_EQ(bitmap->type, cfg::BitmapType::Static) << type;
        EXPECT_EQ(bitmap->path, std::optional<std::string>("a.bmp")) << type;
    }
    const auto untyped = OneBitmap(R"({"id":"x","path":"logo.bmp"})");
    EXPECT_EQ(untyped->type, cfg::BitmapType::Static);
}

TEST(ReaderBitmaps, AnimatedWords) {
    EXPECT_EQ(OneBitmap(R"({"id":"x","type":"animated"})")->type, cfg::BitmapType::Animated);
    EXPECT_EQ(OneBitmap(R"({"id":"x","type":"Animated"})")->type, cfg::BitmapType::Animated);
}

TEST(ReaderBitmaps, StaticReadsOnlyItsPath) {
    const auto bitmap = OneBitmap(R"({"id":"x","type":"static","path":"p.bmp","folder":"f","delay":5})");
    EXPECT_EQ(bitmap->path, std::optional<std::string>("p.bmp"));
    EXPECT_FALSE(bitmap->folder);
    EXPECT_FALSE(bitmap->frameDelay);
    EXPECT_FALSE(OneBitmap(R"({"id":"x","path":5})")->path);
}

TEST(ReaderBitmaps, AnimatedReadsOnlyFolderAndDelay) {
    const auto bitmap = OneBitmap(R"({"id":"x","type":"animated","path":"p.bmp","folder":"frames","delay":80})");
    EXPECT_FALSE(bitmap->path);
    EXPECT_EQ(bitmap->folder, std::optional<std::string>("frames"));
    EXPECT_EQ(bitmap->frameDelay, std::optional<uint16_t>(80));
}

TEST(ReaderBitmaps, FrameDelayIsANonNegativeIntegerCutTo16Bits) {
    const auto delayOf = [](const std::string& delay) {
        return OneBitmap(R"({"id":"x","type":"animated","delay":)" + delay + "}")->frameDelay;
    };
    EXPECT_EQ(delayOf("-3"), std::optional<uint16_t>(0));
    EXPECT_EQ(delayOf("70000"), std::optional<uint16_t>(4464));
    EXPECT_EQ(delayOf("65536"), std::optional<uint16_t>(0));
    EXPECT_EQ(delayOf("12.5"), std::nullopt);
    EXPECT_EQ(delayOf("true"), std::nullopt);
    EXPECT_EQ(delayOf("\"80\""), std::nullopt);
}

TEST(ReaderBitmaps, FolderOfAnotherKindIsIgnored) {
    EXPECT_FALSE(OneBitmap(R"({"id":"x","type":"animated","folder":["a"]})")->folder);
}
