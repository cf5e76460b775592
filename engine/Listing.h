#pragma once
/// The value listing of a drawing: the numbers of each listed point, kept as
/// numbers while the builder walks its points and handed to the host in one
/// go. A line's text is made only when it is asked for.

#include <cstddef>
#include <string>
#include <vector>

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

    /// How a line is made from its numbers.
    enum class Form {
        Text,     ///< lines given as text (FromLines)
        Value,    ///< ValueLine(a, b, f)
        Degrees,  ///< ValueLine(r, t in degrees, f): t is kept in radians
        Point,    ///< PointLine(x, y, z)
        Curve,    ///< CurveLine(t, x, y, z)
    };

    /// An empty listing.
    ValueListing() = default;
    explicit ValueListing(Form form) : form_(form) {}
    /// A listing of these very lines.
    static ValueListing FromLines(std::vector<std::string> lines);

    Form form() const { return form_; }
    /// The numbers of one line, in the order of its form's line (Curve takes
    /// all four, the others the first three); ignored once the listing is full.
    void add(double a, double b, double c, double d = 0);
    std::size_t size() const { return form_ == Form::Text ? text_.size() : numbers_.size() / Width(form_); }
    bool empty() const { return size() == 0; }
    bool full() const { return size() >= MaxLines; }

    /// Line i (0 <= i < size()), made from its numbers.
    std::string line(std::size_t i) const;
    /// Every line, in order.
    std::vector<std::string> lines() const;

private:
    static std::size_t Width(Form f) { return f == Form::Curve ? 4 : 3; }

    Form form_ = Form::Text;
    std::vector<double> numbers_;
    std::vector<std::string> text_;
};

}  // namespace vemlo
