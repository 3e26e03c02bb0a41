// Cost of the native LED functions beside one id of the zone's name, in the same run.
#include "device/PavonixSimDevice.h"
#include "pavonixVariant/c_Pavonix.h"

#include <orvek/util/hashing/IDCreator.h>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using orvek::internal::Command::LED::AnimationColor;
using orvek::internal::Command::LED::MatrixTextScrollDirection;

constexpr const char* kStripZone = "front-left-strip";   // 16 bytes
constexpr const char* kMatrixZone = "rear-matrix-zone";  // 16 bytes

// True when both zones take a colour without an Error event: the configuration
// applied. Leaves the queue empty.
bool ZonesTakeCommands(Pavonix_int* handle) {
    orvek::internal::Eventing::Event event;
    while (pv_GetLatestEvent(handle, &event)) {
    }
    pv_SetColor(handle, kStripZone, AnimationColor{0, 0, 0});
    pv_SetColor(handle, kMatrixZone, AnimationColor{0, 0, 0});
    return !pv_GetLatestEvent(handle, &event);
}

// A configured device with one strip and one matrix zone, its queue drained.
// pv_ApplyConfigurationJson swallows every failure, so the zones are tried before
// anything is timed: a rejected command would time the error path instead.
class NativeFixture : public benchmark::Fixture {
public:
    void SetUp(benchmark::State& state) override {
        orvek::internal::PavonixSimDevice::GetInstance()->ResetForTesting();
        const std::string config = std::string(R"({"channels":{"c":{"id":"c","length":300,"zones":[)") + R"({"id":")" +
                                   kStripZone + R"(","type":"strip","length":60},)" + R"({"id":")" + kMatrixZone +
                                   R"(","type":"matrix","rows":8,"cols":32}]}}})";
        pv_ApplyConfigurationJson(m_handle.get(), config.data(), config.size());
        if (!ZonesTakeCommands(m_handle.get())) state.SkipWithError("the benchmark configuration did not apply");
    }

protected:
    std::unique_ptr<Pavonix_int> m_handle{pv_CreateInstance()};
};

BENCHMARK_F(NativeFixture, BM_pv_SetColor)(benchmark::State& state) {
    for (auto _ : state) pv_SetColor(m_handle.get(), kStripZone, AnimationColor{255, 0, 0});
}

BENCHMARK_F(NativeFixture, BM_pv_SetAnimation)(benchmark::State& state) {
    for (auto _ : state) {
        pv_SetAnimation(m_handle.get(), kStripZone, orvek::led::Animation::Comet, AnimationColor{0, 0, 255},
                        units::millisecond_t(20), false, false);
    }
}

BENCHMARK_F(NativeFixture, BM_pv_SetText)(benchmark::State& state) {
    for (auto _ : state) {
        pv_SetText(m_handle.get(), kMatrixZone, "HELLO ROBOT", AnimationColor{0, 255, 0},
                   MatrixTextScrollDirection::LEFT, units::millisecond_t(60), false);
    }
}

void BM_CreateIdOfZoneName(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(orvek::internal::IDCreator::createId(kStripZone));
}
BENCHMARK(BM_CreateIdOfZoneName);

}  // namespace
