// Applying a configuration: the indexes it builds (seen through LED commands and
// zone states), the errors it reports, the counts it publishes, and the
// fingerprint of the LED layout.

#include "DeviceTestSupport.h"

#include <orvek/util/hashing/MD5.h>

#include <array>

namespace orvek::internal::devicetest {
namespace {

using Command::LED::AnimationColor;
using Command::LED::LEDCommandType;
using pavonix::sim::ZoneState;
using Digest = std::array<uint8_t, 16>;

constexpr AnimationColor kRed{255, 0, 0};

class ConfigurationTest : public DeviceFixture {
protected:
    ZoneState Zone(const std::string& name) {
        ZoneState state{};
        EXPECT_TRUE(device.TryGetZone(Id(name), state)) << name;
        return state;
    }
    bool IsRed(const std::string& name) {
        const ZoneState state = Zone(name);
        return state.lastColor.r == 255 && state.lastColor.g == 0 && state.lastColor.b == 0;
    }
    Digest Fingerprint() {
        Digest digest{};
        std::memcpy(digest.data(), device.GetHandshakeInfo().configHash.hash, digest.size());
        return digest;
    }
    Digest FingerprintOf(const cfg::OrvekConfiguration& config) {
        device.ApplyConfiguration(config);
        return Fingerprint();
    }
};

Digest Md5Of(const std::vector<uint8_t>& bytes) {
    MD5 md5;
    md5.Update(bytes.data(), static_cast<uint32_t>(bytes.size()));
    Digest digest{};
    md5.Finalize(digest.data());
    return digest;
}

TEST_F(ConfigurationTest, OneChannelOfTwoStripsMakesTwoZonesAndAChannelGroup) {
    device.ApplyConfiguration(TwoStripConfig());
    EXPECT_EQ(HalInt("ChannelCount"), 1);
    EXPECT_EQ(HalInt("ZoneCount"), 2);
    EXPECT_EQ(HalInt("ModuleCount"), 0);
    EXPECT_TRUE(TakeEvents().empty());  // disconnected: no heartbeat

    const ZoneState z1 = Zone("z1");
    EXPECT_EQ(z1.applied.zoneId, Id("z1"));
    EXPECT_EQ(z1.applied.animationId, 0);
    EXPECT_EQ(z1.lastCommand, LEDCommandType::SetColor);
    EXPECT_EQ(z1.lastColor.r + z1.lastColor.g + z1.lastColor.b, 0);
    EXPECT_FALSE(z1.running);
    EXPECT_EQ(z1.timeMs, 0.0f);
    EXPECT_EQ(z1.lastSequenceId, 0);

    device.DispatchSetGroupColor(Id("ch1"), kRed);
    EXPECT_TRUE(IsRed("z1"));
    EXPECT_TRUE(IsRed("z2"));
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(ConfigurationTest, GroupMemberThatNoChannelDefinesIsReportedAndSkipped) {
    cfg::OrvekConfiguration config = TwoStripConfig();
    config.animationGroups = std::vector<cfg::AnimationGroup>{{"g", {"z1", "z9"}}};
    device.ApplyConfiguration(config);
    const auto events = TakeEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(Describe(events[0]), "Error(Zone z9)");
    EXPECT_EQ(events[0].header.data.error.type, Eventing::ErrorType::EntityNotFound);
    EXPECT_STREQ(events[0].header.data.error.message, "Zone");

    device.DispatchSetGroupColor(Id("g"), kRed);
    EXPECT_TRUE(IsRed("z1"));
    EXPECT_FALSE(IsRed("z2"));
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(ConfigurationTest, GroupOfOnlyUndefinedZonesIsNotStored) {
    cfg::OrvekConfiguration config = TwoStripConfig();
    config.animationGroups = std::vector<cfg::AnimationGroup>{{"g", {"a", "b"}}, {"empty", {}}};
    device.ApplyConfiguration(config);
    EXPECT_EQ(TakeEventTexts(),
              (std::vector<std::string>{"Error(Zone a)", "Error(Zone b)", "Error(Group g)", "Error(Group empty)"}));
    device.DispatchSetGroupColor(Id("g"), kRed);
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{"Error(Group #" + std::to_string(Id("g")) + ")"}));
}

TEST_F(ConfigurationTest, ConfiguredGroupReplacesTheChannelGroupOfTheSameName) {
    cfg::OrvekConfiguration config = TwoStripConfig();
    config.animationGroups = std::vector<cfg::AnimationGroup>{{"ch1", {"z2"}}};
    device.ApplyConfiguration(config);
    device.DispatchSetGroupColor(Id("ch1"), kRed);
    EXPECT_FALSE(IsRed("z1"));
    EXPECT_TRUE(IsRed("z2"));
}

TEST_F(ConfigurationTest, ChannelWithoutZonesMakesNoGroup) {
    cfg::OrvekConfiguration config = TwoStripConfig();
    config.channels->push_back(Channel("bare", {}));
    device.ApplyConfiguration(config);
    EXPECT_EQ(HalInt("ChannelCount"), 2);
    device.DispatchSetGroupColor(Id("bare"), kRed);
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{"Error(Group #" + std::to_string(Id("bare")) + ")"}));
}

