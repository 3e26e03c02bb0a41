#pragma once
// How the status LED looks in each device status, as ready-made animation commands.
//
// A header static with internal linkage: every unit that includes it builds its own equal
// copy at load time, after that unit's animation tables and event status table (hence the
// includes below). The animation ids are hashed then, so IDCreator::createId runs during
// static initialisation. Read-only afterwards; any thread may read it without a lock.

#include <cstdint>
#include <cstring>
#include <map>

#include <orvek/domain/command/led/AnimationColor.h>
#include <orvek/domain/command/led/LEDCommand.h>
#include <orvek/domain/event/EventType.h>
#include <orvek/led/Animation.h>
#include <orvek/led/AnimationTable.h>
#include <orvek/led/BuiltInAnimations.h>
#include <orvek/system/EventStatuses.h>
#include <orvek/util/hashing/IDCreator.h>

namespace orvek::internal::SystemStatus {

namespace status_led_detail {
// A SetAnimation command for zone 0, not reversed, not one-shot; every unused byte zero.
inline Command::LED::LEDCommand MakeLook(led::Animation animation, std::uint16_t delay,
                                         Command::LED::AnimationColor color) {
    Command::LED::LEDCommand command;
    std::memset(&command, 0, sizeof command);
    command.type = Command::LED::LEDCommandType::SetAnimation;
    // The name is the built-in instance's id, so the panel finds that instance by this id.
    command.data.setAnimation.animationId = IDCreator::createId(Animation::RecordOf(animation).id);
    command.data.setAnimation.delay = delay;
    command.data.setAnimation.color = color;
    return command;
}
}  // namespace status_led_detail

// Status -> the look of the status LED; no row for Unknown.
static const std::map<Eventing::Status, Command::LED::LEDCommand> kStatusLedAnimations{
    {Eventing::Status::Booting, status_led_detail::MakeLook(led::Animation::Blink, 250, {0, 255, 50})},
    {Eventing::Status::Active, status_led_detail::MakeLook(led::Animation::Breathe, 10, {0, 20, 200})},
    {Eventing::Status::Error, status_led_detail::MakeLook(led::Animation::Blink, 500, {120, 30, 5})},
    {Eventing::Status::Fatal, status_led_detail::MakeLook(led::Animation::Blink, 250, {255, 0, 0})},
};

}  // namespace orvek::internal::SystemStatus
