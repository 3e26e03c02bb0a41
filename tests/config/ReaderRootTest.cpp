// Reading the root object: the empty configuration, non-object roots, team and network.
#include <gtest/gtest.h>

#include "ConfigTestSupport.h"

namespace cfg = orvek::internal::Configuration;
using orvek::config::ParseConfig;
using orvek::config::test::Read;

TEST(ReaderRoot, EmptyObjectGivesUsbAndNothingElse) {
    const auto config = Read("{}");
    EXPECT_EQ(config.network.type, cfg::NetworkType::USB);
    EXPECT_EQ(config.network.i2c.address, 0);
    EXPECT_FALSE(config.teamNumber);
    EXPECT_FALSE(config.channels);
    EXPECT_FALSE(config.sequences);
    EXPECT_FALSE(config.bitmaps);
    EXPECT_FALSE(config.sensors);
    EXPECT_FALSE(config.animationGroups);
    EXPECT_EQ(config.md5, (std::array<uint8_t, 16>{}));
}

TEST(ReaderRoot, NonObjectRootGivesTheDefaultConfiguration) {
    for (const char* text : {"[]", "[{\"team\":\"1\"}]", "42", "\"x\"", "null", "true"}) {
        const auto config = ParseConfig(std::string(text));
        ASSERT_TRUE(config) << text;
        EXPECT_EQ(config->network.type, cfg::NetworkType::USB) << text;
        EXPECT_FALSE(config->teamNumber) << text;
    }
}

TEST(ReaderRoot, TeamIsReadOnlyAsText) {
    EXPECT_EQ(Read(R"({"team":"0254"})").teamNumber, std::optional<std::string>("0254"));
    EXPECT_EQ(Read(R"({"team":""})").teamNumber, std::optional<std::string>(""));
    EXPECT_FALSE(Read(R"({"team":254})").teamNumber);
    EXPECT_FALSE(Read(R"({"team":null})").teamNumber);
}

TEST(ReaderRoot, UnknownMembersAndMd5AreIgnored) {
    const auto config = Read(R"({"md5":[1,2,3],"extra":{"channels":{}},"team":"7"})");
    EXPECT_EQ(config.md5, (std::array<uint8_t, 16>{}));
    EXPECT_EQ(config.teamNumber, std::optional<std::string>("7"));
}

TEST(ReaderRoot, EmptyListsStayUnset) {
    const auto config = Read(R"({"channels":{},"sequences":[],"bitmaps":[],"sensors":[],"groups":[]})");
    EXPECT_FALSE(config.channels);
    EXPECT_FALSE(config.sequences);
    EXPECT_FALSE(config.bitmaps);
    EXPECT_FALSE(config.sensors);
    EXPECT_FALSE(config.animationGroups);
}

TEST(ReaderRoot, ListsOfTheWrongKindAreIgnored) {
    const auto config = Read(R"({"sequences":{"id":"s"},"bitmaps":"b","sensors":3,"groups":{"g":[]}})");
    EXPECT_FALSE(config.sequences);
    EXPECT_FALSE(config.bitmaps);
    EXPECT_FALSE(config.sensors);
    EXPECT_FALSE(config.animationGroups);
}

TEST(ReaderNetwork, ModeWords) {
    EXPECT_EQ(Read(R"({"network":{"mode":"I2C"}})").network.type, cfg::NetworkType::I2C);
    EXPECT_EQ(Read(R"({"network":{"mode":"i2c"}})").network.type, cfg::NetworkType::I2C);
    EXPECT_EQ(Read(R"({"network":{"mode":"CAN"}})").network.type, cfg::NetworkType::CAN);
    EXPECT_EQ(Read(R"({"network":{"mode":"can"}})").network.type, cfg::NetworkType::CAN);
    for (const char* other : {"USB", "UART", "uart", "", "I2c", "Can"}) {
        const std::string text = std::string(R"({"network":{"mode":")") + other + R"("}})";
        EXPECT_EQ(Read(text).network.type, cfg::NetworkType::USB) << other;
    }
    EXPECT_EQ(Read(R"({"network":{"mode":1}})").network.type, cfg::NetworkType::USB);
    EXPECT_EQ(Read(R"({"network":{}})").network.type, cfg::NetworkType::USB);
    EXPECT_EQ(Read(R"({"network":"I2C"})").network.type, cfg::NetworkType::USB);
}

// A UART network cannot come from JSON: the baud rate is never read.
TEST(ReaderNetwork, UartReadsAsUsbWhateverItsBaud) {
    EXPECT_EQ(Read(R"({"network":{"mode":"UART","baudRate":115200,"baud":9600}})").network.type, cfg::NetworkType::USB);
}

TEST(ReaderNetwork, I2CAddressKeepsItsLow8Bits) {
    EXPECT_EQ(Read(R"({"network":{"mode":"i2c","address":300}})").network.i2c.address, 44);
    EXPECT_EQ(Read(R"({"network":{"mode":"I2C","address":-1}})").network.i2c.address, 255);
    EXPECT_EQ(Read(R"({"network":{"mode":"I2C","address":66}})").network.i2c.address, 66);
    // 2^32 + 5 wraps to 5 in 32 bits first.
    EXPECT_EQ(Read(R"({"network":{"mode":"I2C","address":4294967301}})").network.i2c.address, 5);
}

TEST(ReaderNetwork, I2CAddressOfAnotherKindGivesZero) {
    EXPECT_EQ(Read(R"({"network":{"mode":"I2C","address":66.0}})").network.i2c.address, 0);
    EXPECT_EQ(Read(R"({"network":{"mode":"I2C","address":"66"}})").network.i2c.address, 0);
    EXPECT_EQ(Read(R"({"network":{"mode":"I2C"}})").network.i2c.address, 0);
}

TEST(ReaderNetwork, AddressIsIgnoredOutsideI2C) {
    const auto config = Read(R"({"network":{"mode":"CAN","address":9}})");
    EXPECT_EQ(config.network.type, cfg::NetworkType::CAN);
    EXPECT_EQ(config.network.i2c.address, 0);
}

// The overload for an already parsed value reads values built in code the same way.
TEST(ReaderRoot, ParsedValueOverloadReadsBuiltValues) {
    nlohmann::json root = {{"team", "77"}, {"channels", {{"c", {{"length", 4}}}}}};
    const auto config = ParseConfig(root);
    ASSERT_TRUE(config);
    EXPECT_EQ(config->teamNumber, std::optional<std::string>("77"));
    ASSERT_TRUE(config->channels);
    EXPECT_EQ((*config->channels)[0].id, "c");

    EXPECT_FALSE(ParseConfig(nlohmann::json::array({root}))->teamNumber);

    root["channels"]["c"]["length"] = nlohmann::json::binary({1, 2});
    try {
        (void)ParseConfig(root);
        FAIL() << "no error";
    } catch (const nlohmann::json::type_error& error) {
        EXPECT_EQ(std::string(error.what()), "[json.exception.type_error.302] type must be number, but is binary");
    }
}
