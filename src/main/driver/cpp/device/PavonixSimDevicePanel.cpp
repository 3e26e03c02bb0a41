// The read-only lists behind the panel's drop-downs; each call returns a fresh
// copy so the panel never draws while holding a device lock.

#include "device/PavonixSimDevice.h"

#include <algorithm>
#include <tuple>

#include <orvek/led/BuiltInAnimations.h>

namespace orvek::internal {

namespace {

// By name as unsigned bytes (std::string compares through char_traits<char>,
// which orders bytes as unsigned char; a prefix comes first), then by id.
void SortSummaries(std::vector<PavonixSimDevice::Summary>& summaries) {
    std::sort(summaries.begin(), summaries.end(),
              [](const PavonixSimDevice::Summary& a, const PavonixSimDevice::Summary& b) {
                  return std::tie(a.second, a.first) < std::tie(b.second, b.first);
              });
}

}  // namespace

std::vector<std::string> PavonixSimDevice::GetAnimationNames() const {
    std::lock_guard uiLock(m_uiStateMutex);
    if (!m_animationNamesCached) {
        m_cachedAnimationNames.clear();
        m_cachedAnimationNames.emplace_back("None");
        for (const auto& animation : Animation::BuiltInAnimations) {
            if (animation.id != "NONE") {
                m_cachedAnimationNames.emplace_back(animation.id);
            }
        }
        m_animationNamesCached = true;
    }
    return m_cachedAnimationNames;
}

std::vector<PavonixSimDevice::Summary> PavonixSimDevice::GetSequenceSummaries() const {
    std::vector<Summary> summaries;
    {
        // ApplyConfiguration is the only writer of m_sequenceDefs and holds this lock
        // while it writes, so this lock alone keeps the read whole.
        std::lock_guard configLock(m_configMutex);
        summaries.reserve(m_sequenceDefs.size());
        for (const auto& [id, definition] : m_sequenceDefs) {
            summaries.emplace_back(id, definition.name);
        }
    }
    SortSummaries(summaries);
    return summaries;
}

std::vector<PavonixSimDevice::Summary> PavonixSimDevice::GetBitmapSummaries() const {
    std::vector<Summary> summaries;
    {
        std::lock_guard configLock(m_configMutex);
        summaries.reserve(m_bitmapConfig.size());
        for (const auto& [id, bitmap] : m_bitmapConfig) {
            summaries.emplace_back(id, bitmap.id);
        }
    }
    SortSummaries(summaries);
    return summaries;
}

}  // namespace orvek::internal
