#include "engine/SurfaceFrame.h"

#include <cmath>
#include <optional>
#include <utility>

#include "engine/Listing.h"
#include "engine/Shading.h"
#include "engine/View.h"

namespace vemlo {

Eye EyeOf(const GraphState& g) {
    const long double rho = g.Rho;
    const long double st = std::sin(static_cast<long double>(g.Theta));
    const long double ct = std::cos(static_cast<long double>(g.Theta));
    const long double sp = std::sin(static_cast<long double>(g.Phi));
    const long double cp = std::cos(static_cast<long double>(g.Phi));
    Eye e;
    e.E.x = static_cast<double>(rho * sp * ct);
    e.E.y = static_cast<double>(rho * sp * st);
    e.E.z = static_cast<double>(rho * cp);
    e.len = std::sqrt(e.E.x * e.E.x + e.E.y * e.E.y + e.E.z * e.E.z);
    return e;
}

double ForwardDifference(const std::function<double(double, double)>& f, double a, double b, bool alongA) {
    constexpr double h = 0.001;
    const double ahead = alongA ? f(a + h, b) : f(a, b + h);
    return (ahead - f(a, b)) / h;
}

Verdict HeightTest(GraphState& g, double f, double lo, double hi) {
    if (g.TokenError) {
        g.FuncError = true;
        return Verdict::Stop;
    }
    if (g.MathError || !std::isfinite(f) || f < lo || f > hi) return Verdict::Skip;
    return Verdict::Keep;
}

Color SlopeColor(GraphState& g, const Eye& e, double fx, double fy) {
    const Vec3& E = e.E;
    const bool upper = !(E.z < E.x * fx + E.y * fy);
    if (!g.Shading) return upper ? g.AColor : g.UColor;
    const double L = std::sqrt(fx * fx + fy * fy + 1);
    double N;
    if (upper) {
        N = (E.z - E.x * fx - E.y * fy) / (e.len * L);
        GetTheShade(N, g.AColor, g.SColor);
    } else {
        const double cs = (E.x * fx - E.y * fy - E.z) / (e.len * L);
        N = std::sqrt(1 - cs * cs);
        GetTheShade(N, g.UColor, g.SColor);
    }
    g.NormAngle = N;
    return g.SColor;
}

namespace {

enum class CellEnd { Next, Stop };

CellEnd BuildCell(GraphState& g, SurfaceModel& m, const Eye& e, double u, double v, double du, double dv,
                  int& k) {
    m.beginCell(u, v);
    const double cu[5] = {0, u, u + du, u + du, u};
    const double cv[5] = {0, v, v, v + dv, v + dv};

    Verdict test = Verdict::Keep;
    for (int i = 1; i <= 4 && test == Verdict::Keep; ++i) test = m.testCorner(cu[i], cv[i]);
    if (test == Verdict::Stop) return CellEnd::Stop;
    if (test == Verdict::Skip) return CellEnd::Next;

    PolyRecord& f = g.Polys;
    for (int i = 1; i <= 4; ++i) {
        const Vec3 p = m.corner(cu[i], cv[i]);
        if (g.FuncError) return CellEnd::Stop;
        const std::optional<PointType> q = ShapeFinite(g, p.x, p.y, p.z);
        if (!q) return CellEnd::Next;  // a corner that cannot be placed skips the cell
        f.Corners[i] = *q;
    }

    const double uc = u + du / 2, vc = v + dv / 2;
    Vec3 c;
    if (!m.centre(uc, vc, c)) return CellEnd::Stop;
    const double ex = c.x - e.E.x, ey = c.y - e.E.y, ez = c.z - e.E.z;
    f.Depth = std::sqrt(ex * ex + ey * ey + ez * ez);

    Color fill = f.FillColor;
    if (m.colour(uc, vc, e, fill) == Verdict::Stop) return CellEnd::Stop;
    f.FillColor = fill;

    if (!g.CutCalled) g.Quads[++k] = f;
    g.CutCalled = false;
    return CellEnd::Next;
}

}  // namespace

bool BuildSurface(GraphState& g, Canvas& c, Host& h, PointEval& ev, SurfaceModel& m, const ParamGrid& p,
                  double tol) {
    g.Polys.FillColor = g.AColor;
    const Eye e = EyeOf(g);
    const Sweep su = p.u.cells(tol), sv = p.v.cells(tol);
    int k = 0;
    for (double u = p.u.min; su.runs(u) && k < MaxQuads; u = su.next(u)) {
        for (double v = p.v.min; sv.runs(v) && k < MaxQuads; v = sv.next(v)) {
            h.processMessages();
            if (!g.Drawing) {
                g.Drawing = true;
                return false;
            }
            g.MathError = g.TokenError = g.FuncError = false;
            if (BuildCell(g, m, e, u, v, p.u.step, p.v.step, k) == CellEnd::Stop) return false;
        }
    }
    ev.Order(c, k);
    return true;
}

bool DrawLineCase(GraphState& g, Canvas& c, SurfaceModel& m, const ParamGrid& p) {
    c.setPenColor(g.GridColor);
    const bool alongV = p.u.step == 0 && p.v.step != 0;
    const bool alongU = p.u.step != 0 && p.v.step == 0;
    if (!alongU && !alongV) return true;
    const Axis& a = alongV ? p.v : p.u;
    const Sweep s = a.points();
    auto at = [&](double w) { return alongV ? m.point(p.u.min, w) : m.point(w, p.v.min); };
    for (double w = a.min; s.runs(w);) {
        // A segment with an end that cannot be placed is left out.
        const Vec3 from = at(w);
        const std::optional<PointType> pf = ShapeFinite(g, from.x, from.y, from.z);
        if (g.FuncError) return false;
        if (pf) c.moveTo(pf->x, pf->y);
        w = s.next(w);
        if (std::isnan(w)) break;
        const Vec3 to = at(w);
        const std::optional<PointType> pt = ShapeFinite(g, to.x, to.y, to.z);
        if (g.FuncError) return false;
        if (pf && pt) c.lineTo(pt->x, pt->y);
    }
    return true;
}

void ListGrid(double& u, double& v, const ParamGrid& p, const std::function<void(double, double)>& visit) {
    const Sweep su = p.u.points(), sv = p.v.points();
    for (u = p.u.min; su.runs(u); u = su.next(u))
        for (v = p.v.min; sv.runs(v); v = sv.next(v)) visit(u, v);
}

BuildEnd BuildHeightSurface(GraphState& g, Canvas& c, Host& h, PointEval& ev, SurfaceModel& m,
                            const ParamGrid& p, double tol, double& u, double& v,
                            const std::function<double(double, double)>& value, ValueListing::Form form) {
    const bool lineCase = p.u.step * p.v.step == 0;
    if (lineCase) {
        // No cell clears FuncError here, and FN never does: a flag left by an
        // earlier failed drawing must not stop this one.
        g.MathError = g.TokenError = g.FuncError = false;
        if (!DrawLineCase(g, c, m, p)) return BuildEnd::Stopped;
    } else if (!BuildSurface(g, c, h, ev, m, p, tol)) {
        return BuildEnd::Stopped;
    }
    ValueListing list(form);
    ListGrid(u, v, p, [&](double a, double b) {
        const double f = value(a, b);
        if (lineCase || !g.MathError) list.add(a, b, f);
    });
    h.setListing(std::move(list));
    return lineCase ? BuildEnd::Line : BuildEnd::Grid;
}

}  // namespace vemlo
