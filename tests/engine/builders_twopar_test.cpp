#include <cmath>

#include "engine/Shading.h"
#include "tests/engine/builders_fixture.h"

namespace vemlo::test {
namespace {

constexpr double kPi = 3.141592653589793;

class TwoParTest : public BuilderTest {
protected:
    void SetUp() override {
        SetMode('4');
        g.AColor = 0x0000FF;
        g.UColor = 0xFF0000;
        g.DColor = 0x00FF00;
    }
    void Reset() {
        SetUp();
        canvas.clear();
        host = RecordingHost();
    }
    void Domain(double u0, double u1, double nu, double v0, double v1, double nv) {
        g.MinU = u0, g.MaxU = u1, g.DeltaX = nu;
        g.MinV = v0, g.MaxV = v1, g.DeltaY = nv;
    }
    void Sphere() {
        g.XFunc = "SIN(u)*COS(v)";
        g.YFunc = "SIN(u)*SIN(v)";
        g.ZFunc = "COS(u)";
        Domain(0, kPi, 8, 0, 2 * kPi, 16);
    }
};

TEST_F(TwoParTest, SphereShowsTheUnderColourOnTheEyesSide) {
    Sphere();
    g.Shading = false;
    Draw();
    ASSERT_EQ(Polygons(), 128);
    // Pu x Pv points outward: a facet nearer than the sphere's centre-to-eye
    // tangent distance faces the eye and takes UColor.
    const double tangent = std::sqrt(g.Rho * g.Rho + 1);
    int near = 0, far = 0;
    for (int i = 1; i <= 128; ++i) {
        const PolyRecord& f = g.Quads[i];
        if (f.Depth < tangent - 0.05) {
            EXPECT_EQ(f.FillColor, g.UColor) << i;
            ++near;
        } else if (f.Depth > tangent + 0.05) {
            EXPECT_EQ(f.FillColor, g.AColor) << i;
            ++far;
        }
    }
    EXPECT_GT(near, 40);
    EXPECT_GT(far, 40);
    EXPECT_EQ(g.Quads[128].FillColor, g.UColor);  // the nearest facet is painted last
}

TEST_F(TwoParTest, ShadedSphereDrawsEveryCellAndAFoldedPlaneNothing) {
    Sphere();
    Draw();
    EXPECT_EQ(Polygons(), 128);
    EXPECT_EQ(host.listing().size(), 9u * 16u);  // v accumulated by 2 pi / 16 overshoots 2 pi

    Reset();
    g.XFunc = "u+v";
    g.YFunc = "u+v";
    g.ZFunc = "0";
    Domain(0, 1, 2, 0, 1, 2);
    Draw();
    EXPECT_EQ(Polygons(), 0);
    EXPECT_FALSE(g.FuncError);
    EXPECT_TRUE(host.listing().empty());
    EXPECT_TRUE(host.cursors.empty());
}

TEST_F(TwoParTest, ShadingTakesTheCosineBetweenTheTurnedNormalAndTheEye) {
    // Planes with a known Pu x Pv: its sign against E picks the base colour,
    // and N is |n.E| / (|n| |E|) itself, with no square-root transform.
    const double Ex = g.Rho * std::sin(g.Phi) * std::cos(g.Theta);
    const double Ez = g.Rho * std::cos(g.Phi);
    const double len = g.Rho;
    const struct {
        const char *x, *y, *z;
        bool under;
        double N;
    } rows[] = {
        {"u", "v", "0", true, Ez / len},                             // n = (0, 0, 1)
        {"v", "u", "0", false, Ez / len},                            // n = (0, 0, -1)
        {"u", "v", "u", true, (Ez - Ex) / (std::sqrt(2.0) * len)},   // n = (-1, 0, 1)
        {"v", "u", "v", false, (Ez - Ex) / (std::sqrt(2.0) * len)},  // n = (1, 0, -1)
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.x) + "," + row.y + "," + row.z);
        Reset();
        g.XFunc = row.x;
        g.YFunc = row.y;
        g.ZFunc = row.z;
        Domain(0, 1, 1, 0, 1, 1);
        Draw();
        ASSERT_EQ(Polygons(), 1);
        EXPECT_NEAR(g.NormAngle, row.N, 1e-9);
        Color expected = 0;
        GetTheShade(g.NormAngle, row.under ? g.UColor : g.AColor, expected);
        EXPECT_EQ(g.Quads[1].FillColor, expected);
    }
}

