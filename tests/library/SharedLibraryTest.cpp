// The shipped libOrvekDriver.so as a robot program meets it: loaded with dlopen,
// reached only through the names it exports.

#include <orvek/domain/event/Event.h>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <array>
#include <cstdio>
#include <memory>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace {

using orvek::internal::Eventing::Event;
using orvek::internal::Eventing::EventType;
using orvek::internal::Eventing::Status;

const std::set<std::string> kExpectedExports = {
    "pv_CreateInstance",
    "pv_Connect",
    "pv_ConnectUart",
    "pv_IsConnected",
    "pv_GetCurrentStatus",
    "pv_GetLatestEvent",
    "pv_GetEvents",
    "pv_GetLatestData",
    "pv_SetColor",
    "pv_SetGroupColor",
    "pv_SetAnimation",
    "pv_SetGroupAnimation",
    "pv_SetAnimationSequence",
    "pv_SetGroupAnimationSequence",
    "pv_SetBitmap",
    "pv_SetGroupBitmap",
    "pv_SetText",
    "pv_SetGroupText",
    "pv_RestartDevice",
    "pv_RequestConfig",
    "pv_SetDeployPath",
    "JNI_OnLoad",
    "JNI_OnUnload",
    "Java_com_rozovedar_jni_OrvekJNI_CreateInstance",
    "Java_com_rozovedar_jni_OrvekJNI_DeleteInstance",
    "Java_com_rozovedar_jni_OrvekJNI_Connect",
    "Java_com_rozovedar_jni_OrvekJNI_ConnectUart",
    "Java_com_rozovedar_jni_OrvekJNI_IsConnected",
    "Java_com_rozovedar_jni_OrvekJNI_GetCurrentStatus",
    "Java_com_rozovedar_jni_OrvekJNI_RestartDevice",
    "Java_com_rozovedar_jni_OrvekJNI_SetDeployPath",
    "Java_com_rozovedar_jni_OrvekJNI_SetColor",
    "Java_com_rozovedar_jni_OrvekJNI_SetGroupColor",
    "Java_com_rozovedar_jni_OrvekJNI_SetAnimation",
    "Java_com_rozovedar_jni_OrvekJNI_SetGroupAnimation",
    "Java_com_rozovedar_jni_OrvekJNI_SetAnimationSequence",
    "Java_com_rozovedar_jni_OrvekJNI_SetGroupAnimationSequence",
    "Java_com_rozovedar_jni_OrvekJNI_SetBitmap",
    "Java_com_rozovedar_jni_OrvekJNI_SetGroupBitmap",
    "Java_com_rozovedar_jni_OrvekJNI_SetText",
    "Java_com_rozovedar_jni_OrvekJNI_SetGroupText",
    "Java_com_rozovedar_jni_OrvekJNI_GetLatestEvent",
    "Java_com_rozovedar_jni_OrvekJNI_GetEvents",
    "Java_com_rozovedar_jni_OrvekJNI_GetLatestData",
    "Java_com_rozovedar_jni_OrvekJNI_GetConfig",
    "Java_com_rozovedar_jni_OrvekJNI_ParseConfigJson",
    "Java_com_rozovedar_jni_OrvekJNI_ApplyConfiguration",
    "Java_com_rozovedar_modules_SimModules_Inject",
    "Java_com_rozovedar_utils_AlertUtils_getDisabledCauseText",
    "Java_com_rozovedar_utils_AlertUtils_getErrorTypeText",
    "Java_com_rozovedar_utils_AlertUtils_getFatalErrorTypeText",
};

std::string RunCommand(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    if (!pipe) return output;
    std::array<char, 4096> buffer;
    for (size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0;) output.append(buffer.data(), n);
    return output;
}

// name -> version of every defined dynamic symbol, from readelf's table.
std::map<std::string, std::string> DefinedDynamicSymbols(const std::string& library) {
    std::map<std::string, std::string> symbols;
    std::istringstream table(RunCommand("readelf --dyn-syms -W '" + library + "'"));
    for (std::string line; std::getline(table, line);) {
        std::istringstream fields(line);
        std::string num, value, size, type, bind, visibility, index, name;
        if (!(fields >> num >> value >> size >> type >> bind >> visibility >> index >> name)) continue;
        if (num.empty() || num.back() != ':' || index == "UND" || index == "Ndx") continue;
        const auto at = name.find('@');
        if (index == "ABS" && at == std::string::npos) continue;  // a version's own definition
        const std::string plain = name.substr(0, at);
        const std::string version = at == std::string::npos ? "" : name.substr(name.find_first_not_of('@', at));
        symbols[plain] = version;
    }
    return symbols;
}

class SharedLibraryTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        s_library = dlopen(ORVEK_DRIVER_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(s_library, nullptr) << dlerror();
    }

    template <typename Fn>
    static Fn* Resolve(const char* name) {
        return reinterpret_cast<Fn*>(dlsym(s_library, name));
    }

    static inline void* s_library = nullptr;
};

TEST_F(SharedLibraryTest, ExportsExactlyTheVmEntriesPvFunctionsAndJavaNativesUnderOneVersion) {
    ASSERT_EQ(kExpectedExports.size(), 2u + 21u + 28u);
    const auto symbols = DefinedDynamicSymbols(ORVEK_DRIVER_PATH);
    std::set<std::string> names;
    for (const auto& [name, version] : symbols) {
        names.insert(name);
        EXPECT_EQ(version, "OrvekDriver") << name;
    }
    EXPECT_EQ(names, kExpectedExports);
    for (const auto& name : kExpectedExports) {
        EXPECT_NE(dlsym(s_library, name.c_str()), nullptr) << name;
    }
    EXPECT_EQ(dlsym(s_library, "pv_ApplyConfigurationJson"), nullptr);
    EXPECT_EQ(dlsym(s_library, "Orvek_GetErrorTypeText"), nullptr);
}

TEST_F(SharedLibraryTest, ConnectsAndReportsThroughTheLoadedLibrary) {
    struct Handle;
    auto create = Resolve<Handle*()>("pv_CreateInstance");
    auto connect = Resolve<bool(Handle*, int)>("pv_Connect");
    auto isConnected = Resolve<bool(Handle*)>("pv_IsConnected");
    auto status = Resolve<Status(Handle*)>("pv_GetCurrentStatus");
    auto latest = Resolve<bool(Handle*, Event*)>("pv_GetLatestEvent");
    auto events = Resolve<int(Handle*, Event*, int)>("pv_GetEvents");
    ASSERT_TRUE(create && connect && isConnected && status && latest && events);

    Handle* handle = create();
    ASSERT_NE(handle, nullptr);
    EXPECT_FALSE(isConnected(handle));
    EXPECT_EQ(status(handle), Status::Error);  // a disconnected device reports Error
    ASSERT_TRUE(connect(handle, 2));           // USB1
    EXPECT_TRUE(isConnected(handle));
    EXPECT_EQ(status(handle), Status::Active);

    Event newest;
    ASSERT_TRUE(latest(handle, &newest));
    EXPECT_EQ(newest.header.type, EventType::HeartBeat);
    Event rest[4];
    ASSERT_EQ(events(handle, rest, 4), 1);
    EXPECT_EQ(rest[0].header.type, EventType::Connected);

    // The handle holds one null pointer; its owner frees it (as the Java side does).
    ::operator delete(handle);
}

}  // namespace
