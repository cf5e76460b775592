// What the user waits for in the real window: the program's forms, created
// as at program start, on the offscreen platform with a 1440 x 900 screen.
// Each benchmark picks its mode on the start menu, sets its formulas and
// curves as the dialogs would, draws once, then times one command from the
// click until the graphing image has been painted again: Draw, one press of
// the right arrow, and Clear Screen followed by Draw. The commands compose
// the pictures and draw the axes as they always do. The counter max_gap_ms is
// the longest time the window ran no events during the command. Before each Draw the
// first parameter starts a hair further along, so the drawing meets no point
// it met before, as after a change of function or domain; an arrow press
// draws the same graph again, as it does for the user.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <array>
#include <string>

#include "app/Forms.h"
#include "app/TMainMenu1.h"
#include "engine/Settings.h"
#include "ui/FuncVals.h"
#include "ui/Globals.h"
#include "ui/Kit.h"
#include "ui/TImage.h"
#include "ui/TVemloScrn1.h"

namespace {

using vemlo::VemloScrn1;

// Counts the paintings of the graphing image.
class PaintCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++count;
        return QObject::eventFilter(o, e);
    }
};

PaintCounter* Painted = nullptr;

// The longest time between two passes of the event loop while it lives,
// seen by a timer that asks to run every millisecond.
class GapMeter {
public:
    GapMeter() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            longest_ = std::max(longest_, since_.nsecsElapsed());
            since_.start();
        });
        timer_.start(1);
        since_.start();
    }
    double longestMs() const { return std::max(longest_, since_.nsecsElapsed()) / 1e6; }

private:
    QTimer timer_;
    QElapsedTimer since_;
    qint64 longest_ = 0;
};

// Runs the command, then the event loop until the image shows what it drew.
template <typename Command>
void UntilPainted(Command command) {
    command();
    const int before = Painted->count;
    for (int guard = 0; guard < 1000 && Painted->count == before; ++guard) QApplication::processEvents();
}

struct Graph {
    char mode;
    std::array<std::string, 3> formulas;
    double curves;                     // cells along each parameter; 0 keeps the mode's default
    double step;                       // step of t; 0 keeps the mode's default
    double maxT;                       // end of t; 0 keeps the mode's default
    double vemlo::GraphState::*start;  // the first parameter's start
};

void SetUp(const Graph& gr) {
    const QByteArray button = QByteArray("btnChoice") + gr.mode;
    vemlo::MainMenu1->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    QApplication::processEvents();
    vemlo::GraphState& g = vemlo::TheGraph();
    vemlo::ApplyFunctions(g, gr.formulas);
    g.FunctionCalled = true;
    if (gr.curves > 0) g.DeltaX = g.DeltaY = gr.curves;
    if (gr.step > 0) g.Step = gr.step;
    if (gr.maxT > 0) g.MaxT = gr.maxT;
    UntilPainted([] { VemloScrn1->DrawButn2->click(); });
}

enum class Command { Draw, Arrow, ClearAndDraw };

void RunCommand(benchmark::State& state, const Graph& gr, Command which) {
    SetUp(gr);
    vemlo::GraphState& g = vemlo::TheGraph();
    const double first = g.*gr.start;
    int drawings = 0;
    double gap = 0;
    for (auto _ : state) {
        if (which != Command::Arrow) g.*gr.start = first + ++drawings * 1e-9;
        GapMeter meter;
        switch (which) {
            case Command::Draw:
                UntilPainted([] { VemloScrn1->DrawButn2->click(); });
                break;
            case Command::Arrow:
                UntilPainted([] { VemloScrn1->Arrow4->click(); });
                break;
            case Command::ClearAndDraw:
                UntilPainted([] {
                    VemloScrn1->ClearScreen1->trigger();
                    VemloScrn1->DrawButn2->click();
                });
                break;
        }
        gap = std::max(gap, meter.longestMs());
    }
    state.counters["max_gap_ms"] = gap;
    if (vemlo::TheGraph().FuncError) state.SkipWithError("a formula failed");
    state.counters["image_w"] = VemloScrn1->Image1->width();
    state.counters["image_h"] = VemloScrn1->Image1->height();
}

using G = vemlo::GraphState;
Graph Surface(double curves) {
    return {'1', {"(2*x^2+3*y^2)*Exp(1-x^2-y^2)", "", ""}, curves, 0, 0, &G::MinX};
}
const Graph kTorus{'4', {"(2+Cos(v))*Cos(u)", "(2+Cos(v))*Sin(u)", "Sin(v)"}, 80, 0, 0, &G::MinU};
const Graph kHelix{'3', {"Cos(t)", "Sin(t)", "t/4"}, 0, 0.001, 6 * 3.141592653589793, &G::MinT};

