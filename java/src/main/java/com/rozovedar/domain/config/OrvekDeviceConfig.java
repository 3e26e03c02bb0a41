package com.rozovedar.domain.config;

import java.util.ArrayList;
import java.util.List;

/**
 * One device configuration, as OrvekJNI.ApplyConfiguration reads it and as GetConfig and
 * ParseConfigJson build it.
 *
 * <p>The fields are plain data read by the native side; a null or empty list means "none". Build
 * one with {@link #Builder()}: the nested builders each return the builder the next call goes to,
 * and their End methods return the configuration builder.
 */
public final class OrvekDeviceConfig {
    /** Team number as text, or null. */
    public String teamNumber;
    public Network network = new Network();
    /** Fingerprint of the configuration (16 bytes), or null. */
    public byte[] md5;
    public List<ChannelConfig> channels = new ArrayList<>();
    public List<SequenceConfig> sequences = new ArrayList<>();
    public List<BitmapConfig> bitmaps = new ArrayList<>();
    public List<ModuleConfig> modules = new ArrayList<>();
    public List<GroupConfig> groups = new ArrayList<>();

    /** How the controller is reached; address counts for I2C only, baudRate for UART only. */
    public static final class Network {
        public NetworkType type = NetworkType.USB;
        public Integer address;
        public Integer baudRate;
    }

    /** A colour of 0..255 components. */
    public static final class AnimationColor {
        public int r;
        public int g;
        public int b;

        public AnimationColor() {}

        public AnimationColor(int r, int g, int b) {
            this.r = r;
            this.g = g;
            this.b = b;
        }
    }

    /** The native side reads the ordinal: keep this order. */
    public enum BitmapType {
        STATIC,
        ANIMATED
    }

    /** Starts an empty configuration. */
    public static Builder Builder() {
        return new Builder();
    }

    /** Builds a configuration; Build() may be called more than once. */
    public static final class Builder {
        private final OrvekDeviceConfig config = new OrvekDeviceConfig();

        private Builder() {}

        /**
         * A configuration holding what was added so far. Later calls on this builder do not change
         * its lists; the channels, sequences and other elements in them are shared, so a nested
         * builder still held after Build() edits the built configuration too.
         */
        public OrvekDeviceConfig Build() {
            OrvekDeviceConfig copy = new OrvekDeviceConfig();
            copy.teamNumber = config.teamNumber;
            copy.network.type = config.network.type;
            copy.network.address = config.network.address;
            copy.network.baudRate = config.network.baudRate;
            copy.md5 = config.md5 == null ? null : config.md5.clone();
            copy.channels.addAll(config.channels);
            copy.sequences.addAll(config.sequences);
            copy.bitmaps.addAll(config.bitmaps);
            copy.modules.addAll(config.modules);
            copy.groups.addAll(config.groups);
            return copy;
        }

        public Builder ForTeam(String team) {
            config.teamNumber = team;
            return this;
        }

        public Builder WithMd5(byte[] md5) {
            config.md5 = md5 == null ? null : md5.clone();
            return this;
        }

        public Builder SetNetworkType(NetworkType type) {
            config.network.type = type;
            return this;
        }

        public Builder SetBaudRate(int baud) {
            config.network.baudRate = baud;
            return this;
        }

        public Builder SetI2CAddress(int address) {
            config.network.address = address;
            return this;
        }

        /** Opens a channel of `length` LEDs; EndChannel() comes back here. */
        public ChannelBuilder AddChannel(String id, int length) {
            ChannelConfig channel = new ChannelConfig(id, length);
            config.channels.add(channel);
            return new ChannelBuilder(this, channel);
        }

        public SequenceBuilder AddSequence(String id) {
            SequenceConfig sequence = new SequenceConfig(id);
            config.sequences.add(sequence);
            return new SequenceBuilder(this, sequence);
        }

        public BitmapBuilder AddBitmap(String id) {
            BitmapConfig bitmap = new BitmapConfig(id);
            config.bitmaps.add(bitmap);
            return new BitmapBuilder(this, bitmap);
        }

        /** `connection` is "I2C", "SPI", "UART", "DIO" or "AIO". */
        public ModuleBuilder AddModule(String id, String type, int pollingRateMs, String connection) {
            ModuleConfig module = new ModuleConfig(id, type, pollingRateMs, connection);
            config.modules.add(module);
            return new ModuleBuilder(this, module);
        }

        public GroupBuilder AddGroup(String id) {
            GroupConfig group = new GroupConfig(id);
            config.groups.add(group);
            return new GroupBuilder(this, group);
        }
    }

    /** Adds zones to one channel. */
    public static final class ChannelBuilder {
        private final Builder parent;
        private final ChannelConfig channel;

