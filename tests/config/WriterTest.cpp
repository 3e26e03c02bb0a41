// The writer's exact texts: member order, optional members, words and failures.
#include <gtest/gtest.h>

#include <limits>

#include <nlohmann/json.hpp>

#include <orvek/configuration/OrvekConfigurationSerializer.h>

namespace cfg = orvek::internal::Configuration;
using orvek::config::SerializeConfigToJson;
using orvek::internal::ModuleInfo::ModuleConnectionType;

namespace {

cfg::Zone Strip(const std::string& id, uint16_t length, bool reversed) {
    cfg::Zone zone{};
    zone.id = id;
    zone.strip = cfg::ZoneStrip{length, reversed};
    return zone;
}

cfg::Zone Matrix(const std::string& id, uint16_t rows, uint16_t cols, uint8_t orientation) {
    cfg::Zone zone{};
    zone.type = cfg::ZoneType::Matrix;
    zone.id = id;
    zone.matrix = cfg::ZoneMatrix{rows, cols, orientation};
    return zone;
}

// The text of a configuration holding only the given channel, cut down to its "channels" value.
std::string ChannelsText(std::vector<cfg::Channel> channels) {
    cfg::OrvekConfiguration config;
    config.channels = std::move(channels);
    const std::string text = SerializeConfigToJson(config);
    const std::string prefix = R"({"network":{"mode":"USB"},"channels":)";
    EXPECT_EQ(text.rfind(prefix, 0), 0u) << text;
    return text.substr(prefix.size(), text.size() - prefix.size() - 1);
}

std::string ZoneText(const cfg::Zone& zone) { return ChannelsText({{"c", "c", 1, std::nullopt, {zone}}}); }

}  // namespace

TEST(Writer, DefaultConfiguration) {
    EXPECT_EQ(SerializeConfigToJson(cfg::OrvekConfiguration{}), R"({"network":{"mode":"USB"}})");
}

TEST(Writer, TeamComesBeforeTheNetwork) {
    cfg::OrvekConfiguration config;
    config.teamNumber = "1234";
    config.network.type = cfg::NetworkType::I2C;
    config.network.i2c.address = 3;
    EXPECT_EQ(SerializeConfigToJson(config), R"({"team":"1234","network":{"mode":"I2C","address":3}})");
}

TEST(Writer, NetworkModes) {
    cfg::OrvekConfiguration config;
    config.network.type = cfg::NetworkType::UART;
    config.network.uart.baud = 4000000000u;
    EXPECT_EQ(SerializeConfigToJson(config), R"({"network":{"mode":"UART","baudRate":4000000000}})");
    config.network.type = cfg::NetworkType::CAN;
    EXPECT_EQ(SerializeConfigToJson(config), R"({"network":{"mode":"CAN"}})");
    config.network.type = static_cast<cfg::NetworkType>(9);
    EXPECT_EQ(SerializeConfigToJson(config), R"({"network":{"mode":"USB"}})");
}

TEST(Writer, SetButEmptyListsAreLeftOut) {
    cfg::OrvekConfiguration config;
    config.channels.emplace();
    config.sequences.emplace();
    config.bitmaps.emplace();
    config.sensors.emplace();
    config.animationGroups.emplace();
    EXPECT_EQ(SerializeConfigToJson(config), R"({"network":{"mode":"USB"}})");
}

TEST(Writer, ChannelMembersInOrder) {
    EXPECT_EQ(ChannelsText({{"front", "f", 60, 128, {}}}),
              R"({"front":{"id":"f","length":60,"brightness":128,"zones":[]}})");
    EXPECT_EQ(ChannelsText({{"front", "f", 60, std::nullopt, {}}}), R"({"front":{"id":"f","length":60,"zones":[]}})");
}

TEST(Writer, ChannelNamesKeepVectorOrderAndEmptyKeyUsesTheId) {
    EXPECT_EQ(ChannelsText({{"b", "x", 1, {}, {}}, {"", "a", 2, {}, {}}}),
              R"({"b":{"id":"x","length":1,"zones":[]},"a":{"id":"a","length":2,"zones":[]}})");
}

TEST(Writer, LaterChannelWithTheSameNameReplacesTheEarlierInPlace) {
    EXPECT_EQ(ChannelsText({{"a", "one", 1, {}, {}}, {"b", "two", 2, {}, {}}, {"", "a", 3, {}, {}}}),
              R"({"a":{"id":"a","length":3,"zones":[]},"b":{"id":"two","length":2,"zones":[]}})");
}

TEST(Writer, StripZone) {
    cfg::Zone zone = Strip("under", 40, true);
    EXPECT_EQ(ZoneText(zone),
              R"({"c":{"id":"c","length":1,"zones":[{"id":"under","type":"strip","length":40,"reversed":true}]}})");
    zone.brightness = 0;
    EXPECT_EQ(ZoneText(zone),
              R"({"c":{"id":"c","length":1,"zones":[{"id":"under","brightness":0,"type":"strip","length":40,)"
              R"("reversed":true}]}})");
}

