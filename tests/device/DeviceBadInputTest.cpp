// Values no caller should pass, and values another tool may write into the HAL:
// the device neither crashes nor corrupts its state.

#include "DeviceTestSupport.h"

#include <limits>

namespace orvek::internal::devicetest {
namespace {

using BadInputTest = DeviceFixture;

TEST_F(BadInputTest, ConnectionTypeOutsideTheOptionsIsCarriedNarrowedAndIsNotUsb) {
    WriteHalEnum("ConnectionType", 0x1FF);  // another tool's value; narrowed to 8 bits
    EXPECT_EQ(static_cast<int>(device.GetConnectionType()), 0xFF);
    device.SetConnected(true);
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{"Connected(255)", Heartbeat(Status::Active, 0)}));

    device.SetConnectionType(static_cast<ConnectionType>(99));
    EXPECT_EQ(HalEnum("ConnectionType"), 99);
    device.EmitHeartbeat();
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{Heartbeat(Status::Active, 0)}));
}

TEST_F(BadInputTest, NegativeStatusWrittenByAnotherToolReadsUnknown) {
    device.SetConnected(true);
    TakeEvents();
    WriteHalEnum("Status", -3);
    EXPECT_EQ(device.GetStatus(), Status::Unknown);
    device.CheckForExternalStatusChanges();
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{Heartbeat(Status::Unknown), Heartbeat(Status::Unknown)}));
    EXPECT_EQ(HalEnum("Status"), 0);
}

TEST_F(BadInputTest, ExtremeIdsAndTimeStampsFindNothing) {
    device.ApplyConfiguration(TwoStripConfig());
    for (uint16_t id : {uint16_t{0}, uint16_t{0xFFFF}}) {
        EXPECT_FALSE(device.GetBitmapInfo(id).has_value());
        EXPECT_FALSE(device.GetBitmapFrameDelay(id).has_value());
    }
    device.PushEvent(CustomEvent(1));
    EXPECT_FALSE(device.RemoveEventByTimestamp(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(device.RemoveEventByTimestamp(0.0));
    EXPECT_EQ(device.PeekRecentEvents(std::numeric_limits<size_t>::max()).size(), 1u);
    EXPECT_EQ(TakeEvents().size(), 1u);
}

TEST_F(BadInputTest, ConfigurationOfOddNamesAndSizesIsAppliedAsFarAsItGoes) {
    cfg::OrvekConfiguration config;
    config.channels = std::vector<cfg::Channel>{
        Channel("", {StripZone("", 0), MatrixZone("m", 0, 0, 0xFF), StripZone(std::string(5000, 'x'), 65535)}, 65535),
    };
    config.animationGroups = std::vector<cfg::AnimationGroup>{{"", {""}}};
    config.sequences = std::vector<cfg::AnimationSequence>{{"", {StepOf("")}}};
    device.ApplyConfiguration(config);
    EXPECT_EQ(HalInt("ZoneCount"), 3);
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{"Error(Animation)"}));  // the empty step name
    EXPECT_TRUE(device.GetSequenceSummaries().empty());
    device.DispatchSetGroupColor(Id(""), Command::LED::AnimationColor{1, 1, 1});
    EXPECT_TRUE(TakeEvents().empty());
}

}  // namespace
}  // namespace orvek::internal::devicetest
