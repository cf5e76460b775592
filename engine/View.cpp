#include "engine/View.h"

#include <chrono>
#include <cmath>
#include <thread>

#include "engine/Numeric.h"

namespace vemlo {

namespace {

struct ViewPoint {
    double r, s, t;
};

ViewPoint ToView(const GraphState& g, double x, double y, double z) {
    const Mat1& m = g.M1;
    ViewPoint v;
    v.r = m[1][1] * x + m[2][1] * y + m[3][1] * z + m[4][1];
    v.s = m[1][2] * x + m[2][2] * y + m[3][2] * z + m[4][2];
    v.t = m[1][3] * x + m[2][3] * y + m[3][3] * z + m[4][3];
    return v;
}

// Pixel coordinates stay far from the int32 limits so that callers can add
// offsets and square differences in 64 bits without overflow.
constexpr std::int64_t kPixelLimit = std::int64_t{1} << 30;

std::int64_t ToPixel(double v) {
    if (v < 1) return 1;
    return RoundClamped(v, 1, kPixelLimit, 0);
}

std::int32_t Offset(std::int64_t p, std::int32_t origin) {
    const std::int64_t q = p - origin;
    if (q > INT32_MAX) return INT32_MAX;
    if (q < INT32_MIN) return INT32_MIN;
    return static_cast<std::int32_t>(q);
}

struct Projected {
    double X, Y;
};

// The point's position in window client pixels, before rounding.
Projected Project(const GraphState& g, double x, double y, double z) {
    const ViewPoint v = ToView(g, x, y, z);
    const Mat2& m = g.M2;
    const double X = m[1][1] * v.r + m[2][1] * v.s + m[3][1] * v.t;
    const double Y = m[1][2] * v.r + m[2][2] * v.s + m[3][2] * v.t;
    const double t = v.t == 0 ? 1.0 : v.t;
    return {X / t, Y / t};
}

PointType ToImage(const GraphState& g, const Projected& p) {
    return {Offset(ToPixel(p.X), g.FLeft), Offset(ToPixel(p.Y), g.FHi)};
}

}  // namespace

void Matrix1(GraphState& g, double dis, double rho, double theta, double phi) {
    const double d = dis - rho;
    const double e = rho - dis;
    const long double st = std::sin(static_cast<long double>(theta));
    const long double ct = std::cos(static_cast<long double>(theta));
    const long double sp = std::sin(static_cast<long double>(phi));
    const long double cp = std::cos(static_cast<long double>(phi));
    const long double dl = d;
    const long double el = e;
    Mat1& m = g.M1;
    m[1][1] = static_cast<double>(dl * st);
    m[1][2] = static_cast<double>(dl * cp * ct);
    m[1][3] = static_cast<double>(-sp * ct);
    m[2][1] = static_cast<double>(el * ct);
    m[2][2] = static_cast<double>(dl * cp * st);
    m[2][3] = static_cast<double>(-sp * st);
    m[3][1] = 0;
    m[3][2] = static_cast<double>(el * sp);
    m[3][3] = static_cast<double>(-cp);
    m[4][1] = 0;
    m[4][2] = 0;
    m[4][3] = rho;
}

void WShape2(GraphState& g, double x, double y, double z) {
    const ViewPoint v = ToView(g, x, y, z);
    g.WMinR1 = g.WMaxR1 = v.r;
    g.WMinS1 = g.WMaxS1 = v.s;
    g.WMinT1 = g.WMaxT1 = v.t;
}

void WShape1(GraphState& g, double x, double y, double z) {
    const ViewPoint v = ToView(g, x, y, z);
    auto widen = [](double value, double& lo, double& hi) {
        if (value <= lo) lo = value;
        if (value >= hi) hi = value;
    };
    widen(v.r, g.WMinR1, g.WMaxR1);
    widen(v.s, g.WMinS1, g.WMaxS1);
    widen(v.t, g.WMinT1, g.WMaxT1);
}

void WShapeIt(GraphState& g) {
    WShape1(g, g.WMaxX, g.WMaxY, g.WMaxZ);
    WShape1(g, g.WMaxX, g.WMinY, g.WMaxZ);
    WShape1(g, g.WMinX, g.WMaxY, g.WMaxZ);
    WShape1(g, g.WMinX, g.WMinY, g.WMaxZ);
    WShape1(g, g.WMinX, g.WMaxY, g.WMinZ);
    WShape1(g, g.WMinX, g.WMinY, g.WMinZ);
    WShape1(g, g.WMaxX, g.WMinY, g.WMinZ);
    WShape1(g, g.WMaxX, g.WMaxY, g.WMinZ);
}

void Matrix2(GraphState& g) {
    const double xl = static_cast<double>(g.FLeft) + 20;
    const double xr = static_cast<double>(g.FRight) - 20;
    const double yt = static_cast<double>(g.FHi) + 20;
    const double yb = static_cast<double>(g.FLo) - 20;
    WShape2(g, g.WMaxX, g.WMaxY, g.WMaxZ);
    WShapeIt(g);
    double d1 = g.WMaxR1 * g.WMinT1 - g.WMinR1 * g.WMaxT1;
    if (d1 == 0) d1 = 1;
    double d2 = g.WMaxS1 * g.WMinT1 - g.WMinS1 * g.WMaxT1;
    if (d2 == 0) d2 = 1;
    Mat2& m = g.M2;
    m[1][1] = (xr - xl) * (g.WMinT1 * g.WMaxT1) / d1;
    m[2][2] = (yt - yb) * (g.WMinT1 * g.WMaxT1) / d2;
    m[3][1] = (xr - xl) * (-g.WMinR1 * g.WMaxT1) / d1 + xl;
    m[3][2] = (yt - yb) * (-g.WMaxS1 * g.WMinT1) / d2 + yt;
    m[3][3] = 1;
    m[1][2] = m[1][3] = m[2][1] = m[2][3] = 0;
}

void Shape(const GraphState& g, double x, double y, double z, std::int32_t& px, std::int32_t& py) {
    const PointType p = ToImage(g, Project(g, x, y, z));
    px = p.x;
    py = p.y;
}

PointType Shape(const GraphState& g, double x, double y, double z) { return ToImage(g, Project(g, x, y, z)); }

std::optional<PointType> ShapeFinite(const GraphState& g, double x, double y, double z) {
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z)) return std::nullopt;
    const Projected p = Project(g, x, y, z);
    if (!std::isfinite(p.X) || !std::isfinite(p.Y)) return std::nullopt;
    return ToImage(g, p);
}

bool PlotPoint(const GraphState& g, Canvas& c, double x, double y, double z) {
    c.setPenColor(g.DColor);
    const std::optional<PointType> p = ShapeFinite(g, x, y, z);
    if (!p) return false;
    c.moveTo(p->x, p->y);
    c.lineTo(p->x, p->y);
    return true;
}

bool Sketch(const GraphState& g, Canvas& c, double x, double y, double z) {
    c.setPenColor(g.DColor);
    const std::optional<PointType> p = ShapeFinite(g, x, y, z);
    if (!p) return false;
    c.lineTo(p->x, p->y);
    return true;
}

void Delay(int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace vemlo
