#pragma once
// Internal to the panel; no guarantee. Small widget helpers shared by the Device
// tab's controls and its event form. GUI thread only, inside a window.

#include <array>
#include <cstddef>

#include "ui/ImGuiCompat.h"

namespace orvek::internal::ui {

// A combo over `labels` editing `index`. Whatever the combo did, `index` ends in
// 0..N-1, so a value from outside (a device read, an old form) can never index
// past the table. Returns whether the user picked another item this frame.
template <size_t N>
bool DrawClampedCombo(const char* label, int& index, const std::array<const char*, N>& labels) {
    static_assert(N > 0);
    const bool changed = Combo(label, &index, labels.data(), static_cast<int>(N));
    if (index < 0 || index >= static_cast<int>(N)) index = index < 0 ? 0 : static_cast<int>(N) - 1;
    return changed;
}

// labels[index], or "Unknown" for a value the table has no row for (a code the
// panel cannot produce but another producer may).
template <size_t N>
const char* SafeLabel(const std::array<const char*, N>& labels, size_t index) {
    return index < N ? labels[index] : "Unknown";
}

}  // namespace orvek::internal::ui
