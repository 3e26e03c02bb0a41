#include <orvek/domain/event/Event.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

namespace {

using orvek::internal::Eventing::Event;
using orvek::internal::Eventing::EventHeader;
using orvek::internal::Eventing::EventType;
using orvek::internal::Eventing::ExtraMessagePayload;

bool PayloadBytesAreZero(const Event& event) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(&event.header.data);
    for (size_t i = 0; i < sizeof(event.header.data); ++i) {
        if (bytes[i] != 0) return false;
    }
    return true;
}

TEST(EventTest, FreshEventIsZeroWithoutMessage) {
    Event event;
    EXPECT_EQ(event.header.type, EventType::BeginInitialization);
    EXPECT_TRUE(PayloadBytesAreZero(event));
    EXPECT_FALSE(event.hasExtraMessage());
    EXPECT_EQ(event.getExtraMessageLength(), 0);
    EXPECT_EQ(event.getExtraMessage(), nullptr);
    EXPECT_EQ(event.getExtraMessageStr(), nullptr);
}

TEST(EventTest, ExtraMessageTextRoundTrips) {
    Event event;
    event.setExtraMessage("abc");
    ASSERT_TRUE(event.hasExtraMessage());
    EXPECT_EQ(event.getExtraMessageLength(), 3);
    EXPECT_STREQ(event.getExtraMessageStr(), "abc");
    EXPECT_EQ(std::memcmp(event.getExtraMessage(), "abc", 3), 0);

    event.setExtraMessage("");
    EXPECT_FALSE(event.hasExtraMessage());
    event.setExtraMessage("again");
    event.setExtraMessage(nullptr);
    EXPECT_FALSE(event.hasExtraMessage());
}

TEST(EventTest, CopiesShareTheMessageAndOutliveTheSource) {
    auto* source = new Event;
    source->header.type = EventType::Custom;
    source->header.data.custom.length = 4;
    source->setExtraMessage("shared");
    Event copy(*source);
    EXPECT_EQ(copy.extraMsg, source->extraMsg);
    EXPECT_EQ(std::memcmp(&copy.header, &source->header, sizeof(EventHeader)), 0);
    delete source;
    EXPECT_STREQ(copy.getExtraMessageStr(), "shared");

    Event assigned;
    assigned.setExtraMessage("old");
    assigned = copy;
    EXPECT_EQ(assigned.extraMsg, copy.extraMsg);
    EXPECT_EQ(assigned.header.type, EventType::Custom);
}

TEST(EventTest, MovesTakeTheMessageAndKeepTheSourceHeader) {
    Event source;
    source.header.type = EventType::Error;
    source.setExtraMessage("moved");
    const auto* payload = source.extraMsg;

    Event moved(std::move(source));
    EXPECT_EQ(moved.extraMsg, payload);
    EXPECT_FALSE(source.hasExtraMessage());
    EXPECT_EQ(source.header.type, EventType::Error);

    Event target;
    target.setExtraMessage("dropped");
    target = std::move(moved);
    EXPECT_EQ(target.extraMsg, payload);
    EXPECT_FALSE(moved.hasExtraMessage());
    EXPECT_STREQ(target.getExtraMessageStr(), "moved");
}

TEST(EventTest, SelfAssignmentKeepsThePayloadAlive) {
    Event event;
    event.setExtraMessage("self");
    Event& alias = event;
    event = alias;
    event = std::move(alias);
    ASSERT_TRUE(event.hasExtraMessage());
    EXPECT_STREQ(event.getExtraMessageStr(), "self");
}

// The new payload is made before the current one goes: a text taken from the
// event's own message, whole or from its middle, is never read after it is freed.
TEST(EventTest, ExtraMessageSetFromItsOwnText) {
    Event event;
    event.setExtraMessage("own text");
    event.setExtraMessage(event.getExtraMessageStr());
    EXPECT_STREQ(event.getExtraMessageStr(), "own text");
    event.setExtraMessage(event.getExtraMessageStr() + 4);
    EXPECT_STREQ(event.getExtraMessageStr(), "text");
    EXPECT_EQ(event.getExtraMessageLength(), 4);
}

TEST(EventTest, OverlongMessagesAreCutTo65535Bytes) {
    std::string text(70000, 'x');
    text[65534] = 'y';
    Event event;
    event.setExtraMessage(text.c_str());
    ASSERT_TRUE(event.hasExtraMessage());
    EXPECT_EQ(event.getExtraMessageLength(), 65535);
    EXPECT_EQ(std::strlen(event.getExtraMessageStr()), 65535u);
    EXPECT_EQ(event.getExtraMessageStr()[65534], 'y');

    text.resize(65536);
    event.setExtraMessage(text.c_str());
    EXPECT_EQ(event.getExtraMessageLength(), 65535);
}

TEST(EventTest, PayloadFromBytesKeepsEmbeddedNulAndTerminates) {
    const uint8_t bytes[] = {1, 0, 2};
    ExtraMessagePayload* payload = ExtraMessagePayload::create(bytes, 3);
    ASSERT_NE(payload, nullptr);
    EXPECT_EQ(payload->length, 3);
    EXPECT_EQ(payload->data[1], 0);
    EXPECT_EQ(payload->data[2], 2);
    EXPECT_EQ(payload->data[3], 0);
    payload->unref();

    EXPECT_EQ(ExtraMessagePayload::create(nullptr, 3), nullptr);
    EXPECT_EQ(ExtraMessagePayload::create(bytes, 0), nullptr);
    EXPECT_EQ(ExtraMessagePayload::create(static_cast<const char*>(nullptr)), nullptr);
}

}  // namespace
