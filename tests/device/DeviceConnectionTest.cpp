// Connection and status: the HAL values the device publishes, the events each
// transition emits, edits of "Connected" and "Status" made by another tool, and
// the handshake answer.

#include "DeviceTestSupport.h"

#include <array>
#include <climits>

namespace orvek::internal::devicetest {
namespace {

using ConnectionTest = DeviceFixture;

TEST_F(ConnectionTest, FreshDeviceIsDisconnectedWithActiveIndexAndNothingQueued) {
    EXPECT_FALSE(device.GetConnected());
    EXPECT_EQ(device.GetStatus(), Status::Error);  // disconnected, whatever "Status" holds
    EXPECT_EQ(device.GetConnectionType(), ConnectionType::USB);
    EXPECT_FALSE(HalBool("Connected"));
    EXPECT_EQ(HalEnum("Status"), 2);
    EXPECT_EQ(HalEnum("ConnectionType"), 0);
    EXPECT_EQ(HalInt("ChannelCount"), 0);
    EXPECT_EQ(HalInt("ZoneCount"), 0);
    EXPECT_EQ(HalInt("ModuleCount"), 0);
    EXPECT_TRUE(TakeEvents().empty());
    EXPECT_TRUE(device.PeekRecentEvents(100).empty());
}

TEST_F(ConnectionTest, HalDeviceHasTheSixValuesInOrderWithTheirDirectionsAndOptions) {
    const HAL_SimDeviceHandle handle = HALSIM_GetSimDeviceHandle("Pavonix[0]");
    ASSERT_NE(handle, 0);
    EXPECT_EQ(hal::sim::GetSimValueNames(handle),
              (std::vector<std::string>{"Connected", "ConnectionType", "Status", "ChannelCount", "ZoneCount",
                                        "ModuleCount"}));
    EXPECT_EQ(HALSIM_GetSimValueDirection(HalValue("Connected")), HAL_SimValueOutput);
    EXPECT_EQ(HALSIM_GetSimValueDirection(HalValue("ConnectionType")), HAL_SimValueBidir);
    EXPECT_EQ(HALSIM_GetSimValueDirection(HalValue("Status")), HAL_SimValueBidir);
    EXPECT_EQ(HALSIM_GetSimValueDirection(HalValue("ZoneCount")), HAL_SimValueOutput);
    EXPECT_EQ(hal::sim::GetSimValueEnumOptions(HalValue("ConnectionType")),
              (std::vector<std::string>{"USB", "WebUSB", "I2C", "CAN", "UART"}));
    EXPECT_EQ(hal::sim::GetSimValueEnumOptions(HalValue("Status")),
              (std::vector<std::string>{"Unknown", "Booting", "Active", "Error", "Fatal"}));
}

TEST_F(ConnectionTest, ConnectingEmitsConnectedThenHeartbeat) {
    device.SetConnected(true);
    EXPECT_TRUE(HalBool("Connected"));
    EXPECT_TRUE(device.GetConnected());
    EXPECT_EQ(HalEnum("Status"), 2);
    EXPECT_EQ(device.GetStatus(), Status::Active);
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{"Connected(0)", Heartbeat(Status::Active)}));
}

TEST_F(ConnectionTest, ReconnectingEmitsOnlyAHeartbeatAndRestoresActive) {
    device.SetConnected(true);
    device.SetStatus(Status::Fatal);
    TakeEvents();

    device.SetConnected(true);
    EXPECT_EQ(HalEnum("Status"), 2);
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{Heartbeat(Status::Active)}));
}

