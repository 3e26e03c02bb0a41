// The in-memory serial ports: set-up calls, failure injection at each step,
// bytes fed to a reader and written bytes read back.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "hal/SerialPort.h"
#include "hal/simulation/SerialPortControl.h"

namespace {

class SerialPortTest : public ::testing::Test {
protected:
    void SetUp() override { HALSIM_ResetSerialPorts(); }
    void TearDown() override { HALSIM_ResetSerialPorts(); }

    static HALSIM_SerialPortState State(HAL_SerialPort port) {
        HALSIM_SerialPortState state{};
        EXPECT_TRUE(HALSIM_GetSerialPortState(port, &state));
        return state;
    }
    static std::string Written(HAL_SerialPort port) {
        char buffer[256];
        return std::string(buffer, static_cast<size_t>(HALSIM_TakeSerialWritten(port, buffer, sizeof buffer)));
    }
};

TEST_F(SerialPortTest, SettingsAreUnsetUntilGiven) {
    int32_t status = 0;
    HAL_SerialPortHandle handle = HAL_InitializeSerialPort(HAL_SerialPort_USB1, &status);
    ASSERT_EQ(status, 0);
    ASSERT_NE(handle, 0);
    HALSIM_SerialPortState fresh = State(HAL_SerialPort_USB1);
    EXPECT_TRUE(fresh.open);
    EXPECT_EQ(fresh.baud, -1);
    EXPECT_EQ(fresh.parity, -1);
    EXPECT_EQ(fresh.stopBits, -1);
    EXPECT_EQ(fresh.dataBits, -1);
    EXPECT_EQ(fresh.timeoutSeconds, -1.0);

    HAL_SetSerialBaudRate(handle, 115200, &status);
    HAL_SetSerialParity(handle, HAL_SerialParity_Even, &status);
    HAL_SetSerialStopBits(handle, HAL_SerialStopBits_Two, &status);
    HAL_SetSerialDataBits(handle, 7, &status);
    HAL_SetSerialTimeout(handle, 0.25, &status);
    EXPECT_EQ(status, 0);
    HALSIM_SerialPortState set = State(HAL_SerialPort_USB1);
    EXPECT_EQ(set.baud, 115200);
    EXPECT_EQ(set.parity, 2);
    EXPECT_EQ(set.stopBits, 20);
    EXPECT_EQ(set.dataBits, 7);
    EXPECT_EQ(set.timeoutSeconds, 0.25);
    EXPECT_EQ(set.initializeCount, 1);
    EXPECT_FALSE(State(HAL_SerialPort_USB2).open);
}

TEST_F(SerialPortTest, OutOfRangeArgumentsFailWithoutChangingTheSetting) {
    int32_t status = 0;
    HAL_SerialPortHandle handle = HAL_InitializeSerialPort(HAL_SerialPort_MXP, &status);
    auto failsWithBadArgument = [&status](auto call) {
        status = 0;
        call();
        return status == HAL_kSerialInvalidArgument;
    };
    EXPECT_TRUE(failsWithBadArgument([&] { HAL_SetSerialParity(handle, 5, &status); }));
    EXPECT_TRUE(failsWithBadArgument([&] { HAL_SetSerialStopBits(handle, 1, &status); }));
    EXPECT_TRUE(failsWithBadArgument([&] { HAL_SetSerialDataBits(handle, 9, &status); }));
    EXPECT_TRUE(failsWithBadArgument([&] { HAL_SetSerialTimeout(handle, -0.001, &status); }));
    EXPECT_TRUE(failsWithBadArgument([&] { HAL_SetSerialBaudRate(handle, 0, &status); }));
    EXPECT_TRUE(failsWithBadArgument([&] { EXPECT_EQ(HAL_WriteSerial(handle, "x", -1, &status), 0); }));
    HALSIM_SerialPortState state = State(HAL_SerialPort_MXP);
    EXPECT_EQ(state.parity, -1);
    EXPECT_EQ(state.baud, -1);
    status = 0;
    EXPECT_EQ(HAL_InitializeSerialPort(static_cast<HAL_SerialPort>(4), &status), 0);
    EXPECT_EQ(status, HAL_kSerialNoSuchPort);
}

// Success leaves the status alone, so a failure survives later calls that succeed.
TEST_F(SerialPortTest, FailureStatusSurvivesLaterSuccesses) {
    int32_t status = 0;
    HAL_SerialPortHandle handle = HAL_InitializeSerialPort(HAL_SerialPort_USB1, &status);
    HALSIM_FailSerialCall(HAL_SerialPort_USB1, HALSIM_SerialCall_Parity, 1);
    HAL_SetSerialParity(handle, 0, &status);
    HAL_SetSerialStopBits(handle, 10, &status);
    HAL_SetSerialDataBits(handle, 8, &status);
    EXPECT_EQ(status, HAL_kSerialInjectedFailure);
    HALSIM_SerialPortState state = State(HAL_SerialPort_USB1);
    EXPECT_EQ(state.parity, -1);
    EXPECT_EQ(state.stopBits, 10);
    EXPECT_EQ(state.dataBits, 8);
}

TEST_F(SerialPortTest, SecondInitializeOfAnOpenPortFails) {
    int32_t status = 0;
    HAL_SerialPortHandle first = HAL_InitializeSerialPort(HAL_SerialPort_USB2, &status);
    EXPECT_EQ(HAL_InitializeSerialPort(HAL_SerialPort_USB2, &status), 0);
    EXPECT_EQ(status, HAL_kSerialPortInUse);
    HAL_CloseSerial(first);
    status = 0;
    HAL_SerialPortHandle second = HAL_InitializeSerialPort(HAL_SerialPort_USB2, &status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(second, first);  // the stale handle cannot reach the reopened port
    HAL_SetSerialBaudRate(first, 9600, &status);
    EXPECT_EQ(status, HAL_kSerialInvalidHandle);
    EXPECT_EQ(State(HAL_SerialPort_USB2).closeCount, 1);
    HAL_CloseSerial(first);
    EXPECT_EQ(State(HAL_SerialPort_USB2).closeCount, 1);
}

TEST_F(SerialPortTest, EachCallFailsOnceWhenAsked) {
    int32_t status = 0;
    HAL_SerialPortHandle handle = HAL_InitializeSerialPort(HAL_SerialPort_USB1, &status);
    const HALSIM_SerialCall calls[] = {HALSIM_SerialCall_BaudRate, HALSIM_SerialCall_Parity, HALSIM_SerialCall_StopBits,
                                       HALSIM_SerialCall_DataBits, HALSIM_SerialCall_Timeout};
    for (HALSIM_SerialCall call : calls) {
        SCOPED_TRACE(call);
        HALSIM_FailSerialCall(HAL_SerialPort_USB1, call, 1);
        for (int attempt = 0; attempt < 2; ++attempt) {
            status = 0;
            switch (call) {
                case HALSIM_SerialCall_BaudRate: HAL_SetSerialBaudRate(handle, 9600, &status); break;
                case HALSIM_SerialCall_Parity: HAL_SetSerialParity(handle, 0, &status); break;
                case HALSIM_SerialCall_StopBits: HAL_SetSerialStopBits(handle, 10, &status); break;
                case HALSIM_SerialCall_DataBits: HAL_SetSerialDataBits(handle, 8, &status); break;
                default: HAL_SetSerialTimeout(handle, 0.001, &status); break;
            }
            EXPECT_EQ(status, attempt == 0 ? HAL_kSerialInjectedFailure : 0);
        }
    }
    HALSIM_FailSerialCall(HAL_SerialPort_USB1, HALSIM_SerialCall_Write, 1);
    EXPECT_EQ(HAL_WriteSerial(handle, "abc", 3, &status), 0);
    EXPECT_EQ(status, HAL_kSerialInjectedFailure);
    EXPECT_EQ(Written(HAL_SerialPort_USB1), "");

    HAL_CloseSerial(handle);
    HALSIM_FailSerialCall(HAL_SerialPort_USB1, HALSIM_SerialCall_Initialize, 1);
    status = 0;
    EXPECT_EQ(HAL_InitializeSerialPort(HAL_SerialPort_USB1, &status), 0);
    EXPECT_EQ(status, HAL_kSerialInjectedFailure);
    EXPECT_FALSE(State(HAL_SerialPort_USB1).open);
}

TEST_F(SerialPortTest, WrittenBytesAreReadBackInOrder) {
    int32_t status = 0;
    HAL_SerialPortHandle handle = HAL_InitializeSerialPort(HAL_SerialPort_MXP, &status);
    EXPECT_EQ(HAL_WriteSerial(handle, "hello ", 6, &status), 6);
    EXPECT_EQ(HAL_WriteSerial(handle, std::string("wor\0ld", 6).data(), 6, &status), 6);
    EXPECT_EQ(HAL_WriteSerial(handle, nullptr, 0, &status), 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(Written(HAL_SerialPort_MXP), std::string("hello wor\0ld", 12));
    EXPECT_EQ(Written(HAL_SerialPort_MXP), "");
    HAL_CloseSerial(handle);
    status = 0;
    EXPECT_EQ(HAL_WriteSerial(handle, "x", 1, &status), 0);
    EXPECT_EQ(status, HAL_kSerialInvalidHandle);
}

TEST_F(SerialPortTest, ReadTakesFedBytesUpToCount) {
    int32_t status = 0;
    HAL_SerialPortHandle handle = HAL_InitializeSerialPort(HAL_SerialPort_USB1, &status);
    HAL_SetSerialTimeout(handle, 0.0, &status);
    HALSIM_FeedSerialPort(HAL_SerialPort_USB1, "abcdef", 6);
    EXPECT_EQ(State(HAL_SerialPort_USB1).pendingReadBytes, 6);
    char buffer[4];
    EXPECT_EQ(HAL_ReadSerial(handle, buffer, 4, &status), 4);
    EXPECT_EQ(std::string(buffer, 4), "abcd");
    EXPECT_EQ(HAL_ReadSerial(handle, buffer, 4, &status), 2);
    EXPECT_EQ(std::string(buffer, 2), "ef");
    EXPECT_EQ(HAL_ReadSerial(handle, buffer, 4, &status), 0);
    EXPECT_EQ(status, 0);

    HALSIM_FeedSerialPort(HAL_SerialPort_USB1, "z", 1);
    HALSIM_FailSerialCall(HAL_SerialPort_USB1, HALSIM_SerialCall_Read, 1);
    EXPECT_EQ(HAL_ReadSerial(handle, buffer, 4, &status), 0);
    EXPECT_EQ(status, HAL_kSerialInjectedFailure);
    status = 0;
    EXPECT_EQ(HAL_ReadSerial(handle, buffer, 4, &status), 1);  // the byte was kept
}

TEST_F(SerialPortTest, ReadWaitsForBytesFedFromAnotherThread) {
    int32_t status = 0;
    HAL_SerialPortHandle handle = HAL_InitializeSerialPort(HAL_SerialPort_USB2, &status);
    HAL_SetSerialTimeout(handle, 10.0, &status);
    std::thread feeder([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        HALSIM_FeedSerialPort(HAL_SerialPort_USB2, "ping", 4);
    });
    char buffer[16];
    int32_t got = HAL_ReadSerial(handle, buffer, sizeof buffer, &status);
    feeder.join();
    EXPECT_EQ(status, 0);
    EXPECT_EQ(std::string(buffer, static_cast<size_t>(got)), "ping");
}

TEST_F(SerialPortTest, CloseWakesAWaitingRead) {
    int32_t status = 0;
    HAL_SerialPortHandle handle = HAL_InitializeSerialPort(HAL_SerialPort_USB2, &status);
    HAL_SetSerialTimeout(handle, 30.0, &status);
    int32_t readStatus = 0;
    int32_t got = -1;
    auto start = std::chrono::steady_clock::now();
    std::thread reader([&] {
        char buffer[8];
        got = HAL_ReadSerial(handle, buffer, sizeof buffer, &readStatus);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    HAL_CloseSerial(handle);
    reader.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(got, 0);
    EXPECT_EQ(readStatus, HAL_kSerialClosedDuringRead);
}

TEST_F(SerialPortTest, CallCountAndResetCoverEveryCall) {
    EXPECT_EQ(HALSIM_GetSerialCallCount(), 0);
    int32_t status = 0;
    HAL_SerialPortHandle handle = HAL_InitializeSerialPort(HAL_SerialPort_MXP, &status);
    HAL_SetSerialBaudRate(handle, 9600, nullptr);  // a null status is allowed
    HAL_CloseSerial(handle);
    HAL_CloseSerial(0);
    EXPECT_EQ(HALSIM_GetSerialCallCount(), 4);
    HALSIM_FeedSerialPort(HAL_SerialPort_MXP, "abc", 3);
    HALSIM_FailSerialCall(HAL_SerialPort_MXP, HALSIM_SerialCall_Initialize, 1);
    HALSIM_ResetSerialPorts();
    EXPECT_EQ(HALSIM_GetSerialCallCount(), 0);
    HALSIM_SerialPortState state = State(HAL_SerialPort_MXP);
    EXPECT_EQ(state.pendingReadBytes, 0);
    EXPECT_EQ(state.closeCount, 0);
    EXPECT_NE(HAL_InitializeSerialPort(HAL_SerialPort_MXP, &status), 0);
    EXPECT_EQ(status, 0);
}

}  // namespace
