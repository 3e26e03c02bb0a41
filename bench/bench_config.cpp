// The configuration reader against the bare JSON parse of the same large text, in one run.
// Goal: BM_ParseConfigText costs at most 1.5x BM_JsonParseOnly.
#include <benchmark/benchmark.h>

#include <nlohmann/json.hpp>

#include <orvek/configuration/OrvekConfigurationParser.h>
#include <orvek/configuration/OrvekConfigurationSerializer.h>

#include "support/LargeConfig.h"

namespace {

const std::string& LargeText() {
    static const std::string text = orvek::bench::MakeLargeConfigJson();
    return text;
}

void BM_JsonParseOnly(benchmark::State& state) {
    const std::string& text = LargeText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(nlohmann::json::parse(text));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
BENCHMARK(BM_JsonParseOnly)->Unit(benchmark::kMicrosecond);

void BM_ParseConfigText(benchmark::State& state) {
    const std::string& text = LargeText();
    for (auto _ : state) {
        auto config = orvek::config::ParseConfig(text);
        if (!config || !config->channels || config->channels->size() != 64) {
            state.SkipWithError("large configuration did not read back");
            break;
        }
        benchmark::DoNotOptimize(config);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
BENCHMARK(BM_ParseConfigText)->Unit(benchmark::kMicrosecond);

// The reading of an already parsed value alone, the share the reader adds to the parse.
void BM_ParseConfigFromParsedJson(benchmark::State& state) {
    const nlohmann::json root = nlohmann::json::parse(LargeText());
    for (auto _ : state) {
        benchmark::DoNotOptimize(orvek::config::ParseConfig(root));
    }
}
BENCHMARK(BM_ParseConfigFromParsedJson)->Unit(benchmark::kMicrosecond);

void BM_SerializeConfig(benchmark::State& state) {
    const auto config = orvek::bench::MakeLargeConfiguration();
    for (auto _ : state) {
        benchmark::DoNotOptimize(orvek::config::SerializeConfigToJson(config));
    }
}
BENCHMARK(BM_SerializeConfig)->Unit(benchmark::kMicrosecond);

}  // namespace
