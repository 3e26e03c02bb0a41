#pragma once
// Test control of the simulated-device registry: make creations fail as the HAL
// may refuse them, and bring the registry back to a clean state between tests.
// Any thread may call these; they take the registry lock.

#include "hal/Types.h"

#ifdef __cplusplus
extern "C" {
#endif

// The next `count` calls of HAL_CreateSimDevice return 0 (count <= 0 clears it).
void HALSIM_FailNextSimDeviceCreations(int32_t count);

// The next `count` creations of a value named exactly `valueName` (on any
// device) return 0; count <= 0 clears the rule for that name.
void HALSIM_FailNextSimValueCreations(const char* valueName, int32_t count);

// Frees every device and value and clears every failure rule. Handles held by
// anyone become invalid (handles are never reused).
void HALSIM_ResetSimDeviceData(void);

#ifdef __cplusplus
}  // extern "C"
#endif
