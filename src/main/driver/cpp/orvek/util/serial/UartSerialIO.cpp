#include "orvek/util/serial/UartSerialIO.h"

#include <memory>

#include "HalSerialLink.h"

namespace orvek::internal {

class UartSerialIOImpl final : public HalSerialLink {
public:
    using HalSerialLink::HalSerialLink;
};

UartSerialIO::UartSerialIO(HAL_SerialPort port, int baud)
    : HalSerialIO(std::make_unique<UartSerialIOImpl>(port, baud, HalSerialLink::kReadTimeoutSeconds)) {}

}  // namespace orvek::internal
