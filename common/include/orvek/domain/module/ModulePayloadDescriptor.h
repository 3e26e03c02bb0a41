#pragma once
// The field layout of a module's data record.

#include <cstdint>
#include <string>

namespace orvek::internal::module {

// Each field travels in its type's width, least significant byte first.
enum class FieldType : uint8_t {
    kUInt8 = 0,
    kUInt16 = 1,
    kUInt32 = 2,
    kInt8 = 3,
    kInt16 = 4,
    kInt32 = 5,
    kFloat = 6,
    kDouble = 7,
};

struct ModuleFieldDescriptor {
    std::string name;
    FieldType type;
};

}  // namespace orvek::internal::module
