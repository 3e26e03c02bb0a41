package com.rozovedar.domain.event;

/** A heartbeat: the device status and three flags (non-zero for set). */
public final class EventHeartBeatInfo {
    public Status status;
    public byte enabled;
    public byte connectedUSB;
    public byte canOK;
}
