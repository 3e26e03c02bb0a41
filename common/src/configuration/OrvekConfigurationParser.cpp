// The configuration JSON reader.
//
// Index
//   1. Member reads: number, boolean, 16-bit count, byte clamp
//   2. Network and team
//   3. Channels and zones
//   4. Sequences and their steps
//   5. Bitmaps
//   6. Sensor modules
//   7. Groups
//   8. ParseConfig
//
// Every element reader drops its element (empty optional) at the first required member
// that is missing or of the wrong kind; only the typed reads below may throw.
#include <orvek/configuration/OrvekConfigurationParser.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include <orvek/util/logging/ConsoleLogger.h>

namespace orvek::config {
namespace {

using nlohmann::json;
namespace cfg = internal::Configuration;

constexpr const char* kLogKey = "OrvekConfigurationParser";

// ---------------------------------------------------------------------------
// 1. Member reads
// ---------------------------------------------------------------------------

const json* FindMember(const json& object, const char* name) {
    const auto it = object.find(name);
    return it == object.end() ? nullptr : &*it;
}

// A float beyond the int32 range saturates; casting it directly would be undefined.
int32_t TruncateToInt32(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
        return std::numeric_limits<int32_t>::min();
    }
    if (value >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
        return std::numeric_limits<int32_t>::max();
    }
    return static_cast<int32_t>(value);
}

// Integers wrap modulo 2^32, floats truncate toward zero, booleans give 0 or 1; any other
// kind raises the library's own type_error 302 "type must be number, but is ...".
int32_t NumberValue(const json& value) {
    switch (value.type()) {
        case json::value_t::number_integer: return static_cast<int32_t>(value.get<int64_t>());
        case json::value_t::number_unsigned: return static_cast<int32_t>(value.get<uint64_t>());
        case json::value_t::number_float: return TruncateToInt32(value.get<double>());
        case json::value_t::boolean: return value.get<bool>() ? 1 : 0;
        default: return value.get<int32_t>();  // throws for every remaining kind
    }
}

int32_t ReadNumber(const json& object, const char* name, int32_t fallback) {
    const json* member = FindMember(object, name);
    return member ? NumberValue(*member) : fallback;
}

// Raises type_error 302 "type must be boolean, but is ..." for any other kind.
bool ReadBoolean(const json& object, const char* name, bool fallback) {
    const json* member = FindMember(object, name);
    return member ? member->get<bool>() : fallback;
}

// Negative values become 0; the rest keep their low 16 bits (65536 -> 0, 70000 -> 4464).
uint16_t ToCount16(int32_t value) { return static_cast<uint16_t>(value < 0 ? 0 : value); }

uint16_t ReadCount16(const json& object, const char* name) { return ToCount16(ReadNumber(object, name, 0)); }

// min(value, 255) raised to at least 0.
uint8_t ClampByte(int value) { return static_cast<uint8_t>(value < 0 ? 0 : (value > 255 ? 255 : value)); }

// The 32-bit value of an integer member, or nothing for any other kind.
std::optional<int32_t> ReadInteger(const json& object, const char* name) {
    const json* member = FindMember(object, name);
    if (member == nullptr || !member->is_number_integer()) {
        return std::nullopt;
    }
    return NumberValue(*member);
}

std::optional<uint8_t> ReadClampedByte(const json& object, const char* name) {
    const auto value = ReadInteger(object, name);
    return value ? std::optional<uint8_t>(ClampByte(*value)) : std::nullopt;
}

const std::string* ReadString(const json& object, const char* name) {
    const json* member = FindMember(object, name);
    return member && member->is_string() ? member->get_ptr<const std::string*>() : nullptr;
}

// The "id" of an element that is an object with a string "id"; null means drop the element.
const std::string* RequiredId(const json& element) { return element.is_object() ? ReadString(element, "id") : nullptr; }

// Reads every element of an array member with `parse`, keeping those it returns; nothing
// when the member is missing, not an array or kept no element.
template <typename Record, typename ParseElement>
std::optional<std::vector<Record>> ReadList(const json& root, const char* name, ParseElement parse) {
    const json* member = FindMember(root, name);
    if (member == nullptr || !member->is_array()) {
        return std::nullopt;
    }
    std::vector<Record> records;
    for (const json& element : *member) {
        if (auto record = parse(element)) {
            records.push_back(std::move(*record));
        }
    }
    if (records.empty()) {
        return std::nullopt;
    }
    return records;
}

// ---------------------------------------------------------------------------
// 2. Network and team
// ---------------------------------------------------------------------------

cfg::Network ParseNetwork(const json& root) {
    cfg::Network network;
    const json* member = FindMember(root, "network");
    if (member == nullptr || !member->is_object()) {
        return network;
    }
    // The baud rate is never read, so a UART network reads as USB.
    if (const std::string* mode = ReadString(*member, "mode")) {
        if (*mode == "I2C" || *mode == "i2c") {
            network.type = cfg::NetworkType::I2C;
        } else if (*mode == "CAN" || *mode == "can") {
            network.type = cfg::NetworkType::CAN;
        }
    }
    if (network.type == cfg::NetworkType::I2C) {
        network.i2c.address = static_cast<uint8_t>(ReadInteger(*member, "address").value_or(0));
    }
    return network;
}

// ---------------------------------------------------------------------------
// 3. Channels and zones
// ---------------------------------------------------------------------------

uint8_t ParseOrientation(const json& zone) {
    const json* orientation = FindMember(zone, "orientation");
    if (orientation == nullptr || !orientation->is_object()) {
        return 0;
    }
    const auto bitFor = [&](const char* name, const char* word, uint8_t bit) -> uint8_t {
        const std::string* value = ReadString(*orientation, name);
        return value && *value == word ? bit : 0;
    };
    return bitFor("cornerTopBottom", "bottom", cfg::MatrixOrientation::kStartBottom) |
           bitFor("cornerLeftRight", "right", cfg::MatrixOrientation::kStartRight) |
           bitFor("axisLayout", "cols", cfg::MatrixOrientation::kColumnAxis) |
           bitFor("sequenceLayout", "zigzag", cfg::MatrixOrientation::kZigzag);
}

std::optional<cfg::Zone> ParseZone(const json& element) {
    const std::string* id = RequiredId(element);
    if (id == nullptr) {
        return std::nullopt;
    }
    cfg::Zone zone{};
    zone.id = *id;
    zone.brightness = ReadClampedByte(element, "brightness");

    const std::string* type = ReadString(element, "type");
    if (type != nullptr && (*type == "strip" || *type == "Strip")) {
        zone.type = cfg::ZoneType::Strip;
        const uint16_t length = ReadCount16(element, "length");
        const bool reversed = ReadBoolean(element, "reversed", false);
        zone.strip = cfg::ZoneStrip{length, reversed};
    } else if (type != nullptr && (*type == "matrix" || *type == "Matrix")) {
        zone.type = cfg::ZoneType::Matrix;
        const uint16_t rows = ReadCount16(element, "rows");
        const uint16_t cols = ReadCount16(element, "cols");
        zone.matrix = cfg::ZoneMatrix{rows, cols, ParseOrientation(element)};
    } else {
        return std::nullopt;
    }
    return zone;
}

// A channel without a name or without LEDs is skipped before its other members are read.
std::optional<cfg::Channel> ParseChannel(const std::string& key, const json& value) {
    if (!value.is_object()) {
        return std::nullopt;
    }
    cfg::Channel channel;
    channel.key = key;
    const std::string* id = ReadString(value, "id");
    channel.id = id ? *id : key;
    channel.length = ReadCount16(value, "length");
    if (channel.id.empty() || channel.length == 0) {
        return std::nullopt;
    }
    channel.brightness = ReadClampedByte(value, "brightness");
    channel.zones = ReadList<cfg::Zone>(value, "zones", ParseZone).value_or(std::vector<cfg::Zone>{});
    return channel;
}

// Channels come in the key order of the JSON object, not in the order of the text.
std::optional<std::vector<cfg::Channel>> ParseChannels(const json& root) {
    const json* member = FindMember(root, "channels");
    if (member == nullptr || !member->is_object()) {
        return std::nullopt;
    }
    std::vector<cfg::Channel> channels;
    for (const auto& [key, value] : member->items()) {
        if (auto channel = ParseChannel(key, value)) {
            channels.push_back(std::move(*channel));
        }
    }
    if (channels.empty()) {
        return std::nullopt;
    }
    return channels;
}

// ---------------------------------------------------------------------------
// 4. Sequences and their steps
// ---------------------------------------------------------------------------

// All three channels must be present; each is read as a number and clamped to 0..255.
std::optional<internal::domain::Color> ParseStepColor(const json& step) {
    const json* color = FindMember(step, "color");
    if (color == nullptr || !color->is_object() || !color->contains("r") || !color->contains("g") ||
        !color->contains("b")) {
        return std::nullopt;
    }
    const uint8_t r = ClampByte(ReadNumber(*color, "r", 0));
    const uint8_t g = ClampByte(ReadNumber(*color, "g", 0));
    const uint8_t b = ClampByte(ReadNumber(*color, "b", 0));
    return internal::domain::Color(r, g, b);
}

std::optional<cfg::Animation> ParseAnimation(const json& element) {
    if (!element.is_object()) {
        return std::nullopt;
    }
    cfg::Animation step{};
    const std::string* id = ReadString(element, "animationId");
    if (id == nullptr) {
        return std::nullopt;
    }
    step.id = *id;
    step.delay = ReadCount16(element, "delay");
    step.reversed = ReadBoolean(element, "reversed", false);
    step.color = ParseStepColor(element);
    step.repeatCount = ReadClampedByte(element, "repeat");
    return step;
}

// A sequence whose steps all fail stays, with no steps.
std::optional<cfg::AnimationSequence> ParseSequence(const json& element) {
    const std::string* id = RequiredId(element);
    if (id == nullptr) {
        return std::nullopt;
    }
    cfg::AnimationSequence sequence;
    sequence.id = *id;
    sequence.steps = ReadList<cfg::Animation>(element, "steps", ParseAnimation).value_or(std::vector<cfg::Animation>{});
    return sequence;
}

// ---------------------------------------------------------------------------
// 5. Bitmaps
// ---------------------------------------------------------------------------

std::optional<cfg::Bitmap> ParseBitmap(const json& element) {
    const std::string* id = RequiredId(element);
    if (id == nullptr) {
        return std::nullopt;
    }
    cfg::Bitmap bitmap;
    bitmap.id = *id;
    const json* typeMember = FindMember(element, "type");
    // A present "type" of another kind raises type_error 302 "type must be string, ...".
    const std::string type = typeMember ? typeMember->get<std::string>() : std::string("static");
    if (type == "animated" || type == "Animated") {
        bitmap.type = cfg::BitmapType::Animated;
        if (const std::string* folder = ReadString(element, "folder")) {
            bitmap.folder = *folder;
        }
        if (const auto delay = ReadInteger(element, "delay")) {
            bitmap.frameDelay = ToCount16(*delay);
        }
    } else {
        bitmap.type = cfg::BitmapType::Static;
        if (const std::string* path = ReadString(element, "path")) {
            bitmap.path = *path;
        }
    }
    return bitmap;
}

// ---------------------------------------------------------------------------
// 6. Sensor modules
// ---------------------------------------------------------------------------

internal::ModuleInfo::ModuleConnectionType ParseConnection(const json& element) {
    using internal::ModuleInfo::ModuleConnectionType;
    const std::string* word = ReadString(element, "connection");
    if (word == nullptr) {
        return ModuleConnectionType::I2C;
    }
    if (*word == "SPI") return ModuleConnectionType::SPI;
    if (*word == "UART") return ModuleConnectionType::UART;
    if (*word == "DIO") return ModuleConnectionType::DIO;
    if (*word == "AIO") return ModuleConnectionType::AIO;
    return ModuleConnectionType::I2C;
}

// Kinds are tested string, boolean, integer, float; null, arrays and objects are skipped.
std::optional<cfg::ModuleConfigValue> ParseConfigValue(const json& value) {
    if (value.is_string()) {
        return cfg::ModuleConfigValue(value.get<std::string>());
    }
    if (value.is_boolean()) {
        return cfg::ModuleConfigValue(value.get<bool>());
    }
    if (value.is_number_unsigned()) {
        return cfg::ModuleConfigValue(value.get<uint64_t>());
    }
    if (value.is_number_integer()) {
        // Negative values wrap modulo 2^64: -1 is the largest uint64.
        return cfg::ModuleConfigValue(static_cast<uint64_t>(value.get<int64_t>()));
    }
    if (value.is_number_float()) {
        return cfg::ModuleConfigValue(value.get<double>());
    }
    return std::nullopt;
}

void ParseCustomConfig(const json& element, cfg::Module& module) {
    const json* config = FindMember(element, "config");
    if (config == nullptr || !config->is_object()) {
        return;
    }
    std::unordered_map<std::string, cfg::ModuleConfigValue> entries;
    for (const auto& [name, value] : config->items()) {
        if (auto entry = ParseConfigValue(value)) {
            entries.emplace(name, std::move(*entry));
        }
    }
    if (!entries.empty()) {
        module.customConfig = std::move(entries);
    }
}

std::optional<cfg::Module> ParseModule(const json& element) {
    const std::string* id = RequiredId(element);
    if (id == nullptr) {
        return std::nullopt;
    }
    const std::string* type = ReadString(element, "type");
    if (type == nullptr) {
        return std::nullopt;
    }
    cfg::Module module;
    module.id = *id;
    module.type = *type;
    module.pollingRateMs = ReadCount16(element, "pollingRateMs");
    module.connectionType = ParseConnection(element);
    ParseCustomConfig(element, module);
    return module;
}

// ---------------------------------------------------------------------------
// 7. Groups
// ---------------------------------------------------------------------------

// A group without a usable "zoneIds" stays, with no zones.
std::optional<cfg::AnimationGroup> ParseGroup(const json& element) {
    const std::string* id = RequiredId(element);
    if (id == nullptr) {
        return std::nullopt;
    }
    cfg::AnimationGroup group;
    group.id = *id;
    if (const json* zoneIds = FindMember(element, "zoneIds"); zoneIds && zoneIds->is_array()) {
        for (const json& zoneId : *zoneIds) {
            if (zoneId.is_string()) {
                group.zoneIds.push_back(zoneId.get<std::string>());
            }
        }
    }
    return group;
}

}  // namespace

