package com.rozovedar.domain.config;

import java.util.AbstractMap;
import java.util.HashMap;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;

/** Configurations for the native test that checks what the device applies from each field. */
final class ApplyCases {
    private ApplyCases() {}

    private static StepConfig step(String id, OrvekDeviceConfig.AnimationColor color, int delay, Integer repeat) {
        StepConfig step = new StepConfig(id);
        step.color = color;
        step.delay = delay;
        step.repeat = repeat;
        return step;
    }

    static OrvekDeviceConfig steps() {
        SequenceConfig sequence = new SequenceConfig("seq");
        StepConfig clamped = step("Fill", new OrvekDeviceConfig.AnimationColor(300, -1, 128), 0, 300);
        clamped.reversed = true;
        sequence.steps = List.of(clamped, step("Blink", null, -5, null), step("Chase", null, 70000, -2));
        OrvekDeviceConfig config = new OrvekDeviceConfig();
        config.sequences = List.of(sequence);
        return config;
    }

    static OrvekDeviceConfig bitmaps() {
        BitmapConfig animated = new BitmapConfig("anim");
        animated.type = OrvekDeviceConfig.BitmapType.ANIMATED;
        animated.folder = "frames";
        animated.frameDelay = -3;
        animated.path = "ignored.bmp";
        BitmapConfig untyped = new BitmapConfig("untyped");
        untyped.type = null;
        untyped.path = "";
        BitmapConfig bare = new BitmapConfig("bare");
        bare.type = OrvekDeviceConfig.BitmapType.ANIMATED;
        bare.frameDelay = 70000;
        OrvekDeviceConfig config = new OrvekDeviceConfig();
        config.bitmaps = List.of(animated, untyped, bare);
        return config;
    }

    /** A raw-typed map whose entry set also yields an object that is no Map.Entry. */
    @SuppressWarnings({"rawtypes", "unchecked"})
    private static Map<String, Object> strayEntries() {
        return new AbstractMap() {
            @Override
            public Set entrySet() {
                return new LinkedHashSet(List.of("not an entry", Map.entry("kept", 7L)));
            }
        };
    }

    static OrvekDeviceConfig modules() {
        ModuleConfig spi = new ModuleConfig("a", "color", -4, "SPI");
        Map<String, Object> settings = new HashMap<>();
        settings.put("all-ones", -1L);
        settings.put("half", 0.5);
        settings.put("on", true);
        settings.put("text", "v");
        settings.put("int", 5);
        settings.put("none", null);
        settings.put(null, 1L);
        spi.config = settings;
        ModuleConfig empty = new ModuleConfig("b", "color", 70000, "spi");
        empty.config = null;
        ModuleConfig stray = new ModuleConfig("h", "t", 1, "SPI");
        stray.config = strayEntries();
        OrvekDeviceConfig config = new OrvekDeviceConfig();
        config.modules = List.of(spi, empty, new ModuleConfig("c", "t", 1, null), new ModuleConfig("d", "t", 1, "UART"),
            new ModuleConfig("e", "t", 1, "DIO"), new ModuleConfig("f", "t", 1, "AIO"), new ModuleConfig("", "t", 1, "SPI"),
            new ModuleConfig("g", "", 1, "SPI"), stray);
        return config;
    }

    private static OrvekDeviceConfig network(NetworkType type, Integer address, Integer baudRate) {
        OrvekDeviceConfig config = new OrvekDeviceConfig();
        config.teamNumber = "";
        config.network.type = type;
        config.network.address = address;
        config.network.baudRate = baudRate;
        return config;
    }

    /** I2C at 300 (kept to 255), I2C without address, CAN, UART (read back as USB), no type. */
    static OrvekDeviceConfig[] networks() {
        return new OrvekDeviceConfig[] {network(NetworkType.I2C, 300, 9600), network(NetworkType.I2C, null, null),
            network(NetworkType.CAN, 7, null), network(NetworkType.UART, 3, -5), network(null, 3, 3)};
    }
}
