package com.rozovedar.domain.event;

/** A Custom event: a type byte and up to 16 data bytes. */
public final class EventCustomInfo {
    public byte type;
    public byte[] data;
}
