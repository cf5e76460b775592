#pragma once
/// Numeric helpers shared by the engine: pi in extended precision and
/// rounding that stays defined for NaN, infinite and huge values.

#include <cmath>
#include <cstdint>
#include <limits>

namespace vemlo {

/// Pi in extended precision; angles like pi*30/180 are worked out in it and
/// only then stored as doubles.
constexpr long double PiL = 3.141592653589793238462643383279502884L;

/// Rounds to the nearest integer, halves to even, clamped to [lo, hi]; NaN
/// gives nan.
inline std::int64_t RoundClamped(double v, std::int64_t lo, std::int64_t hi, std::int64_t nan = 0) {
    if (std::isnan(v)) return nan;
    const double r = std::nearbyint(v);
    if (r <= static_cast<double>(lo)) return lo;
    if (r >= static_cast<double>(hi)) return hi;
    return static_cast<std::int64_t>(r);
}

/// Round to nearest (halves to even) into a 32-bit integer, saturating; NaN gives 0.
inline std::int32_t Round32(double v) {
    return static_cast<std::int32_t>(
        RoundClamped(v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

/// Round to nearest (halves to even) into a 64-bit integer, saturating well
/// inside the range; NaN gives 0.
inline std::int64_t Round64(double v) {
    constexpr std::int64_t lim = std::int64_t{1} << 62;
    return RoundClamped(v, -lim, lim);
}

}  // namespace vemlo
