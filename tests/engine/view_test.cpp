#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/Modes.h"
#include "engine/View.h"
#include "tests/engine/recording_canvas.h"

namespace vemlo {
namespace {

using test::RecordingCanvas;

// The mode-1 view in a 1296 x 720 window: rectangle (156, 72)-(934, 540).
class ViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        g.Choice = '1';
        ApplyModeDefaults(g, 1440, 900);
        g.FLeft = 156;
        g.FHi = 72;
        g.FRight = 934;
        g.FLo = 540;
    }
    void Build() {
        Matrix1(g, g.Dis, g.Rho, g.Theta, g.Phi);
        Matrix2(g);
    }
    GraphState g;
};

TEST_F(ViewTest, ModeOneExtentsAndFit) {
    Build();
    EXPECT_NEAR(g.WMinR1, -327.846, 1e-3);
    EXPECT_NEAR(g.WMaxR1, 327.846, 1e-3);
    EXPECT_NEAR(g.WMinS1, -765.375, 1e-3);
    EXPECT_NEAR(g.WMaxS1, 765.375, 1e-3);
    EXPECT_NEAR(g.WMinT1, 189.705, 1e-3);
    EXPECT_NEAR(g.WMaxT1, 210.295, 1e-3);
    EXPECT_NEAR(g.M2[1][1], 224.509, 1e-3);
    EXPECT_NEAR(g.M2[2][2], -55.772, 1e-3);
    EXPECT_NEAR(g.M2[3][1], 563.994, 1e-3);
    EXPECT_NEAR(g.M2[3][2], 294.985, 1e-3);
    EXPECT_EQ(g.M2[3][3], 1);
    EXPECT_EQ(g.M2[1][2], 0);
    EXPECT_EQ(g.M2[2][1], 0);
    EXPECT_EQ(g.M1[4][3], 200);
}

TEST_F(ViewTest, ModeOnePixels) {
    Build();
    struct Row {
        double x, y, z;
        PointType p;
    };
    const Row rows[] = {{0, 0, 0, {408, 223}},
                        {0, 0, 10, {408, 74}},
                        {3, 0, 0, {272, 268}},
                        {0, 3, 0, {642, 249}},
                        {-3, 3, 10, {789, 55}}};
    for (const Row& r : rows) {
        const PointType p = Shape(g, r.x, r.y, r.z);
        EXPECT_EQ(p, r.p) << r.x << "," << r.y << "," << r.z << " -> " << p.x << "," << p.y;
        std::int32_t px = 0, py = 0;
        Shape(g, r.x, r.y, r.z, px, py);
        EXPECT_EQ(px, r.p.x);
        EXPECT_EQ(py, r.p.y);
    }
}

TEST_F(ViewTest, EyeAtTheProjectionDistanceCollapsesToTheTargetCorner) {
    g.Dis = g.Rho;
    Build();
    for (double v : {0.0, 3.0, -10.0, 1e6}) {
        EXPECT_EQ(Shape(g, v, -v, v), (PointType{20, 20})) << v;
    }
}

TEST_F(ViewTest, EyeInsideTheProjectionDistanceTurnsThePicture) {
    Build();
    const PointType o = Shape(g, 0, 0, 0), top = Shape(g, 0, 0, 10);
    EXPECT_LT(top.y, o.y);
    g.Rho = 100;
    Build();
    const PointType o2 = Shape(g, 0, 0, 0), top2 = Shape(g, 0, 0, 10);
    EXPECT_GT(top2.y, o2.y);
}

TEST_F(ViewTest, PointInTheEyePlaneIsDividedByOne) {
    g.Theta = 0;
    g.Phi = 0;
    Build();
    // t = Rho - z vanishes at z = Rho; r = (Rho - Dis) y, s = (Dis - Rho) x.
    const double x = 0.25, y = 0.5;
    const PointType p = Shape(g, x, y, g.Rho);
    const double X = g.M2[1][1] * (g.Rho - g.Dis) * y;
    const double Y = g.M2[2][2] * (g.Dis - g.Rho) * x;
    EXPECT_EQ(p.x, (X < 1 ? 1 : std::nearbyint(X)) - g.FLeft);
    EXPECT_EQ(p.y, (Y < 1 ? 1 : std::nearbyint(Y)) - g.FHi);
}

