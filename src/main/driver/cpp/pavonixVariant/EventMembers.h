#pragma once
// Every Java class, constructor, field and EnumHelpers method that turning a
// device event into a com/rozovedar/domain/event/Event may use, looked up in one
// go. The event natives look them up before they pop anything: a Java side that
// lacks one member then loses no event, and the VM's error goes to the caller.
//
// Internal to the Java binding: the ids and classes live for one native call.

#include "JniSupport.h"

#include <jni.h>

#include <array>
#include <cstddef>

namespace orvek::internal::jni {

// The info classes, one per event kind that carries a payload.
enum class EventInfo : size_t {
    Disabled,
    Connected,
    Disconnected,
    Error,
    FatalError,
    RegisteredEntity,
    Custom,
    PinInterrupt,
    HeartBeat,
    Count
};

// The EnumHelpers methods, each turning a raw native value (a long) into a Java constant.
enum class EnumHelper : size_t { EventType, DisabledCause, ConnectionType, ErrorType, FatalErrorType, Status, Count };

inline constexpr size_t kMaxInfoFields = 4;

// One info class: made with its no-argument constructor, filled through `fields`
// (in the order the class's row in EventMembers.cpp names them), then stored in
// the event's field `slot`.
struct InfoMembers {
    LocalRef<jclass> cls;
    jmethodID constructor = nullptr;
    jfieldID slot = nullptr;
    std::array<jfieldID, kMaxInfoFields> fields{};
};

struct EventMembers {
    jfieldID type = nullptr;
    jfieldID extraMessage = nullptr;  // null: the class has none, and the message is not passed on
    LocalRef<jclass> helpers;
    std::array<jmethodID, static_cast<size_t>(EnumHelper::Count)> helperMethods{};
    std::array<InfoMembers, static_cast<size_t>(EventInfo::Count)> infos;

    const InfoMembers& info(EventInfo kind) const { return infos[static_cast<size_t>(kind)]; }
    jmethodID helper(EnumHelper kind) const { return helperMethods[static_cast<size_t>(kind)]; }
};

// Looks up everything on `eventClass` (the Event class or the class of the object
// being filled) and on the info and helper classes. Throws PendingJavaException
// with the VM's NoClassDefFoundError, NoSuchFieldError or NoSuchMethodError
// pending when one is missing; only a missing "extraMessage" is described,
// cleared and passed over.
EventMembers LookUpEventMembers(JNIEnv* env, jclass eventClass);

}  // namespace orvek::internal::jni
