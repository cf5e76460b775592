#include "ui/QtHost.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
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

void QtHost::pause(int ms, const bool& going) {
    QElapsedTimer since;
    since.start();
    if (target_) {
        target_->update();
        sinceRepaint_.start();
    }
    QCoreApplication::processEvents();
    sinceEvents_.start();
    const qint64 left = ms - since.elapsed();
    if (left <= 0 || !going) return;
    // Ends at the time given, or at the first look after a button press
    // cleared the flag; the looks are a few milliseconds apart.
    constexpr int kLookMs = 5;
    QEventLoop loop;
    QTimer end;
    end.setSingleShot(true);
    end.setTimerType(Qt::PreciseTimer);
    QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&loop, &going] {
        if (!going) loop.quit();
    });
    end.start(static_cast<int>(left));
    look.start(kLookMs);
    loop.exec();
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
    if (hold_) {
        held_ = std::move(listing);
        return;
    }
    if (sink_) sink_(std::make_shared<const ValueListing>(std::move(listing)));
}

void QtHost::holdListings(bool hold) {
    hold_ = hold;
    if (hold || !held_) return;
    ValueListing listing = std::move(*held_);
    held_.reset();
    if (sink_) sink_(std::make_shared<const ValueListing>(std::move(listing)));
}

void QtHost::message(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), QString::fromStdString(text),
                    QMessageBox::Ok, window_);
    box.exec();
}

}  // namespace vemlo
