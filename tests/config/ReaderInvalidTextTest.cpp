// Text that is not JSON: one ERROR line and no configuration.
#include <gtest/gtest.h>

#include "ConfigTestSupport.h"

using orvek::config::ParseConfig;

namespace {

const char* const kErrorLine = "[  Orvek   ] ERROR - OrvekConfigurationParser: Invalid JSON text provided\n";

// The result of reading text, with what the reader wrote to standard output.
std::pair<bool, std::string> ReadCapturingOutput(const std::string& text) {
    ::testing::internal::CaptureStdout();
    const bool hasResult = ParseConfig(text).has_value();
    return {hasResult, ::testing::internal::GetCapturedStdout()};
}

}  // namespace

TEST(ReaderInvalidText, NotJsonLogsOneErrorLineAndGivesNothing) {
    for (const std::string text :
         {"", "{", "{\"team\":\"1\",}", "{} {}", "nul", "{\"a\":01}", "\xff", "[1,]", "{\"team\":\"\xc3\"}"}) {
        const auto [hasResult, output] = ReadCapturingOutput(text);
        EXPECT_FALSE(hasResult) << text;
        EXPECT_EQ(output, kErrorLine) << text;
    }
}

TEST(ReaderInvalidText, CommentsAreNotAccepted) {
    const auto [hasResult, output] = ReadCapturingOutput("{\"team\":\"1\"} // trailing");
    EXPECT_FALSE(hasResult);
    EXPECT_EQ(output, kErrorLine);
    const auto [blockResult, blockOutput] = ReadCapturingOutput("/* c */ {}");
    EXPECT_FALSE(blockResult);
    EXPECT_EQ(blockOutput, kErrorLine);
}

TEST(ReaderInvalidText, NumberBeyondDoubleRangeIsNotJson) {
    const auto [hasResult, output] = ReadCapturingOutput(R"({"team":1e999})");
    EXPECT_FALSE(hasResult);
    EXPECT_EQ(output, kErrorLine);
}

TEST(ReaderInvalidText, ValidTextWritesNothing) {
    const auto [hasResult, output] = ReadCapturingOutput(" {\"team\":\"1\"}\n");
    EXPECT_TRUE(hasResult);
    EXPECT_EQ(output, "");
}

// Deep nesting is valid JSON; reading it must neither overflow the stack nor fail.
TEST(ReaderInvalidText, DeeplyNestedTextIsRead) {
    const std::string text = "{\"extra\":" + std::string(100000, '[') + std::string(100000, ']') + "}";
    const auto [hasResult, output] = ReadCapturingOutput(text);
    EXPECT_TRUE(hasResult);
    EXPECT_EQ(output, "");
}
