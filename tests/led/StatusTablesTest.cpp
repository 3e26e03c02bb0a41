// The event status table and the status LED looks.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include <orvek/system/EventStatuses.h>
#include <orvek/system/StatusLedAnimations.h>
#include <orvek/util/hashing/IDCreator.h>

#include "LedTestSupport.h"

namespace {

using orvek::internal::Eventing::EventType;
using orvek::internal::Eventing::Status;
using orvek::internal::SystemStatus::kEventStatuses;
using orvek::internal::SystemStatus::kStatusLedAnimations;
namespace LED = orvek::internal::Command::LED;

TEST(EventStatuses, OnlyInitialisationAndErrorsMoveTheStatus) {
    ASSERT_EQ(kEventStatuses.size(), 3u);
    EXPECT_EQ(kEventStatuses.at(EventType::BeginInitialization), Status::Booting);
    EXPECT_EQ(kEventStatuses.at(EventType::Error), Status::Error);
    EXPECT_EQ(kEventStatuses.at(EventType::FatalError), Status::Fatal);
    for (EventType other : {EventType::Connected, EventType::Custom, EventType::Module, EventType::HeartBeat,
                            EventType::Disabled, EventType::FinishInitialization}) {
        EXPECT_EQ(kEventStatuses.count(other), 0u) << static_cast<unsigned>(other);
    }
}

struct ExpectedLook {
    Status status;
    const char* animation;
    uint16_t delay;
    uint8_t r, g, b;
};

TEST(StatusLedAnimations, OneAnimationCommandPerKnownStatus) {
    const ExpectedLook looks[] = {
        {Status::Booting, "Blink", 250, 0, 255, 50},
        {Status::Active, "Breathe", 10, 0, 20, 200},
        {Status::Error, "Blink", 500, 120, 30, 5},
        {Status::Fatal, "Blink", 250, 255, 0, 0},
    };
    ASSERT_EQ(kStatusLedAnimations.size(), 4u);
    EXPECT_EQ(kStatusLedAnimations.count(Status::Unknown), 0u);
    for (const ExpectedLook& look : looks) {
        SCOPED_TRACE(look.animation);
        const LED::LEDCommand& command = kStatusLedAnimations.at(look.status);
        // Byte image: type 0, zone 0, id, delay, color, flags 0, then zeros.
        uint8_t expected[sizeof(LED::LEDCommand)] = {};
        const uint16_t id = orvek::internal::IDCreator::createId(look.animation);
        expected[3] = uint8_t(id & 0xFF);
        expected[4] = uint8_t(id >> 8);
        expected[5] = uint8_t(look.delay & 0xFF);
        expected[6] = uint8_t(look.delay >> 8);
        expected[7] = look.r;
        expected[8] = look.g;
        expected[9] = look.b;
        uint8_t actual[sizeof(LED::LEDCommand)];
        std::memcpy(actual, &command, sizeof actual);
        EXPECT_EQ(std::vector<uint8_t>(actual, actual + sizeof actual),
                  std::vector<uint8_t>(expected, expected + sizeof expected));
    }
}

TEST(StatusLedAnimations, BlinkLooksShareTheIdOfTheBlinkInstance) {
    namespace anim = orvek::internal::Animation;
    const uint16_t blinkId = orvek::internal::IDCreator::createId(anim::Blink.id);
    EXPECT_EQ(kStatusLedAnimations.at(Status::Booting).data.setAnimation.animationId, blinkId);
    EXPECT_EQ(kStatusLedAnimations.at(Status::Error).data.setAnimation.animationId, blinkId);
    EXPECT_EQ(kStatusLedAnimations.at(Status::Fatal).data.setAnimation.animationId, blinkId);
    EXPECT_EQ(kStatusLedAnimations.at(Status::Active).data.setAnimation.animationId,
              orvek::internal::IDCreator::createId(anim::Breathe.id));
    EXPECT_NE(blinkId, orvek::internal::IDCreator::createId(anim::Breathe.id));
}

}  // namespace
