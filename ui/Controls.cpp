#include "ui/Controls.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>

#include "output/QImageCanvas.h"

namespace vemlo {

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
    QFont f = w->font();
    // The height is that of the whole text line; Qt sizes fonts by the em,
    // which is smaller by the font's own leading.
    QFont probe = f;
    probe.setPixelSize(100);
    const int lineHeight = QFontMetrics(probe).height();
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels * 100.0 / std::max(1, lineHeight)))));
    w->setFont(f);
}

}  // namespace vemlo
