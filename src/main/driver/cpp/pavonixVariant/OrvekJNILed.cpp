// The ten LED command natives of OrvekJNI: each reads its Java arguments and
// calls the pv_ function of the same name.

#include "pavonixVariant/OrvekJNI.h"

#include "JniSupport.h"
#include "JniValues.h"

#include "pavonixVariant/c_Pavonix.h"

#include <orvek/led/Animation.h>

#include <cstdint>
#include <stdexcept>
#include <string>

namespace orvek::internal::jni {

namespace {

using Command::LED::AnimationColor;
using Command::LED::MatrixTextScrollDirection;

// com/rozovedar/domain/led/AnimationColor: each byte field read as its unsigned pattern.
AnimationColor ReadColor(JNIEnv* env, jobject color) {
    RequireNonNull(env, color, "color");
    // Left to the VM, which frees it when the native returns: a DeleteLocalRef
    // here would be one more trip into the VM on every command.
    const jclass cls = RequireObjectClass(env, color).release();
    const jfieldID r = RequireField(env, cls, "r", "B");
    const jfieldID g = RequireField(env, cls, "g", "B");
    const jfieldID b = RequireField(env, cls, "b", "B");
    return AnimationColor{static_cast<uint8_t>(env->GetByteField(color, r)),
                          static_cast<uint8_t>(env->GetByteField(color, g)),
                          static_cast<uint8_t>(env->GetByteField(color, b))};
}

// com/rozovedar/domain/led/Animation: the low 16 bits of the enum's ordinal. The
// native interface would refuse an animation without a built-in pattern with a
// bare "map::at"; saying which one here gives the Java caller a message to act on.
led::Animation ReadAnimation(JNIEnv* env, jobject animation) {
    RequireNonNull(env, animation, "animation");
    const auto cls = RequireObjectClass(env, animation);
    const jmethodID ordinal = RequireMethod(env, cls.get(), "ordinal", "()I");
    const jint value = env->CallIntMethod(animation, ordinal);
    ThrowIfPending(env);
    const auto result = static_cast<led::Animation>(static_cast<uint16_t>(value));
    if (!led::kAnimationMap.contains(result)) {
        throw std::out_of_range("animation ordinal " + std::to_string(value) +
                                " names no built-in animation (None is not playable)");
    }
    return result;
}

// com/rozovedar/domain/led/MatrixTextScrollDirection: the low 8 bits of "value".
MatrixTextScrollDirection ReadDirection(JNIEnv* env, jobject direction) {
    RequireNonNull(env, direction, "direction");
    const auto cls = RequireObjectClass(env, direction);
    const jfieldID value = RequireField(env, cls.get(), "value", "I");
    return static_cast<MatrixTextScrollDirection>(static_cast<uint8_t>(env->GetIntField(direction, value)));
}

// The zone and group forms differ only in the pv_ function they call. Strings are
// taken first and released when the native ends, by their holders; the order
// shows only in which exception wins when several arguments are bad at once.
using ColorFn = void (*)(Pavonix_int*, const char*, AnimationColor);
using AnimationFn = void (*)(Pavonix_int*, const char*, led::Animation, AnimationColor, units::millisecond_t, bool,
                             bool);
using SequenceFn = void (*)(Pavonix_int*, const char*, const char*);
using BitmapFn = void (*)(Pavonix_int*, const char*, const char*, AnimationColor, bool, bool);
using TextFn = void (*)(Pavonix_int*, const char*, const char*, AnimationColor, MatrixTextScrollDirection,
                        units::millisecond_t, bool);

void SetColorWith(ColorFn fn, JNIEnv* env, jlong inst, jstring target, const char* targetName, jobject color) {
    RunNative(env, [&] {
        const StringChars id(env, target, targetName);
        fn(HandleFromJava(inst), id.c_str(), ReadColor(env, color));
    });
}

void SetAnimationWith(AnimationFn fn, JNIEnv* env, jlong inst, jstring target, const char* targetName,
                      jobject animation, jobject color, jint delayMs, jboolean reversed, jboolean oneShot) {
    RunNative(env, [&] {
        const StringChars id(env, target, targetName);
        const led::Animation value = ReadAnimation(env, animation);
        fn(HandleFromJava(inst), id.c_str(), value, ReadColor(env, color), DelayFromJava(delayMs), FromJava(reversed),
           FromJava(oneShot));
    });
}

void SetSequenceWith(SequenceFn fn, JNIEnv* env, jlong inst, jstring target, const char* targetName,
                     jstring sequenceId) {
    RunNative(env, [&] {
        const StringChars id(env, target, targetName);
        const StringChars sequence(env, sequenceId, "sequenceId");
        fn(HandleFromJava(inst), id.c_str(), sequence.c_str());
    });
}

void SetBitmapWith(BitmapFn fn, JNIEnv* env, jlong inst, jstring target, const char* targetName, jstring bitmapId,
                   jobject color, jboolean setColor, jboolean oneShot) {
    RunNative(env, [&] {
        const StringChars id(env, target, targetName);
        const StringChars bitmap(env, bitmapId, "bitmapId");
        fn(HandleFromJava(inst), id.c_str(), bitmap.c_str(), ReadColor(env, color), FromJava(setColor),
           FromJava(oneShot));
    });
}

void SetTextWith(TextFn fn, JNIEnv* env, jlong inst, jstring target, const char* targetName, jstring text,
                 jobject color, jobject direction, jint delayMs, jboolean oneShot) {
    RunNative(env, [&] {
        const StringChars id(env, target, targetName);
        const StringChars chars(env, text, "text");
        const AnimationColor value = ReadColor(env, color);
        fn(HandleFromJava(inst), id.c_str(), chars.c_str(), value, ReadDirection(env, direction),
           DelayFromJava(delayMs), FromJava(oneShot));
    });
}

}  // namespace

}  // namespace orvek::internal::jni

