#pragma once
/// Point evaluation as the builders use it: the formula of the current mode at
/// one point, with the point stored in the state's variables first, through
/// either the compiled formulas (the program's path) or the reference path
/// that reads the formula text again at every evaluation and orders facets
/// with the plain selection sort. Both give the same values, flags and
/// pictures; the reference path exists to measure the fast one against.

#include "engine/Canvas.h"
#include "engine/GraphState.h"

namespace vemlo {

enum class EvalPath { Compiled, Reference };

class PointEval {
public:
    /// Chooses the path for the point evaluators while this object lives, and
    /// counts a new drawing (Pass) for the compiled formulas.
    PointEval(GraphState& g, EvalPath path);
    ~PointEval();
    PointEval(const PointEval&) = delete;
    PointEval& operator=(const PointEval&) = delete;

    /// SFunc at (x, y); X and Y are set to the point.
    double FN(double x, double y);
    /// SFunc at (r, t); R and T are set to the point.
    double CN(double r, double t);
    /// XFunc, YFunc, ZFunc at t; T is set.
    double XP(double t);
    double YP(double t);
    double ZP(double t);
    /// XFunc, YFunc, ZFunc at (u, v); U and V are set.
    double XS(double u, double v);
    double YS(double u, double v);
    double ZS(double u, double v);

    /// Orders Quads[1..n] farthest first and fills them (SortIt); the
    /// reference path orders with the selection sort before.
    void Order(Canvas& c, int n);

private:
    GraphState& g_;
    bool reference_;
    bool saved_;
};

}  // namespace vemlo
