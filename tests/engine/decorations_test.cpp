// The plane patch, the line and the bounding box: what the dialogs' entries
// do to the state, what is drawn and in which order, and the box's scans.
#include "engine/Decorations.h"

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "engine/DrawGraph.h"
#include "tests/engine/builders_fixture.h"

namespace vemlo::test {
namespace {

using Op = RecordingCanvas::Op;
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

class DecorationTest : public BuilderTest {
protected:
    void SetUp() override { SetMode('1'); }

    /// The plane dialog confirmed with these texts (empty: left as filled).
    void EnterPlane(std::array<std::string, 10> boxes) {
        ResetPlane(g);
        ApplyPlane(g, boxes);
    }
    void EnterLine(std::array<std::string, 6> boxes) {
        ResetLine(g);
        ApplyLine(g, boxes);
    }
    PointType At(double x, double y, double z) const { return Shape(g, x, y, z); }
    std::vector<PointType> AtAll(const std::vector<WorldPoint>& ps) const {
        std::vector<PointType> out;
        for (const WorldPoint& p : ps) out.push_back(At(p.x, p.y, p.z));
        return out;
    }
    /// Index of the first call of kind op drawn with pen colour pen, or -1.
    int FirstCall(Op op, Color pen, int from = 0) const {
        const auto& calls = canvas.calls();
        for (int i = from; i < static_cast<int>(calls.size()); ++i)
            if (calls[i].op == op && calls[i].pen == pen) return i;
        return -1;
    }
};

void ExpectCorners(const std::array<WorldPoint, 4>& got, const std::vector<WorldPoint>& want) {
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_NEAR(got[k].x, want[k].x, 1e-12) << "corner " << k + 1;
        EXPECT_NEAR(got[k].y, want[k].y, 1e-12) << "corner " << k + 1;
        EXPECT_NEAR(got[k].z, want[k].z, 1e-12) << "corner " << k + 1;
    }
}

// ---- Tangent plane ----------------------------------------------------------

TEST_F(DecorationTest, PlaneResetsToZerosAndAFifteenthOfTheWindowBoxUntilDataIsEntered) {
    g.P1 = 5;
    g.N3 = 7;
    ResetPlane(g);
    EXPECT_EQ(g.P1, 0);
    EXPECT_EQ(g.N3, 0);
    EXPECT_DOUBLE_EQ(g.PMinX, -0.4);
    EXPECT_DOUBLE_EQ(g.PMaxY, 0.4);

    g.WMinX = g.WMaxX = 2;  // no width in x
    ResetPlane(g);
    EXPECT_EQ(g.PMinX, -0.5);
    EXPECT_EQ(g.PMaxX, 0.5);
    EXPECT_DOUBLE_EQ(g.PMinY, -0.4);

    g.PlaneFlag = true;
    g.P1 = 5;
    g.PMinX = -2;
    ResetPlane(g);
    EXPECT_EQ(g.P1, 5);
    EXPECT_EQ(g.PMinX, -2);
}

struct PlaneEntryRow {
    std::array<std::string, 10> boxes;
    bool flag;
    double P1, N3, PMinX, PMaxX, PMinY, PMaxY;
};

TEST_F(DecorationTest, PlaneEntriesSetTheFlagOnlyByAChangedPointOrNormal) {
    const double d = 0.4;  // the default half-size at the window box -3..3
    const PlaneEntryRow rows[] = {
        {{}, false, 0, 0, -d, d, -d, d},
        {{"0", "0", "0", "0", "0", "0"}, false, 0, 0, -d, d, -d, d},
        {{"", "", "", "", "", "1"}, true, 0, 1, -d, d, -d, d},
        {{"2*p"}, true, 2 * 3.14159265358979323846, 0, -d, d, -d, d},
        {{"x+", "", "", "", "", "1/0"}, false, 0, 0, -d, d, -d, d},
        // Sizes never set the flag; each stays on its own side of 0.
        {{"", "", "", "", "", "", "-1", "2", "-3", "4"}, false, 0, 0, -1, 2, -3, 4},
        {{"", "", "", "", "", "", "1", "-2", "0", "0"}, false, 0, 0, -d, d, -d, d},
        {{"", "", "", "", "", "", "abc", "", "-0.5*2", "5+5"}, false, 0, 0, -d, d, -1, 10},
    };
    for (const PlaneEntryRow& r : rows) {
        SCOPED_TRACE(r.boxes[0] + "|" + r.boxes[5] + "|" + r.boxes[6]);
        g.PlaneFlag = false;
        EnterPlane(r.boxes);
        EXPECT_EQ(g.PlaneFlag, r.flag);
        EXPECT_DOUBLE_EQ(g.P1, r.P1);
        EXPECT_EQ(g.N3, r.N3);
        EXPECT_DOUBLE_EQ(g.PMinX, r.PMinX);
        EXPECT_DOUBLE_EQ(g.PMaxX, r.PMaxX);
        EXPECT_DOUBLE_EQ(g.PMinY, r.PMinY);
        EXPECT_DOUBLE_EQ(g.PMaxY, r.PMaxY);
    }
}

struct CornerRow {
    const char* what;
    std::array<std::string, 6> data;  // point, then normal
    std::vector<WorldPoint> corners;
};

TEST_F(DecorationTest, PatchCornersFollowTheOrientationOfTheNormal) {
    const CornerRow rows[] = {
        {"horizontal at height 2",
         {"0", "0", "2", "0", "0", "1"},
         {{-0.4, -0.4, 2}, {0.4, -0.4, 2}, {0.4, 0.4, 2}, {-0.4, 0.4, 2}}},
        {"tilted, centred on the point",
         {"1", "1", "1", "1", "0", "1"},  // x + z = 2
         {{0.6, 0.6, 1.4}, {1.4, 0.6, 0.6}, {1.4, 1.4, 0.6}, {0.6, 1.4, 1.4}}},
        {"vertical x + y = 2: x over PMinX..PMaxX, not about the point",
         {"2", "0", "0", "1", "1", "0"},
         {{0.4, 1.6, 0.4}, {-0.4, 2.4, 0.4}, {-0.4, 2.4, -0.4}, {0.4, 1.6, -0.4}}},
        {"no normal: the plane x = P1",
         {"1", "0", "3", "0", "0", "0"},
         {{1, -0.4, 3.4}, {1, 0.4, 3.4}, {1, 0.4, 2.6}, {1, -0.4, 2.6}}},
    };
    for (const CornerRow& r : rows) {
        SCOPED_TRACE(r.what);
        g.PlaneFlag = false;
        EnterPlane({r.data[0], r.data[1], r.data[2], r.data[3], r.data[4], r.data[5]});
        ASSERT_TRUE(g.PlaneFlag);
        ExpectCorners(PlaneCorners(g), r.corners);
    }
}

TEST_F(DecorationTest, PF) {
    g.P1 = 1, g.P2 = 2, g.P3 = 3;
    g.N1 = 1, g.N2 = 2, g.N3 = 4;
    EXPECT_DOUBLE_EQ(PF(g, 0, 0), (12 + 5) / 4.0);  // height over (x, y)
    g.N3 = 0;
    EXPECT_DOUBLE_EQ(PF(g, 5, 99), (4 + (1 - 5)) / 2.0);  // y at x; y unused
    g.N2 = 0;
    EXPECT_EQ(PF(g, 5, 99), 1);
}

TEST_F(DecorationTest, HorizontalSquareIsFilledInDColorThenMarkedInLimeWithTheAxesOnTop) {
    EnterPlane({"0", "0", "2", "0", "0", "1"});
    DrawPlane(g, canvas, host);
    EXPECT_TRUE(host.messages.empty());

    const auto polys = canvas.calls(Op::Polygon);
    ASSERT_EQ(polys.size(), 1u);
    EXPECT_EQ(polys[0].pts, AtAll({{-0.4, -0.4, 2}, {0.4, -0.4, 2}, {0.4, 0.4, 2}, {-0.4, 0.4, 2}}));
    EXPECT_EQ(polys[0].pen, g.DColor);
    EXPECT_EQ(polys[0].brush, g.DColor);
    EXPECT_EQ(polys[0].brushStyle, TBrushStyle::Solid);
    EXPECT_EQ(polys[0].penWidth, 2);
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(g.Poly[k], polys[0].pts[k - 1]);

    const int mark = FirstCall(Op::LineTo, 0x00FF00);
    ASSERT_GT(mark, 0);
    const PointType p = At(0, 0, 2);
    EXPECT_EQ(canvas.calls()[mark].from, p);
    EXPECT_EQ(canvas.calls()[mark].pts[0], (PointType{p.x + 1, p.y + 1}));
    EXPECT_GT(FirstCall(Op::LineTo, g.ColorAxes), mark) << "the axes come after the mark";
}

TEST_F(DecorationTest, PlaneWithoutDataOnlyAsksForIt) {
    g.PlaneDraw = true;
    EnterPlane({"0", "0", "0", "0", "0", "0"});  // unchanged: no data yet
    EditPlane(g, canvas, host);
    EXPECT_EQ(host.messages, std::vector<std::string>{"Enter data for the plane first"});
    EXPECT_TRUE(canvas.calls().empty());
}

TEST_F(DecorationTest, PatchWithACornerThatCannotBePlacedIsNotFilled) {
    ResetPlane(g);
    g.PlaneFlag = true;
    g.N1 = 1e308;
    g.N3 = 1e-300;  // the heights overflow
    DrawPlane(g, canvas, host);
    EXPECT_TRUE(canvas.calls(Op::Polygon).empty());
    EXPECT_GT(FirstCall(Op::LineTo, 0x00FF00), -1) << "the point itself is still marked";
    EXPECT_GT(FirstCall(Op::LineTo, g.ColorAxes), -1);
}

// ---- Line -------------------------------------------------------------------

TEST_F(DecorationTest, LineFlagIsSetByAnyChangedCoordinate) {
    EnterLine({"0", "0", "0", "", "", ""});
    EXPECT_FALSE(g.LineFlag);
    EnterLine({"0", "0", "0", "1", "1", "1"});
    EXPECT_TRUE(g.LineFlag) << "set by the end point alone";
    EnterLine({"", "", "", "1", "1", "1"});
    EXPECT_EQ(g.X2, 1);
    EnterLine({"x+", "", "", "", "", "5"});
    EXPECT_EQ(g.X1, 0);
    EXPECT_EQ(g.Z2, 5);
}

TEST_F(DecorationTest, LineDrawsTheSegmentOrAsksForPoints) {
    g.LineDraw = true;
    EditLine(g, canvas, host);
    EXPECT_EQ(host.messages, std::vector<std::string>{"Enter points for the line first"});
    EXPECT_TRUE(canvas.lines().empty());

    EnterLine({"0", "0", "0", "1", "1", "1"});
    canvas.setPenWidth(3);
    EditLine(g, canvas, host);
    const auto lines = canvas.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].from, At(0, 0, 0));
    EXPECT_EQ(lines[0].pts[0], At(1, 1, 1));
    EXPECT_EQ(lines[0].pen, g.DColor);
    EXPECT_EQ(lines[0].penWidth, 3) << "the canvas's own pen width";
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(DecorationTest, LineWithAnEndThatCannotBePlacedIsNotDrawn) {
    for (double bad : {NaN, Inf, -Inf}) {
        canvas.clear();
        g.LineFlag = true;
        g.X1 = g.Y1 = g.Z1 = 0;
        g.X2 = 1, g.Y2 = bad, g.Z2 = 1;
        DrawLine(g, canvas, host);
        EXPECT_TRUE(canvas.lines().empty()) << bad;
        EXPECT_TRUE(canvas.calls(Op::MoveTo).empty()) << bad;
    }
}

