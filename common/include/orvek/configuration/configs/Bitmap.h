#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvek::internal::Configuration {

// A single image, or a folder of numbered frames played in turn.
enum class BitmapType : int {
    Static = 0,
    Animated = 1,
};

// A named image for matrix zones; paths are relative to the deploy path.
struct Bitmap {
    std::string id;
    BitmapType type = BitmapType::Static;
    std::optional<std::string> path;     // Static: the image file
    std::optional<std::string> folder;   // Animated: the folder of frame files
    std::optional<uint16_t> frameDelay;  // Animated: milliseconds per frame (JSON "delay")
};

}  // namespace orvek::internal::Configuration
