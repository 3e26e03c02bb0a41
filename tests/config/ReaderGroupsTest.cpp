// Reading "groups": required names and the string members of "zoneIds".
#include <gtest/gtest.h>

#include "ConfigTestSupport.h"

namespace cfg = orvek::internal::Configuration;
using orvek::config::test::Read;

TEST(ReaderGroups, ZoneIdsKeepOnlyStringsInOrder) {
    const auto config = Read(R"({"groups":[{"id":"g","zoneIds":["left",3,"right",null,["x"]]}]})");
    ASSERT_TRUE(config.animationGroups);
    ASSERT_EQ(config.animationGroups->size(), 1u);
    EXPECT_EQ((*config.animationGroups)[0].id, "g");
    EXPECT_EQ((*config.animationGroups)[0].zoneIds, (std::vector<std::string>{"left", "right"}));
}

TEST(ReaderGroups, MissingOrWrongZoneIdsKeepAnEmptyGroup) {
    const auto config = Read(R"({"groups":[{"id":"a"},{"id":"b","zoneIds":"left"},{"id":"c","zoneIds":{"0":"x"}}]})");
    ASSERT_TRUE(config.animationGroups);
    ASSERT_EQ(config.animationGroups->size(), 3u);
    for (const auto& group : *config.animationGroups) {
        EXPECT_TRUE(group.zoneIds.empty()) << group.id;
    }
}

TEST(ReaderGroups, RequireAnObjectWithAStringId) {
    const auto config = Read(R"({"groups":[{"zoneIds":["a"]},{"id":null},"g",{"id":"keep","zoneIds":["a","a"]}]})");
    ASSERT_TRUE(config.animationGroups);
    ASSERT_EQ(config.animationGroups->size(), 1u);
    EXPECT_EQ((*config.animationGroups)[0].zoneIds, (std::vector<std::string>{"a", "a"}));
}
