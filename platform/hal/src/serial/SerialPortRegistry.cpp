#include "SerialPortRegistry.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>

namespace hal::detail {

namespace {

// Integer settings arrive widened to double, so they compare exactly.
bool IsValidSetting(HALSIM_SerialCall call, double value) {
    auto is = [value](int32_t code) { return value == static_cast<double>(code); };
    switch (call) {
        case HALSIM_SerialCall_BaudRate: return value > 0;
        case HALSIM_SerialCall_Parity:
            return value >= static_cast<double>(HAL_SerialParity_None) &&
                   value <= static_cast<double>(HAL_SerialParity_Space);
        case HALSIM_SerialCall_StopBits:
            return is(HAL_SerialStopBits_One) || is(HAL_SerialStopBits_OnePointFive) || is(HAL_SerialStopBits_Two);
        case HALSIM_SerialCall_DataBits: return value >= 5 && value <= 8;
        case HALSIM_SerialCall_Timeout: return std::isfinite(value) && value >= 0;
        default: return false;
    }
}

// A timeout as a wait the clock can hold; longer than a day is waited as a day.
std::chrono::nanoseconds ToWait(double seconds) {
    constexpr double kLongestWait = 86400.0;
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::duration<double>(std::clamp(seconds, 0.0, kLongestWait)));
}

}  // namespace

SerialPortRegistry& SerialPortRegistry::Instance() {
    static SerialPortRegistry registry;
    return registry;
}

bool SerialPortRegistry::IsPort_(HAL_SerialPort port) { return port >= 0 && port < kPortCount; }

// Call with the lock held.
SerialPortRegistry::Port* SerialPortRegistry::FindOpen_(HAL_SerialPortHandle handle) {
    if (handle == HAL_kInvalidHandle) return nullptr;
    for (Port& port : m_ports) {
        if (port.handle == handle) return &port;
    }
    return nullptr;
}

// Call with the lock held.
bool SerialPortRegistry::ConsumeFailure_(Port& port, HALSIM_SerialCall call) {
    int32_t& pending = port.failuresPending[static_cast<size_t>(call)];
    if (pending <= 0) return false;
    --pending;
    return true;
}

int32_t SerialPortRegistry::Initialize(HAL_SerialPort port, HAL_SerialPortHandle& handle) {
    handle = HAL_kInvalidHandle;
    std::lock_guard lock(m_mutex);
    ++m_callCount;
    if (!IsPort_(port)) return HAL_kSerialNoSuchPort;
    Port& state = m_ports[static_cast<size_t>(port)];
    if (ConsumeFailure_(state, HALSIM_SerialCall_Initialize)) return HAL_kSerialInjectedFailure;
    if (state.handle != HAL_kInvalidHandle) return HAL_kSerialPortInUse;
    if (m_lastHandle == INT32_MAX) return HAL_kSerialInvalidHandle;  // handles exhausted
    state.handle = ++m_lastHandle;
    state.baud = state.parity = state.stopBits = state.dataBits = -1;
    state.timeoutSeconds = -1.0;
    ++state.initializeCount;
    handle = state.handle;
    return HAL_kSerialOk;
}

int32_t SerialPortRegistry::ApplySetting(HAL_SerialPortHandle handle, HALSIM_SerialCall call, double value) {
    std::lock_guard lock(m_mutex);
    ++m_callCount;
    Port* port = FindOpen_(handle);
    if (port == nullptr) return HAL_kSerialInvalidHandle;
    if (ConsumeFailure_(*port, call)) return HAL_kSerialInjectedFailure;
    if (!IsValidSetting(call, value)) return HAL_kSerialInvalidArgument;
    switch (call) {
        case HALSIM_SerialCall_BaudRate: port->baud = static_cast<int32_t>(value); break;
        case HALSIM_SerialCall_Parity: port->parity = static_cast<int32_t>(value); break;
        case HALSIM_SerialCall_StopBits: port->stopBits = static_cast<int32_t>(value); break;
        case HALSIM_SerialCall_DataBits: port->dataBits = static_cast<int32_t>(value); break;
        default: port->timeoutSeconds = value; break;
    }
    return HAL_kSerialOk;
}

