#include "ui/Kit.h"

#include <QDialog>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QPolygon>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "engine/Settings.h"
#include "output/QImageCanvas.h"

namespace vemlo {

namespace {

// Swallows Escape before the dialog would reject itself on it.
class EscapeFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

TPanel::TPanel(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
}

void TPanel::setBevel(int width, bool border) {
    bevel_ = width;
    border_ = border;
    const int frame = width + (border ? 1 : 0);
    setContentsMargins(frame, frame, frame, frame);
    update();
}

void TPanel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (bevel_ <= 0 && !border_) return;
    QPainter p(this);
    QRect r = rect();
    if (border_) {
        p.setPen(Qt::black);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
    }
    const QColor base = palette().color(QPalette::Window);
    const QColor light = base.lighter(150), dark = base.darker(160);
    for (int i = 0; i < bevel_; ++i) {
        const QRect b = r.adjusted(i, i, -i - 1, -i - 1);
        p.setPen(light);
        p.drawLine(b.topLeft(), b.topRight());
        p.drawLine(b.topLeft(), b.bottomLeft());
        p.setPen(dark);
        p.drawLine(b.bottomLeft(), b.bottomRight());
        p.drawLine(b.topRight(), b.bottomRight());
    }
}

TArrow::TArrow(Direction d, QWidget* parent) : QAbstractButton(parent), dir_(d) {
    setFocusPolicy(Qt::NoFocus);
}

void TArrow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect().adjusted(3, 3, -3, -3);
    QPolygon tri;
    switch (dir_) {
        case Left:
            tri << QPoint(r.left(), r.center().y()) << r.topRight() << r.bottomRight();
            break;
        case Right:
            tri << QPoint(r.right(), r.center().y()) << r.topLeft() << r.bottomLeft();
            break;
        case Up:
            tri << QPoint(r.center().x(), r.top()) << r.bottomLeft() << r.bottomRight();
            break;
        case Down:
            tri << QPoint(r.center().x(), r.bottom()) << r.topLeft() << r.topRight();
            break;
    }
    QColor c = toQColor(color_);
    if (!isEnabled()) c = palette().color(QPalette::Disabled, QPalette::WindowText);
    if (isDown()) tri.translate(1, 1);
    p.setPen(c);
    p.setBrush(c);
    p.drawPolygon(tri);
}

TEditBox::TEditBox(QWidget* parent) : QLineEdit(parent) {}

void TEditBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (autoSelect_) selectAll();
}

void TEditBox::fill(const QString& text) {
    filled_ = text;
    setText(text);
}

std::string TEditBox::entry() const { return text() == filled_ ? std::string() : text().toStdString(); }

QWidget* MakeBevel(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* f = Make<QFrame>(parent, name, left, top, width, height);
    f->setFrameStyle(QFrame::Box | QFrame::Sunken);
    f->lower();
    return f;
}

void Place(QWidget* w, const char* name, int left, int top, int width, int height) {
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(left, top, width, height);
}

void SetBackground(QWidget* w, Color c) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, toQColor(c));
    pal.setColor(QPalette::Base, toQColor(c));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

void SetTextColor(QWidget* w, Color c) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, toQColor(c));
    pal.setColor(QPalette::Text, toQColor(c));
    pal.setColor(QPalette::ButtonText, toQColor(c));
    w->setPalette(pal);
}

void SetFontHeight(QWidget* w, int pixels) {
    // The height is that of a whole line of text; Qt sizes fonts by the em,
    // which is smaller by the font's own leading.
    QFont f = w->font();
    QFont probe = f;
    probe.setPixelSize(100);
    const int lineHeight = QFontMetrics(probe).height();
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels * 100.0 / std::max(1, lineHeight)))));
    w->setFont(f);
}

void SetUpDialog(QDialog* d, int clientWidth, int clientHeight, int fontHeight) {
    QPalette p = d->palette();
    p.setColor(QPalette::Window, toQColor(colors::Cream));
    d->setPalette(p);
    d->setAutoFillBackground(true);
    SetFontHeight(d, fontHeight);
    d->setModal(true);
    d->setFixedSize(clientWidth, clientHeight);
}

void SetDialogWidth(QDialog* d, int width) { d->setFixedSize(width, d->height()); }

void SetDialogHeight(QDialog* d, int height) { d->setFixedSize(d->width(), height); }

void NoEscapeKey(QDialog* d) { d->installEventFilter(new EscapeFilter(d)); }

void NoDefaultButton(QPushButton* ok, QPushButton* cancel) {
    for (QPushButton* b : {ok, cancel}) {
        b->setDefault(false);
        b->setAutoDefault(false);
    }
}

void SetCaption(QLabel* label, const QString& caption) {
    label->setTextFormat(Qt::PlainText);
    label->setText(caption);
    const int needed = label->sizeHint().width();
    if (needed > label->width()) label->resize(needed, label->height());
}

void FocusBox(TEditBox* box) {
    box->setAutoSelect(true);
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

QString Fixed(double value, int width, int decimals) { return Qs(FixedText(value, width, decimals)); }

}  // namespace vemlo
