#include "formula/Compiled.h"

#include <algorithm>
#include <cstring>

#include "formula/FormulaMath.h"
#include "formula/ParseTables.h"
#include "formula/Parser.h"
#include "formula/ParserCore.h"

namespace vemlo {

namespace {

constexpr double Pi = 3.141592653589793;

double FormulaState::*const VarMembers[] = {&FormulaState::X, &FormulaState::Y, &FormulaState::R,
                                            &FormulaState::T, &FormulaState::U, &FormulaState::V,
                                            &FormulaState::A, &FormulaState::B, &FormulaState::C,
                                            &FormulaState::D, &FormulaState::E, &FormulaState::F};
constexpr char VarLetters[] = "XYRTUVABCDEF";

std::uint64_t BitsOf(double d) {
    std::uint64_t b;
    std::memcpy(&b, &d, sizeof b);
    return b;
}

bool SameBits(double a, double b) { return BitsOf(a) == BitsOf(b); }

constexpr std::size_t MaxKeyVars = 4;

// A node of the expression graph; equal nodes are shared, so a repeated
// subexpression such as x^2 is computed once per evaluation. The flags it may
// raise are sticky, so computing it once raises the same ones.
struct Node {
    enum Kind : std::uint8_t { Const, Var, Op };
    Kind kind = Const;
    Command::Op op = Command::LoadVar;
    std::uint8_t fn = 0;
    int a = -1, b = -1;
    double value = 0;
};

class GraphBuilder {
public:
    std::vector<Node> nodes;

    int Constant(double v) {
        Node n;
        n.value = v;
        return Intern(n);
    }
    int Variable(char letter) {
        if (letter == 'P') return Constant(Pi);
        Node n;
        n.kind = Node::Var;
        n.fn = static_cast<std::uint8_t>(std::strchr(VarLetters, letter) - VarLetters);
        return Intern(n);
    }
    // Constant operands are folded when the result raises no flag.
    int Operation(Command::Op op, int a, int b, int fn = 0) {
        if (IsConst(a) && (b < 0 || IsConst(b))) {
            double v = 0;
            if (Fold(op, nodes[a].value, b < 0 ? 0.0 : nodes[b].value, fn, v)) return Constant(v);
        }
        Node n;
        n.kind = Node::Op;
        n.op = op;
        n.fn = static_cast<std::uint8_t>(fn);
        n.a = a;
        n.b = b;
        return Intern(n);
    }

private:
    bool IsConst(int i) const { return nodes[i].kind == Node::Const; }

    static bool Fold(Command::Op op, double l, double r, int fn, double& v) {
        bool cut = false;
        switch (op) {
            case Command::Neg:
                v = -l;
                return true;
            case Command::Add:
                v = Sum(l, r);
                return true;
            case Command::Sub:
                v = Difference(l, r);
                return true;
            case Command::Mul:
                v = Product(l, r);
                return true;
            case Command::Div:
                return QuotientOf(l, r, v);
            case Command::Pow:
                return PowerOf(l, r, v);
            case Command::Func:
                return FunctionOf(fn, l, v, cut) && !cut;
            default:
                return false;
        }
    }

    int Intern(const Node& n) {
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            const Node& m = nodes[i];
            if (m.kind == n.kind && m.op == n.op && m.fn == n.fn && m.a == n.a && m.b == n.b &&
                SameBits(m.value, n.value))
                return static_cast<int>(i);
        }
        nodes.push_back(n);
        return static_cast<int>(nodes.size() - 1);
    }
};

// Runs the parser's tables over the tokens of text, building the graph where
// Parse would compute. Returns the root node, or -1 on a syntax error.
int BuildGraph(const std::string& text, GraphBuilder& g, bool& lexMathError) {
    FormulaState scratch;
    ParserUnit p(scratch);
    p.Input = PrepareText(text);
    int nodeOf[StackSize + 1] = {};
    auto push = [&](int state, int node) {
        if (p.StackTop == StackSize) return false;
        ++p.StackTop;
        p.Stack[p.StackTop] = p.CurToken;
        p.Stack[p.StackTop].State = static_cast<std::uint8_t>(state);
        nodeOf[p.StackTop] = node;
        return true;
    };
    p.CurToken = TokenRec{};
    push(0, -1);
    p.TokenType = NextToken(p);
    for (;;) {
        const Action act = ActionFor(p.Stack[p.StackTop].State, p.TokenType);
        if (act.Kind == ActKind::Accept) break;
        if (act.Kind == ActKind::Error) return -1;
        if (act.Kind == ActKind::Shift) {
            int node = -1;
            if (p.TokenType == TokNumber) node = g.Constant(p.CurToken.Value);
            if (p.TokenType == TokVariable) node = g.Variable(p.CurToken.VarLetter);
            if (!push(act.Target, node)) return -1;
            p.TokenType = NextToken(p);
            continue;
        }
        const int rule = act.Target;
        const int len = RuleLength(rule);
        const int base = p.StackTop - len;  // the entry below the right-hand side
        const int* rhs = nodeOf + base + 1;
        int node = -1;
        switch (rule) {
            case 1:
                node = g.Operation(Command::Add, rhs[0], rhs[2]);
                break;
            case 2:
                node = g.Operation(Command::Sub, rhs[0], rhs[2]);
                break;
            case 4:
                node = g.Operation(Command::Mul, rhs[0], rhs[2]);
                break;
            case 5:
                node = g.Operation(Command::Div, rhs[0], rhs[2]);
                break;
            case 7:
                node = g.Operation(Command::Pow, rhs[0], rhs[2]);
                break;
            case 9:
                node = g.Operation(Command::Neg, rhs[1], -1);
                break;
            case 11:
                node = g.Variable(p.CurToken.VarLetter);
                break;
            case 14:
                node = rhs[1];
                break;
            case 16:
                node = g.Operation(Command::Func, rhs[2], -1, FunctionIndex(p.Stack[base + 1].FuncName));
                break;
            default:
                node = rhs[0];
                break;
        }
        p.StackTop = static_cast<std::uint16_t>(base);
        const int next = GotoState(rule, p.Stack[base].State);
        if (next < 0 || !push(next, node)) return -1;
    }
    lexMathError = scratch.MathError;
    return nodeOf[p.StackTop];
}

}  // namespace

