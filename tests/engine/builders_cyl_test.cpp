#include <cmath>

#include "engine/Shading.h"
#include "tests/engine/builders_fixture.h"

namespace vemlo::test {
namespace {

constexpr double kPi = 3.141592653589793;

class CylTest : public BuilderTest {
protected:
    void SetUp() override {
        SetMode('2');
        g.AColor = 0x0000FF;
        g.UColor = 0xFF0000;
        g.GridColor = 0x808000;
        g.DColor = 0x00FF00;
    }
    void Reset() {
        SetUp();
        canvas.clear();
        host = RecordingHost();
    }
    void Domain(double r0, double r1, double nr, double t0, double t1, double nt) {
        g.MinR = r0, g.MaxR = r1, g.DeltaX = nr;
        g.MinT = t0, g.MaxT = t1, g.DeltaY = nt;
    }
    PointType At(double r, double t, double z) const { return Shape(g, r * std::cos(t), r * std::sin(t), z); }
    Color Flat(double fx, double fy, Color upper, Color lower) {
        // The colour a facet of slope (fx, fy) gets, as a rectangular facet would.
        const double Ex = g.Rho * std::sin(g.Phi) * std::cos(g.Theta);
        const double Ey = g.Rho * std::sin(g.Phi) * std::sin(g.Theta);
        const double Ez = g.Rho * std::cos(g.Phi);
        const double len = std::sqrt(Ex * Ex + Ey * Ey + Ez * Ez);
        const double L = std::sqrt(fx * fx + fy * fy + 1);
        Color s = 0;
        if (Ez >= Ex * fx + Ey * fy) {
            GetTheShade((Ez - Ex * fx - Ey * fy) / (len * L), upper, s);
        } else {
            const double c = (Ex * fx - Ey * fy - Ez) / (len * L);
            GetTheShade(std::sqrt(1 - c * c), lower, s);
        }
        return s;
    }
};

TEST_F(CylTest, CellNextToTheAxisIsATriangleAtItsCartesianCorners) {
    g.SFunc = "r";
    Domain(0, 1, 1, 0, kPi / 2, 1);
    Draw();
    ASSERT_EQ(Polygons(), 1);
    const PolyRecord& f = g.Quads[1];
    EXPECT_EQ(f.Corners[1], At(0, 0, 0));
    EXPECT_EQ(f.Corners[2], At(1, 0, 1));
    EXPECT_EQ(f.Corners[3], At(1, kPi / 2, 1));
    EXPECT_EQ(f.Corners[4], f.Corners[1]);
    const double cx = 0.5 * std::cos(kPi / 4), cy = 0.5 * std::sin(kPi / 4);
    const double Ex = g.Rho * std::sin(g.Phi) * std::cos(g.Theta);
    const double Ey = g.Rho * std::sin(g.Phi) * std::sin(g.Theta);
    const double Ez = g.Rho * std::cos(g.Phi);
    EXPECT_NEAR(f.Depth, std::sqrt((cx - Ex) * (cx - Ex) + (cy - Ey) * (cy - Ey) + (0.5 - Ez) * (0.5 - Ez)),
                1e-12);
    EXPECT_EQ(host.cursors, std::vector<CursorKind>{CursorKind::Default});
    EXPECT_EQ(canvas.penColor(), g.DColor);
    EXPECT_EQ(canvas.penStyle(), TPenStyle::Solid);
}

TEST_F(CylTest, CornerTestUsesTheWindowBoxWithoutMargin) {
    const struct {
        const char* formula;
        int facets;
    } rows[] = {{"10", 1}, {"10.001", 0}, {"-10", 1}, {"-10.001", 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.formula);
        Reset();
        g.SFunc = row.formula;
        Domain(1, 2, 1, 0, 1, 1);
        Draw();
        EXPECT_EQ(Polygons(), row.facets);
    }
}

TEST_F(CylTest, XAndYHoldTheCellStartDuringTheTestAndEachCornerAfter) {
    // z = X: during the test every corner sees X = 1 (the cell's start), so the
    // cell passes a box that ends at 1.5; its corners are then drawn at z = x.
    g.SFunc = "X";
    g.WMaxZ = 1.5;
    View();
    Domain(1, 2, 1, 0, kPi / 2, 1);
    Draw();
    ASSERT_EQ(Polygons(), 1);
    EXPECT_EQ(g.Quads[1].Corners[2], At(2, 0, 2));
    EXPECT_EQ(g.Quads[1].Corners[1], At(1, 0, 1));
}

TEST_F(CylTest, ChainRuleGivesTheSlopeOfTheSurfaceInXAndY) {
    // z = 2 r cos t and z = r cos t / 2 are the planes z = 2x and z = x/2: the
    // eye sees the lower side of the first and the upper side of the second
    // everywhere, and every facet is shaded as that plane.
    const struct {
        const char* formula;
        double fx;
        bool shading;
        bool upper;
    } rows[] = {{"2*r*COS(t)", 2, false, false},
                {"0.5*r*COS(t)", 0.5, false, true},
                {"2*r*COS(t)", 2, true, false},
                {"0.5*r*COS(t)", 0.5, true, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.formula);
        Reset();
        g.SFunc = row.formula;
        g.Shading = row.shading;
        Domain(0.5, 3, 5, 0, 2 * kPi, 12);
        Draw();
        ASSERT_EQ(Polygons(), 60);
        const Color expected =
            row.shading ? Flat(row.fx, 0, g.AColor, g.UColor) : (row.upper ? g.AColor : g.UColor);
        for (int i = 1; i <= 60; ++i) {
            // The angular difference quotient is off by O(h): allow one step of the ramp.
            const Color c = g.Quads[i].FillColor;
            for (int shift : {0, 8, 16})
                EXPECT_NEAR(static_cast<int>((c >> shift) & 0xFF),
                            static_cast<int>((expected >> shift) & 0xFF), 1)
                    << i;
        }
    }
}

TEST_F(CylTest, CellCentredOnTheAxisGetsTheColourOfItsRadialSlope) {
    // r from -0.5 in steps of 1: the first ring of cells has its centre at r = 0,
    // where t has no slope; z = t is flat there.
    g.SFunc = "t";
    g.WMinZ = -10;
    Domain(-0.5, 1.5, 2, 0, 1, 2);
    Draw();
    ASSERT_EQ(Polygons(), 4);
    const Color flat = Flat(0, 0, g.AColor, g.UColor);
    int onAxis = 0;
    for (int i = 1; i <= 4; ++i) onAxis += g.Quads[i].FillColor == flat;
    EXPECT_EQ(onAxis, 2);
}

TEST_F(CylTest, ListingGivesRadiusDegreesAndValue) {
    g.SFunc = "r";
    Domain(1, 2, 1, 0, kPi, 1);
    Draw();
    const std::vector<std::string> expected = {
        "     1.000      0.000     1.0000", "     1.000    180.000     1.0000",
        "     2.000      0.000     2.0000", "     2.000    180.000     2.0000"};
    EXPECT_EQ(host.listing(), expected);

    // Degrees are t*180 divided by pi in extended precision, as everywhere
    // else in the program; with pi rounded to a double this t shows -334.688.
    Reset();
    g.SFunc = "r";
    Domain(1, 1, 1, -119 * kPi / 64, -119 * kPi / 64, 1);
    Draw();
    EXPECT_EQ(host.listing(), std::vector<std::string>{"     1.000   -334.687     1.0000"});
}

TEST_F(CylTest, LineCaseAlongTheAngleEndsWithTheCurvePen) {
    g.SFunc = "1";
    g.WMinZ = -10;
    Domain(1, 1, 4, 0, kPi / 2, 2);
    canvas.setPenStyle(TPenStyle::DashDot);
    Draw();
    const auto lines = canvas.lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].from, At(1, 0, 1));
    EXPECT_EQ(lines[0].pts[0], At(1, kPi / 4, 1));
    EXPECT_EQ(lines[0].pen, g.GridColor);
    EXPECT_EQ(lines[0].penStyle, TPenStyle::DashDot);
    EXPECT_EQ(Polygons(), 0);
    EXPECT_EQ(host.listing().size(), 3u);
    EXPECT_TRUE(host.cursors.empty());
    EXPECT_EQ(canvas.penColor(), g.DColor);
    EXPECT_EQ(canvas.penStyle(), TPenStyle::Solid);
}

TEST_F(CylTest, SyntaxErrorAndCancelStopWithoutListing) {
    g.SFunc = "r+*t";
    Domain(0, 1, 2, 0, 1, 2);
    Draw();
    EXPECT_TRUE(g.FuncError);
    EXPECT_EQ(Polygons(), 0);
    EXPECT_TRUE(host.listing().empty());

    Reset();
    g.SFunc = "r";
    Domain(0, 1, 2, 0, 1, 2);
    CancelAtPump(2);
    Draw();
    EXPECT_TRUE(g.Drawing);
    EXPECT_EQ(Polygons(), 0);
    EXPECT_TRUE(host.listing().empty());
}

}  // namespace
}  // namespace vemlo::test
