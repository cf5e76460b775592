// One press of an arrow of the compass, as the main window does it without
// its widgets: turn the eye, rebuild the transform, clear the 776 x 466 image,
// draw the whole 80 x 80 surface again and the axes over it.

#include <benchmark/benchmark.h>

#include "bench/RasterCanvas.h"
#include "engine/Axes.h"
#include "engine/Builders.h"
#include "engine/Modes.h"
#include "engine/Settings.h"
#include "engine/View.h"

namespace {

constexpr int kWidth = 776, kHeight = 466;

void BM_ArrowRedraw80(benchmark::State& state) {
    vemlo::GraphState g;
    g.Choice = '1';
    vemlo::ApplyModeDefaults(g, 1440, 900);
    g.FLeft = 156;
    g.FHi = 72;
    g.FRight = g.FLeft + kWidth + 2;
    g.FLo = g.FHi + kHeight + 2;
    g.SFunc = "(2*x^2+3*y^2)*Exp(1-x^2-y^2)";
    g.DeltaX = g.DeltaY = 80;
    g.FunctionCalled = true;
    vemlo::bench::RasterCanvas canvas(kWidth, kHeight);
    vemlo::NullHost host;
    for (auto _ : state) {
        g.Theta = vemlo::TurnRight(g.Theta);
        vemlo::Matrix1(g, g.Dis, g.Rho, g.Theta, g.Phi);
        vemlo::Matrix2(g);
        canvas.fill(g.BColor);
        g.Drawing = true;
        vemlo::EvaluateF(g, canvas, host);
        vemlo::Axes(g, canvas);
        benchmark::DoNotOptimize(canvas.pixel(kWidth / 2, kHeight / 2));
    }
    if (g.FuncError) state.SkipWithError("a formula failed");
}

BENCHMARK(BM_ArrowRedraw80)->Unit(benchmark::kMillisecond);

}  // namespace
