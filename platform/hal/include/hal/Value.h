#pragma once
// The tagged value that simulated-device values hold, and helpers to make one.

#include "hal/Types.h"

// Which member of HAL_Value's data is meaningful.
// clang-format off
HAL_FIXED_ENUM(HAL_Type){
    HAL_UNASSIGNED = 0,  // no value; every member of data reads as zero
    HAL_BOOLEAN = 0x01,
    HAL_DOUBLE = 0x02,
    HAL_ENUM = 0x04,     // an index into the value's option list
    HAL_INT = 0x08,
    HAL_LONG = 0x10,
};
// clang-format on

// A value of one of the types above; only the member named by `type` is meaningful.
struct HAL_Value {
    HAL_Type type;
    union {
        HAL_Bool v_boolean;
        int32_t v_enum;
        int32_t v_int;
        int64_t v_long;
        double v_double;
    } data;
};
#ifndef __cplusplus
typedef struct HAL_Value HAL_Value;
#endif

// A boolean value (any non-zero input is stored as 1).
static inline struct HAL_Value HAL_MakeBoolean(HAL_Bool v) {
    struct HAL_Value value;
    value.type = HAL_BOOLEAN;
    value.data.v_long = 0;
    value.data.v_boolean = v ? 1 : 0;
    return value;
}

// An enumeration value holding option index `v`.
static inline struct HAL_Value HAL_MakeEnum(int32_t v) {
    struct HAL_Value value;
    value.type = HAL_ENUM;
    value.data.v_long = 0;
    value.data.v_enum = v;
    return value;
}

// A 32-bit integer value.
static inline struct HAL_Value HAL_MakeInt(int32_t v) {
    struct HAL_Value value;
    value.type = HAL_INT;
    value.data.v_long = 0;
    value.data.v_int = v;
    return value;
}

// A 64-bit integer value.
static inline struct HAL_Value HAL_MakeLong(int64_t v) {
    struct HAL_Value value;
    value.type = HAL_LONG;
    value.data.v_long = v;
    return value;
}

// A double value.
static inline struct HAL_Value HAL_MakeDouble(double v) {
    struct HAL_Value value;
    value.type = HAL_DOUBLE;
    value.data.v_double = v;
    return value;
}
