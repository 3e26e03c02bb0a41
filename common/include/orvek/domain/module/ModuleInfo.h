#pragma once

#include <cstdint>

namespace orvek::internal::ModuleInfo {

// How a sensor module is wired to the device; not the event's ConnectionType
// nor the configuration's NetworkType, whose values differ.
enum class ModuleConnectionType : uint8_t { I2C = 0, SPI = 1, UART = 2, DIO = 3, AIO = 4 };

}  // namespace orvek::internal::ModuleInfo
