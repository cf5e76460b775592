#include "output/VectorGraph.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPageSize>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>

#include "output/Pictures.h"
#include "output/QImageCanvas.h"
#include "output/RecordingCanvas.h"

namespace vemlo {

namespace {

using Op = DisplayList::Op;
using Kind = DisplayList::Kind;

// Strokes of an odd width are centred on pixel centres, as the image canvas
// sets the pixels right of and below a point.
double StrokeOffset(int width) { return width % 2 ? 0.5 : 0.0; }

QPen StrokePen(const Op& op) {
    QPen pen(toQColor(op.pen), std::max(1, op.penWidth));
    if (op.penWidth <= 1) {
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        // A dash of 6 pixels, a gap of 3, a dot, a gap of 3.
        if (op.penStyle == TPenStyle::DashDot) pen.setDashPattern({6, 3, 1, 3});
    } else {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        if (op.penStyle == TPenStyle::DashDot) pen.setStyle(Qt::DashDotLine);
    }
    return pen;
}

bool SameStroke(const Op& a, const Op& b) {
    return a.pen == b.pen && a.penWidth == b.penWidth && a.penStyle == b.penStyle;
}

// Paints the steps in order; runs of lines with one pen become one path, so
// a dash pattern runs on along them as on the image.
class Painter {
public:
    Painter(QPainter& p, const DisplayList& list) : p_(p), list_(list) {}

    void paint() {
        for (const Op& op : list_.ops()) {
            if (op.kind != Kind::LineTo && op.kind != Kind::MoveTo) endRun();
            switch (op.kind) {
                case Kind::MoveTo:
                    // A move to where the pen is goes on with a solid line;
                    // elsewhere, or on a dashed line, a new line begins.
                    if (QPoint(op.x1, op.y1) != pos_ || (run_ && run_->penStyle != TPenStyle::Solid))
                        endRun();
                    pos_ = QPoint(op.x1, op.y1);
                    break;
                case Kind::LineTo:
                    lineTo(op);
                    break;
                case Kind::Polygon:
                    polygon(op);
                    break;
                case Kind::Rectangle:
                    rectangle(op);
                    break;
                case Kind::FillRect:
                    fill(op.x1, op.y1, op.x2, op.y2, op.brush);
                    break;
                case Kind::Text:
                    text(op);
                    break;
                case Kind::Picture:
                    p_.drawImage(QPoint(op.x1, op.y1), list_.pictures()[static_cast<std::size_t>(op.first)]);
                    break;
            }
        }
        endRun();
    }

private:
    void lineTo(const Op& op) {
        const QPoint to(op.x1, op.y1);
        if (op.penStyle == TPenStyle::Clear) {
            endRun();
        } else {
            const double o = StrokeOffset(op.penWidth);
            if (!run_ || !SameStroke(*run_, op)) {
                endRun();
                run_ = &op;
                path_ = QPainterPath(QPointF(pos_.x() + o, pos_.y() + o));
            }
            // A line to where the pen is only marks its dot, which a line
            // going on from there covers.
            if (to != pos_) path_.lineTo(to.x() + o, to.y() + o);
        }
        pos_ = to;
    }

    void endRun() {
        if (!run_) return;
        const Op& op = *run_;
        run_ = nullptr;
        if (path_.elementCount() > 1) {
            p_.setPen(StrokePen(op));
            p_.setBrush(Qt::NoBrush);
            p_.drawPath(path_);
            return;
        }
        // The pen's one dot.
        const QPointF at = path_.currentPosition();
        p_.setPen(Qt::NoPen);
        p_.setBrush(toQColor(op.pen));
        const double w = std::max(1, op.penWidth);
        if (op.penWidth <= 1)
            p_.drawRect(QRectF(at.x() - 0.5, at.y() - 0.5, 1, 1));
        else
            p_.drawEllipse(at, w / 2, w / 2);
    }

    void polygon(const Op& op) {
        const PointType* pts = list_.points().data() + op.first;
        const bool outline = op.penStyle != TPenStyle::Clear;
        const bool filled = op.brushStyle != TBrushStyle::Clear;
        if (!outline && !filled) return;
        // With an outline the fill lies under it as the image has it; without
        // one the fill keeps the corners' own places.
        const double o = outline ? StrokeOffset(op.penWidth) : 0.0;
        // A path keeps the non-zero rule in every format.
        QPainterPath path;
        path.setFillRule(Qt::WindingFill);
        path.moveTo(pts[0].x + o, pts[0].y + o);
        for (int i = 1; i < op.count; ++i) path.lineTo(pts[i].x + o, pts[i].y + o);
        path.closeSubpath();
        if (outline) {
            QPen pen(toQColor(op.pen), std::max(1, op.penWidth));
            pen.setJoinStyle(Qt::MiterJoin);
            if (op.penStyle == TPenStyle::DashDot) pen.setStyle(Qt::DashDotLine);
            p_.setPen(pen);
        } else {
            p_.setPen(Qt::NoPen);
        }
        p_.setBrush(filled ? QBrush(toQColor(op.brush)) : QBrush(Qt::NoBrush));
        p_.drawPath(path);
    }

    void fill(int x1, int y1, int x2, int y2, Color c) {
        if (x2 < x1) std::swap(x1, x2);
        if (y2 < y1) std::swap(y1, y2);
        if (x1 == x2 || y1 == y2) return;
        p_.fillRect(QRectF(x1, y1, double(x2) - x1, double(y2) - y1), toQColor(c));
    }

