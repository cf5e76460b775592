// The main of every Qt test program: the tests run on the offscreen platform,
// without a display. Built with VEMLO_TEST_FORMS, the tests run against the
// program's own forms, created once in the program's order on a screen of
// 1440 x 900 pixels.
#include <gtest/gtest.h>

#include <QApplication>

#ifdef VEMLO_TEST_FORMS
#include "app/Forms.h"
#include "ui/Globals.h"
#endif

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
#ifdef VEMLO_TEST_FORMS
    vemlo::SetScreenSizeOverride(QSize(1440, 900));
    vemlo::CreateForms();
#endif
    const int rc = RUN_ALL_TESTS();
#ifdef VEMLO_TEST_FORMS
    vemlo::DestroyForms();
#endif
    return rc;
}
