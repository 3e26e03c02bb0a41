// Every animation stays inside the buffer it is given: guard LEDs on both sides stay
// untouched for every count 0 to 300, states across and beyond the cycle, and strips given in
// exactly sized heap blocks (so the sanitizer builds catch any stray access too).

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <set>
#include <vector>

#include "LedTestSupport.h"

namespace {

using ledtest::Animation;
using ledtest::Color;
using orvek::internal::Animation::BuiltInAnimations;

constexpr int kGuard = 16;
const Color kSentinel(11, 22, 33);

// States worth trying for a cycle of `cycle` steps: its ends, a spread over it, and states
// no frame driver would give.
std::set<int> StatesFor(int cycle) {
    std::set<int> states{0, 1, cycle / 3, cycle / 2, cycle - 2, cycle - 1, cycle, cycle + 1, 1023, 32767, 32768, 65535};
    for (int k = 1; k < 16; ++k) states.insert(cycle * k / 16);
    std::set<int> valid;
    for (int s : states) {
        if (s >= 0 && s <= 65535) valid.insert(s);
    }
    return valid;
}

// Runs one frame between guard LEDs and reports whether the guards survived.
bool GuardsSurvive(std::size_t v, int state, int count) {
    std::vector<Color> buffer(static_cast<std::size_t>(kGuard + count + kGuard), kSentinel);
    BuiltInAnimations[v].cb(buffer.data() + kGuard, Color(200, 120, 40), static_cast<uint16_t>(state),
                            static_cast<uint16_t>(count));
    for (int g = 0; g < kGuard; ++g) {
        if (buffer[g] != kSentinel || buffer[kGuard + count + g] != kSentinel) return false;
    }
    return true;
}

TEST(BufferBounds, EveryAnimationEveryCountUpTo300) {
    std::srand(7);
    for (std::size_t v = 0; v < BuiltInAnimations.size(); ++v) {
        for (int count = 0; count <= 300; ++count) {
            const int cycle = ledtest::CycleLength(static_cast<Animation>(v), count);
            for (int state : StatesFor(cycle)) {
                ASSERT_TRUE(GuardsSurvive(v, state, count))
                    << BuiltInAnimations[v].id << " count " << count << " state " << state;
            }
        }
    }
}

TEST(BufferBounds, EveryStateOfTheCycleOnAwkwardLengths) {
    std::srand(8);
    for (std::size_t v = 0; v < BuiltInAnimations.size(); ++v) {
        for (int count : {1, 2, 3, 7, 61}) {
            const int cycle = ledtest::CycleLength(static_cast<Animation>(v), count);
            for (int state = 0; state < cycle; ++state) {
                ASSERT_TRUE(GuardsSurvive(v, state, count))
                    << BuiltInAnimations[v].id << " count " << count << " state " << state;
            }
        }
    }
}

// Fails only in the AddressSanitizer build, where a block's end is a hard edge.
TEST(BufferBounds, ExactlySizedHeapStrips) {
    std::srand(9);
    for (std::size_t v = 0; v < BuiltInAnimations.size(); ++v) {
        for (int count : {1, 2, 5, 60, 299, 300, 1000, 4000}) {
            for (int state : StatesFor(ledtest::CycleLength(static_cast<Animation>(v), count))) {
                auto strip = std::make_unique<Color[]>(static_cast<std::size_t>(count));
                BuiltInAnimations[v].cb(strip.get(), Color(1, 2, 3), static_cast<uint16_t>(state),
                                        static_cast<uint16_t>(count));
            }
        }
    }
}

TEST(BufferBounds, NoLedsWritesNothingEvenWithoutABuffer) {
    for (std::size_t v = 0; v < BuiltInAnimations.size(); ++v) {
        for (int state : {0, 1, 2, 100, 65535}) {
            const bool produced = BuiltInAnimations[v].cb(nullptr, Color(9, 9, 9), static_cast<uint16_t>(state), 0);
            // Only None, and Blink outside its two states, report no frame.
            const bool expected = !(v == 0 || (v == 2 && state > 1));
            EXPECT_EQ(produced, expected) << BuiltInAnimations[v].id << " state " << state;
        }
    }
}

TEST(BufferBounds, VeryLongStripsStayInside) {
    // 32769 LEDs: a 16-bit sweep of 2 * (count - 1) would be 0 (Scanner, Larson divide by it).
    // 65534 LEDs: a 16-bit Scanner cycle of count + 2 would be 0.
    // 65535 LEDs: every 16-bit cycle sum and product the animations form overflows.
    std::srand(10);
    for (int count : {32769, 65534, 65535}) {
        for (std::size_t v = 0; v < BuiltInAnimations.size(); ++v) {
            for (int state : {0, 32768, 65534, 65535}) {
                ASSERT_TRUE(GuardsSurvive(v, state, count))
                    << BuiltInAnimations[v].id << " count " << count << " state " << state;
            }
        }
    }
}

}  // namespace
