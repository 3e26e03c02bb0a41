// The LED tab's strips: each LED drawn in the colour the animation engine gives
// for the zone's command and clock, placed as the zone lies on its channel; and
// the row layout that sizes the LEDs.

#include "LedTabSupport.h"

#include <orvek/led/BuiltInAnimations.h>

#include "ui/LedTabState.h"
#include "ui/StripLayout.h"

namespace panel_test {
namespace {

using orvek::internal::Command::LED::AnimationColor;
using orvek::internal::domain::Color;
using orvek::led::Animation;
namespace anim = orvek::internal::Animation;

struct StripCase {
    const char* name;
    Animation animation;  // None: nothing is sent to the zone
    uint16_t delay;
    bool reversed, oneShot;
    uint16_t length;
    bool zoneReversed;
    float elapsedSeconds;
    uint16_t expectedState;  // worked out by hand from the delay, cycle and flags
};

// Every clock sits inside a step, away from its boundaries.
const StripCase kStripCases[] = {
    // FadeIn: 256 states of 2 ms; 1 s is past the 512 ms cycle (a free run would show 244).
    {"OneShotHoldsLastStep", Animation::FadeIn, 2, false, true, 6, false, 1.0f, 255},
    {"ReversedOneShotHoldsStepZero", Animation::FadeIn, 2, true, true, 6, false, 1.0f, 0},
    // SineRoll: 60 states of 10 ms; 125 ms is state 12, backwards 47.
    {"ReversedCountsBackwards", Animation::SineRoll, 10, true, false, 12, false, 0.125f, 47},
    // Blink's default delay is 1000 ms: at 1.5 s it is off (1 ms steps would show state 0).
    {"DelayZeroUsesTheDefault", Animation::Blink, 0, false, false, 4, false, 1.5f, 1},
    // Chase on 10 LEDs cycles through 5 + 10 states: 125 ms at 10 ms is 12 (not 12 mod 5).
    {"LedCountLengthensTheCycle", Animation::Chase, 10, false, false, 10, false, 0.125f, 12},
    // Chase on 8 LEDs at state 7 lights zone LEDs 2..6, drawn at channel LEDs 5..1.
    {"ReversedZoneIsPlacedBackwards", Animation::Chase, 10, false, false, 8, true, 0.075f, 7},
};

void PrintTo(const StripCase& c, std::ostream* os) { *os << c.name; }

class LedStripTest : public ::testing::TestWithParam<StripCase> {};

TEST_P(LedStripTest, DrawsTheEnginesColoursForTheZonesClock) {
    const StripCase& c = GetParam();
    ApplyChannels({{Strip("lead", 3), Strip("zone", c.length, c.zoneReversed)}});
    const AnimationColor color{200, 120, 40};
    const anim::AnimationInstance& instance = anim::BuiltInAnimations[size_t(c.animation)];
    Device().DispatchSetColor(IDCreator::createId("lead"), {9, 8, 7});
    Device().DispatchSetAnimation(IDCreator::createId("zone"), IDCreator::createId(instance.id), c.delay, color,
                                  c.reversed, c.oneShot);
    PanelFrameDriver::Get().Frame("LEDs", c.elapsedSeconds);

    std::vector<Color> zone(c.length);
    instance.cb(zone.data(), Color(color.r, color.g, color.b), c.expectedState, c.length);
    std::vector<ImU32> expected(3, DrawColor(9, 8, 7));
    for (uint16_t i = 0; i < c.length; ++i) {
        const Color& led = zone[c.zoneReversed ? c.length - 1 - i : i];
        expected.push_back(DrawColor(led.r, led.g, led.b));
    }
    EXPECT_EQ(DrawnLeds(), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, LedStripTest, ::testing::ValuesIn(kStripCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LedStripPreviewTest, ZoneWithNothingAppliedIsBlackWhateverItsFormStages) {
    for (Animation staged : {Animation::Blink, Animation::None}) {
        auto preset = orvek::internal::Command::LED::Zeroed<orvek::internal::Command::LED::SetAnimationData>();
        preset.animationId = staged == Animation::None ? 0 : IDCreator::createId("Blink");
        preset.color = {255, 0, 0};
        orvek::internal::ui::GetLedTabStatics().lastAnimationPreset = preset;
        ApplyChannels({{Strip(staged == Animation::None ? "fresh-none" : "fresh-blink", 5)}});
        EXPECT_EQ(DrawnLeds(), std::vector<ImU32>(5, DrawColor(0, 0, 0)));
    }
}

struct LayoutCase {
    float width;
    int leds;
    std::vector<int> rowCounts;
    std::vector<float> rowIndents;
    float radius, spacing, rowSpacing, height;
};

TEST(StripLayoutTest, SplitsRowsAndSizesLeds) {
    const LayoutCase cases[] = {
        // 32 per row at most: 7 rows; 580 / 29 = 20 apart, 12 across.
        {580, 200, {29, 29, 29, 29, 28, 28, 28}, {10, 10, 10, 10, 20, 20, 20}, 6, 20, 10.8f, 148.8f},
        // One row of 3: 100 apart would be 60 across, held to 0.06 x 300 = 18.
        {300, 3, {3}, {50}, 9, 100, 16.2f, 18},
        {580, 0, {}, {}, 7, 18, 6, 40},
        {0, 10, {}, {}, 7, 18, 6, 40},
    };
    for (const LayoutCase& c : cases) {
        const auto layout = orvek::internal::CalculateResponsiveStripLayout(c.width, c.leds);
        EXPECT_EQ(layout.rowCounts, c.rowCounts) << c.width << " " << c.leds;
        ASSERT_EQ(layout.rowIndents.size(), c.rowIndents.size());
        for (size_t r = 0; r < c.rowIndents.size(); ++r) EXPECT_FLOAT_EQ(layout.rowIndents[r], c.rowIndents[r]);
        EXPECT_FLOAT_EQ(layout.ledRadius, c.radius);
        EXPECT_FLOAT_EQ(layout.ledSpacing, c.spacing);
        EXPECT_FLOAT_EQ(layout.rowSpacing, c.rowSpacing);
        EXPECT_FLOAT_EQ(layout.totalHeight, c.height);
    }
}

}  // namespace
}  // namespace panel_test
