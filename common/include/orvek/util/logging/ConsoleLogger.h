#pragma once
// The process-wide logger: one line per message on standard output,
// "[  Orvek   ] LEVEL - key: message".

#include <orvek/util/logging/ILogger.h>

#include <cstdarg>
#include <functional>

namespace orvek::internal {

class ConsoleLogger : public ILogger {
public:
    // The one logger, made on first use. Any thread.
    static ConsoleLogger& getInstance();

    void logVerbose(const char* key, const char* fmt, ...) override;
    void logInfo(const char* key, const char* fmt, ...) override;
    void logWarning(const char* key, const char* fmt, ...) override;
    void logError(const char* key, const char* fmt, ...) override;
    void logFatal(const char* key, const char* fmt, ...) override;

    void logVerbose(const char* key, int value) override;
    void logInfo(const char* key, int value) override;
    void logWarning(const char* key, int value) override;
    void logError(const char* key, int value) override;
    void logFatal(const char* key, int value) override;

    void logVerbose(const char* key, double value) override;
    void logInfo(const char* key, double value) override;
    void logWarning(const char* key, double value) override;
    void logError(const char* key, double value) override;
    void logFatal(const char* key, double value) override;

    // Formats the message (cut to 511 characters) and writes the line, when the
    // level passes the filter.
    void vlog(Level level, const char* key, const char* fmt, va_list args);

    // Optional sink for finished lines (without newline); empty: standard output.
    // The library installs none.
    std::function<void(Constants::Logging::Level, const char*)> logFunc;

private:
    void logValue(Level level, const char* key, int value);
    void logValue(Level level, const char* key, double value);
};

}  // namespace orvek::internal
