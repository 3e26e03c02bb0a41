#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <orvek/configuration/configs/Animation.h>
#include <orvek/configuration/configs/AnimationGroup.h>
#include <orvek/configuration/configs/AnimationSequence.h>
#include <orvek/configuration/configs/Bitmap.h>
#include <orvek/configuration/configs/Channel.h>
#include <orvek/configuration/configs/Module.h>
#include <orvek/configuration/configs/Network.h>
#include <orvek/configuration/configs/Zone.h>

namespace orvek::internal::Configuration {

// One whole device configuration, a plain value. Lists are either unset or hold
// at least one element when they come from the JSON reader or the Java binding.
struct OrvekConfiguration {
    std::array<uint8_t, 16> md5{};          // fingerprint, set only by the Java binding
    std::optional<std::string> teamNumber;  // JSON "team", a text
    Network network;                        // default: USB
    std::optional<std::vector<Channel>> channels;
    std::optional<std::vector<AnimationSequence>> sequences;
    std::optional<std::vector<Bitmap>> bitmaps;
    std::optional<std::vector<AnimationGroup>> animationGroups;  // JSON "groups"
    std::optional<std::vector<Module>> sensors;                  // JSON "sensors"
};

}  // namespace orvek::internal::Configuration
