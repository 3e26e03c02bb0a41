// Robot-program threads sending every kind of LED command while another applies
// configurations and the GUI thread ticks and reads zone states. Run under
// ThreadSanitizer this proves the LED state is serialised and the locks are taken
// in one order; everywhere it proves the device survives any ids and payloads.

#include "LedCommandTestSupport.h"

#include <atomic>
#include <random>
#include <thread>

namespace orvek::internal::ledtest {
namespace {

using Command::LED::SetMatrixTextData;
using Command::LED::SetMatrixTextGroupData;

constexpr int kSenderThreads = 4;
constexpr int kCommandsPerSender = 4000;
constexpr int kConfigurations = 150;

// Known names mixed with ids that name nothing, so every path of the checks runs.
const std::vector<std::string> kZoneNames{"strip60", "matrix32", "strip10", "tiny", "ghost"};
const std::vector<std::string> kGroupNames{"chA", "chB", "mixed", "strips", "ghost"};
const std::vector<std::string> kSequenceNames{"blinkThenFill", "repeat3", "repeat0", "chase", "single", "ghost"};
const std::vector<std::string> kBitmapNames{"logo", "spinner", "ghost"};
const std::vector<std::string> kAnimationNames{"Fill", "Blink", "Chase", "NONE", "ghost"};

// A second layout, so a configuration change moves zones between kinds.
Configuration::OrvekConfiguration SwappedConfiguration() {
    auto config = TestConfiguration();
    (*config.channels)[0].zones = {Matrix("strip60", 8, 16), Strip("matrix32", 30)};
    config.sequences->pop_back();
    return config;
}

class Sender {
public:
    Sender(PavonixSimDevice& device, unsigned seed) : m_device(device), m_random(seed) {}

    void SendOne() {
        const AnimationColor color = Rgb(Byte(), Byte(), Byte());
        switch (Pick(11)) {
            case 0: m_device.DispatchSetColor(ZoneOrAny(), color); break;
            case 1: m_device.DispatchSetGroupColor(GroupOrAny(), color); break;
            case 2: m_device.DispatchSetAnimation(ZoneOrAny(), AnimationOrAny(), Word(), color, Coin(), Coin()); break;
            case 3:
                m_device.DispatchSetGroupAnimation(GroupOrAny(), AnimationOrAny(), Word(), color, Coin(), Coin());
                break;
            case 4: m_device.DispatchSetAnimationSequence(ZoneOrAny(), From(kSequenceNames)); break;
            case 5: m_device.DispatchSetGroupAnimationSequence(GroupOrAny(), From(kSequenceNames)); break;
            case 6: m_device.DispatchSetBitmap(ZoneOrAny(), From(kBitmapNames), color, Coin(), Coin()); break;
            case 7: m_device.DispatchSetGroupBitmap(GroupOrAny(), From(kBitmapNames), color, Coin(), Coin()); break;
            case 8: m_device.DispatchSetMatrixText(ZoneOrAny(), RandomBytes<SetMatrixTextData>()); break;
            case 9: m_device.DispatchSetGroupMatrixText(GroupOrAny(), RandomBytes<SetMatrixTextGroupData>()); break;
            default: {
                ZoneState state;
                m_device.TryGetZone(ZoneOrAny(), state);
                Eventing::Event events[8];
                m_device.TryPopAllEvents(events, 8);
            }
        }
    }

private:
    unsigned Pick(unsigned n) { return std::uniform_int_distribution<unsigned>(0, n - 1)(m_random); }
    uint8_t Byte() { return static_cast<uint8_t>(Pick(256)); }
    uint16_t Word() { return static_cast<uint16_t>(Pick(65536)); }
    bool Coin() { return Pick(2) == 1; }
    uint16_t From(const std::vector<std::string>& names) { return Id(names[Pick(names.size())]); }
    uint16_t ZoneOrAny() { return Pick(8) == 0 ? Word() : From(kZoneNames); }
    uint16_t GroupOrAny() { return Pick(8) == 0 ? Word() : From(kGroupNames); }
    uint16_t AnimationOrAny() { return Pick(8) == 0 ? Word() : From(kAnimationNames); }

    // Any bytes at all: lengths past 24, any delay, any flags.
    template <typename T>
    T RandomBytes() {
        T value;
        auto* bytes = reinterpret_cast<uint8_t*>(&value);
        for (size_t i = 0; i < sizeof value; ++i) bytes[i] = Byte();
        return value;
    }

    PavonixSimDevice& m_device;
    std::mt19937 m_random;
};

class LedStressTest : public DeviceTest {};

TEST_F(LedStressTest, CommandsConfigurationsAndTicksRunTogether) {
    std::atomic<int> sendersDone{0};
    std::vector<std::thread> threads;

    for (int t = 0; t < kSenderThreads; ++t) {
        threads.emplace_back([&, t] {
            Sender sender(device, 1000u + static_cast<unsigned>(t));
            for (int i = 0; i < kCommandsPerSender; ++i) sender.SendOne();
            sendersDone.fetch_add(1);
        });
    }

    threads.emplace_back([&] {
        const auto first = TestConfiguration();
        const auto second = SwappedConfiguration();
        for (int i = 0; i < kConfigurations; ++i) {
            device.ApplyConfiguration(i % 2 == 0 ? second : first);
            if (i % 10 == 0) device.SetConnected(i % 20 == 0);
            std::this_thread::yield();
        }
    });

    // The GUI thread: ticks at a fast frame rate and copies every zone, as the panel does.
    int frames = 0;
    ZoneState copy;
    while (sendersDone.load() < kSenderThreads && frames < 200000) {
        device.Tick(frames % 7 == 0 ? 5000.0f : 16.6f);
        for (const auto& name : kZoneNames) device.TryGetZone(Id(name), copy);
        ++frames;
    }
    for (auto& thread : threads) thread.join();

    // The device still answers, and answers sensibly, afterwards.
    device.SetConnected(false);
    device.ApplyConfiguration(TestConfiguration());
    TakeEvents();
    device.DispatchSetAnimationSequence(Id("strip60"), Id("single"));
    EXPECT_EQ(Zone("strip60").lastSequenceId, Id("single"));
    EXPECT_TRUE(TakeEvents().empty());
    EXPECT_GT(frames, 0);
}

}  // namespace
}  // namespace orvek::internal::ledtest
