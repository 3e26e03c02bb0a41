package com.rozovedar.domain.event;

/**
 * An event read from the device. The native side fills {@link #type}, {@link #extraMessage} when
 * the event carries one, and the one member of its type; members of other types keep what they
 * held, so a reused object may still show an earlier event's.
 */
public final class Event {
    public EventType type;
    public String extraMessage;
    public EventDisabledInfo disabled;
    public EventConnectedInfo connected;
    public EventDisconnectedInfo disconnected;
    public EventError error;
    public EventFatalError fatalError;
    public EventRegisteredEntityInfo registeredEntity;
    public EventCustomInfo custom;
    public EventPinInterruptInfo pinInterrupt;
    public EventHeartBeatInfo heartBeat;
}
