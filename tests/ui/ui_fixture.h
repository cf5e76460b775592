#pragma once
// Common set-up of the UI tests: the start menu open, the main window and
// the help window closed, and helpers that drive widgets by their names.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>

#include "app/TMainMenu1.h"
#include "ui/Globals.h"
#include "ui/THelpDlg.h"
#include "ui/TVemloScrn1.h"

namespace vemlo::testing {

template <typename T>
T* Find(QObject* root, const char* name) {
    T* w = root->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << "no " << name;
    return w;
}

class UiTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetScreenSizeOverride(QSize(1440, 900));
        VemloScrn1->hide();
        HelpDlg->hide();
        MainMenu1->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        VemloScrn1->hide();
        HelpDlg->hide();
        QApplication::processEvents();
    }

    /// Presses the start menu's button for mode c ('1' to '5').
    static void Pick(char c) {
        const QByteArray name = QByteArray("btnChoice") + c;
        QPushButton* b = Find<QPushButton>(MainMenu1, name.constData());
        ASSERT_NE(b, nullptr);
        b->click();
        QApplication::processEvents();
    }

    static QAction* Item(const char* name) { return Find<QAction>(VemloScrn1, name); }
};

}  // namespace vemlo::testing