TEST_F(TwoParTest, ZeroUStepGivesOneColumnOfFacetsWithoutColourWork) {
    Sphere();
    g.MinU = g.MaxU = 1;
    // A folded plane would stop a shaded build, but no colour is worked out here.
    g.XFunc = "v";
    g.YFunc = "v";
    g.ZFunc = "0";
    Draw();
    ASSERT_EQ(Polygons(), 16);
    for (int i = 1; i <= 16; ++i) EXPECT_EQ(g.Quads[i].FillColor, g.AColor);
    EXPECT_EQ(host.listing().size(), 16u);
}

TEST_F(TwoParTest, CornersAreEvaluatedAtTheirParametersAndDepthAtTheCentre) {
    g.XFunc = "u";
    g.YFunc = "v";
    g.ZFunc = "u*v";
    g.Shading = false;
    Domain(0, 1, 1, 0, 2, 1);
    Draw();
    ASSERT_EQ(Polygons(), 1);
    const PolyRecord& f = g.Quads[1];
    EXPECT_EQ(f.Corners[1], Shape(g, 0, 0, 0));
    EXPECT_EQ(f.Corners[2], Shape(g, 1, 0, 0));
    EXPECT_EQ(f.Corners[3], Shape(g, 1, 2, 2));
    EXPECT_EQ(f.Corners[4], Shape(g, 0, 2, 0));
    const double Ex = g.Rho * std::sin(g.Phi) * std::cos(g.Theta);
    const double Ey = g.Rho * std::sin(g.Phi) * std::sin(g.Theta);
    const double Ez = g.Rho * std::cos(g.Phi);
    EXPECT_DOUBLE_EQ(f.Depth,
                     std::sqrt((0.5 - Ex) * (0.5 - Ex) + (1 - Ey) * (1 - Ey) + (0.5 - Ez) * (0.5 - Ez)));
}

TEST_F(TwoParTest, ListingGivesThePointsInUThenVOrder) {
    g.XFunc = "u";
    g.YFunc = "v";
    g.ZFunc = "0";
    Domain(0, 1, 1, 0, 1, 1);
    canvas.setPenStyle(TPenStyle::DashDot);
    Draw();
    const std::vector<std::string> expected = {
        "     0.000      0.000      0.000", "     0.000      1.000      0.000",
        "     1.000      0.000      0.000", "     1.000      1.000      0.000"};
    EXPECT_EQ(host.listing(), expected);
    EXPECT_EQ(canvas.penColor(), g.DColor);
    EXPECT_EQ(canvas.penStyle(), TPenStyle::Solid);
    EXPECT_EQ(host.cursors, std::vector<CursorKind>{CursorKind::Default});
}

TEST_F(TwoParTest, OnlyTheEvaluationBeforeEachTestCanStopTheBuild) {
    const struct {
        const char* x;
        const char* y;
        const char* z;
        bool stops;
    } rows[] = {
        {"u+*v", "v", "0", true},        // x is tested after every corner
        {"u", "v", "0+*u", true},        // z is tested after the centre
        {"u", "v+*u", "u*v", true},      // y only at its own differences
        {"SQRT(u)", "v", "u*v", false},  // math errors neither stop nor skip
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.x);
        Reset();
        g.XFunc = row.x;
        g.YFunc = row.y;
        g.ZFunc = row.z;
        Domain(-1, 1, 2, 0, 1, 2);
        Draw();
        EXPECT_EQ(g.FuncError, row.stops);
        EXPECT_EQ(Polygons(), row.stops ? 0 : 4);
        EXPECT_EQ(host.listing().empty(), row.stops);
    }
}

TEST_F(TwoParTest, CancelStopsTheBuild) {
    Sphere();
    CancelAtPump(10);
    Draw();
    EXPECT_TRUE(g.Drawing);
    EXPECT_EQ(host.pumps, 10);
    EXPECT_EQ(Polygons(), 0);
    EXPECT_TRUE(host.listing().empty());
}

}  // namespace
}  // namespace vemlo::test
