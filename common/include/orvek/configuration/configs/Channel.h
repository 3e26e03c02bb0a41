#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <orvek/configuration/configs/Zone.h>

namespace orvek::internal::Configuration {

// One LED output of the device with its zones in configuration order.
// The device also treats every channel as a group of its zones under `id`.
struct Channel {
    std::string key;                    // member name under "channels" in the JSON
    std::string id;                     // the channel's name
    uint16_t length = 0;                // LED count
    std::optional<uint8_t> brightness;  // 0..255; unset: full brightness
    std::vector<Zone> zones;
};

}  // namespace orvek::internal::Configuration
