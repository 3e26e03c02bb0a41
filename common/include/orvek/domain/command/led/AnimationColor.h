#pragma once

#include <cstdint>

namespace orvek::internal::Command::LED {

// The color carried inside LED commands and passed by value through the native interface.
struct AnimationColor {
    uint8_t r;
    uint8_t g;
    uint8_t b;
};

static_assert(sizeof(AnimationColor) == 3);

}  // namespace orvek::internal::Command::LED
