#include "output/DisplayList.h"

namespace vemlo {

namespace {

// Room for a whole graph of the usual size, so drawing one needs no growing.
constexpr std::size_t kReservedOps = 1 << 14;
constexpr std::size_t kReservedPoints = 1 << 16;

}  // namespace

DisplayList::DisplayList() {
    ops_.reserve(kReservedOps);
    points_.reserve(kReservedPoints);
}

void DisplayList::clear() {
    // The arrays keep their room: the next drawing is usually as large.
    ops_.clear();
    points_.clear();
    texts_.clear();
    pictures_.clear();
    complete_ = true;
}

bool DisplayList::room(std::size_t points) {
    if (!complete_) return false;
    if (ops_.size() < kMaxOps && points_.size() + points <= 4 * kMaxOps) return true;
    // What was kept can no longer show the picture: it is given up whole.
    clear();
    ops_.shrink_to_fit();
    points_.shrink_to_fit();
    complete_ = false;
    return false;
}

void DisplayList::add(const Tools& t, Kind k, int x1, int y1, int x2, int y2, int first, int count) {
    if (!room(0)) return;
    ops_.push_back(Op{k, t.penStyle, t.brushStyle, t.penWidth, t.pen, t.brush, t.font, t.fontSize, x1, y1, x2,
                      y2, first, count});
}

void DisplayList::polygon(const Tools& t, const PointType* pts, int n) {
    if (n <= 0 || !room(static_cast<std::size_t>(n))) return;
    const auto first = static_cast<std::int32_t>(points_.size());
    points_.insert(points_.end(), pts, pts + n);
    add(t, Kind::Polygon, 0, 0, 0, 0, first, n);
}

void DisplayList::text(const Tools& t, int x, int y, const std::string& s) {
    if (!room(0)) return;
    texts_.push_back(s);
    add(t, Kind::Text, x, y, 0, 0, static_cast<std::int32_t>(texts_.size() - 1), 0);
}

void DisplayList::picture(int x, int y, const QImage& image) {
    if (!room(0)) return;
    pictures_.push_back(image);
    add(Tools{}, Kind::Picture, x, y, image.width(), image.height(),
        static_cast<std::int32_t>(pictures_.size() - 1), 0);
}

void DisplayList::setTools(Canvas& c, const Op& op) {
    c.setPenStyle(op.penStyle);
    c.setPenWidth(op.penWidth);
    c.setPenColor(op.pen);
    c.setBrushStyle(op.brushStyle);
    c.setBrushColor(op.brush);
    c.setFontColor(op.font);
    c.setFontSize(op.fontSize);
}

}  // namespace vemlo
