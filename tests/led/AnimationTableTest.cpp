// The name table and the 27 built-in instances with their constant fields.

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <orvek/led/Animation.h>
#include <orvek/led/BuiltInAnimations.h>
#include <orvek/util/hashing/IDCreator.h>

#include "LedTestSupport.h"

namespace {

using ledtest::Color;
using orvek::internal::Animation::BuiltInAnimations;
using orvek::internal::Animation::StateMode;
using orvek::led::Animation;
using orvek::led::kAnimationMap;

TEST(AnimationMap, HasTwentySixNamedRowsAndNoneForNone) {
    EXPECT_EQ(kAnimationMap.size(), 26u);
    EXPECT_EQ(kAnimationMap.count(Animation::None), 0u);
    EXPECT_THROW((void)kAnimationMap.at(Animation::None), std::out_of_range);
    EXPECT_EQ(kAnimationMap.at(Animation::Fill), "Fill");
    EXPECT_EQ(kAnimationMap.at(Animation::TheaterChase), "TheaterChase");
    EXPECT_EQ(kAnimationMap.at(Animation::Heartbeat), "Heartbeat");
    // Ordered by value: Fill first, Heartbeat last.
    EXPECT_EQ(kAnimationMap.begin()->first, Animation::Fill);
    EXPECT_EQ(kAnimationMap.rbegin()->first, Animation::Heartbeat);
}

struct ExpectedRow {
    const char* id;
    StateMode mode;
    int stateCount;
    int delay;
    Color color;
};

// The constant fields of every instance, in enumeration order.
const ExpectedRow kExpected[] = {
    {"NONE", StateMode::Constant, 1, 65535, {0, 0, 0}},
    {"Fill", StateMode::Constant, 1, 20000, {0, 0, 240}},
    {"Blink", StateMode::Constant, 2, 1000, {0, 0, 240}},
    {"Breathe", StateMode::Constant, 512, 5, {0, 0, 240}},
    {"RainbowRoll", StateMode::Constant, 256, 10, {0, 0, 240}},
    {"SineRoll", StateMode::Constant, 60, 5, {0, 0, 240}},
    {"Chase", StateMode::LedCount, 5, 25, {0, 0, 240}},
    {"FadeIn", StateMode::Constant, 256, 5, {0, 0, 240}},
    {"FadeOut", StateMode::Constant, 256, 5, {0, 0, 240}},
    {"RainbowCycle", StateMode::Constant, 256, 10, {0, 0, 240}},
    {"AlternateBreathe", StateMode::Constant, 1024, 10, {0, 0, 240}},
    {"GrowingBreathe", StateMode::Constant, 256, 10, {0, 0, 240}},
    {"Comet", StateMode::LedCount, 1, 75, {138, 43, 226}},
    {"Sparkle", StateMode::Constant, 100, 150, {255, 255, 255}},
    {"Fire", StateMode::Constant, 256, 40, {255, 35, 0}},
    {"Scanner", StateMode::LedCount, 2, 60, {255, 0, 0}},
    {"TheaterChase", StateMode::Constant, 3, 150, {255, 0, 255}},
    {"Twinkle", StateMode::Constant, 256, 20, {255, 255, 0}},
    {"Meteor", StateMode::LedCount, 1, 30, {0, 0, 240}},
    {"Wave", StateMode::Constant, 360, 10, {0, 100, 255}},
    {"Pulse", StateMode::Constant, 256, 8, {255, 20, 147}},
    {"Larson", StateMode::LedCount, 2, 20, {0, 0, 240}},
    {"Ripple", StateMode::Constant, 360, 75, {0, 206, 209}},
    {"Confetti", StateMode::Constant, 200, 30, {255, 215, 0}},
    {"Lava", StateMode::Constant, 360, 50, {255, 80, 0}},
    {"Plasma", StateMode::Constant, 360, 20, {75, 0, 130}},
    {"Heartbeat", StateMode::Constant, 60, 30, {255, 0, 0}},
};

TEST(BuiltInAnimations, HoldsTheTwentySevenInstancesInEnumerationOrder) {
    ASSERT_EQ(BuiltInAnimations.size(), 27u);
    for (std::size_t v = 0; v < BuiltInAnimations.size(); ++v) {
        const auto& instance = BuiltInAnimations[v];
        const ExpectedRow& row = kExpected[v];
        SCOPED_TRACE(row.id);
        EXPECT_EQ(instance.id, row.id);
        EXPECT_EQ(instance.stateMode, row.mode);
        EXPECT_EQ(instance.stateCount, row.stateCount);
        EXPECT_EQ(instance.defaultDelay, row.delay);
        EXPECT_EQ(instance.defaultColor, row.color);
        EXPECT_TRUE(static_cast<bool>(instance.cb));
        if (v > 0) {
            EXPECT_EQ(kAnimationMap.at(static_cast<Animation>(v)), row.id);
        }
    }
    EXPECT_EQ(BuiltInAnimations[15].id, "Scanner");
    EXPECT_EQ(BuiltInAnimations[15].stateMode, StateMode::LedCount);
    EXPECT_EQ(BuiltInAnimations[15].stateCount, 2);
}

TEST(BuiltInAnimations, EntriesAreCopiesOfTheNamedInstances) {
    namespace anim = orvek::internal::Animation;
    // The copies share the id text of the instance they were made from.
    EXPECT_EQ(BuiltInAnimations[0].id.data(), anim::None.id.data());
    EXPECT_EQ(BuiltInAnimations[14].id.data(), anim::Fire.id.data());
    EXPECT_EQ(BuiltInAnimations[26].id.data(), anim::Heartbeat.id.data());
    // A copy draws like the original.
    std::vector<Color> a(3), b(3);
    anim::Fill.cb(a.data(), Color(1, 2, 3), 0, 3);
    BuiltInAnimations[1].cb(b.data(), Color(1, 2, 3), 0, 3);
    EXPECT_EQ(a, b);
}

TEST(BuiltInAnimations, IdsHashToDistinctAnimationIds) {
    std::set<uint16_t> ids;
    for (const auto& instance : BuiltInAnimations) ids.insert(orvek::internal::IDCreator::createId(instance.id));
    EXPECT_EQ(ids.size(), BuiltInAnimations.size());
}

}  // namespace
