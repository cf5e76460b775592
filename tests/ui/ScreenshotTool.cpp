// Takes the README's screenshot: starts the program's forms, presses "1" on
// the start menu and saves the main graph window as a PNG file.
// Usage: vemlo_screenshot OUT.png   (under a display, e.g. xvfb-run)
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "app/Forms.h"
#include "app/TMainMenu1.h"
#include "ui/TVemloScrn1.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: vemlo_screenshot OUT.png\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    vemlo::CreateForms();
    vemlo::MainMenu1->show();
    int rc = 1;
    QTimer::singleShot(500, [&] {
        vemlo::MainMenu1->findChild<QPushButton*>(QStringLiteral("btnChoice1"))->click();
        QTimer::singleShot(1000, [&] {
            rc = vemlo::VemloScrn1->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
            QApplication::quit();
        });
    });
    QApplication::exec();
    vemlo::DestroyForms();
    return rc;
}
