// The zone command forms' widgets. Every label below is the form's own text; the
// "##" parts keep the widgets of one form apart while showing the same word.
//
// Index
//   1. Combo helpers
//   2. Animation form
//   3. Sequence form
//   4. Bitmap form
//   5. Text form
//   6. Active zone and command type

#include "ui/ZoneCommandForms.h"

#include <algorithm>
#include <array>
#include <optional>

#include <imgui.h>

#include "device/PavonixSimDevice.h"
#include "ui/ImGuiCompat.h"
#include "ui/StripAnimation.h"
#include "ui/ZoneCommands.h"

namespace orvek::internal::ui {

namespace {

using Command::LED::AnimationColor;
using Command::LED::MatrixTextScrollDirection;

// ---- 1. Combo helpers ----

bool StringLabel(void* data, int index, const char** out) {
    const auto& labels = *static_cast<const std::vector<std::string>*>(data);
    if (index < 0 || size_t(index) >= labels.size()) return false;
    *out = labels[size_t(index)].c_str();
    return true;
}

bool ZoneLabel(void* data, int index, const char** out) {
    const auto& zones = *static_cast<const std::vector<ZoneEntry>*>(data);
    if (index < 0 || size_t(index) >= zones.size()) return false;
    *out = zones[size_t(index)].label.c_str();
    return true;
}

// A combo over `labels`; true with `index` inside them when the user picked another one.
bool LabelCombo(const char* label, int& index, const std::vector<std::string>& labels) {
    const bool picked = Combo(label, &index, StringLabel, const_cast<std::vector<std::string>*>(&labels),
                              static_cast<int>(labels.size()));
    return picked && index >= 0 && size_t(index) < labels.size();
}

// Position of `id` in `ids`, 0 when absent.
int IndexOf(const std::vector<uint16_t>& ids, uint16_t id) {
    const auto found = std::find(ids.begin(), ids.end(), id);
    return found == ids.end() ? 0 : static_cast<int>(found - ids.begin());
}

// A color editor over a command color; true when edited.
bool EditColor(const char* label, AnimationColor& color) {
    float channels[3] = {color.r / 255.0f, color.g / 255.0f, color.b / 255.0f};
    if (!ImGui::ColorEdit3(label, channels, 0)) return false;
    color = {StoredChannel(channels[0]), StoredChannel(channels[1]), StoredChannel(channels[2])};
    return true;
}

// A delay field showing `shown`; the delay to store (1..65535) when edited. By
// value: the delays live in packed commands, where a reference may be misaligned.
std::optional<uint16_t> EditDelay(const char* label, int shown) {
    if (!ImGui::InputInt(label, &shown, 1, 10)) return std::nullopt;
    return StoredDelay(shown);
}

// ---- 2. Animation form ----

int ComboIndexToBuiltIn(const LedTabLists& lists, int comboIndex) {
    const auto& table = lists.animationComboToBuiltIn;
    return comboIndex >= 0 && size_t(comboIndex) < table.size() ? table[size_t(comboIndex)] : -1;
}

int AnimationComboIndex(const LedTabLists& lists, uint16_t animationId) {
    if (animationId == 0) return 0;
    for (size_t i = 0; i < lists.animationComboToBuiltIn.size(); ++i) {
        const int builtIn = lists.animationComboToBuiltIn[i];
        if (builtIn >= 0 && BuiltInAnimationId(builtIn) == animationId) return static_cast<int>(i);
    }
    return 0;
}

void DrawAnimationForm(LedTabStatics& statics, const LedTabLists& lists, ZoneControlState& state, uint16_t zoneHash) {
    InitAnimationForm(statics, state, zoneHash);
    auto& cmd = state.animation;

    int comboIndex = AnimationComboIndex(lists, cmd.animationId);
    if (LabelCombo("Animation##zone", comboIndex, lists.animationLabels)) {
        ChooseAnimation(statics, state, ComboIndexToBuiltIn(lists, comboIndex), zoneHash);
    }
    if (const auto* anim = BuiltInAnimationAt(ComboIndexToBuiltIn(lists, comboIndex))) {
        const int shown = cmd.delay != 0 ? int(cmd.delay) : int(anim->defaultDelay);
        if (const auto delay = EditDelay("Delay (ms)##zone", shown)) {
            cmd.delay = *delay;
            RecordAnimation(statics, state);
        }
    }
    if (EditColor("Color##zone", cmd.color)) RecordAnimation(statics, state);

    bool reversed = cmd.reversed != 0;
    if (ImGui::Checkbox("Reverse Animation##zone", &reversed)) {
        cmd.reversed = reversed ? 1 : 0;
        RecordAnimation(statics, state);
    }
    ImGui::SameLine(0, -1);
    bool oneShot = cmd.oneShot != 0;
    if (ImGui::Checkbox("One Shot##zone", &oneShot)) {
        cmd.oneShot = oneShot ? 1 : 0;
        RecordAnimation(statics, state);
    }

    ImGui::Separator();
    if (ImGui::Button("Start Animation##zone")) StartAnimation(statics, state, zoneHash);
    ImGui::SameLine(0, -1);
    if (ImGui::Button("Stop##zone")) StopAnimation(statics, state, zoneHash);
    ImGui::SameLine(0, -1);
    if (ImGui::Button("Toggle All Zones")) ToggleAllZones(statics, lists.zones);
}

// ---- 3. Sequence form ----

void DrawSequenceForm(const LedTabLists& lists, ZoneControlState& state, uint16_t zoneHash, bool isMatrix) {
    if (lists.sequenceIds.empty()) {
        ImGui::TextDisabled("No animation sequences configured in the current config.");
        return;
    }
    SettleSequence(state, lists.sequenceIds);
    int index = IndexOf(lists.sequenceIds, state.sequenceId);
    if (LabelCombo("Sequence##zone", index, lists.sequenceLabels)) state.sequenceId = lists.sequenceIds[size_t(index)];

    ImGui::Separator();
    if (ImGui::Button("Start Sequence##zone")) {
        PavonixSimDevice::GetInstance()->DispatchSetAnimationSequence(zoneHash, state.sequenceId);
    }
    ImGui::SameLine(0, -1);
    if (ImGui::Button("Stop##zone")) StopZone(zoneHash, isMatrix);
}

// ---- 4. Bitmap form ----

void DrawBitmapForm(const LedTabLists& lists, ZoneControlState& state, uint16_t zoneHash, bool isMatrix) {
    SettleBitmap(state, lists.bitmapIds);
    if (lists.bitmapIds.empty()) {
        ImGui::TextDisabled("No bitmaps configured in the applied config.");
        return;
    }
    auto& bmp = state.bitmap;
    int index = IndexOf(lists.bitmapIds, bmp.bitmapId);
    if (LabelCombo("Bitmap##zone", index, lists.bitmapLabels)) bmp.bitmapId = lists.bitmapIds[size_t(index)];

    bool tint = bmp.setColor != 0;
    if (ImGui::Checkbox("Apply Tint##zone", &tint)) bmp.setColor = tint ? 1 : 0;
    if (bmp.setColor != 0) EditColor("Tint Color##zone", bmp.color);
    bool oneShot = bmp.oneShot != 0;
    if (ImGui::Checkbox("One Shot##bmp", &oneShot)) bmp.oneShot = oneShot ? 1 : 0;

    ImGui::Separator();
    if (ImGui::Button("Start Bitmap##zone")) StartBitmap(state, zoneHash);
    ImGui::SameLine(0, -1);
    if (ImGui::Button("Stop##zone")) StopZone(zoneHash, isMatrix);
}

// ---- 5. Text form ----

void DrawTextForm(ZoneControlState& state, uint16_t zoneHash, bool isMatrix) {
    InitTextForm(state);
    auto& text = state.matrixText;

    state.textBuffer.back() = '\0';  // the field reads the buffer up to its terminator
    if (ImGui::InputText("Text##zone", state.textBuffer.data(), state.textBuffer.size())) StoreEditedText(state);
    EditColor("Color##text", text.color);
    if (const auto delay = EditDelay("Delay (ms)##text", text.delay != 0 ? text.delay : 1)) text.delay = *delay;

    static constexpr std::array<const char*, 2> kDirections{"Scroll Left", "Scroll Right"};
    int direction = text.dir == MatrixTextScrollDirection::RIGHT ? 1 : 0;
    if (Combo("Direction##text", &direction, kDirections.data(), int(kDirections.size()))) {
        text.dir = direction == 1 ? MatrixTextScrollDirection::RIGHT : MatrixTextScrollDirection::LEFT;
    }
    bool oneShot = text.oneShot != 0;
    if (ImGui::Checkbox("One Shot##text", &oneShot)) text.oneShot = oneShot ? 1 : 0;

    ImGui::Separator();
    if (ImGui::Button("Send Text##zone")) SendText(state, zoneHash);
    ImGui::SameLine(0, -1);
    if (ImGui::Button("Stop##zone")) StopZone(zoneHash, isMatrix);
}

// ---- 6. Active zone and command type ----

// The forms a zone offers, first the one a new zone opens on.
std::array<ZoneCommandMode, 2> ModeOptions(bool isMatrix) {
    if (isMatrix) return {ZoneCommandMode::MatrixText, ZoneCommandMode::MatrixBitmap};
    return {ZoneCommandMode::Animation, ZoneCommandMode::AnimationSequence};
}

void DrawCommandType(ZoneControlState& state, bool isMatrix) {
    const auto options = ModeOptions(isMatrix);
    if (state.mode != options[0] && state.mode != options[1]) state.mode = options[0];
    const std::array<const char*, 2> labels{ModeLabel(options[0]), ModeLabel(options[1])};
    int index = state.mode == options[1] ? 1 : 0;
    if (Combo("Command Type", &index, labels.data(), int(labels.size())) && (index == 0 || index == 1)) {
        state.mode = options[size_t(index)];
    }
}

}  // namespace

void DrawZoneControls(LedTabStatics& statics, const LedTabLists& lists) {
    SeparatorText("Zone Controls");
    if (lists.zones.empty()) return;

    const int zoneCount = static_cast<int>(lists.zones.size());
    Combo("Active Zone", &statics.selectedZoneIdx, ZoneLabel, const_cast<std::vector<ZoneEntry>*>(&lists.zones),
          zoneCount);
    statics.selectedZoneIdx = std::clamp(statics.selectedZoneIdx, 0, zoneCount - 1);
    const ZoneEntry& entry = lists.zones[size_t(statics.selectedZoneIdx)];
    ZoneControlState& state = statics.zoneControlStates[entry.stateKey];
    const bool isMatrix = entry.zone->type == Configuration::ZoneType::Matrix;
    const uint16_t zoneHash = entry.zoneHash;
    state.animation.zoneId = zoneHash;
    state.bitmap.zoneId = zoneHash;
    state.matrixText.zoneId = zoneHash;

    ImGui::Text("Controls for %s", entry.label.c_str());
    ImGui::Spacing();
    DrawCommandType(state, isMatrix);

    switch (state.mode) {
        case ZoneCommandMode::Animation: DrawAnimationForm(statics, lists, state, zoneHash); break;
        case ZoneCommandMode::AnimationSequence: DrawSequenceForm(lists, state, zoneHash, isMatrix); break;
        case ZoneCommandMode::MatrixBitmap: DrawBitmapForm(lists, state, zoneHash, isMatrix); break;
        case ZoneCommandMode::MatrixText: DrawTextForm(state, zoneHash, isMatrix); break;
    }
}

}  // namespace orvek::internal::ui
