package com.rozovedar.modules;

/** Module (sensor) data fed to the simulated device as if a module had sent it. */
public final class SimModules {
    static {
        System.loadLibrary("OrvekDriver");
    }

    private SimModules() {}

    /**
     * Stores one record for the module configured under moduleKey: the low 16 bits of id as the
     * unit id and the payload bytes (null for none), its fields little-endian in layout order.
     */
    public static native void Inject(String moduleKey, int id, byte[] data);
}
