// Device events as com/rozovedar/domain/event/Event objects: CreateEventFromEvent
// and the natives GetLatestEvent and GetEvents.
//
// Every Java member a conversion may use is looked up (EventMembers) before an
// event is popped, so a Java side that lacks one loses nothing. Every local
// reference made here is held by a LocalRef and deleted as soon as it has been
// stored, so converting 100 events stays within the few references a native may
// count on.

#include "pavonixVariant/OrvekJNI.h"

#include "EventMembers.h"
#include "JniSupport.h"
#include "JniValues.h"

#include "pavonixVariant/c_Pavonix.h"

#include <orvek/domain/event/Event.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

namespace orvek::internal::jni {

namespace {

using Eventing::Event;
using Eventing::EventType;

constexpr const char* kEventClass = "com/rozovedar/domain/event/Event";
constexpr int kMaxEvents = 100;  // one batch of GetEvents, the device queue's limit

// Stores EnumHelpers.<helper>(value) in the field.
void SetEnumField(JNIEnv* env, const EventMembers& members, jobject target, jfieldID field, EnumHelper helper,
                  jlong value) {
    const LocalRef<jobject> constant(env,
                                     env->CallStaticObjectMethod(members.helpers.get(), members.helper(helper), value));
    ThrowIfPending(env);
    env->SetObjectField(target, field, constant.get());
}

void SetStringField(JNIEnv* env, jobject target, jfieldID field, std::string_view utf8) {
    const auto text = NewJavaString(env, utf8);
    env->SetObjectField(target, field, text.get());
}

// The message of an error payload: up to its NUL, and never past its 16 bytes
// (a message that fills them without a NUL is cut there).
std::string_view MessageOf(const char (&message)[Eventing::kEventMessageSize]) {
    return std::string_view(message, strnlen(message, sizeof(message)));
}

// The info class an event of this type fills; none for the kinds without a payload.
std::optional<EventInfo> InfoOf(EventType type) {
    switch (type) {
        case EventType::Disabled: return EventInfo::Disabled;
        case EventType::Connected: return EventInfo::Connected;
        case EventType::Disconnected: return EventInfo::Disconnected;
        case EventType::Error: return EventInfo::Error;
        case EventType::FatalError: return EventInfo::FatalError;
        case EventType::RegisteredEntity: return EventInfo::RegisteredEntity;
        case EventType::Custom: return EventInfo::Custom;
        case EventType::PinInterrupt: return EventInfo::PinInterrupt;
        case EventType::HeartBeat: return EventInfo::HeartBeat;
        default: return std::nullopt;
    }
}

// Fills a new info object from the payload; `fields` are in EventMembers.cpp's order.
void FillInfo(JNIEnv* env, const EventMembers& members, const InfoMembers& info, jobject object,
              const Eventing::EventHeader& header) {
    const Eventing::EventData& data = header.data;
    const auto& fields = info.fields;
    switch (header.type) {
        case EventType::Disabled:
            SetEnumField(env, members, object, fields[0], EnumHelper::DisabledCause,
                         static_cast<uint8_t>(data.disabled.cause));
            break;
        case EventType::Connected:
            SetEnumField(env, members, object, fields[0], EnumHelper::ConnectionType,
                         static_cast<uint8_t>(data.connected.type));
            break;
        case EventType::Disconnected:
            SetEnumField(env, members, object, fields[0], EnumHelper::ConnectionType,
                         static_cast<uint8_t>(data.disconnected.type));
            break;
        case EventType::Error:
            SetEnumField(env, members, object, fields[0], EnumHelper::ErrorType, static_cast<uint8_t>(data.error.type));
            SetStringField(env, object, fields[1], MessageOf(data.error.message));
            break;
        case EventType::FatalError:
            SetEnumField(env, members, object, fields[0], EnumHelper::FatalErrorType,
                         static_cast<uint8_t>(data.fatalError.type));
            SetStringField(env, object, fields[1], MessageOf(data.fatalError.message));
            break;
        case EventType::RegisteredEntity: {
            const uint16_t id = data.registeredEntity.id;  // packed member: read it out first
            env->SetIntField(object, fields[0], static_cast<jint>(id));
            break;
        }
        case EventType::Custom: {
            env->SetByteField(object, fields[0], static_cast<jbyte>(data.custom.type));
            // The producers keep length within the 16 data bytes; a larger one copies only those.
            const size_t length = std::min<size_t>(data.custom.length, sizeof(data.custom.data));
            const LocalRef<jbyteArray> bytes = NewJavaBytes(env, data.custom.data, length);
            env->SetObjectField(object, fields[1], bytes.get());
            break;
        }
        case EventType::PinInterrupt:
            env->SetByteField(object, fields[0], static_cast<jbyte>(data.pinInterrupt.pin));
            break;
        case EventType::HeartBeat:
            SetEnumField(env, members, object, fields[0], EnumHelper::Status,
                         static_cast<int8_t>(data.heartBeat.status));
            env->SetByteField(object, fields[1], static_cast<jbyte>(data.heartBeat.enabled));
            env->SetByteField(object, fields[2], static_cast<jbyte>(data.heartBeat.connectedUSB));
            env->SetByteField(object, fields[3], static_cast<jbyte>(data.heartBeat.canOK));
            break;
        default: break;
    }
}

// The one info member of the event's type, new; members of other types stay as they were.
void FillTypeMember(JNIEnv* env, const EventMembers& members, jobject event, const Eventing::EventHeader& header) {
    const std::optional<EventInfo> kind = InfoOf(header.type);
    if (!kind) {
        return;  // the other kinds carry nothing beyond their type
    }
    const InfoMembers& info = members.info(*kind);
    const LocalRef<jobject> object(env, env->NewObject(info.cls.get(), info.constructor));
    ThrowIfPending(env);
    // A heartbeat's info is in place before it is filled; the others are stored once filled.
    if (*kind == EventInfo::HeartBeat) env->SetObjectField(event, info.slot, object.get());
    FillInfo(env, members, info, object.get(), header);
    if (*kind != EventInfo::HeartBeat) env->SetObjectField(event, info.slot, object.get());
}

// Fills an existing Java event with members already looked up on its class.
void FillEvent(JNIEnv* env, const EventMembers& members, const Event& evt, jobject event) {
    SetEnumField(env, members, event, members.type, EnumHelper::EventType,
                 static_cast<jlong>(static_cast<uint32_t>(evt.header.type)));
    if (members.extraMessage != nullptr && evt.getExtraMessage() != nullptr && evt.getExtraMessageLength() > 0) {
        const std::string_view bytes(reinterpret_cast<const char*>(evt.getExtraMessage()), evt.getExtraMessageLength());
        SetStringField(env, event, members.extraMessage, bytes);
    }
    FillTypeMember(env, members, event, evt.header);
}

}  // namespace

// Fills an existing Java event: its type, its extra message when there is one,
// and the one info member of its type. Members of other types stay as they were.
// Throws PendingJavaException when a Java call fails.
void CreateEventFromEvent(const Event& evt, JNIEnv* env, jobject outEvt) {
    const auto cls = RequireObjectClass(env, outEvt);
    FillEvent(env, LookUpEventMembers(env, cls.get()), evt, outEvt);
}

}  // namespace orvek::internal::jni

