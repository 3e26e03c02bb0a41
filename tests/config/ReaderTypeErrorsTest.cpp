// The reads that stop the whole read with the JSON library's type_error 302, and the
// places where a wrongly typed member raises nothing.
#include <gtest/gtest.h>

#include "ConfigTestSupport.h"

using orvek::config::test::TypeErrorOf;

namespace {

const std::string kNumberString = "302 [json.exception.type_error.302] type must be number, but is string";

std::string InChannel(const std::string& channelMembers) {
    return R"({"channels":{"c":{"id":"c",)" + channelMembers + "}}}";
}

std::string InZone(const std::string& zoneMembers) {
    return InChannel(R"("length":10,"zones":[{"id":"z",)" + zoneMembers + "}]");
}

std::string InStep(const std::string& stepMembers) {
    return R"({"sequences":[{"id":"s","steps":[{"animationId":"Fill",)" + stepMembers + "}]}]}";
}

}  // namespace

TEST(ReaderTypeErrors, ChannelLengthMustBeANumber) {
    EXPECT_EQ(TypeErrorOf(InChannel(R"("length":"60")")), kNumberString);
    EXPECT_EQ(TypeErrorOf(InChannel(R"("length":null)")),
              "302 [json.exception.type_error.302] type must be number, but is null");
    EXPECT_EQ(TypeErrorOf(InChannel(R"("length":[60])")),
              "302 [json.exception.type_error.302] type must be number, but is array");
    EXPECT_EQ(TypeErrorOf(InChannel(R"("length":{})")),
              "302 [json.exception.type_error.302] type must be number, but is object");
}

TEST(ReaderTypeErrors, ZoneSizesMustBeNumbers) {
    EXPECT_EQ(TypeErrorOf(InZone(R"("type":"strip","length":"4")")), kNumberString);
    EXPECT_EQ(TypeErrorOf(InZone(R"("type":"matrix","rows":"4")")), kNumberString);
    EXPECT_EQ(TypeErrorOf(InZone(R"("type":"matrix","rows":4,"cols":null)")),
              "302 [json.exception.type_error.302] type must be number, but is null");
}

TEST(ReaderTypeErrors, ReversedMustBeABoolean) {
    EXPECT_EQ(TypeErrorOf(InZone(R"("type":"strip","reversed":1)")),
              "302 [json.exception.type_error.302] type must be boolean, but is number");
    EXPECT_EQ(TypeErrorOf(InStep(R"("reversed":"true")")),
              "302 [json.exception.type_error.302] type must be boolean, but is string");
    EXPECT_EQ(TypeErrorOf(InStep(R"("reversed":null)")),
              "302 [json.exception.type_error.302] type must be boolean, but is null");
}

TEST(ReaderTypeErrors, StepDelayAndColourChannelsMustBeNumbers) {
    EXPECT_EQ(TypeErrorOf(InStep(R"("delay":"100")")), kNumberString);
    EXPECT_EQ(TypeErrorOf(InStep(R"("color":{"r":"x","g":0,"b":0})")), kNumberString);
    EXPECT_EQ(TypeErrorOf(InStep(R"("color":{"r":0,"g":[],"b":0})")),
              "302 [json.exception.type_error.302] type must be number, but is array");
    EXPECT_EQ(TypeErrorOf(InStep(R"("color":{"r":0,"g":0,"b":{}})")),
              "302 [json.exception.type_error.302] type must be number, but is object");
}

TEST(ReaderTypeErrors, PollingRateMustBeANumber) {
    EXPECT_EQ(TypeErrorOf(R"({"sensors":[{"id":"m","type":"t","pollingRateMs":"20"}]})"), kNumberString);
}

TEST(ReaderTypeErrors, BitmapTypeMustBeAString) {
    EXPECT_EQ(TypeErrorOf(R"({"bitmaps":[{"id":"x","type":7}]})"),
              "302 [json.exception.type_error.302] type must be string, but is number");
    EXPECT_EQ(TypeErrorOf(R"({"bitmaps":[{"id":"x","type":true}]})"),
              "302 [json.exception.type_error.302] type must be string, but is boolean");
    EXPECT_EQ(TypeErrorOf(R"({"bitmaps":[{"id":"x","type":null}]})"),
              "302 [json.exception.type_error.302] type must be string, but is null");
}

// The error leaves the reader even when the bad member sits after good elements.
TEST(ReaderTypeErrors, OneBadMemberFailsTheWholeRead) {
    EXPECT_EQ(TypeErrorOf(R"({"team":"1","channels":{"a":{"length":5},"b":{"length":"5"}},"groups":[{"id":"g"}]})"),
              kNumberString);
}

// Elements dropped for a required member read nothing after it.
TEST(ReaderTypeErrors, DroppedElementsRaiseNothingFromLaterMembers) {
    EXPECT_EQ(TypeErrorOf(InZone(R"("type":"STRIP","length":"4","reversed":1)")), "no error");
    EXPECT_EQ(TypeErrorOf(InChannel(R"("length":10,"zones":[{"type":"strip","length":"4"}])")), "no error");
    EXPECT_EQ(TypeErrorOf(R"({"sequences":[{"id":"s","steps":[{"delay":"x","reversed":1}]}]})"), "no error");
    EXPECT_EQ(TypeErrorOf(R"({"sequences":[{"steps":[{"animationId":"a","delay":"x"}]}]})"), "no error");
    EXPECT_EQ(TypeErrorOf(R"({"bitmaps":[{"type":7}]})"), "no error");
    EXPECT_EQ(TypeErrorOf(R"({"sensors":[{"id":"m","pollingRateMs":"x"}]})"), "no error");
}

// Members read only for a kind, or only when of the right kind, never raise.
TEST(ReaderTypeErrors, LenientMembersRaiseNothing) {
    EXPECT_EQ(TypeErrorOf(InChannel(R"("length":10,"brightness":"x","zones":"x")")), "no error");
    EXPECT_EQ(TypeErrorOf(InZone(R"("type":"strip","brightness":"x","orientation":7)")), "no error");
    EXPECT_EQ(TypeErrorOf(InStep(R"("repeat":"x","color":"red")")), "no error");
    EXPECT_EQ(TypeErrorOf(R"({"network":{"mode":5,"address":"x"},"team":5})"), "no error");
    EXPECT_EQ(TypeErrorOf(R"({"bitmaps":[{"id":"x","type":"animated","delay":"x","folder":1}]})"), "no error");
    EXPECT_EQ(TypeErrorOf(R"({"sensors":[{"id":"m","type":"t","connection":[],"config":[]}]})"), "no error");
}
