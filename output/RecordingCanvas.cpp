#include "output/RecordingCanvas.h"

#include <algorithm>

namespace vemlo {

void RecordingCanvas::setPenColor(Color c) {
    tools_.pen = c;
    QImageCanvas::setPenColor(c);
}

void RecordingCanvas::setPenWidth(int w) {
    tools_.penWidth = w < 1 ? 1 : w;
    QImageCanvas::setPenWidth(w);
}

void RecordingCanvas::setPenStyle(TPenStyle s) {
    tools_.penStyle = s;
    QImageCanvas::setPenStyle(s);
}

void RecordingCanvas::setBrushColor(Color c) {
    tools_.brush = c;
    QImageCanvas::setBrushColor(c);
}

void RecordingCanvas::setBrushStyle(TBrushStyle s) {
    tools_.brushStyle = s;
    QImageCanvas::setBrushStyle(s);
}

void RecordingCanvas::setFontColor(Color c) {
    tools_.font = c;
    QImageCanvas::setFontColor(c);
}

void RecordingCanvas::setFontSize(int points) {
    tools_.fontSize = points;
    QImageCanvas::setFontSize(points);
}

bool RecordingCanvas::coversImage(int x1, int y1, int x2, int y2) const {
    return std::min(x1, x2) <= 0 && std::min(y1, y2) <= 0 && std::max(x1, x2) >= width() &&
           std::max(y1, y2) >= height();
}

void RecordingCanvas::moveTo(int x, int y) {
    if (record()) list_.moveTo(tools_, x, y);
    QImageCanvas::moveTo(x, y);
}

void RecordingCanvas::lineTo(int x, int y) {
    if (record()) list_.lineTo(tools_, x, y);
    Inside in(inside_);
    QImageCanvas::lineTo(x, y);
}

void RecordingCanvas::polygon(const PointType* pts, int n) {
    if (record()) list_.polygon(tools_, pts, n);
    Inside in(inside_);
    QImageCanvas::polygon(pts, n);
}

void RecordingCanvas::rectangle(int x1, int y1, int x2, int y2) {
    if (record()) {
        if (tools_.brushStyle != TBrushStyle::Clear && coversImage(x1, y1, x2, y2)) list_.clear();
        list_.rectangle(tools_, x1, y1, x2, y2);
    }
    Inside in(inside_);
    QImageCanvas::rectangle(x1, y1, x2, y2);
}

void RecordingCanvas::fillRect(int x1, int y1, int x2, int y2) {
    if (record()) {
        // The fill is opaque whatever the brush style.
        if (coversImage(x1, y1, x2, y2)) list_.clear();
        list_.fillRect(tools_, x1, y1, x2, y2);
    }
    Inside in(inside_);
    QImageCanvas::fillRect(x1, y1, x2, y2);
}

void RecordingCanvas::textOut(int x, int y, const std::string& text) {
    if (record()) list_.text(tools_, x, y, text);
    Inside in(inside_);
    QImageCanvas::textOut(x, y, text);
}

void RecordingCanvas::copyPicture(int x, int y, const QImage& picture) {
    if (record()) {
        // The pixels are copied as they are, so a picture over the whole image hides all before it.
        if (coversImage(x, y, x + picture.width(), y + picture.height())) list_.clear();
        list_.picture(x, y, picture);
    }
    Inside in(inside_);
    QImageCanvas::copyPicture(x, y, picture);
}

}  // namespace vemlo