CompiledFormula::CompiledFormula(const std::string& text) {
    GraphBuilder g;
    const int root = BuildGraph(text, g, lexMathError_);
    if (root < 0) return;
    // Constants keep their node's register; every other node gets one as it is
    // emitted, children before parents.
    std::vector<int> reg(g.nodes.size(), -1);
    for (std::size_t i = 0; i < g.nodes.size(); ++i) {
        if (g.nodes[i].kind != Node::Const) continue;
        reg[i] = static_cast<int>(regs_.size());
        regs_.push_back(g.nodes[i].value);
    }
    std::vector<int> order;
    std::vector<int> todo{root};
    std::vector<char> seen(g.nodes.size(), 0);
    while (!todo.empty()) {
        const int i = todo.back();
        const Node& n = g.nodes[i];
        if (seen[i] == 2 || n.kind == Node::Const) {
            todo.pop_back();
            continue;
        }
        if (seen[i] == 1) {
            seen[i] = 2;
            order.push_back(i);
            todo.pop_back();
            continue;
        }
        seen[i] = 1;
        if (n.b >= 0) todo.push_back(n.b);
        if (n.a >= 0) todo.push_back(n.a);
    }
    for (int i : order) {
        const Node& n = g.nodes[i];
        reg[i] = static_cast<int>(regs_.size());
        regs_.push_back(0.0);
        Command c;
        c.op = n.kind == Node::Var ? Command::LoadVar : n.op;
        c.fn = n.fn;
        c.dst = static_cast<std::uint16_t>(reg[i]);
        if (n.a >= 0) c.a = static_cast<std::uint16_t>(reg[n.a]);
        if (n.b >= 0) c.b = static_cast<std::uint16_t>(reg[n.b]);
        cmds_.push_back(c);
    }
    result_ = static_cast<std::uint16_t>(reg[root]);
    memos_.resize(cmds_.size());
    for (const Command& c : cmds_)
        if (c.op == Command::LoadVar) reads_.push_back(c.fn);
    if (!reads_.empty() && reads_.size() <= MaxKeyVars) {
        results_.resize(std::size_t{1} << ResultBits);
        keys_.resize(results_.size() * reads_.size());
    }
    valid_ = true;
}

namespace {

// Neighbouring grid points differ in their low bits only; every bit of the
// key must reach the top bits that choose the slot.
std::uint64_t HashOf(const std::uint64_t* key, std::size_t n) {
    std::uint64_t h = 0;
    for (std::size_t k = 0; k < n; ++k) {
        h = (h ^ key[k]) * 0x9E3779B97F4A7C15ULL;
        h ^= h >> 29;
    }
    h *= 0xBF58476D1CE4E5B9ULL;
    return h ^ (h >> 32);
}

bool SameKey(const std::uint64_t* a, const std::uint64_t* b, std::size_t n) {
    for (std::size_t k = 0; k < n; ++k)
        if (a[k] != b[k]) return false;
    return true;
}

}  // namespace

void CompiledFormula::StartPass(unsigned pass) {
    pass_ = pass;
    last_.keys.swap(current_.keys);
    last_.results.swap(current_.results);
    current_.keys.clear();
    current_.results.clear();
    replay_ = 0;
    misses_ = 0;
    // The new drawing works out exactly the results the last one did when it
    // asks for the same points, so the journals line up.
    std::fill(results_.begin(), results_.end(), Result{});
}

