package com.rozovedar.domain.event;

/** Why the device was disabled. */
public enum EventDisabledCause {
    NoHeartbeat(0),
    Manual(1),
    EStop(2),
    Restart(3);

    /** The value the device uses. */
    public final long value;

    EventDisabledCause(long value) {
        this.value = value;
    }

    /** The constant of a device value, or null for a value without one. */
    public static EventDisabledCause fromValue(long value) {
        for (EventDisabledCause candidate : values()) {
            if (candidate.value == value) {
                return candidate;
            }
        }
        return null;
    }
}
