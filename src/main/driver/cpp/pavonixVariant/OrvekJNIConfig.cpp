// The configuration natives of OrvekJNI: GetConfig and ParseConfigJson build a
// Java OrvekDeviceConfig from configuration JSON, ApplyConfiguration reads one
// back into JSON for the device. Unlike the other natives they let no Java
// exception through: they describe and clear it, then return null or skip.

#include "pavonixVariant/OrvekJNI.h"

#include "ConfigFromJava.h"
#include "ConfigJsonToJava.h"
#include "JniSupport.h"
#include "JniValues.h"

#include "device/PavonixSimDevice.h"
#include "pavonixVariant/ConfigReport.h"
#include "pavonixVariant/c_Pavonix.h"

#include <orvek/configuration/OrvekConfigurationSerializer.h>

#include <nlohmann/json.hpp>

#include <string>

using namespace orvek::internal;
using namespace orvek::internal::jni;

namespace {

// ApplyConfiguration's references all live in one frame of this size; a
// configuration holds only a few per level of nesting at a time.
constexpr jint kApplyFrameCapacity = 1024;

}  // namespace

extern "C" {

// OrvekJNI.GetConfig(J)Lcom/rozovedar/domain/config/OrvekDeviceConfig;
JNIEXPORT jobject JNICALL Java_com_rozovedar_jni_OrvekJNI_GetConfig(JNIEnv* env, jclass, jlong inst) {
    return RunNative(env, jobject{nullptr}, [&] {
        std::string text;
        if (!pv_RequestConfig(HandleFromJava(inst), text) || text.empty()) {
            text = c_Pavonix::ChannelsReport(PavonixSimDevice::GetInstance()->GetChannelsCopy());
        }
        return BuildConfigFromJson(env, text);
    });
}

// OrvekJNI.ParseConfigJson(Ljava/lang/String;)Lcom/rozovedar/domain/config/OrvekDeviceConfig;
JNIEXPORT jobject JNICALL Java_com_rozovedar_jni_OrvekJNI_ParseConfigJson(JNIEnv* env, jclass, jstring json) {
    return RunNative(env, jobject{nullptr}, [&]() -> jobject {
        if (json == nullptr) {
            return nullptr;
        }
        // The VM's modified UTF-8 is read as standard UTF-8, so a name with U+0000
        // or a character outside the BMP parses like any other.
        std::string text;
        {
            StringChars chars(env, json);
            if (!chars) {
                CheckAndClear(env);
            }
            text.assign(chars.view());
        }
        return BuildConfigFromJson(env, text);
    });
}

// OrvekJNI.ApplyConfiguration(JLcom/rozovedar/domain/config/OrvekDeviceConfig;)V
JNIEXPORT void JNICALL Java_com_rozovedar_jni_OrvekJNI_ApplyConfiguration(JNIEnv* env, jclass, jlong inst,
                                                                          jobject cfg) {
    RunNative(env, [&] {
        // A refused frame leaves the VM's OutOfMemoryError to the caller.
        LocalFrame frame(env, kApplyFrameCapacity);
        const auto config = ReadConfigFromJava(env, cfg);
        if (!config) {
            return;
        }
        std::string text;
        try {
            text = orvek::config::SerializeConfigToJson(*config);
        } catch (const nlohmann::json::exception&) {
            // Texts arrive as standard UTF-8, so this is not expected; should it
            // happen, the device keeps its configuration, as for any text it rejects.
            return;
        }
        pv_ApplyConfigurationJson(HandleFromJava(inst), text.data(), text.size());
    });
}

}  // extern "C"