TEST_F(ConfigurationTest, SequenceWithAnUnknownStepIsDroppedWhole) {
    cfg::OrvekConfiguration config = TwoStripConfig();
    config.sequences = std::vector<cfg::AnimationSequence>{
        {"bad", {StepOf("Blink"), StepOf("Nope"), StepOf("AlsoNope")}},
        {"good", {StepOf("Fill")}},
        {"empty", {}},
        {"none", {StepOf("NONE")}},
    };
    device.ApplyConfiguration(config);
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{"Error(Animation Nope)"}));
    EXPECT_EQ(device.GetSequenceSummaries(),
              (std::vector<PavonixSimDevice::Summary>{{Id("good"), "good"}, {Id("none"), "none"}}));
}

TEST_F(ConfigurationTest, StepColorIsTheConfiguredOneOrTheAnimationsDefault) {
    cfg::OrvekConfiguration config = TwoStripConfig();
    cfg::Animation colored = StepOf("Comet", 5);
    colored.color = domain::Color(1, 2, 3);
    config.sequences = std::vector<cfg::AnimationSequence>{{"plain", {StepOf("Comet", 5)}}, {"colored", {colored}}};
    device.ApplyConfiguration(config);

    device.DispatchSetAnimationSequence(Id("z1"), Id("plain"));
    device.DispatchSetAnimationSequence(Id("z2"), Id("colored"));
    EXPECT_TRUE(TakeEvents().empty());
    const ZoneState plain = Zone("z1");
    EXPECT_EQ(plain.lastSequenceId, Id("plain"));
    EXPECT_EQ(plain.applied.animationId, Id("Comet"));
    EXPECT_EQ(plain.applied.delay, 5);
    EXPECT_EQ((std::array<int, 3>{plain.lastColor.r, plain.lastColor.g, plain.lastColor.b}),
              (std::array<int, 3>{138, 43, 226}));
    const ZoneState mine = Zone("z2");
    EXPECT_EQ((std::array<int, 3>{mine.lastColor.r, mine.lastColor.g, mine.lastColor.b}),
              (std::array<int, 3>{1, 2, 3}));
}

TEST_F(ConfigurationTest, RepeatedZoneIdCountsOnceAndTheLaterZoneDefinesIt) {
    cfg::OrvekConfiguration config;
    config.channels = std::vector<cfg::Channel>{
        Channel("ch1", {StripZone("dup", 10), StripZone("a", 5)}),
        Channel("ch2", {MatrixZone("dup", 8, 8)}),
    };
    device.ApplyConfiguration(config);
    EXPECT_EQ(HalInt("ZoneCount"), 2);

    device.DispatchSetAnimation(Id("dup"), Id("Blink"), 0, kRed, false, false);  // a matrix now
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{"Error(Zone dup)"}));

    device.DispatchSetGroupColor(Id("ch2"), kRed);
    EXPECT_TRUE(IsRed("dup"));
    device.DispatchSetGroupColor(Id("ch1"), AnimationColor{0, 0, 9});
    EXPECT_EQ(Zone("dup").lastColor.b, 9);  // member of both channel groups
    EXPECT_EQ(Zone("a").lastColor.b, 9);
}

