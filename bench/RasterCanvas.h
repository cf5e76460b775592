#pragma once
/// A plain C++ canvas on a 32-bit pixel buffer for benchmarks that must draw
/// for real without Qt: lines pixel by pixel (end pixel excluded),
/// polygons filled by scanlines with the non-zero rule and outlined with the
/// pen. Text is not drawn.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/Canvas.h"

namespace vemlo::bench {

class RasterCanvas : public Canvas {
public:
    RasterCanvas(int w, int h) : w_(w), h_(h), px_(static_cast<std::size_t>(w) * h) {}

    void fill(Color c) { std::fill(px_.begin(), px_.end(), c); }
    Color pixel(int x, int y) const { return px_[static_cast<std::size_t>(y) * w_ + x]; }

    int width() const override { return w_; }
    int height() const override { return h_; }
    void setPenColor(Color c) override { pen_ = c; }
    void setPenWidth(int) override {}
    void setPenStyle(TPenStyle s) override { style_ = s; }
    void setBrushColor(Color c) override { brush_ = c; }
    void setBrushStyle(TBrushStyle s) override { brushStyle_ = s; }
    void setFontColor(Color) override {}
    void setFontSize(int) override {}
    Color penColor() const override { return pen_; }
    TPenStyle penStyle() const override { return style_; }
    PointType penPos() const override { return pos_; }

    void moveTo(int x, int y) override { pos_ = {x, y}; }
    void lineTo(int x, int y) override {
        if (style_ != TPenStyle::Clear) line(pos_.x, pos_.y, x, y);
        pos_ = {x, y};
    }
    void polygon(const PointType* p, int n) override {
        if (brushStyle_ != TBrushStyle::Clear) fillPolygon(p, n);
        if (style_ == TPenStyle::Clear) return;
        for (int i = 0; i < n; ++i) {
            const PointType a = p[i], b = p[(i + 1) % n];
            line(a.x, a.y, b.x, b.y);
        }
    }
    void rectangle(int x1, int y1, int x2, int y2) override { fillRect(x1, y1, x2, y2); }
    void fillRect(int x1, int y1, int x2, int y2) override {
        for (int y = std::max(0, y1); y < std::min(h_, y2); ++y)
            for (int x = std::max(0, x1); x < std::min(w_, x2); ++x)
                px_[static_cast<std::size_t>(y) * w_ + x] = brush_;
    }
    void textOut(int, int, const std::string&) override {}
    int textWidth(const std::string& t) const override { return 8 * static_cast<int>(t.size()); }
    int textHeight(const std::string&) const override { return 16; }

private:
    void plot(long long x, long long y, Color c) {
        if (x >= 0 && y >= 0 && x < w_ && y < h_) px_[static_cast<std::size_t>(y) * w_ + x] = c;
    }

    void line(long long x0, long long y0, long long x1, long long y1) {
        const long long dx = std::llabs(x1 - x0), dy = -std::llabs(y1 - y0);
        const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
        long long err = dx + dy;
        for (int guard = 0; (x0 != x1 || y0 != y1) && guard < 4 * (w_ + h_); ++guard) {
            plot(x0, y0, pen_);
            const long long e2 = 2 * err;
            if (e2 >= dy) err += dy, x0 += sx;
            if (e2 <= dx) err += dx, y0 += sy;
        }
    }

    void fillPolygon(const PointType* p, int n) {
        int top = h_, bottom = -1;
        for (int i = 0; i < n; ++i) top = std::min(top, p[i].y), bottom = std::max(bottom, p[i].y);
        top = std::max(top, 0);
        bottom = std::min(bottom, h_ - 1);
        for (int y = top; y <= bottom; ++y) {
            const double yc = y + 0.5;
            cross_.clear();
            for (int i = 0; i < n; ++i) {
                const PointType a = p[i], b = p[(i + 1) % n];
                if ((a.y <= yc) == (b.y <= yc)) continue;
                const double x = a.x + (yc - a.y) * (b.x - a.x) / static_cast<double>(b.y - a.y);
                cross_.push_back({x, b.y > a.y ? 1 : -1});
            }
            std::sort(cross_.begin(), cross_.end(), [](const Cross& l, const Cross& r) { return l.x < r.x; });
            int winding = 0;
            for (std::size_t k = 0; k + 1 < cross_.size(); ++k) {
                winding += cross_[k].dir;
                if (winding == 0) continue;
                const int from = std::max(0, static_cast<int>(std::ceil(cross_[k].x - 0.5)));
                const int to = std::min(w_, static_cast<int>(std::ceil(cross_[k + 1].x - 0.5)));
                for (int x = from; x < to; ++x) px_[static_cast<std::size_t>(y) * w_ + x] = brush_;
            }
        }
    }

    struct Cross {
        double x;
        int dir;
    };

    int w_, h_;
    std::vector<Color> px_;
    std::vector<Cross> cross_;
    Color pen_ = 0, brush_ = 0xFFFFFF;
    TPenStyle style_ = TPenStyle::Solid;
    TBrushStyle brushStyle_ = TBrushStyle::Solid;
    PointType pos_{};
};

}  // namespace vemlo::bench
