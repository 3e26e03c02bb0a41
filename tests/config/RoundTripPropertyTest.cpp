// Property: writing a configuration and reading the text back gives the original, except
// for the differences the two sides are known to have:
//   - a UART network comes back as USB; md5 is neither written nor read;
//   - channels come back in the byte order of their member names (the key, or the id when the
//     key is empty), a later channel with the same name replaces the earlier, channels with an
//     empty id or no LEDs are skipped, and each comes back with its member name as its key;
//   - a set but empty module "config" comes back unset, as does every set but empty list.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include <orvek/configuration/OrvekConfigurationSerializer.h>

#include "ConfigEquality.h"
#include "ConfigTestSupport.h"

namespace cfg = orvek::internal::Configuration;
using orvek::config::ParseConfig;
using orvek::config::SerializeConfigToJson;
using orvek::internal::ModuleInfo::ModuleConnectionType;

namespace {

// Random configurations that stay within the model's meaning: only the alternative a type
// names is filled, orientations use the four defined bits, strings are valid UTF-8.
class ConfigGenerator {
public:
    explicit ConfigGenerator(uint32_t seed) : m_random(seed) {}

    cfg::OrvekConfiguration Next() {
        cfg::OrvekConfiguration config;
        for (auto& byte : config.md5) byte = static_cast<uint8_t>(Int(0, 255));
        if (Chance(0.7)) config.teamNumber = Text(6);
        config.network = Network();
        config.channels = List<cfg::Channel>(6, [&] { return Channel(); });
        config.sequences = List<cfg::AnimationSequence>(4, [&] { return Sequence(); });
        config.bitmaps = List<cfg::Bitmap>(4, [&] { return Bitmap(); });
        config.sensors = List<cfg::Module>(4, [&] { return Module(); });
        config.animationGroups = List<cfg::AnimationGroup>(4, [&] { return Group(); });
        return config;
    }

private:
    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(m_random); }
    uint16_t U16() { return static_cast<uint16_t>(Chance(0.2) ? Int(0, 3) : Int(0, 65535)); }
    uint8_t U8() { return static_cast<uint8_t>(Int(0, 255)); }

    // Short names from a small pool so that collisions happen, or free text with escapes,
    // control characters, NUL and multi-byte characters.
    std::string Text(int maxLength) {
        static const char* const kPool[] = {"", "a", "b", "front", "rear", "B", "aa"};
        if (Chance(0.4)) return kPool[Int(0, 6)];
        static const std::string kPieces[] = {"x",
                                              "Z",
                                              "0",
                                              " ",
                                              "\"",
                                              "\\",
                                              "/",
                                              "\n",
                                              "\x01",
                                              std::string(1, '\0'),
                                              "\xc3\xa9",
                                              "\xe2\x9c\x93",
                                              "\xf0\x9f\x9a\x80",
                                              "\x7f"};
        std::string text;
        const int length = Int(0, maxLength);
        for (int i = 0; i < length; ++i) text += kPieces[Int(0, 13)];
        return text;
    }

    template <typename Record, typename MakeFn>
    std::optional<std::vector<Record>> List(int maxSize, MakeFn make) {
        if (Chance(0.2)) return std::nullopt;
        std::vector<Record> records(static_cast<size_t>(Int(0, maxSize)));
        for (auto& record : records) record = make();
        return records;
    }

    cfg::Network Network() {
        cfg::Network network;
        network.type = static_cast<cfg::NetworkType>(Int(0, 3));
        if (network.type == cfg::NetworkType::I2C) network.i2c.address = U8();
        if (network.type == cfg::NetworkType::UART) network.uart.baud = static_cast<uint32_t>(m_random());
        return network;
    }

    cfg::Zone Zone() {
        cfg::Zone zone{};
        zone.id = Text(5);
        if (Chance(0.5)) zone.brightness = U8();
        if (Chance(0.5)) {
            zone.strip = cfg::ZoneStrip{U16(), Chance(0.5)};
        } else {
            zone.type = cfg::ZoneType::Matrix;
            zone.matrix = cfg::ZoneMatrix{U16(), U16(), static_cast<uint8_t>(Int(0, 15))};
        }
        return zone;
    }

    cfg::Channel Channel() {
        cfg::Channel channel;
        channel.key = Text(4);
        channel.id = Text(4);
        channel.length = U16();
        if (Chance(0.5)) channel.brightness = U8();
        channel.zones.resize(static_cast<size_t>(Int(0, 4)));
        for (auto& zone : channel.zones) zone = Zone();
        return channel;
    }

    cfg::AnimationSequence Sequence() {
        cfg::AnimationSequence sequence;
        sequence.id = Text(5);
        sequence.steps.resize(static_cast<size_t>(Int(0, 4)));
        for (auto& step : sequence.steps) {
            step.id = Text(8);
            step.reversed = Chance(0.5);
            step.delay = U16();
            if (Chance(0.6)) step.color = orvek::internal::domain::Color(U8(), U8(), U8());
            if (Chance(0.5)) step.repeatCount = U8();
        }
        return sequence;
    }

    cfg::Bitmap Bitmap() {
        cfg::Bitmap bitmap;
        bitmap.id = Text(5);
        if (Chance(0.5)) {
            bitmap.type = cfg::BitmapType::Animated;
            if (Chance(0.7)) bitmap.folder = Text(8);
            if (Chance(0.7)) bitmap.frameDelay = U16();
        } else if (Chance(0.8)) {
            bitmap.path = Text(8);
        }
        return bitmap;
    }

