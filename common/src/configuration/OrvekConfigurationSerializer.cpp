// The configuration JSON writer. Objects are insertion-ordered, so the order of the
// statements below is the order of the members in the text.
#include <orvek/configuration/OrvekConfigurationSerializer.h>

#include <variant>

#include <nlohmann/json.hpp>

namespace orvek::config {
namespace {

using nlohmann::ordered_json;
namespace cfg = internal::Configuration;

const char* NetworkTypeToString(cfg::NetworkType type) {
    switch (type) {
        case cfg::NetworkType::I2C: return "I2C";
        case cfg::NetworkType::CAN: return "CAN";
        case cfg::NetworkType::UART: return "UART";
        case cfg::NetworkType::USB:
        default: return "USB";
    }
}

const char* ConnectionToString(internal::ModuleInfo::ModuleConnectionType type) {
    using internal::ModuleInfo::ModuleConnectionType;
    switch (type) {
        case ModuleConnectionType::SPI: return "SPI";
        case ModuleConnectionType::UART: return "UART";
        case ModuleConnectionType::DIO: return "DIO";
        case ModuleConnectionType::AIO: return "AIO";
        case ModuleConnectionType::I2C:
        default: return "I2C";
    }
}

// An array of `toJson` of each record, in vector order.
template <typename Record, typename ToJsonFn>
ordered_json ArrayOf(const std::vector<Record>& records, ToJsonFn toJson) {
    ordered_json array = ordered_json::array();
    for (const Record& record : records) {
        array.push_back(toJson(record));
    }
    return array;
}

ordered_json NetworkToJson(const cfg::Network& network) {
    ordered_json json = ordered_json::object();
    json["mode"] = NetworkTypeToString(network.type);
    if (network.type == cfg::NetworkType::I2C) {
        json["address"] = network.i2c.address;
    } else if (network.type == cfg::NetworkType::UART) {
        json["baudRate"] = network.uart.baud;
    }
    return json;
}

// Both words of every pair are written; bits 4..7 have no word and are dropped.
ordered_json OrientationToJson(uint8_t orientation) {
    namespace bits = cfg::MatrixOrientation;
    ordered_json json = ordered_json::object();
    json["cornerTopBottom"] = (orientation & bits::kStartBottom) ? "bottom" : "top";
    json["cornerLeftRight"] = (orientation & bits::kStartRight) ? "right" : "left";
    json["axisLayout"] = (orientation & bits::kColumnAxis) ? "cols" : "rows";
    json["sequenceLayout"] = (orientation & bits::kZigzag) ? "zigzag" : "progressive";
    return json;
}

// Any type but Strip is written as a matrix.
ordered_json ToJson(const cfg::Zone& zone) {
    ordered_json json = ordered_json::object();
    json["id"] = zone.id;
    if (zone.brightness) {
        json["brightness"] = *zone.brightness;
    }
    if (zone.type == cfg::ZoneType::Strip) {
        json["type"] = "strip";
        json["length"] = zone.strip.length;
        json["reversed"] = zone.strip.reversed;
    } else {
        json["type"] = "matrix";
        json["rows"] = zone.matrix.rows;
        json["cols"] = zone.matrix.cols;
        json["orientation"] = OrientationToJson(zone.matrix.orientation);
    }
    return json;
}

ordered_json ToJson(const cfg::Animation& step) {
    ordered_json json = ordered_json::object();
    json["animationId"] = step.id;
    if (step.color) {
        json["color"] = ordered_json{{"r", step.color->r}, {"g", step.color->g}, {"b", step.color->b}};
    }
    json["delay"] = step.delay;
    json["reversed"] = step.reversed;
    if (step.repeatCount) {
        json["repeat"] = *step.repeatCount;
    }
    return json;
}

ordered_json ToJson(const cfg::Bitmap& bitmap) {
    ordered_json json = ordered_json::object();
    json["id"] = bitmap.id;
    if (bitmap.type == cfg::BitmapType::Animated) {
        json["type"] = "animated";
        if (bitmap.folder) {
            json["folder"] = *bitmap.folder;
        }
        if (bitmap.frameDelay) {
            json["delay"] = *bitmap.frameDelay;
        }
    } else {
        json["type"] = "static";
        if (bitmap.path) {
            json["path"] = *bitmap.path;
        }
    }
    return json;
}

ordered_json ToJson(const cfg::ModuleConfigValue& value) {
    return std::visit([](const auto& alternative) { return ordered_json(alternative); }, value);
}

// A set but empty custom configuration is written as an empty object.
ordered_json ToJson(const cfg::Module& module) {
    ordered_json json = ordered_json::object();
    json["id"] = module.id;
    json["type"] = module.type;
    json["pollingRateMs"] = module.pollingRateMs;
    json["connection"] = ConnectionToString(module.connectionType);
    if (module.customConfig) {
        ordered_json config = ordered_json::object();
        for (const auto& [name, value] : *module.customConfig) {
            config[name] = ToJson(value);
        }
        json["config"] = std::move(config);
    }
    return json;
}

ordered_json ChannelToJson(const cfg::Channel& channel) {
    ordered_json json = ordered_json::object();
    json["id"] = channel.id;
    json["length"] = channel.length;
    if (channel.brightness) {
        json["brightness"] = *channel.brightness;
    }
    json["zones"] = ArrayOf(channel.zones, [](const cfg::Zone& zone) { return ToJson(zone); });
    return json;
}

// A later channel with the same member name replaces the earlier one in its place.
ordered_json ChannelsToJson(const std::vector<cfg::Channel>& channels) {
    ordered_json json = ordered_json::object();
    for (const cfg::Channel& channel : channels) {
        json[channel.key.empty() ? channel.id : channel.key] = ChannelToJson(channel);
    }
    return json;
}

ordered_json SequenceToJson(const cfg::AnimationSequence& sequence) {
    ordered_json json = ordered_json::object();
    json["id"] = sequence.id;
    json["steps"] = ArrayOf(sequence.steps, [](const cfg::Animation& step) { return ToJson(step); });
    return json;
}

ordered_json GroupToJson(const cfg::AnimationGroup& group) {
    ordered_json json = ordered_json::object();
    json["id"] = group.id;
    json["zoneIds"] = group.zoneIds;
    return json;
}

// Writes `name` as an array of `toJson` of each element, unless the list is unset or empty.
template <typename Record, typename ToJsonFn>
void WriteList(ordered_json& root, const char* name, const std::optional<std::vector<Record>>& list, ToJsonFn toJson) {
    if (!list || list->empty()) {
        return;
    }
    root[name] = ArrayOf(*list, toJson);
}

}  // namespace

std::string SerializeConfigToJson(const internal::Configuration::OrvekConfiguration& config) {
    ordered_json root = ordered_json::object();
    if (config.teamNumber) {
        root["team"] = *config.teamNumber;
    }
    root["network"] = NetworkToJson(config.network);
    if (config.channels && !config.channels->empty()) {
        root["channels"] = ChannelsToJson(*config.channels);
    }
    WriteList(root, "sequences", config.sequences, SequenceToJson);
    WriteList(root, "bitmaps", config.bitmaps, [](const cfg::Bitmap& bitmap) { return ToJson(bitmap); });
    WriteList(root, "sensors", config.sensors, [](const cfg::Module& module) { return ToJson(module); });
    WriteList(root, "groups", config.animationGroups, GroupToJson);
    return root.dump(-1, ' ', /*ensure_ascii=*/false, ordered_json::error_handler_t::strict);
}

}  // namespace orvek::config