        private ChannelBuilder(Builder parent, ChannelConfig channel) {
            this.parent = parent;
            this.channel = channel;
        }

        public ChannelBuilder Brightness(int brightness) {
            channel.brightness = brightness;
            return this;
        }

        public ChannelBuilder Key(String key) {
            channel.key = key;
            return this;
        }

        public ChannelBuilder AddStripZone(String id, int length, boolean reversed) {
            channel.zones.add(ZoneConfig.strip(id, length, reversed));
            return this;
        }

        public ChannelBuilder AddStripZone(String id, int length, boolean reversed, int brightness) {
            ZoneConfig zone = ZoneConfig.strip(id, length, reversed);
            zone.brightness = brightness;
            channel.zones.add(zone);
            return this;
        }

        public ChannelBuilder AddMatrixZone(String id, int rows, int cols) {
            return AddMatrixZoneWithOrientation(id, rows, cols, 0);
        }

        public ChannelBuilder AddMatrixZone(String id, int rows, int cols, int brightness) {
            return AddMatrixZone(id, rows, cols, brightness, 0);
        }

        /** `orientation` is a sum of the ZoneConfig.ORIENT_ bits. */
        public ChannelBuilder AddMatrixZoneWithOrientation(String id, int rows, int cols, int orientation) {
            channel.zones.add(ZoneConfig.matrix(id, rows, cols, orientation));
            return this;
        }

        public ChannelBuilder AddMatrixZone(String id, int rows, int cols, int brightness, int orientation) {
            ZoneConfig zone = ZoneConfig.matrix(id, rows, cols, orientation);
            zone.brightness = brightness;
            channel.zones.add(zone);
            return this;
        }

        public Builder EndChannel() {
            return parent;
        }
    }

    /** Adds steps to one sequence. */
    public static final class SequenceBuilder {
        private final Builder parent;
        private final SequenceConfig sequence;

        private SequenceBuilder(Builder parent, SequenceConfig sequence) {
            this.parent = parent;
            this.sequence = sequence;
        }

        /** Opens a step playing the built-in animation of that name; EndStep() comes back here. */
        public StepBuilder AddStep(String animationId) {
            StepConfig step = new StepConfig(animationId);
            sequence.steps.add(step);
            return new StepBuilder(this, step);
        }

        public Builder EndSequence() {
            return parent;
        }
    }

    /** Sets how one step plays. */
    public static final class StepBuilder {
        private final SequenceBuilder parent;
        private final StepConfig step;

        private StepBuilder(SequenceBuilder parent, StepConfig step) {
            this.parent = parent;
            this.step = step;
        }

        public StepBuilder WithColor(int r, int g, int b) {
            step.color = new AnimationColor(r, g, b);
            return this;
        }

        public StepBuilder WithDelay(int delayMs) {
            step.delay = delayMs;
            return this;
        }

        public StepBuilder Reverse(boolean reversed) {
            step.reversed = reversed;
            return this;
        }

        public StepBuilder WithRepeat(int repeat) {
            step.repeat = repeat;
            return this;
        }

        public SequenceBuilder EndStep() {
            return parent;
        }
    }

    /** Says where one bitmap's image comes from. */
    public static final class BitmapBuilder {
        private final Builder parent;
        private final BitmapConfig bitmap;

        private BitmapBuilder(Builder parent, BitmapConfig bitmap) {
            this.parent = parent;
            this.bitmap = bitmap;
        }

        public BitmapBuilder Static(String path) {
            bitmap.type = BitmapType.STATIC;
            bitmap.path = path;
            return this;
        }

        public BitmapBuilder Animated(String folder, int frameDelayMs) {
            bitmap.type = BitmapType.ANIMATED;
            bitmap.folder = folder;
            bitmap.frameDelay = frameDelayMs;
            return this;
        }

        public Builder EndBitmap() {
            return parent;
        }
    }

    /** Adds settings to one module. */
    public static final class ModuleBuilder {
        private final Builder parent;
        private final ModuleConfig module;

        private ModuleBuilder(Builder parent, ModuleConfig module) {
            this.parent = parent;
            this.module = module;
        }

        /** `value` is a Long, Double, Boolean or String. */
        public ModuleBuilder WithConfig(String key, Object value) {
            module.config.put(key, value);
            return this;
        }

        public Builder EndModule() {
            return parent;
        }
    }

    /** Adds zones to one group. */
    public static final class GroupBuilder {
        private final Builder parent;
        private final GroupConfig group;

        private GroupBuilder(Builder parent, GroupConfig group) {
            this.parent = parent;
            this.group = group;
        }

        public GroupBuilder AddZone(String zoneId) {
            group.zoneIds.add(zoneId);
            return this;
        }

        public Builder EndGroup() {
            return parent;
        }
    }
}
