// Reading "sequences" and their steps: required names, delays, colours, repeats.
#include <gtest/gtest.h>

#include "ConfigTestSupport.h"

namespace cfg = orvek::internal::Configuration;
using orvek::config::test::Read;

namespace {

// The steps of a single sequence "s" whose "steps" array is the given text.
std::vector<cfg::Animation> StepsOf(const std::string& stepsArray) {
    const auto config = Read(R"({"sequences":[{"id":"s","steps":)" + stepsArray + "}]}");
    return config.sequences ? (*config.sequences)[0].steps : std::vector<cfg::Animation>{};
}

std::optional<cfg::Animation> OneStep(const std::string& step) {
    const auto steps = StepsOf("[" + step + "]");
    return steps.empty() ? std::nullopt : std::optional<cfg::Animation>(steps[0]);
}

std::string ColorText(const std::optional<orvek::internal::domain::Color>& color) {
    if (!color) return "none";
    return std::to_string(color->r) + "," + std::to_string(color->g) + "," + std::to_string(color->b);
}

}  // namespace

TEST(ReaderSequences, RequireAnObjectWithAStringId) {
    const auto config = Read(R"({"sequences":[{"steps":[]},{"id":3},"s",{"id":"keep"},{"id":""}]})");
    ASSERT_TRUE(config.sequences);
    ASSERT_EQ(config.sequences->size(), 2u);
    EXPECT_EQ((*config.sequences)[0].id, "keep");
    EXPECT_EQ((*config.sequences)[1].id, "");
}

TEST(ReaderSequences, MissingOrWrongStepsGiveAnEmptySequence) {
    const auto config = Read(R"({"sequences":[{"id":"a"},{"id":"b","steps":{"animationId":"Fill"}},
        {"id":"c","steps":[{"delay":5},7]}]})");
    ASSERT_TRUE(config.sequences);
    ASSERT_EQ(config.sequences->size(), 3u);
    for (const auto& sequence : *config.sequences) {
        EXPECT_TRUE(sequence.steps.empty()) << sequence.id;
    }
}

TEST(ReaderSequences, StepWithoutAnimationIdIsDroppedAndOthersKept) {
    const auto steps = StepsOf(R"([{"animationId":"Fill"},{"delay":10},{"animationId":5},{"animationId":"Blink"}])");
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].id, "Fill");
    EXPECT_EQ(steps[1].id, "Blink");
}

TEST(ReaderSequences, StepDefaults) {
    const auto step = OneStep(R"({"animationId":"Fill"})");
    ASSERT_TRUE(step);
    EXPECT_EQ(step->delay, 0);
    EXPECT_FALSE(step->reversed);
    EXPECT_FALSE(step->color);
    EXPECT_FALSE(step->repeatCount);
}

TEST(ReaderSequences, DelayIsA16BitCount) {
    EXPECT_EQ(OneStep(R"({"animationId":"a","delay":12.7})")->delay, 12);
    EXPECT_EQ(OneStep(R"({"animationId":"a","delay":true})")->delay, 1);
    EXPECT_EQ(OneStep(R"({"animationId":"a","delay":-40})")->delay, 0);
    EXPECT_EQ(OneStep(R"({"animationId":"a","delay":65536})")->delay, 0);
    EXPECT_EQ(OneStep(R"({"animationId":"a","delay":70000})")->delay, 4464);
    EXPECT_EQ(OneStep(R"({"animationId":"a","delay":250})")->delay, 250);
}

TEST(ReaderSequences, ColourComponentsAreNumbersClampedToBytes) {
    EXPECT_EQ(ColorText(OneStep(R"({"animationId":"a","color":{"r":300,"g":-4,"b":7.9}})")->color), "255,0,7");
    EXPECT_EQ(ColorText(OneStep(R"({"animationId":"a","color":{"r":true,"g":false,"b":255}})")->color), "1,0,255");
    EXPECT_EQ(ColorText(OneStep(R"({"animationId":"a","color":{"b":3,"g":2,"r":1,"a":9}})")->color), "1,2,3");
    // 2^32 + 10 is 10 in 32 bits; -0.5 truncates to 0.
    EXPECT_EQ(ColorText(OneStep(R"({"animationId":"a","color":{"r":4294967306,"g":-0.5,"b":1e10}})")->color),
              "10,0,255");
}

TEST(ReaderSequences, IncompleteOrNonObjectColourLeavesNoColour) {
    EXPECT_EQ(ColorText(OneStep(R"({"animationId":"a","color":{"r":1,"g":2}})")->color), "none");
    EXPECT_EQ(ColorText(OneStep(R"({"animationId":"a","color":[1,2,3]})")->color), "none");
    EXPECT_EQ(ColorText(OneStep(R"({"animationId":"a","color":"#ff0000"})")->color), "none");
    // A missing channel means no component is read, so a bad one raises nothing.
    EXPECT_EQ(ColorText(OneStep(R"({"animationId":"a","color":{"r":"x","g":0}})")->color), "none");
}

TEST(ReaderSequences, RepeatIsAnIntegerClampedToAByte) {
    EXPECT_EQ(OneStep(R"({"animationId":"a","repeat":3})")->repeatCount, std::optional<uint8_t>(3));
    EXPECT_EQ(OneStep(R"({"animationId":"a","repeat":1000})")->repeatCount, std::optional<uint8_t>(255));
    EXPECT_EQ(OneStep(R"({"animationId":"a","repeat":-2})")->repeatCount, std::optional<uint8_t>(0));
    EXPECT_EQ(OneStep(R"({"animationId":"a","repeat":2.0})")->repeatCount, std::nullopt);
    EXPECT_EQ(OneStep(R"({"animationId":"a","repeat":"2"})")->repeatCount, std::nullopt);
}

TEST(ReaderSequences, ReversedIsABoolean) {
    EXPECT_TRUE(OneStep(R"({"animationId":"a","reversed":true})")->reversed);
    EXPECT_FALSE(OneStep(R"({"animationId":"a","reversed":false})")->reversed);
}

TEST(ReaderSequences, KeepArrayOrder) {
    const auto config = Read(R"({"sequences":[{"id":"z"},{"id":"a"}]})");
    ASSERT_EQ(config.sequences->size(), 2u);
    EXPECT_EQ((*config.sequences)[0].id, "z");
    EXPECT_EQ((*config.sequences)[1].id, "a");
}
