#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "formula/Compiled.h"
#include "formula/Parser.h"
#include "formula/ParserCore.h"

namespace vemlo {
namespace {

// Random formulas from the whole language, with mistakes mixed in.
class FormulaMaker {
public:
    explicit FormulaMaker(std::uint32_t start) : rng_(start) {}

    std::string Make() {
        std::string f = Expr(0);
        const int mutations = Pick(4) == 0 ? 1 + Pick(3) : 0;
        for (int i = 0; i < mutations; ++i) Mutate(f);
        if (Pick(12) == 0) f = f + "+" + f + "*" + f;  // near and over the 120-character cut
        return f;
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

private:
    std::string Number() {
        static const char* const good[] = {
            "0",      "1",     "2",    "3",       "0.5",        ".5",         "5.",
            "10",     "88",    "89",   "2E3",     "2E-3",       "1E+",        "1E999",
            "1E-999", "1E300", "1E-9", "1.5E-10", "2147483647", "3000000001", "0.000000001"};
        static const char* const bad[] = {"2E", "1E1234", "1.2.3", "."};
        if (Pick(12) == 0) return bad[Pick(sizeof bad / sizeof *bad)];
        return good[Pick(sizeof good / sizeof *good)];
    }
    std::string Letter() {
        static const char letters[] = "XYRTUVABCDEFPxyep";
        return std::string(1, letters[Pick(sizeof letters - 1)]);
    }
    std::string Blank() { return Pick(6) == 0 ? " " : ""; }

    std::string Expr(int depth) {
        const int choice = depth > 4 ? Pick(3) : Pick(11);
        switch (choice) {
            case 0:
                return Number();
            case 1:
                return Letter();
            case 2:
                return Letter() + ":" + Letter();
            case 3:
                return "(" + Blank() + Expr(depth + 1) + ")";
            case 4:
                return Pick(2) ? "-" + Expr(depth + 1) : "(-" + Expr(depth + 1) + ")";
            case 5: {
                return FunctionNames[Pick(FunctionCount)] + std::string("(") + Expr(depth + 1) + ")";
            }
            default: {
                static const char ops[] = "+-*/^^";
                return Expr(depth + 1) + Blank() + ops[Pick(6)] + Blank() + Expr(depth + 1);
            }
        }
    }

    void Mutate(std::string& f) {
        static const char pool[] = " -(#),\tZ.E1:*^";
        const std::size_t at = f.empty() ? 0 : static_cast<std::size_t>(Pick(static_cast<int>(f.size())));
        switch (Pick(3)) {
            case 0:
                f.insert(at, 1, pool[Pick(sizeof pool - 1)]);
                break;
            case 1:
                if (!f.empty()) f.erase(at, 1);
                break;
            default:
                f.insert(at, 1, static_cast<char>(0x80 + Pick(128)));
                break;
        }
    }

    std::mt19937 rng_;
};

double Bits(std::uint64_t b) {
    double d;
    std::memcpy(&d, &b, sizeof d);
    return d;
}

const std::vector<double> Values = {
    0.0,
    -0.0,
    1,
    -1,
    2,
    -2,
    0.5,
    -0.5,
    3,
    -3.5,
    1e-10,
    -1e-10,
    88,
    -88,
    89,
    1e9 + 0.5,
    1e18,
    -1e19,
    1e300,
    -1e300,
    1e-310,
    HUGE_VAL,
    -HUGE_VAL,
    std::numeric_limits<double>::quiet_NaN(),
    -std::numeric_limits<double>::quiet_NaN(),
    Bits(0x7FF8000000000123ULL),
    Bits(0xFFF4000000000001ULL),
    3.141592653589793,
    0.9999999999,
    -1.0000000001,
};

struct Outcome {
    double value;
    bool tokenError, mathError, cutCalled;
};

bool SameOutcome(const Outcome& a, const Outcome& b) {
    return std::memcmp(&a.value, &b.value, sizeof a.value) == 0 && a.tokenError == b.tokenError &&
           a.mathError == b.mathError && a.cutCalled == b.cutCalled;
}

Outcome Observe(double (*eval)(FormulaState&, const std::string&), FormulaState s, const std::string& text) {
    s.CutCalled = false;
    const double v = eval(s, text);
    return {v, s.TokenError, s.MathError, s.CutCalled};
}

std::string Show(const Outcome& o) {
    std::uint64_t b;
    std::memcpy(&b, &o.value, sizeof b);
    char buf[96];
    std::snprintf(buf, sizeof buf, "%.17g (0x%016llx) TE=%d ME=%d CUT=%d", o.value,
                  static_cast<unsigned long long>(b), o.tokenError, o.mathError, o.cutCalled);
    return buf;
}

// The compiled path must agree with Parse bit for bit, flags included, for
// every text and every variable value.
TEST(Differential, CompiledAgreesWithParse) {
    FormulaMaker maker(20261211);
    std::mt19937 rng(7);
    std::uniform_int_distribution<std::size_t> pickValue(0, Values.size() - 1);
    std::uniform_real_distribution<double> anyValue(-10, 10);
    int compiled = 0, failures = 0;
    for (int i = 0; i < 6000 && failures < 10; ++i) {
        const std::string text = maker.Make();
        if (CompiledFormula(text).Valid()) ++compiled;
        for (int k = 0; k < 12; ++k) {
            FormulaState s;
            for (double FormulaState::*var :
                 {&FormulaState::X, &FormulaState::Y, &FormulaState::R, &FormulaState::T, &FormulaState::U,
                  &FormulaState::V, &FormulaState::A, &FormulaState::B, &FormulaState::C, &FormulaState::D,
                  &FormulaState::E, &FormulaState::F})
                s.*var = maker.Pick(3) == 0 ? anyValue(rng) : Values[pickValue(rng)];
            const Outcome want = Observe(Parse, s, text);
            const Outcome got = Observe(Evaluate, s, text);
            if (!SameOutcome(want, got)) {
                ++failures;
                ADD_FAILURE() << "'" << text << "' X=" << s.X << " Y=" << s.Y
                              << "\n  Parse:    " << Show(want) << "\n  Evaluate: " << Show(got);
            }
        }
    }
    // The generator must reach well-formed formulas often enough to matter.
    EXPECT_GT(compiled, 2000);
}

TEST(Differential, RepeatedSubexpressionsAndConstants) {
    const std::vector<std::string> texts = {
        "(2*x^2+3*y^2)*Exp(1-x^2-y^2)",
        "Cos(Sqrt(x^2+y^2))",
        "5*Sin(x*y)/(x*y)",
        "x^2+x^2-CUT(x)*CUT(x)",
        "CUT(-1)+x",
        "2^3^2*x",
        "1/0+x",
        "SQRT(-1)*0+x",
        "CUT(SQRT(x))",
        "-x:y^2",
        "P*x",
        "2E*x",
    };
    for (const std::string& text : texts) {
        for (double x : Values) {
            for (double y : {-2.0, 0.0, 0.5, 3.0}) {
                FormulaState s;
                s.X = x;
                s.Y = y;
                const Outcome want = Observe(Parse, s, text);
                const Outcome got = Observe(Evaluate, s, text);
                EXPECT_TRUE(SameOutcome(want, got))
                    << "'" << text << "' x=" << x << " y=" << y << "\n  Parse:    " << Show(want)
                    << "\n  Evaluate: " << Show(got);
            }
        }
    }
}

// One state evaluated step after step, as a drawing does: whatever the
// compiled formulas remember from earlier steps must never leak into a later
// one. Each step sets some names, then evaluates text on the same state.
TEST(Differential, RememberedResultsNeverGoStale) {
    const double nan1 = Bits(0x7FF8000000000123ULL), nan2 = Bits(0x7FF8000000000456ULL);
    struct Step {
        std::string text;
        std::vector<std::pair<double FormulaState::*, double>> set;
    };
    const auto X = &FormulaState::X, Y = &FormulaState::Y, A = &FormulaState::A, F = &FormulaState::F;
    const std::vector<Step> steps = {
        {"A*X^2", {{X, 2}, {A, 1}}},
        {"A*X^2", {{A, 3}}},          // a parameter changed, same point
        {"A*X^2", {{Y, 7}, {F, 9}}},  // names the formula does not read
        {"A*X^2", {{A, 1}}},          // back to the first inputs
        {"SQRT(X)", {{X, -0.0}}},
        {"SQRT(X)", {{X, 0.0}}},
        {"SQRT(X)", {{X, -0.0}}},
        {"ABS(X)+Y", {{X, nan1}, {Y, 0}}},
        {"ABS(X)+Y", {{X, nan2}}},
        {"ABS(X)+Y", {{X, -nan1}}},
        {"1/X", {{X, 0}}},
        {"1/X", {{X, 4}}},
        {"1/X", {{X, -0.0}}},
        {"X^Y", {{X, -2}, {Y, 3}}},
        {"X^Y", {{Y, 0.5}}},
        {"X^Y", {{Y, 3}}},
        {"CUT(X)*Y", {{X, -1}, {Y, 2}}},
        {"CUT(X)*Y", {{X, 1}}},
        {"CUT(X)*Y", {{X, -1}}},
        {"X+Y+A+F+EXP(X)", {{X, 1}, {Y, 1}, {A, 1}, {F, 1}}},  // too many names to key a result
        {"X+Y+A+F+EXP(X)", {{F, 2}}},
        {"X+1", {{X, 5}}},
        {"X+2", {}},  // another text at the same point
        {"X+1", {}},
    };
    FormulaState s;
    for (const Step& step : steps) {
        for (const auto& [name, value] : step.set) s.*name = value;
        const Outcome want = Observe(Parse, s, step.text);
        const Outcome got = Observe(Evaluate, s, step.text);
        EXPECT_TRUE(SameOutcome(want, got))
            << "'" << step.text << "' X=" << s.X << " Y=" << s.Y << " A=" << s.A
            << "\n  Parse:    " << Show(want) << "\n  Evaluate: " << Show(got);
    }
}

// A drawing's points come and go through the remembered results and the
// remembered steps far more often than either can hold them: what they give
// back must be what Parse gives, in the first pass over the points as in a
// later one, and for points met in another order.
TEST(Differential, RememberedResultsOfManyPoints) {
    const std::string text = "(2*x^2+3*y^2)*Exp(1-x^2-y^2)+Cut(x*y)/y";
    CompiledFormula f(text);
    ASSERT_TRUE(f.Valid());
    const int side = 300;
    auto point = [](int i, int j) { return std::pair<double, double>{-3 + i * 0.02, -3 + j * 0.02}; };
    int checked = 0;
    for (int pass = 0; pass < 3; ++pass) {
        for (int k = 0; k < side * side; ++k) {
            const int n = pass == 2 ? side * side - 1 - k : k;
            const auto [x, y] = point(n / side, n % side);
            FormulaState s;
            s.X = x;
            s.Y = y;
            s.CutCalled = false;
            const double v = f.Run(s);
            const Outcome got{v, s.TokenError, s.MathError, s.CutCalled};
            if (n % 37 != pass) continue;
            ++checked;
            const Outcome want = Observe(Parse, s, text);
            ASSERT_TRUE(SameOutcome(want, got))
                << "pass " << pass << " x=" << x << " y=" << y << "\n  Parse:    " << Show(want)
                << "\n  Run:      " << Show(got);
        }
    }
    EXPECT_GT(checked, 7000);
}

TEST(Differential, SharedAndFoldedWork) {
    // x^2 appears twice and is computed once; 2^3 is folded into a constant.
    EXPECT_EQ(CompiledFormula("x^2+x^2").Commands().size(), 3u);
    EXPECT_EQ(CompiledFormula("2^3*x").Commands().size(), 2u);
    // A constant step that raises a flag is kept, so each evaluation raises it.
    EXPECT_EQ(CompiledFormula("CUT(-1)").Commands().size(), 1u);
    EXPECT_FALSE(CompiledFormula("x+").Valid());
}

}  // namespace
}  // namespace vemlo
