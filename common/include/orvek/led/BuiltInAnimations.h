#pragma once
// The 27 built-in animation instances and the table BuiltInAnimations that lists them.
//
// Rules for these objects:
//  - They are header statics with internal linkage: every unit that includes this header
//    builds its own equal copy during its static initialisation, in this order: the name
//    table (Animation.h), the 27 instances in enumeration order, then BuiltInAnimations by
//    copying them. Nothing changes them afterwards; any thread may read them.
//  - Entry v of BuiltInAnimations is the instance of led::Animation value v. An instance's
//    animation id is IDCreator::createId of its `id`; looking ids up belongs to the callers.
//  - Calling a `cb` is for the simulation GUI thread only (see RandomAnimations.h).

#include <utility>
#include <vector>

#include <orvek/definitions/led/AnimationInstance.h>
#include <orvek/domain/Color.h>
#include <orvek/led/Animation.h>
#include <orvek/led/AnimationTable.h>
#include <orvek/led/animations/MotionAnimations.h>
#include <orvek/led/animations/RandomAnimations.h>
#include <orvek/led/animations/SolidAnimations.h>
#include <orvek/led/animations/WaveAnimations.h>

namespace orvek::internal::Animation {

namespace instance_detail {
// The instance of one table row with its frame callback.
inline AnimationInstance MakeInstance(led::Animation animation, AnimationFrameCallback cb) {
    const AnimationRecord& row = RecordOf(animation);
    return AnimationInstance{
        row.id, row.stateMode, row.stateCount, row.defaultDelay, domain::Color(row.r, row.g, row.b), std::move(cb)};
}
}  // namespace instance_detail

// ---- The instances, in led::Animation order (internal linkage, one copy per unit) ----
static const AnimationInstance None = instance_detail::MakeInstance(led::Animation::None, Frames::NoneFrame);
static const AnimationInstance Fill = instance_detail::MakeInstance(led::Animation::Fill, Frames::FillFrame);
static const AnimationInstance Blink = instance_detail::MakeInstance(led::Animation::Blink, Frames::BlinkFrame);
static const AnimationInstance Breathe = instance_detail::MakeInstance(led::Animation::Breathe, Frames::BreatheFrame);
static const AnimationInstance RainbowRoll =
    instance_detail::MakeInstance(led::Animation::RainbowRoll, Frames::RainbowRollFrame);
static const AnimationInstance SineRoll =
    instance_detail::MakeInstance(led::Animation::SineRoll, Frames::SineRollFrame);
static const AnimationInstance Chase = instance_detail::MakeInstance(led::Animation::Chase, Frames::ChaseFrame);
static const AnimationInstance FadeIn = instance_detail::MakeInstance(led::Animation::FadeIn, Frames::FadeInFrame);
static const AnimationInstance FadeOut = instance_detail::MakeInstance(led::Animation::FadeOut, Frames::FadeOutFrame);
static const AnimationInstance RainbowCycle =
    instance_detail::MakeInstance(led::Animation::RainbowCycle, Frames::RainbowCycleFrame);
static const AnimationInstance AlternateBreathe =
    instance_detail::MakeInstance(led::Animation::AlternateBreathe, Frames::AlternateBreatheFrame);
static const AnimationInstance GrowingBreathe =
    instance_detail::MakeInstance(led::Animation::GrowingBreathe, Frames::GrowingBreatheFrame);
static const AnimationInstance Comet = instance_detail::MakeInstance(led::Animation::Comet, Frames::CometFrame);
static const AnimationInstance Sparkle = instance_detail::MakeInstance(led::Animation::Sparkle, Frames::SparkleFrame);
static const AnimationInstance Fire = instance_detail::MakeInstance(led::Animation::Fire, Frames::FireFrame);
static const AnimationInstance Scanner = instance_detail::MakeInstance(led::Animation::Scanner, Frames::ScannerFrame);
static const AnimationInstance TheaterChase =
    instance_detail::MakeInstance(led::Animation::TheaterChase, Frames::TheaterChaseFrame);
static const AnimationInstance Twinkle = instance_detail::MakeInstance(led::Animation::Twinkle, Frames::TwinkleFrame);
static const AnimationInstance Meteor = instance_detail::MakeInstance(led::Animation::Meteor, Frames::MeteorFrame);
static const AnimationInstance Wave = instance_detail::MakeInstance(led::Animation::Wave, Frames::WaveFrame);
static const AnimationInstance Pulse = instance_detail::MakeInstance(led::Animation::Pulse, Frames::PulseFrame);
static const AnimationInstance Larson = instance_detail::MakeInstance(led::Animation::Larson, Frames::LarsonFrame);
static const AnimationInstance Ripple = instance_detail::MakeInstance(led::Animation::Ripple, Frames::RippleFrame);
static const AnimationInstance Confetti =
    instance_detail::MakeInstance(led::Animation::Confetti, Frames::ConfettiFrame);
static const AnimationInstance Lava = instance_detail::MakeInstance(led::Animation::Lava, Frames::LavaFrame);
static const AnimationInstance Plasma = instance_detail::MakeInstance(led::Animation::Plasma, Frames::PlasmaFrame);
static const AnimationInstance Heartbeat =
    instance_detail::MakeInstance(led::Animation::Heartbeat, Frames::HeartbeatFrame);

// Copies of the 27 instances; entry v is the instance of led::Animation value v.
static const std::vector<AnimationInstance> BuiltInAnimations{
    None,   Fill,    Blink,     Breathe,      RainbowRoll,      SineRoll,
    Chase,  FadeIn,  FadeOut,   RainbowCycle, AlternateBreathe, GrowingBreathe,
    Comet,  Sparkle, Fire,      Scanner,      TheaterChase,     Twinkle,
    Meteor, Wave,    Pulse,     Larson,       Ripple,           Confetti,
    Lava,   Plasma,  Heartbeat,
};

}  // namespace orvek::internal::Animation
