#include "output/QImageCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPolygon>
#include <cmath>
#include <cstdlib>

namespace vemlo {

QColor toQColor(Color c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

Color fromQColor(const QColor& c) {
    return static_cast<Color>(c.red()) | (static_cast<Color>(c.green()) << 8) |
           (static_cast<Color>(c.blue()) << 16);
}

namespace {

// Dash-dot pattern of a one-pixel pen: a dash of 6, a gap of 3, a dot, a gap of 3.
constexpr bool kDashDot[] = {1, 1, 1, 1, 1, 1, 0, 0, 0, 1, 0, 0, 0};
constexpr int kDashDotLen = sizeof(kDashDot) / sizeof(kDashDot[0]);

Qt::PenStyle qtPenStyle(TPenStyle s) {
    switch (s) {
        case TPenStyle::Clear:
            return Qt::NoPen;
        case TPenStyle::DashDot:
            return Qt::DashDotLine;
        case TPenStyle::Solid:
            break;
    }
    return Qt::SolidLine;
}

// Coordinates far outside the image are clamped so that line and polygon
// arithmetic stays in range; what is drawn inside the image is unchanged
// for every point within this margin.
constexpr int kLimit = 1 << 20;
int clampCoord(int v) { return v < -kLimit ? -kLimit : (v > kLimit ? kLimit : v); }

}  // namespace

QImageCanvas::QImageCanvas(QImage& image) : image_(image) {}

QImageCanvas::~QImageCanvas() { flush(); }

void QImageCanvas::flush() {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

QFont QImageCanvas::font(int points) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))));
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

QPainter& QImageCanvas::painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, false);
    }
    return *painter_;
}

void QImageCanvas::plot(int x, int y, QRgb rgb) {
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return;
    switch (image_.format()) {
        case QImage::Format_RGB32:
        case QImage::Format_ARGB32:
        case QImage::Format_ARGB32_Premultiplied:
            reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = rgb;
            break;
        default:
            // Other layouts (24-bit pictures, byte-ordered RGBA) are not rows of QRgb words.
            image_.setPixelColor(x, y, QColor::fromRgb(rgb));
            break;
    }
}

// Bresenham from (x0, y0) towards (x1, y1), the end pixel excluded; a line to
// the pen's own position sets that one pixel.
void QImageCanvas::thinLine(int x0, int y0, int x1, int y1) {
    flush();
    const QRgb rgb = toQColor(penColor_).rgb();
    if (x0 == x1 && y0 == y1) {
        plot(x0, y0, rgb);
        return;
    }
    const long long dx = std::llabs(static_cast<long long>(x1) - x0);
    const long long dy = -std::llabs(static_cast<long long>(y1) - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    long long err = dx + dy;
    long long x = x0, y = y0;
    const bool dashed = penStyle_ == TPenStyle::DashDot;
    while (x != x1 || y != y1) {
        if (!dashed || kDashDot[dashPhase_])
            plot(static_cast<int>(x), static_cast<int>(y), rgb);
        if (dashed) dashPhase_ = (dashPhase_ + 1) % kDashDotLen;
        if (x < -kLimit || x > kLimit || y < -kLimit || y > kLimit) break;
        const long long e2 = 2 * err;
        if (e2 >= dy) { err += dy; x += sx; }
        if (e2 <= dx) { err += dx; y += sy; }
    }
}

void QImageCanvas::lineTo(int x, int y) {
    x = clampCoord(x);
    y = clampCoord(y);
    if (penStyle_ != TPenStyle::Clear) {
        if (penWidth_ <= 1) {
            thinLine(clampCoord(pos_.x), clampCoord(pos_.y), x, y);
        } else {
            if (image_.isNull()) {
                pos_ = {x, y};
                return;
            }
            QPainter& p = painter();
            QPen pen(toQColor(penColor_), penWidth_, qtPenStyle(penStyle_), Qt::RoundCap, Qt::RoundJoin);
            p.setPen(pen);
            // A wide line of no length paints nothing in Qt; the pen's dot must still show.
            if (pos_.x == x && pos_.y == y)
                p.drawPoint(x, y);
            else
                p.drawLine(pos_.x, pos_.y, x, y);
        }
    }
    pos_ = {x, y};
}

void QImageCanvas::polygon(const PointType* pts, int n) {
    if (n <= 0 || image_.isNull()) return;
    QPolygon poly;
    poly.reserve(n);
    for (int i = 0; i < n; ++i) poly << QPoint(clampCoord(pts[i].x), clampCoord(pts[i].y));
    QPainter& p = painter();
    if (penStyle_ == TPenStyle::Clear)
        p.setPen(Qt::NoPen);
    else
        p.setPen(QPen(toQColor(penColor_), penWidth_ <= 1 ? 0 : penWidth_, qtPenStyle(penStyle_)));
    if (brushStyle_ == TBrushStyle::Clear)
        p.setBrush(Qt::NoBrush);
    else
        p.setBrush(toQColor(brushColor_));
    p.drawPolygon(poly, Qt::WindingFill);
}

void QImageCanvas::rectangle(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (brushStyle_ != TBrushStyle::Clear) fillRect(x1, y1, x2, y2);
    if (penStyle_ == TPenStyle::Clear || x2 - x1 < 1 || y2 - y1 < 1) return;
    const PointType save = pos_;
    const int w = penWidth_;
    penWidth_ = 1;
    for (int k = 0; k < std::max(1, w); ++k) {
        // The outline lies inside the rectangle, as wide as the pen.
        const int l = x1 + k, t = y1 + k, r = x2 - 1 - k, b = y2 - 1 - k;
        if (l > r || t > b) break;
        moveTo(l, t);
        lineTo(r, t);
        lineTo(r, b);
        lineTo(l, b);
        lineTo(l, t);
    }
    penWidth_ = w;
    pos_ = save;
}

void QImageCanvas::fillRect(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (image_.isNull()) return;
    x1 = std::max(clampCoord(x1), 0);
    y1 = std::max(clampCoord(y1), 0);
    x2 = std::min(clampCoord(x2), image_.width());
    y2 = std::min(clampCoord(y2), image_.height());
    if (x1 >= x2 || y1 >= y2) return;
    painter().fillRect(QRect(x1, y1, x2 - x1, y2 - y1), toQColor(brushColor_));
}

void QImageCanvas::textOut(int x, int y, const std::string& text) {
    const QString s = QString::fromStdString(text);
    if (image_.isNull()) return;
    QPainter& p = painter();
    const QFont f = font(fontSize_);
    p.setFont(f);
    const QFontMetrics fm(f);
    if (brushStyle_ != TBrushStyle::Clear)
        p.fillRect(QRect(x, y, fm.horizontalAdvance(s), fm.height()), toQColor(brushColor_));
    p.setPen(toQColor(fontColor_));
    p.drawText(x, y + fm.ascent(), s);
    pos_ = {x + fm.horizontalAdvance(s), y};
}

int QImageCanvas::textWidth(const std::string& text) const {
    return QFontMetrics(font(fontSize_)).horizontalAdvance(QString::fromStdString(text));
}

int QImageCanvas::textHeight(const std::string&) const { return QFontMetrics(font(fontSize_)).height(); }

}  // namespace vemlo
