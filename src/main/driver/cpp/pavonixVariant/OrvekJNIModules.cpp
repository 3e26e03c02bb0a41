// Module data to and from Java: OrvekJNI.GetLatestData and SimModules.Inject.

#include "pavonixVariant/OrvekJNI.h"

#include "JniSupport.h"
#include "JniValues.h"

#include "device/PavonixSimDevice.h"
#include "pavonixVariant/c_Pavonix.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvek::internal::jni {

namespace {

// A new com/rozovedar/domain/module/ModuleDataEntry holding one record.
LocalRef<jobject> NewEntry(JNIEnv* env, jclass entryClass, jmethodID constructor,
                           const PavonixModuleData::value_type& record) {
    const auto& [unitId, bytes] = record;
    LocalRef<jobject> entry(env, env->NewObject(entryClass, constructor));
    ThrowIfPending(env);
    const LocalRef<jbyteArray> data = NewJavaBytes(env, bytes.data(), bytes.size());
    env->SetIntField(entry.get(), RequireField(env, entryClass, "id", "I"), static_cast<jint>(unitId));
    env->SetObjectField(entry.get(), RequireField(env, entryClass, "data", "[B"), data.get());
    env->SetIntField(entry.get(), RequireField(env, entryClass, "len", "I"), static_cast<jint>(bytes.size()));
    return entry;
}

// The bytes of a Java array; none for null.
std::vector<uint8_t> BytesOf(JNIEnv* env, jbyteArray data) {
    if (data == nullptr) {
        return {};
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(env->GetArrayLength(data)));
    if (!bytes.empty()) {
        env->GetByteArrayRegion(data, 0, static_cast<jsize>(bytes.size()), reinterpret_cast<jbyte*>(bytes.data()));
    }
    return bytes;
}

}  // namespace

}  // namespace orvek::internal::jni

using namespace orvek::internal::jni;

extern "C" {

// OrvekJNI.GetLatestData(JLjava/lang/String;)Ljava/util/ArrayList;
JNIEXPORT jobject JNICALL Java_com_rozovedar_jni_OrvekJNI_GetLatestData(JNIEnv* env, jclass, jlong inst,
                                                                        jstring moduleId) {
    return RunNative(env, jobject{nullptr}, [&] {
        // Classes and methods are looked up before the records are taken, so a
        // Java side that lacks one loses none.
        const auto listClass = RequireClass(env, "java/util/ArrayList");
        const jmethodID listConstructor = RequireMethod(env, listClass.get(), "<init>", "(I)V");
        const jmethodID add = RequireMethod(env, listClass.get(), "add", "(Ljava/lang/Object;)Z");
        const auto entryClass = RequireClass(env, "com/rozovedar/domain/module/ModuleDataEntry");
        const jmethodID entryConstructor = RequireMethod(env, entryClass.get(), "<init>", "()V");
        PavonixModuleData records;
        {
            const StringChars id(env, moduleId, "moduleId");
            pv_GetLatestData(HandleFromJava(inst), id.c_str(), records);
        }
        LocalRef<jobject> list(env,
                               env->NewObject(listClass.get(), listConstructor, static_cast<jint>(records.size())));
        ThrowIfPending(env);
        for (const auto& record : records) {
            const auto entry = NewEntry(env, entryClass.get(), entryConstructor, record);
            env->CallBooleanMethod(list.get(), add, entry.get());
            ThrowIfPending(env);
        }
        return list.release();
    });
}

// SimModules.Inject(Ljava/lang/String;I[B)V: straight to the device, as the panel does.
JNIEXPORT void JNICALL Java_com_rozovedar_modules_SimModules_Inject(JNIEnv* env, jclass, jstring moduleKey, jint id,
                                                                    jbyteArray data) {
    RunNative(env, [&] {
        const StringChars key(env, moduleKey, "moduleKey");
        // The key is cut at a U+0000 as GetLatestData's is, so both name the same module.
        orvek::internal::PavonixSimDevice::GetInstance()->InjectModuleData(key.c_str(), static_cast<uint16_t>(id),
                                                                           BytesOf(env, data));
    });
}

}  // extern "C"
