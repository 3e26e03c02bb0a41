package com.rozovedar.domain.event;

/** Why a Disabled event's device was disabled. */
public final class EventDisabledInfo {
    public EventDisabledCause cause;
}
