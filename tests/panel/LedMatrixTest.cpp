// The LED tab's matrices: each pixel drawn in the colour that the matrix
// operations give for the zone's state, after the zone's orientation.

#include "LedTabSupport.h"

#include <cstring>

#include "ui/MatrixRenderer.h"

namespace panel_test {
namespace {

using orvek::internal::Command::LED::SetMatrixTextData;
using orvek::internal::Command::LED::Zeroed;
using orvek::internal::domain::Color;
namespace ui = orvek::internal::ui;
namespace bits = cfg::MatrixOrientation;

cfg::Bitmap Logo() {
    cfg::Bitmap logo;
    logo.id = "logo";
    logo.path = "bitmaps/logo.bmp";
    return logo;
}

void SendText(uint16_t zone, const char* text) {
    auto data = Zeroed<SetMatrixTextData>();
    std::memcpy(data.text, text, std::strlen(text));
    data.length = uint8_t(std::strlen(text));
    data.color = {0, 255, 128};
    data.delay = 40;
    Device().DispatchSetMatrixText(zone, data);
}

struct MatrixCase {
    const char* name;
    uint8_t orientation;
    void (*send)(uint16_t zone);
};

const MatrixCase kMatrixCases[] = {
    {"TextZigzagFromTheRight", bits::kStartRight | bits::kZigzag, [](uint16_t z) { SendText(z, "AB"); }},
    {"TextFromTheBottomByColumns", bits::kStartBottom | bits::kColumnAxis, [](uint16_t z) { SendText(z, "7"); }},
    {"BitmapFromTheBottom", bits::kStartBottom,
     [](uint16_t z) {
         Device().DispatchSetBitmap(z, IDCreator::createId("logo"), {255, 255, 255}, false, false);
     }},
    {"Color", bits::kZigzag,
     [](uint16_t z) {
         Device().DispatchSetColor(z, {12, 34, 56});
     }},
};

void PrintTo(const MatrixCase& c, std::ostream* os) { *os << c.name; }

class LedMatrixTest : public ::testing::TestWithParam<MatrixCase> {};

TEST_P(LedMatrixTest, DrawsTheMatrixOperationsOutputOriented) {
    const MatrixCase& c = GetParam();
    constexpr uint16_t kRows = 10, kCols = 16;
    ApplyChannels({{Matrix("grid", kRows, kCols, c.orientation)}}, {Logo()});
    c.send(IDCreator::createId("grid"));
    PanelFrameDriver::Get().Frame("LEDs", 0.05f);

    const ZoneState zs = ZoneOf("grid");
    std::vector<Color> pixels(kRows * kCols);
    if (zs.lastCommand == orvek::internal::Command::LED::LEDCommandType::SetMatrixText) {
        ui::FillMatrixText(pixels, kRows, kCols, zs);
    } else if (zs.lastCommand == orvek::internal::Command::LED::LEDCommandType::SetBitmap) {
        ui::FillMatrixBitmap(pixels, kRows, kCols, zs, Device());
    } else {
        pixels.assign(pixels.size(), Color::fromCommand(zs.lastColor));
    }
    ui::ApplyMatrixOrientation(pixels, kRows, kCols, c.orientation);
    std::vector<ImU32> expected;
    for (const Color& p : pixels) expected.push_back(DrawColor(p.r, p.g, p.b));
    ASSERT_EQ(DrawnLeds(), expected);
    // Something is lit: an all-black frame would match an all-black expectation.
    EXPECT_NE(std::count(expected.begin(), expected.end(), DrawColor(0, 0, 0)), long(expected.size()));
}

INSTANTIATE_TEST_SUITE_P(Cases, LedMatrixTest, ::testing::ValuesIn(kMatrixCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace panel_test
