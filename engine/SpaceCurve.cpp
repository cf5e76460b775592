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
    // The listing is the plot's own points, up to its limit, kept as they are
    // worked out: no second walk over t once the curve is drawn.
    ValueListing list(ValueListing::Form::Curve);
    double listed = g.MinT;  // t of the last listed point
    for (g.T = g.MinT; walk.runs(g.T); g.T = walk.next(g.T)) {
        h.processMessages();
        if (!g.Drawing) {
            g.Drawing = true;
            return;
        }
        const CurvePoint p = At(ev, g.T);
        draw(p);
        if (g.FuncError) return;
        if (!list.full()) {
            list.add(g.T, p.x, p.y, p.z);
            listed = g.T;
        }
    }

    // Leave what a walk over the listed points leaves: the flags of z at the
    // last of them, and t at the first point not listed.
    if (!list.empty()) {
        const double end = g.T;
        ev.ZP(listed);
        g.T = list.full() ? walk.next(listed) : end;
    }
    h.setListing(std::move(list));
}

}  // namespace vemlo
