#pragma once
// Drives the modal dialogs in tests: looks at their controls by designer
// name, types into boxes and presses OK or Cancel, from inside the dialog's
// own event loop. WhenShown arms a dialog for its next exec(); ModalAnswer
// answers a dialog that a command of the main window opens however late (a
// drawing may process events many times before the dialog comes up).

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
#include <memory>
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

/// Types into the boxes of a shown dialog and presses OK or Cancel, after the
/// look (a look that closes the dialog by a key ends the session there).
inline void Answer(QDialog& d, const Session& s) {
    if (s.look) s.look(d);
    if (!d.isVisible()) return;
    for (const auto& [name, text] : s.typed) BoxOf(d, name.c_str())->setText(text);
    d.findChild<QPushButton*>(s.ok ? "OKBtn" : "CancelBtn")->click();
}

/// Arms the dialog for the next exec(). The timer belongs to the dialog, so
/// it dies with it if the routine never shows it.
inline void WhenShown(QDialog& d, Session s) {
    QTimer::singleShot(0, &d, [&d, s]() {
        EXPECT_TRUE(d.isVisible());
        Answer(d, s);
    });
}

/// Answers the dialog once it is the active modal window, for as long as the
/// object lives; shown() tells whether it came up.
class ModalAnswer {
public:
    using Look = std::function<void(QDialog&)>;

    ModalAnswer(QDialog* dialog, std::map<std::string, QString> typed, bool ok = true, Look look = {})
        : timer_(std::make_unique<QTimer>()), shown_(std::make_shared<bool>(false)) {
        timer_->setInterval(2);
        QTimer* t = timer_.get();
        std::shared_ptr<bool> shown = shown_;
        Session s{std::move(typed), ok, std::move(look)};
        QObject::connect(t, &QTimer::timeout, [dialog, s, t, shown] {
            if (!dialog->isVisible() || QApplication::activeModalWidget() != dialog) return;
            t->stop();
            *shown = true;
            Answer(*dialog, s);
        });
        timer_->start();
    }

    /// Whether the dialog came up and was answered.
    bool shown() const { return *shown_; }

private:
    std::unique_ptr<QTimer> timer_;
    std::shared_ptr<bool> shown_;
};

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
