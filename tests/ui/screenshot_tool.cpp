// Takes screenshots of the program's windows for the README: starts the
// program's forms, presses "1" on the start menu and saves one window as PNG.
// "draw" enters the formula and 40 curves through their dialogs and presses
// Draw; "arrows" then presses the right arrow twice; "cone", "helix" and
// "torus" draw a sample of modes 2, 3 and 4.
// Usage: vemlo_screenshot OUT.png [main|start|help|draw|arrows|cone|helix|torus]
// (under a display, e.g. xvfb-run)
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "app/Forms.h"
#include "app/TMainMenu1.h"
#include "ui/Changer1.h"
#include "ui/Eqn1Dlg.h"
#include "ui/Globals.h"
#include "ui/Kit.h"
#include "ui/THelpDlg.h"
#include "ui/TVemloScrn1.h"

namespace {

// Types into the dialog once it is up and presses OK; runs `command`, which opens it.
template <typename Command>
void Answer(QDialog* d, const std::map<std::string, QString>& typed, Command command) {
    QTimer t;
    QObject::connect(&t, &QTimer::timeout, [&] {
        if (QApplication::activeModalWidget() != d) return;
        t.stop();
        for (const auto& [name, text] : typed)
            d->findChild<QLineEdit*>(QString::fromStdString(name))->setText(text);
        d->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    t.start(10);
    command();
}

bool Is(const char* a, const char* b) { return std::strcmp(a, b) == 0; }

struct Sample {
    const char* name;
    const char* button;
    std::map<std::string, QString> formulas;
};

const Sample kSamples[] = {
    {"draw", "btnChoice1", {{"Edit1", QStringLiteral("(2*x^2+3*y^2)*Exp(1-x^2-y^2)")}}},
    {"arrows", "btnChoice1", {{"Edit1", QStringLiteral("(2*x^2+3*y^2)*Exp(1-x^2-y^2)")}}},
    {"cone", "btnChoice2", {{"Edit1", QStringLiteral("2-r/2")}}},
    {"helix",
     "btnChoice3",
     {{"Edit1", QStringLiteral("2*Cos(4*t)")},
      {"Edit2", QStringLiteral("2*Sin(4*t)")},
      {"Edit3", QStringLiteral("t")}}},
    {"torus",
     "btnChoice4",
     {{"Edit1", QStringLiteral("(2+Cos(v))*Cos(u)")},
      {"Edit2", QStringLiteral("(2+Cos(v))*Sin(u)")},
      {"Edit3", QStringLiteral("Sin(v)")}}},
};

const Sample* FindSample(const char* which) {
    for (const Sample& s : kSamples)
        if (Is(which, s.name)) return &s;
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    const char* which = argc == 3 ? argv[2] : "main";
    const Sample* sample = FindSample(which);
    const bool drawing = sample != nullptr;
    if (argc < 2 || argc > 3 || !(Is(which, "main") || Is(which, "start") || Is(which, "help") || drawing)) {
        std::fputs("usage: vemlo_screenshot OUT.png [main|start|help|draw|arrows|cone|helix|torus]\n",
                   stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    vemlo::CreateForms();
    vemlo::MainMenu1->show();
    int rc = 1;
    QTimer::singleShot(500, [&] {
        using vemlo::VemloScrn1;
        vemlo::MainMenu1->findChild<QPushButton*>(sample ? sample->button : "btnChoice1")->click();
        if (Is(which, "help")) VemloScrn1->VemloHelp1->trigger();
        if (drawing) {
            Answer(vemlo::EqnDlg, sample->formulas, [] { VemloScrn1->Function1->trigger(); });
            Answer(vemlo::ChangeDlg, {{"Edit1", QStringLiteral("40")}, {"Edit2", QStringLiteral("40")}},
                   [] { VemloScrn1->Curves1->trigger(); });
            VemloScrn1->DrawButn2->click();
            if (Is(which, "arrows")) {
                VemloScrn1->Arrow4->click();
                VemloScrn1->Arrow4->click();
            }
        }
        QTimer::singleShot(1000, [&] {
            QWidget* w = VemloScrn1;
            if (Is(which, "start")) w = vemlo::MainMenu1;
            if (Is(which, "help")) w = vemlo::HelpDlg;
            rc = w->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
            QApplication::quit();
        });
    });
    QApplication::exec();
    vemlo::DestroyForms();
    return rc;
}
