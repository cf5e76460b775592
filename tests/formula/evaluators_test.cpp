#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formula/Evaluators.h"

namespace vemlo {
namespace {

using Evaluator = double (*)(FormulaState&, double, double);

double FNxy(FormulaState& s, double a, double b) { return FN(s, a, b); }
double CNrt(FormulaState& s, double a, double b) { return CN(s, a, b); }
double XPt(FormulaState& s, double a, double) { return XP(s, a); }
double YPt(FormulaState& s, double a, double) { return YP(s, a); }
double ZPt(FormulaState& s, double a, double) { return ZP(s, a); }
double XSuv(FormulaState& s, double a, double b) { return XS(s, a, b); }
double YSuv(FormulaState& s, double a, double b) { return YS(s, a, b); }
double ZSuv(FormulaState& s, double a, double b) { return ZS(s, a, b); }

// One evaluator with the formula it reads and the variables of its mode.
struct Mode {
    const char* name;
    Evaluator eval;
    std::string FormulaState::*formula;
    double FormulaState::*first;
    double FormulaState::*second;  // nullptr for space curves
    bool mathSetsFuncError;
    bool clearsFuncError;
};

const std::vector<Mode> Modes = {
    {"FN", FNxy, &FormulaState::SFunc, &FormulaState::X, &FormulaState::Y, false, false},
    {"CN", CNrt, &FormulaState::SFunc, &FormulaState::R, &FormulaState::T, false, true},
    {"XP", XPt, &FormulaState::XFunc, &FormulaState::T, nullptr, true, true},
    {"YP", YPt, &FormulaState::YFunc, &FormulaState::T, nullptr, true, true},
    {"ZP", ZPt, &FormulaState::ZFunc, &FormulaState::T, nullptr, true, true},
    {"XS", XSuv, &FormulaState::XFunc, &FormulaState::U, &FormulaState::V, false, true},
    {"YS", YSuv, &FormulaState::YFunc, &FormulaState::U, &FormulaState::V, false, true},
    {"ZS", ZSuv, &FormulaState::ZFunc, &FormulaState::U, &FormulaState::V, false, true},
};

// The formula is written in the mode's first variable as '#', second as '$'.
std::string InMode(const Mode& m, std::string text) {
    const char* letters = m.first == &FormulaState::X   ? "XY"
                          : m.first == &FormulaState::R ? "RT"
                          : m.first == &FormulaState::T ? "TT"
                                                        : "UV";
    for (char& c : text) {
        if (c == '#') c = letters[0];
        if (c == '$') c = letters[1];
    }
    return text;
}

double Call(const Mode& m, FormulaState& s, const std::string& formula, double a, double b) {
    s.*m.formula = InMode(m, formula);
    s.*m.first = a;
    if (m.second) s.*m.second = b;
    return m.eval(s, a, b);
}

TEST(Evaluators, GoodPointDomainErrorAndSyntaxError) {
    for (const Mode& m : Modes) {
        SCOPED_TRACE(m.name);
        FormulaState s;
        EXPECT_EQ(Call(m, s, "#*10+$", 2, 3), m.second ? 23.0 : 22.0);
        EXPECT_FALSE(s.FuncError || s.MathError || s.TokenError);

        EXPECT_EQ(Call(m, s, "SQRT(#)", -1, 0), 0.0);
        EXPECT_TRUE(s.MathError);
        EXPECT_EQ(s.FuncError, m.mathSetsFuncError);

        s.FuncError = false;
        EXPECT_EQ(Call(m, s, "#+*$", 1, 1), 0.0);
        EXPECT_TRUE(s.TokenError);
        EXPECT_TRUE(s.FuncError);

        // A good point after a failed one: only mode 1 keeps the flag.
        Call(m, s, "#", 1, 1);
        EXPECT_EQ(s.FuncError, !m.clearsFuncError);
    }
}

TEST(Evaluators, StaleFlagsAreClearedExceptInModeOne) {
    for (const Mode& m : Modes) {
        SCOPED_TRACE(m.name);
        FormulaState s;
        s.MathError = s.TokenError = s.FuncError = true;
        Call(m, s, "#", 1, 1);
        EXPECT_FALSE(s.MathError);
        EXPECT_FALSE(s.TokenError);
        EXPECT_EQ(s.FuncError, !m.clearsFuncError);
    }
}

TEST(Evaluators, FormulaChangesAreSeen) {
    FormulaState s;
    EXPECT_EQ(Call(Modes[0], s, "#+$", 1, 2), 3.0);
    EXPECT_EQ(Call(Modes[0], s, "#-$", 1, 2), -1.0);
    EXPECT_EQ(Call(Modes[0], s, "#+$", 5, 2), 7.0);
}

}  // namespace
}  // namespace vemlo
