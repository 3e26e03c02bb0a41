package com.rozovedar.domain.event;

/** The kind of an Error event. */
public enum EventErrorType {
    FileNotFound(0),
    InvalidFile(1),
    EntityNotFound(2),
    DeviceMalfunction(3),
    QueueFull(4),
    LedStrip(5),
    LedMatrix(6),
    InvalidAnimationSequence(7),
    InvalidChannel(8),
    DuplicateID(9),
    InvalidConfigUpload(10),
    ModuleError(11);

    /** The value the device uses. */
    public final long value;

    EventErrorType(long value) {
        this.value = value;
    }

    /** The constant of a device value, or null for a value without one. */
    public static EventErrorType fromValue(long value) {
        for (EventErrorType candidate : values()) {
            if (candidate.value == value) {
                return candidate;
            }
        }
        return null;
    }
}
