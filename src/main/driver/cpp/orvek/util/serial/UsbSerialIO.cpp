#include "orvek/util/serial/UsbSerialIO.h"

#include <memory>

#include "HalSerialLink.h"

namespace orvek::internal {

class UsbSerialIOImpl final : public HalSerialLink {
public:
    using HalSerialLink::HalSerialLink;
};

UsbSerialIO::UsbSerialIO(HAL_SerialPort port, int baud)
    : HalSerialIO(std::make_unique<UsbSerialIOImpl>(port, baud, HalSerialLink::kReadTimeoutSeconds)) {}

}  // namespace orvek::internal