    cfg::ModuleConfigValue ConfigValue() {
        switch (Int(0, 3)) {
            case 0: return Text(6);
            case 1: return Chance(0.3) ? uint64_t(m_random()) << 32 | m_random() : uint64_t(Int(0, 100));
            case 2: {
                const double kDoubles[] = {0.5, -0.25, 2.0, 1e300, -3.5e-300, 123456.789, 0.1};
                return Chance(0.5) ? kDoubles[Int(0, 6)] : std::uniform_real_distribution<double>(-1e6, 1e6)(m_random);
            }
            default: return Chance(0.5);
        }
    }

    cfg::Module Module() {
        cfg::Module module;
        module.id = Text(5);
        module.type = Chance(0.5) ? std::string(Chance(0.5) ? "DigitalInput" : "VL53L1X") : Text(5);
        module.pollingRateMs = U16();
        module.connectionType = static_cast<ModuleConnectionType>(Int(0, 4));
        if (Chance(0.6)) {
            module.customConfig.emplace();
            const int entries = Int(0, 4);
            for (int i = 0; i < entries; ++i) (*module.customConfig)[Text(4)] = ConfigValue();
        }
        return module;
    }

    cfg::AnimationGroup Group() {
        cfg::AnimationGroup group;
        group.id = Text(5);
        group.zoneIds.resize(static_cast<size_t>(Int(0, 4)));
        for (auto& zoneId : group.zoneIds) zoneId = Text(5);
        return group;
    }

    std::mt19937 m_random;
};

template <typename T>
void UnsetWhenEmpty(std::optional<std::vector<T>>& list) {
    if (list && list->empty()) list.reset();
}

// The channels as the reader gives them back after the writer wrote them.
std::optional<std::vector<cfg::Channel>> ExpectedChannels(const std::optional<std::vector<cfg::Channel>>& written) {
    if (!written) return std::nullopt;
    std::vector<std::pair<std::string, cfg::Channel>> members;  // member name and value, in text order
    for (const auto& channel : *written) {
        const std::string name = channel.key.empty() ? channel.id : channel.key;
        const auto same = std::find_if(members.begin(), members.end(), [&](const auto& m) { return m.first == name; });
        if (same != members.end()) {
            same->second = channel;
        } else {
            members.emplace_back(name, channel);
        }
    }
    std::sort(members.begin(), members.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<cfg::Channel> channels;
    for (auto& [name, channel] : members) {
        if (channel.id.empty() || channel.length == 0) continue;
        channel.key = name;
        channels.push_back(channel);
    }
    std::optional<std::vector<cfg::Channel>> result = channels;
    UnsetWhenEmpty(result);
    return result;
}

cfg::OrvekConfiguration ExpectedAfterRoundTrip(const cfg::OrvekConfiguration& original) {
    cfg::OrvekConfiguration expected = original;
    expected.md5 = {};
    if (expected.network.type == cfg::NetworkType::UART) {
        expected.network = cfg::Network{};
    }
    expected.channels = ExpectedChannels(original.channels);
    UnsetWhenEmpty(expected.sequences);
    UnsetWhenEmpty(expected.bitmaps);
    UnsetWhenEmpty(expected.animationGroups);
    UnsetWhenEmpty(expected.sensors);
    if (expected.sensors) {
        for (auto& module : *expected.sensors) {
            if (module.customConfig && module.customConfig->empty()) module.customConfig.reset();
        }
    }
    return expected;
}

}  // namespace

TEST(RoundTripProperty, WriteThenReadKeepsEverythingButTheKnownDifferences) {
    constexpr int kConfigurations = 400;
    ConfigGenerator generator(20240611u);
    for (int i = 0; i < kConfigurations; ++i) {
        const cfg::OrvekConfiguration original = generator.Next();
        const std::string text = SerializeConfigToJson(original);
        const auto readBack = ParseConfig(text);
        ASSERT_TRUE(readBack) << "configuration " << i << ": " << text;
        ASSERT_TRUE(orvek::testing::ConfigsEqual(ExpectedAfterRoundTrip(original), *readBack))
            << "configuration " << i << ": " << text;
        // What the reader gives back is a fixed point: writing and reading it changes nothing.
        const auto again = ParseConfig(SerializeConfigToJson(*readBack));
        ASSERT_TRUE(again);
        ASSERT_TRUE(orvek::testing::ConfigsEqual(*readBack, *again)) << "configuration " << i;
    }
}

// The generator must reach the cases the property is about, or the property proves little.
TEST(RoundTripProperty, GeneratorCoversTheKnownDifferences) {
    ConfigGenerator generator(20240611u);
    int uart = 0, sharedNames = 0, skipped = 0, emptyModuleConfig = 0, emptyLists = 0, matrices = 0;
    for (int i = 0; i < 400; ++i) {
        const auto config = generator.Next();
        uart += config.network.type == cfg::NetworkType::UART;
        emptyLists += config.sequences && config.sequences->empty();
        if (config.channels) {
            std::set<std::string> names;
            for (const auto& channel : *config.channels) {
                sharedNames += !names.insert(channel.key.empty() ? channel.id : channel.key).second;
                skipped += channel.id.empty() || channel.length == 0;
                for (const auto& zone : channel.zones) matrices += zone.type == cfg::ZoneType::Matrix;
            }
        }
        for (const auto& module : config.sensors.value_or(std::vector<cfg::Module>{})) {
            emptyModuleConfig += module.customConfig && module.customConfig->empty();
        }
    }
    EXPECT_GT(uart, 20);
    EXPECT_GT(sharedNames, 20);
    EXPECT_GT(skipped, 20);
    EXPECT_GT(emptyModuleConfig, 20);
    EXPECT_GT(emptyLists, 20);
    EXPECT_GT(matrices, 20);
}
