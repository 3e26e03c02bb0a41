// The event queue (drained by API callers) and the history (shown by the
// panel): bounds, orders, removal by time stamp, and the statuses events set.

#include "DeviceTestSupport.h"

#include <climits>

namespace orvek::internal::devicetest {
namespace {

using EventQueueTest = DeviceFixture;

std::vector<int> CustomTypes(const std::vector<Event>& events) {
    std::vector<int> types;
    for (const Event& event : events) types.push_back(event.header.data.custom.type);
    return types;
}

std::vector<int> CustomTypes(const std::vector<pavonix::sim::EventHistoryEntry>& entries) {
    std::vector<int> types;
    for (const auto& entry : entries) types.push_back(entry.event.header.data.custom.type);
    return types;
}

std::vector<int> Range(int first, int last) {
    std::vector<int> values;
    for (int v = first; v <= last; ++v) values.push_back(v);
    return values;
}

TEST_F(EventQueueTest, BothListsKeepTheLastHundredOf150) {
    for (int i = 1; i <= 150; ++i) device.PushEvent(CustomEvent(static_cast<uint8_t>(i)));
    EXPECT_EQ(CustomTypes(device.PeekRecentEvents(1000)), Range(51, 150));
    EXPECT_EQ(CustomTypes(TakeEvents()), Range(51, 150));
}

TEST_F(EventQueueTest, LatestPopsNewestFirstAndAllPopsOldestFirst) {
    for (uint8_t i : {1, 2, 3}) device.PushEvent(CustomEvent(i));
    Event out;
    ASSERT_TRUE(device.TryPopLatestEvent(out));
    EXPECT_EQ(out.header.data.custom.type, 3);
    ASSERT_TRUE(device.TryPopLatestEvent(out));
    EXPECT_EQ(out.header.data.custom.type, 2);

    for (uint8_t i : {4, 5, 6}) device.PushEvent(CustomEvent(i));
    std::vector<Event> events(10);
    EXPECT_EQ(device.TryPopAllEvents(events.data(), 2), 2);
    EXPECT_EQ(events[0].header.data.custom.type, 1);
    EXPECT_EQ(events[1].header.data.custom.type, 4);
    EXPECT_EQ(device.TryPopAllEvents(events.data(), 10), 2);
    EXPECT_EQ(events[0].header.data.custom.type, 5);
    EXPECT_EQ(events[1].header.data.custom.type, 6);
}

TEST_F(EventQueueTest, EmptyQueueLeavesTheOutputUntouched) {
    Event out = CustomEvent(77);
    EXPECT_FALSE(device.TryPopLatestEvent(out));
    EXPECT_EQ(out.header.data.custom.type, 77);
    EXPECT_EQ(device.TryPopAllEvents(&out, 5), 0);
    EXPECT_EQ(out.header.data.custom.type, 77);
}

TEST_F(EventQueueTest, ZeroNegativeOrNullRequestsTakeNothing) {
    device.PushEvent(CustomEvent(1));
    Event out;
    EXPECT_EQ(device.TryPopAllEvents(&out, 0), 0);
    EXPECT_EQ(device.TryPopAllEvents(&out, -1), 0);
    EXPECT_EQ(device.TryPopAllEvents(&out, INT_MIN), 0);
    EXPECT_EQ(device.TryPopAllEvents(nullptr, 10), 0);
    EXPECT_EQ(CustomTypes(TakeEvents()), (std::vector<int>{1}));
}

TEST_F(EventQueueTest, DrainingTheQueueLeavesTheHistory) {
    for (uint8_t i : {1, 2, 3}) device.PushEvent(CustomEvent(i));
    TakeEvents();
    EXPECT_EQ(CustomTypes(device.PeekRecentEvents(100)), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(CustomTypes(device.PeekRecentEvents(2)), (std::vector<int>{2, 3}));
    EXPECT_TRUE(device.PeekRecentEvents(0).empty());
    EXPECT_EQ(device.PeekRecentEvents(SIZE_MAX).size(), 3u);
}

TEST_F(EventQueueTest, HistoryTimeStampsComeFromTheSteadyClockInOrder) {
    const double before = std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    for (uint8_t i : {1, 2, 3}) device.PushEvent(CustomEvent(i));
    const double after = std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    const auto history = device.PeekRecentEvents(3);
    ASSERT_EQ(history.size(), 3u);
    EXPECT_GE(history[0].timestampSec, before);
    EXPECT_LE(history[0].timestampSec, history[1].timestampSec);
    EXPECT_LE(history[1].timestampSec, history[2].timestampSec);
    EXPECT_LE(history[2].timestampSec, after);
}

TEST_F(EventQueueTest, RemovingByTimeStampWithdrawsFromBothLists) {
    for (uint8_t i : {1, 2, 3}) device.PushEvent(CustomEvent(i));
    const auto history = device.PeekRecentEvents(3);
    ASSERT_EQ(history.size(), 3u);

    EXPECT_TRUE(device.RemoveEventByTimestamp(history[1].timestampSec));
    EXPECT_EQ(CustomTypes(device.PeekRecentEvents(100)), (std::vector<int>{1, 3}));
    EXPECT_EQ(CustomTypes(TakeEvents()), (std::vector<int>{1, 3}));

    // Already taken from the queue: only the history loses it.
    EXPECT_TRUE(device.RemoveEventByTimestamp(history[2].timestampSec));
    EXPECT_EQ(CustomTypes(device.PeekRecentEvents(100)), (std::vector<int>{1}));

    EXPECT_FALSE(device.RemoveEventByTimestamp(history[2].timestampSec));
    EXPECT_FALSE(device.RemoveEventByTimestamp(-1.0));
    EXPECT_FALSE(device.RemoveEventByTimestamp(std::numeric_limits<double>::quiet_NaN()));
}

TEST_F(EventQueueTest, ClearEmptiesBothLists) {
    for (uint8_t i : {1, 2}) device.PushEvent(CustomEvent(i));
    device.ClearAllEvents();
    EXPECT_TRUE(device.PeekRecentEvents(100).empty());
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(EventQueueTest, ExtraMessagesSurviveTheQueue) {
    Event event = CustomEvent(9);
    event.setExtraMessage("hello");
    device.PushEvent(event);
    event.setExtraMessage("changed afterwards");
    Event out;
    ASSERT_TRUE(device.TryPopLatestEvent(out));
    EXPECT_STREQ(out.getExtraMessageStr(), "hello");
    EXPECT_STREQ(device.PeekRecentEvents(1)[0].event.getExtraMessageStr(), "hello");
}

TEST_F(EventQueueTest, EventsSetTheStatusTheyCarry) {
    struct Case {
        EventType type;
        int expectedIndex;
    };
    const Case cases[] = {
        {EventType::Disabled, 3},   {EventType::Error, 3},
        {EventType::FatalError, 4}, {EventType::BeginInitialization, 1},
        {EventType::Custom, 2},     {EventType::Connected, 2},
        {EventType::Module, 2},     {EventType::FinishInitialization, 2},
    };
    for (const Case& c : cases) {
        Reset();
        Event event;
        event.header.type = c.type;
        device.PushEvent(event);
        EXPECT_EQ(HalEnum("Status"), c.expectedIndex) << static_cast<uint32_t>(c.type);
    }
    Reset();
    Event heartbeat;
    heartbeat.header.type = EventType::HeartBeat;
    heartbeat.header.data.heartBeat.status = Status::Fatal;
    device.PushEvent(heartbeat);
    EXPECT_EQ(HalEnum("Status"), 4);
    heartbeat.header.data.heartBeat.status = static_cast<Status>(100);  // no such status: Unknown's index
    device.PushEvent(heartbeat);
    EXPECT_EQ(HalEnum("Status"), 0);
}

TEST_F(EventQueueTest, HeartbeatOnlyWhileConnected) {
    device.EmitHeartbeat();
    EXPECT_TRUE(TakeEvents().empty());
    device.SetConnected(true);
    TakeEvents();
    device.SetStatus(Status::Booting);
    device.EmitHeartbeat();
    EXPECT_EQ(TakeEventTexts(), (std::vector<std::string>{Heartbeat(Status::Booting)}));
}

}  // namespace
}  // namespace orvek::internal::devicetest