TEST_F(ConfigurationTest, ModulesWithoutIdOrTypeAreNotCounted) {
    cfg::OrvekConfiguration config;
    cfg::Module good;
    good.id = "door";
    good.type = "DigitalInput";
    cfg::Module noType;
    noType.id = "x";
    cfg::Module noId;
    noId.type = "VL53L1X";
    config.sensors = std::vector<cfg::Module>{good, noType, noId};
    device.ApplyConfiguration(config);
    EXPECT_EQ(HalInt("ModuleCount"), 1);
    const auto modules = device.GetConfiguredModules();
    ASSERT_EQ(modules.size(), 1u);
    EXPECT_EQ(modules[0].id, "door");
}

TEST_F(ConfigurationTest, ApplyingAgainResetsEveryZoneAndStopsSequences) {
    cfg::OrvekConfiguration config = TwoStripConfig();
    config.sequences = std::vector<cfg::AnimationSequence>{{"s", {StepOf("Blink", 10), StepOf("Fill", 10)}}};
    device.ApplyConfiguration(config);
    device.DispatchSetAnimation(Id("z1"), Id("Breathe"), 0, kRed, false, false);
    device.DispatchSetAnimationSequence(Id("z2"), Id("s"));
    device.Tick(5.0f);
    ASSERT_TRUE(Zone("z1").running);
    ASSERT_EQ(Zone("z2").lastSequenceId, Id("s"));

    device.ApplyConfiguration(config);
    for (const char* name : {"z1", "z2"}) {
        const ZoneState state = Zone(name);
        EXPECT_EQ(state.lastCommand, LEDCommandType::SetColor) << name;
        EXPECT_FALSE(state.running) << name;
        EXPECT_EQ(state.timeMs, 0.0f) << name;
        EXPECT_EQ(state.lastSequenceId, 0) << name;
    }
    device.Tick(1000.0f);  // no sequence left to step
    EXPECT_FALSE(Zone("z2").running);
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(ConfigurationTest, HeartbeatFollowsTheErrorsOnlyWhileConnected) {
    cfg::OrvekConfiguration config = TwoStripConfig();
    config.animationGroups = std::vector<cfg::AnimationGroup>{{"g", {"z9"}}};
    device.ApplyConfiguration(config);
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{"Error(Zone z9)", "Error(Group g)"}));

    device.SetConnected(true);
    TakeEvents();
    device.ApplyConfiguration(config);
    // The errors set the status to Error before the heartbeat reports it.
    EXPECT_EQ(TakeEventTexts(),
              (std::vector<std::string>{"Error(Zone z9)", "Error(Group g)", Heartbeat(Status::Error)}));
    device.ApplyConfiguration(TwoStripConfig());
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{Heartbeat(Status::Error)}));
}

TEST_F(ConfigurationTest, FingerprintOfNoChannelsIsTheDigestOfEmptyInput) {
    EXPECT_EQ(Fingerprint(), Digest{});  // nothing applied yet
    device.ApplyConfiguration(cfg::OrvekConfiguration{});
    EXPECT_EQ(HalInt("ChannelCount"), 0);
    EXPECT_EQ(HalInt("ZoneCount"), 0);
    const Digest emptyMd5{0xd4, 0x1d, 0x8c, 0xd9, 0x8f, 0x00, 0xb2, 0x04,
                          0xe9, 0x80, 0x09, 0x98, 0xec, 0xf8, 0x42, 0x7e};
    EXPECT_EQ(Fingerprint(), emptyMd5);
    device.ClearConfiguration();
    EXPECT_EQ(Fingerprint(), Digest{});
}

TEST_F(ConfigurationTest, FingerprintIsTheDigestOfTheLayoutBytes) {
    cfg::OrvekConfiguration config;
    cfg::Zone matrix = MatrixZone("m", 8, 32, 5);
    matrix.brightness = 100;
    config.channels = std::vector<cfg::Channel>{Channel("ch1", {StripZone("z1", 10), matrix}, 300)};
    const std::vector<uint8_t> stream{
        'c', 'h',  '1',  0x2C, 0x01, 0xFF,              // channel id, length 300, brightness unset
        'z', '1',  0x00, 0xFF, 0x0A, 0x00, 0x00,        // strip: type, brightness, length 10, not reversed
        'm', 0x01, 0x64, 0x08, 0x00, 0x20, 0x00, 0x05,  // matrix: type, brightness 100, 8 x 32, orientation
    };
    EXPECT_EQ(FingerprintOf(config), Md5Of(stream));
}

