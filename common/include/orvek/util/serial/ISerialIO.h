#pragma once
// The byte transport a device link runs over.

#include <cstddef>
#include <cstdint>
#include <functional>

namespace orvek::internal {

// Receives the bytes a transport read, on the transport's reader thread.
using SerialReadCallback = std::function<void(const uint8_t* data, size_t length)>;

class ISerialIO {
public:
    virtual ~ISerialIO() {}

    // Sends `length` bytes; a closed transport drops them.
    virtual void writeBytes(const uint8_t* data, size_t length) = 0;

    // Installs the receiver of incoming bytes (taken by value; empty to stop receiving).
    virtual void setReadCallback(SerialReadCallback callback) = 0;
};

}  // namespace orvek::internal
