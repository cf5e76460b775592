#include "engine/Evaluate.h"

#include "engine/Facets.h"
#include "formula/Evaluators.h"

namespace vemlo {

PointEval::PointEval(GraphState& g, EvalPath path)
    : g_(g), reference_(path == EvalPath::Reference), saved_(g.ReferenceParse) {
    g_.ReferenceParse = reference_;
    ++g_.Pass;
}

PointEval::~PointEval() { g_.ReferenceParse = saved_; }

double PointEval::FN(double x, double y) {
    g_.X = x;
    g_.Y = y;
    return vemlo::FN(g_, x, y);
}

double PointEval::CN(double r, double t) {
    g_.R = r;
    g_.T = t;
    return vemlo::CN(g_, r, t);
}

double PointEval::XP(double t) {
    g_.T = t;
    return vemlo::XP(g_, t);
}

double PointEval::YP(double t) {
    g_.T = t;
    return vemlo::YP(g_, t);
}

double PointEval::ZP(double t) {
    g_.T = t;
    return vemlo::ZP(g_, t);
}

double PointEval::XS(double u, double v) {
    g_.U = u;
    g_.V = v;
    return vemlo::XS(g_, u, v);
}

double PointEval::YS(double u, double v) {
    g_.U = u;
    g_.V = v;
    return vemlo::YS(g_, u, v);
}

double PointEval::ZS(double u, double v) {
    g_.U = u;
    g_.V = v;
    return vemlo::ZS(g_, u, v);
}

void PointEval::Order(Canvas& c, int n) {
    // The selection sort's order is a fixed point of SortIt's ordering, so
    // SortIt then only fills (and copies the movie frame).
    if (reference_) SelectionSortQuads(g_, n);
    SortIt(g_, c, n);
}

}  // namespace vemlo
