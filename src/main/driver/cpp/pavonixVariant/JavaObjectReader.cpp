// Checked look-ups and reads of plain Java objects for ApplyConfiguration.

#include "JavaObjectReader.h"

#include <utility>

namespace orvek::internal::jni {

namespace {

// A class looked up by name; empty (error cleared) when the VM finds none.
LocalRef<jclass> FindClassChecked(JNIEnv* env, const char* name) {
    LocalRef<jclass> cls(env, env->FindClass(name));
    if (!CheckAndClear(env)) {
        return {};
    }
    return cls;
}

// Looks up `cls` and one or more methods of it; false at the first that is missing.
bool ResolveClass(JNIEnv* env, LocalRef<jclass>& cls, const char* name,
                  std::initializer_list<std::pair<jmethodID*, std::pair<const char*, const char*>>> methods) {
    cls = FindClassChecked(env, name);
    if (!cls) {
        return false;
    }
    for (const auto& [slot, method] : methods) {
        *slot = env->GetMethodID(cls.get(), method.first, method.second);
        if (!CheckAndClear(env) || *slot == nullptr) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool ResolveIntegerMethods(JNIEnv* env, JavaStandardMethods& m) {
    return ResolveClass(env, m.integerCls, "java/lang/Integer", {{&m.intValue, {"intValue", "()I"}}});
}

bool ResolveListMethods(JNIEnv* env, JavaStandardMethods& m) {
    return ResolveClass(env, m.listCls, "java/util/List",
                        {{&m.listSize, {"size", "()I"}}, {&m.listGet, {"get", "(I)Ljava/lang/Object;"}}});
}

bool ResolveMapMethods(JNIEnv* env, JavaStandardMethods& m) {
    return ResolveClass(env, m.mapCls, "java/util/Map", {{&m.entrySet, {"entrySet", "()Ljava/util/Set;"}}}) &&
           ResolveClass(env, m.setCls, "java/util/Set", {{&m.setIterator, {"iterator", "()Ljava/util/Iterator;"}}}) &&
           ResolveClass(env, m.iteratorCls, "java/util/Iterator",
                        {{&m.hasNext, {"hasNext", "()Z"}}, {&m.next, {"next", "()Ljava/lang/Object;"}}}) &&
           ResolveClass(env, m.entryCls, "java/util/Map$Entry",
                        {{&m.getKey, {"getKey", "()Ljava/lang/Object;"}},
                         {&m.getValue, {"getValue", "()Ljava/lang/Object;"}}}) &&
           ResolveClass(env, m.longCls, "java/lang/Long", {{&m.longValue, {"longValue", "()J"}}}) &&
           ResolveClass(env, m.doubleCls, "java/lang/Double", {{&m.doubleValue, {"doubleValue", "()D"}}}) &&
           ResolveClass(env, m.booleanCls, "java/lang/Boolean", {{&m.booleanValue, {"booleanValue", "()Z"}}});
}

std::string JStringToString(JNIEnv* env, jstring string) {
    StringChars chars(env, string);
    if (!chars) {
        CheckAndClear(env);  // the VM's OutOfMemoryError, when it gave no characters
        return {};
    }
    return std::string(chars.view());
}

std::optional<std::string> TextOf(JNIEnv* env, jobject object) {
    if (object == nullptr) {
        return std::nullopt;
    }
    LocalRef<jclass> stringCls = FindClassChecked(env, "java/lang/String");
    if (!stringCls) {
        return std::nullopt;
    }
    if (env->IsInstanceOf(object, stringCls.get())) {
        return JStringToString(env, static_cast<jstring>(object));
    }
    // Not a String (an Integer put into a settings map, say): its toString text
    // is what the program would print for it.
    LocalRef<jclass> cls(env, env->GetObjectClass(object));
    if (!cls) {
        return std::nullopt;
    }
    const jmethodID toString = env->GetMethodID(cls.get(), "toString", "()Ljava/lang/String;");
    if (!CheckAndClear(env) || toString == nullptr) {
        return std::nullopt;
    }
    LocalRef<jstring> text(env, static_cast<jstring>(env->CallObjectMethod(object, toString)));
    if (!CheckAndClear(env) || !text) {
        return std::nullopt;
    }
    return JStringToString(env, text.get());
}

std::optional<jint> OrdinalOf(JNIEnv* env, jobject constant, jclass enumCls) {
    LocalRef<jclass> ownCls;
    if (enumCls == nullptr) {
        ownCls = LocalRef<jclass>(env, env->GetObjectClass(constant));
        enumCls = ownCls.get();
        if (enumCls == nullptr) return std::nullopt;
    }
    const jmethodID ordinal = env->GetMethodID(enumCls, "ordinal", "()I");
    if (!CheckAndClear(env) || ordinal == nullptr) {
        return std::nullopt;
    }
    const jint value = env->CallIntMethod(constant, ordinal);
    if (!CheckAndClear(env)) {
        return std::nullopt;
    }
    return value;
}

JavaObject::JavaObject(JNIEnv* env, jobject object, const JavaStandardMethods& methods)
    : m_env(env), m_object(object), m_methods(methods) {
    if (object != nullptr) {
        m_cls = LocalRef<jclass>(env, env->GetObjectClass(object));
    }
}

jfieldID JavaObject::Field(const char* name, const char* signature) const {
    const jfieldID field = m_env->GetFieldID(m_cls.get(), name, signature);
    if (!CheckAndClear(m_env)) {
        return nullptr;
    }
    return field;
}

LocalRef<jobject> JavaObject::Object(jfieldID field) const {
    return LocalRef<jobject>(m_env, m_env->GetObjectField(m_object, field));
}

std::string JavaObject::String(jfieldID field) const {
    LocalRef<jobject> value = Object(field);
    return JStringToString(m_env, static_cast<jstring>(value.get()));
}

std::optional<jint> JavaObject::Integer(jfieldID field) const {
    LocalRef<jobject> boxed = Object(field);
    if (!boxed) {
        return std::nullopt;
    }
    const jint value = m_env->CallIntMethod(boxed.get(), m_methods.intValue);
    if (!CheckAndClear(m_env)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> JavaObject::StringNamed(const char* name) const {
    const jfieldID field = Field(name, "Ljava/lang/String;");
    return field != nullptr ? std::optional(String(field)) : std::nullopt;
}

std::optional<std::string> JavaObject::NonNullStringNamed(const char* name) const {
    const jfieldID field = Field(name, "Ljava/lang/String;");
    LocalRef<jobject> value = field != nullptr ? Object(field) : LocalRef<jobject>();
    return value ? std::optional(JStringToString(m_env, static_cast<jstring>(value.get()))) : std::nullopt;
}

std::optional<jint> JavaObject::IntNamed(const char* name) const {
    const jfieldID field = Field(name, "I");
    return field != nullptr ? std::optional(Int(field)) : std::nullopt;
}

std::optional<jint> JavaObject::IntegerNamed(const char* name) const {
    const jfieldID field = Field(name, "Ljava/lang/Integer;");
    return field != nullptr ? Integer(field) : std::nullopt;
}

}  // namespace orvek::internal::jni
