#pragma once
// Internal to the panel; no guarantee. The Modules tab's per-module forms and
// the module data payload they pack: each field in its type's width, least
// significant byte first, nothing between or around the fields.
//
// GUI thread only: the forms are process-wide objects that only the panel's
// frame and its tests touch.

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include <orvek/domain/module/ModulePayloadDescriptor.h>

namespace orvek::internal::ui {

// One field's typed value. Integers are held widened to 64 bits (signed ones
// sign-extended) and cut to the field's width when packed.
struct ModuleFieldState {
    module::FieldType type{};  // taken from the module's layout every frame
    uint64_t integerValue = 0;
    double floatingValue = 0.0;  // kFloat and kDouble fields
};

struct ModuleFormState {
    int unitId = 0;                        // kept at 0 or more; sent as its low 16 bits
    std::vector<ModuleFieldState> fields;  // one per layout field, in layout order
};

// The forms by module id, made on first use and never removed, so switching
// modules or tabs keeps what was typed.
std::unordered_map<std::string, ModuleFormState>& ModuleForms();

// Bytes of a field of `type` in a payload: 1, 2, 4, 4 (kFloat) or 8 (kDouble);
// 0 for a value that is no field type.
size_t FieldWidth(module::FieldType type);

// The payload of the fields, in order, each in its own type's width.
std::vector<uint8_t> PackModulePayload(const std::vector<ModuleFieldState>& fields);

// The unsigned value of `width` (at most 8) little-endian bytes at `bytes`.
uint64_t ReadLittleEndian(const uint8_t* bytes, size_t width);

}  // namespace orvek::internal::ui
