#include <orvek/util/logging/ConsoleLogger.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace orvek::internal {

namespace {

using Constants::Logging::kLogPrefix;
using Level = Constants::Logging::Level;

constexpr size_t kMessageBufferSize = 512;  // 511 characters and the NUL

// Printed in place of a null key by the value forms, which print the key with "%s".
const char* KeyOrNull(const char* key) { return key ? key : "(null)"; }

}  // namespace

const char* ILogger::levelToString(Level level) const {
    switch (level) {
        case Level::VERBOSE: return "VERBOSE";
        case Level::INFO: return "INFO";
        case Level::WARNING: return "WARNING";
        case Level::ERROR: return "ERROR";
        case Level::FATAL: return "FATAL";
    }
    return "UNKNOWN";
}

ConsoleLogger& ConsoleLogger::getInstance() {
    static ConsoleLogger instance;
    return instance;
}

void ConsoleLogger::vlog(Level level, const char* key, const char* fmt, va_list args) {
    if (!shouldLog(level)) {
        return;
    }
    char message[kMessageBufferSize];
    const int formatted = std::vsnprintf(message, sizeof(message), fmt ? fmt : "", args);
    const size_t messageLength = formatted < 0 ? 0 : std::min<size_t>(formatted, sizeof(message) - 1);
    if (formatted < 0) {
        message[0] = '\0';
    }

    std::string line;
    line.reserve(messageLength + 64);
    line += kLogPrefix;
    line += levelToString(level);
    line += " - ";
    if (key != nullptr) {
        line += key;
    }
    line += ": ";
    line.append(message, messageLength);

    if (logFunc) {
        logFunc(level, line.c_str());
        return;
    }
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

void ConsoleLogger::logValue(Level level, const char* key, int value) {
    if (shouldLog(level)) {
        std::printf("%s%s - %s: %d\n", kLogPrefix, levelToString(level), KeyOrNull(key), value);
    }
}

void ConsoleLogger::logValue(Level level, const char* key, double value) {
    if (shouldLog(level)) {
        std::printf("%s%s - %s: %.3f\n", kLogPrefix, levelToString(level), KeyOrNull(key), value);
    }
}

#define ORVEK_FORMAT_LOG(function, level)                                                     \
    void ConsoleLogger::function(const char* key, const char* fmt, ...) {                     \
        va_list args;                                                                         \
        va_start(args, fmt);                                                                  \
        vlog(level, key, fmt, args);                                                          \
        va_end(args);                                                                         \
    }                                                                                         \
    void ConsoleLogger::function(const char* key, int value) { logValue(level, key, value); } \
    void ConsoleLogger::function(const char* key, double value) { logValue(level, key, value); }

ORVEK_FORMAT_LOG(logVerbose, Level::VERBOSE)
ORVEK_FORMAT_LOG(logInfo, Level::INFO)
ORVEK_FORMAT_LOG(logWarning, Level::WARNING)
ORVEK_FORMAT_LOG(logError, Level::ERROR)
ORVEK_FORMAT_LOG(logFatal, Level::FATAL)

#undef ORVEK_FORMAT_LOG

}  // namespace orvek::internal
