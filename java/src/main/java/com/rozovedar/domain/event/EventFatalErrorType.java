package com.rozovedar.domain.event;

/** The kind of a FatalError event. */
public enum EventFatalErrorType {
    InitError(0),
    BadConfig(1),
    StartTask(2),
    CreateQueue(3);

    /** The value the device uses. */
    public final long value;

    EventFatalErrorType(long value) {
        this.value = value;
    }

    /** The constant of a device value, or null for a value without one. */
    public static EventFatalErrorType fromValue(long value) {
        for (EventFatalErrorType candidate : values()) {
            if (candidate.value == value) {
                return candidate;
            }
        }
        return null;
    }
}
