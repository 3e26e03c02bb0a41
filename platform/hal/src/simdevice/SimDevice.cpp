// The C face of simulated devices: argument checks, then one forward each to
// the registry.

#include "SimDeviceRegistry.h"
#include "hal/simulation/SimDeviceControl.h"
#include "hal/simulation/SimDeviceData.h"

namespace {

using hal::detail::SimDeviceRegistry;

bool IsDirection(int32_t direction) {
    return direction == HAL_SimValueInput || direction == HAL_SimValueOutput || direction == HAL_SimValueBidir;
}

bool IsPlainType(HAL_Type type) {
    return type == HAL_BOOLEAN || type == HAL_DOUBLE || type == HAL_INT || type == HAL_LONG;
}

// Copies the option texts; false when any of them is missing.
bool CopyOptions(int32_t count, const char** options, std::vector<std::string>& out) {
    if (count < 0 || (count > 0 && options == nullptr)) return false;
    out.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        if (options[i] == nullptr) return false;
        out.emplace_back(options[i]);
    }
    return true;
}

}  // namespace

namespace hal::sim {

std::vector<std::string> GetSimValueEnumOptions(HAL_SimValueHandle handle) {
    return SimDeviceRegistry::Instance().GetEnumOptions(handle);
}

std::vector<std::string> GetSimValueNames(HAL_SimDeviceHandle device) {
    return SimDeviceRegistry::Instance().GetValueNames(device);
}

}  // namespace hal::sim

extern "C" {

HAL_SimDeviceHandle HAL_CreateSimDevice(const char* name) { return SimDeviceRegistry::Instance().CreateDevice(name); }

void HAL_FreeSimDevice(HAL_SimDeviceHandle handle) { SimDeviceRegistry::Instance().FreeDevice(handle); }

HAL_SimValueHandle HAL_CreateSimValue(HAL_SimDeviceHandle device, const char* name, int32_t direction,
                                      const HAL_Value* initialValue) {
    if (initialValue == nullptr || !IsDirection(direction) || !IsPlainType(initialValue->type)) {
        return HAL_kInvalidHandle;
    }
    return SimDeviceRegistry::Instance().CreateValue(device, name, direction, *initialValue, {});
}

HAL_SimValueHandle HAL_CreateSimValueEnum(HAL_SimDeviceHandle device, const char* name, int32_t direction,
                                          int32_t count, const char** options, int32_t initialValue) {
    std::vector<std::string> texts;
    if (!IsDirection(direction) || !CopyOptions(count, options, texts)) return HAL_kInvalidHandle;
    return SimDeviceRegistry::Instance().CreateValue(device, name, direction, HAL_MakeEnum(initialValue),
                                                     std::move(texts));
}

void HAL_GetSimValue(HAL_SimValueHandle handle, HAL_Value* value) {
    if (value != nullptr) *value = SimDeviceRegistry::Instance().GetValue(handle);
}

void HAL_SetSimValue(HAL_SimValueHandle handle, const HAL_Value* value) {
    if (value != nullptr) SimDeviceRegistry::Instance().SetValue(handle, *value);
}

HAL_SimDeviceHandle HALSIM_GetSimDeviceHandle(const char* name) {
    return SimDeviceRegistry::Instance().FindDevice(name);
}

HAL_SimValueHandle HALSIM_GetSimValueHandle(HAL_SimDeviceHandle device, const char* name) {
    return SimDeviceRegistry::Instance().FindValue(device, name);
}

int32_t HALSIM_GetSimValueDirection(HAL_SimValueHandle handle) {
    return SimDeviceRegistry::Instance().GetDirection(handle);
}

int32_t HALSIM_GetSimValueCount(HAL_SimDeviceHandle device) {
    return static_cast<int32_t>(SimDeviceRegistry::Instance().GetValueNames(device).size());
}

void HALSIM_FailNextSimDeviceCreations(int32_t count) { SimDeviceRegistry::Instance().FailNextDeviceCreations(count); }

void HALSIM_FailNextSimValueCreations(const char* valueName, int32_t count) {
    SimDeviceRegistry::Instance().FailNextValueCreations(valueName, count);
}

void HALSIM_ResetSimDeviceData(void) { SimDeviceRegistry::Instance().Reset(); }

}  // extern "C"