// ---- Bounding box -----------------------------------------------------------

TEST_F(DecorationTest, BoxOfTheParaboloidSpansItsSampledHeights) {
    g.SFunc = "x^2+y^2";
    g.MinX = g.MinY = -2;
    g.MaxX = g.MaxY = 2;
    BoxIt(g, canvas, true);
    EXPECT_NEAR(g.MinZ, 2 * (2.0 / 15) * (2.0 / 15), 1e-12);  // about 0.0356: the origin is never met
    EXPECT_DOUBLE_EQ(g.MaxZ, 8);
    EXPECT_EQ(g.MinX, -2);
    EXPECT_EQ(g.MaxY, 2);

    const double x0 = -2, x1 = 2, y0 = -2, y1 = 2, z0 = g.MinZ, z1 = 8;
    const std::vector<std::array<WorldPoint, 2>> edges = {
        {{{x1, y1, z0}, {x1, y0, z0}}}, {{{x1, y0, z0}, {x0, y0, z0}}}, {{{x0, y0, z0}, {x0, y1, z0}}},
        {{{x0, y1, z0}, {x1, y1, z0}}}, {{{x1, y1, z0}, {x1, y1, z1}}}, {{{x1, y1, z1}, {x1, y0, z1}}},
        {{{x1, y0, z1}, {x0, y0, z1}}}, {{{x0, y0, z1}, {x0, y1, z1}}}, {{{x0, y1, z1}, {x1, y1, z1}}},
        {{{x1, y0, z0}, {x1, y0, z1}}}, {{{x0, y0, z0}, {x0, y0, z1}}}, {{{x0, y1, z0}, {x0, y1, z1}}},
    };
    const auto lines = canvas.lines();
    ASSERT_EQ(lines.size(), edges.size());
    for (std::size_t i = 0; i < edges.size(); ++i) {
        EXPECT_EQ(lines[i].from, At(edges[i][0].x, edges[i][0].y, edges[i][0].z)) << "edge " << i;
        EXPECT_EQ(lines[i].pts[0], At(edges[i][1].x, edges[i][1].y, edges[i][1].z)) << "edge " << i;
        EXPECT_EQ(lines[i].pen, g.DColor);
    }
}