TEST_F(ConnectionTest, DisconnectingEmitsDisconnectedAndNoHeartbeat) {
    device.SetConnected(true);
    TakeEvents();

    device.SetConnected(false);
    EXPECT_FALSE(HalBool("Connected"));
    EXPECT_EQ(HalEnum("Status"), 3);
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{"Disconnected(0)"}));

    device.SetConnected(false);  // already disconnected: status written again, nothing emitted
    EXPECT_EQ(HalEnum("Status"), 3);
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(ConnectionTest, HeartbeatsReportUsbOnlyForUsbAndWebUsb) {
    const std::pair<ConnectionType, int> cases[] = {
        {ConnectionType::USB, 1}, {ConnectionType::WebUSB, 1}, {ConnectionType::I2C, 0},
        {ConnectionType::CAN, 0}, {ConnectionType::UART, 0},
    };
    for (const auto& [type, usb] : cases) {
        Reset();
        device.SetConnectionType(type);
        EXPECT_EQ(HalEnum("ConnectionType"), int(type));
        device.SetConnected(true);
        device.EmitHeartbeat();
        const std::string connected = "Connected(" + std::to_string(int(type)) + ")";
        EXPECT_EQ(TakeEventTexts(),
                  (std::vector<std::string>{connected, Heartbeat(Status::Active, usb), Heartbeat(Status::Active, usb)}))
            << "type " << int(type);
    }
}

TEST_F(ConnectionTest, DisconnectEventCarriesTheConnectionTypeAnotherToolSet) {
    device.SetConnected(true);
    TakeEvents();
    WriteHalEnum("ConnectionType", int(ConnectionType::UART));
    EXPECT_EQ(device.GetConnectionType(), ConnectionType::UART);
    device.SetConnected(false);
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{"Disconnected(4)"}));
}

TEST_F(ConnectionTest, StatusFromIntWhileConnectedSendsAHeartbeatWithIt) {
    device.SetConnected(true);
    TakeEvents();
    device.SetStatusFromInt(4);
    EXPECT_EQ(HalEnum("Status"), 4);
    EXPECT_EQ(device.GetStatus(), Status::Fatal);
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{Heartbeat(Status::Fatal)}));
}

TEST_F(ConnectionTest, StatusFromIntWhileDisconnectedIsSilentAndStillReadsError) {
    device.SetStatusFromInt(4);
    EXPECT_EQ(HalEnum("Status"), 4);
    EXPECT_EQ(device.GetStatus(), Status::Error);
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(ConnectionTest, StatusFromIntOutOfRangeSetsUnknown) {
    device.SetConnected(true);
    TakeEvents();
    for (int index : {9, 5, -1, INT_MIN, INT_MAX}) {
        device.SetStatusFromInt(2);
        device.SetStatusFromInt(index);
        EXPECT_EQ(HalEnum("Status"), 0) << index;
        EXPECT_EQ(device.GetStatus(), Status::Unknown) << index;
    }
}

TEST_F(ConnectionTest, ExternalStatusWhileConnectedGivesTwoHeartbeatsWithIt) {
    device.SetConnected(true);
    TakeEvents();
    WriteHalEnum("Status", 1);
    device.CheckForExternalStatusChanges();
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{Heartbeat(Status::Booting), Heartbeat(Status::Booting)}));
    EXPECT_EQ(HalEnum("Status"), 1);

    device.CheckForExternalStatusChanges();  // seen once only
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(ConnectionTest, ExternalStatusWhileDisconnectedGivesOneHeartbeat) {
    WriteHalEnum("Status", 1);
    device.CheckForExternalStatusChanges();
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{Heartbeat(Status::Booting)}));
    EXPECT_EQ(HalEnum("Status"), 1);
    EXPECT_EQ(device.GetStatus(), Status::Error);
}

TEST_F(ConnectionTest, ExternalStatusOutOfRangeIsRewrittenToUnknown) {
    WriteHalEnum("Status", 7);
    device.CheckForExternalStatusChanges();
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{Heartbeat(Status::Unknown)}));
    EXPECT_EQ(HalEnum("Status"), 0);
    device.CheckForExternalStatusChanges();  // the rewrite is the device's own
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(ConnectionTest, DevicesOwnStatusChangesNeverLookExternal) {
    device.SetConnected(true);
    device.SetStatus(Status::Booting);
    device.SetStatusFromInt(3);
    device.PushEvent(CustomEvent(1));
    TakeEvents();
    device.CheckForExternalStatusChanges();
    device.CheckForExternalConnectionChanges();
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(ConnectionTest, ExternalConnectGivesConnectedThenHeartbeat) {
    device.SetStatusFromInt(4);
    WriteHalBool("Connected", true);
    device.CheckForExternalConnectionChanges();
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{"Connected(0)", Heartbeat(Status::Active)}));
    EXPECT_EQ(HalEnum("Status"), 2);
    device.CheckForExternalConnectionChanges();
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(ConnectionTest, ExternalDisconnectGivesDisconnectedAndErrorStatus) {
    device.SetConnected(true);
    TakeEvents();
    WriteHalBool("Connected", false);
    EXPECT_FALSE(device.GetConnected());  // read straight from the HAL value
    device.CheckForExternalConnectionChanges();
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{"Disconnected(0)"}));
    EXPECT_EQ(HalEnum("Status"), 3);
}

