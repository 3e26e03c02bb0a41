// Reading "channels": key order, names, skipped channels, brightness.
#include <gtest/gtest.h>

#include "ConfigTestSupport.h"

namespace cfg = orvek::internal::Configuration;
using orvek::config::test::Read;
using orvek::config::test::TypeErrorOf;

namespace {

std::vector<std::string> KeysOf(const cfg::OrvekConfiguration& config) {
    std::vector<std::string> keys;
    for (const auto& channel : config.channels.value_or(std::vector<cfg::Channel>{})) {
        keys.push_back(channel.key);
    }
    return keys;
}

// A channel object with the given length text and nothing else.
std::string WithLength(const std::string& length) { return R"({"channels":{"c":{"id":"c","length":)" + length + "}}}"; }

}  // namespace

TEST(ReaderChannels, ComeInByteWiseKeyOrder) {
    const auto config = Read(R"({"channels":{"b":{"length":1},"a":{"length":2},"B":{"length":3},"aa":{"length":4}}})");
    EXPECT_EQ(KeysOf(config), (std::vector<std::string>{"B", "a", "aa", "b"}));
    EXPECT_EQ((*config.channels)[1].length, 2);
}

TEST(ReaderChannels, AnArrayOfChannelsGivesNone) {
    EXPECT_FALSE(Read(R"({"channels":[{"id":"a","length":10}]})").channels);
}

TEST(ReaderChannels, IdDefaultsToTheKey) {
    const auto config = Read(R"({"channels":{"left":{"length":8},"right":{"id":"starboard","length":8},
                                              "mid":{"id":7,"length":8}}})");
    ASSERT_EQ(KeysOf(config), (std::vector<std::string>{"left", "mid", "right"}));
    EXPECT_EQ((*config.channels)[0].id, "left");
    EXPECT_EQ((*config.channels)[1].id, "mid");
    EXPECT_EQ((*config.channels)[2].id, "starboard");
}

TEST(ReaderChannels, EmptyIdOrEmptyKeyWithoutIdIsSkipped) {
    EXPECT_FALSE(Read(R"({"channels":{"a":{"id":"","length":8}}})").channels);
    EXPECT_FALSE(Read(R"({"channels":{"":{"length":8}}})").channels);
    const auto named = Read(R"({"channels":{"":{"id":"x","length":8}}})");
    ASSERT_TRUE(named.channels);
    EXPECT_EQ((*named.channels)[0].key, "");
    EXPECT_EQ((*named.channels)[0].id, "x");
}

TEST(ReaderChannels, LengthIsA16BitCountAndZeroSkips) {
    EXPECT_FALSE(Read(WithLength("-5")).channels);
    EXPECT_FALSE(Read(WithLength("0")).channels);
    EXPECT_FALSE(Read(WithLength("65536")).channels);
    EXPECT_FALSE(Read(WithLength("false")).channels);
    EXPECT_FALSE(Read(R"({"channels":{"c":{"id":"c"}}})").channels);
    EXPECT_EQ((*Read(WithLength("3.9")).channels)[0].length, 3);
    EXPECT_EQ((*Read(WithLength("true")).channels)[0].length, 1);
    EXPECT_EQ((*Read(WithLength("70000")).channels)[0].length, 4464);
    EXPECT_EQ((*Read(WithLength("65535")).channels)[0].length, 65535);
    EXPECT_EQ((*Read(WithLength("1e3")).channels)[0].length, 1000);
    // 2^32 + 12 wraps to 12 in 32 bits.
    EXPECT_EQ((*Read(WithLength("4294967308")).channels)[0].length, 12);
}

// A float beyond the int32 range saturates before the 16-bit cut: huge lengths keep 0xFFFF,
// huge negatives become 0.
TEST(ReaderChannels, FloatLengthBeyondInt32Saturates) {
    EXPECT_EQ((*Read(WithLength("1e300")).channels)[0].length, 65535);
    EXPECT_FALSE(Read(WithLength("-1e300")).channels);
}

TEST(ReaderChannels, NonObjectMembersAreSkippedAndOthersKept) {
    const auto config = Read(R"({"channels":{"a":[1],"b":"x","c":{"length":5},"d":null}})");
    EXPECT_EQ(KeysOf(config), (std::vector<std::string>{"c"}));
}

TEST(ReaderChannels, BrightnessIsAnIntegerClampedToAByte) {
    const auto read = [](const std::string& brightness) {
        return (*Read(R"({"channels":{"c":{"length":1,"brightness":)" + brightness + "}}}").channels)[0].brightness;
    };
    EXPECT_EQ(read("300"), std::optional<uint8_t>(255));
    EXPECT_EQ(read("-4"), std::optional<uint8_t>(0));
    EXPECT_EQ(read("128"), std::optional<uint8_t>(128));
    EXPECT_EQ(read("12.5"), std::nullopt);
    EXPECT_EQ(read("true"), std::nullopt);
    EXPECT_EQ(read("\"9\""), std::nullopt);
    // 2^32 + 300 is 300 in 32 bits, which clamps to 255; 2^32 - 1 is -1, which clamps to 0.
    EXPECT_EQ(read("4294967596"), std::optional<uint8_t>(255));
    EXPECT_EQ(read("4294967295"), std::optional<uint8_t>(0));
}

TEST(ReaderChannels, ZonesOfTheWrongKindLeaveAnEmptyChannel) {
    const auto config = Read(R"({"channels":{"c":{"length":1,"zones":{"id":"z","type":"strip"}}}})");
    ASSERT_TRUE(config.channels);
    EXPECT_TRUE((*config.channels)[0].zones.empty());
    EXPECT_FALSE((*config.channels)[0].brightness);
}

// A channel skipped for its name or length reads nothing further, so it raises nothing.
TEST(ReaderChannels, SkippedChannelRaisesNothingFromItsLaterMembers) {
    EXPECT_EQ(TypeErrorOf(R"({"channels":{"c":{"length":0,"zones":[{"id":"z","type":"strip","length":"x"}]}}})"),
              "no error");
    EXPECT_EQ(TypeErrorOf(R"({"channels":{"c":{"id":"","length":"60"}}})"),
              "302 [json.exception.type_error.302] type must be number, but is string");
}
