// The element readers of ApplyConfiguration: one per kind of Java object, each
// resolving its fields anew on the element's own class.
//
// Contents: limits and lists, network, channels and zones, sequences and steps,
// bitmaps, modules, groups, ReadConfigFromJava.

#include "ConfigFromJava.h"

#include "ConfigJsonToJava.h"
#include "JavaObjectReader.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace orvek::internal::jni {

namespace {

using namespace Configuration;

constexpr const char* kString = "Ljava/lang/String;";
constexpr const char* kList = "Ljava/util/List;";

uint16_t Floor16(jint value) { return static_cast<uint16_t>(std::max<jint>(value, 0)); }
uint8_t Byte(jint value) { return static_cast<uint8_t>(ClampToByte(value)); }

class ConfigReader {
public:
    explicit ConfigReader(JNIEnv* env) : m_env(env) {}

    std::optional<OrvekConfiguration> Read(jobject cfg);

private:
    // The records `read` keeps from the List in `owner`'s field `name`; unset when
    // the field is missing or nothing was kept.
    template <typename T, typename Read>
    std::optional<std::vector<T>> Records(const JavaObject& owner, const char* name, Read&& read) {
        const jfieldID field = owner.Field(name, kList);
        if (field == nullptr) {
            return std::nullopt;
        }
        LocalRef<jobject> list = owner.Object(field);
        return Records<T>(list.get(), read);
    }

    template <typename T, typename Read>
    std::optional<std::vector<T>> Records(jobject list, Read&& read) {
        std::vector<T> records;
        ForEachElement(m_env, m_methods, list, [&](const JavaObject& element) {
            if (std::optional<T> record = read(element)) records.push_back(std::move(*record));
        });
        return records.empty() ? std::nullopt : std::optional(std::move(records));
    }

    Network ReadNetwork(const JavaObject& cfg);
    std::optional<Channel> ReadChannel(const JavaObject& channel);
    std::optional<Zone> ReadZone(const JavaObject& zone);
    std::optional<AnimationSequence> ReadSequence(const JavaObject& sequence);
    std::optional<Configuration::Animation> ReadStep(const JavaObject& step);
    std::optional<domain::Color> ReadColor(const JavaObject& step);
    std::optional<Bitmap> ReadBitmap(const JavaObject& bitmap);
    std::optional<Module> ReadModule(const JavaObject& module);
    std::optional<ModuleConfigValue> ReadModuleValue(jobject value);
    std::optional<AnimationGroup> ReadGroup(const JavaObject& group);

