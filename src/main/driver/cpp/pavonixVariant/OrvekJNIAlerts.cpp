// The AlertUtils natives: the texts of disable causes, error and fatal-error types.

#include "pavonixVariant/OrvekJNI.h"

#include "JniSupport.h"

#include "orvek/utils/AlertUtils.h"

#include <cstdint>
#include <string>

namespace orvek::internal::jni {

namespace {

// Each code is the low 8 bits of the Java int, so 256 reads as 0 and -1 as 255.
template <typename Code>
jstring TextOf(JNIEnv* env, jint value, std::string (*lookUp)(Code)) {
    return RunNative(env, jstring{nullptr}, [&] {
        return NewJavaString(env, lookUp(static_cast<Code>(static_cast<uint8_t>(value)))).release();
    });
}

}  // namespace

}  // namespace orvek::internal::jni

using namespace orvek::internal::jni;

extern "C" {

// AlertUtils.getDisabledCauseText(I)Ljava/lang/String;
JNIEXPORT jstring JNICALL Java_com_rozovedar_utils_AlertUtils_getDisabledCauseText(JNIEnv* env, jclass, jint cause) {
    return TextOf(env, cause, orvek::utils::GetDisabledCauseText);
}

// AlertUtils.getErrorTypeText(I)Ljava/lang/String;
JNIEXPORT jstring JNICALL Java_com_rozovedar_utils_AlertUtils_getErrorTypeText(JNIEnv* env, jclass, jint type) {
    return TextOf(env, type, orvek::utils::GetErrorTypeText);
}

// AlertUtils.getFatalErrorTypeText(I)Ljava/lang/String;
JNIEXPORT jstring JNICALL Java_com_rozovedar_utils_AlertUtils_getFatalErrorTypeText(JNIEnv* env, jclass, jint type) {
    return TextOf(env, type, orvek::utils::GetFatalErrorTypeText);
}

}  // extern "C"
