// The "Modules" tab: a form per configured module whose values are injected as
// one module data record, and the newest record of that module decoded by the
// module's layout.
//
// Index
//   1. Module combo
//   2. Field inputs
//   3. Decoded view of the newest record
//   4. DrawModulesTab

#include "ui/PavonixSimUI.h"

#include "device/PavonixSimDevice.h"
#include "ui/ImGuiCompat.h"
#include "ui/PanelModuleForm.h"

#include <algorithm>
#include <bit>
#include <string>

#include <imgui.h>

namespace orvek::internal {

namespace {

using module::FieldType;
using pavonix::sim::ConfiguredModule;

// ---- 1. Module combo ----

// The combo's items, "id (type)", made only for the items the combo shows, in
// one buffer that the combo reads before asking for the next.
bool ModuleItemsGetter(void* data, int idx, const char** out) {
    const auto& modules = *static_cast<const std::vector<ConfiguredModule>*>(data);
    if (idx < 0 || static_cast<size_t>(idx) >= modules.size()) return false;
    const ConfiguredModule& module = modules[static_cast<size_t>(idx)];
    static std::string label;  // GUI thread only; keeps its storage between frames
    label.assign(module.id).append(" (").append(module.type).append(")");
    *out = label.c_str();
    return true;
}

// ---- 2. Field inputs ----

// Edits the low bits of `value` as a scalar of `T`; a change stores the new value
// widened back through int64, which zero-extends unsigned T and sign-extends signed T.
template <typename T>
void InputInteger(const char* label, ImGuiDataType dataType, uint64_t& value) {
    T edited = static_cast<T>(value);
    if (ImGui::InputScalar(label, dataType, &edited)) {
        value = static_cast<uint64_t>(static_cast<int64_t>(edited));
    }
}

void DrawFieldInput(const char* label, ui::ModuleFieldState& field) {
    switch (field.type) {
        case FieldType::kUInt8: InputInteger<uint8_t>(label, ImGuiDataType_U8, field.integerValue); break;
        case FieldType::kUInt16: InputInteger<uint16_t>(label, ImGuiDataType_U16, field.integerValue); break;
        case FieldType::kUInt32: InputInteger<uint32_t>(label, ImGuiDataType_U32, field.integerValue); break;
        case FieldType::kInt8: InputInteger<int8_t>(label, ImGuiDataType_S8, field.integerValue); break;
        case FieldType::kInt16: InputInteger<int16_t>(label, ImGuiDataType_S16, field.integerValue); break;
        case FieldType::kInt32: InputInteger<int32_t>(label, ImGuiDataType_S32, field.integerValue); break;
        case FieldType::kFloat: {
            float edited = static_cast<float>(field.floatingValue);
            if (ImGui::InputFloat(label, &edited, 0.0f, 0.0f, "%.3f")) field.floatingValue = edited;
            break;
        }
        case FieldType::kDouble: ImGui::InputDouble(label, &field.floatingValue, 0.0, 0.0, "%.6f"); break;
        default: ImGui::TextDisabled("Unsupported field type"); break;
    }
}

void DrawFieldInputs(const ConfiguredModule& module, ui::ModuleFormState& form) {
    // GUI thread only; keeps its storage, so a field's label costs no allocation.
    static std::string label;
    for (size_t i = 0; i < module.fields.size(); ++i) {
        ui::ModuleFieldState& field = form.fields[i];
        field.type = module.fields[i].type;
        // The index after "##" keeps fields of equal names apart; ImGui shows only the name.
        label.assign(module.fields[i].name).append("##").append(std::to_string(i));
        DrawFieldInput(label.c_str(), field);
    }
}

// ---- 3. Decoded view ----

// One line for the field whose bytes start at `bytes`.
void DrawDecodedField(const std::string& name, FieldType type, const uint8_t* bytes) {
    const uint64_t raw = ui::ReadLittleEndian(bytes, ui::FieldWidth(type));
    switch (type) {
        case FieldType::kUInt8:
        case FieldType::kUInt16:
        case FieldType::kUInt32: ImGui::Text("%s: %u", name.c_str(), static_cast<unsigned>(raw)); break;
        case FieldType::kInt8: ImGui::Text("%s: %d", name.c_str(), static_cast<int>(static_cast<int8_t>(raw))); break;
        case FieldType::kInt16: ImGui::Text("%s: %d", name.c_str(), static_cast<int>(static_cast<int16_t>(raw))); break;
        case FieldType::kInt32: ImGui::Text("%s: %d", name.c_str(), static_cast<int>(static_cast<int32_t>(raw))); break;
        case FieldType::kFloat:
            ImGui::Text("%s: %.3f", name.c_str(),
                        static_cast<double>(std::bit_cast<float>(static_cast<uint32_t>(raw))));
            break;
        case FieldType::kDouble: ImGui::Text("%s: %.3f", name.c_str(), std::bit_cast<double>(raw)); break;
        default: break;
    }
}

// The fields that fit completely in the payload, in layout order; the first that
// does not fit ends the view, and bytes past the layout are ignored.
void DrawLastPayload(const ConfiguredModule& module) {
    const auto last = PavonixSimDevice::GetInstance()->PeekLastModuleData(module.id);
    if (!last) {
        ImGui::TextDisabled("No module payload injected yet.");
        return;
    }
    const std::vector<uint8_t>& payload = last->second;
    ImGui::Text("Unit ID: %u, Payload (%zu bytes)", static_cast<unsigned>(last->first), payload.size());
    size_t offset = 0;
    for (const module::ModuleFieldDescriptor& field : module.fields) {
        const size_t width = ui::FieldWidth(field.type);
        if (width > payload.size() || offset > payload.size() - width) break;
        DrawDecodedField(field.name, field.type, payload.data() + offset);
        offset += width;
    }
}

}  // namespace

// ---- 4. The tab ----

void PavonixSimUI::DrawModulesTab() {
    static int selectedModuleIdx = 0;
    ui::SeparatorText("Modules (Sim)");
    PavonixSimDevice* device = PavonixSimDevice::GetInstance();
    // A fresh copy; not const only because the combo hands its items' source on as void*.
    std::vector<ConfiguredModule> modules = device->GetConfiguredModules();
    if (modules.empty()) {
        ImGui::TextDisabled("No modules configured in the applied config.");
        return;
    }
    const int count = static_cast<int>(modules.size());
    selectedModuleIdx = std::clamp(selectedModuleIdx, 0, count - 1);
    ui::Combo("Module", &selectedModuleIdx, ModuleItemsGetter, &modules, count);
    selectedModuleIdx = std::clamp(selectedModuleIdx, 0, count - 1);
    const ConfiguredModule& module = modules[static_cast<size_t>(selectedModuleIdx)];

    ui::ModuleFormState& form = ui::ModuleForms()[module.id];
    if (form.fields.size() != module.fields.size()) form.fields.assign(module.fields.size(), ui::ModuleFieldState{});
    ImGui::InputInt("Unit ID", &form.unitId, 1, 100);
    form.unitId = std::max(0, form.unitId);
    DrawFieldInputs(module, form);
    if (ImGui::Button("Inject Module Data")) {
        device->InjectModuleData(module.id, static_cast<uint16_t>(form.unitId), ui::PackModulePayload(form.fields));
    }

    ui::SeparatorText("Last Injected Payload");
    DrawLastPayload(module);
}

}  // namespace orvek::internal
