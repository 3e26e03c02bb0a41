// The converter's look-ups, as tables: a missing class or method stops them at once.

#include "ConfigBuilderRefs.h"

#include "JniSupport.h"

#include <iterator>

namespace orvek::internal::jni {

namespace {

#define ORVEK_CONFIG "com/rozovedar/domain/config/"
#define ORVEK_BUILDER "L" ORVEK_CONFIG "OrvekDeviceConfig$Builder;"
#define ORVEK_CHANNEL "L" ORVEK_CONFIG "OrvekDeviceConfig$ChannelBuilder;"
#define ORVEK_SEQUENCE "L" ORVEK_CONFIG "OrvekDeviceConfig$SequenceBuilder;"
#define ORVEK_STEP "L" ORVEK_CONFIG "OrvekDeviceConfig$StepBuilder;"
#define ORVEK_BITMAP "L" ORVEK_CONFIG "OrvekDeviceConfig$BitmapBuilder;"
#define ORVEK_MODULE "L" ORVEK_CONFIG "OrvekDeviceConfig$ModuleBuilder;"
#define ORVEK_GROUP "L" ORVEK_CONFIG "OrvekDeviceConfig$GroupBuilder;"

struct ClassRow {
    jclass ConfigBuilderRefs::*slot;
    const char* name;
};

constexpr ClassRow kClasses[] = {
    {&ConfigBuilderRefs::cfgCls, ORVEK_CONFIG "OrvekDeviceConfig"},
    {&ConfigBuilderRefs::builderCls, ORVEK_CONFIG "OrvekDeviceConfig$Builder"},
    {&ConfigBuilderRefs::channelBuilderCls, ORVEK_CONFIG "OrvekDeviceConfig$ChannelBuilder"},
    {&ConfigBuilderRefs::sequenceBuilderCls, ORVEK_CONFIG "OrvekDeviceConfig$SequenceBuilder"},
    {&ConfigBuilderRefs::stepBuilderCls, ORVEK_CONFIG "OrvekDeviceConfig$StepBuilder"},
    {&ConfigBuilderRefs::bitmapBuilderCls, ORVEK_CONFIG "OrvekDeviceConfig$BitmapBuilder"},
    {&ConfigBuilderRefs::moduleBuilderCls, ORVEK_CONFIG "OrvekDeviceConfig$ModuleBuilder"},
    {&ConfigBuilderRefs::groupBuilderCls, ORVEK_CONFIG "OrvekDeviceConfig$GroupBuilder"},
    {&ConfigBuilderRefs::longCls, "java/lang/Long"},
    {&ConfigBuilderRefs::doubleCls, "java/lang/Double"},
    {&ConfigBuilderRefs::booleanCls, "java/lang/Boolean"},
    {&ConfigBuilderRefs::networkTypeCls, ORVEK_CONFIG "NetworkType"},
};

struct MethodRow {
    jmethodID ConfigBuilderRefs::*slot;
    jclass ConfigBuilderRefs::*cls;
    bool isStatic;
    const char* name;
    const char* signature;
};

using R = ConfigBuilderRefs;

constexpr MethodRow kMethods[] = {
    {&R::builderMid, &R::cfgCls, true, "Builder", "()" ORVEK_BUILDER},
    {&R::buildMid, &R::builderCls, false, "Build", "()L" ORVEK_CONFIG "OrvekDeviceConfig;"},
    {&R::forTeamMid, &R::builderCls, false, "ForTeam", "(Ljava/lang/String;)" ORVEK_BUILDER},
    {&R::withMd5Mid, &R::builderCls, false, "WithMd5", "([B)" ORVEK_BUILDER},
    {&R::addChannelMid, &R::builderCls, false, "AddChannel", "(Ljava/lang/String;I)" ORVEK_CHANNEL},
    {&R::addSequenceMid, &R::builderCls, false, "AddSequence", "(Ljava/lang/String;)" ORVEK_SEQUENCE},
    {&R::addBitmapMid, &R::builderCls, false, "AddBitmap", "(Ljava/lang/String;)" ORVEK_BITMAP},
    {&R::addModuleMid, &R::builderCls, false, "AddModule",
     "(Ljava/lang/String;Ljava/lang/String;ILjava/lang/String;)" ORVEK_MODULE},
    {&R::addGroupMid, &R::builderCls, false, "AddGroup", "(Ljava/lang/String;)" ORVEK_GROUP},
    {&R::setNetworkTypeMid, &R::builderCls, false, "SetNetworkType", "(L" ORVEK_CONFIG "NetworkType;)" ORVEK_BUILDER},
    {&R::setBaudRateMid, &R::builderCls, false, "SetBaudRate", "(I)" ORVEK_BUILDER},
    {&R::setI2CAddressMid, &R::builderCls, false, "SetI2CAddress", "(I)" ORVEK_BUILDER},
    {&R::networkValueOfMid, &R::networkTypeCls, true, "valueOf", "(Ljava/lang/String;)L" ORVEK_CONFIG "NetworkType;"},
    {&R::channelBrightnessMid, &R::channelBuilderCls, false, "Brightness", "(I)" ORVEK_CHANNEL},
    {&R::channelKeyMid, &R::channelBuilderCls, false, "Key", "(Ljava/lang/String;)" ORVEK_CHANNEL},
    {&R::addStripZoneReversedMid, &R::channelBuilderCls, false, "AddStripZone", "(Ljava/lang/String;IZ)" ORVEK_CHANNEL},
    {&R::addStripZoneWithBrightnessMid, &R::channelBuilderCls, false, "AddStripZone",
     "(Ljava/lang/String;IZI)" ORVEK_CHANNEL},
    {&R::addMatrixZoneMid, &R::channelBuilderCls, false, "AddMatrixZone", "(Ljava/lang/String;II)" ORVEK_CHANNEL},
    {&R::addMatrixZoneWithBrightnessMid, &R::channelBuilderCls, false, "AddMatrixZone",
     "(Ljava/lang/String;III)" ORVEK_CHANNEL},
    {&R::addMatrixZoneWithOrientationMid, &R::channelBuilderCls, false, "AddMatrixZoneWithOrientation",
     "(Ljava/lang/String;III)" ORVEK_CHANNEL},
    {&R::addMatrixZoneWithBrightnessOrientationMid, &R::channelBuilderCls, false, "AddMatrixZone",
     "(Ljava/lang/String;IIII)" ORVEK_CHANNEL},
    {&R::endChannelMid, &R::channelBuilderCls, false, "EndChannel", "()" ORVEK_BUILDER},
    {&R::sequenceAddStepMid, &R::sequenceBuilderCls, false, "AddStep", "(Ljava/lang/String;)" ORVEK_STEP},
    {&R::sequenceEndMid, &R::sequenceBuilderCls, false, "EndSequence", "()" ORVEK_BUILDER},
    {&R::stepWithColorMid, &R::stepBuilderCls, false, "WithColor", "(III)" ORVEK_STEP},
    {&R::stepWithDelayMid, &R::stepBuilderCls, false, "WithDelay", "(I)" ORVEK_STEP},
    {&R::stepReverseMid, &R::stepBuilderCls, false, "Reverse", "(Z)" ORVEK_STEP},
    {&R::stepWithRepeatMid, &R::stepBuilderCls, false, "WithRepeat", "(I)" ORVEK_STEP},
    {&R::stepEndMid, &R::stepBuilderCls, false, "EndStep", "()" ORVEK_SEQUENCE},
    {&R::bitmapStaticMid, &R::bitmapBuilderCls, false, "Static", "(Ljava/lang/String;)" ORVEK_BITMAP},
    {&R::bitmapAnimatedMid, &R::bitmapBuilderCls, false, "Animated", "(Ljava/lang/String;I)" ORVEK_BITMAP},
    {&R::bitmapEndMid, &R::bitmapBuilderCls, false, "EndBitmap", "()" ORVEK_BUILDER},
    {&R::moduleWithConfigMid, &R::moduleBuilderCls, false, "WithConfig",
     "(Ljava/lang/String;Ljava/lang/Object;)" ORVEK_MODULE},
    {&R::moduleEndMid, &R::moduleBuilderCls, false, "EndModule", "()" ORVEK_BUILDER},
    {&R::groupAddZoneMid, &R::groupBuilderCls, false, "AddZone", "(Ljava/lang/String;)" ORVEK_GROUP},
    {&R::groupEndMid, &R::groupBuilderCls, false, "EndGroup", "()" ORVEK_BUILDER},
    {&R::longCtor, &R::longCls, false, "<init>", "(J)V"},
    {&R::doubleCtor, &R::doubleCls, false, "<init>", "(D)V"},
    {&R::booleanCtor, &R::booleanCls, false, "<init>", "(Z)V"},
};

static_assert(std::size(kMethods) == 39, "the converter's contract has 39 methods");

#undef ORVEK_CONFIG
#undef ORVEK_BUILDER
#undef ORVEK_CHANNEL
#undef ORVEK_SEQUENCE
#undef ORVEK_STEP
#undef ORVEK_BITMAP
#undef ORVEK_MODULE
#undef ORVEK_GROUP

jobject CheckedBox(JNIEnv* env, jobject boxed) {
    if (!CheckAndClear(env)) {
        if (boxed != nullptr) env->DeleteLocalRef(boxed);
        return nullptr;
    }
    return boxed;
}

}  // namespace

bool InitConfigBuilderRefs(JNIEnv* env, ConfigBuilderRefs& refs) {
    refs.env = env;
    for (const ClassRow& row : kClasses) {
        refs.*row.slot = env->FindClass(row.name);
        if (!CheckAndClear(env) || refs.*row.slot == nullptr) {
            return false;
        }
    }
    for (const MethodRow& row : kMethods) {
        jclass cls = refs.*row.cls;
        refs.*row.slot = row.isStatic ? env->GetStaticMethodID(cls, row.name, row.signature)
                                      : env->GetMethodID(cls, row.name, row.signature);
        if (!CheckAndClear(env) || refs.*row.slot == nullptr) {
            return false;
        }
    }
    return true;
}

void CleanupConfigBuilderRefs(JNIEnv* env, ConfigBuilderRefs& refs) {
    for (const ClassRow& row : kClasses) {
        if (refs.*row.slot != nullptr) {
            env->DeleteLocalRef(refs.*row.slot);
            refs.*row.slot = nullptr;
        }
    }
}

jobject CreateBoxedLong(ConfigBuilderRefs& refs, int64_t value) {
    return CheckedBox(refs.env, refs.env->NewObject(refs.longCls, refs.longCtor, static_cast<jlong>(value)));
}

jobject CreateBoxedDouble(ConfigBuilderRefs& refs, double value) {
    return CheckedBox(refs.env, refs.env->NewObject(refs.doubleCls, refs.doubleCtor, static_cast<jdouble>(value)));
}

jobject CreateBoxedBoolean(ConfigBuilderRefs& refs, uint8_t value) {
    const jboolean flag = value != 0 ? JNI_TRUE : JNI_FALSE;
    return CheckedBox(refs.env, refs.env->NewObject(refs.booleanCls, refs.booleanCtor, flag));
}

}  // namespace orvek::internal::jni
