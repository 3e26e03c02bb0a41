// The Modules tab: the payload a form packs, what "Inject Module Data" sends, and
// the decoded view of the newest record.

#include "PanelItemSupport.h"

#include "device/PavonixSimDevice.h"
#include "ui/PanelModuleForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace orvek::internal;
using module::FieldType;
using panel_test::PanelFrameDriver;
using Bytes = std::vector<uint8_t>;

constexpr const char* kTab = "Modules";

// A fresh device configured with the module `id` of `type`, or with none.
PavonixSimDevice* DeviceWithModule(const char* id = nullptr, const char* type = nullptr) {
    PavonixSimDevice* device = PavonixSimDevice::GetInstance();
    device->ResetForTesting();
    ui::ModuleForms().clear();
    Configuration::OrvekConfiguration config;
    if (id != nullptr) config.sensors = std::vector<Configuration::Module>{{id, type, 0, {}, {}}};
    device->ApplyConfiguration(config);
    return device;
}

const std::string& PressInject() { return panel_test::Press(panel_test::TabItemId(kTab, "Inject Module Data"), kTab); }

TEST(ModulesTabTest, PackedPayloadsAreLittleEndianInEachFieldsWidth) {
    const std::pair<std::vector<ui::ModuleFieldState>, Bytes> cases[] = {
        {{{FieldType::kInt16, static_cast<uint64_t>(-2), 0}}, {0xFE, 0xFF}},
        {{{FieldType::kFloat, 0, 1.5}}, {0x00, 0x00, 0xC0, 0x3F}},
        {{{FieldType::kDouble, 0, -2.0}}, {0, 0, 0, 0, 0, 0, 0x00, 0xC0}},
        {{{FieldType::kUInt32, 0x1122334455, 0}, {FieldType::kInt8, 0x1FF, 0}}, {0x55, 0x44, 0x33, 0x22, 0xFF}},
        {{{FieldType(9), 7, 7.0}, {FieldType::kInt32, static_cast<uint64_t>(-1), 0}}, {0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const auto& [fields, bytes] : cases) EXPECT_EQ(ui::PackModulePayload(fields), bytes);
}

TEST(ModulesTabTest, InjectSendsTheFormAndTheViewDecodesIt) {
    PavonixSimDevice* device = DeviceWithModule("tof", "VL53L1X");
    PanelFrameDriver::Get().Frame(kTab);
    ui::ModuleFormState& form = ui::ModuleForms().at("tof");
    ASSERT_EQ(form.fields.size(), 2u);
    form.fields[0].integerValue = 1;
    form.fields[1].integerValue = 300;
    PressInject();
    EXPECT_EQ(device->PeekLastModuleData("tof"), (PavonixSimDevice::ModuleRecord{0, {0x01, 0x2C, 0x01}}));
    const std::string& text = PanelFrameDriver::Get().Frame(kTab);
    EXPECT_NE(text.find("Unit ID: 0, Payload (3 bytes)\nvalid: 1\ndist: 300"), std::string::npos) << text;

    for (const auto& [typed, kept, sent] : {std::tuple{-5, 0, 0}, std::tuple{70000, 70000, 4464}}) {
        form.unitId = typed;
        PressInject();
        EXPECT_EQ(form.unitId, kept);
        EXPECT_EQ(device->PeekLastModuleData("tof")->first, sent);
    }
}

TEST(ModulesTabTest, ViewShowsTheFieldsThatFitCompletely) {
    const std::pair<Bytes, const char*> cases[] = {
        {{0xFE, 0xFF, 0, 0, 0xC0, 0x3F, 0, 0, 0, 0, 0, 0, 0x04, 0x40, 9},
         "Payload (15 bytes)\ns16: -2\nf32: 1.500\nf64: 2.500 "},
        {{0x01}, "Unit ID: 3, Payload (1 bytes) "},
        {{0x01, 0x80, 0, 0, 0, 0}, "s16: -32767\nf32: 0.000 "},
    };
    for (const auto& [payload, shown] : cases) {
        PavonixSimDevice* device = DeviceWithModule("m", "Mixed");
        device->RegisterModuleDescriptor("Mixed", {{"s16", FieldType::kInt16},
                                                   {"f32", FieldType::kFloat},
                                                   {"f64", FieldType::kDouble},
                                                   {"odd", FieldType(200)},
                                                   {"u32", FieldType::kUInt32}});
        device->InjectModuleData("m", 3, payload);
        // The view is the window's last text, so the tab bar's next label ends it.
        EXPECT_NE(PanelFrameDriver::Get().Frame(kTab).find(shown), std::string::npos) << shown;
    }
}

TEST(ModulesTabTest, EmptyListsAndLayoutsDrawWithoutFields) {
    DeviceWithModule();
    EXPECT_NE(PanelFrameDriver::Get().Frame(kTab).find("No modules configured in the applied config."),
              std::string::npos);
    PavonixSimDevice* device = DeviceWithModule("x", "NoLayout");
    PressInject();
    EXPECT_NE(PanelFrameDriver::Get().Frame(kTab).find("Payload (0 bytes)"), std::string::npos);
    EXPECT_EQ(device->PeekLastModuleData("x")->second, Bytes{});
}

}  // namespace
