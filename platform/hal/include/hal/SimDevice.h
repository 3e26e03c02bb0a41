#pragma once
// Simulated devices: named groups of typed values that a device publishes and
// that other simulation tools (and tests) read and write by name.
//
// Rules of the C face:
//  - Every function may be called from any thread; one registry lock serialises them.
//  - Handles are never reused, so a stale handle (device freed, registry reset)
//    is simply invalid.
//  - Operations on an invalid handle do nothing; reads through one give a value of
//    type HAL_UNASSIGNED whose data is all zero.
//  - A read returns the last value written by anyone.

#include "hal/Types.h"
#include "hal/Value.h"

// Who writes a value: the device only reads an input, only writes an output, and
// both sides may write a bidirectional value.
HAL_FIXED_ENUM(HAL_SimValueDirection){
    HAL_SimValueInput = 0,
    HAL_SimValueOutput = 1,
    HAL_SimValueBidir = 2,
};

#ifdef __cplusplus
extern "C" {
#endif

// Registers a device under `name` (copied). Returns 0 when name is null, a
// device of that name exists already, or creation fails.
HAL_SimDeviceHandle HAL_CreateSimDevice(const char* name);

// Frees a device and every value created on it; 0 or an unknown handle is ignored.
void HAL_FreeSimDevice(HAL_SimDeviceHandle handle);

// Creates value `name` (copied) on `device` with a copy of `*initialValue`.
// Returns 0 when the device is invalid, name or initialValue is null, the device
// already has a value of that name, the direction is not one of the three above,
// the type is not boolean, double, int or long (enumerations are made by
// HAL_CreateSimValueEnum), or creation fails.
HAL_SimValueHandle HAL_CreateSimValue(HAL_SimDeviceHandle device, const char* name, int32_t direction,
                                      const struct HAL_Value* initialValue);

// Creates an enumeration value whose index selects one of `count` options (the
// texts are copied). Returns 0 for the reasons above, or when count is negative
// or options is null while count is positive (or holds a null text).
HAL_SimValueHandle HAL_CreateSimValueEnum(HAL_SimDeviceHandle device, const char* name, int32_t direction,
                                          int32_t count, const char** options, int32_t initialValue);

// Copies the current value into `*value` (HAL_UNASSIGNED and zero for an invalid
// handle). A null `value` is ignored.
void HAL_GetSimValue(HAL_SimValueHandle handle, struct HAL_Value* value);

// Stores a copy of `*value`. Ignored when the handle is invalid, value is null
// or its type differs from the type the value was created with, so a value's
// type never changes. Enumeration indexes are stored as given, in range or not.
void HAL_SetSimValue(HAL_SimValueHandle handle, const struct HAL_Value* value);

#ifdef __cplusplus
}  // extern "C"

#include <initializer_list>
#include <span>
#include <string>
#include <utility>

namespace hal {

// A handle to one value of a simulated device. Move-only; a moved-from or
// default-constructed value is invalid. The value itself lives as long as its
// device: destroying this wrapper frees nothing.
class SimValue {
public:
    // An invalid value.
    SimValue() noexcept = default;
    // Wraps `handle` (0 gives an invalid value).
    explicit SimValue(HAL_SimValueHandle handle) noexcept : m_handle(handle) {}
    SimValue(SimValue&& other) noexcept : m_handle(std::exchange(other.m_handle, 0)) {}
    SimValue& operator=(SimValue&& other) noexcept {
        m_handle = std::exchange(other.m_handle, 0);
        return *this;
    }
    SimValue(const SimValue&) = delete;
    SimValue& operator=(const SimValue&) = delete;

    // True when the HAL created the value.
    explicit operator bool() const noexcept { return m_handle != HAL_kInvalidHandle; }
    // The raw handle, 0 when invalid.
    HAL_SimValueHandle GetHandle() const noexcept { return m_handle; }

