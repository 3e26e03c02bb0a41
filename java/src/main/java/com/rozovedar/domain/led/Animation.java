package com.rozovedar.domain.led;

/** The built-in animations. The native side reads the ordinal: keep this order. None plays nothing. */
public enum Animation {
    None,
    Fill,
    Blink,
    Breathe,
    RainbowRoll,
    SineRoll,
    Chase,
    FadeIn,
    FadeOut,
    RainbowCycle,
    AlternateBreathe,
    GrowingBreathe,
    Comet,
    Sparkle,
    Fire,
    Scanner,
    TheaterChase,
    Twinkle,
    Meteor,
    Wave,
    Pulse,
    Larson,
    Ripple,
    Confetti,
    Lava,
    Plasma,
    Heartbeat
}
