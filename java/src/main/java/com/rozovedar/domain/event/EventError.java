package com.rozovedar.domain.event;

/** An Error event: its kind and a short message (at most 15 characters). */
public final class EventError {
    public EventErrorType type;
    public String message;
}
