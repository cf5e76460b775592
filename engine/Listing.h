#pragma once
/// The value listing of a drawing: one text line per listed point, collected
/// while the builder walks its points and handed to the host in one go.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "engine/Host.h"

namespace vemlo {

/// "%10.3f %10.3f %10.4f" of a, b, f when 0.01 < |f| < 1000000 or f = 0;
/// otherwise a, b and seven blanks before f as "%.3E" (1.000E+07). The lower
/// bound is compared in extended precision, so the double 0.01 is fixed.
/// b may be extended: the angle in degrees of a cylindrical listing.
std::string ValueLine(double a, long double b, double f);
/// "%10.3f %10.3f %10.3f": a point of a two-parameter surface.
std::string PointLine(double x, double y, double z);
/// "%10.3f %10.3f %10.3f %10.4f": t and the point of a space curve.
std::string CurveLine(double t, double x, double y, double z);

class ValueListing {
public:
    /// A listing never grows past this many lines: a space curve with a tiny
    /// step would otherwise exhaust memory; the lines beyond are not kept.
    static constexpr std::size_t MaxLines = 1000000;

    void add(std::string line) {
        if (lines_.size() < MaxLines) lines_.push_back(std::move(line));
    }
    const std::vector<std::string>& lines() const { return lines_; }
    void handTo(Host& h) const { h.setListing(lines_); }

private:
    std::vector<std::string> lines_;
};

}  // namespace vemlo
