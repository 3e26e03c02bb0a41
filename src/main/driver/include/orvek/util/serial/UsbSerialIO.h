#pragma once
// The byte transport over a USB serial port (USB1 or USB2); see HalSerialIO.h for
// its line settings, reader thread and threading rules.

#include "hal/SerialPort.h"
#include "orvek/util/serial/HalSerialIO.h"

namespace orvek::internal {

class UsbSerialIO final : public HalSerialIO {
public:
    // Remembers the HAL port and baud rate; opens nothing and calls no HAL function.
    UsbSerialIO(HAL_SerialPort port, int baud);
};

}  // namespace orvek::internal
