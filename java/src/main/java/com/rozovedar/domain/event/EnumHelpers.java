package com.rozovedar.domain.event;

/**
 * Device values to event enumerations, as the native side asks for them. Each returns null for a
 * value the enumeration does not name.
 */
public final class EnumHelpers {
    private EnumHelpers() {}

    public static EventType getEventType(long value) {
        return EventType.fromValue(value);
    }

    public static EventDisabledCause getEventDisabledCause(long value) {
        return EventDisabledCause.fromValue(value);
    }

    public static EventConnectionType getEventConnectionType(long value) {
        return EventConnectionType.fromValue(value);
    }

    public static EventErrorType getEventErrorType(long value) {
        return EventErrorType.fromValue(value);
    }

    public static EventFatalErrorType getEventFatalErrorType(long value) {
        return EventFatalErrorType.fromValue(value);
    }

    public static Status getStatus(long value) {
        return Status.fromValue(value);
    }
}
