// Many threads on the one device at once, as robot threads and the GUI thread
// use it: producers push events, two consumers take them, one thread injects
// module data and another takes it, one thread applies configurations and
// connects and disconnects, and the GUI thread ticks and reads the panel lists.
//
// Every producer waits for room before it adds to a list, so no list ever
// overflows and nothing may be lost: every event and record is counted. Run
// under ThreadSanitizer by the test script; a deadlock fails through a watchdog.

#include "DeviceTestSupport.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <semaphore>
#include <thread>

namespace orvek::internal::devicetest {
namespace {

constexpr int kProducers = 3;
constexpr uint32_t kEventsPerProducer = 4000;
constexpr int kConfigRounds = 150;
constexpr int kEventsPerConfigRound = 6;  // Connected, HeartBeat, Error, HeartBeat, Disconnected, Error
constexpr uint32_t kModuleRecords = 8000;
constexpr int kMaxTicks = 8000;  // 0.5 ms each: never reaches the 5000 ms heartbeat
constexpr auto kWatchdog = std::chrono::seconds(120);

Event NumberedEvent(int producer, uint32_t sequence) {
    Event event = CustomEvent(static_cast<uint8_t>(producer));
    std::memcpy(event.header.data.custom.data, &sequence, sizeof(sequence));
    event.header.data.custom.length = sizeof(sequence);
    return event;
}

uint32_t SequenceOf(const Event& event) {
    uint32_t sequence = 0;
    std::memcpy(&sequence, event.header.data.custom.data, sizeof(sequence));
    return sequence;
}

cfg::OrvekConfiguration StressConfig() {
    cfg::OrvekConfiguration config = TwoStripConfig();
    config.animationGroups = std::vector<cfg::AnimationGroup>{{"g", {"z1", "zMissing"}}};  // one Error event
    config.sequences = std::vector<cfg::AnimationSequence>{{"s", {StepOf("Blink", 1)}}};
    cfg::Module module;
    module.id = "stress";
    module.type = "DigitalInput";
    config.sensors = std::vector<cfg::Module>{module};
    return config;
}

// What the consumers saw; each slot is written by whoever popped that event.
struct EventLedger {
    std::vector<std::atomic<int>> seen = std::vector<std::atomic<int>>(kProducers * kEventsPerProducer);
    std::atomic<int> others{0};
    std::atomic<int> popped{0};
    std::atomic<int> outOfOrder{0};
    std::atomic<int> bogus{0};

