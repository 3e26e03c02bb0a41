#pragma once

#include <cstdint>

namespace orvek::internal::Configuration {

// How the robot program reaches the device. Values differ from Eventing::ConnectionType.
enum class NetworkType : int {
    I2C = 0,
    USB = 1,
    CAN = 2,
    UART = 3,
};

// The device's I2C address; meaningful only on an I2C network.
struct I2CNetwork {
    uint8_t address = 0;  // as configured (the reader keeps the low 8 bits); never range-checked
};

// The serial link's speed; meaningful only on a UART network.
struct UARTNetwork {
    uint32_t baud;  // bits per second
};

// The network record. Only the alternative that `type` names is meaningful;
// a default network is USB with the I2C alternative zeroed.
struct Network {
    NetworkType type = NetworkType::USB;
    union {
        I2CNetwork i2c{};
        UARTNetwork uart;
    };
};

}  // namespace orvek::internal::Configuration
