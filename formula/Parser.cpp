#include "formula/Parser.h"

#include <cmath>

#include "formula/FormulaMath.h"
#include "formula/ParseTables.h"
#include "formula/ParserCore.h"

namespace vemlo {

namespace {

constexpr double Pi = 3.141592653589793;

bool IsDigitOrPoint(char c) { return (c >= '0' && c <= '9') || c == '.'; }

double LetterValue(const FormulaState& s, char letter) {
    switch (letter) {
        case 'X':
            return s.X;
        case 'Y':
            return s.Y;
        case 'R':
            return s.R;
        case 'T':
            return s.T;
        case 'U':
            return s.U;
        case 'V':
            return s.V;
        case 'A':
            return s.A;
        case 'B':
            return s.B;
        case 'C':
            return s.C;
        case 'D':
            return s.D;
        case 'E':
            return s.E;
        case 'F':
            return s.F;
        default:
            return Pi;
    }
}

void Push(ParserUnit& p, const TokenRec& entry) {
    if (p.StackTop == StackSize) {
        p.S.TokenError = true;
        return;
    }
    p.Stack[++p.StackTop] = entry;
}

void Pop(ParserUnit& p, TokenRec& entry) { entry = p.Stack[p.StackTop--]; }

void Shift(ParserUnit& p, int newState) {
    p.CurToken.State = static_cast<std::uint8_t>(newState);
    Push(p, p.CurToken);
    p.TokenType = NextToken(p);
}

// Pops the right-hand side of rule and computes its value into CurToken;
// a domain error leaves CurToken.Value as it was.
void ComputeRule(ParserUnit& p, int rule) {
    FormulaState& s = p.S;
    TokenRec right, middle, left;
    double& value = p.CurToken.Value;
    switch (rule) {
        case 1:
        case 2:
        case 4:
        case 5:
        case 7:
            Pop(p, right);
            Pop(p, middle);
            Pop(p, left);
            if (rule == 1) value = Sum(left.Value, right.Value);
            if (rule == 2) value = Difference(left.Value, right.Value);
            if (rule == 4) value = Product(left.Value, right.Value);
            if (rule == 5 && !QuotientOf(left.Value, right.Value, value)) s.MathError = true;
            if (rule == 7 && !PowerOf(left.Value, right.Value, value)) s.MathError = true;
            break;
        case 9:
            Pop(p, p.CurToken);
            Pop(p, middle);
            value = -value;
            break;
        case 11:
            Pop(p, right);
            Pop(p, middle);
            Pop(p, left);
            value = LetterValue(s, p.CurToken.VarLetter);
            break;
        case 13:
            Pop(p, p.CurToken);
            value = LetterValue(s, p.CurToken.VarLetter);
            break;
        case 14:
            Pop(p, right);
            Pop(p, p.CurToken);
            Pop(p, left);
            break;
        case 16: {
            Pop(p, right);
            Pop(p, p.CurToken);
            Pop(p, middle);
            Pop(p, left);
            bool cut = false;
            if (!FunctionOf(FunctionIndex(left.FuncName), value, value, cut)) s.MathError = true;
            if (cut) s.CutCalled = true;
            break;
        }
        default:
            Pop(p, p.CurToken);
            break;
    }
}

void Reduce(ParserUnit& p, int rule) {
    ComputeRule(p, rule);
    const int next = GotoState(rule, p.Stack[p.StackTop].State);
    if (next < 0) {
        p.S.TokenError = true;
        return;
    }
    p.CurToken.State = static_cast<std::uint8_t>(next);
    Push(p, p.CurToken);
}

}  // namespace

std::string PrepareText(const std::string& text) {
    std::string s = UpperCase(text);
    if (!s.empty() && s[0] == '-') s.replace(0, 1, "(-1)*");
    // 0-based index i is position i + 1; the scan follows the text as it grows.
    for (std::size_t i = 2; i + 1 < s.size(); ++i) {
        if (s[i] != '-' || IsDigitOrPoint(s[i + 1])) continue;
        s.replace(i, 1, s[i - 1] == '(' ? "(-1)*" : "+(-1)*");
    }
    if (s.size() > MaxInput) s.resize(MaxInput);
    return s;
}

double Parse(FormulaState& s, const std::string& text) {
    ParserUnit p(s);
    p.Input = PrepareText(text);
    s.TokenError = false;
    s.MathError = false;
    TokenRec first;
    Push(p, first);
    p.TokenType = NextToken(p);
    while (!s.TokenError) {
        const Action a = ActionFor(p.Stack[p.StackTop].State, p.TokenType);
        if (a.Kind == ActKind::Accept) break;
        if (a.Kind == ActKind::Shift) {
            Shift(p, a.Target);
        } else if (a.Kind == ActKind::Reduce) {
            Reduce(p, a.Target);
        } else {
            s.TokenError = true;
        }
    }
    if (s.TokenError || s.MathError) return 0.0;
    return p.Stack[p.StackTop].Value;
}

void Convert(FormulaState& s, const std::string& text, double& v) {
    if (text.empty()) return;
    s.MathError = false;
    s.TokenError = false;
    const double result = Parse(s, text);
    if (!s.MathError && !s.TokenError) v = result;
}

}  // namespace vemlo
