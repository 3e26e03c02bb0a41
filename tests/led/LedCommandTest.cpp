// Byte layout of the LED command records where the compiler cannot check it: flag bits.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include <orvek/domain/command/led/LEDCommand.h>

namespace {

namespace LED = orvek::internal::Command::LED;

template <typename T>
std::vector<uint8_t> Bytes(const T& record) {
    std::vector<uint8_t> bytes(sizeof record);
    std::memcpy(bytes.data(), &record, sizeof record);
    return bytes;
}

template <typename T>
T Zeroed() {
    T record;
    std::memset(&record, 0, sizeof record);
    return record;
}

TEST(LedCommand, AnimationFlagsAreBitsZeroAndOne) {
    auto data = Zeroed<LED::SetAnimationData>();
    data.reversed = 1;
    EXPECT_EQ(Bytes(data)[9], 0x01);
    data.oneShot = 1;
    EXPECT_EQ(Bytes(data)[9], 0x03);
    auto group = Zeroed<LED::SetAnimationGroupData>();
    group.oneShot = 1;
    EXPECT_EQ(Bytes(group)[9], 0x02);
}

TEST(LedCommand, BitmapFlagsAreBitsZeroAndOne) {
    auto data = Zeroed<LED::SetBitmapData>();
    data.setColor = 1;
    EXPECT_EQ(Bytes(data)[7], 0x01);
    data.oneShot = 1;
    EXPECT_EQ(Bytes(data)[7], 0x03);
}

TEST(LedCommand, DirectBufferDeltaIsBitSeven) {
    auto data = Zeroed<LED::SetDirectBufferData>();
    data.flags.delta = 1;
    EXPECT_EQ(Bytes(data)[4], 0x80);
}

TEST(LedCommand, ColorCommandBytesInHostOrder) {
    auto command = Zeroed<LED::LEDCommand>();
    command.type = LED::LEDCommandType::SetColor;
    command.data.setColor.zoneId = 0x1234;
    command.data.setColor.color = LED::ToCommandColor(orvek::internal::domain::Color(255, 0, 7));
    std::vector<uint8_t> expected(35, 0);
    expected[0] = 2;
    expected[1] = 0x34;
    expected[2] = 0x12;
    expected[3] = 0xFF;
    expected[5] = 0x07;
    EXPECT_EQ(Bytes(command), expected);
}

}  // namespace
