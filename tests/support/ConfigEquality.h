#pragma once
// Field-by-field equality of configuration records for tests, naming the first difference
// ("channels[1].zones[0].matrix.rows: 8 != 9"). Only the meaningful alternative of a union
// is compared: the I2C address of an I2C network, the baud rate of a UART network, the strip
// or matrix fields that the zone's type names (a type other than Strip compares as a matrix).
//
//   EXPECT_TRUE(orvek::testing::ConfigsEqual(expected, actual));

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <sstream>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <variant>
#include <vector>

#include <orvek/configuration/Configuration.h>

namespace orvek::testing {

namespace config_equality_detail {

namespace cfg = internal::Configuration;

template <typename T>
struct IsOptional : std::false_type {};
template <typename T>
struct IsOptional<std::optional<T>> : std::true_type {};

// Collects the path of the first difference found; later comparisons are skipped.
class Comparer {
public:
    bool failed() const { return !m_difference.empty(); }
    const std::string& difference() const { return m_difference; }

    template <typename T>
    void Field(const std::string& path, const T& expected, const T& actual) {
        if (failed() || expected == actual) {
            return;
        }
        std::ostringstream out;
        out << path << ": " << Show(expected) << " != " << Show(actual);
        m_difference = out.str();
    }

    template <typename T, typename CompareFn>
    void Optional(const std::string& path, const std::optional<T>& expected, const std::optional<T>& actual,
                  CompareFn compare) {
        if (failed()) {
            return;
        }
        if (expected.has_value() != actual.has_value()) {
            m_difference = path + ": " + (expected ? "set" : "unset") + " != " + (actual ? "set" : "unset");
            return;
        }
        if (expected) {
            compare(path, *expected, *actual);
        }
    }

    template <typename T, typename CompareFn>
    void List(const std::string& path, const std::vector<T>& expected, const std::vector<T>& actual,
              CompareFn compare) {
        Field(path + ".size()", expected.size(), actual.size());
        for (size_t i = 0; i < expected.size() && !failed(); ++i) {
            compare(path + "[" + std::to_string(i) + "]", expected[i], actual[i]);
        }
    }

private:
    template <typename T>
    static std::string Show(const T& value) {
        std::ostringstream out;
        if constexpr (IsOptional<T>::value) {
            return value ? Show(*value) : std::string("unset");
        } else if constexpr (std::is_same_v<T, std::string>) {
            out << '"' << value << '"';
        } else if constexpr (std::is_enum_v<T>) {
            out << static_cast<long long>(value);
        } else if constexpr (std::is_same_v<T, uint8_t> || std::is_same_v<T, bool>) {
            out << static_cast<int>(value);
        } else if constexpr (std::is_same_v<T, cfg::ModuleConfigValue>) {
            out << "alternative " << value.index() << " ";
            std::visit([&](const auto& v) { out << v; }, value);
        } else if constexpr (std::is_same_v<T, std::array<uint8_t, 16>>) {
            for (uint8_t byte : value) out << static_cast<int>(byte) << ' ';
        } else {
            out << value;
        }
        return out.str();
    }

