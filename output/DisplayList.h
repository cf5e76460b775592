#pragma once
/// The display list of a picture: every drawing step made on it since it was
/// last emptied, in painter's order, each with the pen, brush and font it was
/// drawn with. Replayed on a canvas it draws the same pixels again; painted
/// on a QPainter (PaintDisplayList, output/VectorGraph.h) it becomes vectors.
///
/// Steps are small fixed records; the corners of polygons, the texts and the
/// pictures are kept aside in their own arrays, so recording a facet costs
/// one record and its corners and no allocation once the arrays have grown.

#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Canvas.h"

namespace vemlo {

class DisplayList {
public:
    enum class Kind : std::uint8_t { MoveTo, LineTo, Polygon, Rectangle, FillRect, Text, Picture };

    /// One drawing step with the tools it was drawn with.
    struct Op {
        Kind kind;
        TPenStyle penStyle;
        TBrushStyle brushStyle;
        std::int32_t penWidth;
        Color pen;
        Color brush;
        Color font;
        std::int32_t fontSize;
        /// MoveTo/LineTo: the point; Rectangle/FillRect: the corners as given;
        /// Text/Picture: the top-left corner.
        std::int32_t x1, y1, x2, y2;
        /// Polygon: first corner and count in points(); Text: index in
        /// texts(); Picture: index in pictures().
        std::int32_t first, count;
    };

    /// The tools a step is drawn with.
    struct Tools {
        TPenStyle penStyle = TPenStyle::Solid;
        TBrushStyle brushStyle = TBrushStyle::Solid;
        int penWidth = 1;
        Color pen = 0;
        Color brush = 0xFFFFFF;
        Color font = 0;
        int fontSize = 10;
    };

    /// More steps than this are not kept: the list is then incomplete and
    /// says so, until it is emptied again.
    static constexpr std::size_t kMaxOps = 1'000'000;

    DisplayList();

    /// Forgets every step; the list is complete again.
    void clear();
    /// Whether the list holds every step since it was emptied.
    bool complete() const { return complete_; }
    bool empty() const { return ops_.empty(); }

    void moveTo(const Tools& t, int x, int y) { add(t, Kind::MoveTo, x, y, 0, 0, 0, 0); }
    void lineTo(const Tools& t, int x, int y) { add(t, Kind::LineTo, x, y, 0, 0, 0, 0); }
    void polygon(const Tools& t, const PointType* pts, int n);
    void rectangle(const Tools& t, int x1, int y1, int x2, int y2) {
        add(t, Kind::Rectangle, x1, y1, x2, y2, 0, 0);
    }
    void fillRect(const Tools& t, int x1, int y1, int x2, int y2) {
        add(t, Kind::FillRect, x1, y1, x2, y2, 0, 0);
    }
    void text(const Tools& t, int x, int y, const std::string& s);
    void picture(int x, int y, const QImage& image);

    const std::vector<Op>& ops() const { return ops_; }
    const std::vector<PointType>& points() const { return points_; }
    const std::vector<std::string>& texts() const { return texts_; }
    const std::vector<QImage>& pictures() const { return pictures_; }

    /// Draws every step again on the canvas, with its own tools. A picture
    /// step is handed to `picture` (a plain Canvas cannot copy pixels).
    template <class PictureFn>
    void replay(Canvas& c, PictureFn picture) const;
    /// Gives the canvas the tools of a step.
    static void setTools(Canvas& c, const Op& op);

private:
    bool room(std::size_t points);
    void add(const Tools& t, Kind k, int x1, int y1, int x2, int y2, int first, int count);

    std::vector<Op> ops_;
    std::vector<PointType> points_;
    std::vector<std::string> texts_;
    std::vector<QImage> pictures_;
    bool complete_ = true;
};

template <class PictureFn>
void DisplayList::replay(Canvas& c, PictureFn picture) const {
    for (const Op& op : ops_) {
        setTools(c, op);
        switch (op.kind) {
            case Kind::MoveTo:
                c.moveTo(op.x1, op.y1);
                break;
            case Kind::LineTo:
                c.lineTo(op.x1, op.y1);
                break;
            case Kind::Polygon:
                c.polygon(points_.data() + op.first, op.count);
                break;
            case Kind::Rectangle:
                c.rectangle(op.x1, op.y1, op.x2, op.y2);
                break;
            case Kind::FillRect:
                c.fillRect(op.x1, op.y1, op.x2, op.y2);
                break;
            case Kind::Text:
                c.textOut(op.x1, op.y1, texts_[static_cast<std::size_t>(op.first)]);
                break;
            case Kind::Picture:
                picture(op.x1, op.y1, pictures_[static_cast<std::size_t>(op.first)]);
                break;
        }
    }
}

}  // namespace vemlo
