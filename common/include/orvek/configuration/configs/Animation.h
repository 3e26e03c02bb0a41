#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <orvek/domain/Color.h>

namespace orvek::internal::Configuration {

// One step of an animation sequence: a built-in animation played with these settings.
struct Animation {
    std::string id;  // built-in animation name (JSON "animationId")
    bool reversed = false;
    uint16_t delay = 0;                  // milliseconds per animation step
    std::optional<domain::Color> color;  // unset: the animation's default color
    std::optional<uint8_t> repeatCount;  // JSON "repeat", 0..255
};

}  // namespace orvek::internal::Configuration
