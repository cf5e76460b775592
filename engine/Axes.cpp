#include "engine/Axes.h"

#include <cmath>

#include "engine/Numeric.h"
#include "engine/View.h"

namespace vemlo {

namespace {

constexpr Color kWhite = 0xFFFFFF;
// The angles an eye can be set to exactly, as doubles: the view commands store
// degrees * pi / 180, so straight-down and side-on views hit these values.
constexpr double kHalfPi = static_cast<double>(PiL / 2);
constexpr double kPi = static_cast<double>(PiL);

// Ticks sit at every whole number of the window box. Beyond this many per run
// they are far denser than the pixels and would only stall the program.
constexpr std::int64_t kMaxTicksPerRun = 100000;

std::int64_t TickBound(double v) { return RoundClamped(v, -kMaxTicksPerRun, kMaxTicksPerRun, 0); }

// The upward run 1..Round(max), then the downward run 1, 0, ..., Round(min).
template <typename DrawOne>
void TickRuns(double maxValue, double minValue, DrawOne draw) {
    const std::int64_t hi = TickBound(maxValue);
    for (std::int64_t i = 1; i <= hi; ++i) draw(static_cast<double>(i));
    const std::int64_t lo = TickBound(minValue);
    for (std::int64_t i = 1; i >= lo; --i) draw(static_cast<double>(i));
}

// A tick centred on P0, 2D pixels long, pointing from P0 towards P1.
void CrossTick(Canvas& c, PointType p0, PointType p1, double d) {
    const std::int64_t dx = static_cast<std::int64_t>(p1.x) - p0.x;
    const std::int64_t dy = static_cast<std::int64_t>(p1.y) - p0.y;
    const std::int64_t sq = dx * dx + dy * dy;
    std::int64_t ox = 0, oy = 0;
    if (sq != 0) {
        const double f = d / std::sqrt(static_cast<double>(sq));
        ox = Round64(static_cast<double>(dx) * f);
        oy = Round64(static_cast<double>(dy) * f);
    }
    c.moveTo(static_cast<int>(p0.x + ox), static_cast<int>(p0.y + oy));
    c.lineTo(static_cast<int>(p0.x - ox), static_cast<int>(p0.y - oy));
}

void Letter(const GraphState& g, Canvas& c, PointType p, const char* letter) {
    const int w = c.textWidth("M");
    const bool right = static_cast<long double>(g.Theta) < PiL / 2;
    c.textOut(right ? p.x + w : p.x - w, p.y, letter);
}

}  // namespace

void Axes(const GraphState& g, Canvas& c) {
    c.setPenWidth(1);
    c.setPenColor(g.EraseAxes ? g.BColor : g.ColorAxes);
    c.setPenStyle(TPenStyle::DashDot);
    c.setFontColor(g.ColorFont);
    c.setBrushColor(g.PColor);

    const PointType o = Shape(g, 0, 0, 0);

    const PointType yNeg = Shape(g, 0, 1.1 * g.WMinY, 0);
    c.moveTo(yNeg.x, yNeg.y);
    if (g.WMinY < 0) c.lineTo(o.x, o.y);

    c.moveTo(o.x, o.y);
    const PointType yPos = Shape(g, 0, 1.1 * g.WMaxY, 0);
    if (g.WMaxY > 0) {
        c.lineTo(yPos.x, yPos.y);
        Letter(g, c, yPos, "Y");
    }

    if (g.Phi != 0) {
        c.moveTo(o.x, g.FLo - 15);
        c.lineTo(o.x, 15);
        c.textOut(o.x - 12, 5, "Z");
    }

    c.moveTo(o.x, o.y);
    if (g.WMaxX >= 0) {
        const PointType xPos = Shape(g, 1.1 * g.WMaxX, 0, 0);
        c.lineTo(xPos.x, xPos.y);
        Letter(g, c, xPos, "X");
    }

    c.moveTo(o.x, o.y);
    if (g.WMinX < 0) {
        const PointType xNeg = Shape(g, 1.1 * g.WMinX, 0, 0);
        c.lineTo(xNeg.x, xNeg.y);
    }

    c.setPenStyle(TPenStyle::Solid);
    Tick(g, c);
    c.setPenWidth(2);
}

void Tick(const GraphState& g, Canvas& c) {
    const std::int64_t w = static_cast<std::int64_t>(g.FRight) - g.FLeft;
    const double d = static_cast<double>(w) / 250;
    const std::int64_t u = Round64(static_cast<double>(w) / 500);
    const double sx = (g.WMaxX - g.WMinX) / 15;
    const double sy = (g.WMaxY - g.WMinY) / 15;

    c.setPenColor(g.EraseAxes ? kWhite : g.ColorTick);

    if (!(g.Theta == 0 || g.Phi == kHalfPi)) {
        TickRuns(g.WMaxX, g.WMinX, [&](double i) { CrossTick(c, Shape(g, i, 0, 0), Shape(g, i, sy, 0), d); });
    }
    if (!(g.Theta == kHalfPi || g.Phi == kHalfPi)) {
        TickRuns(g.WMaxY, g.WMinY, [&](double i) { CrossTick(c, Shape(g, 0, i, 0), Shape(g, sx, i, 0), d); });
    }
    if (!(g.Phi == 0 || g.Phi == kPi)) {
        TickRuns(g.WMaxZ, g.WMinZ, [&](double i) {
            const PointType p = Shape(g, 0, 0, i);
            c.moveTo(static_cast<int>(p.x - u), p.y);
            c.lineTo(static_cast<int>(p.x + u), p.y);
        });
    }
}

}  // namespace vemlo
