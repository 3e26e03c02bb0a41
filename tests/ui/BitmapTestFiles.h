#pragma once
// Shared by the bitmap and matrix tests: BMP files assembled byte by byte, a
// fresh scratch folder per test, and standard output captured around a call.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "ui/BitmapLoader.h"

namespace orvek::internal::bitmaptest {

namespace fs = std::filesystem;

// Little-endian bytes appended one field at a time.
class Bytes {
public:
    Bytes& u8(uint8_t v) {
        data.push_back(v);
        return *this;
    }
    Bytes& u16(uint16_t v) { return u8(uint8_t(v)).u8(uint8_t(v >> 8)); }
    Bytes& u32(uint32_t v) { return u16(uint16_t(v)).u16(uint16_t(v >> 16)); }
    Bytes& i32(int32_t v) { return u32(uint32_t(v)); }
    Bytes& raw(std::initializer_list<uint8_t> values) {
        for (uint8_t v : values) {
            data.push_back(v);
        }
        return *this;
    }
    Bytes& zeros(size_t count) {
        data.insert(data.end(), count, 0);
        return *this;
    }

    std::vector<uint8_t> data;
};

// The 14-byte file header and a 40-byte information header: 54 bytes, so the
// palette or the channel masks start at offset 54.
inline Bytes BmpHeader(int32_t width, int32_t height, uint16_t bitsPerPixel, uint32_t dataOffset,
                       uint32_t compression = 0) {
    Bytes b;
    b.raw({'B', 'M'}).u32(0).u32(0).u32(dataOffset);
    b.u32(40).i32(width).i32(height).u16(1).u16(bitsPerPixel).u32(compression).u32(0);
    b.u32(2835).u32(2835).u32(0).u32(0);
    return b;
}

// A palette entry in file order: blue, green, red, reserved.
inline Bytes& PaletteEntry(Bytes& b, uint8_t r, uint8_t g, uint8_t bl) { return b.u8(bl).u8(g).u8(r).u8(0); }

// A 1 × 1 8-bit grey file whose one pixel has the given level: a small valid frame.
inline std::vector<uint8_t> GreyPixelBmp(uint8_t level) {
    Bytes b = BmpHeader(1, 1, 8, 54);
    b.u8(level).zeros(3);
    return b.data;
}

inline void WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A scratch folder, empty and unique to the running test.
inline fs::path FreshDir() {
#ifdef ORVEK_TEST_TMP_DIR
    const fs::path base = ORVEK_TEST_TMP_DIR;
#else
    const fs::path base = fs::temp_directory_path();
#endif
    static std::atomic<int> counter{0};
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    const fs::path dir =
        base / "bitmap" / (std::string(info->test_suite_name()) + "." + info->name() + "." + std::to_string(counter++));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

template <typename Fn>
std::string CaptureStdout(Fn&& fn) {
    testing::internal::CaptureStdout();
    fn();
    std::fflush(stdout);
    return testing::internal::GetCapturedStdout();
}

inline std::string ErrorLine(const std::string& message) {
    return "[  Orvek   ] ERROR - BitmapLoader: " + message + "\n";
}

// Configured bitmaps as the configuration reader makes them.
inline Configuration::Bitmap StaticBitmap(const std::string& id, const std::string& path) {
    Configuration::Bitmap bitmap;
    bitmap.id = id;
    bitmap.type = Configuration::BitmapType::Static;
    bitmap.path = path;
    return bitmap;
}
inline Configuration::Bitmap AnimatedBitmap(const std::string& id, const std::string& folder,
                                            std::optional<uint16_t> frameDelay = std::nullopt) {
    Configuration::Bitmap bitmap;
    bitmap.id = id;
    bitmap.type = Configuration::BitmapType::Animated;
    bitmap.folder = folder;
    bitmap.frameDelay = frameDelay;
    return bitmap;
}

// R, G, B of pixel (x, y) of a decoded frame.
inline std::vector<int> PixelAt(const BitmapLoader::BitmapFrame& frame, int x, int y) {
    const size_t o = (size_t(y) * frame.width + x) * 3;
    return {frame.pixels[o], frame.pixels[o + 1], frame.pixels[o + 2]};
}

// Sets the deploy path for one test and clears it afterwards.
class DeployPathScope {
public:
    explicit DeployPathScope(const fs::path& path) { pv_SetDeployPath(path.c_str()); }
    ~DeployPathScope() { pv_SetDeployPath(""); }
    DeployPathScope(const DeployPathScope&) = delete;
    DeployPathScope& operator=(const DeployPathScope&) = delete;
};

}  // namespace orvek::internal::bitmaptest
