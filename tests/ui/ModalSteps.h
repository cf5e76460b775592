#pragma once
// Answers the modal windows a command opens one after the other (a file
// dialog, then a message box, ...): each step waits until a window is the
// active modal one and visible, checks that it is the expected kind, looks at
// it and closes it. What the message boxes said is kept for the test.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

namespace vemlo::test {

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

}  // namespace vemlo::test