TEST_F(ConnectionTest, TheNextTickNoticesAnotherToolsWrites) {
    device.SetConnected(true);
    TakeEvents();
    WriteHalEnum("Status", 1);
    device.Tick(16.0f);
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{Heartbeat(Status::Booting), Heartbeat(Status::Booting)}));

    WriteHalBool("Connected", false);
    device.Tick(16.0f);
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{"Disconnected(0)"}));
    EXPECT_EQ(HalEnum("Status"), 3);

    WriteHalBool("Connected", true);
    device.Tick(16.0f);
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{"Connected(0)", Heartbeat(Status::Active)}));
    EXPECT_EQ(HalEnum("Status"), 2);
    device.Tick(16.0f);
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(ConnectionTest, HandshakeOfAFreshDeviceByteByByte) {
    const auto info = device.GetHandshakeInfo();
    static_assert(sizeof(info) == 55);
    std::array<uint8_t, 55> bytes{};
    std::memcpy(bytes.data(), &info, bytes.size());

    std::array<uint8_t, 55> expected{};
    expected[0] = 2;                                                             // Error: disconnected
    const uint8_t serial[8] = {0x01, 0x00, 0x56, 0x45, 0x44, 0x4D, 0x49, 0x53};  // little-endian "SIMDEV" 0001
    std::memcpy(&expected[3], serial, 8);
    expected[27] = 1;
    std::memcpy(&expected[28], "SIM_DEVICE", 10);
    expected[52] = 4;
    expected[53] = 1;
    expected[54] = 0;
    EXPECT_EQ(bytes, expected);
}

TEST_F(ConnectionTest, HandshakeCarriesStatusAndSku) {
    device.SetConnected(true);
    device.SetSku(pavonix::sim::SimProductSku::kPavonixAnimate);
    const auto info = device.GetHandshakeInfo();
    EXPECT_EQ(info.status.status, Status::Active);
    uint8_t sku[2];
    std::memcpy(sku, reinterpret_cast<const uint8_t*>(&info) + 1, 2);
    EXPECT_EQ(sku[0], 2);
    EXPECT_EQ(sku[1], 0);
}

TEST(StatusTable, LabelsIndexesAndStatuses) {
    EXPECT_STREQ(PavonixSimDevice::StatusToString(Status::Unknown), "Unknown");
    EXPECT_STREQ(PavonixSimDevice::StatusToString(Status::Fatal), "Fatal");
    EXPECT_STREQ(PavonixSimDevice::StatusToString(static_cast<Status>(4)), "Invalid");
    EXPECT_STREQ(PavonixSimDevice::StatusToString(static_cast<Status>(-2)), "Invalid");
    EXPECT_EQ(PavonixSimDevice::IntToStatus(-1), Status::Unknown);
    EXPECT_EQ(PavonixSimDevice::IntToStatus(5), Status::Unknown);
    EXPECT_EQ(PavonixSimDevice::IntToStatus(0), Status::Unknown);
    EXPECT_EQ(PavonixSimDevice::IntToStatus(1), Status::Booting);
    EXPECT_EQ(PavonixSimDevice::IntToStatus(4), Status::Fatal);
    EXPECT_EQ(StatusToArrayIndex(Status::Unknown), 0);
    EXPECT_EQ(StatusToArrayIndex(Status::Error), 3);
    EXPECT_EQ(StatusToArrayIndex(static_cast<Status>(42)), 0);
}

}  // namespace
}  // namespace orvek::internal::devicetest
