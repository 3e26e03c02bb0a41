package com.rozovedar.domain.config;

import java.util.ArrayList;
import java.util.Arrays;
import java.util.HexFormat;
import java.util.List;
import java.util.stream.Collectors;

/**
 * Stands in for the real configuration class on the recording tests' class path: the builders
 * keep no configuration, they append each call, as "Name(arg,arg)", to {@link #CALLS}.
 */
public final class OrvekDeviceConfig {
    public static final List<String> CALLS = new ArrayList<>();
    /** A call of this name throws IllegalStateException after it is recorded. */
    public static String failOn;
    /** A call of this name returns null after it is recorded. */
    public static String nullOn;

    /** Read by ApplyConfiguration, so a test can give the device channels to report. */
    public List<Object> channels;

    static <T> T record(T next, String name, Object... args) {
        CALLS.add(name + Arrays.stream(args).map(OrvekDeviceConfig::show).collect(Collectors.joining(",", "(", ")")));
        if (name.equals(failOn)) {
            throw new IllegalStateException("the builder rejects " + name);
        }
        return name.equals(nullOn) ? null : next;
    }

    private static String show(Object arg) {
        return arg instanceof byte[] bytes ? HexFormat.of().formatHex(bytes) : String.valueOf(arg);
    }

    /** A module setting with its class, "Long:-1", except for text. */
    private static String typed(Object value) {
        return value instanceof String ? (String) value : value.getClass().getSimpleName() + ":" + value;
    }

    public static Builder Builder() { return record(new Builder(), "Builder"); }

    public static final class Builder {
        public OrvekDeviceConfig Build() { return record(new OrvekDeviceConfig(), "Build"); }
        public Builder ForTeam(String team) { return record(this, "ForTeam", team); }
        public Builder WithMd5(byte[] md5) { return record(this, "WithMd5", md5); }
        public ChannelBuilder AddChannel(String id, int length) { return record(new ChannelBuilder(), "AddChannel", id, length); }
        public SequenceBuilder AddSequence(String id) { return record(new SequenceBuilder(), "AddSequence", id); }
        public BitmapBuilder AddBitmap(String id) { return record(new BitmapBuilder(), "AddBitmap", id); }
        public ModuleBuilder AddModule(String id, String type, int pollingRateMs, String connection) {
            return record(new ModuleBuilder(), "AddModule", id, type, pollingRateMs, connection);
        }
        public GroupBuilder AddGroup(String id) { return record(new GroupBuilder(), "AddGroup", id); }
        public Builder SetNetworkType(NetworkType type) { return record(this, "SetNetworkType", type); }
        public Builder SetBaudRate(int baud) { return record(this, "SetBaudRate", baud); }
        public Builder SetI2CAddress(int address) { return record(this, "SetI2CAddress", address); }
    }

    public static final class ChannelBuilder {
        public ChannelBuilder Brightness(int b) { return record(this, "Brightness", b); }
        public ChannelBuilder Key(String key) { return record(this, "Key", key); }
        public ChannelBuilder AddStripZone(String id, int length, boolean reversed) {
            return record(this, "AddStripZone", id, length, reversed);
        }
        public ChannelBuilder AddStripZone(String id, int length, boolean reversed, int b) {
            return record(this, "AddStripZone", id, length, reversed, b);
        }
        public ChannelBuilder AddMatrixZone(String id, int rows, int cols) { return record(this, "AddMatrixZone", id, rows, cols); }
        public ChannelBuilder AddMatrixZone(String id, int rows, int cols, int b) {
            return record(this, "AddMatrixZone", id, rows, cols, b);
        }
        public ChannelBuilder AddMatrixZoneWithOrientation(String id, int rows, int cols, int orientation) {
            return record(this, "AddMatrixZoneWithOrientation", id, rows, cols, orientation);
        }
        public ChannelBuilder AddMatrixZone(String id, int rows, int cols, int b, int orientation) {
            return record(this, "AddMatrixZone", id, rows, cols, b, orientation);
        }
        public Builder EndChannel() { return record(new Builder(), "EndChannel"); }
    }

    public static final class SequenceBuilder {
        public StepBuilder AddStep(String animationId) { return record(new StepBuilder(), "AddStep", animationId); }
        public Builder EndSequence() { return record(new Builder(), "EndSequence"); }
    }

    public static final class StepBuilder {
        public StepBuilder WithColor(int r, int g, int b) { return record(this, "WithColor", r, g, b); }
        public StepBuilder WithDelay(int delay) { return record(this, "WithDelay", delay); }
        public StepBuilder Reverse(boolean reversed) { return record(this, "Reverse", reversed); }
        public StepBuilder WithRepeat(int repeat) { return record(this, "WithRepeat", repeat); }
        public SequenceBuilder EndStep() { return record(new SequenceBuilder(), "EndStep"); }
    }

    public static final class BitmapBuilder {
        public BitmapBuilder Static(String path) { return record(this, "Static", path); }
        public BitmapBuilder Animated(String folder, int delay) { return record(this, "Animated", folder, delay); }
        public Builder EndBitmap() { return record(new Builder(), "EndBitmap"); }
    }

    public static final class ModuleBuilder {
        public ModuleBuilder WithConfig(String key, Object value) { return record(this, "WithConfig", key, typed(value)); }
        public Builder EndModule() { return record(new Builder(), "EndModule"); }
    }

    public static final class GroupBuilder {
        public GroupBuilder AddZone(String zoneId) { return record(this, "AddZone", zoneId); }
        public Builder EndGroup() { return record(new Builder(), "EndGroup"); }
    }
}
