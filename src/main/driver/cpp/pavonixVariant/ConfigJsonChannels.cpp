// The converter's channels: one channel builder per member of "channels", in
// key order, with its strip and matrix zones.

#include "ConfigJsonToJava.h"

namespace orvek::internal::jni {

using nlohmann::json;
namespace member = json_member;

bool ConfigJsonToJava::ParseChannels(const json& channels) {
    if (!channels.is_object()) {
        return true;  // an array of channels, or any other kind, adds none
    }
    // The default object type holds its members in ascending byte order of their names.
    for (const auto& [key, channel] : channels.items()) {
        if (channel.is_object() && !ReadChannel(key, channel)) {
            return false;
        }
    }
    return true;
}

bool ConfigJsonToJava::ReadChannel(const std::string& key, const json& channel) {
    const std::string* idMember = member::String(channel, "id");
    const std::string& id = idMember != nullptr ? *idMember : key;
    const int32_t length = member::Integer(channel, "length").value_or(0);
    if (id.empty() || length < 1) {
        return true;
    }
    LocalRef<jobject> channelBuilder;
    if (LocalRef<jstring> name = Text(id); name) {
        channelBuilder = Open(m_builder.get(), m_refs.addChannelMid, name.get(), static_cast<jint>(length));
    }
    if (!channelBuilder) {
        return false;
    }
    if (!key.empty()) {
        LocalRef<jstring> keyText = Text(key);
        if (!keyText || !Chain(channelBuilder, channelBuilder.get(), m_refs.channelKeyMid, keyText.get())) return false;
    }
    if (const auto brightness = member::Integer(channel, "brightness")) {
        const jint clamped = ClampToByte(*brightness);
        if (!Chain(channelBuilder, channelBuilder.get(), m_refs.channelBrightnessMid, clamped)) return false;
    }
    if (const json* zones = member::Find(channel, "zones"); zones && zones->is_array()) {
        for (const json& zone : *zones) {
            if (!ReadZone(channelBuilder, zone)) return false;
        }
    }
    return Chain(m_builder, channelBuilder.get(), m_refs.endChannelMid);
}

bool ConfigJsonToJava::ReadZone(LocalRef<jobject>& channelBuilder, const json& zone) {
    const std::string* type = member::String(zone, "type");
    const std::string* idMember = member::String(zone, "id");
    if (type == nullptr || idMember == nullptr || idMember->empty()) {
        return true;
    }
    const bool strip = *type == "strip" || *type == "Strip";
    const bool matrix = *type == "matrix" || *type == "Matrix";
    if (!strip && !matrix) {
        return true;
    }
    const std::optional<int32_t> brightness = member::Integer(zone, "brightness");
    LocalRef<jstring> id = Text(*idMember);
    if (!id) {
        return false;
    }
    if (strip) {
        const jint length = member::Integer(zone, "length").value_or(0);
        const json* reversedMember = member::Find(zone, "reversed");
        const jboolean reversed = reversedMember && reversedMember->is_boolean() && reversedMember->get<bool>();
        if (brightness) {
            return Chain(channelBuilder, channelBuilder.get(), m_refs.addStripZoneWithBrightnessMid, id.get(), length,
                         reversed, static_cast<jint>(ClampToByte(*brightness)));
        }
        return Chain(channelBuilder, channelBuilder.get(), m_refs.addStripZoneReversedMid, id.get(), length, reversed);
    }
    const jint rows = member::Integer(zone, "rows").value_or(0);
    const jint cols = member::Integer(zone, "cols").value_or(0);
    const json* orientationMember = member::Find(zone, "orientation");
    const jint orientation = orientationMember != nullptr ? ParseOrientation(*orientationMember) : 0;
    // The converter always passes an orientation; the shorter AddMatrixZone
    // forms belong to the builder's contract but are never called from here.
    if (brightness) {
        return Chain(channelBuilder, channelBuilder.get(), m_refs.addMatrixZoneWithBrightnessOrientationMid, id.get(),
                     rows, cols, static_cast<jint>(ClampToByte(*brightness)), orientation);
    }
    return Chain(channelBuilder, channelBuilder.get(), m_refs.addMatrixZoneWithOrientationMid, id.get(), rows, cols,
                 orientation);
}

}  // namespace orvek::internal::jni
