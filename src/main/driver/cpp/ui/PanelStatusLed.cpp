// The Device tab's status LED: its clock and its colour.

#include "ui/PanelStatusLed.h"

#include "ui/StripAnimation.h"

#include <cmath>
#include <cstdint>

#include <orvek/domain/Color.h>
#include <orvek/system/StatusLedAnimations.h>

namespace orvek::internal::ui {

namespace {

ImVec4 Opaque(const domain::Color& c) { return ImVec4(c.r / 255.0f, c.g / 255.0f, c.b / 255.0f, 1.0f); }

// The clock in whole ms as the animation clock's 32 bits: it wraps after about
// 49 days instead of leaving the range a conversion to 32 bits is defined for.
uint32_t WholeMs(double clockMs) {
    if (!(clockMs > 0.0)) return 0;
    return static_cast<uint32_t>(std::fmod(std::floor(clockMs), 4294967296.0));
}

}  // namespace

double& StatusLedClockMs() {
    // Double, not float: a float clock stops moving by whole frames after a few
    // days of running.
    static double clockMs = 0.0;
    return clockMs;
}

double AdvanceStatusLedClock(float deltaMs) {
    double& clockMs = StatusLedClockMs();
    if (std::isfinite(deltaMs) && deltaMs > 0.0f) clockMs += deltaMs;
    return clockMs;
}

ImVec4 StatusLedColor(Eventing::Status status, double clockMs) {
    const auto look = SystemStatus::kStatusLedAnimations.find(status);
    if (look == SystemStatus::kStatusLedAnimations.end()) return Opaque(domain::Color::Black());
    const Command::LED::SetAnimationData& command = look->second.data.setAnimation;
    const domain::Color color = domain::Color::fromCommand(command.color);
    const Animation::AnimationInstance* animation = FindAnimationById(command.animationId);
    if (animation == nullptr) return Opaque(color);

    // A delay of 0 plays at the animation's own pace, as it would on a zone, and
    // never divides by zero.
    uint32_t delay = command.delay != 0 ? command.delay : animation->defaultDelay;
    if (delay == 0) delay = 1;
    const uint32_t total = static_cast<uint32_t>(animation->stateCount) * delay;
    const auto state = static_cast<uint16_t>(total == 0 ? 0 : (WholeMs(clockMs) % total) / delay);
    domain::Color led = domain::Color::Black();
    if (!animation->cb(&led, color, state, 1)) return Opaque(domain::Color::Black());
    return Opaque(led);
}

}  // namespace orvek::internal::ui
