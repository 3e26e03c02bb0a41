// Configurations the device accepts but nobody would choose: the LED tab draws
// them without reaching outside a buffer (the sanitizer builds check that), and
// a robot thread may send commands while frames are drawn.

#include "AllocationCounter.h"
#include "LedTabSupport.h"

#include <atomic>
#include <cstring>
#include <thread>

namespace panel_test {
namespace {

cfg::Bitmap BitmapAt(const std::string& id, const std::string& path) {
    cfg::Bitmap bitmap;
    bitmap.id = id;
    bitmap.path = path;
    return bitmap;
}

void ShowBitmap(const char* zone, const char* bitmap) {
    Device().DispatchSetBitmap(IDCreator::createId(zone), IDCreator::createId(bitmap), {255, 255, 255}, true, false);
}

void ShowText(const char* zone, const char* text24) {
    auto data = orvek::internal::Command::LED::Zeroed<orvek::internal::Command::LED::SetMatrixTextData>();
    std::memcpy(data.text, text24, 24);
    data.length = 24;
    data.delay = 1;
    Device().DispatchSetMatrixText(IDCreator::createId(zone), data);
}

std::vector<cfg::Zone> ThousandZones() {
    std::vector<cfg::Zone> zones;
    for (int i = 0; i < 1000; ++i)
        zones.push_back(i % 10 == 9 ? Matrix("many" + std::to_string(i), 2, 8)
                                    : Strip("many" + std::to_string(i), uint16_t(i % 4)));
    return zones;
}

// A channel of `zones` strips of `length` LEDs each, all named alike.
std::vector<cfg::Zone> Strips(size_t zones, uint16_t length) {
    return std::vector<cfg::Zone>(zones, Strip("s", length));
}

// What a frame may allocate whatever the configuration holds: far below a byte
// for each of the millions of LEDs some cases configure and do not draw.
constexpr size_t kFrameBytesBound = 32u << 20;

struct BadCase {
    const char* name;
    std::vector<std::vector<cfg::Zone>> channels;
    void (*send)();
    size_t expectedLeds;
    float panelWidth = 600;
    const char* shownText = "";
};

TEST(LedTabBadInputTest, DrawsEveryOddConfiguration) {
    const BadCase cases[] = {
        {"empty strips", {{Strip("e1", 0), Strip("e2", 0)}, {Strip("e3", 3)}}, [] {}, 3},
        {"matrix without rows or columns",
         {{Matrix("r0", 0, 8), Matrix("c0", 8, 0)}},
         [] {
             ShowText("r0", "0123456789abcdefghijklmn");
             ShowText("c0", "0123456789abcdefghijklmn");
         },
         0},
        // 900 strips of 0 to 3 LEDs (1300 in all) and 100 matrices of 16.
        {"a thousand zones", {ThousandZones()}, [] {}, 1300 + 100 * 16},
        {"zones sharing an id",
         {{Strip("twin", 4, true), Strip("twin", 2)}, {Matrix("twin", 8, 8)}},
         [] {
             Device().DispatchSetAnimation(IDCreator::createId("twin"), IDCreator::createId("Chase"), 1, {9, 9, 9},
                                           false, false);
         },
         6 + 64},
        {"bitmaps missing or smaller than the matrix",
         {{Matrix("big", 32, 40), Matrix("gone", 8, 8)}},
         [] {
             ShowBitmap("big", "logo");
             ShowBitmap("gone", "missing");
         },
         32 * 40 + 64},
        {"texts of 24 characters",
         {{Matrix("wide", 8, 200)}},
         [] { ShowText("wide", "WWWWWWWWWWWWWWWWWWWWWWWW"); },
         8 * 200},
        {"a window narrower than one LED", {{Strip("thin", 30), Matrix("tiny", 4, 4)}}, [] {}, 30 + 16, 12},
        // Comet's cycle is 1 + 65535 states: 0 if it were counted in 16 bits.
        {"a strip as long as a zone can be",
         {{Strip("longest", 65535)}},
         [] {
             Device().DispatchSetAnimation(IDCreator::createId("longest"), IDCreator::createId("Comet"), 1, {9, 9, 9},
                                           false, false);
         },
         65535},
        {"a matrix too large to draw", {{Matrix("huge", 65535, 65535)}}, [] {}, 0},
        // A frame draws 65536 LEDs at most: the first channel, not the three after it.
        {"more LEDs than a frame draws",
         {{Strip("long1", 65535)},
          {Strip("long2", 65535)},
          {Strip("long3", 2), Matrix("m", 1, 1)},
          {Strip("short", 1)}},
         [] {},
         65535 + 1},
        // 65538 x 65535 LEDs: 65534 if the sum wrapped in 32 bits, under the frame's limit.
        {"a channel longer than 32 bits count", {Strips(65538, 65535)}, [] {}, 0, 600, "Too large to draw"},
        {"a channel too long to draw in a narrow window", {Strips(1000, 65535)}, [] {}, 0, 45, "Too large to draw"},
    };
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.name);
        ApplyChannels(c.channels, {BitmapAt("logo", "bitmaps/logo.bmp"), BitmapAt("missing", "bitmaps/none.bmp")});
        c.send();
        PanelFrameDriver::Get().SetPanelSize(ImVec2(c.panelWidth, 1000));
        for (int frame = 0; frame < 2; ++frame) PanelFrameDriver::Get().Frame("LEDs", 0.02f);
        const size_t before = BytesAllocated();
        const std::string& text = PanelFrameDriver::Get().Frame("LEDs", 0.02f);
        EXPECT_LT(BytesAllocated() - before, kFrameBytesBound);
        EXPECT_EQ(DrawnLeds().size(), c.expectedLeds);
        EXPECT_NE(text.find(c.shownText), std::string::npos);
    }
    PanelFrameDriver::Get().SetPanelSize(ImVec2(600, 700));
}

TEST(LedTabBadInputTest, RobotThreadSendsCommandsWhileFramesAreDrawn) {
    ApplyChannels({{Strip("robot-strip", 20), Matrix("robot-matrix", 8, 16)}});
    std::atomic<bool> stop{false};
    std::thread robot([&] {
        for (int i = 0; !stop.load(); ++i) {
            Device().DispatchSetAnimation(IDCreator::createId("robot-strip"), IDCreator::createId("Chase"),
                                          uint16_t(i % 7), {1, 2, 3}, i % 2 == 0, i % 3 == 0);
            ShowText("robot-matrix", "robot thread text 123456");
            Device().DispatchSetColor(IDCreator::createId("robot-strip"), {uint8_t(i), 0, 0});
        }
    });
    for (int frame = 0; frame < 200; ++frame) PanelFrameDriver::Get().Frame("LEDs", 0.005f);
    stop = true;
    robot.join();
    EXPECT_EQ(DrawnLeds().size(), 20u + 8u * 16u);
}

}  // namespace
}  // namespace panel_test
