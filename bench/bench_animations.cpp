// One frame of each built-in animation on strips of 60, 300 and 1000 LEDs.
//
// Each benchmark is named Animation/<id>/<LEDs>; the state steps through the animation's
// cycle as a frame driver would. The counter ns_per_led is the time of one frame divided by
// the LED count (shown as seconds per LED, e.g. "2.1n"). Compare every animation with
// Animation/Fill/<LEDs> of the same run. The buffer is not cleared between frames, so only
// the callback is timed.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <orvek/led/BuiltInAnimations.h>

namespace {

using orvek::internal::Animation::AnimationInstance;
using orvek::internal::Animation::BuiltInAnimations;
using orvek::internal::Animation::StateMode;
using orvek::internal::domain::Color;

void AnimationFrame(benchmark::State& state, const AnimationInstance* animation, int count) {
    const int cycle = animation->stateCount + (animation->stateMode == StateMode::LedCount ? count : 0);
    std::vector<Color> strip(static_cast<std::size_t>(count));
    std::srand(1);
    int step = 0;
    for (auto _ : state) {
        animation->cb(strip.data(), animation->defaultColor, static_cast<std::uint16_t>(step),
                      static_cast<std::uint16_t>(count));
        benchmark::DoNotOptimize(strip.data());
        benchmark::ClobberMemory();
        if (++step == cycle) step = 0;
    }
    const auto leds = static_cast<double>(state.iterations()) * count;
    state.SetItemsProcessed(static_cast<std::int64_t>(leds));
    state.counters["ns_per_led"] = benchmark::Counter(leds, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

bool RegisterAnimationBenchmarks() {
    for (const AnimationInstance& animation : BuiltInAnimations) {
        for (int count : {60, 300, 1000}) {
            const std::string name = "Animation/" + std::string(animation.id) + "/" + std::to_string(count);
            benchmark::RegisterBenchmark(name.c_str(), AnimationFrame, &animation, count);
        }
    }
    return true;
}

const bool kRegistered = RegisterAnimationBenchmarks();

}  // namespace
