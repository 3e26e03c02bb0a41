// The lists behind the panel's drop-downs: animation names, and sequences and
// bitmaps in byte order of their names.

#include "DeviceTestSupport.h"

namespace orvek::internal::devicetest {
namespace {

using Summary = PavonixSimDevice::Summary;
using PanelQueryTest = DeviceFixture;

cfg::Bitmap BitmapOf(const std::string& id) {
    cfg::Bitmap bitmap;
    bitmap.id = id;
    bitmap.path = id + ".bmp";
    return bitmap;
}

TEST_F(PanelQueryTest, AnimationNamesAreNoneThenTheBuiltInsInOrder) {
    const std::vector<std::string> expected{
        "None",   "Fill",    "Blink",     "Breathe",      "RainbowRoll",      "SineRoll",
        "Chase",  "FadeIn",  "FadeOut",   "RainbowCycle", "AlternateBreathe", "GrowingBreathe",
        "Comet",  "Sparkle", "Fire",      "Scanner",      "TheaterChase",     "Twinkle",
        "Meteor", "Wave",    "Pulse",     "Larson",       "Ripple",           "Confetti",
        "Lava",   "Plasma",  "Heartbeat",
    };
    EXPECT_EQ(device.GetAnimationNames(), expected);
    EXPECT_EQ(device.GetAnimationNames(), expected);  // from the cache
}

TEST_F(PanelQueryTest, NothingConfiguredGivesEmptySummaries) {
    EXPECT_TRUE(device.GetSequenceSummaries().empty());
    EXPECT_TRUE(device.GetBitmapSummaries().empty());
}

TEST_F(PanelQueryTest, SummariesSortByBytesUpperCaseFirstAndPrefixFirst) {
    cfg::OrvekConfiguration config;
    config.sequences = std::vector<cfg::AnimationSequence>{
        {"beta", {StepOf("Fill")}},  {"abc", {StepOf("Fill")}}, {"Alpha", {StepOf("Fill")}},
        {"alpha", {StepOf("Fill")}}, {"ab", {StepOf("Fill")}},  {"\xC3\xA9t\xC3\xA9", {StepOf("Fill")}},
    };
    config.bitmaps = std::vector<cfg::Bitmap>{BitmapOf("zeta"), BitmapOf("Zeta"), BitmapOf("z")};
    device.ApplyConfiguration(config);

    EXPECT_EQ(device.GetSequenceSummaries(),
              (std::vector<Summary>{{Id("Alpha"), "Alpha"},
                                    {Id("ab"), "ab"},
                                    {Id("abc"), "abc"},
                                    {Id("alpha"), "alpha"},
                                    {Id("beta"), "beta"},
                                    {Id("\xC3\xA9t\xC3\xA9"), "\xC3\xA9t\xC3\xA9"}}));  // bytes >= 0x80 last
    EXPECT_EQ(device.GetBitmapSummaries(),
              (std::vector<Summary>{{Id("Zeta"), "Zeta"}, {Id("z"), "z"}, {Id("zeta"), "zeta"}}));
}

TEST_F(PanelQueryTest, SummariesFollowTheLatestConfiguration) {
    cfg::OrvekConfiguration first;
    first.sequences = std::vector<cfg::AnimationSequence>{{"old", {StepOf("Fill")}}};
    first.bitmaps = std::vector<cfg::Bitmap>{BitmapOf("oldPic")};
    device.ApplyConfiguration(first);

    cfg::OrvekConfiguration second;
    second.sequences = std::vector<cfg::AnimationSequence>{
        {"new", {StepOf("Blink")}}, {"broken", {StepOf("Unknown")}}, {"hollow", {}}};
    device.ApplyConfiguration(second);
    EXPECT_EQ(device.GetSequenceSummaries(), (std::vector<Summary>{{Id("new"), "new"}}));
    EXPECT_TRUE(device.GetBitmapSummaries().empty());
}

}  // namespace
}  // namespace orvek::internal::devicetest
