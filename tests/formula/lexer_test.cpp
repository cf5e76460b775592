#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "formula/ParserCore.h"

namespace vemlo {
namespace {

// One token as the lexer reports it: kind plus the attribute it set.
struct Tok {
    std::uint16_t kind;
    std::string attr;  // number value as text, function name or letter
};

bool operator==(const Tok& a, const Tok& b) { return a.kind == b.kind && a.attr == b.attr; }

std::ostream& operator<<(std::ostream& os, const Tok& t) { return os << t.kind << ":" << t.attr; }

std::string Num(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

// Reads the text up to TokEnd or TokBad (a bad letter is not consumed).
std::vector<Tok> Lex(const std::string& input, bool* mathError = nullptr) {
    FormulaState s;
    ParserUnit p(s);
    p.Input = input;
    std::vector<Tok> out;
    for (int guard = 0; guard < 200; ++guard) {
        const std::uint16_t k = NextToken(p);
        Tok t{k, ""};
        if (k == TokNumber) t.attr = Num(p.CurToken.Value);
        if (k == TokFunction) t.attr = p.CurToken.FuncName;
        if (k == TokVariable) t.attr = std::string(1, p.CurToken.VarLetter);
        out.push_back(t);
        if (k == TokEnd || k == TokBad) break;
    }
    if (mathError) *mathError = s.MathError;
    return out;
}

struct LexRow {
    std::string input;
    std::vector<Tok> tokens;
    bool mathError;
};

TEST(Lexer, TokenSequences) {
    const Tok end{TokEnd, ""}, bad{TokBad, ""};
    auto n = [](double v) { return Tok{TokNumber, Num(v)}; };
    auto f = [](const char* name) { return Tok{TokFunction, name}; };
    auto v = [](const char* letter) { return Tok{TokVariable, letter}; };
    const std::vector<LexRow> rows = {
        {"+-*/^:()",
         {{TokPlus, ""},
          {TokMinus, ""},
          {TokTimes, ""},
          {TokDivide, ""},
          {TokPower, ""},
          {TokColon, ""},
          {TokOpen, ""},
          {TokClose, ""},
          end},
         false},
        {"SQRT(X)", {f("SQRT"), {TokOpen, ""}, v("X"), {TokClose, ""}, end}, false},
        {"SQR(X)", {f("SQR"), {TokOpen, ""}, v("X"), {TokClose, ""}, end}, false},
        {"COSH", {f("COSH"), end}, false},
        {"ATAN", {f("ATAN"), end}, false},
        {"ASINSINHSIN", {f("ASIN"), f("SINH"), f("SIN"), end}, false},
        {"COST", {f("COS"), v("T"), end}, false},
        {"EXPX", {f("EXP"), v("X"), end}, false},
        {"UNCUTTRUNCROUNDINTLNLOGACOSABS",
         {f("UN"), f("CUT"), f("TRUNC"), f("ROUND"), f("INT"), f("LN"), f("LOG"), f("ACOS"), f("ABS"), end},
         false},
        {"PI", {v("P"), bad}, false},
        {"ABCDEFPRTUVXY",
         {v("A"), v("B"), v("C"), v("D"), v("E"), v("F"), v("P"), v("R"), v("T"), v("U"), v("V"), v("X"),
          v("Y"), end},
         false},
        {"Z", {bad}, false},
        {"W", {bad}, false},
        {"S", {bad}, false},
        {",", {bad}, false},
        {"#", {bad}, false},
        {"\xC3\xA9", {bad}, false},
        {"\t1", {bad}, false},
        {"1.2.3", {n(1.2), n(.3), end}, false},
        {".5 5. .", {n(.5), n(5), n(0), end}, false},
        {"1E1234", {n(1e123), n(4), end}, false},
        {"2E-3", {n(0.002), end}, false},
        {"2E3", {n(2000), end}, false},
        {"2E+", {n(2), end}, false},
        {"2E-*", {n(2), {TokTimes, ""}, end}, false},
        {"2E", {n(0), end}, true},
        {"2E*X", {n(0), {TokTimes, ""}, v("X"), end}, true},
        {"1E999", {n(HUGE_VAL), end}, false},
        {"1E-999", {n(0), end}, false},
        {"1E-320", {n(1e-320), end}, false},
        {".E5", {n(0), end}, false},
        {"X^2  ", {v("X"), {TokPower, ""}, n(2), end}, false},
        {"   ", {end}, false},
        {"", {end}, false},
    };
    for (const LexRow& row : rows) {
        bool mathError = false;
        EXPECT_EQ(Lex(row.input, &mathError), row.tokens) << "input '" << row.input << "'";
        EXPECT_EQ(mathError, row.mathError) << "input '" << row.input << "'";
    }
}

TEST(Lexer, NumberTextIsCappedAtEightyCharacters) {
    const std::string digits(85, '1');
    const auto toks = Lex(digits);
    ASSERT_EQ(toks.size(), 3u);
    EXPECT_EQ(toks[0].kind, TokNumber);
    EXPECT_EQ(toks[0].attr, Num(std::stod(std::string(80, '1'))));
    EXPECT_EQ(toks[1].attr, Num(11111));

    // An exponent letter that no longer fits stays in the text.
    const auto cut = Lex(std::string(80, '2') + "E5");
    ASSERT_EQ(cut.size(), 4u);
    EXPECT_EQ(cut[1], (Tok{TokVariable, "E"}));
    EXPECT_EQ(cut[2], (Tok{TokNumber, "5"}));
}

TEST(Lexer, BadLetterIsNotConsumed) {
    FormulaState s;
    ParserUnit p(s);
    p.Input = "Q+1";
    EXPECT_EQ(NextToken(p), TokBad);
    EXPECT_EQ(p.Input, "Q+1");
    p.Input = "#+1";
    EXPECT_EQ(NextToken(p), TokBad);
    EXPECT_EQ(p.Input, "+1");
}

TEST(Lexer, UpperCaseTouchesOnlyAsciiLetters) {
    EXPECT_EQ(UpperCase("sqrt(x)+Ab_z\xE9\x80{"), "SQRT(X)+AB_Z\xE9\x80{");
}

TEST(Lexer, PrepareTextRewritesMinusSigns) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"-x^2", "(-1)*X^2"},
        {"x-y", "X-Y"},
        {"(-X^2)", "(-X^2)"},
        {"1+(-X)", "1+((-1)*X)"},
        {"3*-2^2", "3*-2^2"},
        {"2*-X", "2*+(-1)*X"},
        {"X-Y-A+(-X^2)", "X-Y+(-1)*A+((-1)*X^2)"},
        {"X-.5-", "X-.5-"},
        {"--X", "(-1)*+(-1)*X"},
        {std::string(130, '1'), std::string(120, '1')},
    };
    for (const auto& [in, out] : rows) EXPECT_EQ(PrepareText(in), out) << in;
}

}  // namespace
}  // namespace vemlo
