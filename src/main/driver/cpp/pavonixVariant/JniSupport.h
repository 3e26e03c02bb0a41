#pragma once
// The Java binding's one place for crossing the JNI boundary: string characters,
// local references and frames, look-ups, and the exception boundary of a native.
//
// Internal to the binding: no guarantee beyond it. Nothing here is cached; every
// look-up runs on the calling thread's environment on every call.
//
// Rules for natives built on this file:
//  - A native's body runs inside RunNative, the one place where C++ exceptions
//    become Java exceptions; nothing thrown inside crosses into the VM.
//  - A JNI call that leaves a Java exception pending ends the body by throwing
//    PendingJavaException; RunNative leaves that Java exception to the caller.
//  - Natives that must swallow Java exceptions instead (the configuration ones)
//    call CheckAndClear after each Java call that may throw.

#include <jni.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace orvek::internal::jni {

// Thrown inside a native when a Java exception is pending and the native must stop.
struct PendingJavaException {};

// True when no Java exception is pending; otherwise prints it through the VM
// (ExceptionDescribe), clears it and returns false.
bool CheckAndClear(JNIEnv* env);

// Throws PendingJavaException when a Java exception is pending.
void ThrowIfPending(JNIEnv* env);

// Raises a Java exception of `className` with `message`, unless one is already
// pending (that one is kept: it says what went wrong first).
void RaiseJava(JNIEnv* env, const char* className, const char* message);

// Raises NullPointerException "<name> must not be null" and throws
// PendingJavaException when `object` is null.
void RequireNonNull(JNIEnv* env, jobject object, const char* name);

// Owns one local reference and deletes it when it goes; move-only.
template <typename T>
class LocalRef {
public:
    LocalRef() = default;
    LocalRef(JNIEnv* env, T ref) : m_env(env), m_ref(ref) {}
    LocalRef(LocalRef&& other) noexcept : m_env(other.m_env), m_ref(std::exchange(other.m_ref, nullptr)) {}
    LocalRef& operator=(LocalRef&& other) noexcept {
        if (this != &other) {
            reset();
            m_env = other.m_env;
            m_ref = std::exchange(other.m_ref, nullptr);
        }
        return *this;
    }
    LocalRef(const LocalRef&) = delete;
    LocalRef& operator=(const LocalRef&) = delete;
    ~LocalRef() { reset(); }

    T get() const { return m_ref; }
    explicit operator bool() const { return m_ref != nullptr; }
    // Hands the reference over (for a native's result); this holder forgets it.
    T release() { return std::exchange(m_ref, nullptr); }
    void reset() {
        if (m_ref != nullptr) m_env->DeleteLocalRef(m_ref);
        m_ref = nullptr;
    }

private:
    JNIEnv* m_env = nullptr;
    T m_ref = nullptr;
};

// A local frame of `capacity` references, popped when it goes: every local
// reference made inside it is released, except the one handed to Pop.
class LocalFrame {
public:
    // Throws PendingJavaException when the VM cannot make room (OutOfMemoryError pending).
    LocalFrame(JNIEnv* env, jint capacity);
    LocalFrame(const LocalFrame&) = delete;
    LocalFrame& operator=(const LocalFrame&) = delete;
    ~LocalFrame();

    // Pops the frame now and returns `keep` as a reference valid in the enclosing frame.
    jobject Pop(jobject keep);

private:
    JNIEnv* m_env;
    bool m_pushed = false;
};

// The characters of a Java string as standard UTF-8, held from construction to
// destruction. A short string (every zone, group and entity id) is copied into
// the holder itself (GetStringUTFRegion), so an LED command asks the VM for no
// allocation; a longer one is the VM's copy (GetStringUTFChars /
// ReleaseStringUTFChars). A null jstring, or a VM that gives no characters
// (OutOfMemoryError then pending), holds none.
class StringChars {
public:
    StringChars(JNIEnv* env, jstring string);
    // For a Java argument that must not be null: NullPointerException naming
    // `argument` for null, and PendingJavaException whenever no characters are held.
    StringChars(JNIEnv* env, jstring string, const char* argument);
    StringChars(const StringChars&) = delete;
    StringChars& operator=(const StringChars&) = delete;
    ~StringChars();

    explicit operator bool() const { return m_chars != nullptr; }
    // NUL-terminated standard UTF-8, or null when none is held. A U+0000 inside
    // the Java string ends this C text; view() keeps all of it.
    const char* c_str() const { return m_chars == nullptr ? nullptr : m_converted ? m_text.c_str() : m_chars; }
    std::string_view view() const { return m_converted ? std::string_view(m_text) : std::string_view(m_chars, m_size); }

private:
    // UTF-16 units copied into m_inline; each becomes at most 3 bytes of modified UTF-8.
    static constexpr jsize kInlineUnits = 64;

    void Acquire();
    void Classify();

    JNIEnv* m_env;
    jstring m_string;
    const char* m_chars = nullptr;  // modified UTF-8: m_inline, or the VM's copy
    size_t m_size = 0;              // bytes at m_chars
    bool m_fromVm = false;          // m_chars is the VM's copy, to be released
    bool m_converted = false;       // m_text holds the standard form (the VM's differed)
    std::string m_text;
    char m_inline[3 * kInlineUnits + 1];
};

// A new Java string of standard UTF-8 text (possibly malformed), through the
// modified-UTF-8 conversion. Throws PendingJavaException when the VM fails.
LocalRef<jstring> NewJavaString(JNIEnv* env, std::string_view utf8);

// A new Java byte array holding a copy of `size` bytes (each as its 8-bit pattern).
// Throws PendingJavaException when the VM fails.
LocalRef<jbyteArray> NewJavaBytes(JNIEnv* env, const uint8_t* data, size_t size);

// Look-ups that throw PendingJavaException (NoClassDefFoundError, NoSuchFieldError,
// NoSuchMethodError pending) when the VM finds nothing.
LocalRef<jclass> RequireClass(JNIEnv* env, const char* name);
LocalRef<jclass> RequireObjectClass(JNIEnv* env, jobject object);
jfieldID RequireField(JNIEnv* env, jclass cls, const char* name, const char* signature);
jmethodID RequireMethod(JNIEnv* env, jclass cls, const char* name, const char* signature);
jmethodID RequireStaticMethod(JNIEnv* env, jclass cls, const char* name, const char* signature);

// Translates the C++ exception being handled into a Java exception; call only
// from a catch block.
void TranslateCurrentException(JNIEnv* env) noexcept;

// Runs a native's body; whatever it throws becomes a Java exception (see the
// file's rules) and the native returns `onFailure`.
template <typename Result, typename Body>
Result RunNative(JNIEnv* env, Result onFailure, Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        TranslateCurrentException(env);
    }
    return onFailure;
}

// RunNative for natives without a result.
template <typename Body>
void RunNative(JNIEnv* env, Body&& body) noexcept {
    try {
        std::forward<Body>(body)();
    } catch (...) {
        TranslateCurrentException(env);
    }
}

}  // namespace orvek::internal::jni
