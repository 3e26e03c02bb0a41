#pragma once
// Framing constants of the device's serial packets.

#include <cstdint>

namespace orvek::internal {
constexpr uint8_t PACKET_MARKER = 0;
constexpr uint8_t COBS_OVERHEAD = 3;
}  // namespace orvek::internal
