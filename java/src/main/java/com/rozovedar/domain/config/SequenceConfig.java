package com.rozovedar.domain.config;

import java.util.ArrayList;
import java.util.List;

/** A named list of built-in animations played one after another. */
public final class SequenceConfig {
    public String id;
    public List<StepConfig> steps = new ArrayList<>();

    public SequenceConfig() {}

    public SequenceConfig(String id) {
        this.id = id;
    }
}