TEST(Writer, MatrixZoneOrientationWords) {
    EXPECT_EQ(
        ZoneText(Matrix("m", 8, 32, 0)),
        R"({"c":{"id":"c","length":1,"zones":[{"id":"m","type":"matrix","rows":8,"cols":32,"orientation":)"
        R"({"cornerTopBottom":"top","cornerLeftRight":"left","axisLayout":"rows","sequenceLayout":"progressive"}}]}})");
    EXPECT_EQ(
        ZoneText(Matrix("m", 8, 32, 13)),
        R"({"c":{"id":"c","length":1,"zones":[{"id":"m","type":"matrix","rows":8,"cols":32,"orientation":)"
        R"({"cornerTopBottom":"bottom","cornerLeftRight":"left","axisLayout":"cols","sequenceLayout":"zigzag"}}]}})");
    // Bits 4..7 have no words: 0xF2 writes like 2.
    EXPECT_EQ(
        ZoneText(Matrix("m", 1, 1, 0xF2)),
        R"({"c":{"id":"c","length":1,"zones":[{"id":"m","type":"matrix","rows":1,"cols":1,"orientation":)"
        R"({"cornerTopBottom":"top","cornerLeftRight":"right","axisLayout":"rows","sequenceLayout":"progressive"}}]}})");
}

TEST(Writer, UnknownZoneTypeIsWrittenAsAMatrix) {
    cfg::Zone zone = Matrix("odd", 2, 3, 15);
    zone.type = static_cast<cfg::ZoneType>(5);
    EXPECT_EQ(
        ZoneText(zone),
        R"({"c":{"id":"c","length":1,"zones":[{"id":"odd","type":"matrix","rows":2,"cols":3,"orientation":)"
        R"({"cornerTopBottom":"bottom","cornerLeftRight":"right","axisLayout":"cols","sequenceLayout":"zigzag"}}]}})");
}

TEST(Writer, SequenceStepMembersInOrder) {
    cfg::OrvekConfiguration config;
    cfg::Animation plain{};
    plain.id = "Fill";
    cfg::Animation full{};
    full.id = "Blink";
    full.color = orvek::internal::domain::Color(255, 0, 7);
    full.delay = 100;
    full.reversed = true;
    full.repeatCount = 3;
    config.sequences = std::vector<cfg::AnimationSequence>{{"s", {plain, full}}, {"empty", {}}};
    EXPECT_EQ(SerializeConfigToJson(config),
              R"({"network":{"mode":"USB"},"sequences":[{"id":"s","steps":[)"
              R"({"animationId":"Fill","delay":0,"reversed":false},)"
              R"({"animationId":"Blink","color":{"r":255,"g":0,"b":7},"delay":100,"reversed":true,"repeat":3}]},)"
              R"({"id":"empty","steps":[]}]})");
}

TEST(Writer, BitmapsWriteTheMembersOfTheirKind) {
    cfg::OrvekConfiguration config;
    cfg::Bitmap logo;
    logo.id = "logo";
    logo.path = "bitmaps/logo.bmp";
    logo.folder = "ignored";
    cfg::Bitmap spinner;
    spinner.id = "spin";
    spinner.type = cfg::BitmapType::Animated;
    spinner.folder = "bitmaps/spinner";
    spinner.frameDelay = 80;
    spinner.path = "ignored";
    cfg::Bitmap bare;
    bare.id = "bare";
    bare.type = cfg::BitmapType::Animated;
    config.bitmaps = std::vector<cfg::Bitmap>{logo, spinner, bare};
    EXPECT_EQ(SerializeConfigToJson(config),
              R"({"network":{"mode":"USB"},"bitmaps":[{"id":"logo","type":"static","path":"bitmaps/logo.bmp"},)"
              R"({"id":"spin","type":"animated","folder":"bitmaps/spinner","delay":80},)"
              R"({"id":"bare","type":"animated"}]})");
}

TEST(Writer, ModulesAndConnectionWords) {
    cfg::OrvekConfiguration config;
    std::vector<cfg::Module> modules;
    const std::pair<uint8_t, const char*> words[] = {{0, "I2C"}, {1, "SPI"}, {2, "UART"},
                                                     {3, "DIO"}, {4, "AIO"}, {7, "I2C"}};
    std::string expected = R"({"network":{"mode":"USB"},"sensors":[)";
    for (const auto& [value, word] : words) {
        cfg::Module module;
        module.id = "m" + std::to_string(value);
        module.type = "DigitalInput";
        module.pollingRateMs = 20;
        module.connectionType = static_cast<ModuleConnectionType>(value);
        modules.push_back(module);
        expected += R"({"id":"m)" + std::to_string(value) +
                    R"(","type":"DigitalInput","pollingRateMs":20,"connection":")" + word + R"("},)";
    }
    expected.back() = ']';
    expected += "}";
    config.sensors = modules;
    EXPECT_EQ(SerializeConfigToJson(config), expected);
}

