#pragma once
// A time quantity in milliseconds, the one unit this library takes from the
// units library: a double count of milliseconds with explicit construction, so a
// bare number never passes for a time by accident.

namespace units {

// A duration in milliseconds; any double is allowed (negative and fractional too).
class millisecond_t {
public:
    // Zero milliseconds.
    constexpr millisecond_t() noexcept = default;
    // `count` milliseconds.
    constexpr explicit millisecond_t(double count) noexcept : m_count(count) {}

    // The count of milliseconds, as given.
    constexpr double value() const noexcept { return m_count; }

    friend constexpr bool operator==(millisecond_t, millisecond_t) noexcept = default;
    friend constexpr auto operator<=>(millisecond_t, millisecond_t) noexcept = default;

private:
    double m_count = 0.0;
};

namespace literals {
// 250_ms or 1.5_ms: a millisecond quantity from a literal.
constexpr millisecond_t operator""_ms(long double count) noexcept { return millisecond_t(static_cast<double>(count)); }
constexpr millisecond_t operator""_ms(unsigned long long count) noexcept {
    return millisecond_t(static_cast<double>(count));
}
}  // namespace literals

}  // namespace units
