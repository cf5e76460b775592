#include "engine/Evaluate.h"

#include "engine/Facets.h"
#include "formula/Evaluators.h"
#include "formula/Parser.h"

namespace vemlo {

namespace {

// The reference twin of the flagging evaluators: the same flag rules, with
// the text read by Parse every time.
enum class Clears { None, All };
enum class FailsOn { TokenError, AnyError };

double ParseFlagged(FormulaState& s, const std::string& text, Clears clears, FailsOn fails) {
    if (clears == Clears::All) s.MathError = s.TokenError = s.FuncError = false;
    const double v = Parse(s, text);
    if (s.TokenError || (fails == FailsOn::AnyError && s.MathError)) s.FuncError = true;
    return v;
}

}  // namespace

double PointEval::FN(double x, double y) {
    g_.X = x;
    g_.Y = y;
    if (reference_) return ParseFlagged(g_, g_.SFunc, Clears::None, FailsOn::TokenError);
    return vemlo::FN(g_, x, y);
}

double PointEval::CN(double r, double t) {
    g_.R = r;
    g_.T = t;
    if (reference_) return ParseFlagged(g_, g_.SFunc, Clears::All, FailsOn::TokenError);
    return vemlo::CN(g_, r, t);
}

double PointEval::XP(double t) {
    g_.T = t;
    if (reference_) return ParseFlagged(g_, g_.XFunc, Clears::All, FailsOn::AnyError);
    return vemlo::XP(g_, t);
}

double PointEval::YP(double t) {
    g_.T = t;
    if (reference_) return ParseFlagged(g_, g_.YFunc, Clears::All, FailsOn::AnyError);
    return vemlo::YP(g_, t);
}

double PointEval::ZP(double t) {
    g_.T = t;
    if (reference_) return ParseFlagged(g_, g_.ZFunc, Clears::All, FailsOn::AnyError);
    return vemlo::ZP(g_, t);
}

double PointEval::XS(double u, double v) {
    g_.U = u;
    g_.V = v;
    if (reference_) return ParseFlagged(g_, g_.XFunc, Clears::All, FailsOn::TokenError);
    return vemlo::XS(g_, u, v);
}

double PointEval::YS(double u, double v) {
    g_.U = u;
    g_.V = v;
    if (reference_) return ParseFlagged(g_, g_.YFunc, Clears::All, FailsOn::TokenError);
    return vemlo::YS(g_, u, v);
}

double PointEval::ZS(double u, double v) {
    g_.U = u;
    g_.V = v;
    if (reference_) return ParseFlagged(g_, g_.ZFunc, Clears::All, FailsOn::TokenError);
    return vemlo::ZS(g_, u, v);
}

void PointEval::Order(Canvas& c, int n) {
    // The selection sort's order is a fixed point of SortIt's ordering, so
    // SortIt then only fills (and copies the movie frame).
    if (reference_) SelectionSortQuads(g_, n);
    SortIt(g_, c, n);
}

}  // namespace vemlo
