#pragma once
// The handles that OrvekJNI.CreateInstance gave out and DeleteInstance has not
// yet freed. A Java long can hold any value: only one of these may be freed, so
// a handle deleted twice, or a number that never was one, cannot corrupt memory.
//
// Internal to the binding; any thread.

#include "pavonixVariant/c_Pavonix.h"

namespace orvek::internal::jni {

// Remembers a handle just made by pv_CreateInstance; returns it.
Pavonix_int* KeepHandle(Pavonix_int* handle);

// Frees `handle` when it is a kept one and forgets it; false (nothing freed) otherwise.
bool FreeHandle(Pavonix_int* handle);

}  // namespace orvek::internal::jni