using namespace orvek::internal::jni;

extern "C" {

// OrvekJNI.SetColor(JLjava/lang/String;Lcom/rozovedar/domain/led/AnimationColor;)V
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_SetColor(JNIEnv* env, jclass, jlong inst, jstring zoneId,
                                                                jobject color) {
    SetColorWith(pv_SetColor, env, inst, zoneId, "zoneId", color);
}

// OrvekJNI.SetGroupColor(JLjava/lang/String;Lcom/rozovedar/domain/led/AnimationColor;)V
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_SetGroupColor(JNIEnv* env, jclass, jlong inst, jstring groupId,
                                                                     jobject color) {
    SetColorWith(pv_SetGroupColor, env, inst, groupId, "groupId", color);
}

// OrvekJNI.SetAnimation(JLjava/lang/String;Lcom/rozovedar/domain/led/Animation;
//                       Lcom/rozovedar/domain/led/AnimationColor;IZZ)V
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_SetAnimation(JNIEnv* env, jclass, jlong inst, jstring zoneId,
                                                                    jobject animation, jobject color, jint delayMs,
                                                                    jboolean reversed, jboolean oneShot) {
    SetAnimationWith(pv_SetAnimation, env, inst, zoneId, "zoneId", animation, color, delayMs, reversed, oneShot);
}

// OrvekJNI.SetGroupAnimation: as SetAnimation, for a group.
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_SetGroupAnimation(JNIEnv* env, jclass, jlong inst,
                                                                         jstring groupId, jobject animation,
                                                                         jobject color, jint delayMs, jboolean reversed,
                                                                         jboolean oneShot) {
    SetAnimationWith(pv_SetGroupAnimation, env, inst, groupId, "groupId", animation, color, delayMs, reversed, oneShot);
}

// OrvekJNI.SetAnimationSequence(JLjava/lang/String;Ljava/lang/String;)V
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_SetAnimationSequence(JNIEnv* env, jclass, jlong inst,
                                                                            jstring zoneId, jstring sequenceId) {
    SetSequenceWith(pv_SetAnimationSequence, env, inst, zoneId, "zoneId", sequenceId);
}

// OrvekJNI.SetGroupAnimationSequence(JLjava/lang/String;Ljava/lang/String;)V
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_SetGroupAnimationSequence(JNIEnv* env, jclass, jlong inst,
                                                                                 jstring groupId, jstring sequenceId) {
    SetSequenceWith(pv_SetGroupAnimationSequence, env, inst, groupId, "groupId", sequenceId);
}

// OrvekJNI.SetBitmap(JLjava/lang/String;Ljava/lang/String;Lcom/rozovedar/domain/led/AnimationColor;ZZ)V
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_SetBitmap(JNIEnv* env, jclass, jlong inst, jstring zoneId,
                                                                 jstring bitmapId, jobject color, jboolean setColor,
                                                                 jboolean oneShot) {
    SetBitmapWith(pv_SetBitmap, env, inst, zoneId, "zoneId", bitmapId, color, setColor, oneShot);
}

// OrvekJNI.SetGroupBitmap: as SetBitmap, for a group.
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_SetGroupBitmap(JNIEnv* env, jclass, jlong inst, jstring groupId,
                                                                      jstring bitmapId, jobject color,
                                                                      jboolean setColor, jboolean oneShot) {
    SetBitmapWith(pv_SetGroupBitmap, env, inst, groupId, "groupId", bitmapId, color, setColor, oneShot);
}

// OrvekJNI.SetText(JLjava/lang/String;Ljava/lang/String;Lcom/rozovedar/domain/led/AnimationColor;
//                  Lcom/rozovedar/domain/led/MatrixTextScrollDirection;IZ)V
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_SetText(JNIEnv* env, jclass, jlong inst, jstring zoneId,
                                                               jstring text, jobject color, jobject direction,
                                                               jint delayMs, jboolean oneShot) {
    SetTextWith(pv_SetText, env, inst, zoneId, "zoneId", text, color, direction, delayMs, oneShot);
}

// OrvekJNI.SetGroupText: as SetText, for a group.
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_SetGroupText(JNIEnv* env, jclass, jlong inst, jstring groupId,
                                                                    jstring text, jobject color, jobject direction,
                                                                    jint delayMs, jboolean oneShot) {
    SetTextWith(pv_SetGroupText, env, inst, groupId, "groupId", text, color, direction, delayMs, oneShot);
}

}  // extern "C"
