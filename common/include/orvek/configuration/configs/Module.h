#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <variant>

#include <orvek/domain/module/ModuleInfo.h>

namespace orvek::internal::Configuration {

// One free-form setting of a module: text, whole number, real number or switch.
using ModuleConfigValue = std::variant<std::string, uint64_t, double, bool>;

// A sensor module attached to the device.
struct Module {
    std::string id;
    std::string type;  // module type name; selects the data fields
    uint16_t pollingRateMs = 0;
    ModuleInfo::ModuleConnectionType connectionType = ModuleInfo::ModuleConnectionType::I2C;
    std::optional<std::unordered_map<std::string, ModuleConfigValue>> customConfig;  // no defined order
};

}  // namespace orvek::internal::Configuration
