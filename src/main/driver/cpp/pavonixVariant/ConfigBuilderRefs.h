#pragma once
// The Java classes and methods that the configuration converter calls, looked
// up anew for each conversion and released at its end.
//
// Internal to the Java binding: no guarantee beyond it.

#include <jni.h>

#include <cstdint>

namespace orvek::internal::jni {

// One conversion's look-ups. Zero-fill it before use ({}); the class fields are
// local references owned by the record until CleanupConfigBuilderRefs.
struct ConfigBuilderRefs {
    JNIEnv* env;

    jclass cfgCls;
    jclass builderCls;
    jclass channelBuilderCls;
    jclass sequenceBuilderCls;
    jclass stepBuilderCls;
    jclass bitmapBuilderCls;
    jclass moduleBuilderCls;
    jclass groupBuilderCls;
    jclass longCls;
    jclass doubleCls;
    jclass booleanCls;
    jclass networkTypeCls;

    jmethodID builderMid;
    jmethodID buildMid;
    jmethodID forTeamMid;
    jmethodID withMd5Mid;
    jmethodID addChannelMid;
    jmethodID addSequenceMid;
    jmethodID addBitmapMid;
    jmethodID addModuleMid;
    jmethodID addGroupMid;
    jmethodID setNetworkTypeMid;
    jmethodID setBaudRateMid;
    jmethodID setI2CAddressMid;
    jmethodID networkValueOfMid;
    jmethodID channelBrightnessMid;
    jmethodID channelKeyMid;
    jmethodID addStripZoneReversedMid;
    jmethodID addStripZoneWithBrightnessMid;
    jmethodID addMatrixZoneMid;
    jmethodID addMatrixZoneWithBrightnessMid;
    jmethodID addMatrixZoneWithOrientationMid;
    jmethodID addMatrixZoneWithBrightnessOrientationMid;
    jmethodID endChannelMid;
    jmethodID sequenceAddStepMid;
    jmethodID sequenceEndMid;
    jmethodID stepWithColorMid;
    jmethodID stepWithDelayMid;
    jmethodID stepReverseMid;
    jmethodID stepWithRepeatMid;
    jmethodID stepEndMid;
    jmethodID bitmapStaticMid;
    jmethodID bitmapAnimatedMid;
    jmethodID bitmapEndMid;
    jmethodID moduleWithConfigMid;
    jmethodID moduleEndMid;
    jmethodID groupAddZoneMid;
    jmethodID groupEndMid;
    jmethodID longCtor;
    jmethodID doubleCtor;
    jmethodID booleanCtor;
};

// Stores `env` and looks up every class, then every method, the boxing
// constructors last. The first look-up that finds nothing has its Java error
// described and cleared and makes it return false; no look-up follows it.
bool InitConfigBuilderRefs(JNIEnv* env, ConfigBuilderRefs& refs);

// Releases every class reference the record holds; safe on a partly filled record.
void CleanupConfigBuilderRefs(JNIEnv* env, ConfigBuilderRefs& refs);

// A new java.lang.Long, Double or Boolean (true for any non-zero value), or null
// when the VM could not make it (its error described and cleared).
jobject CreateBoxedLong(ConfigBuilderRefs& refs, int64_t value);
jobject CreateBoxedDouble(ConfigBuilderRefs& refs, double value);
jobject CreateBoxedBoolean(ConfigBuilderRefs& refs, uint8_t value);

}  // namespace orvek::internal::jni
