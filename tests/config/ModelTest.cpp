// The configuration records: defaults and deep copies.
#include <gtest/gtest.h>

#include <orvek/configuration/Configuration.h>

#include "ConfigEquality.h"

namespace cfg = orvek::internal::Configuration;
using orvek::internal::ModuleInfo::ModuleConnectionType;

TEST(ConfigurationModel, DefaultConfigurationIsUsbWithEveryListUnset) {
    const cfg::OrvekConfiguration config;
    EXPECT_EQ(config.network.type, cfg::NetworkType::USB);
    EXPECT_EQ(config.network.i2c.address, 0);
    EXPECT_FALSE(config.teamNumber);
    EXPECT_FALSE(config.channels);
    EXPECT_FALSE(config.sequences);
    EXPECT_FALSE(config.bitmaps);
    EXPECT_FALSE(config.animationGroups);
    EXPECT_FALSE(config.sensors);
}

TEST(ConfigurationModel, DefaultBitmapIsStaticWithNothingSet) {
    const cfg::Bitmap bitmap;
    EXPECT_TRUE(bitmap.id.empty());
    EXPECT_EQ(bitmap.type, cfg::BitmapType::Static);
    EXPECT_FALSE(bitmap.path);
    EXPECT_FALSE(bitmap.folder);
    EXPECT_FALSE(bitmap.frameDelay);
}

TEST(ConfigurationModel, ValueInitialisedZoneIsAnEmptyStrip) {
    const cfg::Zone zone{};
    EXPECT_EQ(zone.type, cfg::ZoneType::Strip);
    EXPECT_TRUE(zone.id.empty());
    EXPECT_FALSE(zone.brightness);
    EXPECT_EQ(zone.strip.length, 0);
    EXPECT_FALSE(zone.strip.reversed);
}

TEST(ConfigurationModel, ValueInitialisedStepAndModuleHaveNoSettings) {
    const cfg::Animation step{};
    EXPECT_TRUE(step.id.empty());
    EXPECT_FALSE(step.reversed);
    EXPECT_EQ(step.delay, 0);
    EXPECT_FALSE(step.color);
    EXPECT_FALSE(step.repeatCount);

    const cfg::Module module;
    EXPECT_TRUE(module.id.empty());
    EXPECT_TRUE(module.type.empty());
    EXPECT_FALSE(module.customConfig);
}

TEST(ConfigurationModel, EnumerationValuesAreFixed) {
    EXPECT_EQ(static_cast<int>(cfg::NetworkType::I2C), 0);
    EXPECT_EQ(static_cast<int>(cfg::NetworkType::USB), 1);
    EXPECT_EQ(static_cast<int>(cfg::NetworkType::CAN), 2);
    EXPECT_EQ(static_cast<int>(cfg::NetworkType::UART), 3);
    EXPECT_EQ(static_cast<int>(cfg::ZoneType::Matrix), 1);
    EXPECT_EQ(static_cast<int>(cfg::BitmapType::Animated), 1);
    EXPECT_EQ(sizeof(cfg::ZoneStrip::length), 2u);
    EXPECT_EQ(sizeof(cfg::ZoneMatrix::orientation), 1u);
    EXPECT_EQ(sizeof(cfg::UARTNetwork::baud), 4u);
}

// The four orientation bits: 0 is top-left, rows, progressive; 15 is bottom-right, cols, zigzag.
TEST(ConfigurationModel, OrientationBitsHaveTheirMasks) {
    namespace bits = cfg::MatrixOrientation;
    EXPECT_EQ(bits::kStartBottom, 1);
    EXPECT_EQ(bits::kStartRight, 2);
    EXPECT_EQ(bits::kColumnAxis, 4);
    EXPECT_EQ(bits::kZigzag, 8);
    EXPECT_EQ(bits::kStartBottom | bits::kStartRight | bits::kColumnAxis | bits::kZigzag, 15);
}

TEST(ConfigurationModel, CopyIsDeepAndSharesNothing) {
    cfg::OrvekConfiguration source;
    source.md5[0] = 0xAB;
    source.md5[15] = 0xCD;
    source.network.type = cfg::NetworkType::UART;
    source.network.uart.baud = 115200;
    cfg::Zone matrix{};
    matrix.type = cfg::ZoneType::Matrix;
    matrix.id = "panel";
    matrix.matrix = cfg::ZoneMatrix{8, 32, 13};
    source.channels = std::vector<cfg::Channel>{{"k", "ch", 256, 40, {matrix}}};
    cfg::Module sensor;
    sensor.id = "beam";
    sensor.customConfig.emplace();
    (*sensor.customConfig)["n"] = uint64_t{7};
    source.sensors = std::vector<cfg::Module>{sensor};

    cfg::OrvekConfiguration copy = source;
    EXPECT_TRUE(orvek::testing::ConfigsEqual(source, copy));
    EXPECT_EQ(copy.md5[0], 0xAB);
    EXPECT_EQ(copy.network.uart.baud, 115200u);

    (*source.channels)[0].zones[0].matrix.rows = 1;
    (*source.channels)[0].zones[0].id = "changed";
    (*(*source.sensors)[0].customConfig)["n"] = uint64_t{8};
    EXPECT_EQ((*copy.channels)[0].zones[0].matrix.rows, 8);
    EXPECT_EQ((*copy.channels)[0].zones[0].id, "panel");
    EXPECT_EQ(std::get<uint64_t>((*(*copy.sensors)[0].customConfig)["n"]), 7u);
    EXPECT_FALSE(orvek::testing::ConfigsEqual(source, copy));
}

// The equality helper itself must see a difference in each union's meaningful alternative.
TEST(ConfigurationModel, EqualityHelperComparesTheMeaningfulAlternativeOnly) {
    cfg::OrvekConfiguration a;
    a.network.type = cfg::NetworkType::I2C;
    a.network.i2c.address = 3;
    cfg::OrvekConfiguration b = a;
    b.network.i2c.address = 4;
    EXPECT_FALSE(orvek::testing::ConfigsEqual(a, b));

    a.network.type = b.network.type = cfg::NetworkType::USB;
    EXPECT_TRUE(orvek::testing::ConfigsEqual(a, b));

    cfg::OrvekConfiguration unset;
    cfg::OrvekConfiguration empty;
    empty.channels.emplace();
    EXPECT_FALSE(orvek::testing::ConfigsEqual(unset, empty));
}
