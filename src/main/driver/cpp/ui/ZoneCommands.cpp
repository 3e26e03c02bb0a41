// The zone command forms' actions: staged commands edited, commands sent.

#include "ui/ZoneCommands.h"

#include <algorithm>
#include <cstring>

#include <orvek/domain/device/PavonixSimTypes.h>

#include "device/PavonixSimDevice.h"
#include "ui/StripAnimation.h"

namespace orvek::internal::ui {

namespace {

using Command::LED::AnimationColor;
using Command::LED::MatrixTextScrollDirection;
using Command::LED::SetAnimationData;
using Command::LED::SetMatrixTextData;
using Command::LED::Zeroed;

constexpr AnimationColor kBlack{0, 0, 0};
constexpr AnimationColor kWhite{255, 255, 255};
constexpr uint16_t kDefaultTextDelayMs = 75;
constexpr size_t kTextCapacity = sizeof(SetMatrixTextData::text);

PavonixSimDevice& Device() { return *PavonixSimDevice::GetInstance(); }

// `staged` when the list holds it, else the list's first id (what the combo shows).
uint16_t ListedOrFirst(uint16_t staged, const std::vector<uint16_t>& ids) {
    if (ids.empty()) return staged;
    return std::find(ids.begin(), ids.end(), staged) != ids.end() ? staged : ids.front();
}

void SendStagedAnimation(uint16_t zoneId, const SetAnimationData& cmd) {
    Device().DispatchSetAnimation(zoneId, cmd.animationId, cmd.delay, cmd.color, cmd.reversed != 0, cmd.oneShot != 0);
}

}  // namespace

const char* ModeLabel(ZoneCommandMode mode) {
    switch (mode) {
        case ZoneCommandMode::Animation: return "Animation";
        case ZoneCommandMode::AnimationSequence: return "Animation Sequence";
        case ZoneCommandMode::MatrixBitmap: return "Bitmap";
        case ZoneCommandMode::MatrixText: return "Text";
    }
    return "Command";
}

uint16_t StoredDelay(int typed) { return static_cast<uint16_t>(std::clamp(typed, 1, 0xFFFF)); }

uint8_t StoredChannel(float value) {
    if (!(value > 0.0f)) return 0;
    return value >= 1.0f ? 255 : static_cast<uint8_t>(value * 255.0f);
}

// ---- Sends ----

void SendStripOff(uint16_t zoneId) { Device().DispatchSetColor(zoneId, kBlack); }

void SendMatrixClear(uint16_t zoneId) {
    auto clear = Zeroed<SetMatrixTextData>();
    clear.zoneId = zoneId;
    clear.oneShot = 1;
    clear.delay = 1;
    Device().DispatchSetMatrixText(zoneId, clear);
}

void StopZone(uint16_t zoneId, bool isMatrix) {
    if (isMatrix) {
        SendMatrixClear(zoneId);
    } else {
        SendStripOff(zoneId);
    }
}

// ---- Animation form ----

void RecordAnimation(LedTabStatics& statics, ZoneControlState& state) {
    statics.lastAnimationPreset = state.animation;
    state.animationInitialized = true;
}

void InitAnimationForm(const LedTabStatics& statics, ZoneControlState& state, uint16_t zoneHash) {
    if (state.animationInitialized) return;
    state.animation = statics.lastAnimationPreset.value_or(Zeroed<SetAnimationData>());
    state.animation.zoneId = zoneHash;
    state.animationInitialized = true;
}

void ChooseAnimation(LedTabStatics& statics, ZoneControlState& state, int builtInIndex, uint16_t zoneHash) {
    const Animation::AnimationInstance* anim = BuiltInAnimationAt(builtInIndex);
    if (anim == nullptr) {
        state.animation.animationId = 0;
        SendStripOff(zoneHash);
    } else {
        state.animation.animationId = BuiltInAnimationId(builtInIndex);
        state.animation.delay = anim->defaultDelay;
        state.animation.color = Command::LED::ToCommandColor(anim->defaultColor);
    }
    RecordAnimation(statics, state);
}

void StartAnimation(LedTabStatics& statics, ZoneControlState& state, uint16_t zoneHash) {
    SendStagedAnimation(zoneHash, state.animation);
    RecordAnimation(statics, state);
}

void StopAnimation(LedTabStatics& statics, ZoneControlState& state, uint16_t zoneHash) {
    state.animation.animationId = 0;
    RecordAnimation(statics, state);
    SendStripOff(zoneHash);
}

void ToggleAllZones(LedTabStatics& statics, const std::vector<ZoneEntry>& zones) {
    auto isStrip = [](const ZoneEntry& entry) { return entry.zone->type == Configuration::ZoneType::Strip; };
    bool anyRunning = false;
    for (const ZoneEntry& entry : zones) {
        pavonix::sim::ZoneState zs;
        if (isStrip(entry) && Device().TryGetZone(entry.zoneHash, zs) && zs.running) {
            anyRunning = true;
            break;
        }
    }
    for (const ZoneEntry& entry : zones) {
        if (!isStrip(entry)) continue;
        SetAnimationData& staged = statics.zoneControlStates[entry.stateKey].animation;
        if (staged.zoneId == 0) staged.zoneId = entry.zoneHash;
        if (anyRunning) {
            SendStripOff(entry.zoneHash);
        } else {
            SendStagedAnimation(entry.zoneHash, staged);
        }
    }
}

// ---- Sequence form ----

void SettleSequence(ZoneControlState& state, const std::vector<uint16_t>& ids) {
    state.sequenceId = ListedOrFirst(state.sequenceId, ids);
}

// ---- Bitmap form ----

void SettleBitmap(ZoneControlState& state, const std::vector<uint16_t>& ids) {
    if (!state.bitmapInitialized) {
        state.bitmap.color = kWhite;
        state.bitmap.setColor = 0;
        state.bitmap.oneShot = 0;
        state.bitmap.bitmapId = ids.empty() ? 0 : ids.front();
        state.bitmapInitialized = true;
    }
    state.bitmap.bitmapId = ListedOrFirst(state.bitmap.bitmapId, ids);
}

void StartBitmap(const ZoneControlState& state, uint16_t zoneHash) {
    StopZone(zoneHash, /*isMatrix=*/true);
    const auto& bmp = state.bitmap;
    Device().DispatchSetBitmap(zoneHash, bmp.bitmapId, bmp.color, bmp.setColor != 0, bmp.oneShot != 0);
}

// ---- Text form ----

void InitTextForm(ZoneControlState& state) {
    if (state.textInitialized) return;
    SetMatrixTextData& text = state.matrixText;
    text.color = kWhite;
    text.delay = kDefaultTextDelayMs;
    text.oneShot = 0;
    text.dir = MatrixTextScrollDirection::LEFT;
    text.length = 0;
    state.textBuffer.fill('\0');
    state.textInitialized = true;
}

void StoreEditedText(ZoneControlState& state) {
    const size_t copyLen = std::min(strnlen(state.textBuffer.data(), state.textBuffer.size()), kTextCapacity);
    std::memset(state.matrixText.text, 0, kTextCapacity);
    std::memcpy(state.matrixText.text, state.textBuffer.data(), copyLen);
    state.matrixText.length = static_cast<uint8_t>(copyLen);
}

void SendText(const ZoneControlState& state, uint16_t zoneHash) {
    Device().DispatchSetMatrixText(zoneHash, state.matrixText);
}

}  // namespace orvek::internal::ui