TEST_F(ViewTest, PointsBeyondTheLeftAndTopEdgeStopAtOne) {
    Build();
    const PointType p = Shape(g, 0, -1000, 0);
    EXPECT_EQ(p.x, 1 - g.FLeft);
    const PointType q = Shape(g, 0, 0, 100);
    EXPECT_EQ(q.y, 1 - g.FHi);
}

TEST_F(ViewTest, NonFiniteAndHugeValuesStayDefinedAndBounded) {
    Build();
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double values[] = {nan, inf, -inf, 1e300, -1e300, 1e12, -1e12, 3e9};
    const std::int32_t limit = 1 << 30;
    for (double a : values) {
        for (int axis = 0; axis < 3; ++axis) {
            const PointType p = Shape(g, axis == 0 ? a : 0, axis == 1 ? a : 0, axis == 2 ? a : 0);
            EXPECT_GE(p.x, -g.FLeft) << a;
            EXPECT_LE(p.x, limit - g.FLeft) << a;
            EXPECT_GE(p.y, -g.FHi) << a;
            EXPECT_LE(p.y, limit - g.FHi) << a;
        }
    }
    // A NaN is not below 1, so it is not raised to column 1.
    EXPECT_EQ(Shape(g, nan, 0, 0), (PointType{-g.FLeft, -g.FHi}));
}

TEST_F(ViewTest, NaNPointDoesNotWidenTheExtents) {
    Matrix1(g, g.Dis, g.Rho, g.Theta, g.Phi);
    WShape2(g, 1, 2, 3);
    WShape1(g, -1, -2, -3);
    const double before[6] = {g.WMinR1, g.WMaxR1, g.WMinS1, g.WMaxS1, g.WMinT1, g.WMaxT1};
    WShape1(g, std::numeric_limits<double>::quiet_NaN(), 0, 0);
    const double after[6] = {g.WMinR1, g.WMaxR1, g.WMinS1, g.WMaxS1, g.WMinT1, g.WMaxT1};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(after[i], before[i]) << i;
}

TEST_F(ViewTest, PlotPointAndSketchDrawWithTheDrawingColour) {
    Build();
    RecordingCanvas c;
    c.setPenColor(0x123456);
    PlotPoint(g, c, 0, 0, 0);
    Sketch(g, c, 0, 0, 10);
    const auto& calls = c.calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].op, RecordingCanvas::Op::MoveTo);
    EXPECT_EQ(calls[0].pts[0], (PointType{408, 223}));
    EXPECT_EQ(calls[1].op, RecordingCanvas::Op::LineTo);
    EXPECT_EQ(calls[1].pts[0], (PointType{408, 223}));
    EXPECT_EQ(calls[1].pen, g.DColor);
    EXPECT_EQ(calls[2].from, (PointType{408, 223}));
    EXPECT_EQ(calls[2].pts[0], (PointType{408, 74}));
    EXPECT_EQ(calls[2].pen, g.DColor);
}

TEST_F(ViewTest, ShapeFinitePlacesOnlyPointsWithAFinitePosition) {
    Build();
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double x, y, z;
        bool placed;
    } rows[] = {
        {0, 0, 0, true},    {3, -2, 10, true},        {1e12, 0, 0, true}, {nan, 0, 0, false},
        {0, nan, 0, false}, {0, 0, nan, false},       {inf, 0, 0, false}, {0, -inf, 0, false},
        {0, 0, inf, false}, {1e308, 1e308, 0, false},  // finite, but its projection overflows
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.x << ", " << r.y << ", " << r.z);
        const std::optional<PointType> p = ShapeFinite(g, r.x, r.y, r.z);
        ASSERT_EQ(p.has_value(), r.placed);
        if (p) {
            EXPECT_EQ(*p, Shape(g, r.x, r.y, r.z));
        }

        RecordingCanvas c;
        EXPECT_EQ(PlotPoint(g, c, r.x, r.y, r.z), r.placed);
        EXPECT_EQ(Sketch(g, c, r.x, r.y, r.z), r.placed);
        EXPECT_EQ(c.calls().size(), r.placed ? 3u : 0u);
    }
}

}  // namespace
}  // namespace vemlo
