package com.rozovedar.domain.event;

/** The id (0..65535) of a RegisteredEntity event. */
public final class EventRegisteredEntityInfo {
    public int id;
}
