// The Modules tab's forms and the payload bytes they pack.

#include "ui/PanelModuleForm.h"

#include <bit>

namespace orvek::internal::ui {

namespace {

void AppendLittleEndian(std::vector<uint8_t>& out, uint64_t value, size_t width) {
    for (size_t i = 0; i < width; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

std::unordered_map<std::string, ModuleFormState>& ModuleForms() {
    static std::unordered_map<std::string, ModuleFormState> forms;
    return forms;
}

size_t FieldWidth(module::FieldType type) {
    switch (type) {
        case module::FieldType::kUInt8:
        case module::FieldType::kInt8: return 1;
        case module::FieldType::kUInt16:
        case module::FieldType::kInt16: return 2;
        case module::FieldType::kUInt32:
        case module::FieldType::kInt32:
        case module::FieldType::kFloat: return 4;
        case module::FieldType::kDouble: return 8;
    }
    return 0;
}

std::vector<uint8_t> PackModulePayload(const std::vector<ModuleFieldState>& fields) {
    std::vector<uint8_t> payload;
    payload.reserve(8 * fields.size());
    for (const ModuleFieldState& field : fields) {
        switch (field.type) {
            case module::FieldType::kFloat:
                AppendLittleEndian(payload, std::bit_cast<uint32_t>(static_cast<float>(field.floatingValue)), 4);
                break;
            case module::FieldType::kDouble:
                AppendLittleEndian(payload, std::bit_cast<uint64_t>(field.floatingValue), 8);
                break;
            default: AppendLittleEndian(payload, field.integerValue, FieldWidth(field.type)); break;
        }
    }
    return payload;
}

uint64_t ReadLittleEndian(const uint8_t* bytes, size_t width) {
    uint64_t value = 0;
    for (size_t i = 0; i < width && i < 8; ++i) value |= static_cast<uint64_t>(bytes[i]) << (8 * i);
    return value;
}

}  // namespace orvek::internal::ui
