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

// com/rozovedar/domain/module/ModuleDataEntry: its class, constructor and fields.
struct EntryMembers {
    LocalRef<jclass> cls;
    jmethodID constructor;
    jfieldID id, data, len;
};

EntryMembers LookUpEntryMembers(JNIEnv* env) {
    EntryMembers members{RequireClass(env, "com/rozovedar/domain/module/ModuleDataEntry"), nullptr, nullptr, nullptr,
                         nullptr};
    members.constructor = RequireMethod(env, members.cls.get(), "<init>", "()V");
    members.id = RequireField(env, members.cls.get(), "id", "I");
    members.data = RequireField(env, members.cls.get(), "data", "[B");
    members.len = RequireField(env, members.cls.get(), "len", "I");
    return members;
}

// A new ModuleDataEntry holding one record.
LocalRef<jobject> NewEntry(JNIEnv* env, const EntryMembers& members, const PavonixModuleData::value_type& record) {
    const auto& [unitId, bytes] = record;
    LocalRef<jobject> entry(env, env->NewObject(members.cls.get(), members.constructor));
    ThrowIfPending(env);
    const LocalRef<jbyteArray> data = NewJavaBytes(env, bytes.data(), bytes.size());
    env->SetIntField(entry.get(), members.id, static_cast<jint>(unitId));
    env->SetObjectField(entry.get(), members.data, data.get());
    env->SetIntField(entry.get(), members.len, static_cast<jint>(bytes.size()));
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
        // Every class, method and field is looked up before the records are
        // taken, so a Java side that lacks one loses none.
        const auto listClass = RequireClass(env, "java/util/ArrayList");
        const jmethodID listConstructor = RequireMethod(env, listClass.get(), "<init>", "(I)V");
        const jmethodID add = RequireMethod(env, listClass.get(), "add", "(Ljava/lang/Object;)Z");
        const EntryMembers entryMembers = LookUpEntryMembers(env);
        PavonixModuleData records;
        {
            const StringChars id(env, moduleId, "moduleId");
            pv_GetLatestData(HandleFromJava(inst), id.c_str(), records);
        }
        LocalRef<jobject> list(env,
                               env->NewObject(listClass.get(), listConstructor, static_cast<jint>(records.size())));
        ThrowIfPending(env);
        for (const auto& record : records) {
            const auto entry = NewEntry(env, entryMembers, record);
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
