#pragma once
// Whole-number arithmetic of the calendar that never overflows silently: every step is
// tested and an overflow raises CalendarRangeError, so a wild year or day number gives the
// caller an error instead of a wrong date.

#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace lyrasta {

// A calendar computation left the range of 32-bit whole numbers, or a table was indexed
// outside its bounds (a month that is not 1-12, a year type that is not 1-14, ...).
struct CalendarRangeError : std::out_of_range {
    using std::out_of_range::out_of_range;
};

namespace checked {

inline std::int32_t Add(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_add_overflow(a, b, &r)) throw CalendarRangeError("calendar arithmetic overflow");
    return r;
}

inline std::int32_t Sub(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_sub_overflow(a, b, &r)) throw CalendarRangeError("calendar arithmetic overflow");
    return r;
}

inline std::int32_t Mul(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_mul_overflow(a, b, &r)) throw CalendarRangeError("calendar arithmetic overflow");
    return r;
}

// Truncation toward zero of a floating value that must fit a 32-bit whole number.
inline std::int32_t Trunc(double x) {
    if (!(x > -2147483649.0 && x < 2147483648.0))
        throw CalendarRangeError("calendar arithmetic overflow");
    return static_cast<std::int32_t>(std::trunc(x));
}

// Division rounded toward minus infinity.
inline std::int32_t FloorDiv(std::int32_t a, std::int32_t m) {
    return a / m - (a % m < 0 ? 1 : 0);
}

// Non-negative remainder, for weekdays and cycles of dates before an epoch.
inline std::int32_t FloorMod(std::int32_t a, std::int32_t m) {
    const std::int32_t r = a % m;
    return r < 0 ? r + m : r;
}

}  // namespace checked
}  // namespace lyrasta
