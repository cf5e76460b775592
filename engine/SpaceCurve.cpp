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

    const CurvePoint start = At(ev, g.MinT);
    PlotPoint(g, c, start.x, start.y, start.z);
    if (g.FuncError) return;
    for (g.T = g.MinT; walk.runs(g.T); g.T = walk.next(g.T)) {
        h.processMessages();
        if (!g.Drawing) {
            g.Drawing = true;
            return;
        }
        const CurvePoint p = At(ev, g.T);
        Sketch(g, c, p.x, p.y, p.z);
        if (g.FuncError) return;
    }

    ValueListing list;
    for (g.T = g.MinT; walk.runs(g.T) && list.lines().size() < ValueListing::MaxLines; g.T = walk.next(g.T)) {
        const double t = g.T;
        const double x = ev.XP(t);
        const double y = ev.YP(t);
        list.add(CurveLine(t, x, y, ev.ZP(t)));
    }
    list.handTo(h);
}

}  // namespace vemlo
