#pragma once
// The program's own forms for the benchmarks that measure what the user
// waits for: created once on a 1440 x 900 offscreen screen, by whichever
// benchmark runs first, with the main window of mode 1 shown.

#include <QApplication>

#include "app/Forms.h"
#include "app/TMainMenu1.h"
#include "ui/Globals.h"
#include "ui/TVemloScrn1.h"

namespace vemlo::bench {

inline void ProgramWindow() {
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "vemlo_bench";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);  // lives until the process ends
        QApplication::setQuitOnLastWindowClosed(false);
    }
    if (!VemloScrn1) {
        SetScreenSizeOverride(QSize(1440, 900));
        CreateForms();
    }
    if (!VemloScrn1->isVisible()) {
        MainMenu1->show();
        MainMenu1->btnChoice1->click();
    }
    QApplication::processEvents();
}

}  // namespace vemlo::bench
