// Evaluations per second of the text parser and of the compiled formulas.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "formula/Parser.h"

namespace {

const char* const Formulas[] = {
    "(2*x^2+3*y^2)*Exp(1-x^2-y^2)",
    "Cos(Sqrt(x^2+y^2))",
    "5*Sin(x*y)/(x*y)",
};

struct Point {
    double x, y;
};

// The corners of an 80 x 80 grid over [-3, 3]^2, walked row by row as a
// drawing walks it.
std::vector<Point> GridWalk() {
    std::vector<Point> pts;
    const int n = 80;
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) {
            const double x0 = -3 + 6.0 * i / n, x1 = -3 + 6.0 * (i + 1) / n;
            const double y0 = -3 + 6.0 * j / n, y1 = -3 + 6.0 * (j + 1) / n;
            pts.insert(pts.end(), {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
        }
    return pts;
}

// Points with no repeated coordinate, far more of them than the compiled
// formulas remember, so no point is met again while it is remembered.
std::vector<Point> Scattered() {
    std::mt19937 rng(1);
    std::uniform_real_distribution<double> d(-3, 3);
    std::vector<Point> pts(1 << 16);
    for (Point& p : pts) p = {d(rng), d(rng)};
    return pts;
}

template <double (*Eval)(vemlo::FormulaState&, const std::string&)>
void Run(benchmark::State& state, const std::vector<Point>& pts) {
    const std::string text = Formulas[state.range(0)];
    vemlo::FormulaState s;
    std::size_t i = 0;
    for (auto _ : state) {
        s.X = pts[i].x;
        s.Y = pts[i].y;
        benchmark::DoNotOptimize(Eval(s, text));
        if (++i == pts.size()) i = 0;
    }
    state.SetLabel(text);
    state.SetItemsProcessed(state.iterations());
}

void BM_ParseGrid(benchmark::State& state) { Run<vemlo::Parse>(state, GridWalk()); }
void BM_EvaluateGrid(benchmark::State& state) { Run<vemlo::Evaluate>(state, GridWalk()); }
void BM_ParseScattered(benchmark::State& state) { Run<vemlo::Parse>(state, Scattered()); }
void BM_EvaluateScattered(benchmark::State& state) { Run<vemlo::Evaluate>(state, Scattered()); }

BENCHMARK(BM_ParseGrid)->DenseRange(0, 2);
BENCHMARK(BM_EvaluateGrid)->DenseRange(0, 2);
BENCHMARK(BM_ParseScattered)->DenseRange(0, 2);
BENCHMARK(BM_EvaluateScattered)->DenseRange(0, 2);

}  // namespace
