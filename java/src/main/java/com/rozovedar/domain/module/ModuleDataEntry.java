package com.rozovedar.domain.module;

/** One module data record: the unit id (0..65535) and its payload of len bytes. */
public final class ModuleDataEntry {
    public int id;
    public byte[] data;
    public int len;
}
