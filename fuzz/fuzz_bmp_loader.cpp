// BMP decoding of arbitrary bytes: never a crash, an out-of-bounds read or an
// oversized allocation; a successful decode always yields width × height × 3 bytes.
// Every sixteenth input also goes through a file, which must decode the same.
// Headers the decoder would accept but that claim more than kFuzzMaxPixels are
// skipped: their rows run the same code as small ones, and decoding millions of
// zero pixels would take most of the run's time.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include <orvek/util/logging/ConsoleLogger.h>

#include "ui/BitmapLoader.h"

namespace {

namespace loader = orvek::internal::BitmapLoader;
using loader::BitmapFrame;

// One full row at the side limit still fits.
constexpr int64_t kFuzzMaxPixels = loader::kMaxBitmapDimension;

// True for a header of an accepted size above kFuzzMaxPixels. Sizes the decoder
// refuses are cheap and stay in.
bool ClaimsCostlyAcceptedSize(const uint8_t* data, size_t size) {
    loader::BMPHeader header{};
    std::copy_n(data, std::min(size, sizeof header), reinterpret_cast<uint8_t*>(&header));
    const int64_t width = header.width;
    const int64_t height = header.height < 0 ? -int64_t{header.height} : int64_t{header.height};
    const bool accepted = width >= 0 && width <= loader::kMaxBitmapDimension && height <= loader::kMaxBitmapDimension &&
                          width * height <= loader::kMaxBitmapPixels;
    return accepted && width * height > kFuzzMaxPixels;
}

std::string ScratchFile() {
    return (std::filesystem::temp_directory_path() / ("fuzz_bmp_loader." + std::to_string(getpid()) + ".bmp")).string();
}

void CheckShape(const BitmapFrame& frame) {
    if (frame.width < 0 || frame.height < 0 || frame.pixels.size() != size_t(frame.width) * size_t(frame.height) * 3) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Refused inputs log an ERROR line each; keep them off the fuzzer's output.
    orvek::internal::ConsoleLogger::getInstance().logFunc = [](auto, const char*) {};
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (ClaimsCostlyAcceptedSize(data, size)) {
        return -1;  // keeps the input out of the corpus
    }
    BitmapFrame fromBytes;
    const bool decoded = loader::DecodeBMP({data, size}, "fuzz", fromBytes);
    if (decoded) {
        CheckShape(fromBytes);
    }
    if (size % 16 == 0) {
        static const std::string path = ScratchFile();
        {
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
        }
        BitmapFrame fromFile;
        const bool loaded = loader::LoadBMP(path, fromFile);
        if (loaded != decoded || (loaded && fromFile.pixels != fromBytes.pixels)) {
            __builtin_trap();
        }
    }
    return 0;
}
