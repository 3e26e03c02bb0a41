// The LED tab's memory and the lists its forms choose from.

#include "ui/LedTabState.h"

#include <orvek/util/hashing/IDCreator.h>

#include "device/PavonixSimDevice.h"
#include "ui/StripAnimation.h"

namespace orvek::internal::ui {

namespace {

// "name (id)", or fallback for an unnamed entry.
void BuildSummaryLists(const std::vector<PavonixSimDevice::Summary>& summaries, const char* fallback,
                       std::vector<uint16_t>& ids, std::vector<std::string>& labels) {
    ids.clear();
    labels.resize(summaries.size());
    for (size_t i = 0; i < summaries.size(); ++i) {
        const auto& [id, name] = summaries[i];
        ids.push_back(id);
        labels[i].assign(name.empty() ? fallback : name).append(" (").append(std::to_string(id)).append(")");
    }
}

void BuildAnimationLists(PavonixSimDevice& device, LedTabLists& lists) {
    // The names never change while the process runs ("None" is always among
    // them): only the first frame asks the device and builds.
    if (!lists.animationLabels.empty()) return;
    const std::vector<std::string> names = device.GetAnimationNames();
    lists.animationComboToBuiltIn.clear();
    for (const std::string& name : names) {
        if (name == "NONE") continue;
        lists.animationLabels.push_back(name);
        lists.animationComboToBuiltIn.push_back(name == "None" ? -1 : BuiltInAnimationIndex(name));
    }
}

void BuildZoneEntry(const Configuration::Channel& channel, const Configuration::Zone& zone, ZoneEntry& entry) {
    entry.channel = &channel;
    entry.zone = &zone;
    entry.label.assign(channel.id).append(" / ").append(zone.id);
    if (zone.type == Configuration::ZoneType::Matrix) {
        entry.label.append(" (Matrix ")
            .append(std::to_string(zone.matrix.rows))
            .append("x")
            .append(std::to_string(zone.matrix.cols))
            .append(")");
    } else {
        entry.label.append(" (Strip)");
    }
    entry.stateKey.assign(channel.id).append(":").append(zone.id);
    // An id is an MD5 digest: a zone keeps its entry from frame to frame, so it
    // is worked out again only when the name in that place changes.
    if (entry.hashedName != zone.id || entry.hashedName.empty()) {
        entry.zoneHash = IDCreator::createId(zone.id);
        entry.hashedName = zone.id;
    }
}

}  // namespace

LedTabStatics& GetLedTabStatics() {
    static LedTabStatics statics;
    return statics;
}

void BuildLedTabLists(PavonixSimDevice& device, const std::vector<Configuration::Channel>& channels,
                      LedTabLists& lists) {
    BuildAnimationLists(device, lists);
    BuildSummaryLists(device.GetSequenceSummaries(), "Sequence", lists.sequenceIds, lists.sequenceLabels);
    BuildSummaryLists(device.GetBitmapSummaries(), "Bitmap", lists.bitmapIds, lists.bitmapLabels);

    size_t count = 0;
    for (const auto& channel : channels) count += channel.zones.size();
    lists.zones.resize(count);
    size_t next = 0;
    for (const auto& channel : channels) {
        for (const auto& zone : channel.zones) BuildZoneEntry(channel, zone, lists.zones[next++]);
    }
}

}  // namespace orvek::internal::ui
