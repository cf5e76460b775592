#pragma once
/// Point evaluators: a formula of the current mode at one point. The caller
/// stores the point in the state's variables first and passes the same values.

#include "formula/FormulaState.h"

namespace vemlo {

double FS(FormulaState& s, double x, double y);
double FN(FormulaState& s, double x, double y);
double CS(FormulaState& s, double r, double t);
double CN(FormulaState& s, double r, double t);
double XPS(FormulaState& s, double t);
double YPS(FormulaState& s, double t);
double ZPS(FormulaState& s, double t);
double XP(FormulaState& s, double t);
double YP(FormulaState& s, double t);
double ZP(FormulaState& s, double t);
double XSS(FormulaState& s, double u, double v);
double YSS(FormulaState& s, double u, double v);
double ZSS(FormulaState& s, double u, double v);
double XS(FormulaState& s, double u, double v);
double YS(FormulaState& s, double u, double v);
double ZS(FormulaState& s, double u, double v);

}  // namespace vemlo
