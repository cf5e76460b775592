#include "engine/Contours.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "engine/Numeric.h"
#include "engine/View.h"

namespace vemlo {

namespace {

constexpr int kGridPoints = MaxContourGrid + 1;

// The value scan walks each range downwards from its top, subtracting a
// step of a 45th of the range, about 46 points. A step lost to rounding next
// to a huge value, or a non-finite range, would never leave the range: the
// walk ends once the value stops going down, and after this many points.
constexpr int kMaxScanPoints = 100;

struct DownSweep {
    double limit = 0, step = 0;

    bool runs(double v, int visited) const { return visited < kMaxScanPoints && v >= limit; }
    double next(double v) const {
        const double n = v - step;
        return n < v ? n : std::numeric_limits<double>::quiet_NaN();
    }
};

DownSweep ScanOf(double lo, double hi) { return {lo, hi == lo ? 1.0 : (hi - lo) / 45}; }

// Vertex 0 is the cell's centre, 1 to 4 its corners at the grid offsets
// (0, 0), (1, 0), (1, 1), (0, 1).
constexpr int kDi[5] = {0, 0, 1, 1, 0};
constexpr int kDj[5] = {0, 0, 0, 1, 1};

enum Side { Below = 0, On = 1, Above = 2 };

// The segment case of a triangle F, C, S by the sides of its vertices.
constexpr int kCase[3][3][3] = {
    {{0, 0, 8}, {0, 2, 5}, {7, 6, 9}},
    {{0, 3, 4}, {1, 3, 1}, {4, 3, 0}},
    {{9, 6, 7}, {5, 2, 0}, {8, 0, 0}},
};

Side SideOf(double h) { return h > 0 ? Above : h < 0 ? Below : On; }

class ContourRun {
public:
    ContourRun(GraphState& g, Canvas& c, EvalPath path, int iub, int jub, int nc, bool threeD)
        : g_(g), c_(c), ev_(g, path), iub_(iub), jub_(jub), nc_(nc), threeD_(threeD) {}

    void EvaluateF2();
    void EvaluateCyl2();
    void InitArrays();
    void Trace();

private:
    void FillGrid();
    void TraceCell(int i, int j);
    void DrawIt(double x1, double y1, double x2, double y2, double level);

    GraphState& g_;
    Canvas& c_;
    PointEval ev_;
    const int iub_, jub_;
    int nc_;
    const bool threeD_;

