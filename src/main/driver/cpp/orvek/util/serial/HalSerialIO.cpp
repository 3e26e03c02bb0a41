#include "orvek/util/serial/HalSerialIO.h"

#include <utility>

#include "HalSerialLink.h"

namespace orvek::internal {

HalSerialIO::HalSerialIO(std::unique_ptr<HalSerialLink> impl) : _impl(std::move(impl)) {}

HalSerialIO::~HalSerialIO() { close(); }

bool HalSerialIO::open() { return _impl->open(); }

void HalSerialIO::close() { _impl->close(); }

bool HalSerialIO::isOpen() const { return _impl->isOpen(); }

void HalSerialIO::writeBytes(const uint8_t* data, size_t length) { _impl->write(data, length); }

void HalSerialIO::setReadCallback(SerialReadCallback callback) { _impl->setReadCallback(std::move(callback)); }

}  // namespace orvek::internal
