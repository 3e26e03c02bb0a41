#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvek::internal::Configuration {

// The two kinds of LED zone on a channel.
enum class ZoneType : int {
    Strip = 0,
    Matrix = 1,
};

// Bits of ZoneMatrix::orientation; a clear bit means the first word of each pair.
namespace MatrixOrientation {
inline constexpr uint8_t kStartBottom = 1;  // starting corner at the bottom (clear: top)
inline constexpr uint8_t kStartRight = 2;   // starting corner at the right (clear: left)
inline constexpr uint8_t kColumnAxis = 4;   // LEDs run along columns (clear: rows)
inline constexpr uint8_t kZigzag = 8;       // every other line runs backwards (clear: progressive)
}  // namespace MatrixOrientation

// A run of LEDs along the channel.
struct ZoneStrip {
    uint16_t length;  // LED count, 0 allowed
    bool reversed;
};

// A rectangle of LEDs on the channel.
struct ZoneMatrix {
    uint16_t rows;
    uint16_t cols;
    uint8_t orientation;  // MatrixOrientation bits; bits 4..7 unused
};

// A named strip or matrix on a channel. Only the alternative that `type` names is
// meaningful; a value-initialised zone is an empty Strip of length 0.
struct Zone {
    ZoneType type = ZoneType::Strip;
    std::string id;                     // the name the device addresses the zone by
    std::optional<uint8_t> brightness;  // 0..255; unset: full brightness
    union {
        ZoneStrip strip{};
        ZoneMatrix matrix;
    };
};

}  // namespace orvek::internal::Configuration
