// The millisecond quantity keeps the exact double it was given.

#include <gtest/gtest.h>

#include <type_traits>

#include "units/time.h"

namespace {

using namespace units::literals;

static_assert(!std::is_convertible_v<double, units::millisecond_t>, "a bare number must not pass for a time");
static_assert(units::millisecond_t().value() == 0.0);
static_assert((250_ms).value() == 250.0);
static_assert((1.5_ms).value() == 1.5);

TEST(MillisecondTest, KeepsFractionalAndNegativeCounts) {
    EXPECT_EQ(units::millisecond_t(-1.5).value(), -1.5);
    EXPECT_EQ(units::millisecond_t(70000.0).value(), 70000.0);
    EXPECT_EQ(units::millisecond_t(1.9), 1.9_ms);
    EXPECT_LT(1_ms, 1.5_ms);
}

}  // namespace
