#include <orvek/util/logging/ConsoleLogger.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using orvek::internal::ConsoleLogger;
using orvek::internal::ILogger;
using Level = orvek::internal::Constants::Logging::Level;

template <typename Fn>
std::string CaptureLine(Fn&& fn) {
    testing::internal::CaptureStdout();
    fn(static_cast<ILogger&>(ConsoleLogger::getInstance()));
    std::fflush(stdout);
    return testing::internal::GetCapturedStdout();
}

TEST(ConsoleLoggerTest, FormatLinesFollowTheFixedLayout) {
    EXPECT_EQ(CaptureLine([](ILogger& log) { log.logError("OrvekJNI", "Failed to parse config JSON: %s", "bad"); }),
              "[  Orvek   ] ERROR - OrvekJNI: Failed to parse config JSON: bad\n");
    EXPECT_EQ(CaptureLine([](ILogger& log) { log.logWarning("K", "%d zones", 3); }),
              "[  Orvek   ] WARNING - K: 3 zones\n");
    EXPECT_EQ(CaptureLine([](ILogger& log) { log.logFatal("K", "down"); }), "[  Orvek   ] FATAL - K: down\n");
    // A null key leaves nothing between " - " and ": ".
    EXPECT_EQ(CaptureLine([](ILogger& log) { log.logError(nullptr, "x"); }), "[  Orvek   ] ERROR - : x\n");
}

TEST(ConsoleLoggerTest, LevelsBelowWarningWriteNothingInAnyForm) {
    EXPECT_EQ(CaptureLine([](ILogger& log) {
                  log.logInfo("K", "%s", "text");
                  log.logVerbose("K", "%s", "text");
                  log.logInfo("K", 5);
                  log.logVerbose("K", 5);
                  log.logInfo("K", 2.5);
                  log.logVerbose("K", 2.5);
              }),
              "");
}

TEST(ConsoleLoggerTest, ValueFormsPrintIntsAndThreeDecimals) {
    EXPECT_EQ(CaptureLine([](ILogger& log) { log.logWarning("K", 5); }), "[  Orvek   ] WARNING - K: 5\n");
    EXPECT_EQ(CaptureLine([](ILogger& log) { log.logWarning("K", 2.5); }), "[  Orvek   ] WARNING - K: 2.500\n");
    EXPECT_EQ(CaptureLine([](ILogger& log) { log.logError("K", -7); }), "[  Orvek   ] ERROR - K: -7\n");
    EXPECT_EQ(CaptureLine([](ILogger& log) { log.logFatal("K", 0.0005); }), "[  Orvek   ] FATAL - K: 0.001\n");
}

TEST(ConsoleLoggerTest, LongMessagesAreCutTo511Characters) {
    const std::string message(600, 'm');
    const std::string line = CaptureLine([&](ILogger& log) { log.logError("K", "%s", message.c_str()); });
    EXPECT_EQ(line, "[  Orvek   ] ERROR - K: " + std::string(511, 'm') + "\n");
}

TEST(ConsoleLoggerTest, SinkReceivesTheLineWithoutNewline) {
    auto& logger = ConsoleLogger::getInstance();
    std::string seen;
    Level seenLevel = Level::VERBOSE;
    logger.logFunc = [&](Level level, const char* line) {
        seenLevel = level;
        seen = line;
    };
    const std::string printed = CaptureLine([](ILogger& log) { log.logError("K", "to the sink"); });
    logger.logFunc = nullptr;

    EXPECT_EQ(printed, "");
    EXPECT_EQ(seen, "[  Orvek   ] ERROR - K: to the sink");
    EXPECT_EQ(seenLevel, Level::ERROR);
}

TEST(ConsoleLoggerTest, LevelWordsAndFilter) {
    ILogger& log = ConsoleLogger::getInstance();
    EXPECT_STREQ(log.levelToString(Level::VERBOSE), "VERBOSE");
    EXPECT_STREQ(log.levelToString(Level::INFO), "INFO");
    EXPECT_STREQ(log.levelToString(Level::WARNING), "WARNING");
    EXPECT_STREQ(log.levelToString(Level::ERROR), "ERROR");
    EXPECT_STREQ(log.levelToString(Level::FATAL), "FATAL");
    EXPECT_STREQ(log.levelToString(static_cast<Level>(7)), "UNKNOWN");
    EXPECT_FALSE(log.shouldLog(Level::INFO));
    EXPECT_TRUE(log.shouldLog(Level::WARNING));
}

TEST(ConsoleLoggerTest, IsOneProcessWideInstance) {
    EXPECT_EQ(&ConsoleLogger::getInstance(), &ConsoleLogger::getInstance());
}

}  // namespace
