// The event and module-data natives against older Java classes that lack a
// member (tests/jnistale/java, ahead of orvek.jar on the class path). The VM's
// error goes to the caller, and nothing is taken from the device: a robot
// program that updates its classes still finds its events and records.

#include "device/PavonixSimDevice.h"
#include "pavonixVariant/OrvekJNI.h"
#include "pavonixVariant/c_Pavonix.h"

#include <gtest/gtest.h>
#include <jni.h>

#include <string>

namespace {

using orvek::internal::PavonixSimDevice;
using orvek::internal::Eventing::Event;
using orvek::internal::Eventing::EventType;

// The one VM of the process; the class path is fixed when it starts.
JNIEnv* Env() {
    static JNIEnv* env = [] {
        std::string classPath = "-Djava.class.path=" ORVEK_TEST_CLASSPATH;
        JavaVMOption options[] = {{classPath.data(), nullptr}, {const_cast<char*>("-Xcheck:jni"), nullptr}};
        JavaVMInitArgs args{JNI_VERSION_1_6, 2, options, JNI_FALSE};
        JavaVM* vm = nullptr;
        JNIEnv* created = nullptr;
        return JNI_CreateJavaVM(&vm, reinterpret_cast<void**>(&created), &args) == JNI_OK ? created : nullptr;
    }();
    return env;
}

// Whether the pending Java exception is a `className`; it is cleared.
bool TookJavaError(JNIEnv* env, const char* className) {
    jthrowable error = env->ExceptionOccurred();
    if (error == nullptr) return false;
    env->ExceptionClear();
    return env->IsInstanceOf(error, env->FindClass(className));
}

class StaleJavaClassesTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(Env(), nullptr);
        ASSERT_EQ(Env()->PushLocalFrame(64), 0);
        PavonixSimDevice::GetInstance()->ResetForTesting();
    }
    void TearDown() override { Env()->PopLocalFrame(nullptr); }
};

TEST_F(StaleJavaClassesTest, EventsStayQueuedWhenAnEventClassLacksAMember) {
    JNIEnv* env = Env();
    jclass eventClass = env->FindClass("com/rozovedar/domain/event/Event");
    jobject target = env->NewObject(eventClass, env->GetMethodID(eventClass, "<init>", "()V"));
    const struct {
        const char* native;
        void (*call)(JNIEnv*, jobject);
    } natives[] = {
        {"GetEvents", [](JNIEnv* e, jobject) { Java_com_rozovedar_jni_OrvekJNI_GetEvents(e, nullptr, 0); }},
        {"GetLatestEvent",
         [](JNIEnv* e, jobject out) { Java_com_rozovedar_jni_OrvekJNI_GetLatestEvent(e, nullptr, 0, out); }},
    };
    for (const auto& n : natives) {
        for (EventType type :
             {EventType::Connected, EventType::OTA, EventType::Custom}) {  // newest needs the stale class
            Event event;
            event.header.type = type;
            PavonixSimDevice::GetInstance()->PushEvent(event);
        }
        n.call(env, target);
        EXPECT_TRUE(TookJavaError(env, "java/lang/NoSuchFieldError")) << n.native;
        Event left[4];
        EXPECT_EQ(pv_GetEvents(nullptr, left, 4), 3) << n.native;
    }
}

TEST_F(StaleJavaClassesTest, ModuleRecordsStayPendingWhenTheEntryClassLacksAMember) {
    JNIEnv* env = Env();
    PavonixSimDevice::GetInstance()->InjectModuleData("arm", 1, {1, 2});
    PavonixSimDevice::GetInstance()->InjectModuleData("arm", 2, {});
    Java_com_rozovedar_jni_OrvekJNI_GetLatestData(env, nullptr, 0, env->NewStringUTF("arm"));
    EXPECT_TRUE(TookJavaError(env, "java/lang/NoSuchFieldError"));
    PavonixModuleData left;
    EXPECT_TRUE(pv_GetLatestData(nullptr, "arm", left));
    EXPECT_EQ(left.size(), 2u);
}

}  // namespace