TEST(Writer, ModuleConfigValuesByAlternative) {
    const auto configText = [](cfg::ModuleConfigValue value) {
        cfg::OrvekConfiguration config;
        cfg::Module module;
        module.id = "m";
        module.type = "t";
        module.customConfig.emplace();
        (*module.customConfig)["k"] = std::move(value);
        config.sensors = std::vector<cfg::Module>{module};
        const std::string text = SerializeConfigToJson(config);
        const auto start = text.find(R"("config":)");
        return start == std::string::npos ? text : text.substr(start);
    };
    EXPECT_EQ(configText(std::string("v")), R"("config":{"k":"v"}}]})");
    EXPECT_EQ(configText(std::numeric_limits<uint64_t>::max()), R"("config":{"k":18446744073709551615}}]})");
    EXPECT_EQ(configText(0.5), R"("config":{"k":0.5}}]})");
    EXPECT_EQ(configText(2.0), R"("config":{"k":2.0}}]})");
    EXPECT_EQ(configText(true), R"("config":{"k":true}}]})");
}

TEST(Writer, SetButEmptyModuleConfigIsAnEmptyObject) {
    cfg::OrvekConfiguration config;
    cfg::Module module;
    module.id = "m";
    module.type = "t";
    module.connectionType = ModuleConnectionType::AIO;
    module.customConfig.emplace();
    config.sensors = std::vector<cfg::Module>{module};
    EXPECT_EQ(SerializeConfigToJson(config),
              R"({"network":{"mode":"USB"},"sensors":[{"id":"m","type":"t","pollingRateMs":0,"connection":"AIO",)"
              R"("config":{}}]})");
}

TEST(Writer, GroupsAlwaysWriteZoneIds) {
    cfg::OrvekConfiguration config;
    config.animationGroups = std::vector<cfg::AnimationGroup>{{"g", {"a", "b"}}, {"none", {}}};
    EXPECT_EQ(SerializeConfigToJson(config),
              R"({"network":{"mode":"USB"},"groups":[{"id":"g","zoneIds":["a","b"]},{"id":"none","zoneIds":[]}]})");
}

TEST(Writer, ListsInTheirFixedOrder) {
    cfg::OrvekConfiguration config;
    config.animationGroups = std::vector<cfg::AnimationGroup>{{"g", {}}};
    config.sensors = std::vector<cfg::Module>{cfg::Module{}};
    config.bitmaps = std::vector<cfg::Bitmap>{cfg::Bitmap{}};
    config.sequences = std::vector<cfg::AnimationSequence>{{"s", {}}};
    config.channels = std::vector<cfg::Channel>{{"c", "c", 1, {}, {}}};
    config.teamNumber = "9";
    const std::string text = SerializeConfigToJson(config);
    std::vector<size_t> positions;
    for (const char* name :
         {"\"team\"", "\"network\"", "\"channels\"", "\"sequences\"", "\"bitmaps\"", "\"sensors\"", "\"groups\""}) {
        positions.push_back(text.find(name));
        EXPECT_NE(positions.back(), std::string::npos) << name;
    }
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end())) << text;
}

TEST(Writer, NonAsciiTextIsWrittenAsIs) {
    cfg::OrvekConfiguration config;
    config.teamNumber = "\xc3\xa9quipe \xe2\x9c\x93";  // "équipe ✓"
    EXPECT_EQ(SerializeConfigToJson(config),
              "{\"team\":\"\xc3\xa9quipe \xe2\x9c\x93\",\"network\":{\"mode\":\"USB\"}}");
    config.teamNumber = "tab\there \"q\" \\";
    EXPECT_EQ(SerializeConfigToJson(config), R"({"team":"tab\there \"q\" \\","network":{"mode":"USB"}})");
}

TEST(Writer, InvalidUtf8Throws316) {
    cfg::OrvekConfiguration config;
    config.teamNumber = std::string("ab\xff", 3);
    try {
        (void)SerializeConfigToJson(config);
        FAIL() << "no error";
    } catch (const nlohmann::json::type_error& error) {
        EXPECT_EQ(error.id, 316);
        EXPECT_EQ(std::string(error.what()), "[json.exception.type_error.316] invalid UTF-8 byte at index 2: 0xFF");
    }
}

TEST(Writer, InvalidUtf8InANestedNameThrowsToo) {
    cfg::OrvekConfiguration config;
    config.animationGroups = std::vector<cfg::AnimationGroup>{{"g", {std::string("\xc3", 1)}}};
    EXPECT_THROW((void)SerializeConfigToJson(config), nlohmann::json::type_error);
}
