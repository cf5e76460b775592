#pragma once
/// The engine's Canvas on a QImage: pen, brush and font state, lines drawn
/// pixel by pixel (the end point excluded, as Canvas says), filled
/// polygons and text through QPainter, never antialiased.

#include <QImage>
#include <QPainter>
#include <memory>

#include "engine/Canvas.h"

class QFont;

namespace vemlo {

QColor toQColor(Color c);
Color fromQColor(const QColor& c);

class QImageCanvas : public Canvas {
public:
    explicit QImageCanvas(QImage& image);
    ~QImageCanvas() override;
    QImageCanvas(const QImageCanvas&) = delete;
    QImageCanvas& operator=(const QImageCanvas&) = delete;

    int width() const override { return image_.width(); }
    int height() const override { return image_.height(); }

    void setPenColor(Color c) override { penColor_ = c; }
    void setPenWidth(int w) override { penWidth_ = w < 1 ? 1 : w; }
    void setPenStyle(TPenStyle s) override { penStyle_ = s; }
    void setBrushColor(Color c) override { brushColor_ = c; }
    void setBrushStyle(TBrushStyle s) override { brushStyle_ = s; }
    void setFontColor(Color c) override { fontColor_ = c; }
    void setFontSize(int points) override { fontSize_ = points; }

    Color penColor() const override { return penColor_; }
    TPenStyle penStyle() const override { return penStyle_; }
    PointType penPos() const override { return pos_; }

    /// Also restarts the dash pattern, so a line drawn again covers the same pixels.
    void moveTo(int x, int y) override {
        pos_ = {x, y};
        dashPhase_ = 0;
    }
    void lineTo(int x, int y) override;
    void polygon(const PointType* pts, int n) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void fillRect(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, const std::string& text) override;
    int textWidth(const std::string& text) const override;
    int textHeight(const std::string& text) const override;

    /// Copies the picture's pixels unchanged into the image with its top-left
    /// corner at (x, y).
    virtual void copyPicture(int x, int y, const QImage& picture);

    /// Ends the painter so the image can be read or copied safely.
    void flush();

    /// The font every canvas uses, at the given size in points (96 dpi).
    static QFont font(int points);

private:
    QPainter& painter();
    /// Gives the painter the pen and brush of a polygon, unless it has them.
    void polygonPenAndBrush(QPainter& p);
    void plot(int x, int y, QRgb rgb);
    void thinLine(int x0, int y0, int x1, int y1);

    QImage& image_;
    std::unique_ptr<QPainter> painter_;
    Color penColor_ = 0;
    int penWidth_ = 1;
    TPenStyle penStyle_ = TPenStyle::Solid;
    Color brushColor_ = 0xFFFFFF;
    TBrushStyle brushStyle_ = TBrushStyle::Solid;
    Color fontColor_ = 0;
    int fontSize_ = 10;
    PointType pos_{};
    int dashPhase_ = 0;

    // What the painter was last given for a polygon; valid only while it has
    // not been given another pen or brush since.
    struct Drawn {
        Color color = 0;
        int width = 0;
        int style = -1;  // -1: not known
    };
    Drawn painterPen_, painterBrush_;
};

}  // namespace vemlo