    // The current value (HAL_UNASSIGNED when invalid).
    HAL_Value GetValue() const noexcept {
        HAL_Value value;
        HAL_GetSimValue(m_handle, &value);
        return value;
    }
    // Publishes `value` to every other reader at once.
    void SetValue(const HAL_Value& value) noexcept { HAL_SetSimValue(m_handle, &value); }

private:
    HAL_SimValueHandle m_handle = HAL_kInvalidHandle;
};

// A boolean value; reads false when invalid.
class SimBoolean : public SimValue {
public:
    using SimValue::SimValue;
    // The current value.
    bool Get() const noexcept { return GetValue().data.v_boolean != 0; }
    // Writes `value`.
    void Set(bool value) noexcept { SetValue(HAL_MakeBoolean(value)); }
};

// An enumeration value holding an option index; reads 0 when invalid.
class SimEnum : public SimValue {
public:
    using SimValue::SimValue;
    // The current option index (not checked against the option count).
    int32_t Get() const noexcept { return GetValue().data.v_enum; }
    // Writes option index `value`.
    void Set(int32_t value) noexcept { SetValue(HAL_MakeEnum(value)); }
};

// A 32-bit integer value; reads 0 when invalid.
class SimInt : public SimValue {
public:
    using SimValue::SimValue;
    // The current value.
    int32_t Get() const noexcept { return GetValue().data.v_int; }
    // Writes `value`.
    void Set(int32_t value) noexcept { SetValue(HAL_MakeInt(value)); }
};

// Owns one registered simulated device and frees it (with its values) on
// destruction. Move-only; a moved-from device is invalid.
class SimDevice {
public:
    // The value directions, as the C face numbers them.
    enum Direction : int32_t {
        kInput = HAL_SimValueInput,
        kOutput = HAL_SimValueOutput,
        kBidir = HAL_SimValueBidir,
    };

    // An invalid device.
    SimDevice() noexcept = default;
    // Registers a device named exactly `name`; invalid when that fails.
    explicit SimDevice(const char* name) noexcept : m_handle(HAL_CreateSimDevice(name)) {}
    // Registers a device named `name` + "[" + index + "]", e.g. "Pavonix[0]".
    SimDevice(const char* name, int index)
        : SimDevice((std::string(name ? name : "") + "[" + std::to_string(index) + "]").c_str()) {}
    ~SimDevice() { HAL_FreeSimDevice(m_handle); }
    SimDevice(SimDevice&& other) noexcept : m_handle(std::exchange(other.m_handle, 0)) {}
    SimDevice& operator=(SimDevice&& other) noexcept {
        if (this != &other) {
            HAL_FreeSimDevice(m_handle);
            m_handle = std::exchange(other.m_handle, 0);
        }
        return *this;
    }
    SimDevice(const SimDevice&) = delete;
    SimDevice& operator=(const SimDevice&) = delete;

    // True when the device is registered.
    explicit operator bool() const noexcept { return m_handle != HAL_kInvalidHandle; }
    // The raw handle, 0 when invalid.
    HAL_SimDeviceHandle GetHandle() const noexcept { return m_handle; }

    // A boolean value; invalid when the device is invalid or creation fails.
    SimBoolean CreateBoolean(const char* name, int32_t direction, bool initialValue) noexcept {
        HAL_Value value = HAL_MakeBoolean(initialValue);
        return SimBoolean(HAL_CreateSimValue(m_handle, name, direction, &value));
    }
    // A 32-bit integer value; invalid when the device is invalid or creation fails.
    SimInt CreateInt(const char* name, int32_t direction, int32_t initialValue) noexcept {
        HAL_Value value = HAL_MakeInt(initialValue);
        return SimInt(HAL_CreateSimValue(m_handle, name, direction, &value));
    }
    // An enumeration over `options` starting at index `initialValue`; invalid when
    // the device is invalid or creation fails.
    SimEnum CreateEnum(const char* name, int32_t direction, std::span<const char* const> options,
                       int32_t initialValue) noexcept {
        return SimEnum(HAL_CreateSimValueEnum(m_handle, name, direction, static_cast<int32_t>(options.size()),
                                              const_cast<const char**>(options.data()), initialValue));
    }
    // As above, with the options written in place.
    SimEnum CreateEnum(const char* name, int32_t direction, std::initializer_list<const char*> options,
                       int32_t initialValue) noexcept {
        return CreateEnum(name, direction, std::span<const char* const>(options.begin(), options.size()), initialValue);
    }

private:
    HAL_SimDeviceHandle m_handle = HAL_kInvalidHandle;
};

}  // namespace hal
#endif  // __cplusplus
