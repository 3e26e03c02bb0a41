#include "HalSerialLink.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace orvek::internal {

namespace {
// The link whose reader runs on this thread, so open and close can tell when the
// read callback calls them (joining the reader from itself would never end).
thread_local const HalSerialLink* tReaderOf = nullptr;
}  // namespace

HalSerialLink::HalSerialLink(HAL_SerialPort port, int baud, double timeoutSeconds)
    : _port(port), _baud(baud), _timeoutSeconds(timeoutSeconds) {}

HalSerialLink::~HalSerialLink() { close(); }

bool HalSerialLink::onReaderThread_() const { return tReaderOf == this; }

// The four line settings share one status, tested once after the last of them.
bool HalSerialLink::configure_(HAL_SerialPortHandle handle) {
    int32_t status = 0;
    HAL_SetSerialBaudRate(handle, _baud, &status);
    if (status != 0) return false;
    HAL_SetSerialParity(handle, kParityNone, &status);
    HAL_SetSerialStopBits(handle, kStopBitsOne, &status);
    HAL_SetSerialDataBits(handle, kDataBits, &status);
    HAL_SetSerialTimeout(handle, _timeoutSeconds, &status);
    return status == 0;
}

bool HalSerialLink::open() {
    if (onReaderThread_()) return _isOpen.load();
    std::lock_guard lifecycle(_lifecycleMutex);
    if (_isOpen.load() && _readThreadRunning.load()) return true;
    closeLocked_();  // finishes a close that the read callback began

    int32_t status = 0;
    HAL_SerialPortHandle handle = HAL_InitializeSerialPort(_port, &status);
    if (status != 0) return false;
    if (!configure_(handle)) {
        HAL_CloseSerial(handle);
        return false;
    }
    {
        std::lock_guard guard(_handleMutex);
        _serialHandle = handle;
    }
    _isOpen.store(true);
    _readThreadRunning.store(true);
    _readThread = std::thread([this, handle] { readLoop_(handle); });
    return true;
}

void HalSerialLink::close() {
    if (onReaderThread_()) {
        // The reader cannot join itself: everything but the join happens now, and
        // the loop ends after this callback returns.
        _readThreadRunning.store(false);
        releasePort_();
        return;
    }
    std::lock_guard lifecycle(_lifecycleMutex);
    closeLocked_();
}

// Call with _lifecycleMutex held, never on the reader thread.
void HalSerialLink::closeLocked_() {
    _readThreadRunning.store(false);
    if (_readThread.joinable()) _readThread.join();
    releasePort_();
}

// Closes the HAL port once, whichever of the reader and another thread comes first.
void HalSerialLink::releasePort_() {
    std::lock_guard guard(_handleMutex);
    if (_serialHandle == HAL_kInvalidHandle) return;
    HAL_CloseSerial(_serialHandle);
    _serialHandle = HAL_kInvalidHandle;
    _isOpen.store(false);
}

void HalSerialLink::write(const uint8_t* data, size_t length) {
    if (data == nullptr) return;
    std::lock_guard guard(_handleMutex);
    if (_serialHandle == HAL_kInvalidHandle) return;
    while (length > 0) {
        auto piece = static_cast<int32_t>(std::min<size_t>(length, INT32_MAX));
        int32_t status = 0;
        int32_t sent = HAL_WriteSerial(_serialHandle, reinterpret_cast<const char*>(data), piece, &status);
        if (status != 0 || sent <= 0) return;
        auto done = static_cast<size_t>(std::min(sent, piece));
        data += done;
        length -= done;
    }
}

void HalSerialLink::setReadCallback(SerialReadCallback callback) {
    auto replaced = std::make_shared<const SerialReadCallback>(std::move(callback));
    {
        std::lock_guard guard(_callbackMutex);
        _readCallback.swap(replaced);
    }
    // From another thread, wait out a call of the old callback already under
    // way; on the reader thread that call is this one.
    if (!onReaderThread_()) {
        std::lock_guard waitForDelivery(_deliveryMutex);
    }
}

void HalSerialLink::deliver_(const uint8_t* data, size_t length) {
    std::lock_guard delivery(_deliveryMutex);
    std::shared_ptr<const SerialReadCallback> callback;
    {
        std::lock_guard guard(_callbackMutex);
        callback = _readCallback;
    }
    if (callback && *callback) (*callback)(data, length);
}

void HalSerialLink::readLoop_(HAL_SerialPortHandle handle) {
    tReaderOf = this;
    uint8_t buffer[kReadBufferSize];
    while (_readThreadRunning.load()) {
        int32_t status = 0;
        int32_t count =
            HAL_ReadSerial(handle, reinterpret_cast<char*>(buffer), static_cast<int32_t>(kReadBufferSize), &status);
        if (status == 0 && count > 0 && static_cast<size_t>(count) <= kReadBufferSize) {
            deliver_(buffer, static_cast<size_t>(count));
        }
        std::this_thread::sleep_for(kReadPause);
    }
    tReaderOf = nullptr;
}

}  // namespace orvek::internal
