// The UI tests run against the program's own forms, created once in the
// program's order on a screen of 1440 x 900 pixels.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/Forms.h"
#include "ui/Globals.h"

namespace {

QtMessageHandler standardHandler = nullptr;

// The offscreen platform cannot raise windows and says so on every showing.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& msg) {
    if (msg.contains(QLatin1String("does not support raise()"))) return;
    if (standardHandler) standardHandler(type, context, msg);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(QuietHandler);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    vemlo::SetScreenSizeOverride(QSize(1440, 900));
    vemlo::CreateForms();
    const int rc = RUN_ALL_TESTS();
    vemlo::DestroyForms();
    return rc;
}
