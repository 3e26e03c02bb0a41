// Device events as com/rozovedar/domain/event/Event objects: CreateEventFromEvent
// and the natives GetLatestEvent and GetEvents.
//
// Every local reference made here is held by a LocalRef and deleted as soon as
// it has been stored, so converting 100 events stays within the few references
// a native may count on.

#include "pavonixVariant/OrvekJNI.h"

#include "JniSupport.h"
#include "JniValues.h"

#include "pavonixVariant/c_Pavonix.h"

#include <orvek/domain/event/Event.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace orvek::internal::jni {

namespace {

using Eventing::Event;
using Eventing::EventType;

constexpr const char* kEventClass = "com/rozovedar/domain/event/Event";
constexpr const char* kEnumHelpersClass = "com/rozovedar/domain/event/EnumHelpers";
constexpr int kMaxEvents = 100;  // one batch of GetEvents, the device queue's limit

// Every class an event may need, looked up before anything is popped, so a
// Java side that lacks one loses no event: its NoClassDefFoundError stays pending.
void RequireEventClasses(JNIEnv* env) {
    static constexpr const char* kNeeded[] = {kEventClass,
                                              kEnumHelpersClass,
                                              "com/rozovedar/domain/event/EventDisabledInfo",
                                              "com/rozovedar/domain/event/EventConnectedInfo",
                                              "com/rozovedar/domain/event/EventDisconnectedInfo",
                                              "com/rozovedar/domain/event/EventError",
                                              "com/rozovedar/domain/event/EventFatalError",
                                              "com/rozovedar/domain/event/EventRegisteredEntityInfo",
                                              "com/rozovedar/domain/event/EventCustomInfo",
                                              "com/rozovedar/domain/event/EventPinInterruptInfo",
                                              "com/rozovedar/domain/event/EventHeartBeatInfo"};
    for (const char* name : kNeeded) RequireClass(env, name);
}

// The class and object an info member is being filled on.
struct Target {
    jobject object;
    jclass cls;
};

void SetObjectField(JNIEnv* env, Target target, const char* name, const char* signature, jobject value) {
    env->SetObjectField(target.object, RequireField(env, target.cls, name, signature), value);
}

// Stores EnumHelpers.<helper>(value) in the field; `enumName` is the class's short name.
void SetEnumField(JNIEnv* env, Target target, const char* field, const char* enumName, jlong value) {
    const std::string signature = std::string("Lcom/rozovedar/domain/event/") + enumName + ";";
    const std::string helperName = std::string("get") + enumName;
    const std::string helperSignature = "(J)" + signature;
    const auto helpers = RequireClass(env, kEnumHelpersClass);
    const jmethodID helper = RequireStaticMethod(env, helpers.get(), helperName.c_str(), helperSignature.c_str());
    const LocalRef<jobject> constant(env, env->CallStaticObjectMethod(helpers.get(), helper, value));
    ThrowIfPending(env);
    SetObjectField(env, target, field, signature.c_str(), constant.get());
}

void SetStringField(JNIEnv* env, Target target, const char* field, std::string_view utf8) {
    const auto text = NewJavaString(env, utf8);
    SetObjectField(env, target, field, "Ljava/lang/String;", text.get());
}

// A new object of one of the event info classes, made with its no-argument constructor.
struct Info {
    LocalRef<jclass> cls;
    LocalRef<jobject> object;
    Target target() const { return {object.get(), cls.get()}; }
};

Info NewInfo(JNIEnv* env, const char* simpleName) {
    const std::string name = std::string("com/rozovedar/domain/event/") + simpleName;
    Info info{RequireClass(env, name.c_str()), {}};
    const jmethodID constructor = RequireMethod(env, info.cls.get(), "<init>", "()V");
    info.object = LocalRef<jobject>(env, env->NewObject(info.cls.get(), constructor));
    ThrowIfPending(env);
    return info;
}

void StoreInfo(JNIEnv* env, Target event, const char* field, const char* simpleName, const Info& info) {
    const std::string signature = std::string("Lcom/rozovedar/domain/event/") + simpleName + ";";
    SetObjectField(env, event, field, signature.c_str(), info.object.get());
}

// The message of an error payload: up to its NUL, and never past its 16 bytes
// (a message that fills them without a NUL is cut there).
std::string_view MessageOf(const char (&message)[Eventing::kEventMessageSize]) {
    return std::string_view(message, strnlen(message, sizeof(message)));
}

void FillCodeInfo(JNIEnv* env, Target event, const char* field, const char* simpleName, const char* codeField,
                  const char* enumName, uint8_t code) {
    const Info info = NewInfo(env, simpleName);
    SetEnumField(env, info.target(), codeField, enumName, code);
    StoreInfo(env, event, field, simpleName, info);
}

void FillErrorInfo(JNIEnv* env, Target event, const char* field, const char* simpleName, const char* enumName,
                   uint8_t code, std::string_view message) {
    const Info info = NewInfo(env, simpleName);
    SetEnumField(env, info.target(), "type", enumName, code);
    SetStringField(env, info.target(), "message", message);
    StoreInfo(env, event, field, simpleName, info);
}

void FillCustomInfo(JNIEnv* env, Target event, const Eventing::CustomInfo& custom) {
    const Info info = NewInfo(env, "EventCustomInfo");
    env->SetByteField(info.object.get(), RequireField(env, info.cls.get(), "type", "B"),
                      static_cast<jbyte>(custom.type));
    // The producers keep length within the 16 data bytes; a larger one copies only those.
    const size_t length = std::min<size_t>(custom.length, sizeof(custom.data));
    const LocalRef<jbyteArray> data = NewJavaBytes(env, custom.data, length);
    SetObjectField(env, info.target(), "data", "[B", data.get());
    StoreInfo(env, event, "custom", "EventCustomInfo", info);
}

void FillHeartBeatInfo(JNIEnv* env, Target event, const Eventing::HeartBeatInfo& heartBeat) {
    const Info info = NewInfo(env, "EventHeartBeatInfo");
    StoreInfo(env, event, "heartBeat", "EventHeartBeatInfo", info);
    SetEnumField(env, info.target(), "status", "Status", static_cast<int8_t>(heartBeat.status));
    const auto setFlag = [&](const char* name, uint8_t value) {
        env->SetByteField(info.object.get(), RequireField(env, info.cls.get(), name, "B"), static_cast<jbyte>(value));
    };
    setFlag("enabled", heartBeat.enabled);
    setFlag("connectedUSB", heartBeat.connectedUSB);
    setFlag("canOK", heartBeat.canOK);
}

void FillTypeMember(JNIEnv* env, Target event, const Eventing::EventHeader& header) {
    const Eventing::EventData& data = header.data;
    switch (header.type) {
        case EventType::Disabled:
            FillCodeInfo(env, event, "disabled", "EventDisabledInfo", "cause", "EventDisabledCause",
                         static_cast<uint8_t>(data.disabled.cause));
            break;
        case EventType::Connected:
            FillCodeInfo(env, event, "connected", "EventConnectedInfo", "type", "EventConnectionType",
                         static_cast<uint8_t>(data.connected.type));
            break;
        case EventType::Disconnected:
            FillCodeInfo(env, event, "disconnected", "EventDisconnectedInfo", "type", "EventConnectionType",
                         static_cast<uint8_t>(data.disconnected.type));
            break;
        case EventType::Error:
            FillErrorInfo(env, event, "error", "EventError", "EventErrorType", static_cast<uint8_t>(data.error.type),
                          MessageOf(data.error.message));
            break;
        case EventType::FatalError:
            FillErrorInfo(env, event, "fatalError", "EventFatalError", "EventFatalErrorType",
                          static_cast<uint8_t>(data.fatalError.type), MessageOf(data.fatalError.message));
            break;
        case EventType::RegisteredEntity: {
            const Info info = NewInfo(env, "EventRegisteredEntityInfo");
            const uint16_t id = data.registeredEntity.id;  // packed member: read it out first
            env->SetIntField(info.object.get(), RequireField(env, info.cls.get(), "id", "I"), static_cast<jint>(id));
            StoreInfo(env, event, "registeredEntity", "EventRegisteredEntityInfo", info);
            break;
        }
        case EventType::Custom: FillCustomInfo(env, event, data.custom); break;
        case EventType::PinInterrupt: {
            const Info info = NewInfo(env, "EventPinInterruptInfo");
            env->SetByteField(info.object.get(), RequireField(env, info.cls.get(), "pin", "B"),
                              static_cast<jbyte>(data.pinInterrupt.pin));
            StoreInfo(env, event, "pinInterrupt", "EventPinInterruptInfo", info);
            break;
        }
        case EventType::HeartBeat: FillHeartBeatInfo(env, event, data.heartBeat); break;
        default: break;  // the other kinds carry nothing beyond their type
    }
}

// "extraMessage" is filled only when the class has it; a class without it is
// described, cleared and passed over.
void FillExtraMessage(JNIEnv* env, Target event, const Event& evt) {
    const jfieldID field = env->GetFieldID(event.cls, "extraMessage", "Ljava/lang/String;");
    if (field == nullptr) {
        CheckAndClear(env);
        return;
    }
    if (evt.getExtraMessage() == nullptr || evt.getExtraMessageLength() == 0) {
        return;
    }
    const std::string_view bytes(reinterpret_cast<const char*>(evt.getExtraMessage()), evt.getExtraMessageLength());
    const auto text = NewJavaString(env, bytes);
    env->SetObjectField(event.object, field, text.get());
}

}  // namespace