void BM_WindowSurface(benchmark::State& state, Command which) {
    RunCommand(state, Surface(static_cast<double>(state.range(0))), which);
}
void BM_WindowTorus80(benchmark::State& state, Command which) { RunCommand(state, kTorus, which); }
void BM_WindowHelix(benchmark::State& state, Command which) { RunCommand(state, kHelix, which); }

BENCHMARK_CAPTURE(BM_WindowSurface, draw, Command::Draw)
    ->Arg(20)
    ->Arg(40)
    ->Arg(80)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WindowSurface, arrow, Command::Arrow)
    ->Arg(20)
    ->Arg(40)
    ->Arg(80)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WindowSurface, clear_draw, Command::ClearAndDraw)
    ->Arg(20)
    ->Arg(40)
    ->Arg(80)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WindowTorus80, draw, Command::Draw)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WindowTorus80, arrow, Command::Arrow)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WindowTorus80, clear_draw, Command::ClearAndDraw)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WindowHelix, draw, Command::Draw)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WindowHelix, arrow, Command::Arrow)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WindowHelix, clear_draw, Command::ClearAndDraw)->Unit(benchmark::kMillisecond);

// A space curve of 1,000,000 points (t from 0 to 100,000 in steps of 0.1),
// drawn once: the window must keep running its events during and after the
// drawing. peak_MB is the process's peak memory (run this benchmark alone).
void BM_WindowCurveMillion(benchmark::State& state) {
    const QByteArray button = QByteArray("btnChoice3");
    vemlo::MainMenu1->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    QApplication::processEvents();
    vemlo::GraphState& g = vemlo::TheGraph();
    vemlo::ApplyFunctions(g, {"Cos(t)", "Sin(t)", "t/20000"});
    g.FunctionCalled = true;
    g.MinT = 0;
    g.MaxT = 1e5;
    g.Step = 0.1;
    double gap = 0;
    for (auto _ : state) {
        GapMeter meter;
        UntilPainted([] { VemloScrn1->DrawButn2->click(); });
        gap = std::max(gap, meter.longestMs());
    }
    state.counters["max_gap_ms"] = gap;
    state.counters["lines"] = static_cast<double>(VemloScrn1->Listing->size());
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    state.counters["peak_MB"] = use.ru_maxrss / 1024.0;
}
BENCHMARK(BM_WindowCurveMillion)->Unit(benchmark::kMillisecond)->Iterations(1);

// Then List Function Values opens the listing of those 1,000,000 points: the
// window makes their text only now.
void BM_WindowListingMillion(benchmark::State& state) {
    for (auto _ : state) {
        vemlo::FuncList->hide();
        VemloScrn1->ListFunctionValues1->trigger();
        QApplication::processEvents();
    }
    state.counters["lines"] = static_cast<double>(vemlo::FuncList->Values->blockCount());
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    state.counters["peak_MB"] = use.ru_maxrss / 1024.0;
    vemlo::FuncList->hide();
}
BENCHMARK(BM_WindowListingMillion)->Unit(benchmark::kMillisecond)->Iterations(1);

// Cancel Draw pressed 200 ms into the drawing of the curve of 1,000,000
// points: how long the drawing goes on before it stops.
void BM_WindowCancel(benchmark::State& state) {
    vemlo::MainMenu1->findChild<QPushButton*>(QStringLiteral("btnChoice3"))->click();
    QApplication::processEvents();
    vemlo::GraphState& g = vemlo::TheGraph();
    vemlo::ApplyFunctions(g, {"Cos(t)", "Sin(t)", "t/20000"});
    g.FunctionCalled = true;
    g.MinT = 0;
    g.MaxT = 1e5;
    g.Step = 0.1;
    double latest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QElapsedTimer pressed;
        QTimer::singleShot(200, [&pressed] {
            VemloScrn1->DrawBtn->click();
            pressed.start();
        });
        VemloScrn1->DrawButn2->click();
        const double ms = pressed.isValid() ? pressed.nsecsElapsed() / 1e6 : -1;
        latest = std::max(latest, ms);
        state.ResumeTiming();
    }
    state.counters["cancel_ms"] = latest;
}
BENCHMARK(BM_WindowCancel)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    vemlo::SetScreenSizeOverride(QSize(1440, 900));
    vemlo::CreateForms();
    vemlo::MainMenu1->show();
    QApplication::processEvents();
    PaintCounter counter;
    Painted = &counter;
    VemloScrn1->Image1->installEventFilter(&counter);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    VemloScrn1->Image1->removeEventFilter(&counter);
    vemlo::DestroyForms();
    return 0;
}
