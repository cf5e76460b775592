#pragma once
// Answers a modal dialog that a command of the main window opens, however
// late it opens: a drawing may process events many times before the dialog
// comes up, so a plain zero timer would fire too early. The answer waits
// until the dialog is the active modal window, then looks, types into boxes
// by their designer names and presses OK or Cancel.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace vemlo::test {

class ModalAnswer {
public:
    using Look = std::function<void(QDialog&)>;

    ModalAnswer(QDialog* dialog, std::map<std::string, QString> typed, bool ok = true, Look look = {})
        : shown_(std::make_shared<bool>(false)) {
        timer_ = new QTimer;
        timer_->setInterval(2);
        QTimer* t = timer_;
        std::shared_ptr<bool> shown = shown_;
        QObject::connect(t, &QTimer::timeout, [dialog, typed, ok, look, t, shown] {
            if (!dialog->isVisible() || QApplication::activeModalWidget() != dialog) return;
            t->stop();
            *shown = true;
            if (look) look(*dialog);
            for (const auto& [name, text] : typed) {
                auto* box = dialog->findChild<QLineEdit*>(QString::fromStdString(name));
                EXPECT_NE(box, nullptr) << name;
                if (box) box->setText(text);
            }
            dialog->findChild<QPushButton*>(ok ? "OKBtn" : "CancelBtn")->click();
        });
        timer_->start();
    }
    ~ModalAnswer() { delete timer_; }
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

    /// Whether the dialog came up and was answered.
    bool shown() const { return *shown_; }

private:
    QTimer* timer_;
    std::shared_ptr<bool> shown_;
};

}  // namespace vemlo::test
