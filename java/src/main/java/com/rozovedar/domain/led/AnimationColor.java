package com.rozovedar.domain.led;

/** A command colour. Each component is a byte read as 0..255: (byte) 255 is full. */
public final class AnimationColor {
    public final byte r;
    public final byte g;
    public final byte b;

    public AnimationColor(byte r, byte g, byte b) {
        this.r = r;
        this.g = g;
        this.b = b;
    }

    /** A colour from components of 0..255; only each one's low 8 bits are kept. */
    public static AnimationColor rgb(int r, int g, int b) {
        return new AnimationColor((byte) r, (byte) g, (byte) b);
    }

    @Override
    public String toString() {
        return String.format("#%02X%02X%02X", r & 0xFF, g & 0xFF, b & 0xFF);
    }
}
