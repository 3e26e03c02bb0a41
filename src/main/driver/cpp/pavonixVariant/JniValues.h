#pragma once
// Plain values between Java and the native interface: the handle, booleans and delays.
//
// Internal to the binding: no guarantee beyond it.

#include "pavonixVariant/c_Pavonix.h"

#include <jni.h>
#include <cstdint>

#include <units/time.h>

namespace orvek::internal::jni {

// The handle a Java long carries: the address that pv_CreateInstance returned.
inline Pavonix_int* HandleFromJava(jlong inst) { return reinterpret_cast<Pavonix_int*>(static_cast<intptr_t>(inst)); }
inline jlong HandleToJava(Pavonix_int* handle) { return static_cast<jlong>(reinterpret_cast<intptr_t>(handle)); }

inline jboolean ToJava(bool value) { return value ? JNI_TRUE : JNI_FALSE; }
inline bool FromJava(jboolean value) { return value != JNI_FALSE; }

// A Java delay in milliseconds, as the native interface's quantity of the same value.
inline units::millisecond_t DelayFromJava(jint delayMs) { return units::millisecond_t(static_cast<double>(delayMs)); }

}  // namespace orvek::internal::jni
