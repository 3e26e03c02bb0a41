package com.rozovedar.domain.config;

import java.util.ArrayList;
import java.util.List;

/** Zones that take one command together, named by their zone ids. */
public final class GroupConfig {
    public String id;
    public List<String> zoneIds = new ArrayList<>();

    public GroupConfig() {}

    public GroupConfig(String id) {
        this.id = id;
    }
}
