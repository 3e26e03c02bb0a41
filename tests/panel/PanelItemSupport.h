#pragma once
// Presses the panel's widgets without knowing where they are drawn: ImGui's
// programmatic activation hits the item with a given id on the next frame, as a
// click would. Ids follow ImGui's id stack: a tab's items are hashed from the tab.

#include "PanelFrameDriver.h"

#include <utility>
#include <vector>

namespace panel_test {

// The id of `label` inside the id scope `seed`.
inline ImGuiID ScopedId(ImGuiID seed, const char* label) { return ImHashStr(label, 0, seed); }

// The id of a widget drawn directly in tab `tab` of the panel.
inline ImGuiID TabItemId(const char* tab, const char* label) {
    ImGuiWindow* window = ImGui::FindWindowByName(kPanelWindow);
    ImGuiTabBar* bar = GImGui->TabBars.GetByKey(ImHashStr("PavonixSimTabs", 0, window->ID));
    return ScopedId(ImHashStr(tab, 0, bar->ID), label);
}

// Activates the item `id` on the next frame of `tab`, which the call then runs.
inline const std::string& Press(ImGuiID id, const char* tab) {
    ImGui::ActivateItem(id);
    return PanelFrameDriver::Get().Frame(tab);
}

// Opens the combo `comboId` and picks its item `index`, whose text is `item`. A
// combo's list is the first popup level, each item in its index's id scope.
inline void PickComboItem(ImGuiID comboId, const char* item, int index, const char* tab) {
    Press(comboId, tab);
    Press(ScopedId(ImHashData(&index, sizeof index, ImHashStr("##Combo_00")), item), tab);
}

// The items the mouse hovers moving down tab `tab` from screen point `from` to
// the window's bottom, each once, top to bottom, with a point on each: found
// where they are drawn, as a user finds them, whatever ids they carry.
inline std::vector<std::pair<ImGuiID, ImVec2>> ItemsDownFrom(ImVec2 from, const char* tab) {
    std::vector<std::pair<ImGuiID, ImVec2>> items;
    PanelFrameDriver& driver = PanelFrameDriver::Get();
    const ImGuiWindow* window = ImGui::FindWindowByName(kPanelWindow);
    for (float y = from.y; y < window->Pos.y + window->Size.y; y += 2) {
        driver.SetMouse(ImVec2(from.x, y), false);
        driver.Frame(tab);
        const ImGuiID id = GImGui->HoveredId;
        if (id != 0 && (items.empty() || items.back().first != id)) items.emplace_back(id, ImVec2(from.x, y));
    }
    driver.SetMouse(ImVec2(-1, -1), false);
    return items;
}

// The vertex colours strictly inside the box of the vertices coloured `outline`
// (a colour no other shape of the frame uses): the fill the outline encloses.
inline std::vector<ImU32> ColorsInsideOutline(ImU32 outline) {
    ImRect box(FLT_MAX, FLT_MAX, -FLT_MAX, -FLT_MAX);
    std::vector<ImDrawVert> vertices;
    for (const ImDrawList* list : PanelFrameDriver::Get().DrawLists()) {
        vertices.insert(vertices.end(), list->VtxBuffer.begin(), list->VtxBuffer.end());
    }
    for (const ImDrawVert& v : vertices)
        if (v.col == outline) box.Add(v.pos);
    std::vector<ImU32> colors;
    for (const ImDrawVert& v : vertices) {
        if (v.col != outline && v.pos.x > box.Min.x && v.pos.x < box.Max.x && v.pos.y > box.Min.y &&
            v.pos.y < box.Max.y)
            colors.push_back(v.col);
    }
    return colors;
}

}  // namespace panel_test
