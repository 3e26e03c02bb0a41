package com.rozovedar.domain.event;

/** An older EventCustomInfo, from before it carried its data bytes. */
public final class EventCustomInfo {
    public byte type;
}
