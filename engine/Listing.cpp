#include "engine/Listing.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>

#include "engine/Numeric.h"

namespace vemlo {

namespace {

// printf's "%W.Pf" and "%.PE", through to_chars, which rounds the same way
// and is several times faster on the thousands of lines of a listing.
constexpr int kRoom = 400;  // the widest fixed-point double, with decimals

void AppendFixed(std::string& s, double v, int width, int prec) {
    char buf[kRoom];
    int n;
    if (std::isfinite(v)) {
        n = static_cast<int>(std::to_chars(buf, buf + kRoom, v, std::chars_format::fixed, prec).ptr - buf);
    } else {
        n = std::snprintf(buf, kRoom, "%.*f", prec, v);
    }
    if (n < width) s.append(static_cast<std::size_t>(width - n), ' ');
    s.append(buf, static_cast<std::size_t>(n));
}

// An extended value (the degrees of a cylindrical listing); one that is a
// double goes the fast way.
void AppendFixed(std::string& s, long double v, int width, int prec) {
    if (static_cast<long double>(static_cast<double>(v)) == v) {
        AppendFixed(s, static_cast<double>(v), width, prec);
        return;
    }
    char buf[kRoom];
    int n = std::snprintf(buf, kRoom, "%.*Lf", prec, v);
    if (n >= kRoom) n = kRoom - 1;
    if (n < width) s.append(static_cast<std::size_t>(width - n), ' ');
    s.append(buf, static_cast<std::size_t>(n));
}

void AppendScientific(std::string& s, double v) {
    char buf[kRoom];
    int n;
    if (std::isfinite(v)) {
        char* end = std::to_chars(buf, buf + kRoom, v, std::chars_format::scientific, 3).ptr;
        for (char* p = buf; p != end; ++p)
            if (*p == 'e') *p = 'E';
        n = static_cast<int>(end - buf);
    } else {
        n = std::snprintf(buf, kRoom, "%.3E", v);
    }
    s.append(buf, static_cast<std::size_t>(n));
}

bool FixedForm(double f) {
    const double a = std::fabs(f);
    return f == 0 || (static_cast<long double>(a) > 0.01L && a < 1000000.0);
}

}  // namespace

std::string ValueLine(double a, long double b, double f) {
    std::string s;
    s.reserve(40);
    AppendFixed(s, a, 10, 3);
    s += ' ';
    AppendFixed(s, b, 10, 3);
    if (FixedForm(f)) {
        s += ' ';
        AppendFixed(s, f, 10, 4);
    } else {
        s += "        ";  // the separating blank and seven more
        AppendScientific(s, f);
    }
    return s;
}

std::string PointLine(double x, double y, double z) {
    std::string s;
    s.reserve(40);
    AppendFixed(s, x, 10, 3);
    s += ' ';
    AppendFixed(s, y, 10, 3);
    s += ' ';
    AppendFixed(s, z, 10, 3);
    return s;
}

std::string CurveLine(double t, double x, double y, double z) {
    std::string s = PointLine(t, x, y);
    s += ' ';
    AppendFixed(s, z, 10, 4);
    return s;
}

ValueListing ValueListing::FromLines(std::vector<std::string> lines) {
    ValueListing list;
    if (lines.size() > MaxLines) lines.resize(MaxLines);
    list.text_ = std::move(lines);
    return list;
}

void ValueListing::add(double a, double b, double c, double d) {
    if (form_ == Form::Text || full()) return;
    if (numbers_.empty()) numbers_.reserve(Width(form_) * 1024);
    numbers_.insert(numbers_.end(), {a, b, c});
    if (form_ == Form::Curve) numbers_.push_back(d);
}

std::string ValueListing::line(std::size_t i) const {
    if (form_ == Form::Text) return text_[i];
    const double* n = &numbers_[i * Width(form_)];
    switch (form_) {
        case Form::Value:
            return ValueLine(n[0], n[1], n[2]);
        case Form::Degrees:
            return ValueLine(n[0], n[1] * 180 / PiL, n[2]);
        case Form::Point:
            return PointLine(n[0], n[1], n[2]);
        case Form::Curve:
            return CurveLine(n[0], n[1], n[2], n[3]);
        case Form::Text:
            break;
    }
    return {};
}

std::vector<std::string> ValueListing::lines() const {
    std::vector<std::string> out;
    out.reserve(size());
    for (std::size_t i = 0; i < size(); ++i) out.push_back(line(i));
    return out;
}

}  // namespace vemlo
