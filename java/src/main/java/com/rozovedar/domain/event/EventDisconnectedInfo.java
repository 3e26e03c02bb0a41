package com.rozovedar.domain.event;

/** The link of a Disconnected event. */
public final class EventDisconnectedInfo {
    public EventConnectionType type;
}