    void Record(const Event& event) {
        if (event.header.type == EventType::Custom) {
            const int producer = event.header.data.custom.type;
            const uint32_t sequence = SequenceOf(event);
            if (producer < 1 || producer > kProducers || sequence >= kEventsPerProducer) {
                ++bogus;
            } else {
                ++seen[static_cast<size_t>(producer - 1) * kEventsPerProducer + sequence];
            }
        } else {
            ++others;
        }
        ++popped;
    }
};

using DeviceStressTest = DeviceFixture;

TEST_F(DeviceStressTest, ConcurrentUseLosesNothingAndNeverDeadlocks) {
    const int expectedEvents =
        kProducers * static_cast<int>(kEventsPerProducer) + kConfigRounds * kEventsPerConfigRound;
    std::counting_semaphore<100> eventRoom(100);
    std::counting_semaphore<64> recordRoom(64);
    EventLedger ledger;
    std::atomic<bool> configDone{false};
    std::atomic<int> finished{0};
    std::atomic<int> recordsTaken{0};
    std::atomic<int> recordsOutOfOrder{0};
    std::atomic<int> historyTooLong{0};
    std::atomic<int> ticks{0};
    const cfg::OrvekConfiguration config = StressConfig();
    // The GUI thread's color command needs its zone from the start.
    device.ApplyConfiguration(config);
    ASSERT_EQ(TakeEvents().size(), 1u);

    std::vector<std::thread> threads;
    for (int p = 1; p <= kProducers; ++p) {
        threads.emplace_back([&, p] {
            for (uint32_t i = 0; i < kEventsPerProducer; ++i) {
                eventRoom.acquire();
                device.PushEvent(NumberedEvent(p, i));
            }
            ++finished;
        });
    }
    // Consumer taking batches from the front: per producer, a batch is in order.
    threads.emplace_back([&] {
        std::vector<Event> batch(16);
        for (int round = 0; ledger.popped.load() < expectedEvents; ++round) {
            const int count = device.TryPopAllEvents(batch.data(), 1 + round % 16);
            std::array<int64_t, kProducers + 1> last;
            last.fill(-1);
            for (int i = 0; i < count; ++i) {
                const Event& event = batch[static_cast<size_t>(i)];
                if (event.header.type == EventType::Custom && event.header.data.custom.type <= kProducers) {
                    const int64_t sequence = SequenceOf(event);
                    int64_t& previous = last[event.header.data.custom.type];
                    if (sequence <= previous) ++ledger.outOfOrder;
                    previous = sequence;
                }
                ledger.Record(event);
                eventRoom.release();
            }
            if (count == 0) std::this_thread::yield();
        }
        ++finished;
    });
    // Consumer taking the newest one at a time.
    threads.emplace_back([&] {
        Event event;
        while (ledger.popped.load() < expectedEvents) {
            if (device.TryPopLatestEvent(event)) {
                ledger.Record(event);
                eventRoom.release();
            }
            std::this_thread::yield();
        }
        ++finished;
    });
    // Configuration and connection: the thread knows how many events each step emits.
    threads.emplace_back([&] {
        for (int round = 0; round < kConfigRounds; ++round) {
            eventRoom.acquire();
            eventRoom.acquire();
            device.SetConnected(true);
            eventRoom.acquire();
            eventRoom.acquire();
            device.ApplyConfiguration(config);
            eventRoom.acquire();
            device.SetConnected(false);
            eventRoom.acquire();
            device.ApplyConfiguration(config);
        }
        configDone = true;
        ++finished;
    });
    threads.emplace_back([&] {
        for (uint32_t i = 0; i < kModuleRecords; ++i) {
            recordRoom.acquire();
            std::vector<uint8_t> payload(4);
            std::memcpy(payload.data(), &i, 4);
            device.InjectModuleData("stress", static_cast<uint16_t>(i), std::move(payload));
        }
        ++finished;
    });
    threads.emplace_back([&] {
        uint32_t next = 0;
        std::vector<PavonixSimDevice::ModuleRecord> records;
        while (next < kModuleRecords) {
            records.clear();
            if (device.TryPopModuleData("stress", records)) {
                for (const auto& [unit, payload] : records) {
                    uint32_t value = UINT32_MAX;
                    if (payload.size() == 4) std::memcpy(&value, payload.data(), 4);
                    if (value != next || unit != static_cast<uint16_t>(next)) ++recordsOutOfOrder;
                    ++next;
                    ++recordsTaken;
                    recordRoom.release();
                }
            } else {
                std::this_thread::yield();
            }
        }
        ++finished;
    });
    // The GUI thread: ticks, reads what the panel reads, and sends a color.
    threads.emplace_back([&] {
        pavonix::sim::ZoneState zone{};
        for (int i = 0; i < kMaxTicks && !(configDone && ledger.popped.load() >= expectedEvents); ++i) {
            device.Tick(0.5f);
            ++ticks;
            if (device.PeekRecentEvents(1000).size() > 100) ++historyTooLong;
            (void)device.GetSequenceSummaries();
            (void)device.GetBitmapSummaries();
            (void)device.GetConfiguredModules();
            (void)device.GetChannelsCopy();
            (void)device.GetAnimationNames();
            (void)device.GetStatus();
            (void)device.GetHandshakeInfo();
            (void)device.PeekLastModuleData("stress");
            (void)device.TryGetZone(Id("z1"), zone);
            device.DispatchSetColor(Id("z2"), Command::LED::AnimationColor{1, 2, 3});
        }
        ++finished;
    });

    const auto deadline = std::chrono::steady_clock::now() + kWatchdog;
    while (finished.load() < static_cast<int>(threads.size())) {
        if (std::chrono::steady_clock::now() > deadline) {
            std::fprintf(stderr, "DeviceStressTest: threads still running after %lld s (popped %d of %d)\n",
                         static_cast<long long>(kWatchdog.count()), ledger.popped.load(), expectedEvents);
            std::abort();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    for (auto& thread : threads) thread.join();

    EXPECT_EQ(ledger.popped.load(), expectedEvents);
    EXPECT_EQ(ledger.others.load(), kConfigRounds * kEventsPerConfigRound);
    EXPECT_EQ(ledger.bogus.load(), 0);
    int missing = 0;
    int duplicated = 0;
    for (const auto& count : ledger.seen) {
        missing += count.load() == 0;
        duplicated += count.load() > 1;
    }
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(duplicated, 0);
    EXPECT_EQ(ledger.outOfOrder.load(), 0);
    EXPECT_EQ(recordsTaken.load(), static_cast<int>(kModuleRecords));
    EXPECT_EQ(recordsOutOfOrder.load(), 0);
    EXPECT_EQ(historyTooLong.load(), 0);
    EXPECT_GT(ticks.load(), 0);
    EXPECT_TRUE(TakeEvents().empty());
    EXPECT_EQ(device.PeekRecentEvents(1000).size(), 100u);
    EXPECT_FALSE(device.GetConnected());
    EXPECT_EQ(HalInt("ZoneCount"), 2);
    EXPECT_EQ(HalInt("ModuleCount"), 1);
}

}  // namespace
}  // namespace orvek::internal::devicetest
