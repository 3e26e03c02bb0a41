#pragma once
// The process-wide in-memory serial ports behind the serial C face. Internal to
// the stand-in: no guarantee beyond hal/SerialPort.h and its control header.

#include <array>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <vector>

#include "hal/simulation/SerialPortControl.h"

namespace hal::detail {

class SerialPortRegistry {
public:
    static constexpr int kPortCount = 4;
    static constexpr int kCallKinds = 8;

    // The one registry, a function-local static.
    static SerialPortRegistry& Instance();

    // Each returns a HAL_SerialStatus code.
    int32_t Initialize(HAL_SerialPort port, HAL_SerialPortHandle& handle);
    int32_t ApplySetting(HAL_SerialPortHandle handle, HALSIM_SerialCall call, double value);
    int32_t Write(HAL_SerialPortHandle handle, const char* buffer, int32_t count);
    int32_t Read(HAL_SerialPortHandle handle, char* buffer, int32_t count, int32_t& received);
    void Close(HAL_SerialPortHandle handle);

    void FailCall(HAL_SerialPort port, HALSIM_SerialCall call, int32_t count);
    void Feed(HAL_SerialPort port, const char* data, int32_t count);
    int32_t TakeWritten(HAL_SerialPort port, char* buffer, int32_t capacity);
    bool GetState(HAL_SerialPort port, HALSIM_SerialPortState& state);
    int32_t GetCallCount();
    void Reset();

private:
    struct Port {
        HAL_SerialPortHandle handle = HAL_kInvalidHandle;  // 0 while closed
        int32_t baud = -1, parity = -1, stopBits = -1, dataBits = -1;
        double timeoutSeconds = -1.0;
        int32_t initializeCount = 0, closeCount = 0;
        std::deque<char> toRead;
        std::vector<char> written;
        std::array<int32_t, kCallKinds> failuresPending{};
    };

    // Call with the lock held.
    Port* FindOpen_(HAL_SerialPortHandle handle);
    bool ConsumeFailure_(Port& port, HALSIM_SerialCall call);
    static bool IsPort_(HAL_SerialPort port);

    // Serialises every member below; released while a read waits on m_readable.
    std::mutex m_mutex;
    std::condition_variable m_readable;  // bytes fed, or a port closed
    std::array<Port, kPortCount> m_ports;
    HAL_SerialPortHandle m_lastHandle = 0;  // handles are never reused
    int32_t m_callCount = 0;
};

}  // namespace hal::detail