bool CompiledFormula::Replay(const std::uint64_t* key, Result& out) {
    constexpr std::size_t kLookahead = 8;
    constexpr int kGiveUp = 64;
    const std::size_t n = reads_.size();
    const std::size_t end = std::min(last_.results.size(), replay_ + kLookahead);
    for (std::size_t j = replay_; j < end; ++j) {
        if (!SameKey(last_.keys.data() + j * n, key, n)) continue;
        out = last_.results[j];
        replay_ = j + 1;
        misses_ = 0;
        return true;
    }
    // Another drawing than the last one: stop looking.
    if (++misses_ >= kGiveUp) replay_ = last_.results.size();
    return false;
}

double CompiledFormula::Run(FormulaState& s) {
    bool math = false, cut = false;
    double value;
    if (results_.empty()) {
        value = Compute(s, math, cut);
    } else {
        if (s.Pass != pass_) StartPass(s.Pass);
        std::uint64_t key[MaxKeyVars];
        const std::size_t n = reads_.size();
        for (std::size_t k = 0; k < n; ++k) key[k] = BitsOf(s.*VarMembers[reads_[k]]);
        const std::size_t slot = static_cast<std::size_t>(HashOf(key, n) >> (64 - ResultBits));
        std::uint64_t* stored = keys_.data() + slot * n;
        if (!results_[slot].filled || !SameKey(stored, key, n)) {
            Result& fresh = results_[slot];
            if (!Replay(key, fresh)) {
                fresh.value = Compute(s, fresh.math, fresh.cut);
                fresh.filled = true;
            }
            std::memcpy(stored, key, n * sizeof *key);
            if (current_.results.size() < MaxJournal) {
                current_.keys.insert(current_.keys.end(), key, key + n);
                current_.results.push_back(fresh);
            }
        }
        const Result& res = results_[slot];
        value = res.value;
        math = res.math;
        cut = res.cut;
    }
    s.TokenError = false;
    s.MathError = math;
    if (cut) s.CutCalled = true;
    return math ? 0.0 : value;
}

double CompiledFormula::Compute(FormulaState& s, bool& math, bool& cut) {
    double* r = regs_.data();
    math = lexMathError_;
    cut = false;
    Memo* memo = memos_.data();
    for (const Command& c : cmds_) {
        switch (c.op) {
            case Command::LoadVar:
                r[c.dst] = s.*VarMembers[c.fn];
                break;
            case Command::Neg:
                r[c.dst] = -r[c.a];
                break;
            case Command::Add:
                r[c.dst] = Sum(r[c.a], r[c.b]);
                break;
            case Command::Sub:
                r[c.dst] = Difference(r[c.a], r[c.b]);
                break;
            case Command::Mul:
                r[c.dst] = Product(r[c.a], r[c.b]);
                break;
            case Command::Div: {
                // A failed step keeps the value it was handed: the right operand.
                double v = r[c.b];
                if (!QuotientOf(r[c.a], r[c.b], v)) math = true;
                r[c.dst] = v;
                break;
            }
            case Command::Pow:
            case Command::Func: {
                // The costly steps remember their last operands: a drawing walks
                // a grid, so one of them often repeats from the previous point.
                Memo& m = memo[&c - cmds_.data()];
                const double a = r[c.a];
                const double b = c.op == Command::Pow ? r[c.b] : 0.0;
                const Memo::Way* w = m.ways;
                const Memo::Way* const end = m.ways + m.used;
                while (w != end && !(SameBits(a, w->a) && SameBits(b, w->b))) ++w;
                if (w == end) {
                    Memo::Way& fresh = m.ways[m.next];
                    m.next = static_cast<std::uint8_t>((m.next + 1) % Memo::Ways);
                    if (m.used < Memo::Ways) ++m.used;
                    bool cutHere = false;
                    double v = c.op == Command::Pow ? b : a;
                    fresh.ok = c.op == Command::Pow ? PowerOf(a, b, v) : FunctionOf(c.fn, a, v, cutHere);
                    fresh.a = a;
                    fresh.b = b;
                    fresh.out = v;
                    fresh.cut = cutHere;
                    w = &fresh;
                }
                if (!w->ok) math = true;
                if (w->cut) cut = true;
                r[c.dst] = w->out;
                break;
            }
        }
    }
    return r[result_];
}

CompiledFormula& CompiledCache::Get(const std::string& text) {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].text != text) continue;
        if (i != 0) std::swap(entries_[i], entries_[0]);
        return *entries_[0].formula;
    }
    if (entries_.size() == Capacity) entries_.pop_back();
    entries_.insert(entries_.begin(), Entry{text, std::make_unique<CompiledFormula>(text)});
    return *entries_[0].formula;
}

double Evaluate(FormulaState& s, const std::string& text) {
    thread_local CompiledCache cache;
    CompiledFormula& f = cache.Get(text);
    return f.Valid() ? f.Run(s) : Parse(s, text);
}

}  // namespace vemlo
