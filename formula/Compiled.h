#pragma once
/// Compile-once evaluation: a formula text is lexed and parsed once into a flat
/// list of register commands that each evaluation replays with the current
/// variables. Same values, bit for bit, and same flags as Parse; a text with a
/// syntax error is left to Parse.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "formula/FormulaState.h"

namespace vemlo {

/// One command: dst := op(a, b) over the register file.
struct Command {
    enum Op : std::uint8_t { LoadVar, Neg, Add, Sub, Mul, Div, Pow, Func };
    Op op = LoadVar;
    std::uint8_t fn = 0;  // FunctionId for Func, variable number for LoadVar
    std::uint16_t dst = 0, a = 0, b = 0;
};

/// A formula prepared for repeated evaluation.
class CompiledFormula {
public:
    /// Compiles text; Valid() is false when the text has a syntax error.
    explicit CompiledFormula(const std::string& text);

    bool Valid() const { return valid_; }
    /// The formula's value with the variables of s; sets TokenError, MathError
    /// and CutCalled exactly as Parse does.
    double Run(FormulaState& s);
    /// The commands, for tests and diagnostics.
    const std::vector<Command>& Commands() const { return cmds_; }

    /// A drawing records at most this many worked-out results for the next one.
    static constexpr std::size_t MaxJournal = std::size_t{1} << 16;

private:
    struct Result {
        double value = 0;
        bool math = false, cut = false, filled = false;
    };

    double Compute(FormulaState& s, bool& math, bool& cut);
    /// A new drawing: its journal starts empty, the last one is replayed.
    void StartPass(unsigned pass);
    /// The result of key from the last drawing's journal, if it comes next
    /// there (or a few entries further on).
    bool Replay(const std::uint64_t* key, Result& out);

    // The last few operand pairs of a costly step and what they gave: a
    // surface cell asks for its corners, its centre and points next to it, so
    // each step sees a handful of operands again and again.
    struct Memo {
        static constexpr int Ways = 4;
        struct Way {
            double a = 0, b = 0, out = 0;
            bool ok = false, cut = false;
        };
        Way ways[Ways];
        std::uint8_t used = 0, next = 0;
    };

    bool valid_ = false;
    bool lexMathError_ = false;  // a number of the text did not convert
    std::uint16_t result_ = 0;
    std::vector<Command> cmds_;
    std::vector<double> regs_;  // constants first, then the registers of commands
    std::vector<Memo> memos_;   // one per command, used by the costly ones

    // Whole results by the values of the variables the formula reads: a surface
    // is evaluated at each corner of each cell, so most points come again, a
    // corner of one column of cells when the next column is walked.
    static constexpr int ResultBits = 12;
    std::vector<std::uint8_t> reads_;  // variable numbers, at most MaxKeyVars
    std::vector<std::uint64_t> keys_;  // reads_.size() keys per result slot
    std::vector<Result> results_;

    // The results a drawing had to work out, in the order it needed them. A
    // redraw after turning the view needs the same points in the same order,
    // so it reads them from the last drawing's journal one after the other.
    struct Journal {
        std::vector<std::uint64_t> keys;  // reads_.size() keys per entry
        std::vector<Result> results;
    };
    Journal last_, current_;
    std::size_t replay_ = 0;  // the next entry of last_ expected
    int misses_ = 0;          // replays missed in a row
    unsigned pass_ = 0;
};

/// A few compiled formulas keyed by their text, most recent first.
class CompiledCache {
public:
    static constexpr std::size_t Capacity = 8;
    /// The compiled form of text, compiled now if it is not cached.
    CompiledFormula& Get(const std::string& text);

private:
    struct Entry {
        std::string text;
        std::unique_ptr<CompiledFormula> formula;
    };
    std::vector<Entry> entries_;
};

}  // namespace vemlo
