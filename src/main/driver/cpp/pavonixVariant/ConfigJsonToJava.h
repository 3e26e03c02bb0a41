#pragma once
// Configuration JSON to a Java OrvekDeviceConfig, through the Java builder API.
//
// Internal to the Java binding: no guarantee beyond it.
//
// This is a reader of its own beside config::ParseConfig, with its own rules:
// only JSON integers count as numbers (taken as 32-bit ints), the network word
// names a NetworkType constant, "md5" is read, lengths are passed uncut, module
// "connection" words pass through unchanged, and the channel key goes to Key().
// Every builder call is checked at once; a builder that throws ends the
// conversion with null, its exception described and cleared, never passed on.

#include "ConfigBuilderRefs.h"
#include "JniSupport.h"

#include <jni.h>

#include <nlohmann/json.hpp>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvek::internal::jni {

// A local reference to a new OrvekDeviceConfig built from configuration JSON
// `text` (standard UTF-8), or null: for empty text (no log), for text that does
// not parse (one ERROR line "Failed to parse config JSON: ..."), for a missing
// class or method of the builder contract, and for a builder that throws or
// opens no nested builder. No Java exception is left pending.
jobject BuildConfigFromJson(JNIEnv* env, const std::string& text);

// v limited to 0..255.
constexpr int ClampToByte(int v) { return v > 255 ? 255 : v < 0 ? 0 : v; }

// The 16 bytes of an "md5" member: an array of exactly 16 integers (each
// clamped to 0..255) or a text of exactly 32 hexadecimal digits; else none.
std::optional<std::array<uint8_t, 16>> ParseMd5(const nlohmann::json& value);

// The orientation bits of an "orientation" object: 1 "cornerTopBottom"
// "bottom", 2 "cornerLeftRight" "right", 4 "axisLayout" "cols", 8
// "sequenceLayout" "zigzag"; 0 for anything that is not an object.
int ParseOrientation(const nlohmann::json& value);

// The JSON helpers of the converter: a member counts only with the right kind.
namespace json_member {
// The value wrapped to 32 bits; none when it is not a JSON integer.
std::optional<int32_t> AsInteger(const nlohmann::json& value);
// The member's integer value wrapped to 32 bits; none when absent or not an integer.
std::optional<int32_t> Integer(const nlohmann::json& object, const char* name);
// The member's text; null when absent or not a string.
const std::string* String(const nlohmann::json& object, const char* name);
// The member; null when absent.
const nlohmann::json* Find(const nlohmann::json& object, const char* name);
}  // namespace json_member

// One conversion in progress: the look-ups and the configuration builder in hand.
class ConfigJsonToJava {
public:
    ConfigJsonToJava(ConfigBuilderRefs& refs, LocalRef<jobject> builder)
        : m_refs(refs), m_env(refs.env), m_builder(std::move(builder)) {}

    // Reads the root's members in their fixed order; false ends the conversion.
    bool ReadRoot(const nlohmann::json& root);
    // Calls Build on the builder in hand and releases it; null on an exception.
    jobject Build();

    // Adds every channel of the "channels" object, in key order (ConfigJsonChannels.cpp).
    bool ParseChannels(const nlohmann::json& channels);

private:
    bool ReadMd5(const nlohmann::json& value);
    bool ReadTeam(const nlohmann::json& value);
    bool ReadNetwork(const nlohmann::json& network);
    bool ReadNetworkType(const std::string& word);
    bool ReadSequence(const nlohmann::json& sequence);
    bool ReadStep(LocalRef<jobject>& sequenceBuilder, const nlohmann::json& step);
    bool ReadBitmap(const nlohmann::json& bitmap);
    bool ReadModule(const nlohmann::json& module);
    bool ReadModuleConfig(LocalRef<jobject>& moduleBuilder, const nlohmann::json& config);
    bool ReadGroup(const nlohmann::json& group);
    bool ReadChannel(const std::string& key, const nlohmann::json& channel);
    bool ReadZone(LocalRef<jobject>& channelBuilder, const nlohmann::json& zone);

    // A Java string of `text`; empty when the VM could not make one (its error cleared).
    LocalRef<jstring> Text(std::string_view text);

    // Calls `method` on `target`; a non-null result takes the place of `inHand`.
    // False when the call threw (described and cleared).
    template <typename... Args>
    bool Chain(LocalRef<jobject>& inHand, jobject target, jmethodID method, Args... args) {
        LocalRef<jobject> next(m_env, m_env->CallObjectMethod(target, method, args...));
        if (!CheckAndClear(m_env)) {
            return false;
        }
        if (next) {
            inHand = std::move(next);
        }
        return true;
    }

    // Calls a method that opens a nested builder; empty when it threw or gave null.
    template <typename... Args>
    LocalRef<jobject> Open(jobject target, jmethodID method, Args... args) {
        LocalRef<jobject> opened(m_env, m_env->CallObjectMethod(target, method, args...));
        if (!CheckAndClear(m_env)) {
            return {};
        }
        return opened;
    }

    ConfigBuilderRefs& m_refs;
    JNIEnv* m_env;
    LocalRef<jobject> m_builder;  // the configuration builder in hand
};

}  // namespace orvek::internal::jni
