package com.rozovedar.domain.led;

/** Which way matrix text scrolls; the native side reads {@link #value}. */
public enum MatrixTextScrollDirection {
    LEFT(0),
    RIGHT(1);

    public final int value;

    MatrixTextScrollDirection(int value) {
        this.value = value;
    }
}
