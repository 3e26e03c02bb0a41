#pragma once
// The bytes this test process has asked of operator new so far, so a test can
// bound what one frame allocates. Counted by the replacement operator new of
// AllocationCounter.cpp; memory Dear ImGui takes through malloc is not counted.

#include <cstddef>

namespace panel_test {

size_t BytesAllocated();

}  // namespace panel_test
