#pragma once
/// The part of the graph state that the formula language reads and writes:
/// the evaluation variables, the parameter copies, the four formula texts and
/// the error flags. GraphState derives from it, so the formula library needs
/// nothing from the engine.

#include <string>

namespace vemlo {

struct FormulaState {
    // Evaluation variables: a drawing stores the current point here.
    double X = 0, Y = 0, R = 0, T = 0, U = 0, V = 0;
    // Parameter values a to f as the evaluator uses them.
    double A = 0, B = 0, C = 0, D = 0, E = 0, F = 0;

    // Formulas: SFunc for modes 1 and 2, XFunc/YFunc/ZFunc for modes 3 and 4.
    std::string SFunc, XFunc, YFunc, ZFunc;

    // Error flags.
    bool TokenError = false;  // syntax error in the last parse
    bool MathError = false;   // domain error in the last parse
    bool FuncError = false;   // a formula failed during the last evaluation
    bool CutCalled = false;   // CUT met a negative argument

    // The point evaluators read each formula with Parse every time instead of
    // replaying its compiled program: the reference that the fast path is
    // measured against. Both give the same values and flags.
    bool ReferenceParse = false;

    // The number of the drawing being evaluated: the engine counts its
    // drawings here, so a compiled formula knows when a new drawing starts and
    // may ask for the points of the one before again.
    unsigned Pass = 0;
};

}  // namespace vemlo
