#pragma once
// LED commands: a one-byte type followed by a packed 34-byte payload.
//
// Rules for these records:
//  - Every record is packed (no padding); multi-byte fields are unsigned, in the host's
//    byte order (little-endian on every target of this library). The layout is the device
//    protocol's, so the static_asserts at the end pin every size and offset.
//  - Bytes a payload does not use are zero in every command this library builds: fill all
//    35 bytes of an LEDCommand with zero (std::memset) and then write only the payload's
//    fields. (`LEDCommand cmd{}` zeroes only the first member of the union for certain.)
//  - Flag bits not named here are zero.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include <orvek/domain/Color.h>
#include <orvek/domain/command/led/AnimationColor.h>

namespace orvek::internal::Command::LED {

// What a command does; selects the member of LEDCommandData that is meaningful.
enum class LEDCommandType : std::uint8_t {
    SetAnimation = 0,
    SetAnimationGroup = 1,
    SetColor = 2,
    SetColorGroup = 3,
    SetAnimationSequence = 4,
    SetAnimationSequenceGroup = 5,
    SetBitmap = 6,
    SetBitmapGroup = 7,
    SetMatrixText = 8,
    SetMatrixTextGroup = 9,
    SetDirectBuffer = 10,
};

// Which way a matrix text scrolls.
enum class MatrixTextScrollDirection : std::uint8_t {
    LEFT = 0,
    RIGHT = 1,
};

#pragma pack(push, 1)

// Run a built-in animation on one strip zone.
struct SetAnimationData {
    std::uint16_t zoneId;       // zone id (IDCreator id of the zone's name)
    std::uint16_t animationId;  // IDCreator id of the built-in animation's name
    std::uint16_t delay;        // ms per animation state; 0 = the animation's default
    AnimationColor color;       // color to draw with
    std::uint8_t reversed : 1;  // draw the strip back to front
    std::uint8_t oneShot : 1;   // run one cycle and stop
    std::uint8_t : 6;           // zero
};

// SetAnimationData for every zone of a group.
struct SetAnimationGroupData {
    std::uint16_t groupId;      // group id
    std::uint16_t animationId;  // IDCreator id of the built-in animation's name
    std::uint16_t delay;        // ms per animation state; 0 = the animation's default
    AnimationColor color;       // color to draw with
    std::uint8_t reversed : 1;  // draw the strip back to front
    std::uint8_t oneShot : 1;   // run one cycle and stop
    std::uint8_t : 6;           // zero
};

// Light one zone with one color.
struct SetColorData {
    std::uint16_t zoneId;  // zone id
    AnimationColor color;  // the color
};

// SetColorData for every zone of a group.
struct SetColorGroupData {
    std::uint16_t groupId;  // group id
    AnimationColor color;   // the color
};

// Play a configured animation sequence on one zone.
struct SetAnimationSequenceData {
    std::uint16_t zoneId;      // zone id
    std::uint16_t sequenceId;  // IDCreator id of the sequence's configured name
};

// SetAnimationSequenceData for every zone of a group.
struct SetAnimationSequenceGroupData {
    std::uint16_t groupId;     // group id
    std::uint16_t sequenceId;  // IDCreator id of the sequence's configured name
};

// Show a configured bitmap on one matrix zone.
struct SetBitmapData {
    std::uint16_t zoneId;       // zone id
    std::uint16_t bitmapId;     // IDCreator id of the bitmap's configured name
    AnimationColor color;       // tint, used when setColor is 1
    std::uint8_t setColor : 1;  // tint the bitmap with `color`
    std::uint8_t oneShot : 1;   // play an animated bitmap once and stop
    std::uint8_t : 6;           // zero
};

// SetBitmapData for every zone of a group.
struct SetBitmapGroupData {
    std::uint16_t groupId;      // group id
    std::uint16_t bitmapId;     // IDCreator id of the bitmap's configured name
    AnimationColor color;       // tint, used when setColor is 1
    std::uint8_t setColor : 1;  // tint the bitmap with `color`
    std::uint8_t oneShot : 1;   // play an animated bitmap once and stop
    std::uint8_t : 6;           // zero
};

// Scroll a text of up to 24 characters across one matrix zone.
struct SetMatrixTextData {
    std::uint16_t zoneId;           // zone id
    std::uint8_t oneShot;           // 1 = scroll once and stop, 0 = repeat
    AnimationColor color;           // text color
    MatrixTextScrollDirection dir;  // scroll direction
    char text[24];                  // characters; not terminated when all 24 are used; rest zero
    std::uint8_t length;            // characters used in `text`, 0 to 24
    std::uint16_t delay;            // ms per scroll step; 0 is taken as 1
};

// SetMatrixTextData for every zone of a group.
struct SetMatrixTextGroupData {
    std::uint16_t groupId;          // group id
    std::uint8_t oneShot;           // 1 = scroll once and stop, 0 = repeat
    AnimationColor color;           // text color
    MatrixTextScrollDirection dir;  // scroll direction
    char text[24];                  // characters; not terminated when all 24 are used; rest zero
    std::uint8_t length;            // characters used in `text`, 0 to 24
    std::uint16_t delay;            // ms per scroll step; 0 is taken as 1
};

// Flags of a direct buffer write.
struct SetDirectBufferFlags {
    std::uint8_t reserved : 7;  // zero
    std::uint8_t delta : 1;     // the buffer holds changes only
};

// Raw LED data for one zone; accepted and ignored by the simulated device.
struct SetDirectBufferData {
    std::uint16_t zoneId;        // zone id
    std::uint16_t bufferLength;  // bytes of LED data that would follow
    SetDirectBufferFlags flags;  // see SetDirectBufferFlags
};

// The payloads, in LEDCommandType order; only the member named by the type is meaningful.
union LEDCommandData {
    SetAnimationData setAnimation;
    SetAnimationGroupData setAnimationGroup;
    SetColorData setColor;
    SetColorGroupData setColorGroup;
    SetAnimationSequenceData setAnimationSequence;
    SetAnimationSequenceGroupData setAnimationSequenceGroup;
    SetBitmapData setBitmap;
    SetBitmapGroupData setBitmapGroup;
    SetMatrixTextData setMatrixText;
    SetMatrixTextGroupData setMatrixTextGroup;
    SetDirectBufferData setDirectBuffer;
};

// One LED command, 35 bytes.
struct LEDCommand {
    LEDCommandType type;  // selects the meaningful member of `data`
    LEDCommandData data;  // the payload
};

#pragma pack(pop)

// The command color with the same r, g and b as a pixel color.
constexpr AnimationColor ToCommandColor(const domain::Color& color) noexcept {
    return AnimationColor{color.r, color.g, color.b};
}

// ---- Layout of the device protocol ----
static_assert(sizeof(AnimationColor) == 3);
static_assert(sizeof(SetAnimationData) == 10 && sizeof(SetAnimationGroupData) == 10);
static_assert(offsetof(SetAnimationData, animationId) == 2 && offsetof(SetAnimationData, delay) == 4 &&
              offsetof(SetAnimationData, color) == 6);
static_assert(offsetof(SetAnimationGroupData, animationId) == 2 && offsetof(SetAnimationGroupData, delay) == 4 &&
              offsetof(SetAnimationGroupData, color) == 6);
static_assert(sizeof(SetColorData) == 5 && sizeof(SetColorGroupData) == 5);
static_assert(offsetof(SetColorData, color) == 2 && offsetof(SetColorGroupData, color) == 2);
static_assert(sizeof(SetAnimationSequenceData) == 4 && sizeof(SetAnimationSequenceGroupData) == 4);
static_assert(offsetof(SetAnimationSequenceData, sequenceId) == 2 &&
              offsetof(SetAnimationSequenceGroupData, sequenceId) == 2);
static_assert(sizeof(SetBitmapData) == 8 && sizeof(SetBitmapGroupData) == 8);
static_assert(offsetof(SetBitmapData, bitmapId) == 2 && offsetof(SetBitmapData, color) == 4);
static_assert(offsetof(SetBitmapGroupData, bitmapId) == 2 && offsetof(SetBitmapGroupData, color) == 4);
static_assert(sizeof(SetMatrixTextData) == 34 && sizeof(SetMatrixTextGroupData) == 34);
static_assert(offsetof(SetMatrixTextData, oneShot) == 2 && offsetof(SetMatrixTextData, color) == 3 &&
              offsetof(SetMatrixTextData, dir) == 6 && offsetof(SetMatrixTextData, text) == 7 &&
              offsetof(SetMatrixTextData, length) == 31 && offsetof(SetMatrixTextData, delay) == 32);
static_assert(offsetof(SetMatrixTextGroupData, oneShot) == 2 && offsetof(SetMatrixTextGroupData, color) == 3 &&
              offsetof(SetMatrixTextGroupData, dir) == 6 && offsetof(SetMatrixTextGroupData, text) == 7 &&
              offsetof(SetMatrixTextGroupData, length) == 31 && offsetof(SetMatrixTextGroupData, delay) == 32);
static_assert(sizeof(SetDirectBufferFlags) == 1 && sizeof(SetDirectBufferData) == 5);
static_assert(offsetof(SetDirectBufferData, bufferLength) == 2 && offsetof(SetDirectBufferData, flags) == 4);
static_assert(sizeof(LEDCommandData) == 34);
static_assert(sizeof(LEDCommand) == 35 && offsetof(LEDCommand, data) == 1);

// A record with every byte zero, unnamed flag bits and unused union bytes
// included (`T{}` leaves those unspecified). For commands and the records that
// hold them.
template <typename T>
T Zeroed() noexcept {
    static_assert(std::is_trivially_copyable_v<T>);
    T value;
    std::memset(&value, 0, sizeof value);
    return value;
}

}  // namespace orvek::internal::Command::LED
