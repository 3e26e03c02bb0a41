// The C face of serial ports: one forward each to the registry, with a failure
// written back where the caller gave somewhere to write it.

#include "SerialPortRegistry.h"

namespace {

using hal::detail::SerialPortRegistry;

// Success leaves the status alone, so one status can collect several calls.
void Report(int32_t* status, int32_t code) {
    if (status != nullptr && code != HAL_kSerialOk) *status = code;
}

}  // namespace

extern "C" {

HAL_SerialPortHandle HAL_InitializeSerialPort(HAL_SerialPort port, int32_t* status) {
    HAL_SerialPortHandle handle = HAL_kInvalidHandle;
    Report(status, SerialPortRegistry::Instance().Initialize(port, handle));
    return handle;
}

void HAL_SetSerialBaudRate(HAL_SerialPortHandle handle, int32_t baud, int32_t* status) {
    Report(status, SerialPortRegistry::Instance().ApplySetting(handle, HALSIM_SerialCall_BaudRate, baud));
}

void HAL_SetSerialParity(HAL_SerialPortHandle handle, int32_t parity, int32_t* status) {
    Report(status, SerialPortRegistry::Instance().ApplySetting(handle, HALSIM_SerialCall_Parity, parity));
}

void HAL_SetSerialStopBits(HAL_SerialPortHandle handle, int32_t stopBits, int32_t* status) {
    Report(status, SerialPortRegistry::Instance().ApplySetting(handle, HALSIM_SerialCall_StopBits, stopBits));
}

void HAL_SetSerialDataBits(HAL_SerialPortHandle handle, int32_t bits, int32_t* status) {
    Report(status, SerialPortRegistry::Instance().ApplySetting(handle, HALSIM_SerialCall_DataBits, bits));
}

void HAL_SetSerialTimeout(HAL_SerialPortHandle handle, double timeout, int32_t* status) {
    Report(status, SerialPortRegistry::Instance().ApplySetting(handle, HALSIM_SerialCall_Timeout, timeout));
}

int32_t HAL_WriteSerial(HAL_SerialPortHandle handle, const char* buffer, int32_t count, int32_t* status) {
    int32_t code = SerialPortRegistry::Instance().Write(handle, buffer, count);
    Report(status, code);
    return code == HAL_kSerialOk ? count : 0;
}

int32_t HAL_ReadSerial(HAL_SerialPortHandle handle, char* buffer, int32_t count, int32_t* status) {
    int32_t received = 0;
    Report(status, SerialPortRegistry::Instance().Read(handle, buffer, count, received));
    return received;
}

void HAL_CloseSerial(HAL_SerialPortHandle handle) { SerialPortRegistry::Instance().Close(handle); }

void HALSIM_FailSerialCall(HAL_SerialPort port, HALSIM_SerialCall call, int32_t count) {
    SerialPortRegistry::Instance().FailCall(port, call, count);
}

void HALSIM_FeedSerialPort(HAL_SerialPort port, const char* data, int32_t count) {
    SerialPortRegistry::Instance().Feed(port, data, count);
}

int32_t HALSIM_TakeSerialWritten(HAL_SerialPort port, char* buffer, int32_t capacity) {
    return SerialPortRegistry::Instance().TakeWritten(port, buffer, capacity);
}

HAL_Bool HALSIM_GetSerialPortState(HAL_SerialPort port, HALSIM_SerialPortState* state) {
    return state != nullptr && SerialPortRegistry::Instance().GetState(port, *state);
}

int32_t HALSIM_GetSerialCallCount(void) { return SerialPortRegistry::Instance().GetCallCount(); }

void HALSIM_ResetSerialPorts(void) { SerialPortRegistry::Instance().Reset(); }

}  // extern "C"
