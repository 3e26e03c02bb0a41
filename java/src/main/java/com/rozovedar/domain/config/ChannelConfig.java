package com.rozovedar.domain.config;

import java.util.ArrayList;
import java.util.List;

/** One LED output of the controller and the zones laid out along it. */
public final class ChannelConfig {
    /** Name under which the channel is listed; null or empty means "use the id". */
    public String key;
    public String id;
    /** Number of LEDs on the channel. */
    public int length;
    /** 0..255, or null for the controller's default. */
    public Integer brightness;
    public List<ZoneConfig> zones = new ArrayList<>();

    public ChannelConfig() {}

    public ChannelConfig(String id, int length) {
        this.id = id;
        this.length = length;
    }
}
