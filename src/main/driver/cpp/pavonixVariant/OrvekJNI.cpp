// The VM entry points and the OrvekJNI natives for the handle, the connection,
// the status, restart and the deploy path.

#include "pavonixVariant/OrvekJNI.h"

#include "JavaHandles.h"
#include "JniSupport.h"
#include "JniValues.h"

#include "pavonixVariant/c_Pavonix.h"
#include "ui/BitmapLoader.h"

#include <cstdint>

using namespace orvek::internal::jni;

extern "C" {

JNIEXPORT jint JNICALL JNI_OnLoad(JavaVM* vm, void* /*reserved*/) {
    void* env = nullptr;
    if (vm->GetEnv(&env, JNI_VERSION_1_6) != JNI_OK) {
        return -1;
    }
    return JNI_VERSION_1_6;
}

JNIEXPORT void JNICALL JNI_OnUnload(JavaVM* /*vm*/, void* /*reserved*/) {}

// OrvekJNI.CreateInstance()J
JNIEXPORT jlong JNICALL Java_com_rozovedar_jni_OrvekJNI_CreateInstance(JNIEnv* env, jclass) {
    return RunNative(env, jlong{0}, [] { return HandleToJava(KeepHandle(pv_CreateInstance())); });
}

// OrvekJNI.DeleteInstance(J)V: 0 does nothing; a long that is not a live handle
// of CreateInstance (one deleted already, say) is refused, never freed.
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_DeleteInstance(JNIEnv* env, jclass, jlong inst) {
    RunNative(env, [&] {
        if (inst != 0 && !FreeHandle(HandleFromJava(inst))) {
            RaiseJava(env, "java/lang/IllegalArgumentException", "DeleteInstance: not a live instance handle");
        }
    });
}

// OrvekJNI.Connect(JI)Z
JNIEXPORT jboolean JNICALL Java_com_rozovedar_jni_OrvekJNI_Connect(JNIEnv* env, jclass, jlong inst, jint port) {
    return RunNative(env, jboolean{JNI_FALSE}, [&] {
        return ToJava(pv_Connect(HandleFromJava(inst), static_cast<orvek::connection::USBPort>(port)));
    });
}

// OrvekJNI.ConnectUart(JII)Z
JNIEXPORT jboolean JNICALL Java_com_rozovedar_jni_OrvekJNI_ConnectUart(JNIEnv* env, jclass, jlong inst, jint port,
                                                                       jint baud) {
    return RunNative(env, jboolean{JNI_FALSE}, [&] {
        return ToJava(pv_ConnectUart(HandleFromJava(inst), static_cast<orvek::connection::UARTPort>(port), baud));
    });
}

// OrvekJNI.IsConnected(J)Z
JNIEXPORT jboolean JNICALL Java_com_rozovedar_jni_OrvekJNI_IsConnected(JNIEnv* env, jclass, jlong inst) {
    return RunNative(env, jboolean{JNI_FALSE}, [&] { return ToJava(pv_IsConnected(HandleFromJava(inst))); });
}

// OrvekJNI.GetCurrentStatus(J)I: the signed status, so Unknown is -1 and not 255.
JNIEXPORT jint JNICALL Java_com_rozovedar_jni_OrvekJNI_GetCurrentStatus(JNIEnv* env, jclass, jlong inst) {
    return RunNative(env, jint{-1},
                     [&] { return static_cast<jint>(static_cast<int8_t>(pv_GetCurrentStatus(HandleFromJava(inst)))); });
}

// OrvekJNI.RestartDevice(JI)V
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_RestartDevice(JNIEnv* env, jclass, jlong inst, jint delayMs) {
    RunNative(env, [&] { pv_RestartDevice(HandleFromJava(inst), static_cast<uint16_t>(delayMs)); });
}

// OrvekJNI.SetDeployPath(Ljava/lang/String;)V
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_SetDeployPath(JNIEnv* env, jclass, jstring path) {
    RunNative(env, [&] {
        const StringChars chars(env, path);
        if (chars) {
            pv_SetDeployPath(chars.c_str());
        }
    });
}

}  // extern "C"
