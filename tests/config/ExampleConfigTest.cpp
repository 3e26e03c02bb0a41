// The example robot configuration reads as written, and survives a write and a read.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include <orvek/configuration/OrvekConfigurationSerializer.h>

#include "ConfigEquality.h"
#include "ConfigTestSupport.h"

namespace cfg = orvek::internal::Configuration;
using orvek::config::ParseConfig;
using orvek::config::SerializeConfigToJson;
using orvek::internal::ModuleInfo::ModuleConnectionType;

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

cfg::OrvekConfiguration RobotConfig() {
    const std::string text = ReadFile(ORVEK_EXAMPLES_DIR "/config/robot.json");
    EXPECT_FALSE(text.empty());
    return orvek::config::test::Read(text);
}

}  // namespace

TEST(ExampleConfig, ChannelsInKeyOrderWithTheirZones) {
    const auto config = RobotConfig();
    EXPECT_EQ(config.teamNumber, std::optional<std::string>("4321"));
    EXPECT_EQ(config.network.type, cfg::NetworkType::USB);
    ASSERT_TRUE(config.channels);
    ASSERT_EQ(config.channels->size(), 3u);
    const auto& elevator = (*config.channels)[0];
    const auto& front = (*config.channels)[1];
    const auto& rear = (*config.channels)[2];
    EXPECT_EQ(elevator.key, "elevator");
    EXPECT_EQ(front.key, "front");
    EXPECT_EQ(rear.key, "rear");

    EXPECT_EQ(front.length, 120);
    EXPECT_EQ(front.brightness, std::optional<uint8_t>(200));
    ASSERT_EQ(front.zones.size(), 3u);
    EXPECT_EQ(front.zones[1].id, "underglow-right");
    EXPECT_TRUE(front.zones[1].strip.reversed);
    EXPECT_EQ(front.zones[2].brightness, std::optional<uint8_t>(160));

    EXPECT_FALSE(rear.brightness);
    ASSERT_EQ(rear.zones.size(), 2u);
    const auto& panel = rear.zones[1];
    EXPECT_EQ(panel.id, "status-panel");
    EXPECT_EQ(panel.type, cfg::ZoneType::Matrix);
    EXPECT_EQ(panel.matrix.rows, 16);
    EXPECT_EQ(panel.matrix.cols, 16);
    EXPECT_EQ(panel.matrix.orientation, cfg::MatrixOrientation::kZigzag);
    // Every channel's zones fit on it.
    for (const auto& channel : *config.channels) {
        unsigned leds = 0;
        for (const auto& zone : channel.zones) {
            leds += zone.type == cfg::ZoneType::Strip ? zone.strip.length : zone.matrix.rows * zone.matrix.cols;
        }
        EXPECT_EQ(leds, channel.length) << channel.key;
    }
}

TEST(ExampleConfig, SequencesBitmapsSensorsGroups) {
    const auto config = RobotConfig();
    ASSERT_TRUE(config.sequences);
    ASSERT_EQ(config.sequences->size(), 2u);
    const auto& start = (*config.sequences)[0];
    EXPECT_EQ(start.id, "match-start");
    ASSERT_EQ(start.steps.size(), 3u);
    EXPECT_EQ(start.steps[1].id, "Breathe");
    ASSERT_TRUE(start.steps[1].color);
    EXPECT_EQ(start.steps[1].color->b, 255);
    EXPECT_EQ(start.steps[1].repeatCount, std::optional<uint8_t>(3));
    EXPECT_FALSE(start.steps[2].color);
    EXPECT_TRUE(start.steps[2].reversed);

    ASSERT_TRUE(config.bitmaps);
    ASSERT_EQ(config.bitmaps->size(), 2u);
    EXPECT_EQ((*config.bitmaps)[0].path, std::optional<std::string>("bitmaps/logo.bmp"));
    EXPECT_EQ((*config.bitmaps)[1].type, cfg::BitmapType::Animated);
    EXPECT_EQ((*config.bitmaps)[1].folder, std::optional<std::string>("bitmaps/spinner"));
    EXPECT_EQ((*config.bitmaps)[1].frameDelay, std::optional<uint16_t>(80));

    ASSERT_TRUE(config.sensors);
    ASSERT_EQ(config.sensors->size(), 2u);
    EXPECT_EQ((*config.sensors)[0].type, "DigitalInput");
    EXPECT_EQ((*config.sensors)[0].connectionType, ModuleConnectionType::DIO);
    EXPECT_EQ(std::get<bool>((*config.sensors)[0].customConfig->at("inverted")), true);
    EXPECT_EQ((*config.sensors)[1].type, "VL53L1X");
    EXPECT_EQ((*config.sensors)[1].pollingRateMs, 50);
    EXPECT_EQ(std::get<double>((*config.sensors)[1].customConfig->at("timingBudgetMs")), 33.5);

    ASSERT_TRUE(config.animationGroups);
    ASSERT_EQ(config.animationGroups->size(), 3u);
    EXPECT_EQ((*config.animationGroups)[2].zoneIds.size(), 6u);
}

// Every zone a group names exists in the example, so later demos resolve all of them.
TEST(ExampleConfig, GroupsNameConfiguredZones) {
    const auto config = RobotConfig();
    std::set<std::string> zoneNames;
    for (const auto& channel : *config.channels) {
        for (const auto& zone : channel.zones) {
            EXPECT_TRUE(zoneNames.insert(zone.id).second) << "duplicate zone " << zone.id;
        }
    }
    for (const auto& group : *config.animationGroups) {
        for (const auto& zoneId : group.zoneIds) {
            EXPECT_TRUE(zoneNames.count(zoneId)) << group.id << " names " << zoneId;
        }
    }
}

TEST(ExampleConfig, WriteThenReadGivesTheSameConfiguration) {
    const auto config = RobotConfig();
    const auto again = ParseConfig(SerializeConfigToJson(config));
    ASSERT_TRUE(again);
    EXPECT_TRUE(orvek::testing::ConfigsEqual(config, *again));
}
