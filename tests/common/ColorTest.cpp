#include <orvek/domain/Color.h>
#include <orvek/domain/device/PavonixSimTypes.h>

#include <gtest/gtest.h>

namespace {

using orvek::internal::domain::Color;

TEST(ColorTest, FromHsvAtTheWorkedValues) {
    EXPECT_EQ(Color::FromHSV(0, 255, 255), Color(255, 1, 1));
    EXPECT_EQ(Color::FromHSV(43, 255, 255), Color(255, 255, 1));
    EXPECT_EQ(Color::FromHSV(128, 255, 255), Color(1, 255, 251));
    EXPECT_EQ(Color::FromHSV(255, 255, 255), Color(255, 1, 17));
    EXPECT_EQ(Color::FromHSV(85, 0, 200), Color(200, 200, 200));
}

TEST(ColorTest, FromHsvValueZeroIsAlwaysBlack) {
    for (int h = -300; h <= 600; h += 7) {
        for (int s = 0; s <= 255; s += 15) {
            EXPECT_EQ(Color::FromHSV(h, s, 0), Color::Black()) << h << " " << s;
        }
    }
}

// Hue 215 is the first of sector 5 because sectors are 43 hues wide.
TEST(ColorTest, FromHsvSectorBoundaries) {
    EXPECT_EQ(Color::FromHSV(214, 255, 255), Color(251, 1, 255));  // sector 4: rem 252, a 254, x 250
    EXPECT_EQ(Color::FromHSV(215, 255, 255), Color(255, 1, 255));  // sector 5, rem 0
}

TEST(ColorTest, FadeAndScale) {
    Color c(255, 128, 1);
    c.fadeLightBy(0);
    EXPECT_EQ(c, Color(255, 128, 1));
    c.fadeLightBy(255);
    EXPECT_EQ(c, Color(0, 0, 0));

    EXPECT_EQ(Color(255, 255, 255).scale8(255), Color(254, 254, 254));
    EXPECT_EQ(Color(255, 10, 200).scale8(0), Color::Black());
    EXPECT_EQ(Color(200, 100, 50).scale8(128), Color(100, 50, 25));
}

TEST(ColorTest, IntAssignmentOnlyClearsWithZero) {
    Color c(1, 2, 3);
    c = 7;
    EXPECT_EQ(c, Color(1, 2, 3));
    c = 0;
    EXPECT_EQ(c, Color::Black());
}

TEST(ColorTest, DefaultAndCommandColors) {
    EXPECT_EQ(Color(), Color::Black());
    EXPECT_EQ(Color::fromCommand({9, 8, 7}), Color(9, 8, 7));
}

TEST(StatusOptionsTest, IndexIsStatusPlusOne) {
    using orvek::internal::pavonix::sim::kStatusOptions;
    const char* labels[] = {"Unknown", "Booting", "Active", "Error", "Fatal"};
    for (size_t i = 0; i < kStatusOptions.size(); ++i) {
        EXPECT_EQ(static_cast<int>(kStatusOptions[i].status) + 1, static_cast<int>(i));
        EXPECT_STREQ(kStatusOptions[i].label, labels[i]);
    }
}

}  // namespace
