#include <cmath>
#include <utility>

#include "engine/Builders.h"
#include "engine/Facets.h"
#include "engine/Listing.h"
#include "engine/Shading.h"
#include "engine/SurfaceFrame.h"

namespace vemlo {

namespace {

class TwoParModel : public SurfaceModel {
public:
    TwoParModel(GraphState& g, PointEval& ev, const ParamGrid& p) : g_(g), ev_(ev), p_(p) {}

    Verdict testCorner(double, double) override { return Verdict::Keep; }
    Vec3 point(double u, double v) override {
        Vec3 q;
        q.z = ev_.ZS(u, v);
        q.y = ev_.YS(u, v);
        q.x = ev_.XS(u, v);
        return q;
    }
    bool centre(double uc, double vc, Vec3& q) override {
        q.x = ev_.XS(uc, vc);
        q.y = ev_.YS(uc, vc);
        q.z = ev_.ZS(uc, vc);
        return !g_.FuncError;
    }
    Verdict colour(double uc, double vc, const Eye& e, Color& fill) override {
        if (p_.u.step * p_.v.step == 0) return Verdict::Keep;
        const std::function<double(double, double)> coords[3] = {
            [this](double u, double v) { return ev_.XS(u, v); },
            [this](double u, double v) { return ev_.YS(u, v); },
            [this](double u, double v) { return ev_.ZS(u, v); }};
        double du[3], dv[3];
        for (bool alongU : {true, false})
            for (int i = 0; i < 3; ++i) {
                (alongU ? du : dv)[i] = ForwardDifference(coords[i], uc, vc, alongU);
                if (g_.FuncError) return Verdict::Stop;
            }
        const double nx = du[1] * dv[2] - du[2] * dv[1];
        const double ny = du[2] * dv[0] - du[0] * dv[2];
        const double nz = du[0] * dv[1] - du[1] * dv[0];
        const double D = nx * e.E.x + ny * e.E.y + nz * e.E.z;
        const Color base = D >= 0 ? g_.UColor : g_.AColor;
        if (!g_.Shading) {
            fill = base;
            return Verdict::Keep;
        }
        const double M = std::sqrt(nx * nx + ny * ny + nz * nz) * e.len;
        if (M == 0) return Verdict::Stop;
        const double N = D >= 0 ? D / M : -D / M;
        g_.NormAngle = N;
        GetTheShade(N, base, g_.SColor);
        fill = g_.SColor;
        return Verdict::Keep;
    }

private:
    GraphState& g_;
    PointEval& ev_;
    const ParamGrid& p_;
};

}  // namespace

void EvaluateTwoPar(GraphState& g, Canvas& c, Host& h, EvalPath path) {
    PointEval ev(g, path);
    ClearQuads(g);
    const ParamGrid p{{g.MinU, g.MaxU, StepOf(g.MinU, g.MaxU, g.DeltaX)},
                      {g.MinV, g.MaxV, StepOf(g.MinV, g.MaxV, g.DeltaY)}};
    TwoParModel model(g, ev, p);
    if (!BuildSurface(g, c, h, ev, model, p, 0.01)) return;
    ValueListing list(ValueListing::Form::Point);
    ListGrid(g.U, g.V, p, [&](double u, double v) {
        const double x = ev.XS(u, v);
        const double y = ev.YS(u, v);
        list.add(x, y, ev.ZS(u, v));
    });
    h.setListing(std::move(list));
    c.setPenColor(g.DColor);
    c.setPenStyle(TPenStyle::Solid);
    h.setCursor(CursorKind::Default);
}

}  // namespace vemlo
