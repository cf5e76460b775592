#pragma once
/// A canvas for tests: records every drawing call with its arguments and the
/// pen, brush and font state in force, and tracks the pen position, so a test
/// can check exactly what a routine drew without rendering pixels.

#include <string>
#include <utility>
#include <vector>

#include "engine/Canvas.h"

namespace vemlo::test {

class RecordingCanvas : public Canvas {
public:
    enum class Op { MoveTo, LineTo, Polygon, Rectangle, FillRect, TextOut };

    /// One drawing call: its points (MoveTo/LineTo: the target; LineTo also
    /// keeps the start in `from`), its text, and the state it was drawn with.
    struct Call {
        Op op;
        std::vector<PointType> pts;
        PointType from;
        std::string text;
        Color pen = 0;
        int penWidth = 1;
        TPenStyle penStyle = TPenStyle::Solid;
        Color brush = 0;
        TBrushStyle brushStyle = TBrushStyle::Solid;
        Color font = 0;
    };

    explicit RecordingCanvas(int w = 776, int h = 466, int charWidth = 10, int charHeight = 16)
        : w_(w), h_(h), charWidth_(charWidth), charHeight_(charHeight) {}

    int width() const override { return w_; }
    int height() const override { return h_; }

    void setPenColor(Color c) override { pen_ = c; }
    void setPenWidth(int w) override { penWidth_ = w; }
    void setPenStyle(TPenStyle s) override { penStyle_ = s; }
    void setBrushColor(Color c) override { brush_ = c; }
    void setBrushStyle(TBrushStyle s) override { brushStyle_ = s; }
    void setFontColor(Color c) override { font_ = c; }
    void setFontSize(int points) override { fontSize_ = points; }

    Color penColor() const override { return pen_; }
    TPenStyle penStyle() const override { return penStyle_; }
    PointType penPos() const override { return pos_; }
    int penWidth() const { return penWidth_; }
    Color brushColor() const { return brush_; }
    TBrushStyle brushStyle() const { return brushStyle_; }
    Color fontColor() const { return font_; }
    int fontSize() const { return fontSize_; }

    void moveTo(int x, int y) override {
        Record(Op::MoveTo, {{x, y}});
        pos_ = {x, y};
    }
    void lineTo(int x, int y) override {
        Record(Op::LineTo, {{x, y}});
        pos_ = {x, y};
    }
    void polygon(const PointType* pts, int n) override { Record(Op::Polygon, {pts, pts + n}); }
    void rectangle(int x1, int y1, int x2, int y2) override { Record(Op::Rectangle, {{x1, y1}, {x2, y2}}); }
    void fillRect(int x1, int y1, int x2, int y2) override { Record(Op::FillRect, {{x1, y1}, {x2, y2}}); }
    void textOut(int x, int y, const std::string& text) override { Record(Op::TextOut, {{x, y}}, text); }
    int textWidth(const std::string& text) const override {
        return charWidth_ * static_cast<int>(text.size());
    }
    int textHeight(const std::string&) const override { return charHeight_; }

    const std::vector<Call>& calls() const { return calls_; }
    void clear() { calls_.clear(); }

    /// The calls of one kind, in order.
    std::vector<Call> calls(Op op) const {
        std::vector<Call> out;
        for (const Call& c : calls_)
            if (c.op == op) out.push_back(c);
        return out;
    }

    /// Lines drawn, as (from, to) with their pen state.
    std::vector<Call> lines() const { return calls(Op::LineTo); }
    std::vector<Call> texts() const { return calls(Op::TextOut); }

private:
    void Record(Op op, std::vector<PointType> pts, std::string text = {}) {
        Call c{op,        std::move(pts), pos_,   std::move(text), pen_,
               penWidth_, penStyle_,      brush_, brushStyle_,     font_};
        calls_.push_back(std::move(c));
    }

    int w_, h_, charWidth_, charHeight_;
    Color pen_ = 0;
    int penWidth_ = 1;
    TPenStyle penStyle_ = TPenStyle::Solid;
    Color brush_ = 0xFFFFFF;
    TBrushStyle brushStyle_ = TBrushStyle::Solid;
    Color font_ = 0;
    int fontSize_ = 0;
    PointType pos_;
    std::vector<Call> calls_;
};

}  // namespace vemlo::test
