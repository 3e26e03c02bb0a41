#include "orvek/util/serial/UsbSerialIO.h"

#include <utility>

#include "HalSerialLink.h"

namespace orvek::internal {

class UsbSerialIOImpl final : public HalSerialLink {
public:
    using HalSerialLink::HalSerialLink;
};

UsbSerialIO::UsbSerialIO(HAL_SerialPort port, int baud)
    : _impl(std::make_unique<UsbSerialIOImpl>(port, baud, HalSerialLink::kReadTimeoutSeconds)) {}

UsbSerialIO::~UsbSerialIO() { close(); }

bool UsbSerialIO::open() { return _impl->open(); }

void UsbSerialIO::close() { _impl->close(); }

bool UsbSerialIO::isOpen() const { return _impl->isOpen(); }

void UsbSerialIO::writeBytes(const uint8_t* data, size_t length) { _impl->write(data, length); }

void UsbSerialIO::setReadCallback(SerialReadCallback callback) {
    _impl->setReadCallback(std::move(callback));
}

}  // namespace orvek::internal
