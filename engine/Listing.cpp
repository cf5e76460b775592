#include "engine/Listing.h"

#include <cmath>
#include <cstdio>

namespace vemlo {

namespace {

template <typename... Args>
std::string Format(const char* fmt, Args... args) {
    char buf[160];
    const int n = std::snprintf(buf, sizeof buf, fmt, args...);
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < sizeof buf) return std::string(buf, static_cast<std::size_t>(n));
    // Only a value near the double range needs more room in fixed point.
    std::string s(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(s.data(), s.size(), fmt, args...);
    s.resize(static_cast<std::size_t>(n));
    return s;
}

bool FixedForm(double f) {
    const double a = std::fabs(f);
    return f == 0 || (static_cast<long double>(a) > 0.01L && a < 1000000.0);
}

}  // namespace

std::string ValueLine(double a, double b, double f) {
    if (FixedForm(f)) return Format("%10.3f %10.3f %10.4f", a, b, f);
    return Format("%10.3f %10.3f        %.3E", a, b, f);
}

std::string PointLine(double x, double y, double z) { return Format("%10.3f %10.3f %10.3f", x, y, z); }

std::string CurveLine(double t, double x, double y, double z) {
    return Format("%10.3f %10.3f %10.3f %10.4f", t, x, y, z);
}

}  // namespace vemlo
