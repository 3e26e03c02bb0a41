#pragma once

#include <string>
#include <vector>

namespace orvek::internal::Configuration {

// A named set of zones that group commands address together.
struct AnimationGroup {
    std::string id;
    std::vector<std::string> zoneIds;  // zone names (Zone::id), in configuration order
};

}  // namespace orvek::internal::Configuration
