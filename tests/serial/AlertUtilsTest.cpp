// Alert texts by enumeration value, through the look-ups and the plain-name forms.

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "orvek/utils/AlertUtils.h"

namespace {

using orvek::internal::Eventing::DisabledCause;
using orvek::internal::Eventing::ErrorType;
using orvek::internal::Eventing::FatalErrorType;

TEST(AlertUtilsTest, DisabledCauseTexts) {
    EXPECT_EQ(orvek::utils::GetDisabledCauseText(DisabledCause::NoHeartbeat), "No Heartbeat");
    EXPECT_EQ(orvek::utils::GetDisabledCauseText(DisabledCause::Manual), "Manual");
    EXPECT_EQ(orvek::utils::GetDisabledCauseText(DisabledCause::EStop), "Emergency Stop");
    EXPECT_EQ(orvek::utils::GetDisabledCauseText(DisabledCause::Restart), "Restart");
    EXPECT_EQ(orvek::utils::GetDisabledCauseText(static_cast<DisabledCause>(4)), "Unknown");
}

TEST(AlertUtilsTest, ErrorTypeTextsStopBeforeModuleError) {
    const std::vector<std::string> expected{
        "File Not Found",  "Invalid File", "Entity Not Found",     "Device Malfunction",
        "Queue Full",      "LED Strip",    "LED Matrix",           "Invalid Animation Sequence",
        "Invalid Channel", "Duplicate ID", "Invalid Config Upload"};
    for (size_t value = 0; value < expected.size(); ++value) {
        EXPECT_EQ(orvek::utils::GetErrorTypeText(static_cast<ErrorType>(value)), expected[value]) << value;
    }
    EXPECT_EQ(orvek::utils::GetErrorTypeText(ErrorType::ModuleError), "Unknown");
    EXPECT_EQ(orvek::utils::GetErrorTypeText(static_cast<ErrorType>(200)), "Unknown");
}

TEST(AlertUtilsTest, FatalErrorTypeTexts) {
    EXPECT_EQ(orvek::utils::GetFatalErrorTypeText(FatalErrorType::InitError), "Initialization Error");
    EXPECT_EQ(orvek::utils::GetFatalErrorTypeText(FatalErrorType::BadConfig), "Bad Configuration");
    EXPECT_EQ(orvek::utils::GetFatalErrorTypeText(FatalErrorType::StartTask), "Start Task Error");
    EXPECT_EQ(orvek::utils::GetFatalErrorTypeText(FatalErrorType::CreateQueue), "Create Queue Error");
    EXPECT_EQ(orvek::utils::GetFatalErrorTypeText(static_cast<FatalErrorType>(255)), "Unknown");
}

// Every 8-bit value has a text, and the plain-name form agrees with the look-up.
TEST(AlertUtilsTest, PlainNamesMatchLookUpsForEveryByte) {
    for (int value = 0; value < 256; ++value) {
        auto byte = static_cast<uint8_t>(value);
        EXPECT_EQ(Orvek_GetDisabledCauseText(value),
                  orvek::utils::GetDisabledCauseText(static_cast<DisabledCause>(byte)));
        EXPECT_EQ(Orvek_GetErrorTypeText(value), orvek::utils::GetErrorTypeText(static_cast<ErrorType>(byte)));
        EXPECT_EQ(Orvek_GetFatalErrorTypeText(value),
                  orvek::utils::GetFatalErrorTypeText(static_cast<FatalErrorType>(byte)));
    }
}

TEST(AlertUtilsTest, PlainNamesNarrowToTheLowByte) {
    EXPECT_STREQ(Orvek_GetFatalErrorTypeText(257), "Bad Configuration");
    EXPECT_STREQ(Orvek_GetFatalErrorTypeText(-1), "Unknown");
    EXPECT_STREQ(Orvek_GetErrorTypeText(256 + 2), "Entity Not Found");
    EXPECT_STREQ(Orvek_GetErrorTypeText(11), "Unknown");
    EXPECT_STREQ(Orvek_GetDisabledCauseText(-254), "Emergency Stop");  // -254 is 0x...02
}

// Earlier results stay readable: each call hands out its own constant text.
TEST(AlertUtilsTest, EarlierResultSurvivesLaterCall) {
    const char* first = Orvek_GetDisabledCauseText(0);
    const char* second = Orvek_GetDisabledCauseText(3);
    EXPECT_STREQ(first, "No Heartbeat");
    EXPECT_STREQ(second, "Restart");
}

// Constant texts need no shared buffer, so concurrent callers never see each
// other's answers.
TEST(AlertUtilsTest, PlainNamesAreSafeFromManyThreads) {
    static const char* const kExpected[] = {"No Heartbeat", "Manual", "Emergency Stop", "Restart"};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t] {
            for (int i = 0; i < 500; ++i) {
                int cause = (t + i) % 4;
                EXPECT_STREQ(Orvek_GetDisabledCauseText(cause), kExpected[cause]);
            }
        });
    }
    for (auto& thread : threads) thread.join();
}

}  // namespace
