#pragma once
// Small stand-ins for Dear ImGui calls whose look or meaning changed after the
// 1.86 the panel builds with. The panel calls these, never the 1.86 originals.

namespace orvek::internal::ui {

// A label followed by a horizontal line to the right edge, the look of the
// separator texts of later Dear ImGui releases. Call inside a window.
void SeparatorText(const char* label);

// Dear ImGui's combos, reporting a change only when an item other than the one
// shown is picked, as later releases do; 1.86 also reports picking the shown
// item again, and the panel acts on every change. `current` is written only
// on a change. heightInItems -1 is Dear ImGui's default height.
bool Combo(const char* label, int* current, const char* const items[], int count, int heightInItems = -1);
bool Combo(const char* label, int* current, bool (*itemGetter)(void* data, int index, const char** text), void* data,
           int count, int heightInItems = -1);

}  // namespace orvek::internal::ui
