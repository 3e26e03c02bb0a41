#pragma once
// The body shared by the serial transports (UartSerialIO, UsbSerialIO): one HAL
// serial port opened at 8 data bits, no parity, one stop bit and a 1 ms read
// timeout, with a reader thread that hands every chunk it receives to the read
// callback.
//
// Threads: writeBytes and setReadCallback may be called from any thread, the
// read callback included; open and close from any thread (they are serialised).
// The callback runs on the transport's reader thread with a pointer that is
// valid only during the call. A transport must not be destroyed from its own
// read callback.

#include <orvek/util/serial/ISerialIO.h>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace orvek::internal {

class HalSerialLink;

class HalSerialIO : public ISerialIO {
public:
    // Closes the transport.
    ~HalSerialIO() override;
    HalSerialIO(const HalSerialIO&) = delete;
    HalSerialIO& operator=(const HalSerialIO&) = delete;

    // Opens and configures the port and starts the reader. True on success, and
    // at once when already open; false (no port held, no thread) when any HAL
    // set-up step fails.
    bool open();
    // Stops the reader (waiting at most about one read and one 0.5 ms pause plus
    // a callback under way) and releases the port; nothing when closed. From the
    // read callback it only stops the reader; the port is released by the next
    // close or by destruction.
    void close();
    // True while open.
    bool isOpen() const;

    // Sends the bytes when open; dropped when closed. A HAL failure drops the rest.
    void writeBytes(const uint8_t* data, size_t length) override;
    // Replaces the read callback (empty: received bytes are dropped). Called from
    // any thread but the reader's, the old callback is not running once it returns.
    void setReadCallback(SerialReadCallback callback) override;

protected:
    // Takes the transport's implementation, closed.
    explicit HalSerialIO(std::unique_ptr<HalSerialLink> impl);

private:
    std::unique_ptr<HalSerialLink> _impl;
};

}  // namespace orvek::internal
