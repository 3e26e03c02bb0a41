// Matrix rendering per frame: scrolling text and a bitmap frame on a 32 × 32 and a
// 64 × 256 (rows × cols) matrix, with the orientation pass and a plain fill.
//
// Each benchmark is named BM_<What>/rows:R/cols:C; ns_per_pixel is the time of one
// frame divided by the pixel count. Compare every figure with BM_Fill of the same size in
// one run (the cost of merely clearing the buffer). The bitmap benchmarks
// include the per-frame device look-up and the cache hit of the loader, as the
// LED tab pays them.

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <orvek/configuration/Configuration.h>
#include <orvek/domain/Color.h>
#include <orvek/domain/device/PavonixSimTypes.h>
#include <orvek/util/hashing/IDCreator.h>

#include "device/PavonixSimDevice.h"
#include "ui/BitmapLoader.h"
#include "ui/MatrixRenderer.h"

namespace {

using orvek::internal::IDCreator;
using orvek::internal::PavonixSimDevice;
using orvek::internal::domain::Color;
using orvek::internal::pavonix::sim::ZoneState;
namespace cfg = orvek::internal::Configuration;
namespace ui = orvek::internal::ui;
namespace fs = std::filesystem;

constexpr const char* kBitmapName = "bench.matrix.frames";
constexpr int kFrameSide = 64;

void CountPixels(benchmark::State& state, int rows, int cols) {
    const double pixels = static_cast<double>(state.iterations()) * rows * cols;
    state.counters["ns_per_pixel"] =
        benchmark::Counter(pixels, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// A 64 × 64 16-bit frame with a colour ramp, little-endian, rows bottom-up.
std::vector<uint8_t> RampBmp(int shift) {
    std::vector<uint8_t> bytes(54 + kFrameSide * kFrameSide * 2);
    auto put32 = [&](size_t at, uint32_t v) { std::memcpy(bytes.data() + at, &v, 4); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(10, 54);
    put32(14, 40);
    put32(18, kFrameSide);
    put32(22, kFrameSide);
    bytes[26] = 1;
    bytes[28] = 16;
    for (int i = 0; i < kFrameSide * kFrameSide; ++i) {
        const uint16_t v = static_cast<uint16_t>((i + shift) * 37);
        std::memcpy(bytes.data() + 54 + 2 * i, &v, 2);
    }
    return bytes;
}

// Writes a two-frame animated bitmap under a scratch deploy path and applies a
// configuration naming it; returns the zone state that shows it.
ZoneState PrepareBitmap() {
    const fs::path deploy = fs::temp_directory_path() / "orvek_bench_matrix";
    for (int frame = 0; frame < 2; ++frame) {
        fs::create_directories(deploy / "frames");
        const std::vector<uint8_t> bytes = RampBmp(frame * 11);
        std::ofstream(deploy / "frames" / (std::to_string(frame) + ".bmp"), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    pv_SetDeployPath(deploy.c_str());

    cfg::Bitmap bitmap;
    bitmap.id = kBitmapName;
    bitmap.type = cfg::BitmapType::Animated;
    bitmap.folder = "frames";
    bitmap.frameDelay = 50;
    cfg::OrvekConfiguration config;
    config.bitmaps = std::vector<cfg::Bitmap>{bitmap};
    PavonixSimDevice::GetInstance()->ApplyConfiguration(config);

    ZoneState zs;
    std::memset(&zs, 0, sizeof zs);
    zs.lastBitmap.bitmapId = IDCreator::createId(kBitmapName);
    zs.lastBitmap.color = {255, 128, 64};
    zs.lastBitmap.setColor = 1;
    return zs;
}

ZoneState PrepareText() {
    ZoneState zs;
    std::memset(&zs, 0, sizeof zs);
    const char text[] = "Pavonix matrix text 0123";
    std::memcpy(zs.lastMatrixText.text, text, 24);
    zs.lastMatrixText.length = 24;
    zs.lastMatrixText.delay = 40;
    zs.lastMatrixText.color = {0, 200, 255};
    return zs;
}

void BM_Fill(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const int cols = static_cast<int>(state.range(1));
    std::vector<Color> buffer(size_t(rows) * cols);
    for (auto _ : state) {
        std::fill(buffer.begin(), buffer.end(), Color{});
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    CountPixels(state, rows, cols);
}

void BM_FillMatrixText(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const int cols = static_cast<int>(state.range(1));
    ZoneState zs = PrepareText();
    std::vector<Color> buffer(size_t(rows) * cols);
    for (auto _ : state) {
        std::fill(buffer.begin(), buffer.end(), Color{});
        ui::FillMatrixText(buffer, uint16_t(rows), uint16_t(cols), zs);
        benchmark::DoNotOptimize(buffer.data());
        zs.timeMs += 16.6f;
    }
    CountPixels(state, rows, cols);
}

void BM_FillMatrixBitmap(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const int cols = static_cast<int>(state.range(1));
    PavonixSimDevice& device = *PavonixSimDevice::GetInstance();
    ZoneState zs = PrepareBitmap();
    std::vector<Color> buffer(size_t(rows) * cols);
    ui::FillMatrixBitmap(buffer, uint16_t(rows), uint16_t(cols), zs, device);  // loads into the cache
    for (auto _ : state) {
        std::fill(buffer.begin(), buffer.end(), Color{});
        ui::FillMatrixBitmap(buffer, uint16_t(rows), uint16_t(cols), zs, device);
        benchmark::DoNotOptimize(buffer.data());
        zs.timeMs += 16.6f;
    }
    pv_SetDeployPath("");
    CountPixels(state, rows, cols);
}

void BM_ApplyMatrixOrientation(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const int cols = static_cast<int>(state.range(1));
    std::vector<Color> buffer(size_t(rows) * cols, Color(1, 2, 3));
    for (auto _ : state) {
        ui::ApplyMatrixOrientation(buffer, uint16_t(rows), uint16_t(cols), 0x0F);
        benchmark::DoNotOptimize(buffer.data());
    }
    CountPixels(state, rows, cols);
}

void MatrixSizes(benchmark::internal::Benchmark* b) { b->Args({32, 32})->Args({64, 256})->ArgNames({"rows", "cols"}); }

BENCHMARK(BM_Fill)->Apply(MatrixSizes);
BENCHMARK(BM_FillMatrixText)->Apply(MatrixSizes);
BENCHMARK(BM_FillMatrixBitmap)->Apply(MatrixSizes);
BENCHMARK(BM_ApplyMatrixOrientation)->Apply(MatrixSizes);

}  // namespace