int32_t SerialPortRegistry::Write(HAL_SerialPortHandle handle, const char* buffer, int32_t count) {
    std::lock_guard lock(m_mutex);
    ++m_callCount;
    Port* port = FindOpen_(handle);
    if (port == nullptr) return HAL_kSerialInvalidHandle;
    if (ConsumeFailure_(*port, HALSIM_SerialCall_Write)) return HAL_kSerialInjectedFailure;
    if (count < 0 || (count > 0 && buffer == nullptr)) return HAL_kSerialInvalidArgument;
    port->written.insert(port->written.end(), buffer, buffer + count);
    return HAL_kSerialOk;
}

int32_t SerialPortRegistry::Read(HAL_SerialPortHandle handle, char* buffer, int32_t count, int32_t& received) {
    received = 0;
    std::unique_lock lock(m_mutex);
    ++m_callCount;
    Port* port = FindOpen_(handle);
    if (port == nullptr) return HAL_kSerialInvalidHandle;
    if (ConsumeFailure_(*port, HALSIM_SerialCall_Read)) return HAL_kSerialInjectedFailure;
    if (count < 0 || (count > 0 && buffer == nullptr)) return HAL_kSerialInvalidArgument;
    m_readable.wait_for(lock, ToWait(port->timeoutSeconds),
                        [&] { return !port->toRead.empty() || port->handle != handle; });
    if (port->handle != handle) return HAL_kSerialClosedDuringRead;
    auto take = std::min<size_t>(static_cast<size_t>(count), port->toRead.size());
    std::copy_n(port->toRead.begin(), take, buffer);
    port->toRead.erase(port->toRead.begin(), port->toRead.begin() + static_cast<std::ptrdiff_t>(take));
    received = static_cast<int32_t>(take);
    return HAL_kSerialOk;
}

void SerialPortRegistry::Close(HAL_SerialPortHandle handle) {
    {
        std::lock_guard lock(m_mutex);
        ++m_callCount;
        Port* port = FindOpen_(handle);
        if (port == nullptr) return;
        port->handle = HAL_kInvalidHandle;
        ++port->closeCount;
    }
    m_readable.notify_all();
}

void SerialPortRegistry::FailCall(HAL_SerialPort port, HALSIM_SerialCall call, int32_t count) {
    if (!IsPort_(port) || call < 0 || call >= kCallKinds) return;
    std::lock_guard lock(m_mutex);
    m_ports[static_cast<size_t>(port)].failuresPending[static_cast<size_t>(call)] = std::max(count, 0);
}

void SerialPortRegistry::Feed(HAL_SerialPort port, const char* data, int32_t count) {
    if (!IsPort_(port) || count <= 0 || data == nullptr) return;
    {
        std::lock_guard lock(m_mutex);
        auto& queue = m_ports[static_cast<size_t>(port)].toRead;
        queue.insert(queue.end(), data, data + count);
    }
    m_readable.notify_all();
}

int32_t SerialPortRegistry::TakeWritten(HAL_SerialPort port, char* buffer, int32_t capacity) {
    if (!IsPort_(port) || capacity <= 0 || buffer == nullptr) return 0;
    std::lock_guard lock(m_mutex);
    auto& written = m_ports[static_cast<size_t>(port)].written;
    auto take = std::min<size_t>(static_cast<size_t>(capacity), written.size());
    std::copy_n(written.begin(), take, buffer);
    written.erase(written.begin(), written.begin() + static_cast<std::ptrdiff_t>(take));
    return static_cast<int32_t>(take);
}

bool SerialPortRegistry::GetState(HAL_SerialPort port, HALSIM_SerialPortState& state) {
    if (!IsPort_(port)) return false;
    std::lock_guard lock(m_mutex);
    const Port& p = m_ports[static_cast<size_t>(port)];
    state = {p.handle != HAL_kInvalidHandle,
             p.baud,
             p.parity,
             p.stopBits,
             p.dataBits,
             p.timeoutSeconds,
             p.initializeCount,
             p.closeCount,
             static_cast<int32_t>(std::min<size_t>(p.toRead.size(), INT32_MAX))};
    return true;
}

int32_t SerialPortRegistry::GetCallCount() {
    std::lock_guard lock(m_mutex);
    return m_callCount;
}

void SerialPortRegistry::Reset() {
    {
        std::lock_guard lock(m_mutex);
        m_ports = {};
        m_callCount = 0;
    }
    m_readable.notify_all();
}

}  // namespace hal::detail
