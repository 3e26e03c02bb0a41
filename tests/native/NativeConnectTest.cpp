#include "NativeTestSupport.h"

#include <stdexcept>

namespace orvek::test {
namespace {

using internal::Eventing::ConnectionType;
using internal::Eventing::Status;
using orvek::connection::UARTPort;
using orvek::connection::USBPort;

TEST_F(NativeTest, ConnectOverUsbSetsTypeStatusAndEvents) {
    EXPECT_FALSE(pv_IsConnected(inst()));
    ASSERT_TRUE(pv_Connect(inst(), USBPort::kUSB2));
    EXPECT_TRUE(pv_IsConnected(inst()));
    EXPECT_EQ(pv_GetCurrentStatus(inst()), Status::Active);
    EXPECT_EQ(internal::PavonixSimDevice::GetInstance()->GetConnectionType(), ConnectionType::USB);

    const auto events = DrainEvents();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].header.type, EventType::Connected);
    EXPECT_EQ(events[0].header.data.connected.type, ConnectionType::USB);
    EXPECT_EQ(events[1].header.type, EventType::HeartBeat);
    EXPECT_EQ(events[1].header.data.heartBeat.status, Status::Active);
}

TEST_F(NativeTest, SecondConnectOnlyBeatsAgain) {
    pv_Connect(inst(), USBPort::kUSB1);
    DrainEvents();
    ASSERT_TRUE(pv_Connect(inst(), USBPort::kUSB1));
    EXPECT_EQ(DrainEventTypes(), std::vector<EventType>{EventType::HeartBeat});
}

TEST_F(NativeTest, ConnectOverUartIgnoresTheBaudRate) {
    ASSERT_TRUE(pv_ConnectUart(inst(), UARTPort::kMXP, 9600));
    EXPECT_EQ(internal::PavonixSimDevice::GetInstance()->GetConnectionType(), ConnectionType::UART);
    const auto first = DrainEvents();
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[0].header.data.connected.type, ConnectionType::UART);

    internal::PavonixSimDevice::GetInstance()->ResetForTesting();
    ASSERT_TRUE(pv_ConnectUart(inst(), UARTPort::kMXP, 0));
    EXPECT_EQ(DrainEventTypes(), (std::vector<EventType>{EventType::Connected, EventType::HeartBeat}));
}

TEST_F(NativeTest, BadPortsThrowTheExactTextAndChangeNothing) {
    for (int port : {1, 0, 4, -1}) {
        try {
            pv_Connect(inst(), static_cast<USBPort>(port));
            ADD_FAILURE() << "USB port " << port << " was accepted";
        } catch (const std::invalid_argument& error) {
            EXPECT_STREQ(error.what(), "Invalid USBPort value encountered in toHalSerialPort.");
        }
    }
    for (int port : {2, 3, 0}) {
        try {
            pv_ConnectUart(inst(), static_cast<UARTPort>(port), 115200);
            ADD_FAILURE() << "UART port " << port << " was accepted";
        } catch (const std::invalid_argument& error) {
            EXPECT_STREQ(error.what(), "Invalid UARTPort value encountered in toHalSerialPort.");
        }
    }
    EXPECT_FALSE(pv_IsConnected(inst()));
    EXPECT_TRUE(DrainEvents().empty());
}

TEST_F(NativeTest, RestartQueuesOneDisabledEventAndErrorStatus) {
    pv_Connect(inst(), USBPort::kUSB1);
    DrainEvents();
    pv_RestartDevice(inst(), 5000);
    const auto events = DrainEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].header.type, EventType::Disabled);
    EXPECT_EQ(events[0].header.data.disabled.cause, internal::Eventing::DisabledCause::Restart);
    EXPECT_EQ(pv_GetCurrentStatus(inst()), Status::Error);
}

TEST_F(NativeTest, EventPopsNewestFirstAndOldestFirst) {
    pv_Connect(inst(), USBPort::kUSB1);  // Connected, HeartBeat
    pv_RestartDevice(inst(), 0);         // Disabled

    Event latest;
    ASSERT_TRUE(pv_GetLatestEvent(inst(), &latest));
    EXPECT_EQ(latest.header.type, EventType::Disabled);

    Event none[2];
    EXPECT_EQ(pv_GetEvents(inst(), none, 0), 0);
    EXPECT_EQ(pv_GetEvents(inst(), none, -5), 0);
    EXPECT_FALSE(pv_GetLatestEvent(inst(), nullptr));

    Event two[2];
    ASSERT_EQ(pv_GetEvents(inst(), two, 2), 2);
    EXPECT_EQ(two[0].header.type, EventType::Connected);
    EXPECT_EQ(two[1].header.type, EventType::HeartBeat);
    EXPECT_FALSE(pv_GetLatestEvent(inst(), &latest));
    EXPECT_EQ(latest.header.type, EventType::Disabled);  // untouched by the failed pop
}

TEST_F(NativeTest, ModuleDataIsTakenOncePerKey) {
    auto& device = *internal::PavonixSimDevice::GetInstance();
    device.InjectModuleData("intake", 7, {1, 2, 3});
    device.InjectModuleData("intake", 8, {4});

    PavonixModuleData out{{99, {9}}};
    EXPECT_FALSE(pv_GetLatestData(inst(), nullptr, out));
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(pv_GetLatestData(inst(), "unknown", out));
    EXPECT_TRUE(out.empty());

    ASSERT_TRUE(pv_GetLatestData(inst(), "intake", out));
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0], (std::pair<uint16_t, std::vector<uint8_t>>{7, {1, 2, 3}}));
    EXPECT_EQ(out[1], (std::pair<uint16_t, std::vector<uint8_t>>{8, {4}}));
    EXPECT_FALSE(pv_GetLatestData(inst(), "intake", out));
}

TEST_F(NativeTest, HandlesAreIndependentOfTheDevice) {
    Pavonix_int* other = pv_CreateInstance();
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->_inst, nullptr);
    pv_Connect(other, USBPort::kUSB1);
    delete other;
    EXPECT_TRUE(pv_IsConnected(inst()));
}

}  // namespace
}  // namespace orvek::test
