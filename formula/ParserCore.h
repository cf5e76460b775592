#pragma once
/// Internals of the formula reader shared by the text parser and the compiler:
/// token kinds, the parser stack record, the working text and the lexer.
/// Exposed so that tests can drive the lexer directly.

#include <cstdint>
#include <string>

#include "formula/FormulaState.h"

namespace vemlo {

/// Token kinds as the lexer returns them; the numbers index the action table.
enum TokenKind : std::uint16_t {
    TokPlus = 0,
    TokMinus = 1,
    TokTimes = 2,
    TokDivide = 3,
    TokPower = 4,
    TokColon = 5,
    TokOpen = 6,
    TokClose = 7,
    TokNumber = 8,
    TokVariable = 9,
    TokFunction = 10,
    TokEnd = 11,
    TokBad = 12,
};
constexpr int TokenKinds = 13;

/// The 19 function names in the order the lexer tries them: a name that
/// begins another (COS, SIN, SQR) comes after it.
constexpr int FunctionCount = 19;
extern const char* const FunctionNames[FunctionCount];

/// Index of a function name in FunctionNames, or -1.
int FunctionIndex(const char* name);

/// Longest formula text the lexer ever sees, and longest number text.
constexpr std::size_t MaxInput = 120;
constexpr std::size_t MaxNumberText = 80;
constexpr int StackSize = 20;

/// One entry of the parser stack, and the look-ahead token's attribute.
/// Value and FuncName are separate fields here; no reduction ever reads one
/// after the lexer wrote the other, so sharing storage would change nothing.
struct TokenRec {
    std::uint8_t State = 0;
    char VarLetter = 0;
    double Value = 0;
    char FuncName[6] = {};
};

/// The working set of one parse: text, look-ahead, stack. The flags and the
/// variables live in the FormulaState it reads and writes.
struct ParserUnit {
    explicit ParserUnit(FormulaState& state) : S(state) {}

    FormulaState& S;
    std::string Input;
    TokenRec CurToken;
    TokenRec Stack[StackSize + 1];  // 1-based; entry 0 unused
    std::uint16_t StackTop = 0;
    std::uint16_t TokenType = TokEnd;
};

/// Upper-cases a to z only; every other byte is kept.
std::string UpperCase(const std::string& s);

/// Upper-cases, rewrites the minus signs and cuts to MaxInput characters:
/// the text that the lexer reads.
std::string PrepareText(const std::string& text);

/// True when Input begins with name; then copies it to CurToken.FuncName and
/// deletes it from Input.
bool IsFunc(ParserUnit& p, const char* name);

/// True when Input begins with one of the 13 names; stores it in
/// CurToken.VarLetter without deleting it.
bool Variable(ParserUnit& p);

/// Reads and consumes the next token of Input and returns its kind.
std::uint16_t NextToken(ParserUnit& p);

}  // namespace vemlo
