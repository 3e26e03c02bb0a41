package com.rozovedar.utils;

/** Texts for the codes that events carry; each takes the low 8 bits of its argument. */
public final class AlertUtils {
    static {
        System.loadLibrary("OrvekDriver");
    }

    private AlertUtils() {}

    /** "No Heartbeat", "Manual", "Emergency Stop", "Restart", otherwise "Unknown". */
    public static native String getDisabledCauseText(int cause);

    /** "File Not Found" to "Invalid Config Upload" for 0 to 10, otherwise "Unknown". */
    public static native String getErrorTypeText(int type);

    /** "Initialization Error", "Bad Configuration", "Start Task Error", "Create Queue Error". */
    public static native String getFatalErrorTypeText(int type);
}
