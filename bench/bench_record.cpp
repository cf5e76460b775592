// The cost of keeping the graphing image's steps: the same whole drawing
// (80 x 80 shaded surface, box, contours) on a plain image canvas and on the
// recording canvas the main window uses.

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "engine/Contours.h"
#include "engine/Host.h"
#include "engine/Modes.h"
#include "output/GraphPicture.h"
#include "output/RecordingCanvas.h"

namespace {

void Draw(benchmark::State& state, bool record) {
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "vemlo_bench";
        static char* argv[] = {name, nullptr};
        new QGuiApplication(argc, argv);  // lives until the process ends
    }
    vemlo::GraphState g;
    g.Choice = '1';
    vemlo::ApplyModeDefaults(g, 1440, 900);
    g.SFunc = "(2*x^2+3*y^2)*Exp(1-x^2-y^2)";
    g.DeltaX = g.DeltaY = 80;
    vemlo::DisplayList steps;
    for (auto _ : state) {
        QImage image =
            vemlo::DrawGraphPicture(g, 776, 466, vemlo::EvalPath::Compiled, true, record ? &steps : nullptr);
        vemlo::DisplayList scratch;
        vemlo::RecordingCanvas recording(image, record ? steps : scratch);
        vemlo::QImageCanvas plain(image);
        vemlo::QImageCanvas& c = record ? recording : plain;
        vemlo::NullHost host;
        vemlo::DrawContours(g, c, host, 40, 40, 10, false);
        c.flush();
        benchmark::DoNotOptimize(image.pixel(388, 233));
    }
    state.counters["steps"] = static_cast<double>(steps.ops().size());
}

void BM_DrawPlain(benchmark::State& state) { Draw(state, false); }
void BM_DrawRecorded(benchmark::State& state) { Draw(state, true); }

BENCHMARK(BM_DrawPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawRecorded)->Unit(benchmark::kMillisecond);

}  // namespace
