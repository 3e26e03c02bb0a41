// The converter's root, sequences, bitmaps, modules and groups; channels are in
// ConfigJsonChannels.cpp.
//
// Contents: JSON helpers, md5 and orientation, BuildConfigFromJson, root members.

#include "ConfigJsonToJava.h"

#include <orvek/util/logging/ConsoleLogger.h>

#include <algorithm>
#include <cctype>
#include <exception>

namespace orvek::internal::jni {

using nlohmann::json;

namespace json_member {

const json* Find(const json& object, const char* name) {
    if (!object.is_object()) {
        return nullptr;
    }
    const auto found = object.find(name);
    return found == object.end() ? nullptr : &*found;
}

std::optional<int32_t> AsInteger(const json& value) {
    if (!value.is_number_integer()) {
        return std::nullopt;
    }
    // Both kinds wrap to their low 32 bits, as a 32-bit int read would.
    const uint64_t bits =
        value.is_number_unsigned() ? value.get<uint64_t>() : static_cast<uint64_t>(value.get<int64_t>());
    return static_cast<int32_t>(static_cast<uint32_t>(bits));
}

std::optional<int32_t> Integer(const json& object, const char* name) {
    const json* member = Find(object, name);
    return member != nullptr ? AsInteger(*member) : std::nullopt;
}

const std::string* String(const json& object, const char* name) {
    const json* member = Find(object, name);
    return member != nullptr && member->is_string() ? member->get_ptr<const std::string*>() : nullptr;
}

}  // namespace json_member

namespace {

namespace member = json_member;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool WordIs(const json& object, const char* name, std::string_view word) {
    const std::string* text = member::String(object, name);
    return text != nullptr && *text == word;
}

}  // namespace

std::optional<std::array<uint8_t, 16>> ParseMd5(const json& value) {
    std::array<uint8_t, 16> bytes{};
    if (value.is_array() && value.size() == bytes.size()) {
        for (size_t i = 0; i < bytes.size(); ++i) {
            const std::optional<int32_t> element = member::AsInteger(value[i]);
            if (!element) {
                return std::nullopt;
            }
            bytes[i] = static_cast<uint8_t>(ClampToByte(*element));
        }
        return bytes;
    }
    if (value.is_string() && value.get_ref<const std::string&>().size() == 2 * bytes.size()) {
        const std::string& text = value.get_ref<const std::string&>();
        for (size_t i = 0; i < bytes.size(); ++i) {
            const int high = HexDigit(text[2 * i]);
            const int low = HexDigit(text[2 * i + 1]);
            if (high < 0 || low < 0) {
                return std::nullopt;
            }
            bytes[i] = static_cast<uint8_t>(high << 4 | low);
        }
        return bytes;
    }
    return std::nullopt;
}

int ParseOrientation(const json& value) {
    if (!value.is_object()) {
        return 0;
    }
    return (WordIs(value, "cornerTopBottom", "bottom") ? 1 : 0) | (WordIs(value, "cornerLeftRight", "right") ? 2 : 0) |
           (WordIs(value, "axisLayout", "cols") ? 4 : 0) | (WordIs(value, "sequenceLayout", "zigzag") ? 8 : 0);
}

jobject BuildConfigFromJson(JNIEnv* env, const std::string& text) {
    if (text.empty()) {
        return nullptr;
    }
    json root;
    try {
        root = json::parse(text, nullptr, true, false);
    } catch (const std::exception& error) {
        ConsoleLogger::getInstance().logError("OrvekJNI", "Failed to parse config JSON: %s", error.what());
        return nullptr;
    }

    ConfigBuilderRefs refs{};
    struct Cleanup {
        JNIEnv* env;
        ConfigBuilderRefs& refs;
        ~Cleanup() { CleanupConfigBuilderRefs(env, refs); }
    } cleanup{env, refs};
    if (!InitConfigBuilderRefs(env, refs)) {
        return nullptr;
    }
    LocalRef<jobject> builder(env, env->CallStaticObjectMethod(refs.cfgCls, refs.builderMid));
    if (!CheckAndClear(env) || !builder) {
        return nullptr;
    }
    ConfigJsonToJava conversion(refs, std::move(builder));
    if (!conversion.ReadRoot(root)) {
        return nullptr;
    }
    return conversion.Build();
}

jobject ConfigJsonToJava::Build() {
    LocalRef<jobject> config(m_env, m_env->CallObjectMethod(m_builder.get(), m_refs.buildMid));
    m_builder.reset();
    if (!CheckAndClear(m_env)) {
        return nullptr;
    }
    return config.release();
}

bool ConfigJsonToJava::ReadRoot(const json& root) {
    // The members are read in this order whatever their order in the text; a
    // root that is no object has none of them.
    if (const json* md5 = member::Find(root, "md5"); md5 && !ReadMd5(*md5)) return false;
    if (const json* team = member::Find(root, "team"); team && !ReadTeam(*team)) return false;
    if (const json* network = member::Find(root, "network"); network && !ReadNetwork(*network)) return false;
    if (const json* channels = member::Find(root, "channels"); channels && !ParseChannels(*channels)) return false;
    if (const json* sequences = member::Find(root, "sequences"); sequences && sequences->is_array()) {
        for (const json& sequence : *sequences) {
            if (!ReadSequence(sequence)) return false;
        }
    }
    if (const json* bitmaps = member::Find(root, "bitmaps"); bitmaps && bitmaps->is_array()) {
        for (const json& bitmap : *bitmaps) {
            if (!ReadBitmap(bitmap)) return false;
        }
    }
    if (const json* sensors = member::Find(root, "sensors"); sensors && sensors->is_array()) {
        for (const json& module : *sensors) {
            if (!ReadModule(module)) return false;
        }
    }
    if (const json* groups = member::Find(root, "groups"); groups && groups->is_array()) {
        for (const json& group : *groups) {
            if (!ReadGroup(group)) return false;
        }
    }
    return true;
}

LocalRef<jstring> ConfigJsonToJava::Text(std::string_view text) {
    try {
        return NewJavaString(m_env, text);
    } catch (const PendingJavaException&) {
        CheckAndClear(m_env);
        return {};
    }
}

bool ConfigJsonToJava::ReadMd5(const json& value) {
    const auto bytes = ParseMd5(value);
    if (!bytes) {
        return true;
    }
    LocalRef<jbyteArray> array(m_env, m_env->NewByteArray(static_cast<jsize>(bytes->size())));
    if (!CheckAndClear(m_env) || !array) {
        return false;
    }
    m_env->SetByteArrayRegion(array.get(), 0, static_cast<jsize>(bytes->size()),
                              reinterpret_cast<const jbyte*>(bytes->data()));
    return Chain(m_builder, m_builder.get(), m_refs.withMd5Mid, array.get());
}

bool ConfigJsonToJava::ReadTeam(const json& value) {
    if (!value.is_string()) {
        return true;
    }
    LocalRef<jstring> team = Text(value.get_ref<const std::string&>());
    return team && Chain(m_builder, m_builder.get(), m_refs.forTeamMid, team.get());
}

bool ConfigJsonToJava::ReadNetwork(const json& network) {
    if (!network.is_object()) {
        return true;
    }
    const std::string* word = member::String(network, "mode");
    if (word == nullptr) word = member::String(network, "type");
    if (word != nullptr && !word->empty() && !ReadNetworkType(*word)) {
        return false;
    }
    if (const auto baud = member::Integer(network, "baud")) {
        if (!Chain(m_builder, m_builder.get(), m_refs.setBaudRateMid, static_cast<jint>(*baud))) return false;
    }
    if (const auto address = member::Integer(network, "address")) {
        const jint clamped = ClampToByte(*address);
        if (!Chain(m_builder, m_builder.get(), m_refs.setI2CAddressMid, clamped)) return false;
    }
    return true;
}

bool ConfigJsonToJava::ReadNetworkType(const std::string& word) {
    std::string upper = word;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    LocalRef<jstring> name = Text(upper);
    if (!name) {
        return false;
    }
    LocalRef<jobject> constant(
        m_env, m_env->CallStaticObjectMethod(m_refs.networkTypeCls, m_refs.networkValueOfMid, name.get()));
    name.reset();
    // A word that names no constant is not a failure: the network type stays unset.
    if (!CheckAndClear(m_env) || !constant) {
        return true;
    }
    return Chain(m_builder, m_builder.get(), m_refs.setNetworkTypeMid, constant.get());
}

bool ConfigJsonToJava::ReadSequence(const json& sequence) {
    const std::string* id = member::String(sequence, "id");
    if (id == nullptr) {
        return true;
    }
    LocalRef<jobject> sequenceBuilder;
    if (LocalRef<jstring> name = Text(*id); name) {
        sequenceBuilder = Open(m_builder.get(), m_refs.addSequenceMid, name.get());
    }
    if (!sequenceBuilder) {
        return false;
    }
    if (const json* steps = member::Find(sequence, "steps"); steps && steps->is_array()) {
        for (const json& step : *steps) {
            if (!ReadStep(sequenceBuilder, step)) return false;
        }
    }
    return Chain(m_builder, sequenceBuilder.get(), m_refs.sequenceEndMid);
}

bool ConfigJsonToJava::ReadStep(LocalRef<jobject>& sequenceBuilder, const json& step) {
    const std::string* animationId = member::String(step, "animationId");
    if (animationId == nullptr) {
        return true;
    }
    LocalRef<jobject> stepBuilder;
    if (LocalRef<jstring> name = Text(*animationId); name) {
        stepBuilder = Open(sequenceBuilder.get(), m_refs.sequenceAddStepMid, name.get());
    }
    if (!stepBuilder) {
        return false;
    }
    if (const json* color = member::Find(step, "color"); color && color->is_object()) {
        // Missing components count as 0: the colour is passed all the same.
        const jint r = ClampToByte(member::Integer(*color, "r").value_or(0));
        const jint g = ClampToByte(member::Integer(*color, "g").value_or(0));
        const jint b = ClampToByte(member::Integer(*color, "b").value_or(0));
        if (!Chain(stepBuilder, stepBuilder.get(), m_refs.stepWithColorMid, r, g, b)) return false;
    }
    if (const auto delay = member::Integer(step, "delay")) {
        if (!Chain(stepBuilder, stepBuilder.get(), m_refs.stepWithDelayMid, std::max<jint>(*delay, 0))) return false;
    }
    if (const json* reversed = member::Find(step, "reversed"); reversed && reversed->is_boolean()) {
        const jboolean flag = reversed->get<bool>() ? JNI_TRUE : JNI_FALSE;
        if (!Chain(stepBuilder, stepBuilder.get(), m_refs.stepReverseMid, flag)) return false;
    }
    if (const auto repeat = member::Integer(step, "repeat")) {
        if (!Chain(stepBuilder, stepBuilder.get(), m_refs.stepWithRepeatMid, std::max<jint>(*repeat, 0))) return false;
    }
    return Chain(sequenceBuilder, stepBuilder.get(), m_refs.stepEndMid);
}

bool ConfigJsonToJava::ReadBitmap(const json& bitmap) {
    const std::string* id = member::String(bitmap, "id");
    if (id == nullptr) {
        return true;
    }
    LocalRef<jobject> bitmapBuilder;
    if (LocalRef<jstring> name = Text(*id); name) {
        bitmapBuilder = Open(m_builder.get(), m_refs.addBitmapMid, name.get());
    }
    if (!bitmapBuilder) {
        return false;
    }
    const std::string* type = member::String(bitmap, "type");
    const std::string* path = member::String(bitmap, "path");
    const std::string* folder = member::String(bitmap, "folder");
    if (type != nullptr && *type == "static" && path != nullptr) {
        LocalRef<jstring> text = Text(*path);
        if (!text || !Chain(bitmapBuilder, bitmapBuilder.get(), m_refs.bitmapStaticMid, text.get())) return false;
    } else if (type != nullptr && *type == "animated" && folder != nullptr) {
        const jint delay = std::max<jint>(member::Integer(bitmap, "delay").value_or(0), 0);
        LocalRef<jstring> text = Text(*folder);
        if (!text || !Chain(bitmapBuilder, bitmapBuilder.get(), m_refs.bitmapAnimatedMid, text.get(), delay)) {
            return false;
        }
    }
    return Chain(m_builder, bitmapBuilder.get(), m_refs.bitmapEndMid);
}

bool ConfigJsonToJava::ReadModule(const json& module) {
    if (!module.is_object()) {
        return true;
    }
    const std::string* id = member::String(module, "id");
    const std::string* type = member::String(module, "type");
    if (id == nullptr || id->empty() || type == nullptr || type->empty()) {
        return true;
    }
    const jint polling = member::Integer(module, "pollingRateMs").value_or(0);
    const std::string* connection = member::String(module, "connection");
    LocalRef<jobject> moduleBuilder;
    {
        LocalRef<jstring> idText = Text(*id);
        LocalRef<jstring> typeText = idText ? Text(*type) : LocalRef<jstring>();
        LocalRef<jstring> connectionText =
            typeText ? Text(connection ? *connection : std::string()) : LocalRef<jstring>();
        if (connectionText) {
            moduleBuilder =
                Open(m_builder.get(), m_refs.addModuleMid, idText.get(), typeText.get(), polling, connectionText.get());
        }
    }
    if (!moduleBuilder) {
        return false;
    }
    if (const json* config = member::Find(module, "config"); config && config->is_object()) {
        if (!ReadModuleConfig(moduleBuilder, *config)) return false;
    }
    return Chain(m_builder, moduleBuilder.get(), m_refs.moduleEndMid);
}

bool ConfigJsonToJava::ReadModuleConfig(LocalRef<jobject>& moduleBuilder, const json& config) {
    for (const auto& [name, value] : config.items()) {
        LocalRef<jobject> boxed;
        if (value.is_string()) {
            boxed = LocalRef<jobject>(m_env, Text(value.get_ref<const std::string&>()).release());
        } else if (value.is_number_integer()) {
            // An unsigned value past the signed range keeps its bits: 2^64 - 1 is -1.
            const auto bits =
                value.is_number_unsigned() ? static_cast<int64_t>(value.get<uint64_t>()) : value.get<int64_t>();
            boxed = LocalRef<jobject>(m_env, CreateBoxedLong(m_refs, bits));
        } else if (value.is_number_float()) {
            boxed = LocalRef<jobject>(m_env, CreateBoxedDouble(m_refs, value.get<double>()));
        } else if (value.is_boolean()) {
            boxed = LocalRef<jobject>(m_env, CreateBoxedBoolean(m_refs, value.get<bool>() ? 1 : 0));
        }
        if (!boxed) {
            continue;  // null, arrays and objects, and values the VM could not make
        }
        LocalRef<jstring> key = Text(name);
        if (!key || !Chain(moduleBuilder, moduleBuilder.get(), m_refs.moduleWithConfigMid, key.get(), boxed.get())) {
            return false;
        }
    }
    return true;
}

bool ConfigJsonToJava::ReadGroup(const json& group) {
    const std::string* id = member::String(group, "id");
    if (id == nullptr) {
        return true;
    }
    LocalRef<jobject> groupBuilder;
    if (LocalRef<jstring> name = Text(*id); name) {
        groupBuilder = Open(m_builder.get(), m_refs.addGroupMid, name.get());
    }
    if (!groupBuilder) {
        return false;
    }
    if (const json* zoneIds = member::Find(group, "zoneIds"); zoneIds && zoneIds->is_array()) {
        for (const json& zoneId : *zoneIds) {
            if (!zoneId.is_string()) continue;
            LocalRef<jstring> text = Text(zoneId.get_ref<const std::string&>());
            if (!text || !Chain(groupBuilder, groupBuilder.get(), m_refs.groupAddZoneMid, text.get())) return false;
        }
    }
    return Chain(m_builder, groupBuilder.get(), m_refs.groupEndMid);
}

}  // namespace orvek::internal::jni
