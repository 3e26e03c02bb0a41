#pragma once
// Serial ports. In this stand-in each port is an in-memory line that tests feed
// and read back through hal/simulation/SerialPortControl.h.
//
// Rules of the C face:
//  - Every function with a `status` out-parameter sets it to one of the
//    HAL_kSerial* codes below on failure and leaves it untouched on success, so
//    a caller sets it to 0 first and may test it once after several calls. A
//    null `status` is allowed and simply not written.
//  - Handles are never reused: after HAL_CloseSerial the old handle is invalid.
//  - Every function may be called from any thread; one lock serialises them, and
//    a read that waits releases it.

#include "hal/Types.h"

// The ports of the controller.
HAL_FIXED_ENUM(HAL_SerialPort){
    HAL_SerialPort_Onboard = 0,
    HAL_SerialPort_MXP = 1,
    HAL_SerialPort_USB1 = 2,
    HAL_SerialPort_USB2 = 3,
};

// Parity codes for HAL_SetSerialParity.
// clang-format off
HAL_FIXED_ENUM(HAL_SerialParity){
    HAL_SerialParity_None = 0,
    HAL_SerialParity_Odd = 1,
    HAL_SerialParity_Even = 2,
    HAL_SerialParity_Mark = 3,
    HAL_SerialParity_Space = 4,
};
// clang-format on

// Stop-bit codes for HAL_SetSerialStopBits (tenths of a bit).
HAL_FIXED_ENUM(HAL_SerialStopBits){
    HAL_SerialStopBits_One = 10,
    HAL_SerialStopBits_OnePointFive = 15,
    HAL_SerialStopBits_Two = 20,
};

// Failure codes written to `status`.
HAL_FIXED_ENUM(HAL_SerialStatus){
    HAL_kSerialOk = 0,
    HAL_kSerialNoSuchPort = -1,       // port outside HAL_SerialPort
    HAL_kSerialPortInUse = -2,        // the port is already open
    HAL_kSerialInvalidHandle = -3,    // not an open port's handle (closed, never opened, 0)
    HAL_kSerialInvalidArgument = -4,  // a setting or count out of range, or a null buffer
    HAL_kSerialInjectedFailure = -5,  // a test asked this call to fail
    HAL_kSerialClosedDuringRead = -6  // the port was closed while a read waited
};

#ifdef __cplusplus
extern "C" {
#endif

// Opens `port`. Returns its handle, or 0 with a failure status.
HAL_SerialPortHandle HAL_InitializeSerialPort(HAL_SerialPort port, int32_t* status);

// Sets the baud rate (bits per second, > 0).
void HAL_SetSerialBaudRate(HAL_SerialPortHandle handle, int32_t baud, int32_t* status);

// Sets the parity (a HAL_SerialParity code).
void HAL_SetSerialParity(HAL_SerialPortHandle handle, int32_t parity, int32_t* status);

// Sets the stop bits (a HAL_SerialStopBits code).
void HAL_SetSerialStopBits(HAL_SerialPortHandle handle, int32_t stopBits, int32_t* status);

// Sets the data bits per character (5 to 8).
void HAL_SetSerialDataBits(HAL_SerialPortHandle handle, int32_t bits, int32_t* status);

// Sets how long HAL_ReadSerial waits for data, in seconds (finite, >= 0).
void HAL_SetSerialTimeout(HAL_SerialPortHandle handle, double timeout, int32_t* status);

// Sends `count` bytes (count >= 0; buffer may be null only when count is 0).
// Returns how many were sent: count, or 0 on failure.
int32_t HAL_WriteSerial(HAL_SerialPortHandle handle, const char* buffer, int32_t count, int32_t* status);

// Receives up to `count` bytes into `buffer`, waiting at most the port's timeout
// for the first byte. Returns how many were received (0 when none came in time,
// with status 0).
int32_t HAL_ReadSerial(HAL_SerialPortHandle handle, char* buffer, int32_t count, int32_t* status);

// Closes the port; a waiting read returns at once. 0 or a stale handle is ignored.
void HAL_CloseSerial(HAL_SerialPortHandle handle);

#ifdef __cplusplus
}  // extern "C"
#endif
