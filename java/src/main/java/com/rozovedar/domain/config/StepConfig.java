package com.rozovedar.domain.config;

/** One step of a sequence: a built-in animation by name and how to play it. */
public final class StepConfig {
    /** Name of a built-in animation, for example "Rainbow". */
    public String animationId;
    /** Null plays the animation's default colour. */
    public OrvekDeviceConfig.AnimationColor color;
    /** Milliseconds per animation state; 0 is the animation's default. */
    public int delay;
    public boolean reversed;
    /** Times to play the step (0..255), or null for the default. */
    public Integer repeat;

    public StepConfig() {}

    public StepConfig(String animationId) {
        this.animationId = animationId;
    }
}
