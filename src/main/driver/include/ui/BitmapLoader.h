#pragma once

// Bitmap loader: finds configured BMP files under the deploy path, decodes the
// small subset of BMP the device accepts (1, 8 and 16 bits per pixel) into RGB
// frames, and keeps what it loaded per bitmap id.
//
// Threads: everything here runs on the simulation GUI thread, except
// pv_SetDeployPath and GetDeployPath, which any thread may call.
// Log lines use the component "BitmapLoader"; INFO lines are below the logger's
// level and never printed, ERROR lines are.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <orvek/configuration/configs/Bitmap.h>

namespace orvek::internal::BitmapLoader {

// One decoded image: width × height × 3 bytes (R, G, B), top row first, rows
// packed without gaps.
struct BitmapFrame {
    std::vector<uint8_t> pixels;
    int width = 0;
    int height = 0;  // always the absolute value of the file's height
};

// What the cache holds for one bitmap id: the key of the configuration it came
// from and its frames in display order (exactly one for a static bitmap).
struct ImageSequence {
    std::string sourceKey;
    std::vector<BitmapFrame> frames;
};

#pragma pack(push, 1)
// The first 38 bytes of a BMP file, little-endian.
struct BMPHeader {
    uint16_t signature;     // "BM" = 0x4D42
    uint32_t fileSize;      // not used
    uint32_t reserved;      // not used
    uint32_t dataOffset;    // file offset of the first pixel row
    uint32_t headerSize;    // the palette starts at 14 + headerSize
    int32_t width;          // pixels per row
    int32_t height;         // rows; negative = top row stored first
    uint16_t planes;        // not used
    uint16_t bitsPerPixel;  // 1, 8 or 16
    uint32_t compression;   // 3 or 6 with 16 bits: channel masks at offset 54
    uint32_t imageSize;     // not used
};
#pragma pack(pop)
static_assert(sizeof(BMPHeader) == 38);

// Largest width and height accepted, and largest pixel count: a header asking for
// more is refused with an ERROR line rather than allocating for it.
inline constexpr int32_t kMaxBitmapDimension = 16384;
inline constexpr int64_t kMaxBitmapPixels = int64_t{8192} * 8192;

// Decodes the BMP file at path into frame. An unreadable file (also a directory or
// other non-regular file) returns false without a message; a wrong signature, an
// unsupported depth or unsafe dimensions log an ERROR and return false. Bytes
// missing at the end of a short file decode as zeros.
bool LoadBMP(const std::string& path, BitmapFrame& frame);

// Decodes BMP bytes already in memory, exactly as LoadBMP decodes a file holding
// them; name only appears in log lines. Never reads outside bytes.
bool DecodeBMP(std::span<const uint8_t> bytes, const std::string& name, BitmapFrame& frame);

// One color channel of a 16-bit pixel scaled to 0..255, rounded:
// (value × 255 + max / 2) / max where value is the mask's run of bits and max its
// largest value; a zero mask gives 0. 5-bit 16 -> 132, 31 -> 255; 6-bit 63 -> 255.
uint8_t ExtractChannel(uint16_t pixel, uint32_t mask);

// The configured file: relative itself when it is an existing absolute path, else
// the first existing of deploy/relative and deploy/"pavonix"/relative. Empty with
// an INFO line when nothing exists, without one when the deploy path is empty.
std::optional<std::filesystem::path> ResolveFilePath(const std::string& relative);

// The configured folder, as ResolveFilePath but for directories and with
// deploy/"pavonix"/relative tried before deploy/relative.
std::optional<std::filesystem::path> ResolveFolderPath(const std::string& relative);

// Appends the frames of an animated bitmap folder to seq.frames: every ".bmp" file
// (extension in any letter case) ordered by the number ending its stem, numbered
// before unnumbered, unnumbered by stem. The folder must hold "0.bmp". Frames that
// fail to decode are skipped. True when seq.frames is not empty afterwards.
bool LoadAnimatedFrames(const std::filesystem::path& folder, ImageSequence& seq);

// "anim:" + folder for an animated bitmap with a folder, "static:" + path for a
// static one with a path, else empty (such a bitmap never loads).
std::string BuildSourceKey(const Configuration::Bitmap& bitmap);

// The frames of a configured bitmap, loaded on first use and cached per id while
// its source key stays the same. Null when nothing loads (tried again next call).
// The pointer stays valid until a later call replaces the entry of the same id.
// GUI thread only.
const ImageSequence* LoadBitmap(uint16_t bitmapId, const Configuration::Bitmap& bitmap);

// A copy of the deploy path (empty until set). Any thread.
std::string GetDeployPath();

}  // namespace orvek::internal::BitmapLoader

extern "C" {
// Sets the directory that relative bitmap paths are resolved against; an empty
// text clears it, null changes nothing. Any thread. Cached bitmaps are not reloaded.
void pv_SetDeployPath(const char* path);
}
