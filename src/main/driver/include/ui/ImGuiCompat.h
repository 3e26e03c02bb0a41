#pragma once
// Small stand-ins for Dear ImGui calls newer than the 1.86 the panel builds with.

namespace orvek::internal::ui {

// A label followed by a horizontal line to the right edge, the look of the
// separator texts of later Dear ImGui releases. Call inside a window.
void SeparatorText(const char* label);

}  // namespace orvek::internal::ui
