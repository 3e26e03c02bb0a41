// OrvekJNI.SetColor called from Java, to compare with NativeFixture/BM_pv_SetColor.
//
// The VM is embedded once, with orvek.jar on its class path; it loads the built
// libOrvekDriver.so, whose device is its own (this executable's statically
// linked device keeps the HAL's "Pavonix" name; the library's device runs
// without HAL values, which LED commands do not use). Both are configured alike.

#include <jni.h>

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr const char* kStripZone = "front-left-strip";
constexpr int kBatch = 1000;

// The VM and the Java objects every run uses; local references of the main
// thread, which never returns to Java, stay valid for the life of the process.
struct JavaSide {
    JNIEnv* env = nullptr;
    jclass loop = nullptr;
    jmethodID run = nullptr;
    jlong handle = 0;
    jstring zone = nullptr;
    jobject color = nullptr;
    std::string error;
};

bool Failed(JNIEnv* env, JavaSide& side, const char* what) {
    if (!env->ExceptionCheck()) return false;
    env->ExceptionDescribe();
    env->ExceptionClear();
    side.error = what;
    return true;
}

void ConfigureLibraryDevice(JNIEnv* env, JavaSide& side) {
    jclass jni = env->FindClass("com/rozovedar/jni/OrvekJNI");  // loads libOrvekDriver.so
    if (Failed(env, side, "OrvekJNI not loaded")) return;
    side.handle = env->CallStaticLongMethod(jni, env->GetStaticMethodID(jni, "CreateInstance", "()J"));
    const std::string json = std::string(R"({"channels":{"c":{"id":"c","length":300,"zones":[{"id":")") + kStripZone +
                             R"(","type":"strip","length":60}]}}})";
    jobject config = env->CallStaticObjectMethod(
        jni,
        env->GetStaticMethodID(jni, "ParseConfigJson",
                               "(Ljava/lang/String;)Lcom/rozovedar/domain/config/OrvekDeviceConfig;"),
        env->NewStringUTF(json.c_str()));
    if (Failed(env, side, "ParseConfigJson failed")) return;
    if (config == nullptr) {
        side.error = "ParseConfigJson returned null";
        return;
    }
    env->CallStaticVoidMethod(
        jni, env->GetStaticMethodID(jni, "ApplyConfiguration", "(JLcom/rozovedar/domain/config/OrvekDeviceConfig;)V"),
        side.handle, config);
    Failed(env, side, "ApplyConfiguration failed");
}

// ApplyConfiguration swallows every failure, so the zone is tried from Java
// before anything is timed: a rejected SetColor would time the error path.
void CheckZoneTakesCommands(JavaSide& side) {
    JNIEnv* env = side.env;
    jmethodID accepts =
        env->GetStaticMethodID(side.loop, "accepts", "(JLjava/lang/String;Lcom/rozovedar/domain/led/AnimationColor;)Z");
    if (Failed(env, side, "JniSetColorLoop.accepts not found")) return;
    const bool accepted = env->CallStaticBooleanMethod(side.loop, accepts, side.handle, side.zone, side.color);
    if (Failed(env, side, "JniSetColorLoop.accepts threw")) return;
    if (!accepted) side.error = "the benchmark configuration did not apply: SetColor was rejected";
}

JavaSide StartJavaSide() {
    JavaSide side;
    std::string classPath = "-Djava.class.path=" ORVEK_BENCH_CLASSPATH;
    std::string libraryPath = "-Djava.library.path=" ORVEK_DRIVER_DIR;
    JavaVMOption options[] = {{classPath.data(), nullptr}, {libraryPath.data(), nullptr}};
    JavaVMInitArgs args{JNI_VERSION_1_6, 2, options, JNI_FALSE};
    JavaVM* vm = nullptr;
    if (JNI_CreateJavaVM(&vm, reinterpret_cast<void**>(&side.env), &args) != JNI_OK) {
        side.error = "no Java VM";
        return side;
    }
    JNIEnv* env = side.env;
    ConfigureLibraryDevice(env, side);
    if (!side.error.empty()) return side;
    side.loop = env->FindClass("JniSetColorLoop");
    if (Failed(env, side, "JniSetColorLoop not found")) return side;
    side.run =
        env->GetStaticMethodID(side.loop, "run", "(JLjava/lang/String;Lcom/rozovedar/domain/led/AnimationColor;I)V");
    side.zone = env->NewStringUTF(kStripZone);
    jclass colorClass = env->FindClass("com/rozovedar/domain/led/AnimationColor");
    side.color =
        env->NewObject(colorClass, env->GetMethodID(colorClass, "<init>", "(BBB)V"), jbyte{-1}, jbyte{0}, jbyte{0});
    if (Failed(env, side, "AnimationColor not made")) return side;
    CheckZoneTakesCommands(side);
    return side;
}

JavaSide& Java() {
    static JavaSide side = StartJavaSide();  // one VM per process
    return side;
}

void BM_JniSetColor(benchmark::State& state) {
    JavaSide& side = Java();
    if (!side.error.empty()) {
        state.SkipWithError(side.error.c_str());
        return;
    }
    while (state.KeepRunningBatch(kBatch)) {
        side.env->CallStaticVoidMethod(side.loop, side.run, side.handle, side.zone, side.color, jint{kBatch});
    }
    if (Failed(side.env, side, "SetColor threw")) state.SkipWithError(side.error.c_str());
}
BENCHMARK(BM_JniSetColor);

}  // namespace

namespace {

// What the binding must do for the colour on every call, and nothing else: the
// colour's class and its three field ids, looked up afresh each time. Beside
// BM_JniSetColor it shows how much of a Java call these look-ups alone cost.
void BM_JniColorLookups(benchmark::State& state) {
    JavaSide& side = Java();
    if (!side.error.empty()) {
        state.SkipWithError(side.error.c_str());
        return;
    }
    JNIEnv* env = side.env;
    for (auto _ : state) {
        jclass cls = env->GetObjectClass(side.color);
        benchmark::DoNotOptimize(env->GetFieldID(cls, "r", "B"));
        benchmark::DoNotOptimize(env->GetFieldID(cls, "g", "B"));
        benchmark::DoNotOptimize(env->GetFieldID(cls, "b", "B"));
        env->DeleteLocalRef(cls);  // this thread never returns to Java to free it
    }
    if (Failed(env, side, "a colour field was not found")) state.SkipWithError(side.error.c_str());
}
BENCHMARK(BM_JniColorLookups);

}  // namespace
