// Replaces the plain operator new and delete of the test process with ones that
// count the bytes asked for; the nothrow and sized forms of the standard library
// forward to these. Aligned forms are left as they are: nothing here uses them.

#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<size_t> g_bytes{0};

void* Allocate(size_t size) {
    g_bytes.fetch_add(size, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

}  // namespace

size_t panel_test::BytesAllocated() { return g_bytes.load(std::memory_order_relaxed); }

void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, size_t) noexcept { std::free(memory); }
