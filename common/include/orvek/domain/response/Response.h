#pragma once
// The device's handshake answer, packed in the device protocol's layout, host byte order.

#include <orvek/domain/event/EventType.h>

#include <cstddef>
#include <cstdint>

namespace orvek::internal::Response {

#pragma pack(push, 1)

struct ResponseStatusInfo {
    Eventing::Status status;
};
struct ResponseProductSKUInfo {
    uint16_t sku;  // a pavonix::sim::SimProductSku value
};
struct ResponseProductSerialNumberInfo {
    uint64_t serialNumber;
};
struct ResponseConfigHashInfo {
    uint8_t hash[16];  // the configuration fingerprint
};
struct ResponseAssignedIdInfo {
    uint8_t valid;
    char id[24];
};
struct ResponseVersionInfo {
    uint8_t major;
    uint8_t minor;
    uint8_t patch;
};

struct ResponseHandshakeInfo {
    ResponseStatusInfo status;
    ResponseProductSKUInfo sku;
    ResponseProductSerialNumberInfo serNumber;
    ResponseConfigHashInfo configHash;
    ResponseAssignedIdInfo assignedId;
    ResponseVersionInfo version;
};

#pragma pack(pop)

static_assert(sizeof(ResponseHandshakeInfo) == 55);
static_assert(offsetof(ResponseHandshakeInfo, status) == 0);
static_assert(offsetof(ResponseHandshakeInfo, sku) == 1);
static_assert(offsetof(ResponseHandshakeInfo, serNumber) == 3);
static_assert(offsetof(ResponseHandshakeInfo, configHash) == 11);
static_assert(offsetof(ResponseHandshakeInfo, assignedId) == 27);
static_assert(offsetof(ResponseHandshakeInfo, version) == 52);

}  // namespace orvek::internal::Response
