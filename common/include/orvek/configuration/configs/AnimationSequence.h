#pragma once

#include <string>
#include <vector>

#include <orvek/configuration/configs/Animation.h>

namespace orvek::internal::Configuration {

// A named list of animation steps, in playing order.
struct AnimationSequence {
    std::string id;
    std::vector<Animation> steps;
};

}  // namespace orvek::internal::Configuration
