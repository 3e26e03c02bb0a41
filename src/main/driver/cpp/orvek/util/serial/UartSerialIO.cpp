#include "orvek/util/serial/UartSerialIO.h"

#include <utility>

#include "HalSerialLink.h"

namespace orvek::internal {

class UartSerialIOImpl final : public HalSerialLink {
public:
    using HalSerialLink::HalSerialLink;
};

UartSerialIO::UartSerialIO(HAL_SerialPort port, int baud)
    : _impl(std::make_unique<UartSerialIOImpl>(port, baud, HalSerialLink::kReadTimeoutSeconds)) {}

UartSerialIO::~UartSerialIO() { close(); }

bool UartSerialIO::open() { return _impl->open(); }

void UartSerialIO::close() { _impl->close(); }

bool UartSerialIO::isOpen() const { return _impl->isOpen(); }

void UartSerialIO::writeBytes(const uint8_t* data, size_t length) { _impl->write(data, length); }

void UartSerialIO::setReadCallback(SerialReadCallback callback) {
    _impl->setReadCallback(std::move(callback));
}

}  // namespace orvek::internal
