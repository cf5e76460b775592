#include "engine/Builders.h"
#include "engine/Facets.h"
#include "engine/SurfaceFrame.h"

namespace vemlo {

namespace {

class RectModel : public SurfaceModel {
public:
    RectModel(GraphState& g, PointEval& ev) : g_(g), ev_(ev) {}

    Verdict testCorner(double x, double y) override {
        return HeightTest(g_, ev_.FN(x, y), g_.WMinZ - 2, g_.WMaxZ + 2);
    }
    Vec3 point(double x, double y) override { return {x, y, ev_.FN(x, y)}; }
    bool centre(double cx, double cy, Vec3& p) override {
        p = {cx, cy, ev_.FN(cx, cy)};
        return true;
    }
    Verdict colour(double cx, double cy, const Eye& e, Color& fill) override {
        const auto f = [this](double x, double y) { return ev_.FN(x, y); };
        const double fx = ForwardDifference(f, cx, cy, true);
        const double fy = ForwardDifference(f, cx, cy, false);
        fill = SlopeColor(g_, e, fx, fy);
        return Verdict::Keep;
    }

private:
    GraphState& g_;
    PointEval& ev_;
};

}  // namespace

void EvaluateRect(GraphState& g, Canvas& c, Host& h, EvalPath path) {
    PointEval ev(g, path);
    RectModel model(g, ev);
    ClearQuads(g);
    const ParamGrid p{{g.MinX, g.MaxX, StepOf(g.MinX, g.MaxX, g.DeltaX)},
                      {g.MinY, g.MaxY, StepOf(g.MinY, g.MaxY, g.DeltaY)}};
    const BuildEnd end = BuildHeightSurface(
        g, c, h, ev, model, p, 0.001, g.X, g.Y, [&](double x, double y) { return ev.FN(x, y); },
        ValueListing::Form::Value);
    if (end == BuildEnd::Grid) h.setCursor(CursorKind::Default);
}

}  // namespace vemlo
