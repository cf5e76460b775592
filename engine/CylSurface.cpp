#include <cmath>

#include "engine/Builders.h"
#include "engine/Facets.h"
#include "engine/SurfaceFrame.h"

namespace vemlo {

namespace {

Vec3 Position(double r, double t) {
    const long double rl = r, tl = t;
    return {static_cast<double>(rl * std::cos(tl)), static_cast<double>(rl * std::sin(tl)), 0};
}

class CylModel : public SurfaceModel {
public:
    CylModel(GraphState& g, PointEval& ev) : g_(g), ev_(ev) {}

    void beginCell(double r, double t) override { place(r, t); }
    Verdict testCorner(double r, double t) override {
        return HeightTest(g_, ev_.CN(r, t), g_.WMinZ, g_.WMaxZ);
    }
    Vec3 point(double r, double t) override {
        Vec3 p = Position(r, t);
        p.z = ev_.CN(r, t);
        return p;
    }
    Vec3 corner(double r, double t) override {
        place(r, t);
        return {g_.X, g_.Y, ev_.CN(r, t)};
    }
    bool centre(double rc, double tc, Vec3& p) override {
        p = point(rc, tc);
        return true;
    }
    Verdict colour(double rc, double tc, const Eye& e, Color& fill) override {
        const auto f = [this](double r, double t) { return ev_.CN(r, t); };
        const double fr = ForwardDifference(f, rc, tc, true);
        const double ft = ForwardDifference(f, rc, tc, false);
        const long double c = std::cos(static_cast<long double>(tc));
        const long double s = std::sin(static_cast<long double>(tc));
        long double fx = fr * c, fy = fr * s;
        // On the axis the angular slope has no meaning; the radial one alone
        // gives the cell a finite colour.
        if (rc != 0) {
            fx -= ft * s / rc;
            fy += ft * c / rc;
        }
        fill = SlopeColor(g_, e, static_cast<double>(fx), static_cast<double>(fy));
        return Verdict::Keep;
    }

private:
    void place(double r, double t) {
        const Vec3 p = Position(r, t);
        g_.X = p.x;
        g_.Y = p.y;
    }

    GraphState& g_;
    PointEval& ev_;
};

}  // namespace

void EvaluateCyl(GraphState& g, Canvas& c, Host& h, EvalPath path) {
    PointEval ev(g, path);
    CylModel model(g, ev);
    ClearQuads(g);
    const ParamGrid p{{g.MinR, g.MaxR, StepOf(g.MinR, g.MaxR, g.DeltaX)},
                      {g.MinT, g.MaxT, StepOf(g.MinT, g.MaxT, g.DeltaY)}};
    const BuildEnd end = BuildHeightSurface(
        g, c, h, ev, model, p, 0.01, g.R, g.T, [&](double r, double t) { return ev.CN(r, t); },
        ValueListing::Form::Degrees);
    if (end == BuildEnd::Stopped) return;
    if (end == BuildEnd::Grid) h.setCursor(CursorKind::Default);
    c.setPenColor(g.DColor);
    c.setPenStyle(TPenStyle::Solid);
}

}  // namespace vemlo
