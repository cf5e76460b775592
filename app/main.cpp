#include <QApplication>
#include <cstdio>

#include "app/Forms.h"
#include "app/TMainMenu1.h"

namespace {

// Qt aborts without a display; say so plainly instead.
bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!HasDisplay()) {
        std::fputs("vemlo: no display found (set DISPLAY or WAYLAND_DISPLAY, or run under xvfb-run)\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vemlo"));
    // Lets the desktop match the windows with the menu entry vemlo.desktop.
    QApplication::setDesktopFileName(QStringLiteral("vemlo"));
    QApplication::setQuitOnLastWindowClosed(false);

    vemlo::CreateForms();
    vemlo::MainMenu1->show();
    const int rc = QApplication::exec();
    vemlo::DestroyForms();
    return rc;
}
