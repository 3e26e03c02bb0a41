#pragma once
// Unit-library times to standard durations.

#include <units/time.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>

namespace orvek::util {

// Whole milliseconds, truncated toward zero (1.9 -> 1, -1.5 -> -1). A value the
// 64-bit count cannot hold saturates at its nearest end, and NaN gives 0, where a
// plain conversion would be undefined.
inline std::chrono::milliseconds toChronoMilliseconds(units::millisecond_t time) {
    const double ms = std::trunc(time.value());
    if (std::isnan(ms)) {
        return std::chrono::milliseconds(0);
    }
    constexpr double kLimit = 9223372036854775808.0;  // 2^63
    if (ms >= kLimit) {
        return std::chrono::milliseconds(std::numeric_limits<int64_t>::max());
    }
    if (ms < -kLimit) {
        return std::chrono::milliseconds(std::numeric_limits<int64_t>::min());
    }
    return std::chrono::milliseconds(static_cast<int64_t>(ms));
}

}  // namespace orvek::util
