#include <algorithm>
#include <cmath>

#include "engine/Shading.h"
#include "tests/engine/builders_fixture.h"

namespace vemlo::test {
namespace {

using Op = RecordingCanvas::Op;

class RectTest : public BuilderTest {
protected:
    void SetUp() override {
        SetMode('1');
        g.AColor = 0x0000FF;  // red and blue have shading ramps of their own
        g.UColor = 0xFF0000;
        g.GridColor = 0x808000;
    }
    void Domain(double x0, double x1, double nx, double y0, double y1, double ny) {
        g.MinX = x0, g.MaxX = x1, g.DeltaX = nx;
        g.MinY = y0, g.MaxY = y1, g.DeltaY = ny;
    }
    double Ex() const { return g.Rho * std::sin(g.Phi) * std::cos(g.Theta); }
    double Ey() const { return g.Rho * std::sin(g.Phi) * std::sin(g.Theta); }
    double Ez() const { return g.Rho * std::cos(g.Phi); }
    double DepthOf(double x, double y, double z) const {
        return std::sqrt((x - Ex()) * (x - Ex()) + (y - Ey()) * (y - Ey()) + (z - Ez()) * (z - Ez()));
    }
    void Reset() {
        SetUp();
        canvas.clear();
        host = RecordingHost();
    }
    Color Shade(double N, Color base) const {
        Color s = 0;
        GetTheShade(N, base, s);
        return s;
    }
};

TEST_F(RectTest, FlatGridStoresEveryCellFarthestFirstAndListsEveryPoint) {
    g.SFunc = "0";
    g.Shading = false;
    Domain(-1, 1, 2, -1, 1, 2);
    Draw();

    std::vector<PolyRecord> expected;
    for (double x0 : {-1.0, 0.0})
        for (double y0 : {-1.0, 0.0}) {
            PolyRecord r;
            r.Corners = {PointType{}, Shape(g, x0, y0, 0), Shape(g, x0 + 1, y0, 0),
                         Shape(g, x0 + 1, y0 + 1, 0), Shape(g, x0, y0 + 1, 0)};
            r.Depth = DepthOf(x0 + 0.5, y0 + 0.5, 0);
            r.FillColor = g.AColor;
            expected.push_back(r);
        }
    std::sort(expected.begin(), expected.end(), [](auto& a, auto& b) { return a.Depth > b.Depth; });

    ASSERT_EQ(Polygons(), 4);
    const auto stored = Stored(4);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        for (int k = 1; k <= 4; ++k) EXPECT_EQ(stored[i].Corners[k], expected[i].Corners[k]);
        EXPECT_DOUBLE_EQ(stored[i].Depth, expected[i].Depth);
        EXPECT_EQ(stored[i].FillColor, g.AColor);
    }
    EXPECT_EQ(g.Quads[5].Depth, 0);  // the rest of the store stays cleared
    EXPECT_EQ(host.pumps, 4);
    EXPECT_EQ(host.listing().size(), 9u);
    ASSERT_EQ(host.cursors.size(), 1u);
    EXPECT_EQ(host.cursors[0], CursorKind::Default);
}

struct SideRow {
    const char* formula;
    double phi;
    bool shading;
    // The expected facet: the base colour and, when shaded, N from the exact slope.
    bool upper;
    double fx, fy;
};

TEST_F(RectTest, SideTestAndBothShadingFormulas) {
    const double pi = 3.141592653589793;
    const SideRow rows[] = {
        {"0", 0.0, false, true, 0, 0},  // from straight above: upper side
        {"0", pi, false, false, 0, 0},  // from straight below: lower side
        {"2*x", 40 * pi / 180, false, false, 2, 0},
        {"0.5*x", 40 * pi / 180, false, true, 0.5, 0},
        {"0.5*x", 40 * pi / 180, true, true, 0.5, 0},
        {"2*x+y", 40 * pi / 180, true, false, 2, 1},  // lower side: Ex fx - Ey fy - Ez
        {"-2*x-y", 40 * pi / 180, true, true, -2, -1},
    };
    for (const SideRow& row : rows) {
        SCOPED_TRACE(row.formula);
        Reset();
        g.Phi = row.phi;
        View();
        g.SFunc = row.formula;
        g.Shading = row.shading;
        Domain(0, 1, 1, 0, 1, 1);
        Draw();
        ASSERT_EQ(Polygons(), 1);
        const Color base = row.upper ? g.AColor : g.UColor;
        if (!row.shading) {
            EXPECT_EQ(g.Quads[1].FillColor, base);
            continue;
        }
        const double len = std::sqrt(Ex() * Ex() + Ey() * Ey() + Ez() * Ez());
        const double L = std::sqrt(row.fx * row.fx + row.fy * row.fy + 1);
        double N;
        if (row.upper) {
            N = (Ez() - Ex() * row.fx - Ey() * row.fy) / (len * L);
        } else {
            const double c = (Ex() * row.fx - Ey() * row.fy - Ez()) / (len * L);
            N = std::sqrt(1 - c * c);
        }
        EXPECT_NEAR(g.NormAngle, N, 1e-9);
        EXPECT_EQ(g.Quads[1].FillColor, Shade(N, base));
    }
}

TEST_F(RectTest, EyePointIsWorkedOutInExtendedPrecisionAndStoredAsDoubles) {
    // At the default view the double products give a depth one bit off.
    g.SFunc = "0";
    Domain(0, 1, 1, 0, 1, 1);
    Draw();
    ASSERT_EQ(Polygons(), 1);
    const long double rho = g.Rho, st = std::sin(static_cast<long double>(g.Theta)),
                      ct = std::cos(static_cast<long double>(g.Theta)),
                      sp = std::sin(static_cast<long double>(g.Phi)),
                      cp = std::cos(static_cast<long double>(g.Phi));
    const double ex = static_cast<double>(rho * sp * ct), ey = static_cast<double>(rho * sp * st),
                 ez = static_cast<double>(rho * cp);
    const double depth = std::sqrt((0.5 - ex) * (0.5 - ex) + (0.5 - ey) * (0.5 - ey) + (0 - ez) * (0 - ez));
    EXPECT_EQ(g.Quads[1].Depth, depth);
}

TEST_F(RectTest, CornerTestAllowsAMarginOfTwoAroundTheWindowBox) {
    const struct {
        const char* formula;
        int facets;
    } rows[] = {{"12", 1}, {"12.001", 0}, {"-12", 1}, {"-12.001", 0}, {"12.001*x", 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.formula);
        Reset();
        g.SFunc = row.formula;
        Domain(0, 1, 1, 0, 1, 1);
        Draw();
        EXPECT_EQ(Polygons(), row.facets);
        EXPECT_FALSE(g.FuncError);
    }
}

TEST_F(RectTest, MathErrorsLeaveHolesAndAreNotListed) {
    g.SFunc = "SQRT(x)";
    Domain(-1, 1, 2, 0, 1, 1);
    Draw();
    EXPECT_EQ(Polygons(), 1);
    EXPECT_FALSE(g.FuncError);
    const auto lines = host.listing();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "     0.000      0.000     0.0000");
    EXPECT_EQ(lines[3], "     1.000      1.000     1.0000");
}

