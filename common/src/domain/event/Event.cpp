#include <orvek/domain/event/Event.h>

#include <cstring>
#include <new>

namespace orvek::internal::Eventing {

ExtraMessagePayload* ExtraMessagePayload::create(const uint8_t* data, uint16_t length) {
    if (data == nullptr || length == 0) {
        return nullptr;
    }
    void* memory = ::operator new(sizeof(ExtraMessagePayload) + length + 1, std::nothrow);
    if (memory == nullptr) {
        return nullptr;
    }
    auto* payload = new (memory) ExtraMessagePayload(length);
    std::memcpy(payload->data, data, length);
    payload->data[length] = 0;
    return payload;
}

ExtraMessagePayload* ExtraMessagePayload::create(const char* text) {
    if (text == nullptr) {
        return nullptr;
    }
    // A 16-bit length cannot count a longer text: keep its first 65535 bytes
    // rather than the wrapped remainder of its length.
    const size_t length = strnlen(text, kMaxLength);
    return create(reinterpret_cast<const uint8_t*>(text), static_cast<uint16_t>(length));
}

void ExtraMessagePayload::operator delete(void* memory) { ::operator delete(memory); }

Event::Event() { std::memset(&header, 0, sizeof(header)); }

Event::Event(const Event& other) : header(other.header), extraMsg(other.extraMsg) {
    if (extraMsg != nullptr) {
        extraMsg->ref();
    }
}

Event::Event(Event&& other) noexcept : header(other.header), extraMsg(other.extraMsg) { other.extraMsg = nullptr; }

Event& Event::operator=(const Event& other) {
    if (this != &other) {
        // Take the new reference before dropping the old one, in case both are the same payload.
        if (other.extraMsg != nullptr) {
            other.extraMsg->ref();
        }
        release();
        header = other.header;
        extraMsg = other.extraMsg;
    }
    return *this;
}

Event& Event::operator=(Event&& other) noexcept {
    if (this != &other) {
        release();
        header = other.header;
        extraMsg = other.extraMsg;
        other.extraMsg = nullptr;
    }
    return *this;
}

Event::~Event() { release(); }

void Event::setExtraMessage(const char* text) {
    // The text may lie inside the current payload: copy it before letting that go.
    ExtraMessagePayload* replacement = ExtraMessagePayload::create(text);
    release();
    extraMsg = replacement;
}

void Event::release() {
    if (extraMsg != nullptr) {
        extraMsg->unref();
        extraMsg = nullptr;
    }
}

}  // namespace orvek::internal::Eventing
