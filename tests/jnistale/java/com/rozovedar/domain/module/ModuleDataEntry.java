package com.rozovedar.domain.module;

/** An older ModuleDataEntry, from before it carried its length. */
public final class ModuleDataEntry {
    public int id;
    public byte[] data;
}
