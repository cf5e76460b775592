// Movies through the program's own main window, offscreen: Movie > Create of
// 32 frames of an 80 x 80 surface (the caption, the pictures, every frame
// drawn into the 776 x 466 graphing image, the angle boxes and the message,
// answered at once), and one played frame: 6400 facets refilled into the
// image and the image repainted on the window. The engine alone on a QImage
// canvas is measured beside them.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "app/Forms.h"
#include "app/TMainMenu1.h"
#include "bench/program_window.h"
#include "engine/DrawGraph.h"
#include "engine/Facets.h"
#include "engine/Modes.h"
#include "engine/Movie.h"
#include "engine/Numeric.h"
#include "output/QImageCanvas.h"
#include "ui/Globals.h"
#include "ui/TImage.h"
#include "ui/TVemloScrn1.h"

namespace {

using vemlo::GraphState;
using vemlo::TheGraph;
using vemlo::VemloScrn1;

const char* const kHump = "(2*x^2+3*y^2)*Exp(1-x^2-y^2)";

void Program() { vemlo::bench::ProgramWindow(); }

// Answers each message box with OK as soon as it is up.
class MessageOk {
public:
    MessageOk() {
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Ok)->click();
        });
        timer_.start(1);
    }

private:
    QTimer timer_;
};

void SurfaceOf80(GraphState& g, const char* formula, int frames) {
    g.SFunc = formula;
    g.DeltaX = g.DeltaY = 80;
    g.NumOfFrames = frames;
}

void BM_CreateMovieWindow(benchmark::State& state, const char* formula) {
    Program();
    GraphState& g = TheGraph();
    SurfaceOf80(g, formula, 32);
    MessageOk ok;
    for (auto _ : state) VemloScrn1->Create1->trigger();
    if (g.FuncError) state.SkipWithError("a formula failed");
    state.counters["frames"] = g.NumOfFrames;
}

void BM_PlayFrameWindow(benchmark::State& state) {
    Program();
    GraphState& g = TheGraph();
    SurfaceOf80(g, kHump, 32);
    {
        MessageOk ok;
        VemloScrn1->Create1->trigger();
    }
    vemlo::QImageCanvas& c = VemloScrn1->Image1->canvas();
    const int n = vemlo::FacetCount(g);
    int k = 0;
    for (auto _ : state) {
        k = k % 32 + 1;
        vemlo::DrawMovieFrame(g, c, k, n);
        VemloScrn1->Image1->repaint();
    }
    state.counters["facets"] = n;
    state.counters["width"] = c.width();
    state.counters["height"] = c.height();
}

// The same two without the window: the engine on a QImage of 776 x 466.
void Fit(GraphState& g) {
    g.Choice = '1';
    vemlo::ApplyModeDefaults(g, 1440, 900);
    g.FLeft = 156;
    g.FHi = 72;
    g.FRight = g.FLeft + 776 + 2;
    g.FLo = g.FHi + 466 + 2;
    vemlo::UpdateView(g);
}

void BM_CreateMovieEngine(benchmark::State& state) {
    Program();  // text needs the application's fonts
    GraphState g;
    Fit(g);
    SurfaceOf80(g, kHump, 32);
    QImage image(776, 466, QImage::Format_RGB32);
    vemlo::QImageCanvas c(image);
    vemlo::NullHost host;
    for (auto _ : state) {
        g.Theta = static_cast<double>(vemlo::PiL * 30 / 180);
        vemlo::CreateMovie(g, c, host);
        g.Framing = false;
        c.flush();
    }
}

void BM_PlayFrameEngine(benchmark::State& state) {
    Program();
    GraphState g;
    Fit(g);
    SurfaceOf80(g, kHump, 32);
    QImage image(776, 466, QImage::Format_RGB32);
    vemlo::QImageCanvas c(image);
    vemlo::NullHost host;
    vemlo::CreateMovie(g, c, host);
    const int n = vemlo::FacetCount(g);
    int k = 0;
    for (auto _ : state) {
        k = k % 32 + 1;
        vemlo::DrawMovieFrame(g, c, k, n);
        c.flush();
    }
}

BENCHMARK_CAPTURE(BM_CreateMovieWindow, flat, "0")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CreateMovieWindow, hump, kHump)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayFrameWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateMovieEngine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayFrameEngine)->Unit(benchmark::kMillisecond);

}  // namespace
