#pragma once
// Reading plain Java objects field by field for ApplyConfiguration: every
// look-up is checked at once, and a missing member or a Java call that throws is
// described, cleared and read as "no value", never passed on.
//
// Internal to the Java binding: no guarantee beyond it.

#include "JniSupport.h"

#include <jni.h>

#include <cstdint>
#include <optional>
#include <string>

namespace orvek::internal::jni {

// The standard classes and methods the reader calls, looked up once per call of
// ApplyConfiguration. The classes are local references of that call's frame.
struct JavaStandardMethods {
    LocalRef<jclass> integerCls, listCls, mapCls, setCls, iteratorCls, entryCls, longCls, doubleCls, booleanCls;
    jmethodID intValue = nullptr;
    jmethodID listSize = nullptr, listGet = nullptr;
    jmethodID entrySet = nullptr, setIterator = nullptr, hasNext = nullptr, next = nullptr;
    jmethodID getKey = nullptr, getValue = nullptr;
    jmethodID longValue = nullptr, doubleValue = nullptr, booleanValue = nullptr;
};

// Looks up Integer.intValue; false (error described and cleared) when missing.
bool ResolveIntegerMethods(JNIEnv* env, JavaStandardMethods& methods);
// Looks up List.size and List.get.
bool ResolveListMethods(JNIEnv* env, JavaStandardMethods& methods);
// Looks up the Map, Set, Iterator, Map.Entry, Long, Double and Boolean methods.
bool ResolveMapMethods(JNIEnv* env, JavaStandardMethods& methods);

// A Java string's text in standard UTF-8: null, or a VM that gives no
// characters, reads as the empty text.
std::string JStringToString(JNIEnv* env, jstring string);

// An object's text: a String's characters, or what toString gives for any other
// object; none for null or when toString throws or gives null.
std::optional<std::string> TextOf(JNIEnv* env, jobject object);

// The ordinal of an enum constant through `enumCls`'s ordinal method (the
// constant's own class when null); none when the method is missing or throws.
std::optional<jint> OrdinalOf(JNIEnv* env, jobject constant, jclass enumCls = nullptr);

// One Java object and its class, whose fields are looked up by name anew on
// every use. Invalid when the object is null or has no class.
class JavaObject {
public:
    JavaObject(JNIEnv* env, jobject object, const JavaStandardMethods& methods);

    explicit operator bool() const { return m_cls.get() != nullptr; }
    jobject get() const { return m_object; }
    JNIEnv* env() const { return m_env; }

    // The field's id; null when the class has no such field (error cleared).
    jfieldID Field(const char* name, const char* signature) const;

    LocalRef<jobject> Object(jfieldID field) const;
    std::string String(jfieldID field) const;  // JStringToString of the field
    jint Int(jfieldID field) const { return m_env->GetIntField(m_object, field); }
    bool Bool(jfieldID field) const { return m_env->GetBooleanField(m_object, field) != JNI_FALSE; }
    // intValue of an Integer field; none when the field is null or intValue throws.
    std::optional<jint> Integer(jfieldID field) const;

    // The field, looked up and read in one step; none when the field is missing.
    std::optional<std::string> StringNamed(const char* name) const;
    // As StringNamed, and also none when the field holds null.
    std::optional<std::string> NonNullStringNamed(const char* name) const;
    std::optional<jint> IntNamed(const char* name) const;
    std::optional<jint> IntegerNamed(const char* name) const;  // also none for null

private:
    JNIEnv* m_env;
    jobject m_object;
    const JavaStandardMethods& m_methods;
    LocalRef<jclass> m_cls;
};

// Calls `read(JavaObject&)` for each element of a java.util.List in order. A
// failed size counts as an empty list; an element that get fails on, or that is
// null, is skipped. Each element's references go before the next is read.
template <typename Read>
void ForEachElement(JNIEnv* env, const JavaStandardMethods& methods, jobject list, Read&& read) {
    if (list == nullptr) {
        return;
    }
    jint count = env->CallIntMethod(list, methods.listSize);
    if (!CheckAndClear(env)) {
        count = 0;
    }
    for (jint i = 0; i < count; ++i) {
        LocalRef<jobject> element(env, env->CallObjectMethod(list, methods.listGet, i));
        if (!CheckAndClear(env) || !element) {
            continue;
        }
        JavaObject object(env, element.get(), methods);
        if (object) {
            read(object);
        }
    }
}

// Calls `read(name, value)` for each entry of a java.util.Map whose key and
// value are both non-null, in the map's own order; the name is the key's text.
// An iterator whose next throws has not moved on, so the walk ends there rather
// than asking it again and again. A raw-typed map's entry set may yield objects
// that are no Map.Entry; those are passed over, since asking one for its key
// would be a call on the wrong class (fatal under -Xcheck:jni).
template <typename Read>
void ForEachEntry(JNIEnv* env, const JavaStandardMethods& methods, jobject map, Read&& read) {
    LocalRef<jobject> set(env, env->CallObjectMethod(map, methods.entrySet));
    if (!CheckAndClear(env) || !set) return;
    LocalRef<jobject> iterator(env, env->CallObjectMethod(set.get(), methods.setIterator));
    if (!CheckAndClear(env) || !iterator) return;
    while (true) {
        const jboolean more = env->CallBooleanMethod(iterator.get(), methods.hasNext);
        if (!CheckAndClear(env) || !more) return;
        LocalRef<jobject> entry(env, env->CallObjectMethod(iterator.get(), methods.next));
        if (!CheckAndClear(env)) return;
        if (!entry || !env->IsInstanceOf(entry.get(), methods.entryCls.get())) continue;
        LocalRef<jobject> key(env, env->CallObjectMethod(entry.get(), methods.getKey));
        if (!CheckAndClear(env) || !key) continue;
        LocalRef<jobject> value(env, env->CallObjectMethod(entry.get(), methods.getValue));
        if (!CheckAndClear(env) || !value) continue;
        if (std::optional<std::string> name = TextOf(env, key.get())) {
            read(*name, value.get());
        }
    }
}

}  // namespace orvek::internal::jni
