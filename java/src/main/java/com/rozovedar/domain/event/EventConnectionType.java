package com.rozovedar.domain.event;

/** The link a device is connected or disconnected over. */
public enum EventConnectionType {
    USB(0),
    WebUSB(1),
    I2C(2),
    CAN(3),
    UART(4);

    /** The value the device uses. */
    public final long value;

    EventConnectionType(long value) {
        this.value = value;
    }

    /** The constant of a device value, or null for a value without one. */
    public static EventConnectionType fromValue(long value) {
        for (EventConnectionType candidate : values()) {
            if (candidate.value == value) {
                return candidate;
            }
        }
        return null;
    }
}
