#pragma once
// Test control of the in-memory serial ports: feed bytes to be read, take the
// bytes written, inspect the line settings and make any one HAL call fail.
// Any thread may call these (a test may feed while a reader thread reads).

#include "hal/SerialPort.h"

// The HAL calls that a test can make fail.
// clang-format off
HAL_FIXED_ENUM(HALSIM_SerialCall){
    HALSIM_SerialCall_Initialize = 0,
    HALSIM_SerialCall_BaudRate = 1,
    HALSIM_SerialCall_Parity = 2,
    HALSIM_SerialCall_StopBits = 3,
    HALSIM_SerialCall_DataBits = 4,
    HALSIM_SerialCall_Timeout = 5,
    HALSIM_SerialCall_Write = 6,
    HALSIM_SerialCall_Read = 7,
};
// clang-format on

// What a port looks like from outside. Settings read -1 until set since the
// port was last initialised.
struct HALSIM_SerialPortState {
    HAL_Bool open;
    int32_t baud;
    int32_t parity;
    int32_t stopBits;
    int32_t dataBits;
    double timeoutSeconds;
    int32_t initializeCount;   // successful HAL_InitializeSerialPort calls
    int32_t closeCount;        // HAL_CloseSerial calls that closed this port
    int32_t pendingReadBytes;  // fed and not yet read
};
#ifndef __cplusplus
typedef struct HALSIM_SerialPortState HALSIM_SerialPortState;
#endif

#ifdef __cplusplus
extern "C" {
#endif

// The next `count` calls of `call` on `port` fail with HAL_kSerialInjectedFailure
// and change nothing (count <= 0 clears the rule). Unknown ports are ignored.
void HALSIM_FailSerialCall(HAL_SerialPort port, HALSIM_SerialCall call, int32_t count);

// Queues `count` bytes for HAL_ReadSerial on `port` (open or not) and wakes a
// waiting read.
void HALSIM_FeedSerialPort(HAL_SerialPort port, const char* data, int32_t count);

// Moves up to `capacity` of the bytes written to `port` into `buffer`, oldest
// first, and returns how many.
int32_t HALSIM_TakeSerialWritten(HAL_SerialPort port, char* buffer, int32_t capacity);

// Copies the state of `port` into `*state`; false for an unknown port or null state.
HAL_Bool HALSIM_GetSerialPortState(HAL_SerialPort port, struct HALSIM_SerialPortState* state);

// How many serial HAL calls (of any port, failed ones too) were made since the
// last reset.
int32_t HALSIM_GetSerialCallCount(void);

// Closes every port, drops every byte and failure rule, zeroes every count.
void HALSIM_ResetSerialPorts(void);

#ifdef __cplusplus
}  // extern "C"
#endif
