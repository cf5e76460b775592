#pragma once
/// The arithmetic of the formula language with its domain rules, shared by the
/// text parser and the compiled formulas so that both give the same bits.
/// Each routine returns false for a domain error and then leaves out as it was.

namespace vemlo {

/// The function numbers: indices into FunctionNames (formula/ParserCore.h).
enum FunctionId : int {
    FnAbs,
    FnAtan,
    FnTan,
    FnCosh,
    FnCos,
    FnAcos,
    FnExp,
    FnInt,
    FnLn,
    FnLog,
    FnRound,
    FnSinh,
    FnSin,
    FnAsin,
    FnSqrt,
    FnSqr,
    FnTrunc,
    FnUn,
    FnCut,
};

/// The sum, difference and product. They are kept out of line so that every
/// caller runs the same instructions: with two NaN operands, which payload
/// survives depends on the operand order the compiler picked.
double Sum(double l, double r);
double Difference(double l, double r);
double Product(double l, double r);

/// b ^ e: 0 for |b| < 1e-9; exp(e ln b) within the bound 88 for a positive
/// base; repeated multiplication for a negative base with a whole exponent.
bool PowerOf(double b, double e, double& out);

/// Quotient; a divisor equal to 0 is a domain error.
bool QuotientOf(double l, double r, double& out);

/// Function f (a FunctionId) of v. CUT of a negative argument sets cutCalled.
bool FunctionOf(int f, double v, double& out, bool& cutCalled);

}  // namespace vemlo
