// The members of the Java event classes, by name and JNI signature.

#include "EventMembers.h"

#include <iterator>

namespace orvek::internal::jni {

namespace {

struct FieldSpec {
    const char* name = nullptr;
    const char* signature = nullptr;
};

struct InfoSpec {
    const char* className;
    FieldSpec slot;  // the field of Event holding the info object
    std::array<FieldSpec, kMaxInfoFields> fields;
};

#define ORVEK_EVENT_TYPE(simple) "Lcom/rozovedar/domain/event/" simple ";"
#define ORVEK_EVENT_CLASS(simple) "com/rozovedar/domain/event/" simple

// In EventInfo order; the fields in the order the conversion uses them.
constexpr InfoSpec kInfos[] = {
    {ORVEK_EVENT_CLASS("EventDisabledInfo"),
     {"disabled", ORVEK_EVENT_TYPE("EventDisabledInfo")},
     {{{"cause", ORVEK_EVENT_TYPE("EventDisabledCause")}}}},
    {ORVEK_EVENT_CLASS("EventConnectedInfo"),
     {"connected", ORVEK_EVENT_TYPE("EventConnectedInfo")},
     {{{"type", ORVEK_EVENT_TYPE("EventConnectionType")}}}},
    {ORVEK_EVENT_CLASS("EventDisconnectedInfo"),
     {"disconnected", ORVEK_EVENT_TYPE("EventDisconnectedInfo")},
     {{{"type", ORVEK_EVENT_TYPE("EventConnectionType")}}}},
    {ORVEK_EVENT_CLASS("EventError"),
     {"error", ORVEK_EVENT_TYPE("EventError")},
     {{{"type", ORVEK_EVENT_TYPE("EventErrorType")}, {"message", "Ljava/lang/String;"}}}},
    {ORVEK_EVENT_CLASS("EventFatalError"),
     {"fatalError", ORVEK_EVENT_TYPE("EventFatalError")},
     {{{"type", ORVEK_EVENT_TYPE("EventFatalErrorType")}, {"message", "Ljava/lang/String;"}}}},
    {ORVEK_EVENT_CLASS("EventRegisteredEntityInfo"),
     {"registeredEntity", ORVEK_EVENT_TYPE("EventRegisteredEntityInfo")},
     {{{"id", "I"}}}},
    {ORVEK_EVENT_CLASS("EventCustomInfo"),
     {"custom", ORVEK_EVENT_TYPE("EventCustomInfo")},
     {{{"type", "B"}, {"data", "[B"}}}},
    {ORVEK_EVENT_CLASS("EventPinInterruptInfo"),
     {"pinInterrupt", ORVEK_EVENT_TYPE("EventPinInterruptInfo")},
     {{{"pin", "B"}}}},
    {ORVEK_EVENT_CLASS("EventHeartBeatInfo"),
     {"heartBeat", ORVEK_EVENT_TYPE("EventHeartBeatInfo")},
     {{{"status", ORVEK_EVENT_TYPE("Status")}, {"enabled", "B"}, {"connectedUSB", "B"}, {"canOK", "B"}}}},
};
static_assert(std::size(kInfos) == static_cast<size_t>(EventInfo::Count));

// In EnumHelper order.
constexpr FieldSpec kHelpers[] = {
    {"getEventType", "(J)" ORVEK_EVENT_TYPE("EventType")},
    {"getEventDisabledCause", "(J)" ORVEK_EVENT_TYPE("EventDisabledCause")},
    {"getEventConnectionType", "(J)" ORVEK_EVENT_TYPE("EventConnectionType")},
    {"getEventErrorType", "(J)" ORVEK_EVENT_TYPE("EventErrorType")},
    {"getEventFatalErrorType", "(J)" ORVEK_EVENT_TYPE("EventFatalErrorType")},
    {"getStatus", "(J)" ORVEK_EVENT_TYPE("Status")},
};
static_assert(std::size(kHelpers) == static_cast<size_t>(EnumHelper::Count));

constexpr const char* kTypeSignature = ORVEK_EVENT_TYPE("EventType");
constexpr const char* kHelpersClass = ORVEK_EVENT_CLASS("EnumHelpers");

#undef ORVEK_EVENT_TYPE
#undef ORVEK_EVENT_CLASS

InfoMembers LookUpInfo(JNIEnv* env, jclass eventClass, const InfoSpec& spec) {
    InfoMembers info;
    info.cls = RequireClass(env, spec.className);
    info.constructor = RequireMethod(env, info.cls.get(), "<init>", "()V");
    info.slot = RequireField(env, eventClass, spec.slot.name, spec.slot.signature);
    for (size_t i = 0; i < spec.fields.size() && spec.fields[i].name != nullptr; ++i) {
        info.fields[i] = RequireField(env, info.cls.get(), spec.fields[i].name, spec.fields[i].signature);
    }
    return info;
}

}  // namespace

EventMembers LookUpEventMembers(JNIEnv* env, jclass eventClass) {
    EventMembers members;
    members.type = RequireField(env, eventClass, "type", kTypeSignature);
    members.extraMessage = env->GetFieldID(eventClass, "extraMessage", "Ljava/lang/String;");
    if (members.extraMessage == nullptr) CheckAndClear(env);
    members.helpers = RequireClass(env, kHelpersClass);
    for (size_t i = 0; i < std::size(kHelpers); ++i) {
        members.helperMethods[i] =
            RequireStaticMethod(env, members.helpers.get(), kHelpers[i].name, kHelpers[i].signature);
    }
    for (size_t i = 0; i < std::size(kInfos); ++i) {
        members.infos[i] = LookUpInfo(env, eventClass, kInfos[i]);
    }
    return members;
}

}  // namespace orvek::internal::jni
