#pragma once

#include <string>

#include <orvek/configuration/Configuration.h>

// The configuration JSON writer: the format the reader accepts, members in a fixed order.
namespace orvek::config {

// Writes the configuration as one line of compact JSON (unset and empty lists left out,
// non-ASCII text written as is). A string that is not valid UTF-8 makes it throw
// nlohmann::json::type_error (316, "invalid UTF-8 byte at index ..."); callers catch it.
// Does not change the configuration; any thread.
std::string SerializeConfigToJson(const internal::Configuration::OrvekConfiguration& config);

}  // namespace orvek::config
