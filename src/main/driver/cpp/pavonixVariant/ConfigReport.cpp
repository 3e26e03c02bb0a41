// The configuration report of pv_RequestConfig and the Java GetConfig.

#include "pavonixVariant/ConfigReport.h"

#include <nlohmann/json.hpp>

namespace orvek::internal::c_Pavonix {

namespace {

const char* OrientationWord(uint8_t orientation, uint8_t bit, const char* set, const char* clear) {
    return (orientation & bit) ? set : clear;
}

nlohmann::json ZoneReport(const Configuration::Zone& zone) {
    nlohmann::json entry;
    entry["id"] = zone.id;
    if (zone.type == Configuration::ZoneType::Strip) {
        entry["type"] = "Strip";
        entry["length"] = zone.strip.length;
        entry["reversed"] = zone.strip.reversed;
        return entry;
    }
    const uint8_t orientation = zone.matrix.orientation;
    entry["type"] = "Matrix";
    entry["rows"] = zone.matrix.rows;
    entry["cols"] = zone.matrix.cols;
    entry["orientation"] = {
        {"cornerTopBottom", OrientationWord(orientation, 1, "bottom", "top")},
        {"cornerLeftRight", OrientationWord(orientation, 2, "right", "left")},
        {"axisLayout", OrientationWord(orientation, 4, "cols", "rows")},
        {"sequenceLayout", OrientationWord(orientation, 8, "zigzag", "progressive")},
    };
    return entry;
}

nlohmann::json ChannelReport(const Configuration::Channel& channel) {
    nlohmann::json entry;
    entry["id"] = channel.id;
    entry["length"] = channel.length;
    if (channel.brightness) {
        entry["brightness"] = *channel.brightness;
    }
    entry["zones"] = nlohmann::json::array();
    for (const auto& zone : channel.zones) {
        entry["zones"].push_back(ZoneReport(zone));
    }
    return entry;
}
}  // namespace

std::string ChannelsReport(const std::vector<Configuration::Channel>& channels) {
    nlohmann::json members = nlohmann::json::object();
    for (const auto& channel : channels) {
        members[channel.key.empty() ? channel.id : channel.key] = ChannelReport(channel);
    }
    const nlohmann::json report = {{"channels", std::move(members)}};
    // Names that are not valid UTF-8 (a Java caller's modified UTF-8 can give
    // such bytes) are written with replacement characters instead of throwing
    // through the C face.
    return report.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace orvek::internal::c_Pavonix