// ---------------------------------------------------------------------------
// 8. ParseConfig
// ---------------------------------------------------------------------------

std::optional<internal::Configuration::OrvekConfiguration> ParseConfig(const nlohmann::json& root) {
    cfg::OrvekConfiguration config;
    if (!root.is_object()) {
        return config;
    }
    config.network = ParseNetwork(root);
    if (const std::string* team = ReadString(root, "team")) {
        config.teamNumber = *team;
    }
    config.channels = ParseChannels(root);
    config.sequences = ReadList<cfg::AnimationSequence>(root, "sequences", ParseSequence);
    config.bitmaps = ReadList<cfg::Bitmap>(root, "bitmaps", ParseBitmap);
    config.sensors = ReadList<cfg::Module>(root, "sensors", ParseModule);
    config.animationGroups = ReadList<cfg::AnimationGroup>(root, "groups", ParseGroup);
    return config;
}

std::optional<internal::Configuration::OrvekConfiguration> ParseConfig(const std::string& text) {
    // One pass without exceptions accepts exactly the texts that json::accept(text, false)
    // accepts (same lexer and grammar) and spares a second scan of the whole text.
    const json root = json::parse(text, nullptr, /*allow_exceptions=*/false, /*ignore_comments=*/false);
    if (root.is_discarded()) {
        internal::ILogger& logger = internal::ConsoleLogger::getInstance();
        logger.logError(kLogKey, "%s", "Invalid JSON text provided");
        return std::nullopt;
    }
    return ParseConfig(root);
}

}  // namespace orvek::config
