// Feeds arbitrary bytes to the configuration reader and writes back what it read.
//
// Checked on every input: the reader accepts exactly the texts the JSON library accepts
// (comments not allowed) and logs one exact ERROR line for every other text; the only error
// that leaves the reader is type_error 302 and the only one that leaves the writer is
// type_error 316; what the reader gives is read again from the writer's text without error,
// and that second reading is a fixed point of write-then-read.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include <orvek/configuration/OrvekConfigurationParser.h>
#include <orvek/configuration/OrvekConfigurationSerializer.h>
#include <orvek/util/logging/ConsoleLogger.h>

namespace {

using orvek::internal::Configuration::OrvekConfiguration;

constexpr const char* kInvalidTextLine = "[  Orvek   ] ERROR - OrvekConfigurationParser: Invalid JSON text provided";

int g_linesLogged = 0;

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Lines go to a counting sink instead of flooding standard output.
void InstallLogSink() {
    static const bool installed = [] {
        orvek::internal::ConsoleLogger::getInstance().logFunc = [](auto, const char* line) {
            Check(std::strcmp(line, kInvalidTextLine) == 0);
            ++g_linesLogged;
        };
        return true;
    }();
    (void)installed;
}

// Reads text; a type error may leave the reader only with id 302.
bool TryRead(const std::string& text, std::optional<OrvekConfiguration>& config) {
    try {
        config = orvek::config::ParseConfig(text);
        return true;
    } catch (const nlohmann::json::type_error& error) {
        Check(error.id == 302);
        return false;
    }
}

// Writes a configuration; a type error may leave the writer only with id 316.
std::optional<std::string> TryWrite(const OrvekConfiguration& config) {
    try {
        return orvek::config::SerializeConfigToJson(config);
    } catch (const nlohmann::json::type_error& error) {
        Check(error.id == 316);
        return std::nullopt;
    }
}

// A configuration that came from the reader writes valid text that reads back without error.
OrvekConfiguration WriteAndReadBack(const OrvekConfiguration& config, std::string& written) {
    const auto text = TryWrite(config);
    Check(text.has_value());  // the reader only ever keeps valid UTF-8
    written = *text;
    std::optional<OrvekConfiguration> again;
    Check(TryRead(written, again) && again.has_value());
    return *again;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    InstallLogSink();
    const std::string text(reinterpret_cast<const char*>(data), size);
    const bool acceptable = nlohmann::json::accept(text, false);

    const int linesBefore = g_linesLogged;
    std::optional<OrvekConfiguration> config;
    if (!TryRead(text, config)) {
        Check(acceptable);
        return 0;
    }
    Check(config.has_value() == acceptable);
    Check(g_linesLogged - linesBefore == (acceptable ? 0 : 1));
    if (!config) {
        return 0;
    }

    std::string firstText;
    const OrvekConfiguration once = WriteAndReadBack(*config, firstText);
    std::string secondText;
    const OrvekConfiguration twice = WriteAndReadBack(once, secondText);
    std::string thirdText;
    (void)WriteAndReadBack(twice, thirdText);
    Check(secondText == thirdText);
    return 0;
}
