// The zone command forms, judged by what the device holds after the user acts:
// through the panel's own widgets (clicks, typing, combo picks) where the test
// is about the widget, through the forms' actions elsewhere.

#include "LedTabSupport.h"
#include "PanelItemSupport.h"

#include <cstring>

#include "ui/LedTabState.h"
#include "ui/ZoneCommands.h"

namespace panel_test {
namespace {

using orvek::internal::Command::LED::LEDCommandType;
using orvek::internal::Command::LED::MatrixTextScrollDirection;
namespace ui = orvek::internal::ui;

ui::ZoneControlState& FormOf(const std::string& channelAndZone) {
    return ui::GetLedTabStatics().zoneControlStates[channelAndZone];
}

// The active zone of the forms, by its place in the zone list.
void SelectZone(int index) {
    ui::GetLedTabStatics().selectedZoneIdx = index;
    PanelFrameDriver::Get().Frame("LEDs", 0.001f);
}

// Clicks the text field `label` of the LED tab, which selects what it holds, and types `text` over it.
void TypeInto(const char* label, const char* text) {
    ASSERT_TRUE(ClickWidget(label)) << label;
    for (const char* c = text; *c; ++c) ImGui::GetIO().AddInputCharacter(*c);
    PanelFrameDriver::Get().Frame("LEDs", 0.001f);
}

void PickAnimation(const char* name, int comboIndex) {
    PickComboItem(TabItemId("LEDs", "Animation##zone"), name, comboIndex, "LEDs");
}

bool IsBlack(const ZoneState& zs) {
    return zs.lastCommand == LEDCommandType::SetColor && zs.lastColor.r == 0 && zs.lastColor.g == 0 &&
           zs.lastColor.b == 0 && !zs.running;
}

TEST(ZoneFormsTest, ChoosingNoneSendsBlackAtOnce) {
    ApplyChannels({{Strip("none-strip", 4)}});
    const uint16_t zone = IDCreator::createId("none-strip");
    Device().DispatchSetAnimation(zone, IDCreator::createId("Blink"), 0, {255, 0, 0}, false, false);
    ui::ChooseAnimation(ui::GetLedTabStatics(), FormOf("ch0:none-strip"), -1, zone);
    EXPECT_TRUE(IsBlack(ZoneOf("none-strip")));
}

TEST(ZoneFormsTest, TypedDelaysAreStoredAtLeastOneMillisecond) {
    ApplyChannels({{Strip("delay-strip", 4)}});
    SelectZone(0);
    PickAnimation("Blink", 2);  // stages Blink's own delay, 1000 ms
    const std::pair<const char*, uint16_t> cases[] = {{"250", 250}, {"0", 1}, {"70000", 65535}, {"-40", 1}};
    for (const auto& [typed, stored] : cases) {
        TypeInto("Delay (ms)##zone", typed);
        ASSERT_TRUE(ClickWidget("Start Animation##zone"));
        EXPECT_EQ(ZoneOf("delay-strip").applied.delay, stored) << typed;
    }
}

// A combo acts on a change only: picking again the item it shows resets, sends
// and pushes nothing (the status combo's case is in DeviceTabTest).
TEST(ZoneFormsTest, PickingTheShownAnimationAgainChangesNothing) {
    ApplyChannels({{Strip("pick-strip", 4)}});
    SelectZone(0);
    const ui::ZoneControlState& form = FormOf("ch0:pick-strip");
    PickAnimation("None", 0);  // whatever an earlier preset staged
    PickAnimation("Blink", 2);
    EXPECT_EQ(int(form.animation.delay), 1000);  // by value: the field is packed
    TypeInto("Delay (ms)##zone", "40");
    FormOf("ch0:pick-strip").animation.color = {1, 2, 3};
    PickAnimation("Blink", 2);
    EXPECT_EQ(int(form.animation.delay), 40);
    EXPECT_EQ(form.animation.color.r + form.animation.color.g + form.animation.color.b, 6);

    PickAnimation("None", 0);
    EXPECT_TRUE(IsBlack(ZoneOf("pick-strip")));
    Device().DispatchSetColor(IDCreator::createId("pick-strip"), {9, 9, 9});
    PickAnimation("None", 0);
    EXPECT_EQ(ZoneOf("pick-strip").lastColor.r, 9);
}

TEST(ZoneFormsTest, MatrixOpensOnTheTextFormAndTypingKeepsTwentyFourCharacters) {
    ApplyChannels({{Strip("lights", 4), Matrix("sign", 8, 32)}});
    SelectZone(1);
    EXPECT_NE(PanelFrameDriver::Get().Text().find("Scroll Left"), std::string::npos);

    ASSERT_TRUE(ClickWidget("Text##zone"));
    const char* typed = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123";  // 30 characters
    for (const char* c = typed; *c; ++c) ImGui::GetIO().AddInputCharacter(*c);
    PanelFrameDriver::Get().Frame("LEDs", 0.001f);
    ASSERT_TRUE(ClickWidget("Send Text##zone"));

    const ZoneState zs = ZoneOf("sign");
    EXPECT_EQ(zs.lastCommand, LEDCommandType::SetMatrixText);
    EXPECT_EQ(zs.lastMatrixText.length, 24);
    EXPECT_EQ(std::string(zs.lastMatrixText.text, 24), std::string(typed, 24));
    // The text form's first-use look: white, 75 ms per step, scrolling left, repeating.
    EXPECT_EQ(zs.lastMatrixText.delay, 75);
    EXPECT_EQ(zs.lastMatrixText.color.r + zs.lastMatrixText.color.g + zs.lastMatrixText.color.b, 3 * 255);
    EXPECT_EQ(zs.lastMatrixText.dir, MatrixTextScrollDirection::LEFT);
    EXPECT_EQ(zs.lastMatrixText.oneShot, 0);
}

TEST(ZoneFormsTest, StartBitmapClearsTheScrollingTextFirst) {
    cfg::Bitmap logo;
    logo.id = "logo";
    logo.path = "bitmaps/logo.bmp";
    ApplyChannels({{Matrix("board", 16, 16)}}, {logo});
    SelectZone(0);
    ui::ZoneControlState& form = FormOf("ch0:board");
    form.mode = ui::ZoneCommandMode::MatrixBitmap;
    form.bitmapInitialized = true;
    form.bitmap.bitmapId = 999;  // staged under an earlier configuration: the combo shows, and sends, the logo
    auto text = orvek::internal::Command::LED::Zeroed<orvek::internal::Command::LED::SetMatrixTextData>();
    std::memcpy(text.text, "HELLO", 5);
    text.length = 5;
    Device().DispatchSetMatrixText(IDCreator::createId("board"), text);

    ASSERT_TRUE(ClickWidget("Start Bitmap##zone"));
    const ZoneState zs = ZoneOf("board");
    EXPECT_EQ(zs.lastCommand, LEDCommandType::SetBitmap);
    EXPECT_EQ(zs.lastBitmap.bitmapId, IDCreator::createId("logo"));
    // The clearing text replaced HELLO: an empty one-shot text at 1 ms per step.
    EXPECT_EQ(zs.lastMatrixText.length, 0);
    EXPECT_EQ(zs.lastMatrixText.oneShot, 1);
    EXPECT_EQ(zs.lastMatrixText.delay, 1);
}

TEST(ZoneFormsTest, ToggleAllZonesBlacksOutEveryStripWhenOneRunsElseStartsThemAll) {
    ApplyChannels({{Strip("left", 5), Strip("right", 5)}, {Matrix("m", 8, 8)}});
    ui::LedTabStatics& statics = ui::GetLedTabStatics();
    ui::ChooseAnimation(statics, FormOf("ch0:left"), 2, IDCreator::createId("left"));    // Blink
    ui::ChooseAnimation(statics, FormOf("ch0:right"), 3, IDCreator::createId("right"));  // Breathe
    Device().DispatchSetAnimation(IDCreator::createId("left"), IDCreator::createId("Fill"), 0, {1, 2, 3}, false, false);
    Device().DispatchSetColor(IDCreator::createId("right"), {50, 60, 70});
    Device().DispatchSetMatrixText(
        IDCreator::createId("m"),
        orvek::internal::Command::LED::Zeroed<orvek::internal::Command::LED::SetMatrixTextData>());
    SelectZone(0);

    ASSERT_TRUE(ClickWidget("Toggle All Zones"));
    EXPECT_TRUE(IsBlack(ZoneOf("left")));
    EXPECT_TRUE(IsBlack(ZoneOf("right")));

    ASSERT_TRUE(ClickWidget("Toggle All Zones"));
    EXPECT_EQ(ZoneOf("left").applied.animationId, IDCreator::createId("Blink"));
    EXPECT_EQ(ZoneOf("right").applied.animationId, IDCreator::createId("Breathe"));
    EXPECT_TRUE(ZoneOf("left").running && ZoneOf("right").running);
    EXPECT_EQ(ZoneOf("m").lastCommand, LEDCommandType::SetMatrixText);  // matrices are left alone
}

}  // namespace
}  // namespace panel_test