TEST_F(RectTest, SyntaxErrorStopsWithNothingFilledOrListed) {
    g.SFunc = "x+*y";
    Domain(-1, 1, 3, -1, 1, 3);
    Draw();
    EXPECT_TRUE(g.FuncError);
    EXPECT_EQ(Polygons(), 0);
    EXPECT_EQ(host.pumps, 1);
    ASSERT_EQ(host.listings.size(), 1u);
    EXPECT_TRUE(host.listings[0].empty());
    EXPECT_TRUE(host.cursors.empty());
}

TEST_F(RectTest, CancelStopsBeforeTheCellAndRestoresDrawing) {
    g.SFunc = "x*y";
    Domain(-1, 1, 3, -1, 1, 3);
    CancelAtPump(4);
    Draw();
    EXPECT_TRUE(g.Drawing);
    EXPECT_EQ(host.pumps, 4);
    EXPECT_EQ(Polygons(), 0);
    EXPECT_TRUE(host.listing().empty());
    EXPECT_TRUE(host.cursors.empty());

    // Pressed twice before the builder looks: nothing is cancelled.
    host = RecordingHost();
    canvas.clear();
    host.onPump = [this](int pump) {
        if (pump != 2) return;
        g.Drawing = !g.Drawing;
        g.Drawing = !g.Drawing;
    };
    Draw();
    EXPECT_EQ(Polygons(), 9);
}