    JNIEnv* m_env;
    JavaStandardMethods m_methods;
};

Network ConfigReader::ReadNetwork(const JavaObject& cfg) {
    Network network;
    const jfieldID field = cfg.Field("network", "Lcom/rozovedar/domain/config/OrvekDeviceConfig$Network;");
    LocalRef<jobject> value = field != nullptr ? cfg.Object(field) : LocalRef<jobject>();
    const JavaObject object(m_env, value.get(), m_methods);
    if (!object) {
        return network;
    }
    const jfieldID typeField = object.Field("type", "Lcom/rozovedar/domain/config/NetworkType;");
    if (LocalRef<jobject> type = typeField ? object.Object(typeField) : LocalRef<jobject>(); type) {
        LocalRef<jclass> typeCls(m_env, m_env->FindClass("com/rozovedar/domain/config/NetworkType"));
        const std::optional<jint> ordinal =
            CheckAndClear(m_env) && typeCls ? OrdinalOf(m_env, type.get(), typeCls.get()) : std::nullopt;
        // Other ordinals leave the default, USB.
        if (ordinal && *ordinal >= 0 && *ordinal <= 3) {
            network.type = static_cast<NetworkType>(*ordinal);
        }
    }
    if (network.type == NetworkType::I2C) {
        network.i2c.address = Byte(object.IntegerNamed("address").value_or(0));
    } else if (network.type == NetworkType::UART) {
        network.uart.baud = static_cast<uint32_t>(std::max<jint>(object.IntegerNamed("baudRate").value_or(0), 0));
    }
    return network;
}

std::optional<Channel> ConfigReader::ReadChannel(const JavaObject& object) {
    const jfieldID id = object.Field("id", kString);
    const jfieldID length = id ? object.Field("length", "I") : nullptr;
    const jfieldID zones = length ? object.Field("zones", kList) : nullptr;
    if (zones == nullptr) {
        return std::nullopt;
    }
    Channel channel;
    channel.id = object.String(id);
    channel.key = channel.id;
    if (std::optional<std::string> key = object.StringNamed("key"); key && !key->empty()) {
        channel.key = std::move(*key);
    }
    channel.length = Floor16(object.Int(length));
    if (const std::optional<jint> brightness = object.IntegerNamed("brightness")) {
        channel.brightness = Byte(*brightness);
    }
    LocalRef<jobject> list = object.Object(zones);
    channel.zones = Records<Zone>(list.get(), [this](const JavaObject& zone) {
                        return ReadZone(zone);
                    }).value_or(std::vector<Zone>{});
    if (channel.id.empty() || channel.length == 0) {
        return std::nullopt;
    }
    return channel;
}

std::optional<Zone> ConfigReader::ReadZone(const JavaObject& object) {
    const jfieldID type = object.Field("type", "Lcom/rozovedar/domain/config/ZoneType;");
    const jfieldID id = type ? object.Field("id", kString) : nullptr;
    if (id == nullptr) {
        return std::nullopt;
    }
    LocalRef<jobject> typeValue = object.Object(type);
    // A null type, or one whose ordinal cannot be read, counts as a strip.
    const jint ordinal = typeValue ? OrdinalOf(m_env, typeValue.get()).value_or(0) : 0;
    Zone zone{};
    zone.id = object.String(id);
    if (const std::optional<jint> brightness = object.IntegerNamed("brightness")) {
        zone.brightness = Byte(*brightness);
    }
    if (ordinal == 0) {
        const jfieldID length = object.Field("stripLength", "I");
        const jfieldID reversed = length ? object.Field("reversed", "Z") : nullptr;
        if (reversed == nullptr) {
            return std::nullopt;
        }
        zone.type = ZoneType::Strip;
        zone.strip = ZoneStrip{Floor16(object.Int(length)), object.Bool(reversed)};
        return zone;
    }
    const jfieldID rows = ordinal == 1 ? object.Field("matrixRows", "I") : nullptr;
    const jfieldID cols = rows ? object.Field("matrixCols", "I") : nullptr;
    if (cols == nullptr) {
        return std::nullopt;
    }
    const jint orientation = object.IntNamed("matrixOrientation").value_or(0);
    zone.type = ZoneType::Matrix;
    zone.matrix = ZoneMatrix{Floor16(object.Int(rows)), Floor16(object.Int(cols)),
                             static_cast<uint8_t>(std::max<jint>(orientation, 0))};
    return zone;
}

std::optional<AnimationSequence> ConfigReader::ReadSequence(const JavaObject& object) {
    const jfieldID id = object.Field("id", kString);
    const jfieldID steps = id ? object.Field("steps", kList) : nullptr;
    if (steps == nullptr) {
        return std::nullopt;
    }
    AnimationSequence sequence;
    sequence.id = object.String(id);
    LocalRef<jobject> list = object.Object(steps);
    auto kept =
        Records<Configuration::Animation>(list.get(), [this](const JavaObject& step) { return ReadStep(step); });
    if (sequence.id.empty() || !kept) {
        return std::nullopt;
    }
    sequence.steps = std::move(*kept);
    return sequence;
}

std::optional<Configuration::Animation> ConfigReader::ReadStep(const JavaObject& object) {
    const jfieldID animationId = object.Field("animationId", kString);
    const jfieldID delay = animationId ? object.Field("delay", "I") : nullptr;
    const jfieldID reversed = delay ? object.Field("reversed", "Z") : nullptr;
    if (reversed == nullptr) {
        return std::nullopt;
    }
    Configuration::Animation step{};
    step.id = object.String(animationId);
    step.color = ReadColor(object);
    step.delay = Floor16(object.Int(delay));
    step.reversed = object.Bool(reversed);
    if (const std::optional<jint> repeat = object.IntegerNamed("repeat")) {
        step.repeatCount = Byte(*repeat);
    }
    if (step.id.empty()) {
        return std::nullopt;
    }
    return step;
}

std::optional<domain::Color> ConfigReader::ReadColor(const JavaObject& step) {
    const jfieldID field = step.Field("color", "Lcom/rozovedar/domain/config/OrvekDeviceConfig$AnimationColor;");
    LocalRef<jobject> value = field != nullptr ? step.Object(field) : LocalRef<jobject>();
    const JavaObject color(m_env, value.get(), m_methods);
    if (!color) {
        return std::nullopt;
    }
    const jfieldID r = color.Field("r", "I");
    const jfieldID g = r ? color.Field("g", "I") : nullptr;
    const jfieldID b = g ? color.Field("b", "I") : nullptr;
    if (b == nullptr) {
        return std::nullopt;
    }
    return domain::Color{Byte(color.Int(r)), Byte(color.Int(g)), Byte(color.Int(b))};
}

std::optional<Bitmap> ConfigReader::ReadBitmap(const JavaObject& object) {
    const jfieldID id = object.Field("id", kString);
    const jfieldID type =
        id ? object.Field("type", "Lcom/rozovedar/domain/config/OrvekDeviceConfig$BitmapType;") : nullptr;
    if (type == nullptr) {
        return std::nullopt;
    }
    Bitmap bitmap;
    bitmap.id = object.String(id);
    LocalRef<jobject> typeValue = object.Object(type);
    const jint ordinal = typeValue ? OrdinalOf(m_env, typeValue.get()).value_or(0) : 0;
    if (ordinal == 1) {
        bitmap.type = BitmapType::Animated;
        if (const jfieldID folder = object.Field("folder", kString);
            folder && LocalRef<jobject>(object.Object(folder))) {
            bitmap.folder = object.String(folder);
        }
        if (const std::optional<jint> frameDelay = object.IntegerNamed("frameDelay")) {
            bitmap.frameDelay = Floor16(*frameDelay);
        }
    } else if (ordinal == 0) {
        bitmap.path = object.NonNullStringNamed("path");
    }
    if (bitmap.id.empty()) {
        return std::nullopt;
    }
    return bitmap;
}

ModuleInfo::ModuleConnectionType ConnectionTypeOf(const std::string& word) {
    using ModuleInfo::ModuleConnectionType;
    if (word == "SPI") return ModuleConnectionType::SPI;
    if (word == "UART") return ModuleConnectionType::UART;
    if (word == "DIO") return ModuleConnectionType::DIO;
    if (word == "AIO") return ModuleConnectionType::AIO;
    return ModuleConnectionType::I2C;
}

std::optional<Module> ConfigReader::ReadModule(const JavaObject& object) {
    const jfieldID id = object.Field("id", kString);
    const jfieldID type = id ? object.Field("type", kString) : nullptr;
    const jfieldID polling = type ? object.Field("pollingRateMs", "I") : nullptr;
    const jfieldID connection = polling ? object.Field("connectionType", kString) : nullptr;
    if (connection == nullptr) {
        return std::nullopt;
    }
    Module module;
    module.id = object.String(id);
    module.type = object.String(type);
    module.pollingRateMs = Floor16(object.Int(polling));
    module.connectionType = ConnectionTypeOf(object.String(connection));
    if (const jfieldID configField = object.Field("config", "Ljava/util/Map;")) {
        LocalRef<jobject> map = object.Object(configField);
        std::unordered_map<std::string, ModuleConfigValue> entries;
        if (map) {
            ForEachEntry(m_env, m_methods, map.get(), [&](std::string name, jobject value) {
                if (std::optional<ModuleConfigValue> read = ReadModuleValue(value)) {
                    entries.insert_or_assign(std::move(name), std::move(*read));
                }
            });
        }
        if (!entries.empty()) {
            module.customConfig = std::move(entries);
        }
    }
    if (module.id.empty() || module.type.empty()) {
        return std::nullopt;
    }
    return module;
}

std::optional<ModuleConfigValue> ConfigReader::ReadModuleValue(jobject value) {
    if (m_env->IsInstanceOf(value, m_methods.longCls.get())) {
        const jlong number = m_env->CallLongMethod(value, m_methods.longValue);
        // The unsigned alternative keeps the bit pattern: -1 is 2^64 - 1.
        return CheckAndClear(m_env)
                   ? std::optional<ModuleConfigValue>(std::in_place, std::in_place_type<uint64_t>, number)
                   : std::nullopt;
    }
    if (m_env->IsInstanceOf(value, m_methods.doubleCls.get())) {
        const jdouble number = m_env->CallDoubleMethod(value, m_methods.doubleValue);
        return CheckAndClear(m_env)
                   ? std::optional<ModuleConfigValue>(std::in_place, std::in_place_type<double>, number)
                   : std::nullopt;
    }
    if (m_env->IsInstanceOf(value, m_methods.booleanCls.get())) {
        const jboolean flag = m_env->CallBooleanMethod(value, m_methods.booleanValue);
        return CheckAndClear(m_env)
                   ? std::optional<ModuleConfigValue>(std::in_place, std::in_place_type<bool>, flag != JNI_FALSE)
                   : std::nullopt;
    }
    if (std::optional<std::string> text = TextOf(m_env, value)) {
        return ModuleConfigValue(std::in_place_type<std::string>, std::move(*text));
    }
    return std::nullopt;
}

std::optional<AnimationGroup> ConfigReader::ReadGroup(const JavaObject& object) {
    const jfieldID id = object.Field("id", kString);
    const jfieldID zoneIds = id ? object.Field("zoneIds", kList) : nullptr;
    if (zoneIds == nullptr) {
        return std::nullopt;
    }
    AnimationGroup group;
    group.id = object.String(id);
    LocalRef<jobject> list = object.Object(zoneIds);
    ForEachElement(m_env, m_methods, list.get(), [&](const JavaObject& element) {
        if (std::optional<std::string> zoneId = TextOf(m_env, element.get())) group.zoneIds.push_back(*zoneId);
    });
    if (group.zoneIds.empty()) {
        return std::nullopt;
    }
    return group;
}

std::optional<OrvekConfiguration> ConfigReader::Read(jobject cfg) {
    const JavaObject root(m_env, cfg, m_methods);
    if (!root) {
        return std::nullopt;
    }
    OrvekConfiguration config;
    config.teamNumber = root.NonNullStringNamed("teamNumber");
    if (!ResolveIntegerMethods(m_env, m_methods)) {
        return std::nullopt;
    }
    config.network = ReadNetwork(root);
    if (!ResolveListMethods(m_env, m_methods)) {
        return std::nullopt;
    }
    if (const jfieldID md5 = root.Field("md5", "[B")) {
        LocalRef<jobject> bytes = root.Object(md5);
        const auto array = static_cast<jbyteArray>(bytes.get());
        if (array != nullptr && m_env->GetArrayLength(array) == static_cast<jsize>(config.md5.size())) {
            m_env->GetByteArrayRegion(array, 0, static_cast<jsize>(config.md5.size()),
                                      reinterpret_cast<jbyte*>(config.md5.data()));
        }
    }
    config.channels = Records<Channel>(root, "channels", [this](const JavaObject& e) { return ReadChannel(e); });
    config.sequences =
        Records<AnimationSequence>(root, "sequences", [this](const JavaObject& e) { return ReadSequence(e); });
    config.bitmaps = Records<Bitmap>(root, "bitmaps", [this](const JavaObject& e) { return ReadBitmap(e); });
    // The modules' list is read before the map classes are looked up, as the
    // whole read is given up when one of them is missing.
    const jfieldID modulesField = root.Field("modules", kList);
    LocalRef<jobject> modules = modulesField != nullptr ? root.Object(modulesField) : LocalRef<jobject>();
    if (!ResolveMapMethods(m_env, m_methods)) {
        return std::nullopt;
    }
    if (modulesField != nullptr) {
        config.sensors = Records<Module>(modules.get(), [this](const JavaObject& e) { return ReadModule(e); });
    }
    config.animationGroups =
        Records<AnimationGroup>(root, "groups", [this](const JavaObject& e) { return ReadGroup(e); });
    return config;
}

}  // namespace

std::optional<Configuration::OrvekConfiguration> ReadConfigFromJava(JNIEnv* env, jobject cfg) {
    if (cfg == nullptr) {
        return std::nullopt;
    }
    return ConfigReader(env).Read(cfg);
}

}  // namespace orvek::internal::jni