// Fills an existing Java event: its type, its extra message when there is one,
// and the one info member of its type. Members of other types stay as they were.
// Throws PendingJavaException when a Java call fails.
void CreateEventFromEvent(const Event& evt, JNIEnv* env, jobject outEvt) {
    const auto cls = RequireObjectClass(env, outEvt);
    const Target event{outEvt, cls.get()};
    SetEnumField(env, event, "type", "EventType", static_cast<jlong>(static_cast<uint32_t>(evt.header.type)));
    FillExtraMessage(env, event, evt);
    FillTypeMember(env, event, evt.header);
}

}  // namespace orvek::internal::jni

using namespace orvek::internal::jni;

extern "C" {

// OrvekJNI.GetLatestEvent(JLcom/rozovedar/domain/event/Event;)Z
JNIEXPORT jboolean JNICALL Java_com_rozovedar_jni_OrvekJNI_GetLatestEvent(JNIEnv* env, jclass, jlong inst,
                                                                          jobject outEvent) {
    return RunNative(env, jboolean{JNI_FALSE}, [&] {
        // Checked before popping, so a null target or a missing class does not lose the event.
        RequireNonNull(env, outEvent, "outEvent");
        RequireEventClasses(env);
        Event event;
        if (!pv_GetLatestEvent(HandleFromJava(inst), &event)) {
            return jboolean{JNI_FALSE};
        }
        CreateEventFromEvent(event, env, outEvent);
        return jboolean{JNI_TRUE};
    });
}

// OrvekJNI.GetEvents(J)[Lcom/rozovedar/domain/event/Event;
JNIEXPORT jobjectArray JNICALL Java_com_rozovedar_jni_OrvekJNI_GetEvents(JNIEnv* env, jclass, jlong inst) {
    return RunNative(env, jobjectArray{nullptr}, [&] {
        // Classes are looked up before any event is popped: a missing class loses none.
        RequireEventClasses(env);
        const auto cls = RequireClass(env, kEventClass);
        const jmethodID constructor = RequireMethod(env, cls.get(), "<init>", "()V");
        std::array<Event, kMaxEvents> events;
        const int count = pv_GetEvents(HandleFromJava(inst), events.data(), kMaxEvents);
        LocalRef<jobjectArray> array(env, env->NewObjectArray(count, cls.get(), nullptr));
        ThrowIfPending(env);
        for (int i = 0; i < count; ++i) {
            const LocalRef<jobject> element(env, env->NewObject(cls.get(), constructor));
            ThrowIfPending(env);
            CreateEventFromEvent(events[i], env, element.get());
            env->SetObjectArrayElement(array.get(), i, element.get());
        }
        return array.release();
    });
}

}  // extern "C"
