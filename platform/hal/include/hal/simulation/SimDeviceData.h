#pragma once
// Look-ups for other simulation tools and tests: find a simulated device and its
// values by name, and read what a value was created with. Any thread may call
// these; they take the registry lock.

#include "hal/SimDevice.h"

#ifdef __cplusplus
extern "C" {
#endif

// The device registered under exactly `name` (e.g. "Pavonix[0]"), or 0.
HAL_SimDeviceHandle HALSIM_GetSimDeviceHandle(const char* name);

// The value named `name` on `device`, or 0.
HAL_SimValueHandle HALSIM_GetSimValueHandle(HAL_SimDeviceHandle device, const char* name);

// The direction a value was created with (HAL_SimValueInput/Output/Bidir), or -1
// for an invalid handle.
int32_t HALSIM_GetSimValueDirection(HAL_SimValueHandle handle);

// How many values `device` holds; 0 for an invalid handle.
int32_t HALSIM_GetSimValueCount(HAL_SimDeviceHandle device);

#ifdef __cplusplus
}  // extern "C"

#include <string>
#include <vector>

namespace hal::sim {

// A copy of an enumeration value's option texts, in index order; empty for an
// invalid handle or a value that is not an enumeration.
std::vector<std::string> GetSimValueEnumOptions(HAL_SimValueHandle handle);

// The names of a device's values in creation order; empty for an invalid handle.
std::vector<std::string> GetSimValueNames(HAL_SimDeviceHandle device);

}  // namespace hal::sim
#endif  // __cplusplus
