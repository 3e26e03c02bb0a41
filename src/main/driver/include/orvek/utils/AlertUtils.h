#pragma once
// Short English texts for the device's disable causes, error types and
// fatal-error types, as robot programs show them to people.
//
// Every look-up is pure and may run on any thread. Values without a text of
// their own (ErrorType::ModuleError included) give "Unknown".

#include <orvek/domain/event/Event.h>

#include <string>

namespace orvek::utils {

// "No Heartbeat", "Manual", "Emergency Stop", "Restart"; else "Unknown".
std::string GetDisabledCauseText(internal::Eventing::DisabledCause cause);

// "File Not Found" ... "Invalid Config Upload" for values 0 to 10; else "Unknown".
std::string GetErrorTypeText(internal::Eventing::ErrorType type);

// "Initialization Error", "Bad Configuration", "Start Task Error",
// "Create Queue Error"; else "Unknown".
std::string GetFatalErrorTypeText(internal::Eventing::FatalErrorType type);

}  // namespace orvek::utils

// Plain-name forms for C callers. Each narrows its argument to the low 8 bits
// (257 reads as 1, -1 as 255) and returns a constant text that stays valid for
// the life of the process; any thread may call them at any time.
extern "C" {
const char* Orvek_GetDisabledCauseText(int cause);
const char* Orvek_GetErrorTypeText(int type);
const char* Orvek_GetFatalErrorTypeText(int type);
}
