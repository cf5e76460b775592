// Contour levels: the value scan, the levels and their bands, the grid, the
// trace and the segments drawn. Most tests look at the drawing through a view
// straight from above (or from the side) at 1000 pixels per world unit, so
// that every pixel tells where in the world a segment lies.

#include "engine/Contours.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <utility>

#include "tests/engine/builders_fixture.h"

namespace vemlo::test {
namespace {

using Op = RecordingCanvas::Op;

constexpr double kPi = 3.141592653589793;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kOrigin = 100000;
constexpr double kScale = 1000;
const char* const kHump = "(2*x^2+3*y^2)*Exp(1-x^2-y^2)";

struct Segment {
    PointType a, b;
    Color pen;
};

int Px(double w) { return static_cast<int>(std::nearbyint(kOrigin + kScale * w)); }

class ContourTest : public BuilderTest {
protected:
    /// Pixel column kOrigin + 1000 x; pixel row kOrigin + 1000 y (from
    /// above) or kOrigin + 1000 z (from the side).
    void FlatView(bool fromSide = false) {
        g.M1 = {};
        g.M2 = {};
        g.M1[1][1] = kScale;
        g.M1[fromSide ? 3 : 2][2] = kScale;
        g.M1[4][1] = g.M1[4][2] = kOrigin;
        g.M1[4][3] = 1;
        g.M2[1][1] = g.M2[2][2] = g.M2[3][3] = 1;
        g.FLeft = g.FHi = 0;
    }

    void Contours(int grid = 20, int levels = 10, bool threeD = false) {
        canvas.clear();
        DrawContours(g, canvas, host, grid, grid, levels, threeD);
    }

