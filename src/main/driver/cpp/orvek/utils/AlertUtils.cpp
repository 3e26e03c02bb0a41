#include "orvek/utils/AlertUtils.h"

#include <array>
#include <cstdint>

namespace orvek::utils {

namespace {

using internal::Eventing::DisabledCause;
using internal::Eventing::ErrorType;
using internal::Eventing::FatalErrorType;

constexpr const char* kUnknown = "Unknown";

// Indexed by enumeration value. The texts are string literals, so the plain-name
// forms can hand them out without a shared buffer.
constexpr std::array<const char*, 4> kDisabledCauseTexts{"No Heartbeat", "Manual", "Emergency Stop", "Restart"};

constexpr std::array<const char*, 11> kErrorTypeTexts{
    "File Not Found",  "Invalid File", "Entity Not Found",     "Device Malfunction",
    "Queue Full",      "LED Strip",    "LED Matrix",           "Invalid Animation Sequence",
    "Invalid Channel", "Duplicate ID", "Invalid Config Upload"};

constexpr std::array<const char*, 4> kFatalErrorTypeTexts{"Initialization Error", "Bad Configuration",
                                                          "Start Task Error", "Create Queue Error"};

template <size_t N>
constexpr const char* TextAt(const std::array<const char*, N>& texts, uint8_t value) {
    return value < N ? texts[value] : kUnknown;
}

const char* DisabledCauseText(uint8_t value) { return TextAt(kDisabledCauseTexts, value); }
const char* ErrorTypeText(uint8_t value) { return TextAt(kErrorTypeTexts, value); }
const char* FatalErrorTypeText(uint8_t value) { return TextAt(kFatalErrorTypeTexts, value); }

}  // namespace

std::string GetDisabledCauseText(DisabledCause cause) { return DisabledCauseText(static_cast<uint8_t>(cause)); }

std::string GetErrorTypeText(ErrorType type) { return ErrorTypeText(static_cast<uint8_t>(type)); }

std::string GetFatalErrorTypeText(FatalErrorType type) { return FatalErrorTypeText(static_cast<uint8_t>(type)); }

}  // namespace orvek::utils

extern "C" {

const char* Orvek_GetDisabledCauseText(int cause) {
    return orvek::utils::DisabledCauseText(static_cast<uint8_t>(cause));
}

const char* Orvek_GetErrorTypeText(int type) { return orvek::utils::ErrorTypeText(static_cast<uint8_t>(type)); }

const char* Orvek_GetFatalErrorTypeText(int type) {
    return orvek::utils::FatalErrorTypeText(static_cast<uint8_t>(type));
}

}  // extern "C"
