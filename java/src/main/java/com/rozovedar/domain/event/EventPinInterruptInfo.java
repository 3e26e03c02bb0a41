package com.rozovedar.domain.event;

/** The pin of a PinInterrupt event. */
public final class EventPinInterruptInfo {
    public byte pin;
}
