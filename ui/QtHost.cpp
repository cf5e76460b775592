#include "ui/QtHost.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QWidget>
#include <utility>

namespace vemlo {

QtHost::QtHost(QWidget* window) : window_(window) {}

void QtHost::processMessages() {
    if (sinceEvents_.isValid() && sinceEvents_.elapsed() < eventMs_) return;
    constexpr int kRepaintMs = 40;
    if (target_ && (!sinceRepaint_.isValid() || sinceRepaint_.elapsed() >= kRepaintMs)) {
        target_->update();
        sinceRepaint_.start();
    }
    QCoreApplication::processEvents();
    sinceEvents_.start();
}

void QtHost::setCursor(CursorKind kind) {
    if (kind == CursorKind::Busy) {
        if (QApplication::overrideCursor())
            QApplication::changeOverrideCursor(QCursor(Qt::WaitCursor));
        else
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        return;
    }
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

void QtHost::setListing(ValueListing listing) {
    if (sink_) sink_(std::make_shared<const ValueListing>(std::move(listing)));
}

void QtHost::message(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), QString::fromStdString(text),
                    QMessageBox::Ok, window_);
    box.exec();
}

}  // namespace vemlo
