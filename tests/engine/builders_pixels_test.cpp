// Whole drawings into real pixels: the painter's order must leave the near
// side of a closed surface on top, and curves must land where Shape puts them.

#include <QImage>
#include <cmath>

#include "output/QImageCanvas.h"
#include "tests/engine/builders_fixture.h"

namespace vemlo::test {
namespace {

class PixelTest : public BuilderTest {
protected:
    void Render(char mode) {
        SetMode(mode);
        g.FRight = g.FLeft + 302;
        g.FLo = g.FHi + 302;
        View();
        g.AColor = 0x0000FF;
        g.UColor = 0xFF0000;
        g.GridColor = g.AColor;  // no outlines
        g.DColor = 0x00FF00;
        g.Shading = false;
    }
    void Draw() {
        image = QImage(300, 300, QImage::Format_RGB32);
        image.fill(Qt::white);
        QImageCanvas c(image);
        EvaluateF(g, c, host);
    }
    Color At(PointType p) const { return fromQColor(image.pixelColor(p.x, p.y)); }

    QImage image;
};

TEST_F(PixelTest, NearSideOfASphereCoversTheFarSide) {
    Render('4');
    g.XFunc = "2*SIN(u)*COS(v)";
    g.YFunc = "2*SIN(u)*SIN(v)";
    g.ZFunc = "2*COS(u)";
    g.MinU = 0, g.MaxU = 3.141592653589793, g.DeltaX = 20;
    g.MinV = 0, g.MaxV = 2 * 3.141592653589793, g.DeltaY = 20;
    Draw();
    EXPECT_EQ(At(Shape(g, 0, 0, 0)), g.UColor);
    EXPECT_EQ(At(Shape(g, 0, 0, 1.5)), g.UColor);
    EXPECT_EQ(At(Shape(g, 0, 0, 8)), 0xFFFFFFu);
}

TEST_F(PixelTest, SurfaceSeenFromAboveAndBelow) {
    const struct {
        double phiDegrees;
        bool upper;
    } rows[] = {{40, true}, {140, false}};
    for (const auto& row : rows) {
        Render('1');
        g.Phi = row.phiDegrees * 3.141592653589793 / 180;
        View();
        g.SFunc = "x*y/4";
        g.MinX = g.MinY = -2, g.MaxX = g.MaxY = 2, g.DeltaX = g.DeltaY = 8;
        Draw();
        EXPECT_EQ(At(Shape(g, 0.1, 0.3, 0.1 * 0.3 / 4)), row.upper ? g.AColor : g.UColor) << row.phiDegrees;
    }
}

TEST_F(PixelTest, CurvePassesThroughItsPoints) {
    Render('3');
    g.XFunc = "COS(t)";
    g.YFunc = "SIN(t)";
    g.ZFunc = "t/4";
    g.MinT = 0, g.MaxT = 6, g.Step = 0.01;
    Draw();
    for (double t : {0.5, 2.0, 4.0}) EXPECT_EQ(At(Shape(g, std::cos(t), std::sin(t), t / 4)), g.DColor) << t;
}

}  // namespace
}  // namespace vemlo::test
