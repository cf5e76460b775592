#include "formula/ParseTables.h"

#include <array>

#include "formula/ParserCore.h"

namespace vemlo {

namespace {

using Row = std::array<Action, TokenKinds>;
using Table = std::array<Row, ParserStates>;

constexpr Action S(int state) { return {ActKind::Shift, static_cast<std::uint8_t>(state)}; }
constexpr Action R(int rule) { return {ActKind::Reduce, static_cast<std::uint8_t>(rule)}; }

constexpr Row Filled(Action a) {
    Row row{};
    for (Action& cell : row) cell = a;
    return row;
}

// States where an operand may start.
constexpr Row OperandStart(bool minusAllowed) {
    Row row{};
    row[TokNumber] = S(10);
    row[TokVariable] = S(7);
    row[TokFunction] = S(11);
    row[TokOpen] = S(9);
    if (minusAllowed) row[TokMinus] = S(5);
    return row;
}

constexpr Row MulDivOr(Action other) {
    Row row = Filled(other);
    row[TokTimes] = S(14);
    row[TokDivide] = S(15);
    return row;
}

constexpr Row AddSubClose(int close) {
    Row row{};
    row[TokPlus] = S(12);
    row[TokMinus] = S(13);
    row[TokClose] = S(close);
    return row;
}

constexpr Table BuildActions() {
    Table t{};
    for (int st : {0, 9, 12, 13, 14, 15, 16, 20}) t[st] = OperandStart(true);
    t[1][TokEnd] = {ActKind::Accept, 0};
    t[1][TokPlus] = S(12);
    t[1][TokMinus] = S(13);
    t[2] = MulDivOr(R(3));
    t[3] = Filled(R(6));
    t[4] = Filled(R(8));
    t[4][TokPower] = S(16);
    t[5] = OperandStart(false);
    t[6] = Filled(R(10));
    t[7] = Filled(R(13));
    t[7][TokColon] = S(18);
    t[8] = Filled(R(12));
    t[10] = Filled(R(15));
    t[11][TokOpen] = S(20);
    t[17] = Filled(R(9));
    t[18][TokVariable] = S(26);
    t[19] = AddSubClose(27);
    t[21] = MulDivOr(R(1));
    t[22] = MulDivOr(R(2));
    t[23] = Filled(R(4));
    t[24] = Filled(R(5));
    t[25] = Filled(R(7));
    t[26] = Filled(R(11));
    t[27] = Filled(R(14));
    t[28] = AddSubClose(29);
    t[29] = Filled(R(16));
    return t;
}

constexpr Table Actions = BuildActions();

// Goto columns: the states that can lie below a reduced symbol.
constexpr int GotoColumns[] = {0, 5, 9, 12, 13, 14, 15, 16, 20};
constexpr int X = -1;
// Rows: Expr, Term, Factor, Signed, Operand, Atom.
constexpr int Gotos[6][9] = {
    {1, X, 19, X, X, X, X, X, 28}, {2, X, 2, 21, 22, X, X, X, 2}, {3, X, 3, 3, 3, 23, 24, 25, 3},
    {4, X, 4, 4, 4, 4, 4, 4, 4},   {6, 17, 6, 6, 6, 6, 6, 6, 6},  {8, 8, 8, 8, 8, 8, 8, 8, 8},
};
constexpr int LeftSide[RuleCount + 1] = {X, 0, 0, 0, 1, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 5, 5};
constexpr int Lengths[RuleCount + 1] = {0, 3, 3, 1, 3, 3, 1, 3, 1, 2, 1, 3, 1, 1, 3, 1, 4};

}  // namespace

Action ActionFor(int state, int token) {
    if (state < 0 || state >= ParserStates || token < 0 || token >= TokenKinds) return {};
    return Actions[state][token];
}

int GotoState(int rule, int state) {
    if (rule < 1 || rule > RuleCount) return -1;
    for (int col = 0; col < 9; ++col)
        if (GotoColumns[col] == state) return Gotos[LeftSide[rule]][col];
    return -1;
}

int RuleLength(int rule) { return rule >= 1 && rule <= RuleCount ? Lengths[rule] : 0; }

}  // namespace vemlo
