#pragma once
// The extra-message bytes of an event, shared between event copies.

#include <orvek/util/RefCounted.h>

#include <cstdint>

namespace orvek::internal::Eventing {

// One allocation: this record, `length` bytes and a closing NUL that `length`
// does not count, so the bytes also read as text.
class ExtraMessagePayload final : public RefCounted {
public:
    // The longest message a payload holds; longer texts are cut to it.
    static constexpr uint32_t kMaxLength = UINT16_MAX;

    // A payload holding a copy of `length` bytes with a count of 1; null for null
    // data, length 0 or a failed allocation.
    static ExtraMessagePayload* create(const uint8_t* data, uint16_t length);

    // A payload of the text's bytes (without its terminator), cut to kMaxLength
    // bytes; null for a null or empty text.
    static ExtraMessagePayload* create(const char* text);

    // Releases the single allocation that create made.
    static void operator delete(void* memory);

    const uint16_t length;
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpedantic"
#endif
    uint8_t data[];  // `length` bytes, then a NUL, in the same allocation
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

private:
    explicit ExtraMessagePayload(uint16_t byteCount) : length(byteCount) {}
    ~ExtraMessagePayload() override = default;
};

}  // namespace orvek::internal::Eventing
