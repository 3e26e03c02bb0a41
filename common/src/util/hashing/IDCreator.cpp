#include <orvek/util/hashing/IDCreator.h>

#include <orvek/util/hashing/MD5.h>

#include <algorithm>

namespace orvek::internal {

uint16_t IDCreator::createId(std::string_view name) {
    MD5 md5;
    // Update takes 32-bit sizes; a longer name is fed in pieces so every byte counts.
    constexpr size_t kMaxPiece = size_t(1) << 30;
    for (size_t offset = 0; offset < name.size(); offset += kMaxPiece) {
        const size_t piece = std::min(kMaxPiece, name.size() - offset);
        md5.Update(name.data() + offset, static_cast<uint32_t>(piece));
    }
    uint8_t digest[MD5::kDigestSize];
    md5.Finalize(digest);
    return static_cast<uint16_t>(digest[14] << 8 | digest[15]);
}

}  // namespace orvek::internal
