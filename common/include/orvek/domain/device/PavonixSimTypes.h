#pragma once
// Records of the simulated device's domain, shared by the device and the panel.

#include <orvek/domain/event/Event.h>
#include <orvek/domain/module/ModulePayloadDescriptor.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace orvek::internal::pavonix::sim {

enum class SimProductSku : uint16_t { kUnknown = 0, kPavonix = 1, kPavonixAnimate = 2 };

// An event with the steady-clock time, in seconds, at which it was pushed.
struct EventHistoryEntry {
    Eventing::Event event;
    double timestampSec = 0.0;
};

// A configured module as the device lists it for the panel.
struct ConfiguredModule {
    std::string id;
    std::string type;
    std::vector<module::ModuleFieldDescriptor> fields;
};

struct StatusOption {
    Eventing::Status status;
    const char* label;
};

// The five statuses; a status's index here is its value plus 1, and the HAL
// "Status" value and the panel's status choice hold such an index.
inline constexpr std::array<StatusOption, 5> kStatusOptions{{
    {Eventing::Status::Unknown, "Unknown"},
    {Eventing::Status::Booting, "Booting"},
    {Eventing::Status::Active, "Active"},
    {Eventing::Status::Error, "Error"},
    {Eventing::Status::Fatal, "Fatal"},
}};

}  // namespace orvek::internal::pavonix::sim
