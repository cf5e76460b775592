#include <utility>

#include "engine/Builders.h"
#include "engine/Listing.h"
#include "engine/Sweep.h"
#include "engine/View.h"

namespace vemlo {

namespace {

struct CurvePoint {
    double x, y, z;
};

// z first and x last, so that FuncError afterwards tells about x(t) alone.
CurvePoint At(PointEval& ev, double t) {
    CurvePoint p;
    p.z = ev.ZP(t);
    p.y = ev.YP(t);
    p.x = ev.XP(t);
    return p;
}

}  // namespace

void EvaluatePar(GraphState& g, Canvas& c, Host& h, EvalPath path) {
    PointEval ev(g, path);
    const Sweep walk{g.MaxT, g.Step};
    c.setPenColor(g.DColor);

    // A point that cannot be placed is not drawn and lifts the pen: the
    // curve starts again at the next point that can, with a dot as at MinT.
    bool penUp = true;
    auto draw = [&](const CurvePoint& p) {
        penUp = !(penUp ? PlotPoint(g, c, p.x, p.y, p.z) : Sketch(g, c, p.x, p.y, p.z));
    };
    draw(At(ev, g.MinT));
    if (g.FuncError) return;
    for (g.T = g.MinT; walk.runs(g.T); g.T = walk.next(g.T)) {
        h.processMessages();
        if (!g.Drawing) {
            g.Drawing = true;
            return;
        }
        draw(At(ev, g.T));
        if (g.FuncError) return;
    }

    ValueListing list(ValueListing::Form::Curve);
    for (g.T = g.MinT; walk.runs(g.T) && !list.full(); g.T = walk.next(g.T)) {
        const double t = g.T;
        const double x = ev.XP(t);
        const double y = ev.YP(t);
        list.add(t, x, y, ev.ZP(t));
    }
    h.setListing(std::move(list));
}

}  // namespace vemlo