TEST_F(ConfigurationTest, OnlyTheLedLayoutMovesTheFingerprint) {
    const cfg::OrvekConfiguration base = TwoStripConfig();
    const Digest baseline = FingerprintOf(base);

    cfg::OrvekConfiguration same = base;
    (*same.channels)[0].key = "other";
    same.teamNumber = "1234";
    same.animationGroups = std::vector<cfg::AnimationGroup>{{"g", {"z1"}}};
    same.sequences = std::vector<cfg::AnimationSequence>{{"s", {StepOf("Fill")}}};
    cfg::Bitmap bitmap;
    bitmap.id = "b";
    same.bitmaps = std::vector<cfg::Bitmap>{bitmap};
    cfg::Module module;
    module.id = "m";
    module.type = "DigitalInput";
    same.sensors = std::vector<cfg::Module>{module};
    EXPECT_EQ(FingerprintOf(same), baseline);

    cfg::OrvekConfiguration reversed = base;
    (*reversed.channels)[0].zones[1].strip.reversed = true;
    EXPECT_NE(FingerprintOf(reversed), baseline);

    cfg::OrvekConfiguration zoneBrightness = base;
    (*zoneBrightness.channels)[0].zones[0].brightness = 254;
    EXPECT_NE(FingerprintOf(zoneBrightness), baseline);
    (*zoneBrightness.channels)[0].zones[0].brightness = 255;  // same bytes as unset
    EXPECT_EQ(FingerprintOf(zoneBrightness), baseline);

    cfg::OrvekConfiguration length = base;
    (*length.channels)[0].length = 101;
    EXPECT_NE(FingerprintOf(length), baseline);
}

TEST_F(ConfigurationTest, CopiesOfTheAppliedConfiguration) {
    EXPECT_FALSE(device.GetAppliedConfiguration().has_value());
    cfg::OrvekConfiguration config = TwoStripConfig();
    config.teamNumber = "42";
    cfg::Bitmap first;
    first.id = "b";
    first.path = "first.bmp";
    cfg::Bitmap second;
    second.id = "b";
    second.type = cfg::BitmapType::Animated;
    second.folder = "frames";
    second.frameDelay = 40;
    config.bitmaps = std::vector<cfg::Bitmap>{first, second};
    device.ApplyConfiguration(config);

    ASSERT_TRUE(device.GetAppliedConfiguration().has_value());
    EXPECT_EQ(device.GetAppliedConfiguration()->teamNumber, "42");
    const auto channels = device.GetChannelsCopy();
    ASSERT_EQ(channels.size(), 1u);
    EXPECT_EQ(channels[0].zones.size(), 2u);
    const auto bitmap = device.GetBitmapInfo(Id("b"));
    ASSERT_TRUE(bitmap.has_value());
    EXPECT_EQ(bitmap->folder, "frames");  // the later one of the same id
    EXPECT_EQ(device.GetBitmapFrameDelay(Id("b")), std::optional<uint16_t>(40));
    EXPECT_FALSE(device.GetBitmapInfo(Id("nope")).has_value());
    EXPECT_FALSE(device.GetBitmapFrameDelay(Id("nope")).has_value());

    device.ClearConfiguration();
    EXPECT_FALSE(device.GetAppliedConfiguration().has_value());
    EXPECT_TRUE(device.GetChannelsCopy().empty());
    EXPECT_EQ(HalInt("ChannelCount"), 0);
    EXPECT_EQ(HalInt("ZoneCount"), 0);
    EXPECT_TRUE(device.GetBitmapInfo(Id("b")).has_value());  // bitmaps outlive a clear
    pavonix::sim::ZoneState state{};
    EXPECT_FALSE(device.TryGetZone(Id("z1"), state));
    EXPECT_TRUE(TakeEvents().empty());
}

}  // namespace
}  // namespace orvek::internal::devicetest
