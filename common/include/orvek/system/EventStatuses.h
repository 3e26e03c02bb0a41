#pragma once
// Which event types move the device's status, and to what.
//
// A header static with internal linkage: every unit that includes it builds its own equal
// copy at load time, after that unit's animation tables (hence the include below) and before
// the status LED looks. Read-only afterwards; any thread may read it without a lock.

#include <map>

#include <orvek/domain/event/EventType.h>
#include <orvek/led/BuiltInAnimations.h>

namespace orvek::internal::SystemStatus {

// Event type -> the status it sets; types without a row leave the status as it is.
static const std::map<Eventing::EventType, Eventing::Status> kEventStatuses{
    {Eventing::EventType::BeginInitialization, Eventing::Status::Booting},
    {Eventing::EventType::Error, Eventing::Status::Error},
    {Eventing::EventType::FatalError, Eventing::Status::Fatal},
};

}  // namespace orvek::internal::SystemStatus
