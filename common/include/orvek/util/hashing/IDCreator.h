#pragma once
// Names to 16-bit ids.

#include <cstdint>
#include <string>
#include <string_view>

namespace orvek::internal {

class IDCreator {
public:
    // The id of a configured name: the last two bytes of the MD5 digest of its
    // exact bytes, byte 14 high, byte 15 low. Case- and byte-exact; 0 is not
    // reserved. Pure; any thread, also during static initialisation.
    static uint16_t createId(std::string_view name);
    static uint16_t createId(const std::string& name) { return createId(std::string_view(name)); }
    // For NUL-terminated names; a null pointer is the empty name.
    static uint16_t createId(const char* name) { return createId(name ? std::string_view(name) : std::string_view()); }
};

}  // namespace orvek::internal
