#pragma once
/// The drawing surface the engine paints on. The Qt layer implements it on a
/// QImage; tests use a recording canvas or the same QImage canvas.
/// It keeps a pen, a brush and a font between calls. LineTo draws from the pen
/// position to the point, excluding the end pixel; Polygon fills by the
/// non-zero rule with the brush and outlines with the pen; Rectangle(x1, y1,
/// x2, y2) covers x1..x2-1, y1..y2-1; no antialiasing anywhere.

#include <string>

#include "engine/Types.h"

namespace vemlo {

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;

    virtual void setPenColor(Color c) = 0;
    virtual void setPenWidth(int w) = 0;
    virtual void setPenStyle(TPenStyle s) = 0;
    virtual void setBrushColor(Color c) = 0;
    virtual void setBrushStyle(TBrushStyle s) = 0;
    virtual void setFontColor(Color c) = 0;
    virtual void setFontSize(int points) = 0;

    virtual Color penColor() const = 0;
    virtual TPenStyle penStyle() const = 0;
    virtual PointType penPos() const = 0;

    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    /// Closed polygon through n points.
    virtual void polygon(const PointType* pts, int n) = 0;
    /// Outlined with the pen and filled with the brush.
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    /// Filled with the brush, no outline.
    virtual void fillRect(int x1, int y1, int x2, int y2) = 0;
    /// Text with its top-left corner at (x, y), on the brush colour unless the
    /// brush is clear.
    virtual void textOut(int x, int y, const std::string& text) = 0;
    virtual int textWidth(const std::string& text) const = 0;
    virtual int textHeight(const std::string& text) const = 0;
};

}  // namespace vemlo
