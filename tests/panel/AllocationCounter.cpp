// Replaces the plain, nothrow and sized operator new and delete of the test
// process with ones that count the bytes asked for, all of them on malloc and
// free, so every pair matches under the sanitizers too (whose runtimes bring
// their own of each). Aligned forms are left as they are: nothing here uses them.

#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<size_t> g_bytes{0};

void* TryAllocate(size_t size) noexcept {
    g_bytes.fetch_add(size, std::memory_order_relaxed);
    return std::malloc(size == 0 ? 1 : size);
}

void* Allocate(size_t size) {
    if (void* memory = TryAllocate(size)) return memory;
    throw std::bad_alloc();
}

}  // namespace

size_t panel_test::BytesAllocated() { return g_bytes.load(std::memory_order_relaxed); }

void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return TryAllocate(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return TryAllocate(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
