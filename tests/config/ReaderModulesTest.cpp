// Reading "sensors": required names, polling rate, connection words and "config" values.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "ConfigTestSupport.h"

namespace cfg = orvek::internal::Configuration;
using orvek::config::test::Read;
using orvek::internal::ModuleInfo::ModuleConnectionType;

namespace {

std::optional<cfg::Module> OneModule(const std::string& module) {
    const auto config = Read(R"({"sensors":[)" + module + "]}");
    return config.sensors ? std::optional<cfg::Module>((*config.sensors)[0]) : std::nullopt;
}

ModuleConnectionType ConnectionOf(const std::string& connectionMember) {
    return OneModule(R"({"id":"m","type":"t")" + connectionMember + "}")->connectionType;
}

}  // namespace

TEST(ReaderModules, RequireStringIdAndType) {
    const auto config = Read(R"({"sensors":[{"id":"a"},{"type":"t"},{"id":1,"type":"t"},{"id":"b","type":2},
        {"id":"keep","type":"VL53L1X"},null]})");
    ASSERT_TRUE(config.sensors);
    ASSERT_EQ(config.sensors->size(), 1u);
    EXPECT_EQ((*config.sensors)[0].id, "keep");
    EXPECT_EQ((*config.sensors)[0].type, "VL53L1X");
}

TEST(ReaderModules, PollingRateIsA16BitCount) {
    EXPECT_EQ(OneModule(R"({"id":"m","type":"t"})")->pollingRateMs, 0);
    EXPECT_EQ(OneModule(R"({"id":"m","type":"t","pollingRateMs":20})")->pollingRateMs, 20);
    EXPECT_EQ(OneModule(R"({"id":"m","type":"t","pollingRateMs":-20})")->pollingRateMs, 0);
    EXPECT_EQ(OneModule(R"({"id":"m","type":"t","pollingRateMs":65556})")->pollingRateMs, 20);
    EXPECT_EQ(OneModule(R"({"id":"m","type":"t","pollingRateMs":9.99})")->pollingRateMs, 9);
}

TEST(ReaderModules, ConnectionWords) {
    EXPECT_EQ(ConnectionOf(R"(,"connection":"SPI")"), ModuleConnectionType::SPI);
    EXPECT_EQ(ConnectionOf(R"(,"connection":"UART")"), ModuleConnectionType::UART);
    EXPECT_EQ(ConnectionOf(R"(,"connection":"DIO")"), ModuleConnectionType::DIO);
    EXPECT_EQ(ConnectionOf(R"(,"connection":"AIO")"), ModuleConnectionType::AIO);
}

TEST(ReaderModules, EveryOtherConnectionIsI2C) {
    for (const char* member : {"", R"(,"connection":"I2C")", R"(,"connection":"spi")", R"(,"connection":"")",
                               R"(,"connection":5)", R"(,"connection":null)", R"(,"connection":"Dio")"}) {
        EXPECT_EQ(ConnectionOf(member), ModuleConnectionType::I2C) << member;
    }
}

TEST(ReaderModules, ConfigValuesByKind) {
    const auto module = OneModule(R"({"id":"m","type":"t","config":{"n":-1,"f":0.5,"b":true,"s":"v","z":null,
        "a":[1],"o":{"x":1},"u":18446744073709551615,"i":42,"e":1e2}})");
    ASSERT_TRUE(module->customConfig);
    const auto& config = *module->customConfig;
    EXPECT_EQ(config.size(), 7u);
    EXPECT_EQ(std::get<uint64_t>(config.at("n")), std::numeric_limits<uint64_t>::max());
    EXPECT_EQ(std::get<double>(config.at("f")), 0.5);
    EXPECT_EQ(std::get<bool>(config.at("b")), true);
    EXPECT_EQ(std::get<std::string>(config.at("s")), "v");
    EXPECT_EQ(std::get<uint64_t>(config.at("u")), std::numeric_limits<uint64_t>::max());
    EXPECT_EQ(std::get<uint64_t>(config.at("i")), 42u);
    EXPECT_EQ(std::get<double>(config.at("e")), 100.0);  // an exponent makes it a float
    EXPECT_FALSE(config.count("z"));
    EXPECT_FALSE(config.count("a"));
    EXPECT_FALSE(config.count("o"));
}

TEST(ReaderModules, NegativeConfigIntegersWrapModulo2To64) {
    const auto module = OneModule(R"({"id":"m","type":"t","config":{"a":-2,"b":-9223372036854775808}})");
    EXPECT_EQ(std::get<uint64_t>(module->customConfig->at("a")), 18446744073709551614u);
    EXPECT_EQ(std::get<uint64_t>(module->customConfig->at("b")), 9223372036854775808u);
}

TEST(ReaderModules, ConfigWithoutUsableEntriesStaysUnset) {
    EXPECT_FALSE(OneModule(R"({"id":"m","type":"t","config":{}})")->customConfig);
    EXPECT_FALSE(OneModule(R"({"id":"m","type":"t","config":{"z":null,"a":[]}})")->customConfig);
    EXPECT_FALSE(OneModule(R"({"id":"m","type":"t","config":[1,2]})")->customConfig);
    EXPECT_FALSE(OneModule(R"({"id":"m","type":"t","config":"x"})")->customConfig);
}
