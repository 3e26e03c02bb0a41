// The frame driver itself: tabs are selected, texts and shapes are read back.

#include "PanelFrameDriver.h"

#include <gtest/gtest.h>

namespace {

using panel_test::PanelFrameDriver;

TEST(PanelDriverTest, SelectsEachTabAndCapturesTheWindowsTexts) {
    PanelFrameDriver& driver = PanelFrameDriver::Get();
    for (const char* tab : {"Device", "Modules", "LEDs"}) {
        const std::string& text = driver.Frame(tab);
        EXPECT_NE(text.find("Pavonix Simulation"), std::string::npos) << tab;
        ImGuiWindow* window = ImGui::FindWindowByName(panel_test::kPanelWindow);
        ASSERT_NE(window, nullptr);
        ImGuiTabBar* bar = GImGui->TabBars.GetByKey(ImHashStr("PavonixSimTabs", 0, window->ID));
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->VisibleTabId, ImHashStr(tab, 0, bar->ID)) << tab;
    }
    EXPECT_FALSE(driver.DrawLists().empty());
}

}  // namespace
