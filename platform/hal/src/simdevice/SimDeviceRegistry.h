#pragma once
// The process-wide store behind the simulated-device C face. Internal to the
// stand-in: no guarantee beyond what hal/SimDevice.h and the simulation headers say.

#include <map>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "hal/SimDevice.h"

namespace hal::detail {

class SimDeviceRegistry {
public:
    // The one registry, a function-local static.
    static SimDeviceRegistry& Instance();

    HAL_SimDeviceHandle CreateDevice(const char* name);
    void FreeDevice(HAL_SimDeviceHandle device);
    HAL_SimValueHandle CreateValue(HAL_SimDeviceHandle device, const char* name, int32_t direction,
                                   const HAL_Value& initial, std::vector<std::string> options);
    HAL_Value GetValue(HAL_SimValueHandle handle);
    void SetValue(HAL_SimValueHandle handle, const HAL_Value& value);

    HAL_SimDeviceHandle FindDevice(const char* name);
    HAL_SimValueHandle FindValue(HAL_SimDeviceHandle device, const char* name);
    int32_t GetDirection(HAL_SimValueHandle handle);
    std::vector<std::string> GetEnumOptions(HAL_SimValueHandle handle);
    std::vector<std::string> GetValueNames(HAL_SimDeviceHandle device);

    void FailNextDeviceCreations(int32_t count);
    void FailNextValueCreations(const char* valueName, int32_t count);
    void Reset();

private:
    struct Device {
        std::string name;
        std::vector<HAL_SimValueHandle> values;  // creation order
    };
    struct Value {
        HAL_SimDeviceHandle device;
        std::string name;
        int32_t direction;
        HAL_Value value;
        std::vector<std::string> options;  // enumerations only
    };

    // Call with the lock held.
    HAL_Handle NextHandle_();
    bool ConsumeValueFailure_(const std::string& name);
    Value* FindValue_(HAL_SimValueHandle handle);

    // Serialises every member below; held only inside one operation, never
    // while calling out.
    std::mutex m_mutex;
    HAL_Handle m_lastHandle = 0;  // devices and values share one never-reused sequence
    std::map<HAL_SimDeviceHandle, Device> m_devices;
    std::unordered_map<HAL_SimValueHandle, Value> m_values;
    int32_t m_deviceFailuresPending = 0;
    std::map<std::string, int32_t> m_valueFailuresPending;  // by value name
};

}  // namespace hal::detail
