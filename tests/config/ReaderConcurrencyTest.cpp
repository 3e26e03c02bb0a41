// The reader and writer keep no state: many threads may read and write at once.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include <orvek/configuration/OrvekConfigurationSerializer.h>

#include "ConfigEquality.h"
#include "ConfigTestSupport.h"

namespace cfg = orvek::internal::Configuration;
using orvek::config::ParseConfig;
using orvek::config::SerializeConfigToJson;

TEST(ReaderConcurrency, ThreadsReadAndWriteTheSameTextAlike) {
    const std::string text = R"({"team":"1","channels":{"b":{"length":8,"zones":[{"id":"m","type":"matrix","rows":2,
        "cols":4,"orientation":{"axisLayout":"cols"}}]},"a":{"length":3}},"sequences":[{"id":"s","steps":[
        {"animationId":"Fill","color":{"r":1,"g":2,"b":3}}]}],"sensors":[{"id":"d","type":"DigitalInput",
        "config":{"pin":4,"inverted":true}}],"groups":[{"id":"g","zoneIds":["m"]}]})";
    const cfg::OrvekConfiguration reference = orvek::config::test::Read(text);
    const std::string referenceText = SerializeConfigToJson(reference);

    constexpr int kThreads = 4;
    constexpr int kRounds = 50;
    std::vector<int> mismatches(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < kRounds; ++i) {
                const auto config = ParseConfig(text);
                const bool same = config && orvek::testing::ConfigsEqual(reference, *config) &&
                                  SerializeConfigToJson(reference) == referenceText;
                mismatches[t] += same ? 0 : 1;
            }
        });
    }
    for (auto& thread : threads) thread.join();
    for (int t = 0; t < kThreads; ++t) EXPECT_EQ(mismatches[t], 0) << "thread " << t;
}
