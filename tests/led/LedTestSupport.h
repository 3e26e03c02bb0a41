#pragma once
// Shared helpers of the animation tests: drawing one frame on a fresh black buffer, and
// replaying the process generator to predict the random animations.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <vector>

#include <orvek/led/BuiltInAnimations.h>

namespace orvek::internal::domain {
// Lets GoogleTest print colors in failure messages.
inline void PrintTo(const Color& c, std::ostream* os) {
    *os << "(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ")";
}
}  // namespace orvek::internal::domain

namespace ledtest {

using orvek::internal::domain::Color;
using orvek::led::Animation;

inline const orvek::internal::Animation::AnimationInstance& Instance(Animation animation) {
    return orvek::internal::Animation::BuiltInAnimations.at(static_cast<std::size_t>(animation));
}

// Cycle length as a frame driver forms it.
inline int CycleLength(Animation animation, int count) {
    const auto& instance = Instance(animation);
    return instance.stateCount + (instance.stateMode == orvek::internal::Animation::StateMode::LedCount ? count : 0);
}

// One frame on a fresh black buffer of `count` LEDs, as the frame drivers call it.
inline std::vector<Color> Draw(Animation animation, Color color, int state, int count, bool* produced = nullptr) {
    std::vector<Color> strip(static_cast<std::size_t>(count));
    const bool result = Instance(animation).cb(strip.data(), color, static_cast<std::uint16_t>(state),
                                               static_cast<std::uint16_t>(count));
    if (produced) *produced = result;
    return strip;
}

// Channel-wise (c * s) >> 8, worked independently of the library's helpers.
inline Color Scaled(Color c, int s) {
    return Color(uint8_t(c.r * s / 256), uint8_t(c.g * s / 256), uint8_t(c.b * s / 256));
}

// The first `n` values of `rand` after srand(seed); leaves the generator re-seeded with `seed`.
inline std::vector<int> RandSequence(unsigned seed, std::size_t n) {
    std::srand(seed);
    std::vector<int> values(n);
    for (int& v : values) v = std::rand();
    std::srand(seed);
    return values;
}

// Reads a replayed sequence draw by draw, as the animations draw from `rand`.
class Replay {
public:
    Replay(unsigned seed, std::size_t n) : m_values(RandSequence(seed, n)) {}
    int next() { return m_values.at(m_used++); }
    int draw8() { return next() % 256; }
    std::size_t used() const { return m_used; }
    // The value `rand` must return next if exactly used() draws were taken.
    int following() const { return m_values.at(m_used); }

private:
    std::vector<int> m_values;
    std::size_t m_used = 0;
};

}  // namespace ledtest
