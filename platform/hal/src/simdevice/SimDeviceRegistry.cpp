#include "SimDeviceRegistry.h"

#include <algorithm>
#include <climits>

namespace hal::detail {

SimDeviceRegistry& SimDeviceRegistry::Instance() {
    static SimDeviceRegistry registry;
    return registry;
}

// Handles are never handed out twice within the life of the process, so a
// handle kept past a free or a reset can only miss. Call with the lock held.
HAL_Handle SimDeviceRegistry::NextHandle_() {
    if (m_lastHandle == INT32_MAX) return HAL_kInvalidHandle;  // exhausted: creation fails
    return ++m_lastHandle;
}

// Call with the lock held.
bool SimDeviceRegistry::ConsumeValueFailure_(const std::string& name) {
    auto rule = m_valueFailuresPending.find(name);
    if (rule == m_valueFailuresPending.end()) return false;
    if (--rule->second <= 0) m_valueFailuresPending.erase(rule);
    return true;
}

// Call with the lock held.
SimDeviceRegistry::Value* SimDeviceRegistry::FindValue_(HAL_SimValueHandle handle) {
    auto found = m_values.find(handle);
    return found == m_values.end() ? nullptr : &found->second;
}

HAL_SimDeviceHandle SimDeviceRegistry::CreateDevice(const char* name) {
    if (name == nullptr) return HAL_kInvalidHandle;
    std::lock_guard lock(m_mutex);
    if (m_deviceFailuresPending > 0) {
        --m_deviceFailuresPending;
        return HAL_kInvalidHandle;
    }
    for (const auto& [handle, device] : m_devices) {
        if (device.name == name) return HAL_kInvalidHandle;
    }
    HAL_SimDeviceHandle handle = NextHandle_();
    if (handle != HAL_kInvalidHandle) m_devices.emplace(handle, Device{name, {}});
    return handle;
}

void SimDeviceRegistry::FreeDevice(HAL_SimDeviceHandle device) {
    std::lock_guard lock(m_mutex);
    auto found = m_devices.find(device);
    if (found == m_devices.end()) return;
    for (HAL_SimValueHandle value : found->second.values) m_values.erase(value);
    m_devices.erase(found);
}

HAL_SimValueHandle SimDeviceRegistry::CreateValue(HAL_SimDeviceHandle device, const char* name, int32_t direction,
                                                  const HAL_Value& initial, std::vector<std::string> options) {
    if (name == nullptr) return HAL_kInvalidHandle;
    std::lock_guard lock(m_mutex);
    auto owner = m_devices.find(device);
    if (owner == m_devices.end()) return HAL_kInvalidHandle;
    if (ConsumeValueFailure_(name)) return HAL_kInvalidHandle;
    for (HAL_SimValueHandle existing : owner->second.values) {
        if (m_values.at(existing).name == name) return HAL_kInvalidHandle;
    }
    HAL_SimValueHandle handle = NextHandle_();
    if (handle == HAL_kInvalidHandle) return handle;
    m_values.emplace(handle, Value{device, name, direction, initial, std::move(options)});
    owner->second.values.push_back(handle);
    return handle;
}

HAL_Value SimDeviceRegistry::GetValue(HAL_SimValueHandle handle) {
    std::lock_guard lock(m_mutex);
    if (const Value* value = FindValue_(handle)) return value->value;
    HAL_Value none;
    none.type = HAL_UNASSIGNED;
    none.data.v_long = 0;
    return none;
}

void SimDeviceRegistry::SetValue(HAL_SimValueHandle handle, const HAL_Value& value) {
    std::lock_guard lock(m_mutex);
    Value* stored = FindValue_(handle);
    if (stored == nullptr || stored->value.type != value.type) return;
    stored->value = value;
}

HAL_SimDeviceHandle SimDeviceRegistry::FindDevice(const char* name) {
    if (name == nullptr) return HAL_kInvalidHandle;
    std::lock_guard lock(m_mutex);
    for (const auto& [handle, device] : m_devices) {
        if (device.name == name) return handle;
    }
    return HAL_kInvalidHandle;
}

HAL_SimValueHandle SimDeviceRegistry::FindValue(HAL_SimDeviceHandle device, const char* name) {
    if (name == nullptr) return HAL_kInvalidHandle;
    std::lock_guard lock(m_mutex);
    auto owner = m_devices.find(device);
    if (owner == m_devices.end()) return HAL_kInvalidHandle;
    for (HAL_SimValueHandle value : owner->second.values) {
        if (m_values.at(value).name == name) return value;
    }
    return HAL_kInvalidHandle;
}

int32_t SimDeviceRegistry::GetDirection(HAL_SimValueHandle handle) {
    std::lock_guard lock(m_mutex);
    const Value* value = FindValue_(handle);
    return value ? value->direction : -1;
}

std::vector<std::string> SimDeviceRegistry::GetEnumOptions(HAL_SimValueHandle handle) {
    std::lock_guard lock(m_mutex);
    const Value* value = FindValue_(handle);
    return value ? value->options : std::vector<std::string>{};
}

std::vector<std::string> SimDeviceRegistry::GetValueNames(HAL_SimDeviceHandle device) {
    std::lock_guard lock(m_mutex);
    std::vector<std::string> names;
    auto owner = m_devices.find(device);
    if (owner == m_devices.end()) return names;
    for (HAL_SimValueHandle value : owner->second.values) names.push_back(m_values.at(value).name);
    return names;
}

void SimDeviceRegistry::FailNextDeviceCreations(int32_t count) {
    std::lock_guard lock(m_mutex);
    m_deviceFailuresPending = std::max(count, 0);
}

void SimDeviceRegistry::FailNextValueCreations(const char* valueName, int32_t count) {
    if (valueName == nullptr) return;
    std::lock_guard lock(m_mutex);
    if (count > 0) {
        m_valueFailuresPending[valueName] = count;
    } else {
        m_valueFailuresPending.erase(valueName);
    }
}

void SimDeviceRegistry::Reset() {
    std::lock_guard lock(m_mutex);
    m_devices.clear();
    m_values.clear();
    m_deviceFailuresPending = 0;
    m_valueFailuresPending.clear();
}

}  // namespace hal::detail
