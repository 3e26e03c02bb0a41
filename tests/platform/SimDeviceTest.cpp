// Simulated devices seen the way other tools see them: through the look-ups by
// name and the C face, with creation failures injected.

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "hal/SimDevice.h"
#include "hal/simulation/SimDeviceControl.h"
#include "hal/simulation/SimDeviceData.h"

namespace {

class SimDeviceTest : public ::testing::Test {
protected:
    void SetUp() override { HALSIM_ResetSimDeviceData(); }
    void TearDown() override { HALSIM_ResetSimDeviceData(); }
};

HAL_SimValueHandle ValueNamed(const char* device, const char* value) {
    return HALSIM_GetSimValueHandle(HALSIM_GetSimDeviceHandle(device), value);
}

TEST_F(SimDeviceTest, NameAndIndexRegisterUnderBracketedName) {
    hal::SimDevice device("Pavonix", 0);
    ASSERT_TRUE(device);
    EXPECT_EQ(HALSIM_GetSimDeviceHandle("Pavonix[0]"), device.GetHandle());
    EXPECT_EQ(HALSIM_GetSimDeviceHandle("Pavonix"), 0);
    hal::SimDevice second("Pavonix", 12);
    EXPECT_EQ(HALSIM_GetSimDeviceHandle("Pavonix[12]"), second.GetHandle());
    EXPECT_NE(second.GetHandle(), device.GetHandle());
}

TEST_F(SimDeviceTest, DestructionFreesDeviceAndItsValues) {
    HAL_SimValueHandle count = 0;
    {
        hal::SimDevice device("Pavonix", 0);
        count = device.CreateInt("ZoneCount", hal::SimDevice::kOutput, 7).GetHandle();
        ASSERT_NE(count, 0);
    }
    EXPECT_EQ(HALSIM_GetSimDeviceHandle("Pavonix[0]"), 0);
    HAL_Value value = HAL_MakeInt(99);
    HAL_GetSimValue(count, &value);
    EXPECT_EQ(value.type, HAL_UNASSIGNED);
    EXPECT_EQ(value.data.v_int, 0);
}

TEST_F(SimDeviceTest, ReadsReturnTheLastValueWrittenByAnyone) {
    hal::SimDevice device("Pavonix", 0);
    hal::SimBoolean connected = device.CreateBoolean("Connected", hal::SimDevice::kOutput, false);
    hal::SimInt zones = device.CreateInt("ZoneCount", hal::SimDevice::kOutput, 3);
    ASSERT_TRUE(connected);
    ASSERT_TRUE(zones);
    EXPECT_FALSE(connected.Get());
    EXPECT_EQ(zones.Get(), 3);

    connected.Set(true);
    zones.Set(-42);
    HAL_Value seen;
    HAL_GetSimValue(ValueNamed("Pavonix[0]", "Connected"), &seen);
    EXPECT_EQ(seen.type, HAL_BOOLEAN);
    EXPECT_EQ(seen.data.v_boolean, 1);

    // Another tool writes; the device's own handle sees it.
    HAL_Value outside = HAL_MakeBoolean(false);
    HAL_SetSimValue(ValueNamed("Pavonix[0]", "Connected"), &outside);
    EXPECT_FALSE(connected.Get());
    outside = HAL_MakeInt(1234);
    HAL_SetSimValue(ValueNamed("Pavonix[0]", "ZoneCount"), &outside);
    EXPECT_EQ(zones.Get(), 1234);
}

TEST_F(SimDeviceTest, WriteOfAnotherTypeLeavesValueUnchanged) {
    hal::SimDevice device("Pavonix", 0);
    hal::SimInt zones = device.CreateInt("ZoneCount", hal::SimDevice::kOutput, 5);
    HAL_Value wrong = HAL_MakeDouble(2.5);
    HAL_SetSimValue(zones.GetHandle(), &wrong);
    HAL_Value seen;
    HAL_GetSimValue(zones.GetHandle(), &seen);
    EXPECT_EQ(seen.type, HAL_INT);
    EXPECT_EQ(seen.data.v_int, 5);
}

TEST_F(SimDeviceTest, EnumerationKeepsOptionsDirectionAndIndex) {
    hal::SimDevice device("Pavonix", 0);
    hal::SimEnum type =
        device.CreateEnum("ConnectionType", hal::SimDevice::kBidir, {"USB", "WebUSB", "I2C", "CAN", "UART"}, 0);
    std::vector<const char*> labels{"Unknown", "Booting", "Active", "Error", "Fatal"};
    hal::SimEnum status = device.CreateEnum("Status", hal::SimDevice::kBidir, labels, 2);
    ASSERT_TRUE(type);
    ASSERT_TRUE(status);

    EXPECT_EQ(hal::sim::GetSimValueEnumOptions(type.GetHandle()),
              (std::vector<std::string>{"USB", "WebUSB", "I2C", "CAN", "UART"}));
    EXPECT_EQ(hal::sim::GetSimValueEnumOptions(status.GetHandle()),
              (std::vector<std::string>{"Unknown", "Booting", "Active", "Error", "Fatal"}));
    EXPECT_EQ(HALSIM_GetSimValueDirection(status.GetHandle()), HAL_SimValueBidir);
    EXPECT_EQ(status.Get(), 2);
    status.Set(4);
    HAL_Value seen;
    HAL_GetSimValue(ValueNamed("Pavonix[0]", "Status"), &seen);
    EXPECT_EQ(seen.type, HAL_ENUM);
    EXPECT_EQ(seen.data.v_enum, 4);
}

TEST_F(SimDeviceTest, ValuesAreListedInCreationOrder) {
    hal::SimDevice device("Pavonix", 0);
    device.CreateBoolean("Connected", hal::SimDevice::kOutput, false);
    device.CreateInt("ChannelCount", hal::SimDevice::kOutput, 0);
    device.CreateInt("ZoneCount", hal::SimDevice::kInput, 0);
    EXPECT_EQ(hal::sim::GetSimValueNames(device.GetHandle()),
              (std::vector<std::string>{"Connected", "ChannelCount", "ZoneCount"}));
    EXPECT_EQ(HALSIM_GetSimValueCount(device.GetHandle()), 3);
    EXPECT_EQ(HALSIM_GetSimValueDirection(ValueNamed("Pavonix[0]", "Connected")), HAL_SimValueOutput);
    EXPECT_EQ(HALSIM_GetSimValueDirection(ValueNamed("Pavonix[0]", "ZoneCount")), HAL_SimValueInput);
}

TEST_F(SimDeviceTest, InvalidHandlesTestFalseAndAreHarmless) {
    hal::SimDevice none;
    EXPECT_FALSE(none);
    hal::SimBoolean flag = none.CreateBoolean("Connected", hal::SimDevice::kOutput, true);
    hal::SimEnum choice = none.CreateEnum("Status", hal::SimDevice::kBidir, {"A", "B"}, 1);
    hal::SimInt count = none.CreateInt("ZoneCount", hal::SimDevice::kOutput, 9);
    EXPECT_FALSE(flag);
    EXPECT_FALSE(choice);
    EXPECT_FALSE(count);
    flag.Set(true);
    choice.Set(3);
    count.Set(8);
    EXPECT_FALSE(flag.Get());
    EXPECT_EQ(choice.Get(), 0);
    EXPECT_EQ(count.Get(), 0);
    EXPECT_EQ(HALSIM_GetSimValueDirection(0), -1);
    EXPECT_TRUE(hal::sim::GetSimValueEnumOptions(0).empty());
    HAL_FreeSimDevice(12345);
    HAL_GetSimValue(flag.GetHandle(), nullptr);
}

TEST_F(SimDeviceTest, BadCreationArgumentsGiveInvalidHandles) {
    hal::SimDevice device("Pavonix", 0);
    HAL_SimDeviceHandle d = device.GetHandle();
    HAL_Value initial = HAL_MakeInt(0);
    EXPECT_EQ(HAL_CreateSimValue(d, nullptr, HAL_SimValueOutput, &initial), 0);
    EXPECT_EQ(HAL_CreateSimValue(d, "x", HAL_SimValueOutput, nullptr), 0);
    EXPECT_EQ(HAL_CreateSimValue(d, "x", 3, &initial), 0);
    HAL_Value enumValue = HAL_MakeEnum(0);
    EXPECT_EQ(HAL_CreateSimValue(d, "x", HAL_SimValueOutput, &enumValue), 0);
    const char* withHole[] = {"A", nullptr};
    EXPECT_EQ(HAL_CreateSimValueEnum(d, "x", HAL_SimValueBidir, 2, withHole, 0), 0);
    EXPECT_EQ(HAL_CreateSimValueEnum(d, "x", HAL_SimValueBidir, -1, withHole, 0), 0);
    EXPECT_EQ(HAL_CreateSimDevice(nullptr), 0);
    EXPECT_EQ(HALSIM_GetSimValueCount(d), 0);
}

TEST_F(SimDeviceTest, DuplicateNamesAreRefused) {
    hal::SimDevice device("Pavonix", 0);
    hal::SimDevice again("Pavonix", 0);
    EXPECT_FALSE(again);
    EXPECT_TRUE(device.CreateInt("ZoneCount", hal::SimDevice::kOutput, 1));
    EXPECT_FALSE(device.CreateInt("ZoneCount", hal::SimDevice::kOutput, 2));
    EXPECT_EQ(hal::SimInt(ValueNamed("Pavonix[0]", "ZoneCount")).Get(), 1);
}

TEST_F(SimDeviceTest, InjectedDeviceFailuresCountDown) {
    HALSIM_FailNextSimDeviceCreations(2);
    EXPECT_FALSE(hal::SimDevice("Pavonix", 0));
    EXPECT_FALSE(hal::SimDevice("Other"));
    hal::SimDevice third("Pavonix", 0);
    EXPECT_TRUE(third);
}

TEST_F(SimDeviceTest, InjectedValueFailuresHitOnlyThatName) {
    HALSIM_FailNextSimValueCreations("Status", 1);
    hal::SimDevice device("Pavonix", 0);
    EXPECT_TRUE(device.CreateBoolean("Connected", hal::SimDevice::kOutput, false));
    EXPECT_FALSE(device.CreateEnum("Status", hal::SimDevice::kBidir, {"A"}, 0));
    EXPECT_EQ(ValueNamed("Pavonix[0]", "Status"), 0);
    EXPECT_TRUE(device.CreateEnum("Status", hal::SimDevice::kBidir, {"A"}, 0));

    HALSIM_FailNextSimValueCreations("ZoneCount", 5);
    HALSIM_FailNextSimValueCreations("ZoneCount", 0);
    EXPECT_TRUE(device.CreateInt("ZoneCount", hal::SimDevice::kOutput, 0));
}

TEST_F(SimDeviceTest, ResetInvalidatesEveryHandleAndNeverReusesThem) {
    hal::SimDevice device("Pavonix", 0);
    hal::SimInt zones = device.CreateInt("ZoneCount", hal::SimDevice::kOutput, 4);
    HALSIM_FailNextSimDeviceCreations(3);
    HALSIM_ResetSimDeviceData();
    EXPECT_EQ(zones.Get(), 0);
    hal::SimDevice fresh("Pavonix", 0);  // failure rule is gone too
    ASSERT_TRUE(fresh);
    hal::SimInt other = fresh.CreateInt("ZoneCount", hal::SimDevice::kOutput, 6);
    EXPECT_NE(other.GetHandle(), zones.GetHandle());
    EXPECT_NE(fresh.GetHandle(), device.GetHandle());
    zones.Set(100);  // stale handle: must not reach the new value
    EXPECT_EQ(other.Get(), 6);
}

TEST_F(SimDeviceTest, MovesTransferOwnership) {
    hal::SimDevice first("Pavonix", 0);
    hal::SimDevice second(std::move(first));
    EXPECT_FALSE(first);
    ASSERT_TRUE(second);
    hal::SimInt value = second.CreateInt("ZoneCount", hal::SimDevice::kOutput, 1);
    hal::SimInt moved = std::move(value);
    EXPECT_FALSE(value);
    EXPECT_EQ(moved.Get(), 1);
    hal::SimDevice replacement("Other");
    second = std::move(replacement);  // frees Pavonix[0]
    EXPECT_EQ(HALSIM_GetSimDeviceHandle("Pavonix[0]"), 0);
    EXPECT_EQ(HALSIM_GetSimDeviceHandle("Other"), second.GetHandle());
}

TEST_F(SimDeviceTest, ConcurrentWritersAndReadersSeeWholeValues) {
    hal::SimDevice device("Pavonix", 0);
    hal::SimInt counter = device.CreateInt("ZoneCount", hal::SimDevice::kOutput, 0);
    HAL_SimValueHandle handle = counter.GetHandle();
    std::thread writer([handle] {
        for (int32_t i = 1; i <= 2000; ++i) {
            HAL_Value v = HAL_MakeInt(i);
            HAL_SetSimValue(handle, &v);
        }
    });
    int32_t last = 0;
    for (int i = 0; i < 2000; ++i) {
        int32_t now = counter.Get();
        EXPECT_GE(now, last);  // values only grow, so a torn or stale-after-fresh read shows here
        last = now;
    }
    writer.join();
    EXPECT_EQ(counter.Get(), 2000);
}

}  // namespace
