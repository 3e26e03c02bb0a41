#pragma once
// The logging interface every component reports through.

#include <orvek/Constants.h>

namespace orvek::internal {

// Levels below WARNING are dropped before any formatting. `key` names the
// reporting component ("PavonixSimDevice", "BitmapLoader", ...). Any thread.
class ILogger {
public:
    using Level = Constants::Logging::Level;

    virtual void logVerbose(const char* key, const char* fmt, ...) = 0;
    virtual void logInfo(const char* key, const char* fmt, ...) = 0;
    virtual void logWarning(const char* key, const char* fmt, ...) = 0;
    virtual void logError(const char* key, const char* fmt, ...) = 0;
    virtual void logFatal(const char* key, const char* fmt, ...) = 0;

    virtual void logVerbose(const char* key, int value) = 0;
    virtual void logInfo(const char* key, int value) = 0;
    virtual void logWarning(const char* key, int value) = 0;
    virtual void logError(const char* key, int value) = 0;
    virtual void logFatal(const char* key, int value) = 0;

    virtual void logVerbose(const char* key, double value) = 0;
    virtual void logInfo(const char* key, double value) = 0;
    virtual void logWarning(const char* key, double value) = 0;
    virtual void logError(const char* key, double value) = 0;
    virtual void logFatal(const char* key, double value) = 0;

    // "VERBOSE", "INFO", "WARNING", "ERROR", "FATAL", or "UNKNOWN" for any other value.
    const char* levelToString(Level level) const;

    // True from kMinLogLevel (WARNING) up.
    bool shouldLog(Level level) { return level >= Constants::Logging::kMinLogLevel; }
};

}  // namespace orvek::internal
