#pragma once
// The ports a robot program names, and the HAL serial ports they stand for.

#include <hal/SerialPort.h>

#include <stdexcept>

namespace orvek::connection {

// The device's USB ports.
enum class USBPort : int { kUSB1 = 2, kUSB2 = 3 };

// The device's UART ports.
enum class UARTPort : int { kMXP = 1 };

// kUSB1 -> USB1 (2), kUSB2 -> USB2 (3); any other value throws std::invalid_argument.
inline HAL_SerialPort toHalSerialPort(USBPort port) {
    switch (port) {
        case USBPort::kUSB1: return HAL_SerialPort_USB1;
        case USBPort::kUSB2: return HAL_SerialPort_USB2;
    }
    throw std::invalid_argument("Invalid USBPort value encountered in toHalSerialPort.");
}

// kMXP -> MXP (1); any other value throws std::invalid_argument.
inline HAL_SerialPort toHalSerialPort(UARTPort port) {
    switch (port) {
        case UARTPort::kMXP: return HAL_SerialPort_MXP;
    }
    throw std::invalid_argument("Invalid UARTPort value encountered in toHalSerialPort.");
}

}  // namespace orvek::connection
