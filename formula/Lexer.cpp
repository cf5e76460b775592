#include <charconv>
#include <cmath>
#include <cstring>

#include "formula/ParserCore.h"

namespace vemlo {

const char* const FunctionNames[FunctionCount] = {"ABS",  "ATAN", "TAN",   "COSH",  "COS",  "ACOS", "EXP",
                                                  "INT",  "LN",   "LOG",   "ROUND", "SINH", "SIN",  "ASIN",
                                                  "SQRT", "SQR",  "TRUNC", "UN",    "CUT"};

int FunctionIndex(const char* name) {
    for (int i = 0; i < FunctionCount; ++i)
        if (std::strcmp(FunctionNames[i], name) == 0) return i;
    return -1;
}

std::string UpperCase(const std::string& s) {
    std::string u = s;
    for (char& c : u)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return u;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Overflow and underflow leave from_chars without a value; with a mantissa
// of at most 80 characters only the exponent's sign can cause either.
double ConvertNumber(const std::string& mantissa, const std::string& exponent, bool& ok) {
    ok = exponent.size() != 1;  // a bare exponent letter does not convert
    if (!ok || mantissa.find_first_not_of('.') == std::string::npos) return 0.0;
    std::string digits = mantissa[0] == '.' ? "0" + mantissa : mantissa;
    // a sign without digits is exponent 0
    const bool signOnly = exponent.size() == 2 && (exponent[1] == '+' || exponent[1] == '-');
    if (!signOnly) digits += exponent;
    double value = 0.0;
    auto res = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        const bool negativeExponent = exponent.size() > 1 && exponent[1] == '-';
        value = negativeExponent ? 0.0 : HUGE_VAL;
    }
    return value;
}

void ReadNumber(ParserUnit& p) {
    const std::string& in = p.Input;
    std::size_t i = 0;
    bool point = false;
    std::string mantissa, exponent;
    while (i < in.size() && mantissa.size() < MaxNumberText && (IsDigit(in[i]) || (in[i] == '.' && !point))) {
        if (in[i] == '.') point = true;
        mantissa += in[i++];
    }
    std::size_t room = MaxNumberText - mantissa.size();
    if (room > 0 && i < in.size() && in[i] == 'E') {
        exponent += in[i++];
        --room;
        if (room > 0 && i < in.size() && (in[i] == '+' || in[i] == '-')) {
            exponent += in[i++];
            --room;
        }
        for (int n = 0; n < 3 && room > 0 && i < in.size() && IsDigit(in[i]); ++n, --room)
            exponent += in[i++];
    }
    bool ok = true;
    p.CurToken.Value = ConvertNumber(mantissa, exponent, ok);
    if (!ok) p.S.MathError = true;
    p.Input.erase(0, i);
}

}  // namespace

bool IsFunc(ParserUnit& p, const char* name) {
    const std::size_t n = std::strlen(name);
    if (p.Input.compare(0, n, name) != 0) return false;
    std::memcpy(p.CurToken.FuncName, name, n + 1);
    p.Input.erase(0, n);
    return true;
}

bool Variable(ParserUnit& p) {
    if (p.Input.empty()) return false;
    const char c = p.Input[0];
    if (std::strchr("ABCDEFPRTUVXY", c) == nullptr || c == '\0') return false;
    p.CurToken.VarLetter = c;
    return true;
}

std::uint16_t NextToken(ParserUnit& p) {
    std::string& in = p.Input;
    if (in.empty()) return TokEnd;
    const std::size_t blanks = in.find_first_not_of(' ');
    if (blanks == std::string::npos) {
        in.clear();
        return TokEnd;
    }
    in.erase(0, blanks);
    const char c = in[0];
    if (IsDigit(c) || c == '.') {
        ReadNumber(p);
        return TokNumber;
    }
    if (IsLetter(c)) {
        for (const char* name : FunctionNames)
            if (IsFunc(p, name)) return TokFunction;
        if (Variable(p)) {
            in.erase(0, 1);
            return TokVariable;
        }
        return TokBad;
    }
    in.erase(0, 1);
    switch (c) {
        case '+':
            return TokPlus;
        case '-':
            return TokMinus;
        case '*':
            return TokTimes;
        case '/':
            return TokDivide;
        case '^':
            return TokPower;
        case ':':
            return TokColon;
        case '(':
            return TokOpen;
        case ')':
            return TokClose;
        default:
            return TokBad;
    }
}

}  // namespace vemlo