TEST_F(DecorationTest, BoxUncheckedMeasuresAndDrawsNothing) {
    g.SFunc = "x+y";
    g.MinX = g.MinY = -7.5;  // steps of 1, so both ends are met exactly
    g.MaxX = g.MaxY = 7.5;
    BoxIt(g, canvas, false);
    EXPECT_EQ(g.MaxZ, 15);
    EXPECT_EQ(g.MinZ, -15);
    EXPECT_TRUE(canvas.calls().empty());
}

TEST_F(DecorationTest, CylindricalBoxTakesTheSampledPolarPoints) {
    SetMode('2');
    g.SFunc = "r";
    g.MinR = 0, g.MaxR = 10;  // r in steps of 1
    BoxIt(g, canvas, false);
    EXPECT_NEAR(g.MinX, -10, 1e-12);
    EXPECT_NEAR(g.MaxX, 10, 1e-12);
    EXPECT_NEAR(g.MaxY, 10 * std::sin(0.4 * 3.14159265358979323846), 1e-12);  // t in steps of 36 degrees
    EXPECT_NEAR(g.MinY, -g.MaxY, 1e-12);
    EXPECT_EQ(g.MinZ, 0);
    EXPECT_EQ(g.MaxZ, 10);
}

TEST_F(DecorationTest, AFormulaErrorEndsTheScanWithTheExtentSoFar) {
    SetMode('3');
    g.XFunc = "1/(2-t)";  // fails at t = 2, met after t = 0 and 1
    g.YFunc = "t";
    g.MinT = 0, g.MaxT = 100;
    BoxIt(g, canvas, false);
    EXPECT_EQ(g.MinX, 0.5);
    EXPECT_EQ(g.MaxX, 1);
    EXPECT_EQ(g.MaxY, 1);

    SetMode('1');
    g.SFunc = "x+";
    g.MinZ = -7, g.MaxZ = 7;
    BoxIt(g, canvas, false);
    EXPECT_EQ(g.MinZ, -7) << "a first evaluation that fails leaves the old extent";
    EXPECT_EQ(g.MaxZ, 7);
}

