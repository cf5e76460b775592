#include "engine/Decorations.h"

#include <cmath>

#include "engine/Axes.h"
#include "engine/NamedColors.h"
#include "engine/Modes.h"
#include "engine/Settings.h"
#include "engine/Sweep.h"
#include "engine/View.h"

namespace vemlo {

namespace {

// Reads an entry into v; tells whether the value changed.
bool Changed(GraphState& g, const std::string& text, double& v) {
    const double old = v;
    ConvertEntry(g, text, v);
    return v != old;
}

}  // namespace

// ---- Tangent plane ----------------------------------------------------------

void ResetPlane(GraphState& g) {
    if (g.PlaneFlag) return;
    g.P1 = g.P2 = g.P3 = 0;
    g.N1 = g.N2 = g.N3 = 0;
    double hx = (g.WMaxX - g.WMinX) / 15;
    double hy = (g.WMaxY - g.WMinY) / 15;
    if (hx == 0) hx = 0.5;
    if (hy == 0) hy = 0.5;
    g.PMinX = -hx;
    g.PMaxX = hx;
    g.PMinY = -hy;
    g.PMaxY = hy;
}

void ApplyPlane(GraphState& g, const std::array<std::string, 10>& boxes) {
    double* const data[6] = {&g.P1, &g.P2, &g.P3, &g.N1, &g.N2, &g.N3};
    for (std::size_t i = 0; i < 6; ++i)
        if (Changed(g, boxes[i], *data[i])) g.PlaneFlag = true;

    auto size = [&g](const std::string& text, double& v, bool minimum) {
        const double old = v;
        ConvertEntry(g, text, v);
        if (minimum ? !(v < 0) : !(v > 0)) v = old;
    };
    size(boxes[6], g.PMinX, true);
    size(boxes[7], g.PMaxX, false);
    size(boxes[8], g.PMinY, true);
    size(boxes[9], g.PMaxY, false);
}

double PF(const GraphState& g, double x, double y) {
    if (g.N3 != 0) return (g.N3 * g.P3 + (g.N2 * g.P2 + g.N1 * g.P1) - g.N1 * x - g.N2 * y) / g.N3;
    if (g.N2 != 0) return (g.N2 * g.P2 + (g.N1 * g.P1 - g.N1 * x)) / g.N2;
    return g.P1;
}

std::array<WorldPoint, 4> PlaneCorners(const GraphState& g) {
    if (g.N3 != 0) {
        auto at = [&g](double x, double y) { return WorldPoint{x, y, PF(g, x, y)}; };
        return {at(g.P1 + g.PMinX, g.P2 + g.PMinY), at(g.P1 + g.PMaxX, g.P2 + g.PMinY),
                at(g.P1 + g.PMaxX, g.P2 + g.PMaxY), at(g.P1 + g.PMinX, g.P2 + g.PMaxY)};
    }
    const double top = g.P3 + g.PMaxY, bottom = g.P3 - g.PMaxY;
    if (g.N2 != 0) {
        const double yMax = PF(g, g.PMaxX, 0), yMin = PF(g, g.PMinX, 0);
        return {WorldPoint{g.PMaxX, yMax, top}, WorldPoint{g.PMinX, yMin, top},
                WorldPoint{g.PMinX, yMin, bottom}, WorldPoint{g.PMaxX, yMax, bottom}};
    }
    return {WorldPoint{g.P1, g.PMinY, top}, WorldPoint{g.P1, g.PMaxY, top}, WorldPoint{g.P1, g.PMaxY, bottom},
            WorldPoint{g.P1, g.PMinY, bottom}};
}

void DrawPlane(GraphState& g, Canvas& c, Host& h) {
    if (!g.PlaneFlag) {
        h.message("Enter data for the plane first");
        return;
    }
    // A fixed pen: the patch looks the same whichever command drew last.
    c.setPenColor(g.DColor);
    c.setPenWidth(2);
    c.setPenStyle(TPenStyle::Solid);
    c.setBrushColor(g.DColor);
    c.setBrushStyle(TBrushStyle::Solid);

    const std::array<WorldPoint, 4> corners = PlaneCorners(g);
    bool placeable = true;
    for (std::size_t k = 0; k < 4; ++k) {
        const WorldPoint& w = corners[k];
        if (const auto p = ShapeFinite(g, w.x, w.y, w.z))
            g.Poly[k + 1] = *p;
        else
            placeable = false;
    }
    if (placeable) c.polygon(&g.Poly[1], 4);

    if (const auto p = ShapeFinite(g, g.P1, g.P2, g.P3)) {
        c.setPenColor(colors::Lime);
        c.moveTo(p->x, p->y);
        c.lineTo(p->x + 1, p->y + 1);
    }
    Axes(g, c);
}

void EditPlane(GraphState& g, Canvas& c, Host& h) {
    ResetPlane(g);
    if (g.PlaneDraw) DrawPlane(g, c, h);
}

// ---- Line -------------------------------------------------------------------

void ResetLine(GraphState& g) {
    if (g.LineFlag) return;
    g.X1 = g.Y1 = g.Z1 = 0;
    g.X2 = g.Y2 = g.Z2 = 0;
}

void ApplyLine(GraphState& g, const std::array<std::string, 6>& boxes) {
    double* const ends[6] = {&g.X1, &g.Y1, &g.Z1, &g.X2, &g.Y2, &g.Z2};
    for (std::size_t i = 0; i < 6; ++i)
        if (Changed(g, boxes[i], *ends[i])) g.LineFlag = true;
}

void DrawLine(const GraphState& g, Canvas& c, Host& h) {
    if (!g.LineFlag) {
        h.message("Enter points for the line first");
        return;
    }
    c.setPenColor(g.DColor);
    const auto from = ShapeFinite(g, g.X1, g.Y1, g.Z1);
    const auto to = ShapeFinite(g, g.X2, g.Y2, g.Z2);
    if (!from || !to) return;
    c.moveTo(from->x, from->y);
    c.lineTo(to->x, to->y);
}

void EditLine(GraphState& g, Canvas& c, Host& h) {
    ResetLine(g);
    if (g.LineDraw) DrawLine(g, c, h);
}

// ---- Bounding box -----------------------------------------------------------

namespace {

// One running range of the extent. A value that is not finite is left out; a
// bound whose seed was left out takes the next finite value.
class Range {
public:
    Range(double& lo, double& hi) : lo_(lo), hi_(hi) {}
    void seed(double v) {
        if (!std::isfinite(v)) return;
        lo_ = hi_ = v;
        loSet_ = hiSet_ = true;
    }
    void low(double v) {
        if (!std::isfinite(v) || (loSet_ && !(v <= lo_))) return;
        lo_ = v;
        loSet_ = true;
    }
    void high(double v) {
        if (!std::isfinite(v) || (hiSet_ && !(v >= hi_))) return;
        hi_ = v;
        hiSet_ = true;
    }
    void take(double v) {
        low(v);
        high(v);
    }

private:
    double& lo_;
    double& hi_;
    bool loSet_ = false, hiSet_ = false;
};

// Visits start, start + step, ... while the value is not above the limit; a
// visit that returns false ends the walk, and so does a step that no longer
// moves the value. A step lost only in part to rounding still moves the value
// by most of a step, so a few times the intended number of visits bounds the
// walk whatever the range.
template <class Visit>
bool Walk(double start, double limit, double step, int intervals, Visit visit) {
    const Sweep s{limit, step};
    const int maxVisits = 4 * intervals + 4;
    int n = 0;
    for (double v = start; s.runs(v) && n < maxVisits; v = s.next(v), ++n)
        if (!visit(v)) return false;
    return true;
}

// The walk from hi down to lo by step, as the negated walk upwards (negation
// is exact, so -((-x) + step) is x - step).
template <class Visit>
bool WalkDown(double hi, double lo, double step, int intervals, Visit visit) {
    return Walk(-hi, -lo, step, intervals, [&visit](double w) { return visit(-w); });
}

double StepOrOne(double lo, double hi, double intervals) { return hi == lo ? 1.0 : (hi - lo) / intervals; }

// r cos t and r sin t in extended precision, rounded to doubles.
double PolarX(double r, double t) {
    return static_cast<double>(static_cast<long double>(r) * std::cos(static_cast<long double>(t)));
}
double PolarY(double r, double t) {
    return static_cast<double>(static_cast<long double>(r) * std::sin(static_cast<long double>(t)));
}

// Follows the edges of the box; an edge with an end that cannot be placed is left out.
class EdgePath {
public:
    EdgePath(const GraphState& g, Canvas& c) : g_(g), c_(c) {}
    void move(double x, double y, double z) {
        const auto p = ShapeFinite(g_, x, y, z);
        at_ = p.has_value();
        if (at_) c_.moveTo(p->x, p->y);
    }
    void line(double x, double y, double z) {
        const auto p = ShapeFinite(g_, x, y, z);
        if (p && at_)
            c_.lineTo(p->x, p->y);
        else if (p)
            c_.moveTo(p->x, p->y);
        at_ = p.has_value();
    }

private:
    const GraphState& g_;
    Canvas& c_;
    bool at_ = false;
};

void DrawBox(const GraphState& g, Canvas& c) {
    c.setPenColor(g.DColor);
    const double x0 = g.MinX, x1 = g.MaxX, y0 = g.MinY, y1 = g.MaxY, z0 = g.MinZ, z1 = g.MaxZ;
    EdgePath p(g, c);
    p.move(x1, y1, z0);
    p.line(x1, y0, z0);
    p.line(x0, y0, z0);
    p.line(x0, y1, z0);
    p.line(x1, y1, z0);
    p.line(x1, y1, z1);
    p.line(x1, y0, z1);
    p.line(x0, y0, z1);
    p.line(x0, y1, z1);
    p.line(x1, y1, z1);
    p.move(x1, y0, z0);
    p.line(x1, y0, z1);
    p.move(x0, y0, z0);
    p.line(x0, y0, z1);
    p.move(x0, y1, z0);
    p.line(x0, y1, z1);
}

}  // namespace

void EvaluateF1(GraphState& g, PointEval& ev) {
    const double hx = StepOrOne(g.MinX, g.MaxX, 15), hy = StepOrOne(g.MinY, g.MaxY, 15);
    const double first = ev.FN(g.MaxX, g.MaxY);
    if (g.FuncError) return;
    Range z(g.MinZ, g.MaxZ);
    z.seed(first);
    const double minY = g.MinY, maxY = g.MaxY;
    WalkDown(g.MaxX, g.MinX, hx, 15, [&](double x) {
        return WalkDown(maxY, minY, hy, 15, [&](double y) {
            const double v = ev.FN(x, y);
            z.low(v);
            if (g.FuncError) return false;
            z.high(v);
            return true;
        });
    });
}

void EvaluateCyl1(GraphState& g, PointEval& ev) {
    const double hr = StepOrOne(g.MinR, g.MaxR, 10), ht = StepOrOne(g.MinT, g.MaxT, 10);
    const double minR = g.MinR, maxR = g.MaxR, minT = g.MinT, maxT = g.MaxT;
    const double first = ev.CN(maxR, maxT);
    if (g.FuncError) return;
    Range x(g.MinX, g.MaxX), y(g.MinY, g.MaxY), z(g.MinZ, g.MaxZ);
    z.seed(first);
    x.seed(PolarX(maxR, maxT));
    y.seed(PolarY(maxR, maxT));
    WalkDown(maxR, minR, hr, 10, [&](double r) {
        return WalkDown(maxT, minT, ht, 10, [&](double t) {
            const double v = ev.CN(r, t);
            z.low(v);
            if (g.FuncError) return false;
            z.high(v);
            x.take(PolarX(r, t));
            y.take(PolarY(r, t));
            return true;
        });
    });
}

void EvaluatePar1(GraphState& g, PointEval& ev) {
    const double minT = g.MinT, maxT = g.MaxT;
    Range x(g.MinX, g.MaxX), y(g.MinY, g.MaxY), z(g.MinZ, g.MaxZ);
    x.seed(ev.XP(minT));
    y.seed(ev.YP(minT));
    z.seed(ev.ZP(minT));
    Walk(minT, maxT, (maxT - minT) / 100, 100, [&](double t) {
        const double zt = ev.ZP(t), yt = ev.YP(t), xt = ev.XP(t);
        if (g.FuncError) return false;
        x.take(xt);
        y.take(yt);
        z.take(zt);
        return true;
    });
}

void EvaluateTwoPar1(GraphState& g, PointEval& ev) {
    const double minU = g.MinU, maxU = g.MaxU, minV = g.MinV, maxV = g.MaxV;
    auto at = [&ev](double u, double v, double& xs, double& ys, double& zs) {
        zs = ev.ZS(u, v);
        ys = ev.YS(u, v);
        xs = ev.XS(u, v);
    };
    double xs, ys, zs;
    at(minU, minV, xs, ys, zs);
    if (g.FuncError) return;
    Range x(g.MinX, g.MaxX), y(g.MinY, g.MaxY), z(g.MinZ, g.MaxZ);
    x.seed(xs);
    y.seed(ys);
    z.seed(zs);
    Walk(minU, maxU, (maxU - minU) / 15, 15, [&](double u) {
        return Walk(minV, maxV, (maxV - minV) / 15, 15, [&](double v) {
            at(u, v, xs, ys, zs);
            if (g.FuncError) return false;
            x.take(xs);
            y.take(ys);
            z.take(zs);
            return true;
        });
    });
}

void BoxIt(GraphState& g, Canvas& c, bool drawBox, EvalPath path) {
    if (!IsGraphMode(g.Choice)) return;
    {
        PointEval ev(g, path);
        switch (g.Choice) {
            case '1':
                EvaluateF1(g, ev);
                break;
            case '2':
                EvaluateCyl1(g, ev);
                break;
            case '3':
                EvaluatePar1(g, ev);
                break;
            default:
                EvaluateTwoPar1(g, ev);
                break;
        }
    }
    if (drawBox) DrawBox(g, c);
}

}  // namespace vemlo
