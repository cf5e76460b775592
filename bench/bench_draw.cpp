// Whole drawings, as the Draw command makes them: grid, facets, ordering,
// filling and the value listing, into a 776 x 466 image. The reference path
// reads the formula at every evaluation and orders by selection sort.
//
// Each drawing starts its first parameter a hair further along, so no point
// of it was evaluated before: the formulas remember the values of the points
// they met, and drawing the same graph again would only measure that memory.

#include <benchmark/benchmark.h>

#include "bench/RasterCanvas.h"
#include "engine/Builders.h"
#include "engine/Modes.h"
#include "engine/View.h"

namespace {

using vemlo::EvalPath;
using vemlo::GraphState;

constexpr int kWidth = 776, kHeight = 466;

class ListingHost : public vemlo::NullHost {
public:
    void setListing(vemlo::ValueListing listing) override { count = listing.size(); }
    std::size_t count = 0;
};

void Prepare(GraphState& g, char mode) {
    g.Choice = mode;
    vemlo::ApplyModeDefaults(g, 1440, 900);
    g.FLeft = 156;
    g.FHi = 72;
    g.FRight = g.FLeft + kWidth + 2;
    g.FLo = g.FHi + kHeight + 2;
    vemlo::Matrix1(g, g.Dis, g.Rho, g.Theta, g.Phi);
    vemlo::Matrix2(g);
}

void Run(benchmark::State& state, GraphState& g, EvalPath path, double GraphState::*start) {
    vemlo::bench::RasterCanvas canvas(kWidth, kHeight);
    ListingHost host;
    const double first = g.*start;
    int drawings = 0;
    for (auto _ : state) {
        g.*start = first + ++drawings * 1e-9;
        canvas.fill(g.BColor);
        g.Drawing = true;
        vemlo::EvaluateF(g, canvas, host, path);
        benchmark::DoNotOptimize(canvas.pixel(kWidth / 2, kHeight / 2));
    }
    state.counters["lines"] = static_cast<double>(host.count);
    if (g.FuncError) state.SkipWithError("a formula failed");
}

void BM_DrawSurface80(benchmark::State& state, EvalPath path) {
    GraphState g;
    Prepare(g, '1');
    g.SFunc = "(2*x^2+3*y^2)*Exp(1-x^2-y^2)";
    g.DeltaX = g.DeltaY = 80;
    Run(state, g, path, &GraphState::MinX);
}

void BM_DrawTorus80(benchmark::State& state, EvalPath path) {
    GraphState g;
    Prepare(g, '4');
    g.XFunc = "(2+COS(v))*COS(u)";
    g.YFunc = "(2+COS(v))*SIN(u)";
    g.ZFunc = "SIN(v)";
    g.DeltaX = g.DeltaY = 80;
    Run(state, g, path, &GraphState::MinU);
}

void BM_DrawHelix(benchmark::State& state, EvalPath path) {
    GraphState g;
    Prepare(g, '3');
    g.XFunc = "COS(t)";
    g.YFunc = "SIN(t)";
    g.ZFunc = "t/4";
    g.MinT = 0;
    g.MaxT = 6 * 3.141592653589793;
    g.Step = 0.001;
    Run(state, g, path, &GraphState::MinT);
}

BENCHMARK_CAPTURE(BM_DrawSurface80, compiled, EvalPath::Compiled)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawSurface80, reference, EvalPath::Reference)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawTorus80, compiled, EvalPath::Compiled)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawTorus80, reference, EvalPath::Reference)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawHelix, compiled, EvalPath::Compiled)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DrawHelix, reference, EvalPath::Reference)->Unit(benchmark::kMillisecond);

}  // namespace
