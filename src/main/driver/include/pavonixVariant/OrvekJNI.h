#pragma once
// The Java natives of com.rozovedar.jni.OrvekJNI, com.rozovedar.modules.SimModules
// and com.rozovedar.utils.AlertUtils, and the library's entry points for the VM.
//
// Rules for every native:
//  - Stateless: classes, fields and methods are looked up on every call, on the
//    calling thread's environment; nothing is cached, no global reference is kept.
//  - Each device and LED native converts its arguments and calls the pv_ function
//    of the same name (c_Pavonix.h), so the Java and C faces cannot disagree.
//  - Java strings arrive as modified UTF-8 and are used as standard UTF-8; texts
//    go back through NewStringUTF in modified UTF-8 (ModifiedUtf8.h).
//  - No C++ exception reaches the VM: a port outside its enumeration and an
//    animation without a built-in pattern raise IllegalArgumentException, anything
//    else thrown raises a RuntimeException. A null object argument raises
//    NullPointerException naming it; a missing Java class or member leaves the
//    VM's error (NoClassDefFoundError, NoSuchFieldError...) to the caller.
//  - The configuration natives (GetConfig, ParseConfigJson, ApplyConfiguration)
//    instead describe and clear Java exceptions and return null or skip.
//
// The handle `inst` is the address of the Pavonix_int that CreateInstance made.

#include <jni.h>

