package com.rozovedar.domain.event;

/** A FatalError event: its kind and a short message (at most 15 characters). */
public final class EventFatalError {
    public EventFatalErrorType type;
    public String message;
}