    std::string m_difference;
};

inline void CompareZone(Comparer& c, const std::string& path, const cfg::Zone& e, const cfg::Zone& a) {
    c.Field(path + ".type", e.type, a.type);
    c.Field(path + ".id", e.id, a.id);
    c.Field(path + ".brightness", e.brightness, a.brightness);
    if (c.failed()) return;
    if (e.type == cfg::ZoneType::Strip) {
        c.Field(path + ".strip.length", e.strip.length, a.strip.length);
        c.Field(path + ".strip.reversed", e.strip.reversed, a.strip.reversed);
    } else {
        c.Field(path + ".matrix.rows", e.matrix.rows, a.matrix.rows);
        c.Field(path + ".matrix.cols", e.matrix.cols, a.matrix.cols);
        c.Field(path + ".matrix.orientation", e.matrix.orientation, a.matrix.orientation);
    }
}

inline void CompareChannel(Comparer& c, const std::string& path, const cfg::Channel& e, const cfg::Channel& a) {
    c.Field(path + ".key", e.key, a.key);
    c.Field(path + ".id", e.id, a.id);
    c.Field(path + ".length", e.length, a.length);
    c.Field(path + ".brightness", e.brightness, a.brightness);
    c.List(path + ".zones", e.zones, a.zones,
           [&](const std::string& p, const cfg::Zone& ez, const cfg::Zone& az) { CompareZone(c, p, ez, az); });
}

inline void CompareStep(Comparer& c, const std::string& path, const cfg::Animation& e, const cfg::Animation& a) {
    c.Field(path + ".id", e.id, a.id);
    c.Field(path + ".reversed", e.reversed, a.reversed);
    c.Field(path + ".delay", e.delay, a.delay);
    c.Optional(path + ".color", e.color, a.color,
               [&](const std::string& p, const internal::domain::Color& ec, const internal::domain::Color& ac) {
                   c.Field(p + ".r", ec.r, ac.r);
                   c.Field(p + ".g", ec.g, ac.g);
                   c.Field(p + ".b", ec.b, ac.b);
               });
    c.Field(path + ".repeatCount", e.repeatCount, a.repeatCount);
}

inline void CompareSequence(Comparer& c, const std::string& path, const cfg::AnimationSequence& e,
                            const cfg::AnimationSequence& a) {
    c.Field(path + ".id", e.id, a.id);
    c.List(
        path + ".steps", e.steps, a.steps,
        [&](const std::string& p, const cfg::Animation& es, const cfg::Animation& as) { CompareStep(c, p, es, as); });
}

inline void CompareBitmap(Comparer& c, const std::string& path, const cfg::Bitmap& e, const cfg::Bitmap& a) {
    c.Field(path + ".id", e.id, a.id);
    c.Field(path + ".type", e.type, a.type);
    c.Field(path + ".path", e.path, a.path);
    c.Field(path + ".folder", e.folder, a.folder);
    c.Field(path + ".frameDelay", e.frameDelay, a.frameDelay);
}

inline void CompareModule(Comparer& c, const std::string& path, const cfg::Module& e, const cfg::Module& a) {
    c.Field(path + ".id", e.id, a.id);
    c.Field(path + ".type", e.type, a.type);
    c.Field(path + ".pollingRateMs", e.pollingRateMs, a.pollingRateMs);
    c.Field(path + ".connectionType", e.connectionType, a.connectionType);
    using Map = std::unordered_map<std::string, cfg::ModuleConfigValue>;
    c.Optional(path + ".customConfig", e.customConfig, a.customConfig,
               [&](const std::string& p, const Map& em, const Map& am) {
                   c.Field(p + ".size()", em.size(), am.size());
                   for (const auto& [key, value] : em) {
                       const auto found = am.find(key);
                       if (found == am.end()) {
                           c.Field(p + " has key", key, std::string());
                           return;
                       }
                       c.Field(p + "[\"" + key + "\"]", value, found->second);
                   }
               });
}

inline void CompareGroup(Comparer& c, const std::string& path, const cfg::AnimationGroup& e,
                         const cfg::AnimationGroup& a) {
    c.Field(path + ".id", e.id, a.id);
    c.Field(path + ".zoneIds.size()", e.zoneIds.size(), a.zoneIds.size());
    for (size_t i = 0; i < e.zoneIds.size() && !c.failed(); ++i) {
        c.Field(path + ".zoneIds[" + std::to_string(i) + "]", e.zoneIds[i], a.zoneIds[i]);
    }
}

inline void CompareNetwork(Comparer& c, const cfg::Network& e, const cfg::Network& a) {
    c.Field("network.type", e.type, a.type);
    if (c.failed()) return;
    if (e.type == cfg::NetworkType::I2C) {
        c.Field("network.i2c.address", e.i2c.address, a.i2c.address);
    } else if (e.type == cfg::NetworkType::UART) {
        c.Field("network.uart.baud", e.uart.baud, a.uart.baud);
    }
}

// Compares an optional list element by element with `compare`.
template <typename T, typename CompareFn>
void CompareOptionalList(Comparer& c, const std::string& path, const std::optional<std::vector<T>>& e,
                         const std::optional<std::vector<T>>& a, CompareFn compare) {
    c.Optional(path, e, a, [&](const std::string& p, const std::vector<T>& el, const std::vector<T>& al) {
        c.List(p, el, al, [&](const std::string& q, const T& x, const T& y) { compare(c, q, x, y); });
    });
}

}  // namespace config_equality_detail

// Succeeds when every meaningful field is equal, md5 included; else names the first difference.
inline ::testing::AssertionResult ConfigsEqual(const internal::Configuration::OrvekConfiguration& expected,
                                               const internal::Configuration::OrvekConfiguration& actual) {
    using namespace config_equality_detail;
    Comparer c;
    c.Field("md5", expected.md5, actual.md5);
    c.Field("teamNumber", expected.teamNumber, actual.teamNumber);
    CompareNetwork(c, expected.network, actual.network);
    CompareOptionalList(c, "channels", expected.channels, actual.channels, CompareChannel);
    CompareOptionalList(c, "sequences", expected.sequences, actual.sequences, CompareSequence);
    CompareOptionalList(c, "bitmaps", expected.bitmaps, actual.bitmaps, CompareBitmap);
    CompareOptionalList(c, "animationGroups", expected.animationGroups, actual.animationGroups, CompareGroup);
    CompareOptionalList(c, "sensors", expected.sensors, actual.sensors, CompareModule);
    if (c.failed()) {
        return ::testing::AssertionFailure() << c.difference();
    }
    return ::testing::AssertionSuccess();
}

}  // namespace orvek::testing
