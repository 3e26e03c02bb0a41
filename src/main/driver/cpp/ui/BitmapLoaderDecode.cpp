// BMP decoding: header checks, palette, 1/8/16-bit rows, and reading a file.
//
// The decoder never trusts the header: every byte it needs is fetched through a
// bounds check (bytes beyond the input read as zero, as in a short file), and the
// dimensions are checked before anything is allocated for them.

#include <algorithm>
#include <bit>
#include <cstring>
#include <fstream>
#include <system_error>

#include <orvek/util/logging/ConsoleLogger.h>

#include "ui/BitmapLoader.h"

namespace orvek::internal::BitmapLoader {
namespace {

constexpr const char* kLogKey = "BitmapLoader";
constexpr uint16_t kSignature = 0x4D42;  // "BM"
constexpr uint64_t kMaskOffset = 54;     // three 32-bit channel masks for 16-bit files
constexpr uint64_t kLeadBytes = kMaskOffset + 3 * 4;
constexpr uint32_t kMaxPaletteBytes = 1024;

// The 16-bit layout the header promises when it names no masks: 5-5-5.
constexpr uint32_t kDefaultRedMask = 0x7C00;
constexpr uint32_t kDefaultGreenMask = 0x03E0;
constexpr uint32_t kDefaultBlueMask = 0x001F;

// Copies up to size bytes at offset into out; what the input lacks stays zero.
void CopyZeroExtended(std::span<const uint8_t> bytes, uint64_t offset, uint8_t* out, size_t size) {
    if (size == 0) {
        return;
    }
    std::memset(out, 0, size);
    if (offset >= bytes.size()) {
        return;
    }
    const size_t available = std::min<uint64_t>(size, bytes.size() - offset);
    std::memcpy(out, bytes.data() + offset, available);
}

uint32_t ReadU32(std::span<const uint8_t> bytes, uint64_t offset) {
    uint8_t raw[4];
    CopyZeroExtended(bytes, offset, raw, sizeof raw);
    return raw[0] | raw[1] << 8 | raw[2] << 16 | static_cast<uint32_t>(raw[3]) << 24;
}

BMPHeader ReadHeader(std::span<const uint8_t> bytes) {
    BMPHeader header;
    CopyZeroExtended(bytes, 0, reinterpret_cast<uint8_t*>(&header), sizeof header);
    return header;
}

bool IsSupportedDepth(uint16_t bitsPerPixel) { return bitsPerPixel == 1 || bitsPerPixel == 8 || bitsPerPixel == 16; }

int64_t AbsoluteHeight(const BMPHeader& header) {
    return header.height < 0 ? -int64_t{header.height} : int64_t{header.height};
}

// Within the limits every size below fits comfortably in 64 bits and the pixel
// buffer stays far below the allocator's comfort zone.
bool HasSafeDimensions(const BMPHeader& header) {
    const int64_t height = AbsoluteHeight(header);
    return header.width >= 0 && header.width <= kMaxBitmapDimension && height <= kMaxBitmapDimension &&
           header.width * height <= kMaxBitmapPixels;
}

// Bytes per stored row, padded to a multiple of 4.
uint64_t RowStride(const BMPHeader& header) {
    const uint64_t width = static_cast<uint64_t>(header.width);
    switch (header.bitsPerPixel) {
        case 1: return ((width + 7) / 8 + 3) / 4 * 4;
        case 8: return (width + 3) / 4 * 4;
        default: return (2 * width + 3) / 4 * 4;
    }
}

// True, with an ERROR line when not, when the header can be decoded safely.
bool CheckHeader(const BMPHeader& header, const std::string& name) {
    auto& log = ConsoleLogger::getInstance();
    if (header.signature != kSignature) {
        log.logError(kLogKey, "LoadBMP - signature mismatch for %s sig=0x%x", name.c_str(),
                     static_cast<unsigned>(header.signature));
        return false;
    }
    if (!IsSupportedDepth(header.bitsPerPixel)) {
        log.logError(kLogKey, "LoadBMP - unsupported bitsPerPixel=%d for file %s (supported: 1,8,16)",
                     static_cast<int>(header.bitsPerPixel), name.c_str());
        return false;
    }
    if (!HasSafeDimensions(header)) {
        log.logError(kLogKey,
                     "LoadBMP - refused dimensions %dx%d for file %s (supported: 0..%d per side, at most %lld pixels)",
                     static_cast<int>(header.width), static_cast<int>(header.height), name.c_str(),
                     static_cast<int>(kMaxBitmapDimension), static_cast<long long>(kMaxBitmapPixels));
        return false;
    }
    return true;
}

// The palette is the span between the information header and the pixel data, the
// difference taken in 32 bits so an offset below the header gives none.
std::vector<uint8_t> ReadPalette(std::span<const uint8_t> bytes, const BMPHeader& header) {
    const uint32_t start = 14u + header.headerSize;
    const uint32_t span = header.dataOffset - start;
    std::vector<uint8_t> palette;
    if (span >= 1 && span <= kMaxPaletteBytes) {
        palette.resize(span);
        CopyZeroExtended(bytes, start, palette.data(), palette.size());
    }
    return palette;
}

struct ChannelMasks {
    uint32_t red = kDefaultRedMask;
    uint32_t green = kDefaultGreenMask;
    uint32_t blue = kDefaultBlueMask;
};

ChannelMasks ReadMasks(std::span<const uint8_t> bytes, const BMPHeader& header) {
    ChannelMasks masks;
    if (header.bitsPerPixel == 16 && (header.compression == 3 || header.compression == 6)) {
        masks.red = ReadU32(bytes, kMaskOffset);
        masks.green = ReadU32(bytes, kMaskOffset + 4);
        masks.blue = ReadU32(bytes, kMaskOffset + 8);
    }
    return masks;
}

void PutPixel(uint8_t* out, uint8_t r, uint8_t g, uint8_t b) {
    out[0] = r;
    out[1] = g;
    out[2] = b;
}

// Palette entry i as R, G, B when the palette holds it; false otherwise.
bool PutPaletteEntry(uint8_t* out, const std::vector<uint8_t>& palette, unsigned index) {
    const size_t base = size_t{index} * 4;
    if (palette.size() < base + 4) {
        return false;
    }
    PutPixel(out, palette[base + 2], palette[base + 1], palette[base]);
    return true;
}

void DecodeRow1(const uint8_t* row, int width, const std::vector<uint8_t>& palette, uint8_t* out) {
    for (int x = 0; x < width; ++x, out += 3) {
        const unsigned bit = (row[x / 8] >> (7 - x % 8)) & 1u;
        if (!PutPaletteEntry(out, palette, bit)) {
            const uint8_t level = bit ? 255 : 0;
            PutPixel(out, level, level, level);
        }
    }
}

void DecodeRow8(const uint8_t* row, int width, const std::vector<uint8_t>& palette, uint8_t* out) {
    for (int x = 0; x < width; ++x, out += 3) {
        if (!PutPaletteEntry(out, palette, row[x])) {
            PutPixel(out, row[x], row[x], row[x]);
        }
    }
}

void DecodeRow16(const uint8_t* row, int width, const ChannelMasks& masks, uint8_t* out) {
    for (int x = 0; x < width; ++x, out += 3) {
        const uint16_t v = static_cast<uint16_t>(row[2 * x] | row[2 * x + 1] << 8);
        PutPixel(out, ExtractChannel(v, masks.red), ExtractChannel(v, masks.green), ExtractChannel(v, masks.blue));
    }
}

// Everything of the file the decoder can look at, given an acceptable header.
uint64_t BytesUsed(const BMPHeader& header) {
    const uint64_t rows = uint64_t{header.dataOffset} + RowStride(header) * AbsoluteHeight(header);
    const uint64_t paletteEnd = uint64_t{14u + header.headerSize} + kMaxPaletteBytes;
    return std::max({kLeadBytes, rows, paletteEnd});
}

}  // namespace

uint8_t ExtractChannel(uint16_t pixel, uint32_t mask) {
    if (mask == 0) {
        return 0;
    }
    const int shift = std::countr_zero(mask);
    const int bits = std::countr_one(mask >> shift);
    // 64 bits so that a 32-bit run has a maximum at all; the sum below stays
    // within 32 bits anyway because pixel has only 16.
    const uint64_t max = (uint64_t{1} << bits) - 1;
    const uint64_t value = (uint32_t{pixel} & mask) >> shift;
    return static_cast<uint8_t>((value * 255 + max / 2) / max);
}

bool DecodeBMP(std::span<const uint8_t> bytes, const std::string& name, BitmapFrame& frame) {
    const BMPHeader header = ReadHeader(bytes);
    if (!CheckHeader(header, name)) {
        return false;
    }
    const int width = header.width;
    const int height = static_cast<int>(AbsoluteHeight(header));
    const bool topDown = header.height < 0;
    frame.width = width;
    frame.height = height;
    frame.pixels.assign(size_t(width) * size_t(height) * 3, 0);
    if (width == 0 || height == 0) {
        return true;
    }

    const std::vector<uint8_t> palette =
        header.bitsPerPixel == 16 ? std::vector<uint8_t>{} : ReadPalette(bytes, header);
    const ChannelMasks masks = ReadMasks(bytes, header);
    const uint64_t stride = RowStride(header);
    std::vector<uint8_t> row(stride);

    for (int y = 0; y < height; ++y) {
        const int sourceRow = topDown ? y : height - 1 - y;
        CopyZeroExtended(bytes, header.dataOffset + stride * sourceRow, row.data(), row.size());
        uint8_t* out = frame.pixels.data() + size_t(y) * size_t(width) * 3;
        switch (header.bitsPerPixel) {
            case 1: DecodeRow1(row.data(), width, palette, out); break;
            case 8: DecodeRow8(row.data(), width, palette, out); break;
            default: DecodeRow16(row.data(), width, masks, out); break;
        }
    }
    return true;
}

bool LoadBMP(const std::string& path, BitmapFrame& frame) {
    // Anything but a regular file (a folder, a pipe that would block the GUI) counts
    // as unreadable.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    // Read the lead first and only as much of the rest as the header can use, so a
    // huge file named by mistake is never read whole.
    std::vector<uint8_t> bytes(kLeadBytes);
    file.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    bytes.resize(static_cast<size_t>(file.gcount()));

    const BMPHeader header = ReadHeader(bytes);
    const bool readMore = bytes.size() == kLeadBytes && header.signature == kSignature &&
                          IsSupportedDepth(header.bitsPerPixel) && HasSafeDimensions(header);
    if (readMore) {
        const uint64_t fileSize = std::filesystem::file_size(path, ec);
        const uint64_t wanted = ec ? kLeadBytes : std::min(BytesUsed(header), fileSize);
        if (wanted > kLeadBytes) {
            bytes.resize(wanted);
            file.read(reinterpret_cast<char*>(bytes.data() + kLeadBytes), std::streamsize(wanted - kLeadBytes));
            bytes.resize(kLeadBytes + static_cast<size_t>(file.gcount()));
        }
    }
    return DecodeBMP(bytes, path, frame);
}

}  // namespace orvek::internal::BitmapLoader
