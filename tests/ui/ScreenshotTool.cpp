// Takes screenshots of the program's windows for the README: starts the
// program's forms, presses "1" on the start menu and saves one window as PNG.
// Usage: vemlo_screenshot OUT.png [main|start|help]   (under a display, e.g. xvfb-run)
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "app/Forms.h"
#include "app/TMainMenu1.h"
#include "ui/THelpDlg.h"
#include "ui/TVemloScrn1.h"

int main(int argc, char** argv) {
    const char* which = argc == 3 ? argv[2] : "main";
    if (argc < 2 || argc > 3 ||
        (std::strcmp(which, "main") && std::strcmp(which, "start") && std::strcmp(which, "help"))) {
        std::fputs("usage: vemlo_screenshot OUT.png [main|start|help]\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    vemlo::CreateForms();
    vemlo::MainMenu1->show();
    int rc = 1;
    QTimer::singleShot(500, [&] {
        vemlo::MainMenu1->findChild<QPushButton*>(QStringLiteral("btnChoice1"))->click();
        if (!std::strcmp(which, "help")) vemlo::VemloScrn1->VemloHelp1->trigger();
        QTimer::singleShot(1000, [&] {
            QWidget* w = vemlo::VemloScrn1;
            if (!std::strcmp(which, "start")) w = vemlo::MainMenu1;
            if (!std::strcmp(which, "help")) w = vemlo::HelpDlg;
            rc = w->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
            QApplication::quit();
        });
    });
    QApplication::exec();
    vemlo::DestroyForms();
    return rc;
}
