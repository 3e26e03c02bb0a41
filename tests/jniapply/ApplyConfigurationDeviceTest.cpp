// ApplyConfiguration's reading of each field, checked on what the device applied:
// the Java side builds each configuration (ApplyCases in the config test jar),
// the native reads it, and GetAppliedConfiguration shows the result. The program
// starts a VM of its own with -Xcheck:jni.

#include "ConfigEquality.h"

#include "device/PavonixSimDevice.h"
#include "pavonixVariant/OrvekJNI.h"

#include <gtest/gtest.h>
#include <jni.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace orvek::internal;
using namespace orvek::internal::Configuration;

// The one VM of the process, made on first use with the jars the build names.
JNIEnv* Env() {
    static JNIEnv* env = [] {
        std::string classPath = std::string("-Djava.class.path=") + ORVEK_TEST_CLASSPATH;
        std::string checkJni = "-Xcheck:jni";
        JavaVMOption options[] = {{classPath.data(), nullptr}, {checkJni.data(), nullptr}};
        JavaVMInitArgs args{JNI_VERSION_1_6, 2, options, JNI_FALSE};
        JavaVM* vm = nullptr;
        JNIEnv* created = nullptr;
        return JNI_CreateJavaVM(&vm, reinterpret_cast<void**>(&created), &args) == JNI_OK ? created : nullptr;
    }();
    return env;
}

// Applies each configuration that ApplyCases.<name> gives (one, or an array) and
// returns what the device held after each.
std::vector<OrvekConfiguration> ApplyCase(const char* name, const char* signature) {
    JNIEnv* env = Env();
    std::vector<OrvekConfiguration> applied;
    if (env == nullptr || env->PushLocalFrame(64) != 0) {
        ADD_FAILURE() << "no VM";
        return applied;
    }
    jclass cases = env->FindClass("com/rozovedar/domain/config/ApplyCases");
    jmethodID method = cases ? env->GetStaticMethodID(cases, name, signature) : nullptr;
    jobject result = method ? env->CallStaticObjectMethod(cases, method) : nullptr;
    if (env->ExceptionCheck() || result == nullptr) {
        env->ExceptionDescribe();
        env->ExceptionClear();
        ADD_FAILURE() << "ApplyCases." << name << " gave nothing";
    } else {
        const bool many = signature[2] == '[';
        const jsize count = many ? env->GetArrayLength(static_cast<jobjectArray>(result)) : 1;
        for (jsize i = 0; i < count; ++i) {
            jobject cfg = many ? env->GetObjectArrayElement(static_cast<jobjectArray>(result), i) : result;
            PavonixSimDevice::GetInstance()->ClearConfiguration();
            Java_com_rozovedar_jni_OrvekJNI_ApplyConfiguration(env, nullptr, 0, cfg);
            EXPECT_FALSE(env->ExceptionCheck()) << name << " left a Java exception pending";
            applied.push_back(
                PavonixSimDevice::GetInstance()->GetAppliedConfiguration().value_or(OrvekConfiguration{}));
        }
    }
    env->PopLocalFrame(nullptr);
    return applied;
}

OrvekConfiguration One(const char* name) {
    auto applied = ApplyCase(name, "()Lcom/rozovedar/domain/config/OrvekDeviceConfig;");
    return applied.empty() ? OrvekConfiguration{} : applied.front();
}

Configuration::Animation Step(std::string id, bool reversed, uint16_t delay, std::optional<domain::Color> color,
                              std::optional<uint8_t> repeat) {
    return Configuration::Animation{std::move(id), reversed, delay, color, repeat};
}

TEST(ApplyConfigurationDevice, StepsAreLimited) {
    OrvekConfiguration expected;
    expected.sequences = {{"seq",
                           {Step("Fill", true, 0, domain::Color{255, 0, 128}, 255), Step("Blink", false, 0, {}, {}),
                            Step("Chase", false, 4464, {}, 0)}}};
    EXPECT_TRUE(orvek::testing::ConfigsEqual(expected, One("steps")));
}

TEST(ApplyConfigurationDevice, BitmapKindsTakeTheirOwnFields) {
    Bitmap animated{"anim", BitmapType::Animated, {}, "frames", 0};
    Bitmap untyped{"untyped", BitmapType::Static, "", {}, {}};
    Bitmap bare{"bare", BitmapType::Animated, {}, {}, 4464};
    OrvekConfiguration expected;
    expected.bitmaps = {animated, untyped, bare};
    EXPECT_TRUE(orvek::testing::ConfigsEqual(expected, One("bitmaps")));
}

TEST(ApplyConfigurationDevice, ModulesMapConnectionWordsAndBoxedSettings) {
    using ModuleInfo::ModuleConnectionType;
    Module spi{"a", "color", 0, ModuleConnectionType::SPI, {}};
    // A Long of -1 is the largest unsigned value; an Integer is taken as its text.
    spi.customConfig = {{{"all-ones", ModuleConfigValue(std::numeric_limits<uint64_t>::max())},
                         {"half", ModuleConfigValue(0.5)},
                         {"on", ModuleConfigValue(true)},
                         {"text", ModuleConfigValue(std::string("v"))},
                         {"int", ModuleConfigValue(std::string("5"))}}};
    // Module "h"'s entry set also yields an object that is no entry: passed over.
    Module stray{"h", "t", 1, ModuleConnectionType::SPI, {}};
    stray.customConfig = {{{"kept", ModuleConfigValue(uint64_t{7})}}};
    OrvekConfiguration expected;
    expected.sensors = {spi,
                        {"b", "color", 4464, ModuleConnectionType::I2C, {}},
                        {"c", "t", 1, ModuleConnectionType::I2C, {}},
                        {"d", "t", 1, ModuleConnectionType::UART, {}},
                        {"e", "t", 1, ModuleConnectionType::DIO, {}},
                        {"f", "t", 1, ModuleConnectionType::AIO, {}},
                        stray};
    EXPECT_TRUE(orvek::testing::ConfigsEqual(expected, One("modules")));
}

TEST(ApplyConfigurationDevice, NetworksAndTeam) {
    const auto applied = ApplyCase("networks", "()[Lcom/rozovedar/domain/config/OrvekDeviceConfig;");
    ASSERT_EQ(applied.size(), 5u);
    const std::pair<NetworkType, uint8_t> expected[] = {{NetworkType::I2C, 255},
                                                        {NetworkType::I2C, 0},
                                                        {NetworkType::CAN, 0},
                                                        {NetworkType::USB, 0},
                                                        {NetworkType::USB, 0}};
    for (size_t i = 0; i < applied.size(); ++i) {
        OrvekConfiguration want;
        want.teamNumber = "";
        want.network.type = expected[i].first;
        want.network.i2c.address = expected[i].second;
        EXPECT_TRUE(orvek::testing::ConfigsEqual(want, applied[i])) << "network " << i;
    }
}

}  // namespace
