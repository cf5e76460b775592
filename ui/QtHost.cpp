#include "ui/QtHost.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

namespace vemlo {

QtHost::QtHost(QWidget* window) : window_(window) {}

void QtHost::processMessages() {
    constexpr qint64 kPassNs = 1000000;
    if (sincePass_.isValid() && sincePass_.nsecsElapsed() < kPassNs) return;
    constexpr int kRepaintMs = 40;
    if (target_ && (!sinceRepaint_.isValid() || sinceRepaint_.elapsed() >= kRepaintMs)) {
        target_->update();
        sinceRepaint_.start();
    }
    QCoreApplication::processEvents();
    sincePass_.start();
}

void QtHost::pause(int ms, const bool& going) {
    QElapsedTimer since;
    since.start();
    if (target_) {
        target_->update();
        sinceRepaint_.start();
    }
    QCoreApplication::processEvents();
    sincePass_.start();
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

void QtHost::setListing(const std::vector<std::string>& lines) {
    if (hold_) {
        heldLines_ = lines;
        held_ = true;
        return;
    }
    if (sink_) sink_(lines);
}

void QtHost::holdListings(bool hold) {
    hold_ = hold;
    if (hold || !held_) return;
    held_ = false;
    std::vector<std::string> lines;
    lines.swap(heldLines_);
    if (sink_) sink_(lines);
}

void QtHost::message(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), QString::fromStdString(text),
                    QMessageBox::Ok, window_);
    box.exec();
}

}  // namespace vemlo