TEST_F(RectTest, CutDropsTheFacetsWhereItFired) {
    g.SFunc = "CUT(y)";
    Domain(0, 1, 1, -1, 1, 4);
    Draw();
    ASSERT_EQ(Polygons(), 2);
    // Only the cells with y >= 0 remain, the farther one first.
    EXPECT_DOUBLE_EQ(g.Quads[1].Depth, DepthOf(0.5, 0.25, 1));
    EXPECT_DOUBLE_EQ(g.Quads[2].Depth, DepthOf(0.5, 0.75, 1));
}

TEST_F(RectTest, CutInASkippedCellDropsTheNextKeptFacet) {
    // At y < 0 the value is 20 (out of the box) and CUT fires; at y >= 0 it is 0.
    const struct {
        const char* formula;
        int facets;
    } rows[] = {{"20-20*CUT(y)", 0}, {"20-20*UN(y)", 1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.formula);
        Reset();
        g.SFunc = row.formula;
        Domain(0, 1, 1, -1, 1, 2);
        Draw();
        EXPECT_EQ(Polygons(), row.facets);
    }
}

TEST_F(RectTest, CutInThePreviousListingDropsTheFirstFacetOfTheNextDrawing) {
    g.SFunc = "CUT(x)";
    Domain(-1, 1, 2, 0, 1, 1);
    Draw();  // the listing meets CUT(-1) and leaves the flag set
    ASSERT_TRUE(g.CutCalled);
    canvas.clear();
    g.SFunc = "0";
    Domain(-1, 1, 2, -1, 1, 2);
    Draw();
    EXPECT_EQ(Polygons(), 3);
}

TEST_F(RectTest, OneDimensionalDomainDrawsAPolylineInGridColor) {
    g.SFunc = "x";
    Domain(0, 1, 4, 0.5, 0.5, 4);
    g.FuncError = true;  // left by an earlier failed drawing
    Draw();
    EXPECT_FALSE(g.FuncError);
    EXPECT_EQ(Polygons(), 0);
    const auto lines = canvas.lines();
    ASSERT_EQ(lines.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        const double x = 0.25 * i;
        EXPECT_EQ(lines[i].from, Shape(g, x, 0.5, x));
        EXPECT_EQ(lines[i].pts[0], Shape(g, x + 0.25, 0.5, x + 0.25));  // the last ends past MaxX
        EXPECT_EQ(lines[i].pen, g.GridColor);
    }
    EXPECT_EQ(host.listing().size(), 5u);
    EXPECT_TRUE(host.cursors.empty());
}

TEST_F(RectTest, OneDimensionalListingHasNoMathErrorFilter) {
    g.SFunc = "SQRT(x)";
    Domain(-1, 1, 2, 0, 0, 3);
    Draw();
    const auto lines = host.listing();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "    -1.000      0.000     0.0000");
}

TEST_F(RectTest, PointDomainDrawsNothingAndListsThePoint) {
    g.SFunc = "x+y";
    Domain(1, 1, 4, 2, 2, 4);
    Draw();
    EXPECT_TRUE(canvas.calls().empty());
    EXPECT_EQ(host.listing(), std::vector<std::string>{"     1.000      2.000     3.0000"});
}

TEST_F(RectTest, ListingWalksXOuterAndYInnerAndLeavesThemPastTheEnds) {
    g.SFunc = "x*10+y";
    Domain(0, 1, 1, 0, 1, 1);
    Draw();
    const std::vector<std::string> expected = {
        "     0.000      0.000     0.0000", "     0.000      1.000     1.0000",
        "     1.000      0.000    10.0000", "     1.000      1.000    11.0000"};
    EXPECT_EQ(host.listing(), expected);
    EXPECT_EQ(g.X, 2);
    EXPECT_EQ(g.Y, 2);
}

TEST_F(RectTest, ExtraCellsOfATinyDomainNeverOverrunTheStore) {
    // 0.05 / 80 per interval is below the tolerance: 81 x 81 cells qualify.
    g.SFunc = "x+y";
    Domain(0, 0.05, 80, 0, 0.05, 80);
    Draw();
    EXPECT_EQ(Polygons(), MaxQuads);
}

}  // namespace
}  // namespace vemlo::test
