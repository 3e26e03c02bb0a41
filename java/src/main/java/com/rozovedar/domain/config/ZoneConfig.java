package com.rozovedar.domain.config;

/**
 * A strip or a matrix of LEDs on a channel. Only the fields of its type matter: stripLength and
 * reversed for a strip, matrixRows, matrixCols and matrixOrientation for a matrix.
 */
public final class ZoneConfig {
    /** Orientation bits of a matrix; 0 is top-left start, row axis, progressive. */
    public static final int ORIENT_BOTTOM = 1;
    public static final int ORIENT_RIGHT = 2;
    public static final int ORIENT_COLUMNS = 4;
    public static final int ORIENT_ZIGZAG = 8;

    public ZoneType type = ZoneType.STRIP;
    public String id;
    /** 0..255, or null for the channel's brightness. */
    public Integer brightness;
    public int stripLength;
    public boolean reversed;
    public int matrixRows;
    public int matrixCols;
    public int matrixOrientation;

    public static ZoneConfig strip(String id, int length, boolean reversed) {
        ZoneConfig zone = new ZoneConfig();
        zone.id = id;
        zone.stripLength = length;
        zone.reversed = reversed;
        return zone;
    }

    public static ZoneConfig matrix(String id, int rows, int cols, int orientation) {
        ZoneConfig zone = new ZoneConfig();
        zone.type = ZoneType.MATRIX;
        zone.id = id;
        zone.matrixRows = rows;
        zone.matrixCols = cols;
        zone.matrixOrientation = orientation;
        return zone;
    }
}
