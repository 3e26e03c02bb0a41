package com.rozovedar.domain.event;

/** The device status, as heartbeats carry it. */
public enum Status {
    Unknown(-1),
    Booting(0),
    Active(1),
    Error(2),
    Fatal(3);

    /** The value the device uses. */
    public final long value;

    Status(long value) {
        this.value = value;
    }

    /** The constant of a device value, or null for a value without one. */
    public static Status fromValue(long value) {
        for (Status candidate : values()) {
            if (candidate.value == value) {
                return candidate;
            }
        }
        return null;
    }
}
