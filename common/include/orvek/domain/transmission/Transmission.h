#pragma once
// Packet size limits of the device's serial protocol.

#include <cstdint>

namespace orvek::internal::Transmission {
constexpr uint16_t kMaxPacketSize = 256;
constexpr uint16_t kMaxPacketBodySize = kMaxPacketSize - 4;
}  // namespace orvek::internal::Transmission