    ContourLevels lv_;
    double d_[kGridPoints][kGridPoints] = {};
    double x_[kGridPoints] = {}, y_[kGridPoints] = {};
    // Grid points filled, in the fill's order (i outer, j inner).
    int filled_ = 0;
};

void ContourRun::EvaluateF2() {
    const DownSweep sx = ScanOf(g_.MinX, g_.MaxX), sy = ScanOf(g_.MinY, g_.MaxY);
    g_.MinZ = g_.MaxZ = ev_.FN(g_.MaxX, g_.MaxY);
    int nx = 0;
    for (double x = g_.MaxX; sx.runs(x, nx); x = sx.next(x), ++nx) {
        int ny = 0;
        for (double y = g_.MaxY; sy.runs(y, ny); y = sy.next(y), ++ny) {
            const double v = ev_.FN(x, y);
            if (v <= g_.MinZ) g_.MinZ = v;
            if (g_.FuncError) return;
            if (v >= g_.MaxZ) g_.MaxZ = v;
        }
    }
}

void ContourRun::EvaluateCyl2() {
    const DownSweep sr = ScanOf(g_.MinR, g_.MaxR), st = ScanOf(g_.MinT, g_.MaxT);
    g_.MinZ = g_.MaxZ = ev_.CN(g_.MaxR, g_.MaxT);
    g_.MinX = g_.MaxX = g_.MaxR * std::cos(g_.MaxT);
    g_.MinY = g_.MaxY = g_.MaxR * std::sin(g_.MaxT);
    int nr = 0;
    for (double r = g_.MaxR; sr.runs(r, nr); r = sr.next(r), ++nr) {
        int nt = 0;
        for (double t = g_.MaxT; st.runs(t, nt); t = st.next(t), ++nt) {
            g_.FuncError = false;
            const double v = ev_.CN(r, t);
            if (v <= g_.MinZ) g_.MinZ = v;
            if (g_.FuncError) return;
            if (v >= g_.MaxZ) g_.MaxZ = v;
            const double px = r * std::cos(t), py = r * std::sin(t);
            if (px <= g_.MinX) g_.MinX = px;
            if (px >= g_.MaxX) g_.MaxX = px;
            if (py <= g_.MinY) g_.MinY = py;
            if (py >= g_.MaxY) g_.MaxY = py;
        }
    }
}

void ContourRun::InitArrays() {
    lv_ = MakeLevels(g_.MinZ, g_.MaxZ, nc_);
    nc_ = lv_.nc;
    FillGrid();
}

void ContourRun::FillGrid() {
    double dx = (g_.MaxX - g_.MinX) / iub_;
    if (dx == 0) dx = 0.1;
    double dy = (g_.MaxY - g_.MinY) / jub_;
    if (dy == 0) dy = 0.1;
    for (int i = 0; i <= iub_; ++i) {
        for (int j = 0; j <= jub_; ++j) {
            const double x = i * dx + g_.MinX, y = j * dy + g_.MinY;
            g_.X = x;
            g_.Y = y;
            if (g_.Choice == '1') {
                d_[i][j] = ev_.FN(x, y);
            } else {
                g_.FuncError = false;
                const double r = std::sqrt(x * x + y * y);
                const double t = ContourAngle(x, y, g_.T);
                d_[i][j] = ev_.CN(r, t);
            }
            if (g_.FuncError) return;
            x_[i] = x;
            y_[j] = y;
            ++filled_;
        }
    }
}

void ContourRun::Trace() {
    const int corner = jub_ + 1;
    for (int j = jub_ - 1; j >= 0; --j)
        for (int i = 0; i < iub_; ++i)
            if ((i + 1) * corner + (j + 1) < filled_) TraceCell(i, j);
}

void ContourRun::TraceCell(int i, int j) {
    double v[5];
    for (int m = 1; m <= 4; ++m) v[m] = d_[i + kDi[m]][j + kDj[m]];
    double dmin = v[1], dmax = v[1];
    for (int m = 2; m <= 4; ++m) {
        if (v[m] < dmin) dmin = v[m];
        if (v[m] > dmax) dmax = v[m];
    }
    if (!(dmax >= lv_.z[0] && dmin <= lv_.z[nc_ - 1])) return;

    double xh[5], yh[5], h[5];
    for (int m = 1; m <= 4; ++m) {
        xh[m] = x_[i + kDi[m]];
        yh[m] = y_[j + kDj[m]];
    }
    xh[0] = (x_[i] + x_[i + 1]) / 2;
    yh[0] = (y_[j] + y_[j + 1]) / 2;
    // The centre's value does not depend on the level: in mode 1 it is
    // evaluated once, at the first level the cell meets.
    bool haveCentre = false;
    double centre = 0;

    for (int k = 0; k < nc_; ++k) {
        const double z = lv_.z[k];
        if (!(dmin <= z && z <= dmax)) continue;
        for (int m = 1; m <= 4; ++m) h[m] = v[m] - z;
        g_.X = xh[0];
        g_.Y = yh[0];
        if (g_.Choice == '1') {
            if (!haveCentre) centre = ev_.FN(xh[0], yh[0]);
            haveCentre = true;
            h[0] = centre - z;
        } else {
            h[0] = (h[1] + h[2] + h[3] + h[4]) / 4;
        }
        Side side[5];
        for (int m = 0; m <= 4; ++m) side[m] = SideOf(h[m]);

        for (int m = 1; m <= 4; ++m) {
            const int F = m, C = 0, S = m == 4 ? 1 : m + 1;
            const int kind = kCase[side[F]][side[C]][side[S]];
            if (kind == 0) continue;
            auto ex = [&](int p, int q) { return (h[q] * xh[p] - h[p] * xh[q]) / (h[q] - h[p]); };
            auto ey = [&](int p, int q) { return (h[q] * yh[p] - h[p] * yh[q]) / (h[q] - h[p]); };
            switch (kind) {
                case 1:
                    DrawIt(xh[F], yh[F], xh[C], yh[C], z);
                    break;
                case 2:
                    DrawIt(xh[C], yh[C], xh[S], yh[S], z);
                    break;
                case 3:
                    DrawIt(xh[S], yh[S], xh[F], yh[F], z);
                    break;
                case 4:
                    DrawIt(xh[F], yh[F], ex(C, S), ey(C, S), z);
                    break;
                case 5:
                    DrawIt(xh[C], yh[C], ex(S, F), ey(S, F), z);
                    break;
                case 6:
                    DrawIt(xh[S], yh[S], ex(F, C), ey(F, C), z);
                    break;
                case 7:
                    DrawIt(ex(F, C), ey(F, C), ex(C, S), ey(C, S), z);
                    break;
                case 8:
                    DrawIt(ex(C, S), ey(C, S), ex(S, F), ey(S, F), z);
                    break;
                case 9:
                    DrawIt(ex(S, F), ey(S, F), ex(F, C), ey(F, C), z);
                    break;
            }
        }
    }
}

void ContourRun::DrawIt(double x1, double y1, double x2, double y2, double level) {
    const ContourBand band = BandOf(lv_, level);
    if (band != ContourBand::None) c_.setPenColor(BandColor(band));
    const double H = threeD_ ? level : 0;
    // A crossing worked out from a value that is not finite has no place.
    const auto s1 = ShapeFinite(g_, x1, y1, H), s2 = ShapeFinite(g_, x2, y2, H);
    if (!s1 || !s2) return;
    const PointType p1 = *s1, p2 = *s2;
    // Both ways, so that both end pixels are set.
    c_.moveTo(p1.x, p1.y);
    c_.lineTo(p1.x, p1.y);
    c_.lineTo(p2.x, p2.y);
    c_.moveTo(p2.x, p2.y);
    c_.lineTo(p2.x, p2.y);
    c_.lineTo(p1.x, p1.y);
}

}  // namespace

double ContourAngle(double x, double y, double previous) {
    constexpr double pi = static_cast<double>(PiL);
    double t = previous;
    if (x == 0 && y == 0) t = 0;
    if (x == 0 && y > 0) t = pi / 2;
    if (x == 0 && y < 0) t = 3 * pi / 2;
    if (x > 0 && y >= 0) t = std::atan(y / x);
    if (x < 0 && y >= 0) t = std::atan(y / x) + pi;
    if (x < 0 && y < 0) t = std::atan(y / x) + pi;
    if (x > 0 && y <= 0) t = std::atan(y / x) + 2 * pi;
    return t;
}

void DrawContours(GraphState& g, Canvas& c, Host& h, std::int32_t iub, std::int32_t jub, std::int32_t nc,
                  bool threeD, EvalPath path) {
    if (g.Choice != '1' && g.Choice != '2') return;
    h.setCursor(CursorKind::Busy);
    // A flag left set by an earlier failed drawing is not this drawing's
    // failure; in mode 1 the evaluator would keep it and end the scan at once.
    g.MathError = g.TokenError = g.FuncError = false;
    const auto run =
        std::make_unique<ContourRun>(g, c, path, std::clamp<std::int32_t>(iub, 1, MaxContourGrid),
                                     std::clamp<std::int32_t>(jub, 1, MaxContourGrid), nc, threeD);
    if (g.Choice == '1')
        run->EvaluateF2();
    else
        run->EvaluateCyl2();
    run->InitArrays();
    run->Trace();
    h.setCursor(CursorKind::Default);
}

}  // namespace vemlo