extern "C" {

// The VM asks for JNI 1.6: returns JNI_VERSION_1_6, or -1 when the VM has no such environment.
JNIEXPORT jint JNICALL JNI_OnLoad(JavaVM* vm, void* reserved);
// Nothing to release: the binding keeps no state.
JNIEXPORT void JNICALL JNI_OnUnload(JavaVM* vm, void* reserved);

// ---- OrvekJNI: instance, connection, status ----

// static long CreateInstance()
JNIEXPORT jlong JNICALL Java_com_rozovedar_jni_OrvekJNI_CreateInstance(JNIEnv* env, jclass cls);
// static void DeleteInstance(long inst); 0 does nothing
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_DeleteInstance(JNIEnv* env, jclass cls, jlong inst);
// static boolean Connect(long inst, int port)
JNIEXPORT jboolean JNICALL Java_com_rozovedar_jni_OrvekJNI_Connect(JNIEnv* env, jclass cls, jlong inst, jint port);
// static boolean ConnectUart(long inst, int port, int baud)
JNIEXPORT jboolean JNICALL Java_com_rozovedar_jni_OrvekJNI_ConnectUart(JNIEnv* env, jclass cls, jlong inst, jint port,
                                                                       jint baud);
// static boolean IsConnected(long inst)
JNIEXPORT jboolean JNICALL Java_com_rozovedar_jni_OrvekJNI_IsConnected(JNIEnv* env, jclass cls, jlong inst);
// static int GetCurrentStatus(long inst): -1 (Unknown) to 3 (Fatal)
JNIEXPORT jint JNICALL Java_com_rozovedar_jni_OrvekJNI_GetCurrentStatus(JNIEnv* env, jclass cls, jlong inst);
// static void RestartDevice(long inst, int delayMs): low 16 bits of the delay
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_RestartDevice(JNIEnv* env, jclass cls, jlong inst, jint delayMs);
// static void SetDeployPath(String path); null does nothing
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_SetDeployPath(JNIEnv* env, jclass cls, jstring path);

// ---- OrvekJNI: LED commands (zone and group forms) ----

// static void SetColor(long, String zoneId, AnimationColor color)
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_SetColor(JNIEnv* env, jclass cls, jlong inst, jstring zoneId,
                                                                jobject color);
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_SetGroupColor(JNIEnv* env, jclass cls, jlong inst,
                                                                     jstring groupId, jobject color);
// static void SetAnimation(long, String zoneId, Animation, AnimationColor, int delayMs, boolean reversed, boolean
// oneShot)
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_SetAnimation(JNIEnv* env, jclass cls, jlong inst, jstring zoneId,
                                                                    jobject animation, jobject color, jint delayMs,
                                                                    jboolean reversed, jboolean oneShot);
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_SetGroupAnimation(JNIEnv* env, jclass cls, jlong inst,
                                                                         jstring groupId, jobject animation,
                                                                         jobject color, jint delayMs, jboolean reversed,
                                                                         jboolean oneShot);
// static void SetAnimationSequence(long, String zoneId, String sequenceId)
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_SetAnimationSequence(JNIEnv* env, jclass cls, jlong inst,
                                                                            jstring zoneId, jstring sequenceId);
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_SetGroupAnimationSequence(JNIEnv* env, jclass cls, jlong inst,
                                                                                 jstring groupId, jstring sequenceId);
// static void SetBitmap(long, String zoneId, String bitmapId, AnimationColor, boolean setColor, boolean oneShot)
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_SetBitmap(JNIEnv* env, jclass cls, jlong inst, jstring zoneId,
                                                                 jstring bitmapId, jobject color, jboolean setColor,
                                                                 jboolean oneShot);
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_SetGroupBitmap(JNIEnv* env, jclass cls, jlong inst,
                                                                      jstring groupId, jstring bitmapId, jobject color,
                                                                      jboolean setColor, jboolean oneShot);
// static void SetText(long, String zoneId, String text, AnimationColor, MatrixTextScrollDirection, int delayMs,
//                     boolean oneShot)
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_SetText(JNIEnv* env, jclass cls, jlong inst, jstring zoneId,
                                                               jstring text, jobject color, jobject direction,
                                                               jint delayMs, jboolean oneShot);
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_SetGroupText(JNIEnv* env, jclass cls, jlong inst,
                                                                    jstring groupId, jstring text, jobject color,
                                                                    jobject direction, jint delayMs, jboolean oneShot);

// ---- OrvekJNI: events and module data ----

// static boolean GetLatestEvent(long, Event outEvent)
JNIEXPORT jboolean JNICALL Java_com_rozovedar_jni_OrvekJNI_GetLatestEvent(JNIEnv* env, jclass cls, jlong inst,
                                                                          jobject outEvent);
// static Event[] GetEvents(long): up to 100, oldest first
JNIEXPORT jobjectArray JNICALL Java_com_rozovedar_jni_OrvekJNI_GetEvents(JNIEnv* env, jclass cls, jlong inst);
// static ArrayList<ModuleDataEntry> GetLatestData(long, String moduleId)
JNIEXPORT jobject JNICALL Java_com_rozovedar_jni_OrvekJNI_GetLatestData(JNIEnv* env, jclass cls, jlong inst,
                                                                        jstring moduleId);

// ---- OrvekJNI: configuration ----

// static OrvekDeviceConfig GetConfig(long)
JNIEXPORT jobject JNICALL Java_com_rozovedar_jni_OrvekJNI_GetConfig(JNIEnv* env, jclass cls, jlong inst);
// static OrvekDeviceConfig ParseConfigJson(String json)
JNIEXPORT jobject JNICALL Java_com_rozovedar_jni_OrvekJNI_ParseConfigJson(JNIEnv* env, jclass cls, jstring json);
// static void ApplyConfiguration(long, OrvekDeviceConfig cfg)
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_ApplyConfiguration(JNIEnv* env, jclass cls, jlong inst,
                                                                          jobject cfg);

// ---- SimModules, AlertUtils ----

// static void SimModules.Inject(String moduleKey, int id, byte[] data): low 16 bits of id; null data is no bytes
JNIEXPORT void JNICALL Java_com_rozovedar_modules_SimModules_Inject(JNIEnv* env, jclass cls, jstring moduleKey, jint id,
                                                                    jbyteArray data);
// static String AlertUtils.getDisabledCauseText(int cause): low 8 bits
JNIEXPORT jstring JNICALL Java_com_rozovedar_utils_AlertUtils_getDisabledCauseText(JNIEnv* env, jclass cls, jint cause);
// static String AlertUtils.getErrorTypeText(int type): low 8 bits
JNIEXPORT jstring JNICALL Java_com_rozovedar_utils_AlertUtils_getErrorTypeText(JNIEnv* env, jclass cls, jint type);
// static String AlertUtils.getFatalErrorTypeText(int type): low 8 bits
JNIEXPORT jstring JNICALL Java_com_rozovedar_utils_AlertUtils_getFatalErrorTypeText(JNIEnv* env, jclass cls, jint type);

}  // extern "C"
