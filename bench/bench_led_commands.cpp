// LED command throughput and the cost of one device clock tick.
//
//   BM_DispatchSetColor              one zone command, on 1 and 4 threads
//   BM_DispatchSetGroupAnimation     one command fanned out over a group of 16 strips
//   BM_TickBusyDevice                one Tick with 1000 running strips, 100 of them playing sequences
//
// Compare the dispatch times with BM_CreateId/16 of the same run (bench_ids.cpp): the
// native interface turns every name into an id before it dispatches, so that is the
// cost a command already pays before it reaches the device.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include <orvek/configuration/Configuration.h>
#include <orvek/util/hashing/IDCreator.h>

#include "device/PavonixSimDevice.h"

namespace {

namespace cfg = orvek::internal::Configuration;
using orvek::internal::IDCreator;
using orvek::internal::PavonixSimDevice;
using orvek::internal::Command::LED::AnimationColor;

constexpr int kGroupSize = 16;
constexpr int kBusyZones = 1000;
constexpr int kSequenceZones = 100;
constexpr int kZonesPerChannel = 100;

std::string ZoneName(int index) { return "zone" + std::to_string(index); }

cfg::Zone StripZone(const std::string& id, uint16_t length) {
    cfg::Zone zone;
    zone.type = cfg::ZoneType::Strip;
    zone.id = id;
    zone.strip = cfg::ZoneStrip{length, false};
    return zone;
}

// `zoneCount` strips of 60 LEDs, 100 to a channel, so channel "ch0" groups the first
// 100; group "sixteen" holds the first 16. One sequence holds its Blink step for ever.
cfg::OrvekConfiguration StripsConfiguration(int zoneCount) {
    cfg::OrvekConfiguration config;
    std::vector<cfg::Channel> channels;
    for (int first = 0; first < zoneCount; first += kZonesPerChannel) {
        cfg::Channel channel;
        channel.id = channel.key = "ch" + std::to_string(first / kZonesPerChannel);
        channel.length = 60 * kZonesPerChannel;
        for (int i = first; i < zoneCount && i < first + kZonesPerChannel; ++i)
            channel.zones.push_back(StripZone(ZoneName(i), 60));
        channels.push_back(std::move(channel));
    }
    config.channels = std::move(channels);

    cfg::AnimationGroup group{"sixteen", {}};
    for (int i = 0; i < kGroupSize; ++i) group.zoneIds.push_back(ZoneName(i));
    config.animationGroups = std::vector<cfg::AnimationGroup>{group};

    cfg::Animation blink;
    blink.id = "Blink";
    blink.delay = 10;
    blink.repeatCount = 0;
    cfg::Animation fill;
    fill.id = "Fill";
    config.sequences = std::vector<cfg::AnimationSequence>{{"held", {blink, fill}}};
    return config;
}

PavonixSimDevice& FreshDevice(int zoneCount) {
    PavonixSimDevice& device = *PavonixSimDevice::GetInstance();
    device.ResetForTesting();
    device.ApplyConfiguration(StripsConfiguration(zoneCount));
    device.ClearAllEvents();
    return device;
}

void BM_DispatchSetColor(benchmark::State& state) {
    if (state.thread_index() == 0) FreshDevice(kGroupSize);
    // Each thread paints its own zone, so the work is the same on every thread count.
    const uint16_t zoneId = IDCreator::createId(ZoneName(state.thread_index()));
    AnimationColor color{0, 0, 0};
    PavonixSimDevice& device = *PavonixSimDevice::GetInstance();
    for (auto _ : state) {
        ++color.r;
        device.DispatchSetColor(zoneId, color);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DispatchSetColor)->Threads(1)->Threads(4)->UseRealTime();

void BM_DispatchSetGroupAnimation(benchmark::State& state) {
    if (state.thread_index() == 0) FreshDevice(kGroupSize);
    const uint16_t groupId = IDCreator::createId("sixteen");
    const uint16_t chase = IDCreator::createId("Chase");
    PavonixSimDevice& device = *PavonixSimDevice::GetInstance();
    for (auto _ : state) {
        device.DispatchSetGroupAnimation(groupId, chase, 25, AnimationColor{1, 2, 3}, false, false);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["zones"] = benchmark::Counter(kGroupSize, benchmark::Counter::kAvgThreads);
}
BENCHMARK(BM_DispatchSetGroupAnimation)->Threads(1)->Threads(4)->UseRealTime();

void BM_TickBusyDevice(benchmark::State& state) {
    PavonixSimDevice& device = FreshDevice(kBusyZones);
    const uint16_t sequence = IDCreator::createId("held");
    const uint16_t breathe = IDCreator::createId("Breathe");
    for (int i = 0; i < kBusyZones; ++i) {
        const uint16_t zoneId = IDCreator::createId(ZoneName(i));
        if (i % (kBusyZones / kSequenceZones) == 0) {
            device.DispatchSetAnimationSequence(zoneId, sequence);
        } else {
            device.DispatchSetAnimation(zoneId, breathe, 0, AnimationColor{0, 0, 255}, false, false);
        }
    }
    if (!device.PeekRecentEvents(1).empty()) state.SkipWithError("a setup command was rejected");
    for (auto _ : state) {
        device.Tick(16.6f);  // 60 frames a second; every other tick restarts the held Blink pass
    }
    state.counters["zones"] = kBusyZones;
    state.counters["sequences"] = kSequenceZones;
}
BENCHMARK(BM_TickBusyDevice)->Unit(benchmark::kMicrosecond);

}  // namespace
