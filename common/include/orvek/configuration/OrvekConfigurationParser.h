#pragma once

#include <optional>
#include <string>

#include <nlohmann/json_fwd.hpp>

#include <orvek/configuration/Configuration.h>

// The configuration JSON reader. It is lenient: malformed elements are dropped without a
// word and numbers are clamped or cut to their field's width. Only a member of a plainly
// wrong kind at a few reads (lengths, sizes, delays, colour channels, polling rate,
// "reversed", bitmap "type") raises nlohmann::json::type_error (id 302), which leaves the
// reader. Channels and a module's "config" entries are walked in byte-wise key order, not
// in the order of the text. Stateless: any thread.
namespace orvek::config {

// Reads a parsed configuration. Always returns a configuration; a root that is not an
// object gives the default one. Throws nlohmann::json::type_error (302) as described above.
std::optional<internal::Configuration::OrvekConfiguration> ParseConfig(const nlohmann::json& root);

// Parses JSON text (comments not allowed) and reads it. Text that is not JSON logs the ERROR
// line "Invalid JSON text provided" (key "OrvekConfigurationParser") and returns nothing.
// Throws nlohmann::json::type_error (302) like the overload above.
std::optional<internal::Configuration::OrvekConfiguration> ParseConfig(const std::string& text);

}  // namespace orvek::config
