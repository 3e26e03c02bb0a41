// Conversions and the exception boundary shared by every native of the binding.

#include "JniSupport.h"

#include "pavonixVariant/ModifiedUtf8.h"

#include <cstring>
#include <exception>
#include <stdexcept>

namespace orvek::internal::jni {

bool CheckAndClear(JNIEnv* env) {
    if (!env->ExceptionCheck()) {
        return true;
    }
    env->ExceptionDescribe();
    env->ExceptionClear();
    return false;
}

void ThrowIfPending(JNIEnv* env) {
    if (env->ExceptionCheck()) {
        throw PendingJavaException{};
    }
}

void RaiseJava(JNIEnv* env, const char* className, const char* message) {
    if (env->ExceptionCheck()) {
        return;
    }
    LocalRef<jclass> cls(env, env->FindClass(className));
    if (!cls) {
        return;  // FindClass left its own error pending
    }
    // Plain ASCII is thrown as it is (no allocation); other text goes through the
    // same conversion as every text, so stray bytes in a what() cannot upset the VM.
    if (IsPlainAscii(message)) {
        env->ThrowNew(cls.get(), message);
    } else {
        env->ThrowNew(cls.get(), StandardToModifiedUtf8(message).c_str());
    }
}

void RequireNonNull(JNIEnv* env, jobject object, const char* name) {
    if (object == nullptr) {
        RaiseJava(env, "java/lang/NullPointerException", (std::string(name) + " must not be null").c_str());
        throw PendingJavaException{};
    }
}

LocalFrame::LocalFrame(JNIEnv* env, jint capacity) : m_env(env) {
    if (env->PushLocalFrame(capacity) != 0) {
        throw PendingJavaException{};
    }
    m_pushed = true;
}

LocalFrame::~LocalFrame() {
    if (m_pushed) m_env->PopLocalFrame(nullptr);
}

jobject LocalFrame::Pop(jobject keep) {
    m_pushed = false;
    return m_env->PopLocalFrame(keep);
}

StringChars::StringChars(JNIEnv* env, jstring string) : m_env(env), m_string(string) { Acquire(); }

StringChars::StringChars(JNIEnv* env, jstring string, const char* argument) : m_env(env), m_string(nullptr) {
    RequireNonNull(env, string, argument);
    m_string = string;
    Acquire();
    if (m_chars == nullptr) {
        throw PendingJavaException{};
    }
}

void StringChars::Acquire() {
    if (m_string == nullptr) {
        return;
    }
    const jsize units = m_env->GetStringLength(m_string);
    if (units <= kInlineUnits) {
        // The VM need not terminate what GetStringUTFRegion copies, and modified
        // UTF-8 holds no zero byte, so a cleared buffer ends the text.
        std::memset(m_inline, 0, static_cast<size_t>(units) * 3 + 1);
        m_env->GetStringUTFRegion(m_string, 0, units, m_inline);
        m_chars = m_inline;
    } else {
        m_chars = m_env->GetStringUTFChars(m_string, nullptr);
        m_fromVm = m_chars != nullptr;
    }
    if (m_chars != nullptr) {
        Classify();
    }
}

// Only C0 80 (U+0000) and ED xx xx (a surrogate half) differ between the VM's
// form and the standard one; text without them is used in place. The library's
// string scans are quicker than a loop of our own: this runs on every LED command.
void StringChars::Classify() {
    m_size = std::strlen(m_chars);
    if (std::memchr(m_chars, '\xC0', m_size) != nullptr || std::memchr(m_chars, '\xED', m_size) != nullptr) {
        m_text = ModifiedToStandardUtf8(std::string_view(m_chars, m_size));
        m_converted = true;
    }
}

StringChars::~StringChars() {
    if (m_fromVm) m_env->ReleaseStringUTFChars(m_string, m_chars);
}

LocalRef<jstring> NewJavaString(JNIEnv* env, std::string_view utf8) {
    jstring string = nullptr;
    if (IsPlainAscii(utf8)) {
        // A view need not be terminated: copy it when it is not the whole of a C text.
        const std::string plain(utf8);
        string = env->NewStringUTF(plain.c_str());
    } else {
        const std::string modified = StandardToModifiedUtf8(utf8);
        string = env->NewStringUTF(modified.c_str());
    }
    if (string == nullptr) {
        throw PendingJavaException{};
    }
    return LocalRef<jstring>(env, string);
}

LocalRef<jbyteArray> NewJavaBytes(JNIEnv* env, const uint8_t* data, size_t size) {
    const auto length = static_cast<jsize>(size);
    LocalRef<jbyteArray> array(env, env->NewByteArray(length));
    ThrowIfPending(env);
    if (length > 0) env->SetByteArrayRegion(array.get(), 0, length, reinterpret_cast<const jbyte*>(data));
    return array;
}

LocalRef<jclass> RequireClass(JNIEnv* env, const char* name) {
    jclass cls = env->FindClass(name);
    if (cls == nullptr) {
        throw PendingJavaException{};
    }
    return LocalRef<jclass>(env, cls);
}

LocalRef<jclass> RequireObjectClass(JNIEnv* env, jobject object) {
    jclass cls = env->GetObjectClass(object);
    if (cls == nullptr) {
        throw PendingJavaException{};
    }
    return LocalRef<jclass>(env, cls);
}

jfieldID RequireField(JNIEnv* env, jclass cls, const char* name, const char* signature) {
    jfieldID field = env->GetFieldID(cls, name, signature);
    if (field == nullptr) {
        throw PendingJavaException{};
    }
    return field;
}

jmethodID RequireMethod(JNIEnv* env, jclass cls, const char* name, const char* signature) {
    jmethodID method = env->GetMethodID(cls, name, signature);
    if (method == nullptr) {
        throw PendingJavaException{};
    }
    return method;
}

jmethodID RequireStaticMethod(JNIEnv* env, jclass cls, const char* name, const char* signature) {
    jmethodID method = env->GetStaticMethodID(cls, name, signature);
    if (method == nullptr) {
        throw PendingJavaException{};
    }
    return method;
}

void TranslateCurrentException(JNIEnv* env) noexcept {
    // The inner handlers build messages, which may fail to allocate; the outer
    // handler then still raises, with a fixed text that needs no memory.
    try {
        try {
            throw;
        } catch (const PendingJavaException&) {
        } catch (const std::invalid_argument& error) {
            RaiseJava(env, "java/lang/IllegalArgumentException", error.what());
        } catch (const std::out_of_range& error) {
            RaiseJava(env, "java/lang/IllegalArgumentException", error.what());
        } catch (const std::exception& error) {
            RaiseJava(env, "java/lang/RuntimeException",
                      (std::string("OrvekDriver native call failed: ") + error.what()).c_str());
        } catch (...) {
            RaiseJava(env, "java/lang/RuntimeException", "OrvekDriver native call failed with an unknown error");
        }
    } catch (...) {
        RaiseJava(env, "java/lang/RuntimeException", "OrvekDriver native call failed");
    }
}

}  // namespace orvek::internal::jni
