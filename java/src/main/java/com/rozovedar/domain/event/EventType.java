package com.rozovedar.domain.event;

/** What an event reports; each kind is one bit of the device's value. */
public enum EventType {
    BeginInitialization(0),
    FinishInitialization(1),
    Enabled(2),
    Disabled(4),
    Connected(8),
    Disconnected(16),
    Error(32),
    FatalError(64),
    RegisteredEntity(128),
    Custom(256),
    PinInterrupt(512),
    HeartBeat(1024),
    OTA(2048),
    Module(4096);

    /** The value the device uses. */
    public final long value;

    EventType(long value) {
        this.value = value;
    }

    /** The constant of a device value, or null for a value without one. */
    public static EventType fromValue(long value) {
        for (EventType candidate : values()) {
            if (candidate.value == value) {
                return candidate;
            }
        }
        return null;
    }
}
