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

}  // namespace orvek::internal::ui
