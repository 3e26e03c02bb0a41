#pragma once
// Buffer pool sizes of the device's serial transmissions.

#include <cstddef>

namespace orvek::internal::Transmission {
constexpr size_t kSmallSlotSize = 512;
constexpr size_t kSmallSlotCount = 32;
constexpr size_t kLargeSlotSize = 4096;
constexpr size_t kLargeSlotCount = 8;
constexpr size_t kMaxTransmissionSize = 4096;
}  // namespace orvek::internal::Transmission
