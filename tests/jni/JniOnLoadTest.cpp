// The library's load entry point asks the VM for JNI 1.6 and reports what it got.

#include "pavonixVariant/OrvekJNI.h"

#include <gtest/gtest.h>

namespace {

jint g_getEnvResult = JNI_OK;
jint g_askedVersion = 0;

jint JNICALL FakeGetEnv(JavaVM*, void** env, jint version) {
    g_askedVersion = version;
    *env = nullptr;
    return g_getEnvResult;
}

TEST(JniOnLoadTest, ReturnsVersion16OnlyWhenTheVmHasIt) {
    JNIInvokeInterface_ functions{};
    functions.GetEnv = FakeGetEnv;
    JavaVM vm{};
    vm.functions = &functions;
    const struct {
        jint getEnv;
        jint expected;
    } cases[] = {{JNI_OK, 0x10006}, {JNI_EDETACHED, -1}, {JNI_EVERSION, -1}};
    for (const auto& c : cases) {
        g_getEnvResult = c.getEnv;
        EXPECT_EQ(JNI_OnLoad(&vm, nullptr), c.expected) << c.getEnv;
        EXPECT_EQ(g_askedVersion, 0x10006);
    }
}

}  // namespace
