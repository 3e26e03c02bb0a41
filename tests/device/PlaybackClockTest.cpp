// The device clock: heartbeat timing, zone clocks and scrolling-text cycles.

#include "DeviceTestSupport.h"
#include "LedCommandTestSupport.h"

#include <cmath>
#include <limits>

namespace orvek::internal::ledtest {
namespace {

using Command::LED::SetMatrixTextData;

class PlaybackClockTest : public DeviceTest {
protected:
    int CountHeartbeats() {
        int count = 0;
        for (const auto& event : TakeEvents()) count += event.header.type == Eventing::EventType::HeartBeat;
        return count;
    }

    void ScrollText(const std::string& zone, uint8_t length, uint16_t delay, bool oneShot) {
        SetMatrixTextData data;
        std::memset(&data, 0, sizeof data);
        std::memset(data.text, 'A', length);
        data.length = length;
        data.delay = delay;
        data.oneShot = oneShot ? 1 : 0;
        device.DispatchSetMatrixText(Id(zone), data);
    }
};

TEST_F(PlaybackClockTest, HeartbeatComesOnTheTickThatReachesFiveSeconds) {
    device.SetConnected(true);
    TakeEvents();  // Connected and the connect heartbeat

    // 5000 / 16.6 = 301.2: tick 301 sums to 4996.6 ms, tick 302 to 5013.2 ms.
    Ticks(301, 16.6f);
    EXPECT_EQ(CountHeartbeats(), 0);
    Ticks(1, 16.6f);
    auto events = TakeEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].header.type, Eventing::EventType::HeartBeat);
    EXPECT_EQ(events[0].header.data.heartBeat.status, Eventing::Status::Active);

    // The count restarts at 0, so the next one needs 302 ticks again.
    Ticks(301, 16.6f);
    EXPECT_EQ(CountHeartbeats(), 0);
    Ticks(1, 16.6f);
    EXPECT_EQ(CountHeartbeats(), 1);
}

TEST_F(PlaybackClockTest, NoHeartbeatWhileDisconnectedAndTheCountRestartsOnReconnect) {
    device.SetConnected(true);
    Ticks(200, 16.6f);  // 3320 ms counted
    device.SetConnected(false);
    TakeEvents();
    Ticks(400, 16.6f);
    EXPECT_EQ(CountHeartbeats(), 0);

    device.SetConnected(true);
    EXPECT_EQ(CountHeartbeats(), 1);  // the connect heartbeat
    Ticks(301, 16.6f);
    EXPECT_EQ(CountHeartbeats(), 0);
    Ticks(1, 16.6f);
    EXPECT_EQ(CountHeartbeats(), 1);
}

TEST_F(PlaybackClockTest, AnOutsideConnectIsNoticedBeforeTheFrameCounts) {
    // The connect's own heartbeat restarts the count, and then this 5000 ms frame
    // is counted on the live link: a second heartbeat in the same tick.
    devicetest::WriteHalBool("Connected", true);
    device.Tick(5000.0f);
    std::vector<Eventing::EventType> types;
    for (const auto& event : TakeEvents()) types.push_back(event.header.type);
    EXPECT_EQ(types, (std::vector<Eventing::EventType>{Eventing::EventType::Connected, Eventing::EventType::HeartBeat,
                                                       Eventing::EventType::HeartBeat}));
}

TEST_F(PlaybackClockTest, OnlyRunningZonesAdvance) {
    device.DispatchSetAnimation(Id("strip60"), Id("Breathe"), 0, Rgb(1, 1, 1), false, false);
    device.DispatchSetColor(Id("strip10"), Rgb(1, 1, 1));
    Ticks(4, 12.5f);
    EXPECT_FLOAT_EQ(Zone("strip60").timeMs, 50.0f);
    EXPECT_EQ(Zone("strip10").timeMs, 0.0f);
}

TEST_F(PlaybackClockTest, RepeatingTextWrapsKeepingTheOvershoot) {
    // 32 columns: 4 cells; (4 + 5 + 1) states x 100 ms = 1000 ms per pass.
    ScrollText("matrix32", 5, 100, false);
    Ticks(19, 50.0f);
    EXPECT_FLOAT_EQ(Zone("matrix32").timeMs, 950.0f);
    Ticks(2, 50.0f);  // 1050 ms in all
    ZoneState zone = Zone("matrix32");
    EXPECT_FLOAT_EQ(zone.timeMs, 50.0f);
    EXPECT_TRUE(zone.running);

    ScrollText("matrix32", 5, 100, false);
    Ticks(1, 2730.0f);  // one long frame wraps by the remainder, not by one pass
    EXPECT_FLOAT_EQ(Zone("matrix32").timeMs, 730.0f);
}

TEST_F(PlaybackClockTest, OneShotTextStopsAtTheEndOfItsPass) {
    ScrollText("matrix32", 5, 100, true);
    Ticks(21, 50.0f);
    ZoneState zone = Zone("matrix32");
    EXPECT_FLOAT_EQ(zone.timeMs, 1000.0f);
    EXPECT_FALSE(zone.running);
    Ticks(5, 50.0f);
    EXPECT_FLOAT_EQ(Zone("matrix32").timeMs, 1000.0f);
}

TEST_F(PlaybackClockTest, TextOnANarrowMatrixStillScrolls) {
    // 4 columns hold no whole cell: (0 + 5 + 1) x 100 ms = 600 ms.
    ScrollText("tiny", 5, 100, false);
    Ticks(13, 50.0f);
    EXPECT_FLOAT_EQ(Zone("tiny").timeMs, 50.0f);
}

TEST_F(PlaybackClockTest, TextDelayZeroIsOneMillisecond) {
    // (4 + 5 + 1) x 1 ms = 10 ms.
    ScrollText("matrix32", 5, 0, false);
    Ticks(1, 15.0f);
    EXPECT_FLOAT_EQ(Zone("matrix32").timeMs, 5.0f);

    // The longest text at the longest delay: (4 + 24 + 1) x 65535 ms.
    ScrollText("matrix32", 24, 65535, true);
    Ticks(1, 29.0f * 65535.0f + 1.0f);
    ZoneState zone = Zone("matrix32");
    EXPECT_FALSE(zone.running);
    EXPECT_FLOAT_EQ(zone.timeMs, 29.0f * 65535.0f);
}

TEST_F(PlaybackClockTest, FramesOfNoTimeAdvanceNothing) {
    device.DispatchSetAnimation(Id("strip60"), Id("Blink"), 0, Rgb(1, 1, 1), false, false);
    ScrollText("matrix32", 5, 100, false);
    Ticks(1, 10.0f);
    for (float bad : {-5.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                      -std::numeric_limits<float>::infinity()}) {
        device.Tick(bad);
    }
    EXPECT_FLOAT_EQ(Zone("strip60").timeMs, 10.0f);
    EXPECT_FLOAT_EQ(Zone("matrix32").timeMs, 10.0f);
}

}  // namespace
}  // namespace orvek::internal::ledtest
