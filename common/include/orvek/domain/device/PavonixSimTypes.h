#pragma once
// Records of the simulated device's domain, shared by the device and the panel.

#include <orvek/domain/command/led/LEDCommand.h>
#include <orvek/domain/event/Event.h>
#include <orvek/domain/module/ModulePayloadDescriptor.h>

#include <array>
#include <cstdint>
#include <string>
#include <type_traits>
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

// A zone's last applied look, which the panel renders from every frame and the
// device's clock advances. A fresh zone is all zero except applied.zoneId and
// lastCommand SetColor (black, nothing running). Trivially copyable: producers
// zero every byte (std::memset) before filling it, so unnamed flag bits are zero.
struct ZoneState {
    Command::LED::SetAnimationData applied;  // animation look; a plain color is stored as Fill
    Command::LED::LEDCommandType
        lastCommand;                         // SetColor, SetAnimation, SetAnimationSequence, SetBitmap or SetMatrixText
    Command::LED::AnimationColor lastColor;  // color of the last look
    uint16_t lastSequenceId;                 // sequence playing on the zone; 0 when none
    Command::LED::SetBitmapData lastBitmap;  // last bitmap command, zoneId = this zone
    Command::LED::SetMatrixTextData lastMatrixText;  // last text command, zoneId = this zone
    bool running;                                    // the device clock advances timeMs
    float timeMs;                                    // ms the current look has been shown (text: scroll clock)
};
static_assert(std::is_trivially_copyable_v<ZoneState>);

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
