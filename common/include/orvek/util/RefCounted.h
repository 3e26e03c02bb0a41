#pragma once
// Intrusive reference counting for objects shared across threads.

#include <atomic>
#include <cstdint>

namespace orvek::internal {

// A polymorphic base whose count starts at 1: the creator holds the first
// reference. ref/unref are sequentially consistent, so one object may be shared
// by many threads; the unref that reaches 0 deletes the object, exactly once.
class RefCounted {
public:
    RefCounted() = default;
    RefCounted(const RefCounted&) = delete;
    RefCounted& operator=(const RefCounted&) = delete;

    // Adds one reference. Any thread.
    void ref() const { _refCount.fetch_add(1); }

    // Removes one reference; the last one destroys the object. Any thread.
    void unref() const {
        if (_refCount.fetch_sub(1) == 1) {
            delete this;
        }
    }

protected:
    virtual ~RefCounted() = default;

private:
    mutable std::atomic<uint32_t> _refCount{1};
};

}  // namespace orvek::internal
