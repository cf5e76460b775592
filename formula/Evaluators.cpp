#include "formula/Evaluators.h"

#include "formula/Parser.h"

namespace vemlo {

namespace {

// Modes 2 to 4 report each call on its own; mode 1 lets FuncError pile up
// until the renderer clears it.
void ClearFlags(FormulaState& s) {
    s.MathError = false;
    s.TokenError = false;
    s.FuncError = false;
}

double Flagged(FormulaState& s, const std::string& formula, bool mathFails) {
    const double value = s.ReferenceParse ? Parse(s, formula) : Evaluate(s, formula);
    if (s.TokenError || (mathFails && s.MathError)) s.FuncError = true;
    return value;
}

}  // namespace

double FS(FormulaState& s, double, double) { return Flagged(s, s.SFunc, false); }
double FN(FormulaState& s, double x, double y) { return FS(s, x, y); }

double CS(FormulaState& s, double, double) {
    ClearFlags(s);
    return Flagged(s, s.SFunc, false);
}
double CN(FormulaState& s, double r, double t) { return CS(s, r, t); }

double XPS(FormulaState& s, double) {
    ClearFlags(s);
    return Flagged(s, s.XFunc, true);
}
double YPS(FormulaState& s, double) {
    ClearFlags(s);
    return Flagged(s, s.YFunc, true);
}
double ZPS(FormulaState& s, double) {
    ClearFlags(s);
    return Flagged(s, s.ZFunc, true);
}
double XP(FormulaState& s, double t) { return XPS(s, t); }
double YP(FormulaState& s, double t) { return YPS(s, t); }
double ZP(FormulaState& s, double t) { return ZPS(s, t); }

double XSS(FormulaState& s, double, double) {
    ClearFlags(s);
    return Flagged(s, s.XFunc, false);
}
double YSS(FormulaState& s, double, double) {
    ClearFlags(s);
    return Flagged(s, s.YFunc, false);
}
double ZSS(FormulaState& s, double, double) {
    ClearFlags(s);
    return Flagged(s, s.ZFunc, false);
}
double XS(FormulaState& s, double u, double v) { return XSS(s, u, v); }
double YS(FormulaState& s, double u, double v) { return YSS(s, u, v); }
double ZS(FormulaState& s, double u, double v) { return ZSS(s, u, v); }

}  // namespace vemlo
