#include <QEvent>
#include <QPainter>
#include <cmath>

#include "ui_fixture.h"
#include "engine/View.h"
#include "output/QImageCanvas.h"
#include "ui/TImage.h"

namespace vemlo::testing {
namespace {

using DrawingTest = UiTest;

Color PixelAt(const QImage& img, PointType p) {
    if (p.x < 0 || p.y < 0 || p.x >= img.width() || p.y >= img.height()) return 0xFFFFFFFFu;
    return fromQColor(img.pixelColor(p.x, p.y));
}

// Share of the pixels on the straight run from a to b (ends left out) that
// have colour c.
double ShareOfColour(const QImage& img, PointType a, PointType b, Color c) {
    const int n = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
    int hits = 0, total = 0;
    for (int k = 2; k < n - 2; ++k) {
        const PointType p{static_cast<int>(std::lround(a.x + (b.x - a.x) * double(k) / n)),
                          static_cast<int>(std::lround(a.y + (b.y - a.y) * double(k) / n))};
        ++total;
        hits += PixelAt(img, p) == c;
    }
    return total ? double(hits) / total : 0.0;
}

// The default view in each mode: dash-dot axes in the axes colour where
// Shape puts them, ticks in the tick colour at whole numbers, the rest of the
// image in the background colour.
TEST_F(DrawingTest, DefaultViewShowsAxesAndTicksWhereShapePutsThem) {
    for (char mode : {'1', '2', '3', '4'}) {
        SCOPED_TRACE(std::string("mode ") + mode);
        Pick(mode);
        const GraphState& G = TheGraph();
        const QImage img = VemloScrn1->Image1->picture();
        ASSERT_FALSE(img.isNull());
        const PointType o = Shape(G, 0, 0, 0);
        const PointType axisEnds[] = {Shape(G, 1.1 * G.WMaxX, 0, 0), Shape(G, 1.1 * G.WMinX, 0, 0),
                                      Shape(G, 0, 1.1 * G.WMaxY, 0), Shape(G, 0, 1.1 * G.WMinY, 0)};
        for (const PointType& end : axisEnds) {
            // A dash-dot line covers a little over half of its pixels; ticks cover a few more.
            const double share = ShareOfColour(img, o, end, G.ColorAxes);
            EXPECT_GT(share, 0.35) << "to " << end.x << "," << end.y;
        }
        const double zShare = ShareOfColour(img, {o.x, 20}, {o.x, img.height() - 20}, G.ColorAxes);
        EXPECT_GT(zShare, 0.35);
        for (int i : {-3, -2, 2, 3}) {
            EXPECT_EQ(PixelAt(img, Shape(G, i, 0, 0)), G.ColorTick) << "x tick " << i;
            EXPECT_EQ(PixelAt(img, Shape(G, 0, i, 0)), G.ColorTick) << "y tick " << i;
        }
        for (int i : {-9, -5, 5, 9})
            EXPECT_EQ(PixelAt(img, Shape(G, 0, 0, i)), G.ColorTick) << "z tick " << i;
        // Far from the axes the image is empty.
        EXPECT_EQ(PixelAt(img, {img.width() - 10, img.height() / 2 + 7}), G.BColor);
        EXPECT_EQ(PixelAt(img, {10, 10}), G.BColor);
        VemloScrn1->Exit1->trigger();
    }
}

TEST_F(DrawingTest, ClearScreenEmptiesTheImageAndRedrawsTheAxes) {
    Pick('1');
    const QImage fresh = VemloScrn1->Image1->picture();
    QImageCanvas& c = VemloScrn1->Image1->canvas();
    c.setBrushColor(0x00FF00);
    c.fillRect(100, 100, 300, 300);
    ASSERT_NE(VemloScrn1->Image1->picture(), fresh);
    VemloScrn1->ClearScreen1->trigger();
    EXPECT_EQ(VemloScrn1->Image1->picture(), fresh);
}

QImage ClientPixels() { return VemloScrn1->Client->grab().toImage(); }

// The frame lies on the window's own surface, one pixel outside the image on
// every side of the graphing rectangle, and stays there through repaints.
TEST_F(DrawingTest, FrameOutlinesTheGraphingRectangleAndSurvivesRepaints) {
    Pick('2');
    const GraphState& G = TheGraph();
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass);
        const QImage win = ClientPixels();
        const PointType onFrame[] = {{G.FLeft, G.FHi},
                                     {G.FRight, G.FHi},
                                     {G.FRight, G.FLo},
                                     {G.FLeft, G.FLo},
                                     {(G.FLeft + G.FRight) / 2, G.FHi},
                                     {G.FLeft, (G.FHi + G.FLo) / 2},
                                     {G.FRight, (G.FHi + G.FLo) / 2},
                                     {(G.FLeft + G.FRight) / 2, G.FLo}};
        for (const PointType& p : onFrame) EXPECT_EQ(PixelAt(win, p), G.DColor) << p.x << "," << p.y;
        // Just outside the frame is the white window.
        EXPECT_EQ(PixelAt(win, {G.FLeft - 1, (G.FHi + G.FLo) / 2}), 0xFFFFFFu);
        EXPECT_EQ(PixelAt(win, {G.FRight + 1, G.FHi + 10}), 0xFFFFFFu);
        VemloScrn1->repaint();
        VemloScrn1->Client->update();
        QApplication::processEvents();
    }
}

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Painting the window must not ask for yet another paint.
TEST_F(DrawingTest, RepaintingDoesNotLoop) {
    Pick('1');
    PaintCounter counter;
    VemloScrn1->Client->installEventFilter(&counter);
    VemloScrn1->Client->update();
    for (int i = 0; i < 20; ++i) QApplication::processEvents();
    const int settled = counter.paints;
    for (int i = 0; i < 20; ++i) QApplication::processEvents();
    VemloScrn1->Client->removeEventFilter(&counter);
    EXPECT_EQ(counter.paints, settled);
    EXPECT_LE(settled, 2);
}

// What is drawn on the image's canvas shows in the window 1:1 at the next
// pass of the event loop.
TEST_F(DrawingTest, ImageShowsItsPicturePixelForPixel) {
    Pick('1');
    QImageCanvas& c = VemloScrn1->Image1->canvas();
    c.setPenColor(0x0000FF);
    c.setPenWidth(1);
    c.setPenStyle(TPenStyle::Solid);
    c.moveTo(5, 7);
    c.lineTo(6, 7);
    QApplication::processEvents();
    const QImage shown = VemloScrn1->Image1->grab().toImage();
    EXPECT_EQ(shown.size(), QSize(776, 466));
    EXPECT_EQ(fromQColor(shown.pixelColor(5, 7)), 0x0000FFu);
    EXPECT_EQ(shown.pixelColor(4, 7), VemloScrn1->Image1->picture().pixelColor(4, 7));
}

}  // namespace
}  // namespace vemlo::testing
