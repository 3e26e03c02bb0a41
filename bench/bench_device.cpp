// The simulated device: applying a large configuration, and event throughput
// (PushEvent with TryPopAllEvents) from one and from four threads at once.
//
// Compare BM_PushAndDrainEvents/threads:4 with /threads:1 (items_per_second):
// the ratio shows how much the event lock serialises concurrent producers.

#include <benchmark/benchmark.h>

#include <array>

#include <orvek/domain/event/Event.h>

#include "device/PavonixSimDevice.h"
#include "support/LargeConfig.h"

namespace {

using orvek::internal::PavonixSimDevice;
using orvek::internal::Eventing::Event;
using orvek::internal::Eventing::EventType;

constexpr int kDrainEvery = 32;  // pushes between two drains of up to 64 events

void ResetDevice(const benchmark::State&) { PavonixSimDevice::GetInstance()->ResetForTesting(); }

void BM_ApplyLargeConfiguration(benchmark::State& state) {
    PavonixSimDevice& device = *PavonixSimDevice::GetInstance();
    const auto config = orvek::bench::MakeLargeConfiguration();
    for (auto _ : state) {
        device.ApplyConfiguration(config);
    }
    state.counters["zones"] = static_cast<double>(orvek::bench::large_config_detail::kChannels *
                                                  orvek::bench::large_config_detail::kZonesPerChannel);
}
BENCHMARK(BM_ApplyLargeConfiguration)->Setup(ResetDevice)->Unit(benchmark::kMicrosecond);

void BM_PushAndDrainEvents(benchmark::State& state) {
    PavonixSimDevice& device = *PavonixSimDevice::GetInstance();
    Event event;
    event.header.type = EventType::Custom;  // sets no status
    event.header.data.custom.type = static_cast<uint8_t>(state.thread_index());
    std::array<Event, 64> drained;
    int sincePop = 0;
    for (auto _ : state) {
        device.PushEvent(event);
        if (++sincePop == kDrainEvery) {
            sincePop = 0;
            benchmark::DoNotOptimize(device.TryPopAllEvents(drained.data(), static_cast<int>(drained.size())));
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PushAndDrainEvents)->Setup(ResetDevice)->Threads(1)->Threads(4)->UseRealTime();

}  // namespace
