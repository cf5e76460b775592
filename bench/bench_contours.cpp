// Contours > Draw on the 60 x 60 grid with 16 levels, over an 80 x 80
// surface drawn once beforehand into a 776 x 466 image: the value scan, the
// grid, the trace and the segments, without the surface.

#include <benchmark/benchmark.h>

#include "bench/RasterCanvas.h"
#include "engine/Builders.h"
#include "engine/Contours.h"
#include "engine/Modes.h"
#include "engine/View.h"

namespace {

using vemlo::EvalPath;

constexpr int kWidth = 776, kHeight = 466;

void BM_Contours60x16(benchmark::State& state, bool threeD) {
    vemlo::GraphState g;
    g.Choice = '1';
    vemlo::ApplyModeDefaults(g, 1440, 900);
    g.FLeft = 156;
    g.FHi = 72;
    g.FRight = g.FLeft + kWidth + 2;
    g.FLo = g.FHi + kHeight + 2;
    vemlo::Matrix1(g, g.Dis, g.Rho, g.Theta, g.Phi);
    vemlo::Matrix2(g);
    g.SFunc = "(2*x^2+3*y^2)*Exp(1-x^2-y^2)";
    g.DeltaX = g.DeltaY = 80;

    vemlo::bench::RasterCanvas canvas(kWidth, kHeight);
    vemlo::NullHost host;
    canvas.fill(g.BColor);
    g.Drawing = true;
    vemlo::EvaluateF(g, canvas, host, EvalPath::Compiled);
    for (auto _ : state) {
        vemlo::DrawContours(g, canvas, host, 60, 60, 16, threeD);
        benchmark::DoNotOptimize(canvas.pixel(kWidth / 2, kHeight / 2));
    }
    if (g.FuncError) state.SkipWithError("a formula failed");
}

BENCHMARK_CAPTURE(BM_Contours60x16, flat, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Contours60x16, threeD, true)->Unit(benchmark::kMillisecond);

}  // namespace
