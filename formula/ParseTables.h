#pragma once
/// The action and goto tables of the formula grammar (16 rules, 30 states).
///
///  1 Expr -> Expr + Term        9 Signed -> - Operand
///  2 Expr -> Expr - Term       10 Signed -> Operand
///  3 Expr -> Term              11 Operand -> variable : variable
///  4 Term -> Term * Factor     12 Operand -> Atom
///  5 Term -> Term / Factor     13 Atom -> variable
///  6 Term -> Factor            14 Atom -> ( Expr )
///  7 Factor -> Signed ^ Factor 15 Atom -> number
///  8 Factor -> Signed          16 Atom -> function ( Expr )

#include <cstdint>

namespace vemlo {

constexpr int ParserStates = 30;
constexpr int RuleCount = 16;

enum class ActKind : std::uint8_t { Error, Shift, Reduce, Accept };

/// What the parser does in a state on a look-ahead kind: shift to a state,
/// reduce by a rule, accept, or report a syntax error.
struct Action {
    ActKind Kind = ActKind::Error;
    std::uint8_t Target = 0;
};

/// The action for a state and a token kind; out-of-range input is an error.
Action ActionFor(int state, int token);

/// The state after reducing by rule with state on top of the popped stack;
/// -1 where the table has no entry.
int GotoState(int rule, int state);

/// Number of symbols on the right-hand side of a rule.
int RuleLength(int rule);

}  // namespace vemlo