using namespace orvek::internal::jni;

extern "C" {

// OrvekJNI.GetLatestEvent(JLcom/rozovedar/domain/event/Event;)Z
JNIEXPORT jboolean JNICALL Java_com_rozovedar_jni_OrvekJNI_GetLatestEvent(JNIEnv* env, jclass, jlong inst,
                                                                          jobject outEvent) {
    return RunNative(env, jboolean{JNI_FALSE}, [&] {
        RequireNonNull(env, outEvent, "outEvent");
        const auto cls = RequireObjectClass(env, outEvent);
        const EventMembers members = LookUpEventMembers(env, cls.get());
        Event event;
        if (!pv_GetLatestEvent(HandleFromJava(inst), &event)) {
            return jboolean{JNI_FALSE};
        }
        FillEvent(env, members, event, outEvent);
        return jboolean{JNI_TRUE};
    });
}

// OrvekJNI.GetEvents(J)[Lcom/rozovedar/domain/event/Event;
JNIEXPORT jobjectArray JNICALL Java_com_rozovedar_jni_OrvekJNI_GetEvents(JNIEnv* env, jclass, jlong inst) {
    return RunNative(env, jobjectArray{nullptr}, [&] {
        const auto cls = RequireClass(env, kEventClass);
        const jmethodID constructor = RequireMethod(env, cls.get(), "<init>", "()V");
        const EventMembers members = LookUpEventMembers(env, cls.get());
        std::array<Event, kMaxEvents> events;
        const int count = pv_GetEvents(HandleFromJava(inst), events.data(), kMaxEvents);
        LocalRef<jobjectArray> array(env, env->NewObjectArray(count, cls.get(), nullptr));
        ThrowIfPending(env);
        for (int i = 0; i < count; ++i) {
            const LocalRef<jobject> element(env, env->NewObject(cls.get(), constructor));
            ThrowIfPending(env);
            FillEvent(env, members, events[i], element.get());
            env->SetObjectArrayElement(array.get(), i, element.get());
        }
        return array.release();
    });
}

}  // extern "C"
