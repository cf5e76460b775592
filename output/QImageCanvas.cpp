#include "output/QImageCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QVarLengthArray>
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

// Thin lines reaching beyond this margin are cut to it along their own
// direction, so that walking them pixel by pixel stays short.
constexpr int kLimit = 1 << 20;
int clampCoord(int v) { return v < -kLimit ? -kLimit : (v > kLimit ? kLimit : v); }

// Polygons and wide lines go to Qt, which cuts them exactly; coordinates are
// only kept clear of the int limits. Every pixel position the engine projects
// lies inside this bound.
constexpr int kQtLimit = 1 << 30;
int clampForQt(int v) { return v < -kQtLimit ? -kQtLimit : (v > kQtLimit ? kQtLimit : v); }

// Cuts the segment to the square |x|, |y| <= kLimit (Liang-Barsky); false when
// nothing of it lies inside.
bool clipToLimit(long long& x0, long long& y0, long long& x1, long long& y1) {
    const double dx = static_cast<double>(x1 - x0), dy = static_cast<double>(y1 - y0);
    double t0 = 0, t1 = 1;
    auto edge = [&](double p, double q) {
        if (p == 0) return q >= 0;
        const double r = q / p;
        if (p < 0) {
            if (r > t1) return false;
            if (r > t0) t0 = r;
        } else {
            if (r < t0) return false;
            if (r < t1) t1 = r;
        }
        return true;
    };
    const double lim = kLimit;
    if (!edge(-dx, static_cast<double>(x0) + lim) || !edge(dx, lim - static_cast<double>(x0)) ||
        !edge(-dy, static_cast<double>(y0) + lim) || !edge(dy, lim - static_cast<double>(y0)))
        return false;
    const double sx = static_cast<double>(x0), sy = static_cast<double>(y0);
    x1 = std::llround(sx + t1 * dx);
    y1 = std::llround(sy + t1 * dy);
    x0 = std::llround(sx + t0 * dx);
    y0 = std::llround(sy + t0 * dy);
    return true;
}

}  // namespace

QImageCanvas::QImageCanvas(QImage& image) : image_(image) {}

QImageCanvas::~QImageCanvas() { flush(); }

void QImageCanvas::flush() {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

void QImageCanvas::copyPicture(int x, int y, const QImage& picture) {
    QPainter& p = painter();
    const QPainter::CompositionMode mode = p.compositionMode();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(x, y, picture);
    p.setCompositionMode(mode);
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
        painterPen_ = painterBrush_ = Drawn{};
    }
    return *painter_;
}

void QImageCanvas::polygonPenAndBrush(QPainter& p) {
    const Drawn pen{penColor_, penWidth_ <= 1 ? 0 : penWidth_, static_cast<int>(penStyle_)};
    if (pen.style != painterPen_.style || pen.color != painterPen_.color || pen.width != painterPen_.width) {
        if (penStyle_ == TPenStyle::Clear)
            p.setPen(Qt::NoPen);
        else
            p.setPen(QPen(toQColor(penColor_), pen.width, qtPenStyle(penStyle_)));
        painterPen_ = pen;
    }
    const Drawn brush{brushColor_, 0, static_cast<int>(brushStyle_)};
    if (brush.style != painterBrush_.style || brush.color != painterBrush_.color) {
        if (brushStyle_ == TBrushStyle::Clear)
            p.setBrush(Qt::NoBrush);
        else
            p.setBrush(toQColor(brushColor_));
        painterBrush_ = brush;
    }
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
    long long ax = x0, ay = y0, bx = x1, by = y1;
    if (clampCoord(x0) != x0 || clampCoord(y0) != y0 || clampCoord(x1) != x1 || clampCoord(y1) != y1) {
        if (!clipToLimit(ax, ay, bx, by)) return;
    }
    const long long dx = std::llabs(bx - ax);
    const long long dy = -std::llabs(by - ay);
    const int sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
    long long err = dx + dy;
    long long x = ax, y = ay;
    const bool dashed = penStyle_ == TPenStyle::DashDot;
    while (x != bx || y != by) {
        if (!dashed || kDashDot[dashPhase_]) plot(static_cast<int>(x), static_cast<int>(y), rgb);
        if (dashed) dashPhase_ = (dashPhase_ + 1) % kDashDotLen;
        const long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void QImageCanvas::lineTo(int x, int y) {
    if (penStyle_ != TPenStyle::Clear) {
        if (penWidth_ <= 1) {
            thinLine(pos_.x, pos_.y, x, y);
        } else {
            if (image_.isNull()) {
                pos_ = {x, y};
                return;
            }
            QPainter& p = painter();
            QPen pen(toQColor(penColor_), penWidth_, qtPenStyle(penStyle_), Qt::RoundCap, Qt::RoundJoin);
            p.setPen(pen);
            painterPen_ = Drawn{};
            // A wide line of no length paints nothing in Qt; the pen's dot must still show.
            if (pos_.x == x && pos_.y == y)
                p.drawPoint(x, y);
            else
                p.drawLine(clampForQt(pos_.x), clampForQt(pos_.y), clampForQt(x), clampForQt(y));
        }
    }
    pos_ = {x, y};
}

void QImageCanvas::polygon(const PointType* pts, int n) {
    if (n <= 0 || image_.isNull()) return;
    QVarLengthArray<QPoint, 8> poly(n);
    for (int i = 0; i < n; ++i) poly[i] = QPoint(clampForQt(pts[i].x), clampForQt(pts[i].y));
    QPainter& p = painter();
    polygonPenAndBrush(p);
    p.drawPolygon(poly.data(), n, Qt::WindingFill);
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
    painterPen_ = Drawn{};
    p.drawText(x, y + fm.ascent(), s);
    pos_ = {x + fm.horizontalAdvance(s), y};
}

int QImageCanvas::textWidth(const std::string& text) const {
    return QFontMetrics(font(fontSize_)).horizontalAdvance(QString::fromStdString(text));
}

int QImageCanvas::textHeight(const std::string&) const { return QFontMetrics(font(fontSize_)).height(); }

}  // namespace vemlo
