#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "formula/Parser.h"

namespace vemlo {
namespace {

constexpr double Pi = 3.141592653589793;
enum Outcome { Ok, Syntax, Domain, Both };

struct Row {
    std::string text;
    double value;  // expected when the outcome is Ok
    Outcome outcome;
};

// X = 2 and Y = 3, the other names 0 unless a test sets them.
class ParseTest : public ::testing::Test {
protected:
    void SetUp() override {
        s.X = 2;
        s.Y = 3;
    }
    void Check(const std::vector<Row>& rows) {
        for (const Row& row : rows) {
            const double v = Parse(s, row.text);
            const bool te = row.outcome == Syntax || row.outcome == Both;
            const bool me = row.outcome == Domain || row.outcome == Both;
            EXPECT_EQ(s.TokenError, te) << "'" << row.text << "'";
            EXPECT_EQ(s.MathError, me) << "'" << row.text << "'";
            if (row.outcome == Ok)
                EXPECT_DOUBLE_EQ(v, row.value) << "'" << row.text << "'";
            else
                EXPECT_EQ(v, 0.0) << "'" << row.text << "'";
        }
    }
    FormulaState s;
};

TEST_F(ParseTest, PrecedenceAndUnaryMinus) {
    Check({
        {"X^2", 4, Ok},
        {"-X^2", -4, Ok},
        {"1+(-X^2)", -3, Ok},
        {"(-X^2)", 4, Ok},
        {"-2^2", -4, Ok},
        {"3*-2^2", 12, Ok},
        {"X^-2", 0.25, Ok},
        {"X-Y", -1, Ok},
        {"(-X)", -2, Ok},
        {"2^3^2", 512, Ok},
        {"(-2)^3", -8, Ok},
        {"0^0", 0, Ok},
        {"0^-1", 0, Ok},
        {"X:Y", 3, Ok},
        {"P", Pi, Ok},
        {"x^2", 4, Ok},
        {"2*(-X)", -4, Ok},
        {"X^(-Y)", 0.125, Ok},
        {"10-4-3", 3, Ok},
        {"48/4/2", 6, Ok},
        {"1+2*3", 7, Ok},
        {"X^2  ", 4, Ok},
        {"  X", 2, Ok},
        {"2E3", 2000, Ok},
        {"2e-3", 0.002, Ok},
        {"2E+", 2, Ok},
        {"(-2)^-2", 0.25, Ok},
        {"(-2)^0", 1, Ok},
        // The scan follows the growing text: every minus from the third place on is alike.
        {"X-Y-A+(-X^2)", -5, Ok},
        {"X-Y+(-X^2)", -5, Ok},
        {"-(-X)", 2, Ok},
    });
}

TEST_F(ParseTest, SyntaxErrors) {
    Check({
        {"X^-Y", 0, Syntax},  {"2*-X", 0, Syntax},   {"--X", 0, Syntax},   {"X--Y", 0, Syntax},
        {"( -X)", 0, Syntax}, {"2X", 0, Syntax},     {"SIN X", 0, Syntax}, {"PI", 0, Syntax},
        {"1.2.3", 0, Syntax}, {"1E1234", 0, Syntax}, {"Z", 0, Syntax},     {"X,Y", 0, Syntax},
        {"#", 0, Syntax},     {"X\t+1", 0, Syntax},  {"COST", 0, Syntax},  {"X+", 0, Syntax},
        {"(X", 0, Syntax},    {"X)", 0, Syntax},     {"", 0, Syntax},      {"SIN(X,Y)", 0, Syntax},
        {"X:2", 0, Syntax},   {"2:X", 0, Syntax},    {"\xE9", 0, Syntax},
    });
}

TEST_F(ParseTest, DomainErrors) {
    Check({
        {"(-8)^(1/3)", 0, Domain},
        {"SQRT(-1)", 0, Domain},
        {"1/0", 0, Domain},
        {"1/(X-2)", 0, Domain},
        {"LN(0)", 0, Domain},
        {"LOG(-1)", 0, Domain},
        {"ACOS(2)", 0, Domain},
        {"ASIN(1.001)", 0, Domain},
        {"EXP(89)", 0, Domain},
        {"SINH(89)", 0, Domain},
        {"COSH(-89)", 0, Domain},
        {"SQR(2E18)", 0, Domain},
        {"TRUNC(2E9)", 0, Domain},
        {"ROUND(-2E9)", 0, Domain},
        {"0.5^200", 0, Domain},
        {"2^(-200)", 0, Domain},
        {"2E", 0, Domain},
        {"2E*X", 0, Domain},
        {"UN(1E999-1E999)", 0, Domain},
        {"(1E999-1E999)^2", 0, Domain},
        {"(-2)^(1E999)", 0, Domain},
        // A domain error does not stop the parse; a later syntax error is reported too.
        {"1/0+", 0, Both},
        {"2E+*", 0, Syntax},
    });
}

TEST_F(ParseTest, FunctionValues) {
    Check({
        {"ABS(-3)", 3, Ok},
        {"ATAN(1)", Pi / 4, Ok},
        {"TAN(1)", std::tan(1.0), Ok},
        {"COSH(0)", 1, Ok},
        {"COS(0)", 1, Ok},
        {"ACOS(0)", Pi / 2, Ok},
        {"ACOS(-1)", Pi, Ok},
        {"ACOS(1)", 0, Ok},
        {"EXP(1)", std::exp(1.0), Ok},
        {"EXP(-100)", 0, Ok},
        {"INT(-2.7)", -2, Ok},
        {"INT(1E300)", 1e300, Ok},
        {"LN(1)", 0, Ok},
        {"LOG(1000)", 3, Ok},
        {"ROUND(2.5)", 2, Ok},
        {"ROUND(3.5)", 4, Ok},
        {"ROUND(-2.5)", -2, Ok},
        {"SINH(1)", std::sinh(1.0), Ok},
        {"SIN(P/2)", 1, Ok},
        {"ASIN(1)", Pi / 2, Ok},
        {"ASIN(1.0000000001)", Pi / 2, Ok},
        {"ASIN(-0.5)", -Pi / 6, Ok},
        {"SQRT(16)", 4, Ok},
        {"SQR(-3)", 9, Ok},
        {"TRUNC(-2.7)", -2, Ok},
        {"UN(0)", 1, Ok},
        {"UN(-1)", 0, Ok},
        {"CUT(2)", 1, Ok},
        {"sqrt(x^2+y^2+11)", 4.898979485566356, Ok},
        {"(-2)^2147483647", -HUGE_VAL, Ok},
        {"(-1)^(-3)", -1, Ok},
        {"(-0.5)^4", 0.0625, Ok},
        {"(-1)^3000000001", -1, Ok},
        {"(-1.5)^3000000000", HUGE_VAL, Ok},
        {"(-2)^-3000000001", -0.0, Ok},
    });
}

// Each bound of the function and power rules, on both sides: which ends are
// allowed matters where a drawing meets the edge of a domain.
TEST_F(ParseTest, DomainBoundsOnBothSides) {
    Check({
        {"EXP(88)", std::exp(88.0), Ok},
        {"EXP(88.000001)", 0, Domain},
        {"EXP(-88)", std::exp(-88.0), Ok},
        {"EXP(-88.000001)", 0, Ok},
        {"SINH(88)", std::sinh(88.0), Ok},
        {"SINH(-88.000001)", 0, Domain},
        {"COSH(-88)", std::cosh(88.0), Ok},
        {"COSH(88.000001)", 0, Domain},
        {"SQR(1E18)", 1e36, Ok},
        {"SQR(-1E18)", 1e36, Ok},
        {"SQR(-1.0000001E18)", 0, Domain},
        {"TRUNC(1E9)", 1e9, Ok},
        {"TRUNC(-1E9)", -1e9, Ok},
        {"TRUNC(1000000000.5)", 0, Domain},
        {"ROUND(1E9)", 1e9, Ok},
        {"ROUND(-1000000000.5)", 0, Domain},
        {"INT(-1E300)", -1e300, Ok},
        {"LN(1E-300)", std::log(1e-300), Ok},
        {"LN(-0)", 0, Domain},
        {"LOG(0)", 0, Domain},
        {"SQRT(0)", 0, Ok},
        {"ASIN(-1)", -Pi / 2, Ok},
        {"ASIN(-1.0000000001)", -Pi / 2, Ok},
        {"ASIN(-1.000000002)", 0, Domain},
        {"ACOS(-1.0000000001)", Pi, Ok},
        {"ACOS(1.0000000001)", 0, Ok},
        {"ACOS(1.000000002)", 0, Domain},
        {"ATAN(1E999)", Pi / 2, Ok},
        {"CUT(0)", 1, Ok},
        {"CUT(1E999-1E999)", 0, Domain},
        {"2^126", std::ldexp(1.0, 126), Ok},
        {"2^127", 0, Domain},   // 127 ln 2 is just over 88
        {"1E-9^2", 1e-18, Ok},  // the smallest base that is not 0
        {"0.000000000999^2", 0, Ok},
        {"(-1E-9)^2", 1e-18, Ok},
        {"(-1E-9)^0.5", 0, Domain},
        {"(-2)^2.0000000001", 4, Ok},
        {"(-2)^2.000000002", 0, Domain},
    });
}

TEST_F(ParseTest, NegativeBaseNearMinusOneWithHugeExponentIsQuick) {
    // Neither overflows early: a literal loop would run two thousand million times.
    const double v = Parse(s, "(-1.0000001)^2147483647");
    ASSERT_FALSE(s.MathError);
    const double expected = -std::exp(2147483647.0 * std::log1p(1e-7));
    EXPECT_NEAR(v / expected, 1.0, 1e-6);
    EXPECT_EQ(Parse(s, "(-1)^2147483647"), -1.0);
}

TEST_F(ParseTest, StackHoldsSeventeenNestedParentheses) {
    auto nested = [](int n) { return std::string(n, '(') + "X" + std::string(n, ')'); };
    Check({{nested(17), 2, Ok}, {nested(18), 0, Syntax}});
}

TEST_F(ParseTest, TextIsCutAfterOneHundredTwentyCharacters) {
    std::string sum = "1";
    for (int i = 0; i < 59; ++i) sum += "+1";  // 119 characters
    Check({{sum, 60, Ok}, {sum + "0#", 69, Ok}, {sum + "+1", 0, Syntax}});
    // The rewrite may push a text over the limit.
    Check({{"-" + sum.substr(0, 117), 56, Ok}});
}

// TRUNC and ROUND give whole numbers, and a whole number has no negative zero;
// INT gives the integer part as a real and keeps the sign.
TEST_F(ParseTest, WholeNumbersHaveNoNegativeZero) {
    struct ZeroRow {
        std::string text;
        bool negative;
    };
    const std::vector<ZeroRow> rows = {
        {"TRUNC(-0.5)", false}, {"TRUNC(-0)", false}, {"ROUND(-0.4)", false},
        {"ROUND(-0.5)", false}, {"ROUND(-0)", false}, {"INT(-0.5)", true},
    };
    for (const ZeroRow& row : rows) {
        const double v = Parse(s, row.text);
        EXPECT_FALSE(s.TokenError || s.MathError) << row.text;
        EXPECT_EQ(v, 0.0) << row.text;
        EXPECT_EQ(std::signbit(v), row.negative) << row.text;
    }
}

TEST_F(ParseTest, CutSetsCutCalledAndKeepsIt) {
    EXPECT_EQ(Parse(s, "CUT(-1)"), 0.0);
    EXPECT_TRUE(s.CutCalled);
    EXPECT_FALSE(s.MathError);
    EXPECT_EQ(Parse(s, "CUT(1)+UN(-1)"), 1.0);
    EXPECT_TRUE(s.CutCalled);  // only its users clear it
}

TEST_F(ParseTest, FailedStepPassesItsOperandOn) {
    // After a domain error the value goes on as the failed step's operand; the
    // result is 0 either way, but CUT still sees it.
    struct CutRow {
        std::string text;
        bool cutCalled;
    };
    const std::vector<CutRow> rows = {
        {"CUT(SQRT(-4))", true}, {"CUT(LN(-1))", true}, {"CUT(1/(X-2))", false},
        {"CUT(2^-200)", true},   {"CUT(1/0-1)", true},  {"CUT(1/0+1)", false},
    };
    for (const CutRow& row : rows) {
        s.CutCalled = false;
        EXPECT_EQ(Parse(s, row.text), 0.0) << row.text;
        EXPECT_TRUE(s.MathError) << row.text;
        EXPECT_EQ(s.CutCalled, row.cutCalled) << row.text;
    }
}

TEST_F(ParseTest, EachParseStartsWithClearFlags) {
    Parse(s, "1/0+");
    ASSERT_TRUE(s.TokenError && s.MathError);
    EXPECT_EQ(Parse(s, "X+Y"), 5.0);
    EXPECT_FALSE(s.TokenError);
    EXPECT_FALSE(s.MathError);
}

TEST_F(ParseTest, VariablesAndParametersAreReadFromTheState) {
    s.R = 5, s.T = 7, s.U = 11, s.V = 13, s.A = 17, s.B = 19, s.C = 23, s.D = 29, s.E = 31, s.F = 37;
    EXPECT_EQ(Parse(s, "x+y+r+t+u+v"), 41.0);
    EXPECT_EQ(Parse(s, "a+b+c+d+e+f"), 156.0);
    EXPECT_EQ(Parse(s, "2*E"), 62.0);
    s.X = -2;
    EXPECT_EQ(Parse(s, "X^2"), 4.0);
    EXPECT_EQ(Parse(s, "X^3"), -8.0);
}

}  // namespace
}  // namespace vemlo
