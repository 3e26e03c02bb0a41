#pragma once
// A large, valid device configuration for benchmarks: 64 channels of 16 zones (every fourth
// zone an 8 x 8 matrix, the rest strips of 30 LEDs), 100 sequences of 8 steps, 50 bitmaps
// (half static, half animated), 20 sensors and 20 groups of 16 zones. Every name is unique
// and every group names configured zones, so a device can apply it as is. Header-only.

#include <string>
#include <vector>

#include <orvek/configuration/Configuration.h>
#include <orvek/configuration/OrvekConfigurationSerializer.h>

namespace orvek::bench {

namespace large_config_detail {

namespace cfg = internal::Configuration;

inline constexpr int kChannels = 64;
inline constexpr int kZonesPerChannel = 16;
inline constexpr int kSequences = 100;
inline constexpr int kStepsPerSequence = 8;
inline constexpr int kBitmaps = 50;
inline constexpr int kSensors = 20;
inline constexpr int kGroups = 20;
inline constexpr int kZonesPerGroup = 16;

inline std::string ZoneName(int channel, int zone) {
    return "ch" + std::to_string(channel) + "-zone" + std::to_string(zone);
}

inline cfg::Channel MakeChannel(int index) {
    cfg::Channel channel;
    channel.key = "channel" + std::to_string(index);
    channel.id = channel.key;
    channel.brightness = static_cast<uint8_t>(128 + index);
    unsigned leds = 0;
    for (int z = 0; z < kZonesPerChannel; ++z) {
        cfg::Zone zone{};
        zone.id = ZoneName(index, z);
        if (z % 4 == 3) {
            zone.type = cfg::ZoneType::Matrix;
            zone.matrix = cfg::ZoneMatrix{8, 8, static_cast<uint8_t>(z % 16)};
            leds += 64;
        } else {
            zone.strip = cfg::ZoneStrip{30, z % 2 == 1};
            zone.brightness = static_cast<uint8_t>(z * 10);
            leds += 30;
        }
        channel.zones.push_back(std::move(zone));
    }
    channel.length = static_cast<uint16_t>(leds);
    return channel;
}

inline cfg::AnimationSequence MakeSequence(int index) {
    static const char* const kAnimations[] = {"Fill", "Blink", "Breathe", "RainbowCycle"};
    cfg::AnimationSequence sequence;
    sequence.id = "sequence" + std::to_string(index);
    for (int s = 0; s < kStepsPerSequence; ++s) {
        cfg::Animation step{};
        step.id = kAnimations[(index + s) % 4];
        step.delay = static_cast<uint16_t>(10 + s * 5);
        step.reversed = s % 3 == 0;
        if (s % 2 == 0) step.color = internal::domain::Color(uint8_t(index), uint8_t(s * 30), 200);
        if (s % 4 == 1) step.repeatCount = static_cast<uint8_t>(s);
        sequence.steps.push_back(std::move(step));
    }
    return sequence;
}

inline cfg::Bitmap MakeBitmap(int index) {
    cfg::Bitmap bitmap;
    bitmap.id = "bitmap" + std::to_string(index);
    if (index % 2 == 0) {
        bitmap.path = "bitmaps/image" + std::to_string(index) + ".bmp";
    } else {
        bitmap.type = cfg::BitmapType::Animated;
        bitmap.folder = "bitmaps/frames" + std::to_string(index);
        bitmap.frameDelay = 80;
    }
    return bitmap;
}

inline cfg::Module MakeSensor(int index) {
    using internal::ModuleInfo::ModuleConnectionType;
    cfg::Module module;
    module.id = "sensor" + std::to_string(index);
    const bool digital = index % 2 == 0;
    module.type = digital ? "DigitalInput" : "VL53L1X";
    module.pollingRateMs = digital ? 20 : 50;
    module.connectionType = digital ? ModuleConnectionType::DIO : ModuleConnectionType::I2C;
    module.customConfig.emplace();
    (*module.customConfig)["channel"] = uint64_t(index);
    (*module.customConfig)["inverted"] = index % 3 == 0;
    (*module.customConfig)["label"] = std::string("sensor label ") + std::to_string(index);
    (*module.customConfig)["scale"] = 0.25 * index;
    return module;
}

inline cfg::AnimationGroup MakeGroup(int index) {
    cfg::AnimationGroup group;
    group.id = "group" + std::to_string(index);
    for (int i = 0; i < kZonesPerGroup; ++i) {
        group.zoneIds.push_back(ZoneName((index * 3 + i) % kChannels, (index + i) % kZonesPerChannel));
    }
    return group;
}

}  // namespace large_config_detail

// The large configuration as a record.
inline internal::Configuration::OrvekConfiguration MakeLargeConfiguration() {
    namespace d = large_config_detail;
    internal::Configuration::OrvekConfiguration config;
    config.teamNumber = "9999";
    config.channels.emplace();
    for (int i = 0; i < d::kChannels; ++i) config.channels->push_back(d::MakeChannel(i));
    config.sequences.emplace();
    for (int i = 0; i < d::kSequences; ++i) config.sequences->push_back(d::MakeSequence(i));
    config.bitmaps.emplace();
    for (int i = 0; i < d::kBitmaps; ++i) config.bitmaps->push_back(d::MakeBitmap(i));
    config.sensors.emplace();
    for (int i = 0; i < d::kSensors; ++i) config.sensors->push_back(d::MakeSensor(i));
    config.animationGroups.emplace();
    for (int i = 0; i < d::kGroups; ++i) config.animationGroups->push_back(d::MakeGroup(i));
    return config;
}

// The large configuration as compact configuration JSON text.
inline std::string MakeLargeConfigJson() { return config::SerializeConfigToJson(MakeLargeConfiguration()); }

}  // namespace orvek::bench
