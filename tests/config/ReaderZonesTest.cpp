// Reading the zones of a channel: type words, strip and matrix members, orientation bits.
#include <gtest/gtest.h>

#include "ConfigTestSupport.h"

namespace cfg = orvek::internal::Configuration;
using orvek::config::test::Read;

namespace {

// The zones read from one channel whose "zones" array is the given text.
std::vector<cfg::Zone> ZonesOf(const std::string& zonesArray) {
    const auto config = Read(R"({"channels":{"c":{"length":300,"zones":)" + zonesArray + "}}}");
    return config.channels ? (*config.channels)[0].zones : std::vector<cfg::Zone>{};
}

uint8_t OrientationOf(const std::string& orientation) {
    const auto zones = ZonesOf(R"([{"id":"m","type":"matrix","rows":2,"cols":2,"orientation":)" + orientation + "}]");
    return zones.empty() ? 0xFF : zones[0].matrix.orientation;
}

}  // namespace

TEST(ReaderZones, TypeWordsAreExactWithOneCapitalisedForm) {
    const auto zones = ZonesOf(R"([{"id":"a","type":"strip"},{"id":"b","type":"Strip"},{"id":"c","type":"matrix"},
        {"id":"d","type":"Matrix"},{"id":"e","type":"STRIP"},{"id":"f","type":"MATRIX"},{"id":"g","type":" strip"},
        {"id":"h","type":""},{"id":"i","type":0},{"id":"j"}])");
    ASSERT_EQ(zones.size(), 4u);
    EXPECT_EQ(zones[0].id, "a");
    EXPECT_EQ(zones[0].type, cfg::ZoneType::Strip);
    EXPECT_EQ(zones[1].type, cfg::ZoneType::Strip);
    EXPECT_EQ(zones[2].type, cfg::ZoneType::Matrix);
    EXPECT_EQ(zones[3].id, "d");
    EXPECT_EQ(zones[3].type, cfg::ZoneType::Matrix);
}

TEST(ReaderZones, ElementsWithoutAStringIdOrNotObjectsAreDropped) {
    const auto zones = ZonesOf(R"([{"type":"strip"},{"id":5,"type":"strip"},"z",7,null,{"id":"","type":"strip"}])");
    ASSERT_EQ(zones.size(), 1u);
    EXPECT_EQ(zones[0].id, "");
}

TEST(ReaderZones, KeepArrayOrder) {
    const auto zones = ZonesOf(R"([{"id":"z","type":"strip"},{"id":"a","type":"strip"},{"id":"m","type":"strip"}])");
    ASSERT_EQ(zones.size(), 3u);
    EXPECT_EQ(zones[0].id + zones[1].id + zones[2].id, "zam");
}

TEST(ReaderZones, StripMembers) {
    const auto zones = ZonesOf(R"([{"id":"a","type":"strip","length":40,"reversed":true},
        {"id":"b","type":"strip"},{"id":"c","type":"strip","length":-3},{"id":"d","type":"strip","length":65537},
        {"id":"e","type":"strip","length":7.99,"reversed":false}])");
    ASSERT_EQ(zones.size(), 5u);
    EXPECT_EQ(zones[0].strip.length, 40);
    EXPECT_TRUE(zones[0].strip.reversed);
    EXPECT_EQ(zones[1].strip.length, 0);  // a zone may have no LEDs
    EXPECT_FALSE(zones[1].strip.reversed);
    EXPECT_EQ(zones[2].strip.length, 0);
    EXPECT_EQ(zones[3].strip.length, 1);
    EXPECT_EQ(zones[4].strip.length, 7);
}

TEST(ReaderZones, MatrixMembers) {
    const auto zones = ZonesOf(R"([{"id":"m","type":"matrix","rows":8,"cols":70000},{"id":"n","type":"Matrix"}])");
    ASSERT_EQ(zones.size(), 2u);
    EXPECT_EQ(zones[0].matrix.rows, 8);
    EXPECT_EQ(zones[0].matrix.cols, 4464);
    EXPECT_EQ(zones[0].matrix.orientation, 0);
    EXPECT_EQ(zones[1].matrix.rows, 0);
    EXPECT_EQ(zones[1].matrix.cols, 0);
}

TEST(ReaderZones, BrightnessClampsIntegersAndIgnoresOtherKinds) {
    const auto zones =
        ZonesOf(R"([{"id":"a","type":"strip","brightness":300},{"id":"b","type":"strip","brightness":12.5},
        {"id":"c","type":"matrix","brightness":-1},{"id":"d","type":"strip","brightness":"50"},
        {"id":"e","type":"strip","brightness":77}])");
    ASSERT_EQ(zones.size(), 5u);
    EXPECT_EQ(zones[0].brightness, std::optional<uint8_t>(255));
    EXPECT_EQ(zones[1].brightness, std::nullopt);
    EXPECT_EQ(zones[2].brightness, std::optional<uint8_t>(0));
    EXPECT_EQ(zones[3].brightness, std::nullopt);
    EXPECT_EQ(zones[4].brightness, std::optional<uint8_t>(77));
}

TEST(ReaderZones, EachOrientationWordSetsItsBit) {
    EXPECT_EQ(OrientationOf(R"({"cornerTopBottom":"bottom"})"), 1);
    EXPECT_EQ(OrientationOf(R"({"cornerLeftRight":"right"})"), 2);
    EXPECT_EQ(OrientationOf(R"({"axisLayout":"cols"})"), 4);
    EXPECT_EQ(OrientationOf(R"({"sequenceLayout":"zigzag"})"), 8);
    EXPECT_EQ(OrientationOf(R"({"cornerTopBottom":"bottom","axisLayout":"cols","sequenceLayout":"zigzag"})"), 13);
    EXPECT_EQ(
        OrientationOf(
            R"({"cornerTopBottom":"bottom","cornerLeftRight":"right","axisLayout":"cols","sequenceLayout":"zigzag"})"),
        15);
    EXPECT_EQ(
        OrientationOf(
            R"({"cornerTopBottom":"top","cornerLeftRight":"left","axisLayout":"rows","sequenceLayout":"progressive"})"),
        0);
}

TEST(ReaderZones, OtherOrientationWordsAndKindsLeaveBitsClear) {
    EXPECT_EQ(OrientationOf(R"({"cornerTopBottom":"Bottom","cornerLeftRight":"RIGHT","axisLayout":"columns"})"), 0);
    EXPECT_EQ(OrientationOf(R"({"cornerTopBottom":1,"sequenceLayout":true,"axisLayout":["cols"]})"), 0);
    EXPECT_EQ(OrientationOf(R"({"cornerTopBottom":"bottom ","sequenceLayout":"zigzag"})"), 8);
    EXPECT_EQ(OrientationOf(R"("bottom")"), 0);
    EXPECT_EQ(OrientationOf(R"(15)"), 0);
}

// A strip reads no matrix members and a matrix no strip members, so neither can raise there.
TEST(ReaderZones, MembersOfTheOtherKindAreNotRead) {
    const auto zones = ZonesOf(R"([{"id":"s","type":"strip","length":4,"rows":"x","cols":null,"orientation":{}},
        {"id":"m","type":"matrix","rows":2,"cols":3,"length":"x","reversed":"yes"}])");
    ASSERT_EQ(zones.size(), 2u);
    EXPECT_EQ(zones[0].strip.length, 4);
    EXPECT_EQ(zones[1].matrix.rows, 2);
    EXPECT_EQ(zones[1].matrix.cols, 3);
}
