package com.rozovedar.domain.config;

/** An image for matrix zones: one BMP file, or a folder of numbered frames. */
public final class BitmapConfig {
    public String id;
    public OrvekDeviceConfig.BitmapType type = OrvekDeviceConfig.BitmapType.STATIC;
    /** File of a static bitmap, relative to the deploy directory. */
    public String path;
    /** Folder of frame files of an animated bitmap. */
    public String folder;
    /** Milliseconds per frame of an animated bitmap, or null for the default. */
    public Integer frameDelay;

    public BitmapConfig() {}

    public BitmapConfig(String id) {
        this.id = id;
    }
}
