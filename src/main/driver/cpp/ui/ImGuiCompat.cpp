#include "ui/ImGuiCompat.h"

#include <imgui.h>

namespace orvek::internal::ui {

void SeparatorText(const char* label) {
    const ImGuiStyle& style = ImGui::GetStyle();
    ImGui::Spacing();
    ImGui::TextUnformatted(label);
    // The line runs from just after the label to the content's right edge, at
    // the label's vertical middle; the cursor then stays on the next line.
    const ImVec2 labelMin = ImGui::GetItemRectMin();
    const ImVec2 labelMax = ImGui::GetItemRectMax();
    const float lineY = (labelMin.y + labelMax.y) * 0.5f;
    const float lineStart = labelMax.x + style.ItemSpacing.x;
    const float lineEnd = ImGui::GetWindowPos().x + ImGui::GetWindowContentRegionMax().x;
    if (lineEnd > lineStart) {
        ImGui::GetWindowDrawList()->AddLine(ImVec2(lineStart, lineY), ImVec2(lineEnd, lineY),
                                            ImGui::GetColorU32(ImGuiCol_Separator), 1.0f);
    }
}

// 1.86 writes the picked index and reports every pick; keep only real changes.
bool Combo(const char* label, int* current, const char* const items[], int count, int heightInItems) {
    const int before = *current;
    return ImGui::Combo(label, current, items, count, heightInItems) && *current != before;
}

bool Combo(const char* label, int* current, bool (*itemGetter)(void* data, int index, const char** text), void* data,
           int count, int heightInItems) {
    const int before = *current;
    return ImGui::Combo(label, current, itemGetter, data, count, heightInItems) && *current != before;
}

}  // namespace orvek::internal::ui