struct ScanRow {
    char mode;
    double lo, hi;  // the first range of the mode (the second is -1..1)
};

// Every scan ends; a range of no width visits its single value.
TEST_F(DecorationTest, EveryScanEndsWhateverTheRange) {
    const double big = std::numeric_limits<double>::max();
    const std::vector<ScanRow> rows = {
        {'1', 1, 1},
        {'2', 1, 1},
        {'3', 1, 1},
        {'4', 1, 1},
        {'1', -big, big},
        {'2', -big, big},
        {'3', -big, big},
        {'4', -big, big},
        {'1', 1e17, 1e17 + 64},
        {'2', 1e17, 1e17 + 64},
        {'3', 1e17, 1e17 + 64},
        {'4', 1e17, 1e17 + 64},
        {'1', -Inf, Inf},
        {'3', NaN, 1},
        {'4', 0, NaN},
        {'3', 5, -5},
    };
    for (const ScanRow& r : rows) {
        SCOPED_TRACE(std::string(1, r.mode) + " " + std::to_string(r.lo) + ".." + std::to_string(r.hi));
        SetMode(r.mode);
        g.SFunc = "2";
        g.XFunc = r.mode == '3' ? "t" : "u";
        g.YFunc = "3";
        g.ZFunc = "4";
        double* const first[] = {&g.MinX, &g.MinR, &g.MinT, &g.MinU};
        double* const last[] = {&g.MaxX, &g.MaxR, &g.MaxT, &g.MaxU};
        *first[r.mode - '1'] = r.lo;
        *last[r.mode - '1'] = r.hi;
        canvas.clear();
        BoxIt(g, canvas, true);
        if (r.mode == '3' || r.mode == '4') {
            EXPECT_EQ(g.MinY, 3);
        }
        if (r.lo == 1 && r.hi == 1 && (r.mode == '3' || r.mode == '4')) {
            EXPECT_EQ(g.MinX, 1);
            EXPECT_EQ(g.MaxX, 1);
        }
    }
}

