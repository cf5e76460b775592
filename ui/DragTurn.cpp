#include "ui/DragTurn.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "engine/Settings.h"
#include "ui/Globals.h"
#include "ui/TImage.h"
#include "ui/TVemloScrn1.h"

namespace vemlo {

namespace {

QString CompassText(double angle) { return QString::fromStdString(DegreesText(angle, 5, 1)); }

}  // namespace

DragTurn::DragTurn(TVemloScrn1& w) : QObject(&w), w_(w) {
    setObjectName(QStringLiteral("DragTurn"));
    w_.Image1->setFocusPolicy(Qt::ClickFocus);
    w_.Image1->installEventFilter(this);
    ShowHand();
}

bool DragTurn::Free() const { return !w_.Busy() && !QApplication::activeModalWidget(); }

void DragTurn::ShowHand() { w_.Image1->setCursor(dragging_ ? Qt::ClosedHandCursor : Qt::OpenHandCursor); }

bool DragTurn::eventFilter(QObject* watched, QEvent* event) {
    if (watched != w_.Image1) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (e->button() != Qt::LeftButton) return false;
            Press(e->position().toPoint());
            return true;
        }
        case QEvent::MouseMove: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (!dragging_) return false;
            // The release went elsewhere (the window lost the pointer): the drag is over.
            if (!(e->buttons() & Qt::LeftButton)) {
                Release();
                return true;
            }
            Move(e->position().toPoint());
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (e->button() != Qt::LeftButton || !dragging_) return false;
            Release();
            return true;
        }
        case QEvent::KeyPress:
            return Key(static_cast<QKeyEvent*>(event)->key());
        default:
            return false;
    }
}

void DragTurn::Press(QPoint at) {
    // A drag may begin while the last one's redraw still runs: its moves
    // join that redraw's loop.
    if (!Free() && !turning_) return;
    dragging_ = true;
    last_ = at;
    ShowHand();
}

void DragTurn::Move(QPoint at) {
    const QPoint d = at - last_;
    last_ = at;
    if (!turning_) {
        // Another command draws: the graph is not turned meanwhile.
        if (!Free()) return;
        const GraphState& G = TheGraph();
        wantTheta_ = G.Theta;
        wantPhi_ = G.Phi;
    }
    const EyeAngles eye = DragAngles(wantTheta_, wantPhi_, d.x(), d.y());
    if (eye.Theta == wantTheta_ && eye.Phi == wantPhi_) return;
    wantTheta_ = eye.Theta;
    wantPhi_ = eye.Phi;
    pending_ = true;
    if (!turning_) Turn();
}

void DragTurn::Release() {
    dragging_ = false;
    ShowHand();
}

bool DragTurn::Key(int key) {
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Right;
    if (!arrow) return false;
    if (!Free()) return true;
    switch (key) {
        case Qt::Key_Left:
            w_.Arrow1Click();
            return true;
        case Qt::Key_Up:
            w_.Arrow2Click();
            return true;
        case Qt::Key_Down:
            w_.Arrow3Click();
            return true;
        case Qt::Key_Right:
            w_.Arrow4Click();
            return true;
        default:
            return false;
    }
}

void DragTurn::Turn() {
    turning_ = true;
    {
        CommandLock lock(w_);
        GraphState& G = TheGraph();
        while (pending_) {
            pending_ = false;
            // Moves there and back during the last redraw leave nothing to do.
            if (G.Theta == wantTheta_ && G.Phi == wantPhi_) break;
            w_.Image1->update();
            G.Theta = wantTheta_;
            G.Phi = wantPhi_;
            w_.Edit4->setText(CompassText(G.Theta));
            w_.Edit5->setText(CompassText(G.Phi));
            // Moves that arrive while this runs only change the wanted angles.
            w_.RedrawTurned();
            ++redraws_;
        }
    }
    turning_ = false;
}

}  // namespace vemlo
