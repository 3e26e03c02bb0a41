#include "NativeTestSupport.h"

#include <nlohmann/json.hpp>

namespace orvek::test {
namespace {

std::string Report(Pavonix_int* inst) {
    std::string json = "unchanged";
    EXPECT_TRUE(pv_RequestConfig(inst, json));
    return json;
}

TEST_F(NativeTest, ReportBeforeAnyConfiguration) { EXPECT_EQ(Report(inst()), R"({"channels":{}})"); }

TEST_F(NativeTest, ReportListsChannelsWithSortedMembers) {
    ApplyConfig(kNativeTestConfig);
    EXPECT_EQ(Report(inst()), R"({"channels":{"main":{"brightness":90,"id":"main","length":286,"zones":[)"
                              R"({"id":"left","length":30,"reversed":true,"type":"Strip"},)"
                              R"({"cols":32,"id":"panel","orientation":{"axisLayout":"rows","cornerLeftRight":"left",)"
                              R"("cornerTopBottom":"bottom","sequenceLayout":"zigzag"},"rows":8,"type":"Matrix"}]}}})");
}

TEST_F(NativeTest, ReportNamesChannelsByKeyInByteOrder) {
    ApplyConfig(R"({"channels": {
        "b": {"id": "second", "length": 1, "zones": []},
        "B": {"id": "upper", "length": 2, "zones": [{"id": "z", "type": "strip", "length": 2}]}}})");
    const auto report = nlohmann::json::parse(Report(inst()));
    std::vector<std::string> keys;
    for (const auto& [key, value] : report["channels"].items()) keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"B", "b"}));
    EXPECT_EQ(report["channels"]["b"]["id"], "second");
    EXPECT_FALSE(report["channels"]["b"].contains("brightness"));
}

TEST_F(NativeTest, BrokenConfigurationTextChangesNothing) {
    ApplyConfig(kNativeTestConfig);
    const std::string before = Report(inst());
    DrainEvents();

    pv_ApplyConfigurationJson(inst(), kNativeTestConfig, 0);
    pv_ApplyConfigurationJson(inst(), nullptr, 10);
    ApplyConfig("{");
    ApplyConfig(R"({"channels": {} /* comment */})");
    ApplyConfig(R"({"channels": {"x": {"id": "x", "length": "long", "zones": []}}})");  // a type error inside
    ApplyConfig(std::string("{\"channels\"\0:{}}", 15));

    EXPECT_EQ(Report(inst()), before);
    EXPECT_TRUE(DrainEvents().empty());
}

TEST_F(NativeTest, ConfigurationTextNeedNotBeTerminated) {
    const std::string text = R"({"channels":{"c":{"id":"c","length":3,"zones":[]}}}GARBAGE)";
    pv_ApplyConfigurationJson(inst(), text.data(), text.size() - 7);
    EXPECT_EQ(Report(inst()), R"({"channels":{"c":{"id":"c","length":3,"zones":[]}}})");
}

TEST_F(NativeTest, ReportWritesInvalidUtf8WithoutThrowing) {
    auto config = internal::Configuration::OrvekConfiguration{};
    internal::Configuration::Channel channel;
    channel.key = "k";
    channel.id = "bad\xff";
    channel.length = 1;
    config.channels = std::vector<internal::Configuration::Channel>{channel};
    internal::PavonixSimDevice::GetInstance()->ApplyConfiguration(config);

    std::string json;
    ASSERT_NO_THROW(pv_RequestConfig(inst(), json));
    EXPECT_EQ(json, "{\"channels\":{\"k\":{\"id\":\"bad\xEF\xBF\xBD\",\"length\":1,\"zones\":[]}}}");
}

}  // namespace
}  // namespace orvek::test
