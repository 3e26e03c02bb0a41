package com.rozovedar.domain.config;

import java.util.LinkedHashMap;
import java.util.Map;

/** A sensor module attached to the controller. */
public final class ModuleConfig {
    public String id;
    /** Module type name; it selects the layout of the module's data records. */
    public String type;
    public int pollingRateMs;
    /** "I2C", "SPI", "UART", "DIO" or "AIO"; anything else counts as "I2C". */
    public String connectionType;
    /** Type-specific settings: Long, Double, Boolean or String values. */
    public Map<String, Object> config = new LinkedHashMap<>();

    public ModuleConfig() {}

    public ModuleConfig(String id, String type, int pollingRateMs, String connectionType) {
        this.id = id;
        this.type = type;
        this.pollingRateMs = pollingRateMs;
        this.connectionType = connectionType;
    }
}
