#pragma once
// Handle and boolean types shared by every part of the HAL stand-in's C face.
// Handles are plain 32-bit integers; 0 is never a valid handle.

#include <stdint.h>

#ifdef __cplusplus
// An enumeration whose values cross the C face as int32_t.
#define HAL_FIXED_ENUM(name) enum name : int32_t
#else
#define HAL_FIXED_ENUM(name) \
    typedef int32_t name;    \
    enum name
#endif

// A C boolean: 0 is false, anything else true.
typedef int32_t HAL_Bool;

// A handle of any kind; HAL_kInvalidHandle (0) means "none".
typedef int32_t HAL_Handle;
#define HAL_kInvalidHandle 0

// A simulated device (see hal/SimDevice.h).
typedef HAL_Handle HAL_SimDeviceHandle;
// One value of a simulated device (see hal/SimDevice.h).
typedef HAL_Handle HAL_SimValueHandle;
// An open serial port (see hal/SerialPort.h).
typedef HAL_Handle HAL_SerialPortHandle;