    /// Every segment is drawn both ways: move, dot, line, move, dot, line back.
    std::vector<Segment> Segments() {
        const auto& calls = canvas.calls();
        std::vector<Segment> out;
        EXPECT_EQ(calls.size() % 6, 0u);
        for (std::size_t k = 0; k + 6 <= calls.size(); k += 6) {
            const PointType p1 = calls[k].pts[0], p2 = calls[k + 2].pts[0];
            const Op ops[6] = {Op::MoveTo, Op::LineTo, Op::LineTo, Op::MoveTo, Op::LineTo, Op::LineTo};
            const PointType at[6] = {p1, p1, p2, p2, p2, p1};
            for (int m = 0; m < 6; ++m) {
                EXPECT_EQ(calls[k + m].op, ops[m]) << "call " << k + m;
                EXPECT_EQ(calls[k + m].pts[0], at[m]) << "call " << k + m;
                EXPECT_EQ(calls[k + m].pen, calls[k].pen);
            }
            out.push_back({p1, p2, calls[k].pen});
        }
        return out;
    }
};

std::string BandLetters(const std::vector<Color>& pens) {
    std::string s;
    for (Color c : pens) {
        const std::map<Color, char> letter = {
            {0x800000, 'N'}, {0x000080, 'M'}, {0x0000FF, 'R'}, {0x008000, 'G'}, {0x00FF00, 'L'}};
        s += letter.count(c) ? letter.at(c) : '?';
    }
    return s;
}

TEST_F(ContourTest, ConstantFunctionOutlinesEveryCellInNavy) {
    SetMode('1');
    g.SFunc = "2";
    FlatView();
    Contours(20, 10);
    EXPECT_EQ(g.MinZ, 2);
    EXPECT_EQ(g.MaxZ, 2);

    std::set<std::pair<std::pair<int, int>, std::pair<int, int>>> edges, drawn;
    auto key = [](PointType a, PointType b) {
        auto p = std::make_pair(a.x, a.y), q = std::make_pair(b.x, b.y);
        return p < q ? std::make_pair(p, q) : std::make_pair(q, p);
    };
    for (int i = 0; i <= 20; ++i)
        for (int j = 0; j <= 20; ++j) {
            const PointType p{Px(-3 + 0.3 * i), Px(-3 + 0.3 * j)};
            if (i < 20) edges.insert(key(p, {Px(-3 + 0.3 * (i + 1)), p.y}));
            if (j < 20) edges.insert(key(p, {p.x, Px(-3 + 0.3 * (j + 1))}));
        }
    const std::vector<Segment> segs = Segments();
    EXPECT_EQ(segs.size(), 20u * 20u * 4u) << "four sides of every cell";
    for (const Segment& s : segs) {
        EXPECT_EQ(s.pen, 0x800000u);
        drawn.insert(key(s.a, s.b));
    }
    EXPECT_EQ(drawn, edges);
    EXPECT_EQ(host.cursors, (std::vector<CursorKind>{CursorKind::Busy, CursorKind::Default}));
    // The levels lie the level count apart.
    EXPECT_EQ(LevelLines(g.MinZ, g.MaxZ, 10)[1], "2:   12.000,  navy");
}

// z = x: one straight line per level, parallel to the y axis across the whole
// domain, evenly spaced from the left edge to the right, in the colours of
// the bands; the list names the same colours.
TEST_F(ContourTest, PlaneZEqualsXGivesOneLinePerLevelInItsBand) {
    const std::map<int, std::string> bands = {
        {10, "NNNMMRRGGL"}, {12, "NNNNMMMRRRGG"}, {14, "NNNNMMMRRRGGGL"}, {16, "NNNNMMMRRRGGGLLL"}};
    const std::map<char, std::string> names = {
        {'N', "navy"}, {'M', "maroon"}, {'R', "red"}, {'G', "green"}, {'L', "lime"}};
    for (const auto& [nc, letters] : bands) {
        SCOPED_TRACE(nc);
        SetMode('1');
        g.SFunc = "x";
        FlatView();
        Contours(20, nc);
        // The scan subtracts its step 45 times and stops a hair inside -3.
        EXPECT_EQ(g.MaxZ, 3);
        EXPECT_GT(g.MinZ, -3);
        EXPECT_LT(g.MinZ, -3 + 1e-14);

        std::map<int, std::vector<Segment>> byColumn;
        for (const Segment& s : Segments()) {
            EXPECT_EQ(s.a.x, s.b.x) << "parallel to the y axis";
            byColumn[s.a.x].push_back(s);
        }
        // The top level lies on the largest value; where MinZ + (nc - 1) dz
        // rounds above it, no cell reaches it.
        const ContourLevels lv = MakeLevels(g.MinZ, g.MaxZ, nc);
        const int reached = lv.z[nc - 1] <= g.MaxZ ? nc : nc - 1;
        if (nc == 10) {
            EXPECT_EQ(reached, 10);
        }
        ASSERT_EQ(byColumn.size(), static_cast<std::size_t>(reached));
        std::vector<Color> pens;
        int k = 0;
        for (const auto& [column, segs] : byColumn) {
            EXPECT_EQ(column, Px(lv.z[k])) << "level " << k;
            EXPECT_NEAR(lv.z[k], -3 + 6.0 * k / (nc - 1), 1e-12);
            // One colour per line, and the line spans the domain without a gap.
            std::vector<std::pair<int, int>> spans;
            for (const Segment& s : segs) {
                EXPECT_EQ(s.pen, segs[0].pen);
                spans.emplace_back(std::min(s.a.y, s.b.y), std::max(s.a.y, s.b.y));
            }
            std::sort(spans.begin(), spans.end());
            int reach = Px(-3);
            for (const auto& [lo, hi] : spans) {
                EXPECT_LE(lo, reach) << "gap at level " << k;
                reach = std::max(reach, hi);
            }
            EXPECT_EQ(reach, Px(3));
            pens.push_back(segs[0].pen);
            ++k;
        }
        EXPECT_EQ(BandLetters(pens), letters.substr(0, reached));
        const std::vector<std::string> lines = LevelLines(g.MinZ, g.MaxZ, nc);
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(nc));
        for (int level = 0; level < nc; ++level) {
            const std::string name = names.at(letters[level]);
            EXPECT_EQ(lines[level].substr(lines[level].size() - name.size() - 3), ",  " + name)
                << lines[level];
        }
    }
}

// A paraboloid: every end of every segment lies on a level of its colour,
// up to the error of interpolating linearly across a cell (0.3 wide).
TEST_F(ContourTest, SegmentEndsLieOnTheirLevels) {
    SetMode('1');
    g.SFunc = "x^2+y^2";
    FlatView();
    Contours(20, 10);
    const ContourLevels lv = MakeLevels(g.MinZ, g.MaxZ, 10);
    const std::vector<Segment> segs = Segments();
    ASSERT_GT(segs.size(), 400u);
    for (const Segment& s : segs)
        for (PointType p : {s.a, s.b}) {
            const double x = (p.x - kOrigin) / kScale, y = (p.y - kOrigin) / kScale;
            double off = kInf;
            for (int k = 0; k < 10; ++k)
                if (BandColor(lv.band[k]) == s.pen) off = std::min(off, std::fabs(x * x + y * y - lv.z[k]));
            EXPECT_LT(off, 0.03) << x << "," << y;
        }
}

// From the side (pixel rows show z): flat curves lie in z = 0, 3D curves at
// the height of their level, each in the colour of its level's band.
TEST_F(ContourTest, ThreeDContoursLieAtTheirLevelsFlatOnesInThePlaneZ0) {
    for (bool threeD : {false, true}) {
        SCOPED_TRACE(threeD);
        SetMode('1');
        g.SFunc = kHump;
        FlatView(true);
        Contours(40, 14, threeD);
        const ContourLevels lv = MakeLevels(g.MinZ, g.MaxZ, 14);
        std::map<int, Color> bandOfRow;
        for (int k = 0; k < 14; ++k) bandOfRow[Px(threeD ? lv.z[k] : 0)] = BandColor(lv.band[k]);
        const std::vector<Segment> segs = Segments();
        ASSERT_GT(segs.size(), 500u);
        std::set<int> rows;
        for (const Segment& s : segs) {
            EXPECT_EQ(s.a.y, s.b.y);
            rows.insert(s.a.y);
            if (threeD) {
                ASSERT_TRUE(bandOfRow.count(s.a.y)) << s.a.y;
                EXPECT_EQ(s.pen, bandOfRow[s.a.y]) << s.a.y;
            }
        }
        // The top level is the largest sampled value, which the grid need not meet.
        if (threeD) {
            EXPECT_GE(rows.size(), 13u);
        } else {
            EXPECT_EQ(rows, std::set<int>{Px(0)});
        }
    }
}

TEST_F(ContourTest, LevelListNamesValueAndColourOfEveryLevel) {
    EXPECT_EQ(LevelLines(-1, 1, 10), (std::vector<std::string>{
                                         "1:   -1.000,  navy",
                                         "2:   -0.778,  navy",
                                         "3:   -0.556,  navy",
                                         "4:   -0.333,  maroon",
                                         "5:   -0.111,  maroon",
                                         "6:    0.111,  red",
                                         "7:    0.333,  red",
                                         "8:    0.556,  green",
                                         "9:    0.778,  green",
                                         "10:    1.000,  lime",
                                     }));
    // A count of 1 is read as 10; the value field widens for large values.
    EXPECT_EQ(LevelLines(0, 9, 1).size(), 10u);
    EXPECT_EQ(LevelLines(0, 1234567, 16).back(), "16: 1234567.000,  lime");
}

TEST_F(ContourTest, ModeTwoAnglesPutThePositiveXAxisAt2Pi) {
    const struct {
        double x, y, t;
    } rows[] = {
        {0, 0, 0},       {0, 2, kPi / 2}, {0, -2, 3 * kPi / 2},           {1, 1, std::atan(1.0)},
        {1, 0, 2 * kPi}, {-1, 0, kPi},    {-1, -1, std::atan(1.0) + kPi}, {1, -1, std::atan(-1.0) + 2 * kPi},
    };
    for (const auto& r : rows) EXPECT_EQ(ContourAngle(r.x, r.y, 7), r.t) << r.x << "," << r.y;
    EXPECT_EQ(ContourAngle(kNaN, 1, 7), 7) << "no rule: the angle stays";
}

// z = t over 0 <= t <= 2.8125 (steps of 1/16, exact): the scan's lowest y is
// 0, so the grid's lowest row lies on the x axis, where the angle is 2 pi
// right of the origin, far above the levels (0 to 2.8125) of the points
// just above it: every level crosses those cells.
TEST_F(ContourTest, ModeTwoGridRowOnThePositiveXAxisTakes2Pi) {
    SetMode('2');
    g.SFunc = "t";
    g.MinR = 0, g.MaxR = 2.8125, g.MinT = 0, g.MaxT = 2.8125;
    FlatView();
    Contours(20, 10);
    ASSERT_EQ(g.MinY, 0) << "the scan's lowest y lies on the axis";
    EXPECT_EQ(g.MaxX, 2.8125);
    EXPECT_NEAR(g.MinX, 2.8125 * std::cos(2.8125), 1e-12);
    EXPECT_EQ(g.MinZ, 0);
    EXPECT_EQ(g.MaxZ, 2.8125);
    const int axisRow = Px(0), nextRow = Px((g.MaxY - g.MinY) / 20);
    std::set<Color> bands;
    for (const Segment& s : Segments()) {
        if (std::max(s.a.y, s.b.y) > nextRow || std::min(s.a.x, s.b.x) < Px(0)) continue;
        EXPECT_GE(std::min(s.a.y, s.b.y), axisRow);
        bands.insert(s.pen);
    }
    EXPECT_EQ(bands.size(), 5u) << "every band crosses the row right of the origin";
}

// The plane z = x in mode 2, as r cos t: the grid's radius and angle give
// back x, and the centre, the mean of the corners, lies on the plane too, so
// every level is a straight line parallel to the y axis.
TEST_F(ContourTest, ModeTwoPlaneGivesStraightLinesThroughTheCentres) {
    SetMode('2');
    g.SFunc = "r*cos(t)";
    g.MinR = 0, g.MaxR = 3, g.MinT = 0, g.MaxT = 2 * kPi;
    FlatView();
    Contours(20, 10);
    EXPECT_NEAR(g.MinX, -3, 0.01);
    EXPECT_EQ(g.MaxX, 3);
    EXPECT_NEAR(g.MinY, -3, 0.01);
    EXPECT_NEAR(g.MaxY, 3, 0.01);
    const ContourLevels lv = MakeLevels(g.MinZ, g.MaxZ, 10);
    std::set<int> columns;
    for (const Segment& s : Segments()) {
        EXPECT_EQ(s.a.x, s.b.x);
        columns.insert(s.a.x);
    }
    std::set<int> levels;
    for (int k = 0; k < 10; ++k) levels.insert(Px(lv.z[k]));
    // The top level may round past the largest grid value and be missed.
    EXPECT_GE(columns.size(), 9u);
    for (int column : columns) EXPECT_EQ(levels.count(column), 1u) << column;
}

// Every scan ends, whatever the range: a step lost to rounding, an infinite
// or NaN bound, a range too wide for a double.
TEST_F(ContourTest, ScansEndOnHugeAndNonFiniteRanges) {
    const struct {
        char mode;
        double lo, hi;
    } rows[] = {
        {'1', 1e20, 1e20}, {'1', -kInf, 0},   {'1', -kInf, kInf}, {'1', -1e308, 1e308}, {'1', 1e16, 1e16 + 4},
        {'1', kNaN, 1},    {'2', 1e20, 1e20}, {'2', -kInf, 0},    {'2', 0, kInf},       {'2', 1e16, 1e16 + 4},
    };
    for (const auto& r : rows) {
        for (bool second : {false, true}) {
            SCOPED_TRACE(testing::Message()
                         << r.mode << " " << r.lo << ".." << r.hi << (second ? " y/t" : " x/r"));
            SetMode(r.mode);
            g.SFunc = "x+y";
            if (r.mode == '2') g.SFunc = "r+t";
            double& lo = r.mode == '1' ? (second ? g.MinY : g.MinX) : (second ? g.MinT : g.MinR);
            double& hi = r.mode == '1' ? (second ? g.MaxY : g.MaxX) : (second ? g.MaxT : g.MaxR);
            lo = r.lo;
            hi = r.hi;
            Contours(20, 10);
            EXPECT_EQ(host.cursors.back(), CursorKind::Default);
        }
    }
}

// A crossing worked out from an infinite value is NaN: it has no place and is
// not drawn; it never lands in the image's corner. (A NaN value counts as on
// the level, so no crossing is worked out from it.)
TEST_F(ContourTest, CrossingsFromNonFiniteValuesAreNotDrawn) {
    SetMode('1');
    // z = x, but infinite on the grid column x = 0, which the scan misses.
    g.SFunc = "x+UN(x)*UN(-x)*1E308*10";
    FlatView();
    Contours(20, 10);
    ASSERT_EQ(g.MaxZ, 3);
    const std::vector<Segment> segs = Segments();
    ASSERT_GT(segs.size(), 50u);
    for (const Segment& s : segs)
        for (PointType p : {s.a, s.b}) {
            EXPECT_GE(p.x, Px(-3));
            EXPECT_LE(p.x, Px(3));
            EXPECT_GE(p.y, Px(-3));
            EXPECT_LE(p.y, Px(3));
        }
}

// A formula that cannot be read ends the scan and the grid at once: nothing
// is traced from values this drawing never computed.
TEST_F(ContourTest, FormulaErrorStopsTheGridAndNothingUnfilledIsTraced) {
    for (char mode : {'1', '2'}) {
        SetMode(mode);
        g.SFunc = "x+*y";
        FlatView();
        Contours(20, 10);
        EXPECT_TRUE(g.FuncError);
        EXPECT_TRUE(canvas.calls().empty()) << mode;
        EXPECT_EQ(host.cursors.back(), CursorKind::Default);
    }
}

// A failure flag left by an earlier drawing is not this drawing's failure.
TEST_F(ContourTest, EarlierFailureFlagDoesNotStopTheContours) {
    SetMode('1');
    g.SFunc = "x";
    g.FuncError = true;
    FlatView();
    Contours(20, 10);
    EXPECT_FALSE(g.FuncError);
    EXPECT_EQ(g.MaxZ, 3);
    EXPECT_GT(Segments().size(), 100u);
}

TEST_F(ContourTest, OtherModesDrawNothing) {
    for (char mode : {'3', '4'}) {
        SetMode(mode);
        Contours(20, 10);
        EXPECT_TRUE(canvas.calls().empty());
        EXPECT_TRUE(host.cursors.empty());
    }
}

}  // namespace
}  // namespace vemlo::test