TEST_F(DecorationTest, ValuesThatAreNotFiniteStayOutOfTheExtent) {
    SetMode('3');
    g.A = 1e308;
    g.XFunc = "t";
    g.YFunc = "a*t";  // overflows beyond t = 1.79...
    g.ZFunc = "0";
    g.MinT = 0, g.MaxT = 5;
    BoxIt(g, canvas, true);
    EXPECT_EQ(g.MinY, 0);
    EXPECT_TRUE(std::isfinite(g.MaxY));
    EXPECT_GT(g.MaxY, 1.5e308);
    // Corners that far out have no position in the image: only the four
    // edges of the face y = 0 are drawn.
    EXPECT_EQ(canvas.lines().size(), 4u);
}

TEST_F(DecorationTest, BoxEdgesWithACornerThatCannotBePlacedAreLeftOut) {
    // An extent that is not finite cannot come from a scan; set it as another
    // routine might leave it, and draw with a formula that fails at once.
    SetMode('4');
    g.XFunc = "x+";
    g.MinX = -1, g.MaxX = 1, g.MinY = -1, g.MaxY = 1, g.MinZ = -1, g.MaxZ = Inf;
    BoxIt(g, canvas, true);
    EXPECT_EQ(g.MaxZ, Inf);
    EXPECT_EQ(canvas.lines().size(), 4u) << "only the bottom rectangle";
}

// ---- The one drawing routine ------------------------------------------------

TEST_F(DecorationTest, DrawGraphDrawsSurfacePlaneLineAndBoxInThisOrder) {
    g.SFunc = "x*y/4";
    g.DeltaX = g.DeltaY = 4;
    g.DColor = 0x0000FF;  // apart from the ticks' colour
    g.FunctionCalled = true;
    EnterPlane({"0", "0", "2", "0", "0", "1"});
    EnterLine({"-3", "-3", "-3", "3", "3", "3"});
    g.PlaneDraw = g.LineDraw = true;
    DrawRequest r;
    r.drawBox = true;
    DrawGraph(g, canvas, host, r);
    EXPECT_TRUE(host.messages.empty());

    const auto& calls = canvas.calls();
    int lastFacet = -1, plane = -1;
    for (int i = 0; i < static_cast<int>(calls.size()); ++i) {
        if (calls[i].op != Op::Polygon) continue;
        if (calls[i].brush == g.DColor)
            plane = i;
        else
            lastFacet = i;
    }
    ASSERT_GT(lastFacet, -1);
    EXPECT_GT(plane, lastFacet);
    const int line = FirstCall(Op::LineTo, g.DColor, plane + 1);
    ASSERT_GT(line, plane);
    EXPECT_EQ(calls[line].pts[0], At(3, 3, 3));
    int boxEdges = 0;
    for (int i = line + 1; i < static_cast<int>(calls.size()); ++i)
        boxEdges += calls[i].op == Op::LineTo && calls[i].pen == g.DColor;
    EXPECT_EQ(boxEdges, 12);

    // Switched off, or asked for a frame without decorations: the surface only.
    for (bool decorations : {true, false}) {
        canvas.clear();
        g.PlaneDraw = g.LineDraw = decorations;
        r.drawBox = decorations;
        r.decorations = !decorations;
        DrawGraph(g, canvas, host, r);
        EXPECT_EQ(FirstCall(Op::LineTo, g.DColor), -1);
        for (const auto& c : canvas.calls(Op::Polygon)) EXPECT_NE(c.brush, g.DColor);
    }
}

}  // namespace
}  // namespace vemlo::test
