#pragma once
// Drives a modal dialog from inside its exec(): a zero timer runs once the
// dialog's event loop has started, looks at the controls by their designer
// names, types into them and presses OK or Cancel.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <map>
#include <string>

namespace vemlo::testing {

inline QLineEdit* BoxOf(QDialog& d, const char* name) {
    auto* w = d.findChild<QLineEdit*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

inline QLabel* LabelOf(QDialog& d, const char* name) {
    auto* w = d.findChild<QLabel*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

inline QWidget* WidgetOf(QDialog& d, const char* name) {
    auto* w = d.findChild<QWidget*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

/// What a test does while the dialog is up: look, then type. Boxes not named
/// in `typed` keep what the routine filled in. A look that closes the dialog
/// (by a key) ends the session there.
struct Session {
    std::map<std::string, QString> typed;
    bool ok = true;
    std::function<void(QDialog&)> look;
};

/// Arms the dialog for the next exec(). The timer belongs to the dialog, so
/// it dies with it if the routine never shows it.
inline void WhenShown(QDialog& d, Session s) {
    QTimer::singleShot(0, &d, [&d, s]() {
        EXPECT_TRUE(d.isVisible());
        if (s.look) s.look(d);
        if (!d.isVisible()) return;  // the look closed it already
        for (const auto& [name, text] : s.typed) BoxOf(d, name.c_str())->setText(text);
        d.findChild<QPushButton*>(s.ok ? "OKBtn" : "CancelBtn")->click();
    });
}

/// The dialog opened with `box` focused and its whole text selected.
inline void ExpectFocusedAndSelected(QDialog& d, const char* box) {
    QLineEdit* e = BoxOf(d, box);
    EXPECT_EQ(d.focusWidget(), e) << box;
    EXPECT_EQ(e->selectedText(), e->text()) << box;
}

/// Presses and releases a key in the dialog's focused control, as typing it
/// would; returns whether the dialog is still up afterwards.
inline bool StaysUpAfterKey(QDialog& d, Qt::Key key) {
    QWidget* target = d.focusWidget() ? d.focusWidget() : &d;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
    return d.isVisible();
}

}  // namespace vemlo::testing
