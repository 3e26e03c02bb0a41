#pragma once
// Library-wide constants. Nothing compares configuration values with the
// Validation limits: the reader and the Java binding clamp on their own terms.

#include <orvek/domain/Color.h>

#include <cstdint>
#include <string_view>

namespace orvek::internal::Constants {

namespace Logging {
enum Level : int { VERBOSE = 0, INFO = 1, WARNING = 2, ERROR = 3, FATAL = 4 };
// The lowest level that is written.
constexpr int32_t kMinLogLevel = WARNING;
// The start of every log line: 13 characters.
constexpr const char* kLogPrefix = "[  Orvek   ] ";
}  // namespace Logging

namespace File {
constexpr std::string_view kConfigFileName = "config.json";
}

namespace CAN {
constexpr uint8_t ORVEK_LABS_MANUFACTURER_ID = 19;
constexpr uint8_t PAVONIX_DEVICE_TYPE = 11;
}  // namespace CAN

namespace OrvekTP {
constexpr uint32_t kMinCompressionSize = 256;
}

namespace ColorConstants {
constexpr domain::Color kDefaultAnimationColor{0, 0, 240};
}

namespace Validation {
constexpr int32_t kMinTeamNumber = 0;
constexpr int32_t kMaxTeamNumber = 99999;
constexpr int32_t kMinBrightness = 0;
constexpr int32_t kMaxBrightness = 255;
constexpr int32_t kMinColorValue = 0;
constexpr int32_t kMaxColorValue = 255;
constexpr int32_t kMinCANId = 0;
constexpr int32_t kMaxCANId = 127;
constexpr int32_t kMinI2CAddress = 2;
constexpr int32_t kMaxI2CAddress = 126;
constexpr int32_t kMinDelay = 0;
constexpr int32_t kMinBaudRate = 9600;
constexpr int32_t kMaxBaudRate = 921600;
}  // namespace Validation

}  // namespace orvek::internal::Constants
