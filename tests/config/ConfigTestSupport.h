#pragma once
// Helpers shared by the configuration tests: read a JSON text, expect a type error.

#include <gtest/gtest.h>

#include <string>

#include <nlohmann/json.hpp>

#include <orvek/configuration/OrvekConfigurationParser.h>

namespace orvek::config::test {

using internal::Configuration::OrvekConfiguration;

// Reads text that must be valid JSON; a missing result fails the calling test.
inline OrvekConfiguration Read(const std::string& text) {
    auto config = ParseConfig(text);
    EXPECT_TRUE(config.has_value()) << text;
    return config.value_or(OrvekConfiguration{});
}

// The what() of the type error the reader raises for text, or "no error".
inline std::string TypeErrorOf(const std::string& text) {
    try {
        (void)ParseConfig(text);
    } catch (const nlohmann::json::type_error& error) {
        return std::to_string(error.id) + " " + error.what();
    }
    return "no error";
}

}  // namespace orvek::config::test
