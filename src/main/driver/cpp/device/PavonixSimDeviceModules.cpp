// Module field layouts and the per-module store of injected data records.

#include "device/PavonixSimDevice.h"

namespace orvek::internal {

namespace {

using module::FieldType;
using module::ModuleFieldDescriptor;

constexpr size_t kMaxRecordsPerModule = 64;

// The layouts of the module types the device knows without registration.
const std::vector<ModuleFieldDescriptor>* BuiltInLayout(const std::string& moduleType) {
    static const std::vector<ModuleFieldDescriptor> kDigitalInput{{"state", FieldType::kUInt8}};
    static const std::vector<ModuleFieldDescriptor> kVL53L1X{{"valid", FieldType::kUInt8},
                                                             {"dist", FieldType::kUInt16}};
    if (moduleType == "DigitalInput") {
        return &kDigitalInput;
    }
    if (moduleType == "VL53L1X") {
        return &kVL53L1X;
    }
    return nullptr;
}

}  // namespace

void PavonixSimDevice::RegisterModuleDescriptor(const std::string& moduleType,
                                                std::vector<ModuleFieldDescriptor> fields) {
    std::lock_guard descriptorLock(m_moduleDescriptorMutex);
    m_moduleTypeDescriptors[moduleType] = std::move(fields);
}

std::vector<pavonix::sim::ConfiguredModule> PavonixSimDevice::GetConfiguredModules() const {
    std::vector<std::pair<std::string, std::string>> configured;
    {
        std::lock_guard configLock(m_configMutex);
        configured = m_moduleConfig;
    }
    std::vector<pavonix::sim::ConfiguredModule> modules;
    modules.reserve(configured.size());
    std::lock_guard descriptorLock(m_moduleDescriptorMutex);
    for (auto& [id, type] : configured) {
        pavonix::sim::ConfiguredModule entry{std::move(id), std::move(type), {}};
        const auto registered = m_moduleTypeDescriptors.find(entry.type);
        if (registered != m_moduleTypeDescriptors.end()) {
            entry.fields = registered->second;
        } else if (const auto* builtIn = BuiltInLayout(entry.type)) {
            entry.fields = *builtIn;
        }
        modules.push_back(std::move(entry));
    }
    return modules;
}

void PavonixSimDevice::InjectModuleData(const std::string& moduleKey, uint16_t unitId, std::vector<uint8_t> payload) {
    std::lock_guard dataLock(m_moduleDataMutex);
    std::vector<ModuleRecord>& records = m_moduleData[moduleKey];
    if (records.size() >= kMaxRecordsPerModule) {
        records.erase(records.begin());
    }
    records.emplace_back(unitId, std::move(payload));
}

std::optional<PavonixSimDevice::ModuleRecord> PavonixSimDevice::PeekLastModuleData(const std::string& moduleKey) const {
    std::lock_guard dataLock(m_moduleDataMutex);
    const auto found = m_moduleData.find(moduleKey);
    if (found == m_moduleData.end() || found->second.empty()) {
        return std::nullopt;
    }
    return found->second.back();
}

bool PavonixSimDevice::TryPopModuleData(const std::string& moduleKey, std::vector<ModuleRecord>& out) {
    std::lock_guard dataLock(m_moduleDataMutex);
    const auto found = m_moduleData.find(moduleKey);
    if (found == m_moduleData.end() || found->second.empty()) {
        return false;
    }
    // Whatever the caller left in `out` stays with the key rather than being lost;
    // a caller passing an empty list leaves the key empty.
    found->second.swap(out);
    return true;
}

}  // namespace orvek::internal
