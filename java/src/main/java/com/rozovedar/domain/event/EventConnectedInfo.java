package com.rozovedar.domain.event;

/** The link of a Connected event. */
public final class EventConnectedInfo {
    public EventConnectionType type;
}
