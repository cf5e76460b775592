#pragma once
/// A parameter walked by repeated addition, as every grid, polyline and
/// listing of the builders walks its parameters: from a start while the value
/// is not above a limit, adding the step after each turn.

#include <limits>

namespace vemlo {

struct Sweep {
    double limit = 0;
    double step = 0;

    bool runs(double v) const { return v <= limit; }

    /// The value after v. A step of 0 runs once (the value is then set past
    /// the limit). A step that cannot move v forward (lost to rounding next to
    /// a huge v, or pointing backwards) would never end the walk; the walk
    /// ends instead, with NaN.
    double next(double v) const {
        const double n = step == 0 ? limit + 1 : v + step;
        return n > v ? n : std::numeric_limits<double>::quiet_NaN();
    }
};

/// The step of a range cut into `intervals` parts; 0 when the bounds are equal.
inline double StepOf(double lo, double hi, double intervals) {
    return hi == lo ? 0.0 : (hi - lo) / intervals;
}

}  // namespace vemlo
