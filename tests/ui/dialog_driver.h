#pragma once
// Drives the modal dialogs in tests: looks at their controls by designer
// name, types into boxes and presses OK or Cancel, from inside the dialog's
// own event loop. WhenShown arms a dialog for its next exec(); ModalAnswer
// answers a dialog that a command of the main window opens however late (a
// drawing may process events many times before the dialog comes up);
// ModalSteps answers the modal windows a command opens one after another
// (a file dialog, then a message box, ...).

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

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

/// What a message box showed.
struct ShownBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

class ModalSteps {
public:
    using Step = std::function<void(QWidget&)>;

    explicit ModalSteps(std::vector<Step> steps) : state_(std::make_shared<State>()) {
        state_->steps = std::move(steps);
        timer_ = new QTimer;
        timer_->setInterval(2);
        std::shared_ptr<State> s = state_;
        QTimer* t = timer_;
        QObject::connect(t, &QTimer::timeout, [s, t] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w || !w->isVisible()) return;
            if (s->done >= s->steps.size()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                ADD_FAILURE() << "an unexpected window: " << w->metaObject()->className() << " "
                              << w->objectName().toStdString() << (box ? box->text().toStdString() : "");
                t->stop();
                if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
                return;
            }
            s->steps[s->done++](*w);
        });
        timer_->start();
    }
    ~ModalSteps() { delete timer_; }
    ModalSteps(const ModalSteps&) = delete;
    ModalSteps& operator=(const ModalSteps&) = delete;

    /// How many of the steps were taken.
    std::size_t done() const { return state_->done; }
    bool allDone() const { return state_->done == state_->steps.size(); }

    /// The file dialog of that name: chooses the path and accepts it, or cancels.
    static Step File(const char* name, const QString& path, bool ok = true) {
        return [name, path, ok](QWidget& w) {
            auto* d = qobject_cast<QFileDialog*>(&w);
            ASSERT_NE(d, nullptr) << "expected " << name << ", got " << w.metaObject()->className();
            EXPECT_EQ(d->objectName(), QString::fromLatin1(name));
            if (!ok) {
                d->reject();
                return;
            }
            // Whatever was picked in the list before is let go, and the whole
            // path typed into the name box, as a user would.
            d->selectFile(path);
            auto* box = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(box, nullptr);
            box->setText(path);
            // The dialog's own accept, as the Save or Open button runs it.
            static_cast<QDialog*>(d)->accept();
        };
    }

    /// A message box: keeps what it shows and presses the given button.
    static Step Box(ShownBox* seen, QMessageBox::StandardButton press = QMessageBox::Ok) {
        return [seen, press](QWidget& w) {
            auto* box = qobject_cast<QMessageBox*>(&w);
            ASSERT_NE(box, nullptr) << "expected a message box, got " << w.metaObject()->className();
            if (seen) *seen = {box->windowTitle(), box->text(), box->icon()};
            QAbstractButton* b = box->button(press);
            ASSERT_NE(b, nullptr);
            b->click();
        };
    }

    /// The print dialog: accepts it as it stands, or cancels.
    static Step Print(bool ok = true) {
        return [ok](QWidget& w) {
            auto* d = qobject_cast<QPrintDialog*>(&w);
            ASSERT_NE(d, nullptr) << "expected the print dialog, got " << w.metaObject()->className();
            EXPECT_EQ(d->objectName(), QStringLiteral("PrintDialog1"));
            if (ok)
                d->accept();
            else
                d->reject();
        };
    }

private:
    struct State {
        std::vector<Step> steps;
        std::size_t done = 0;
    };
    std::shared_ptr<State> state_;
    QTimer* timer_;
};

}  // namespace vemlo::testing
