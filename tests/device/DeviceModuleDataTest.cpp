// Module field layouts (registered and built-in) and the per-module store of
// injected data records.

#include "DeviceTestSupport.h"

namespace orvek::internal::devicetest {
namespace {

using module::FieldType;
using module::ModuleFieldDescriptor;
using Record = PavonixSimDevice::ModuleRecord;

using ModuleDataTest = DeviceFixture;

cfg::Module ModuleOf(const std::string& id, const std::string& type) {
    cfg::Module module;
    module.id = id;
    module.type = type;
    return module;
}

std::string Layout(const pavonix::sim::ConfiguredModule& module) {
    std::string text = module.id + ":" + module.type + "[";
    for (const auto& field : module.fields) {
        text += field.name + "/" + std::to_string(int(field.type)) + " ";
    }
    return text + "]";
}

TEST_F(ModuleDataTest, KeepsTheLast64RecordsOfAKey) {
    for (int i = 0; i < 65; ++i) device.InjectModuleData("m1", static_cast<uint16_t>(i), {static_cast<uint8_t>(i)});
    std::vector<Record> records;
    ASSERT_TRUE(device.TryPopModuleData("m1", records));
    ASSERT_EQ(records.size(), 64u);
    EXPECT_EQ(records.front(), (Record{1, {1}}));
    EXPECT_EQ(records.back(), (Record{64, {64}}));
}

TEST_F(ModuleDataTest, TakeReturnsAllInOrderAndEmptiesTheKey) {
    device.InjectModuleData("m1", 1, {0x01, 0x2C, 0x01});  // a VL53L1X reading: valid 1, dist 300
    device.InjectModuleData("m1", 2, {0x00});
    device.InjectModuleData("m1", 3, {});
    std::vector<Record> records;
    ASSERT_TRUE(device.TryPopModuleData("m1", records));
    EXPECT_EQ(records, (std::vector<Record>{{1, {0x01, 0x2C, 0x01}}, {2, {0x00}}, {3, {}}}));

    std::vector<Record> again{{9, {9}}};
    EXPECT_FALSE(device.TryPopModuleData("m1", again));
    EXPECT_EQ(again, (std::vector<Record>{{9, {9}}}));  // untouched
    EXPECT_FALSE(device.PeekLastModuleData("m1").has_value());
}

TEST_F(ModuleDataTest, PeekShowsTheNewestWithoutTakingIt) {
    device.InjectModuleData("m1", 1, {1});
    device.InjectModuleData("m1", 2, {2, 2});
    EXPECT_EQ(device.PeekLastModuleData("m1"), (Record{2, {2, 2}}));
    EXPECT_EQ(device.PeekLastModuleData("m1"), (Record{2, {2, 2}}));
    std::vector<Record> records;
    ASSERT_TRUE(device.TryPopModuleData("m1", records));
    EXPECT_EQ(records.size(), 2u);
}

TEST_F(ModuleDataTest, KeysAreKeptApartAndTakenAsGiven) {
    device.InjectModuleData("m1", 1, {1});
    device.InjectModuleData("", 2, {2});
    const std::string odd("a\0b", 3);
    device.InjectModuleData(odd, 3, std::vector<uint8_t>(100000, 0xAB));
    EXPECT_FALSE(device.PeekLastModuleData("m2").has_value());
    EXPECT_FALSE(device.PeekLastModuleData("a").has_value());
    EXPECT_EQ(device.PeekLastModuleData(""), (Record{2, {2}}));
    ASSERT_TRUE(device.PeekLastModuleData(odd).has_value());
    EXPECT_EQ(device.PeekLastModuleData(odd)->second.size(), 100000u);
    std::vector<Record> records;
    EXPECT_FALSE(device.TryPopModuleData("m2", records));
    EXPECT_TRUE(records.empty());
    EXPECT_TRUE(device.TryPopModuleData("m1", records));
    EXPECT_EQ(records, (std::vector<Record>{{1, {1}}}));
}

TEST_F(ModuleDataTest, OverflowOfOneKeyLeavesOthersAlone) {
    device.InjectModuleData("quiet", 1, {1});
    for (int i = 0; i < 200; ++i) device.InjectModuleData("busy", 0, {});
    std::vector<Record> records;
    ASSERT_TRUE(device.TryPopModuleData("quiet", records));
    EXPECT_EQ(records.size(), 1u);
}

TEST_F(ModuleDataTest, ConfiguredModulesCarryBuiltInRegisteredOrNoLayout) {
    cfg::OrvekConfiguration config;
    config.sensors = std::vector<cfg::Module>{ModuleOf("door", "DigitalInput"), ModuleOf("range", "VL53L1X"),
                                              ModuleOf("odd", "digitalinput"), ModuleOf("imu", "IMU")};
    device.ApplyConfiguration(config);

    std::vector<std::string> layouts;
    for (const auto& module : device.GetConfiguredModules()) layouts.push_back(Layout(module));
    EXPECT_EQ(layouts, (std::vector<std::string>{"door:DigitalInput[state/0 ]", "range:VL53L1X[valid/0 dist/1 ]",
                                                 "odd:digitalinput[]", "imu:IMU[]"}));

    device.RegisterModuleDescriptor("DigitalInput", {{"a", FieldType::kInt16}, {"b", FieldType::kDouble}});
    device.RegisterModuleDescriptor("IMU", {{"yaw", FieldType::kFloat}});
    layouts.clear();
    for (const auto& module : device.GetConfiguredModules()) layouts.push_back(Layout(module));
    EXPECT_EQ(layouts, (std::vector<std::string>{"door:DigitalInput[a/4 b/7 ]", "range:VL53L1X[valid/0 dist/1 ]",
                                                 "odd:digitalinput[]", "imu:IMU[yaw/6 ]"}));

    device.RegisterModuleDescriptor("IMU", {});  // a registered empty layout wins too
    EXPECT_EQ(Layout(device.GetConfiguredModules()[3]), "imu:IMU[]");
}

TEST_F(ModuleDataTest, NoConfigurationListsNoModules) {
    device.RegisterModuleDescriptor("DigitalInput", {{"a", FieldType::kUInt8}});
    EXPECT_TRUE(device.GetConfiguredModules().empty());
}

}  // namespace
}  // namespace orvek::internal::devicetest
