// Turning the graph by hand in the program's own main window, offscreen: a
// drag of 60 pointer moves over a surface of 80 x 80 grid curves in the
// 776 x 466 graphing image, timed until the last view is painted.
//
// Steady: each move is handled before the next comes, so each one redraws
// the whole graph (frame, surface, pictures, axes); redraws/s is the rate
// the hand can turn the graph at.
// Live: the moves come at a fixed pace from a timer, as a hand's would, also
// while a redraw runs; such moves only change the wanted angles and are
// drawn by one more redraw. Reports how many redraws the 60 moves took.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include "app/Forms.h"
#include "app/TMainMenu1.h"
#include "bench/program_window.h"
#include "ui/DragTurn.h"
#include "ui/Globals.h"
#include "ui/TImage.h"
#include "ui/TVemloScrn1.h"

namespace {

using vemlo::GraphState;
using vemlo::TheGraph;
using vemlo::VemloScrn1;

constexpr int kMoves = 60;

void Program() { vemlo::bench::ProgramWindow(); }

// The hump drawn once at the default view.
void DrawnHump() {
    Program();
    GraphState& g = TheGraph();
    g.SFunc = "(2*x^2+3*y^2)*Exp(1-x^2-y^2)";
    g.DeltaX = g.DeltaY = 80;
    VemloScrn1->DrawButn2->click();
    QApplication::processEvents();
}

QMouseEvent* Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QWidget* top = VemloScrn1;
    const QPoint p = VemloScrn1->Image1->mapTo(top, at);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    return new QMouseEvent(type, p, top->mapToGlobal(p), button, held, Qt::NoModifier);
}

void Send(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent* e = Mouse(type, at, held);
    QApplication::sendEvent(VemloScrn1->windowHandle(), e);
    delete e;
}

// Move k of a drag: mostly across, a little down and up again.
QPoint Step(QPoint start, int k) { return start + QPoint(3 * k, k < kMoves / 2 ? k : kMoves - k); }

void Painted() {
    VemloScrn1->Image1->repaint();
    QApplication::processEvents();
}

void BM_DragSteady(benchmark::State& state) {
    DrawnHump();
    vemlo::DragTurn* drag = VemloScrn1->Drag;
    const QPoint start(100, 100);
    const int before = drag->Redraws();
    for (auto _ : state) {
        Send(QEvent::MouseButtonPress, start, Qt::LeftButton);
        for (int k = 1; k <= kMoves; ++k) Send(QEvent::MouseMove, Step(start, k), Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, Step(start, kMoves), Qt::NoButton);
        Painted();
    }
    const double redraws = drag->Redraws() - before;
    state.counters["redraws"] = redraws / static_cast<double>(state.iterations());
    state.counters["redraws/s"] = benchmark::Counter(redraws, benchmark::Counter::kIsRate);
}

void BM_DragLive(benchmark::State& state) {
    DrawnHump();
    vemlo::DragTurn* drag = VemloScrn1->Drag;
    const int paceMs = static_cast<int>(state.range(0));
    const QPoint start(100, 100);
    const int before = drag->Redraws();
    for (auto _ : state) {
        Send(QEvent::MouseButtonPress, start, Qt::LeftButton);
        int k = 0;
        QTimer pace;
        pace.setTimerType(Qt::PreciseTimer);
        QObject::connect(&pace, &QTimer::timeout, [&] {
            if (k == kMoves) return;
            ++k;
            QCoreApplication::postEvent(VemloScrn1->windowHandle(),
                                        Mouse(QEvent::MouseMove, Step(start, k), Qt::LeftButton));
        });
        pace.start(paceMs);
        while (k < kMoves) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        pace.stop();
        QApplication::processEvents();  // the last moves, and the redraws they ask for
        Send(QEvent::MouseButtonRelease, Step(start, kMoves), Qt::NoButton);
        Painted();
    }
    const double redraws = drag->Redraws() - before;
    state.counters["redraws"] = redraws / static_cast<double>(state.iterations());
}

BENCHMARK(BM_DragSteady)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DragLive)->Arg(8)->Arg(16)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