    void rectangle(const Op& op) {
        int x1 = op.x1, y1 = op.y1, x2 = op.x2, y2 = op.y2;
        if (x2 < x1) std::swap(x1, x2);
        if (y2 < y1) std::swap(y1, y2);
        if (op.brushStyle != TBrushStyle::Clear) fill(x1, y1, x2, y2, op.brush);
        if (op.penStyle == TPenStyle::Clear || x2 - x1 < 1 || y2 - y1 < 1) return;
        // The outline lies inside the rectangle, as wide as the pen.
        const int w = std::max(1, op.penWidth);
        if (2 * w >= std::min(x2 - x1, y2 - y1)) {
            fill(x1, y1, x2, y2, op.pen);
            return;
        }
        QPen pen(toQColor(op.pen), w);
        pen.setJoinStyle(Qt::MiterJoin);
        if (op.penStyle == TPenStyle::DashDot) pen.setDashPattern({6, 3, 1, 3});
        p_.setPen(pen);
        p_.setBrush(Qt::NoBrush);
        const double h = w / 2.0;
        p_.drawRect(QRectF(x1 + h, y1 + h, (x2 - x1) - double(w), (y2 - y1) - double(w)));
    }

    void text(const Op& op) {
        const QString s = QString::fromStdString(list_.texts()[static_cast<std::size_t>(op.first)]);
        // Placed by the image's own measures, drawn as outlines of the same font.
        const QFont raster = QImageCanvas::font(op.fontSize);
        const QFontMetrics fm(raster);
        if (op.brushStyle != TBrushStyle::Clear)
            fill(op.x1, op.y1, op.x1 + fm.horizontalAdvance(s), op.y1 + fm.height(), op.brush);
        QFont f = raster;
        f.setStyleStrategy(QFont::PreferDefault);
        f.setHintingPreference(QFont::PreferNoHinting);
        p_.setFont(f);
        p_.setPen(toQColor(op.font));
        p_.setBrush(Qt::NoBrush);
        p_.drawText(QPointF(op.x1, op.y1 + fm.ascent()), s);
        pos_ = QPoint(op.x1 + fm.horizontalAdvance(s), op.y1);
    }

    QPainter& p_;
    const DisplayList& list_;
    QPoint pos_;
    const Op* run_ = nullptr;
    QPainterPath path_;
};

bool Fail(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}

}  // namespace

VectorFormat VectorFormatOf(const QString& name) {
    const QString e = QFileInfo(name).fileName().section(QLatin1Char('.'), -1);
    if (!QFileInfo(name).fileName().contains(QLatin1Char('.'))) return VectorFormat::Unknown;
    if (e == QLatin1String("pdf") || e == QLatin1String("PDF")) return VectorFormat::Pdf;
    if (e == QLatin1String("svg") || e == QLatin1String("SVG")) return VectorFormat::Svg;
    return VectorFormat::Unknown;
}

void PaintDisplayList(QPainter& p, const DisplayList& list, QSize size) {
    p.save();
    p.setClipRect(QRectF(0, 0, size.width(), size.height()), Qt::IntersectClip);
    p.fillRect(QRectF(0, 0, size.width(), size.height()), Qt::white);
    Painter(p, list).paint();
    p.restore();
}

bool WriteVectorPicture(const QString& name, VectorFormat format, QSize size, const QString& title,
                        const std::function<void(QPainter&)>& paint, QString* error) {
    if (format == VectorFormat::Unknown)
        return Fail(error, QStringLiteral("the name ends in neither .pdf nor .svg"));
    if (size.isEmpty()) return Fail(error, QStringLiteral("there is no picture to export"));
    if (QFileInfo(name).isDir()) return Fail(error, QStringLiteral("it is a folder"));
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) return Fail(error, file.errorString());
    bool painted = false;
    if (format == VectorFormat::Pdf) {
        QPdfWriter pdf(&file);
        pdf.setResolution(72);
        pdf.setPageSize(QPageSize(QSizeF(size), QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Vemlo"));
        QPainter p;
        if (p.begin(&pdf)) {
            paint(p);
            painted = p.end();
        }
    } else {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setResolution(72);
        // The generator writes the title as it is given, into the XML.
        svg.setTitle(title.toHtmlEscaped());
        QPainter p;
        if (p.begin(&svg)) {
            paint(p);
            painted = p.end();
        }
    }
    if (!painted || file.error() != QFileDevice::NoError) {
        const QString why = file.error() != QFileDevice::NoError
                                ? file.errorString()
                                : QStringLiteral("the picture could not be drawn");
        file.cancelWriting();
        return Fail(error, why);
    }
    if (!file.commit()) return Fail(error, file.errorString());
    return true;
}

bool WriteVectorGraph(const QString& name, VectorFormat format, const GraphState& g, const DisplayList& image,
                      QSize imageSize, QString* error) {
    const int W = imageSize.width(), H = imageSize.height();
    const QSize sheetSize(std::max(W + 2 * g.LMapX, 1), std::max(H + g.LMapY, 1));
    // The sheet is laid out by the same drawing as the full-graph picture,
    // recorded on a scratch image of its size.
    DisplayList sheet;
    {
        QImage scratch(sheetSize, QImage::Format_RGB32);
        RecordingCanvas c(scratch, sheet);
        DrawSheet(g, W, H, c);
    }
    const QPoint corner = GraphCorner(g);
    return WriteVectorPicture(
        name, format, sheetSize, QString::fromStdString(g.Title),
        [&](QPainter& p) {
            PaintDisplayList(p, sheet, sheetSize);
            p.translate(corner);
            PaintDisplayList(p, image, imageSize);
        },
        error);
}

bool WriteVectorImage(const QString& name, VectorFormat format, const DisplayList& image, QSize imageSize,
                      QString* error) {
    return WriteVectorPicture(
        name, format, imageSize, QString(), [&](QPainter& p) { PaintDisplayList(p, image, imageSize); },
        error);
}

}  // namespace vemlo
