// The HAL may refuse to create the simulated device or any of its values; the
// device then keeps working on its own state.

#include "DeviceTestSupport.h"

namespace orvek::internal::devicetest {
namespace {

using HalRefusedTest = DeviceFixture;

TEST_F(HalRefusedTest, WithoutStatusValueTheStatusReadsUnknownWhileConnected) {
    ResetWithoutHalValue("Status");
    EXPECT_EQ(HalValue("Status"), 0);
    EXPECT_EQ(device.GetStatus(), Status::Error);  // disconnected still reads Error

    device.SetConnected(true);
    EXPECT_EQ(device.GetStatus(), Status::Unknown);
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{"Connected(0)", Heartbeat(Status::Unknown)}));

    device.SetStatusFromInt(4);
    EXPECT_EQ(device.GetStatus(), Status::Unknown);
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{Heartbeat(Status::Unknown)}));

    device.CheckForExternalStatusChanges();
    EXPECT_TRUE(TakeEvents().empty());
    EXPECT_EQ(device.GetHandshakeInfo().status.status, Status::Unknown);

    device.SetConnected(false);
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{"Disconnected(0)"}));
}

TEST_F(HalRefusedTest, WithoutConnectedValueTheDeviceTracksItsOwnConnection) {
    ResetWithoutHalValue("Connected");
    EXPECT_EQ(HalValue("Connected"), 0);
    EXPECT_FALSE(device.GetConnected());

    device.SetConnected(true);
    EXPECT_TRUE(device.GetConnected());
    EXPECT_EQ(device.GetStatus(), Status::Active);
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{"Connected(0)", Heartbeat(Status::Active)}));

    device.CheckForExternalConnectionChanges();  // nothing to notice
    EXPECT_TRUE(TakeEvents().empty());

    device.SetConnected(false);
    EXPECT_FALSE(device.GetConnected());
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{"Disconnected(0)"}));
}

TEST_F(HalRefusedTest, WithoutConnectionTypeValueTheLastTypeSetIsUsed) {
    ResetWithoutHalValue("ConnectionType");
    EXPECT_EQ(device.GetConnectionType(), ConnectionType::USB);
    device.SetConnectionType(ConnectionType::UART);
    EXPECT_EQ(device.GetConnectionType(), ConnectionType::UART);
    device.SetConnected(true);
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{"Connected(4)", Heartbeat(Status::Active, 0)}));
}

TEST_F(HalRefusedTest, WithoutOneCountTheOthersArePublished) {
    ResetWithoutHalValue("ZoneCount");
    device.ApplyConfiguration(TwoStripConfig());
    EXPECT_EQ(HalValue("ZoneCount"), 0);
    EXPECT_EQ(HalInt("ChannelCount"), 1);
    EXPECT_EQ(device.GetChannelsCopy().size(), 1u);
}

TEST_F(HalRefusedTest, WithoutTheHalDeviceEveryOperationStillWorks) {
    HALSIM_ResetSimDeviceData();
    HALSIM_FailNextSimDeviceCreations(1);
    device.ResetForTesting();
    EXPECT_EQ(HALSIM_GetSimDeviceHandle("Pavonix[0]"), 0);

    device.SetConnectionType(ConnectionType::WebUSB);
    device.SetConnected(true);
    EXPECT_TRUE(device.GetConnected());
    EXPECT_EQ(device.GetStatus(), Status::Unknown);
    EXPECT_EQ(device.GetConnectionType(), ConnectionType::WebUSB);
    device.SetStatusFromInt(1);
    device.CheckForExternalConnectionChanges();
    device.CheckForExternalStatusChanges();

    cfg::OrvekConfiguration config = TwoStripConfig();
    config.animationGroups = std::vector<cfg::AnimationGroup>{{"g", {"z1", "missing"}}};
    device.ApplyConfiguration(config);
    EXPECT_EQ(TakeEventTexts(),
              (std::vector<std::string>{"Connected(1)", Heartbeat(Status::Unknown), Heartbeat(Status::Unknown),
                                        "Error(Zone missing)", Heartbeat(Status::Unknown)}));
    EXPECT_EQ(device.GetChannelsCopy().size(), 1u);

    device.InjectModuleData("m", 7, {1, 2});
    ASSERT_TRUE(device.PeekLastModuleData("m").has_value());
    EXPECT_EQ(device.GetAnimationNames().size(), 27u);

    device.ClearConfiguration();
    device.SetConnected(false);
    EXPECT_FALSE(device.GetConnected());
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{"Disconnected(1)"}));
}

TEST_F(HalRefusedTest, ResetBringsTheHalValuesBack) {
    ResetWithoutHalValue("Status");
    Reset();
    EXPECT_NE(HalValue("Status"), 0);
    EXPECT_EQ(HalEnum("Status"), 2);
}

}  // namespace
}  // namespace orvek::internal::devicetest
