#pragma once
// One HAL serial port with fixed line settings and a polling reader thread: the
// whole of both serial transports, which differ only in their names. Private to
// the transports; no guarantee beyond what HalSerialIO.h says.
//
// Locks, taken only in this order: _lifecycleMutex (open and close) before
// _handleMutex; _deliveryMutex (held by the reader while a callback runs, so a
// callback that writes takes _handleMutex inside it) before _callbackMutex.
// close joins the reader while holding _lifecycleMutex, so the reader never
// takes it: open and close called from the callback see that and step aside.

#include <orvek/util/serial/ISerialIO.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

#include "hal/SerialPort.h"

namespace orvek::internal {

class HalSerialLink {
public:
    // Line settings every transport opens with.
    static constexpr int32_t kParityNone = 0;
    static constexpr int32_t kStopBitsOne = 10;
    static constexpr int32_t kDataBits = 8;
    // How long one HAL read waits for data, in seconds.
    static constexpr double kReadTimeoutSeconds = 0.001;
    // Bytes one read may return.
    static constexpr size_t kReadBufferSize = 512;
    // Pause after every read, so an idle reader costs little.
    static constexpr std::chrono::microseconds kReadPause{500};

    // Remembers the port and settings; opens nothing.
    HalSerialLink(HAL_SerialPort port, int baud, double timeoutSeconds);
    // Closes the port if open.
    virtual ~HalSerialLink();
    HalSerialLink(const HalSerialLink&) = delete;
    HalSerialLink& operator=(const HalSerialLink&) = delete;

    // Opens and configures the port and starts the reader; true when open (also
    // when it already was). A failed step releases the port and returns false.
    // Called from the read callback it only reports whether the link is open.
    bool open();
    // Stops the reader, waits for it and releases the port; nothing when closed.
    // Called from the read callback it stops the reader and releases the port at
    // once; the reader thread is joined by the next open or close on another
    // thread, or by destruction.
    void close();
    // True between a successful open and close. Any thread.
    bool isOpen() const { return _isOpen.load(); }
    // Sends the bytes when open, in pieces the HAL's 32-bit count can hold; stops
    // at the first failed piece. Any thread, the read callback included.
    void write(const uint8_t* data, size_t length);
    // Replaces the callback. Once this returns (on any other thread than the
    // reader) the old callback is not running and never runs again.
    void setReadCallback(SerialReadCallback callback);

private:
    bool configure_(HAL_SerialPortHandle handle);
    void closeLocked_();
    void releasePort_();
    void readLoop_(HAL_SerialPortHandle handle);
    void deliver_(const uint8_t* data, size_t length);
    bool onReaderThread_() const;

    const HAL_SerialPort _port;
    const int _baud;
    const double _timeoutSeconds;

    // Serialises open and close, so two callers never start or join the reader twice.
    std::mutex _lifecycleMutex;
    std::atomic<bool> _isOpen{false};
    std::atomic<bool> _readThreadRunning{false};
    std::thread _readThread;  // guarded by _lifecycleMutex

    // Guards _serialHandle against a write racing the release of the port.
    std::mutex _handleMutex;
    HAL_SerialPortHandle _serialHandle = HAL_kInvalidHandle;

    // Guards the callback pointer; the reader calls a copy with this released.
    std::mutex _callbackMutex;
    std::shared_ptr<const SerialReadCallback> _readCallback;
    // Held by the reader for the whole of each callback call.
    std::mutex _deliveryMutex;
};

}  // namespace orvek::internal
