// The Qt canvas: the pixel rules the engine relies on.

#include <gtest/gtest.h>

#include "output/QImageCanvas.h"

namespace vemlo {
namespace {

constexpr Color kWhite = 0xFFFFFF, kRed = 0x0000FF, kBlue = 0xFF0000;

class CanvasTest : public ::testing::Test {
protected:
    CanvasTest() : image(40, 30, QImage::Format_RGB32) { image.fill(Qt::white); }
    Color At(int x, int y) { return fromQColor(QColor(image.pixel(x, y))); }
    int Count(Color c) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += At(x, y) == c;
        return n;
    }
    QImage image;
};

TEST_F(CanvasTest, ColoursKeepRedInTheLowByte) {
    EXPECT_EQ(toQColor(kRed), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(kBlue), QColor(0, 0, 255));
    EXPECT_EQ(fromQColor(QColor(0x12, 0x34, 0x56)), 0x563412u);
}

TEST_F(CanvasTest, LineLeavesOutItsEndPixelAndALineToThePenSetsIt) {
    {
        QImageCanvas c(image);
        c.setPenColor(kRed);
        c.moveTo(2, 5);
        c.lineTo(12, 5);
        c.moveTo(20, 20);
        c.lineTo(20, 20);
    }
    EXPECT_EQ(At(2, 5), kRed);
    EXPECT_EQ(At(11, 5), kRed);
    EXPECT_EQ(At(12, 5), kWhite);
    EXPECT_EQ(At(20, 20), kRed);
    EXPECT_EQ(Count(kRed), 11);
}

// Axes leave the pen 2 wide, so the first point of a space curve is a line
// to the pen's own position drawn with that pen: it must still show.
TEST_F(CanvasTest, WidePenLineToThePenSetsItsPixel) {
    for (int width : {2, 3}) {
        SCOPED_TRACE(width);
        image.fill(Qt::white);
        {
            QImageCanvas c(image);
            c.setPenColor(kRed);
            c.setPenWidth(width);
            c.moveTo(20, 15);
            c.lineTo(20, 15);
        }
        EXPECT_EQ(At(20, 15), kRed);
        EXPECT_LE(Count(kRed), width * width);
    }
}

TEST_F(CanvasTest, DashDotLineLeavesGapsAndClearPenDrawsNothing) {
    {
        QImageCanvas c(image);
        c.setPenColor(kRed);
        c.setPenStyle(TPenStyle::DashDot);
        c.moveTo(0, 1);
        c.lineTo(39, 1);
        c.setPenStyle(TPenStyle::Clear);
        c.moveTo(0, 3);
        c.lineTo(39, 3);
        EXPECT_EQ(c.penPos(), (PointType{39, 3}));
    }
    const int drawn = Count(kRed);
    EXPECT_GT(drawn, 15);
    EXPECT_LT(drawn, 39);
}

TEST_F(CanvasTest, DashDotLineDrawnAgainCoversTheSamePixels) {
    auto draw = [](QImage& img) {
        QImageCanvas c(img);
        c.setPenColor(kRed);
        c.setPenStyle(TPenStyle::DashDot);
        c.moveTo(0, 1);
        c.lineTo(17, 1);
        c.moveTo(0, 2);
        c.lineTo(39, 2);
    };
    draw(image);
    const QImage once = image;
    draw(image);
    EXPECT_EQ(image, once);
}

TEST_F(CanvasTest, PolygonFillsWithTheBrushAndOutlinesWithThePen) {
    {
        QImageCanvas c(image);
        c.setPenColor(kRed);
        c.setBrushColor(kBlue);
        const PointType square[] = {{5, 5}, {25, 5}, {25, 20}, {5, 20}};
        c.polygon(square, 4);
    }
    EXPECT_EQ(At(15, 12), kBlue);
    EXPECT_EQ(At(5, 12), kRed);
    EXPECT_EQ(At(15, 5), kRed);
    EXPECT_EQ(At(30, 12), kWhite);
}

// Polygons by the thousand keep the painter's pen and brush between them;
// text and wide lines in between use the same painter with other colours,
// and each polygon must still come out in the canvas's own pen and brush.
TEST_F(CanvasTest, PolygonsAfterTextAndWideLinesKeepTheirOwnColours) {
    constexpr Color kGreen = 0x00FF00, kTeal = 0x808000;
    const PointType left[] = {{2, 2}, {12, 2}, {12, 12}, {2, 12}};
    const PointType right[] = {{26, 2}, {36, 2}, {36, 12}, {26, 12}};
    const PointType low[] = {{2, 17}, {12, 17}, {12, 27}, {2, 27}};
    const PointType clear[] = {{26, 17}, {36, 17}, {36, 27}, {26, 27}};
    {
        QImageCanvas c(image);
        c.setPenColor(kRed);
        c.setBrushColor(kBlue);
        c.polygon(left, 4);
        c.setFontColor(kGreen);
        c.setBrushColor(kTeal);
        c.textOut(14, 0, "x");
        c.setBrushColor(kBlue);
        c.polygon(right, 4);
        c.setPenWidth(3);
        c.setPenColor(kGreen);
        c.moveTo(18, 14);
        c.lineTo(22, 14);
        c.setPenWidth(1);
        c.setPenColor(kRed);
        c.polygon(low, 4);
        c.flush();
        c.setPenStyle(TPenStyle::Clear);
        c.polygon(clear, 4);
    }
    for (PointType p : {PointType{7, 7}, PointType{31, 7}, PointType{7, 22}, PointType{31, 22}})
        EXPECT_EQ(At(p.x, p.y), kBlue) << p.x << "," << p.y;
    for (PointType p : {PointType{2, 7}, PointType{26, 7}, PointType{2, 22}})
        EXPECT_EQ(At(p.x, p.y), kRed) << p.x << "," << p.y;
    EXPECT_EQ(At(26, 22), kBlue);  // no outline with a clear pen
}

TEST_F(CanvasTest, SelfCrossingPolygonIsFilledByTheNonZeroRule) {
    {
        QImageCanvas c(image);
        c.setPenStyle(TPenStyle::Clear);
        c.setBrushColor(kBlue);
        // A pentagram: its centre is wound twice, so it is filled.
        const PointType star[] = {{20, 2}, {28, 27}, {7, 11}, {33, 11}, {12, 27}};
        c.polygon(star, 5);
    }
    EXPECT_EQ(At(20, 15), kBlue);
}

TEST_F(CanvasTest, FarAwayAndNullTargetsDrawSafely) {
    {
        QImageCanvas c(image);
        c.setPenColor(kRed);
        c.moveTo(-2000000000, -2000000000);
        c.lineTo(2000000000, 2000000000);
        const PointType huge[] = {{-2000000000, 0}, {2000000000, 0}, {0, 2000000000}};
        c.polygon(huge, 3);
        c.fillRect(-5, -5, 1 << 30, 3);
    }
    QImage null;
    QImageCanvas n(null);
    n.moveTo(0, 0);
    n.lineTo(10, 10);
    n.textOut(0, 0, "X");
    n.fillRect(0, 0, 5, 5);
    SUCCEED();
}

// A point close to the eye's plane projects millions of pixels away; the part
// of a line or polygon towards it that lies in the image keeps its slope.
TEST_F(CanvasTest, FarEndpointsKeepTheDirectionOfWhatIsDrawn) {
    {
        QImageCanvas c(image);
        c.setPenColor(kRed);
        c.moveTo(0, 0);
        c.lineTo(3000000, 1000000);  // y = x / 3
        EXPECT_EQ(c.penPos(), (PointType{3000000, 1000000}));
        c.setPenStyle(TPenStyle::Clear);
        c.setBrushColor(kBlue);
        const PointType wedge[] = {{0, 10}, {1 << 29, 10 + (1 << 28)}, {0, 1 << 29}};  // below y = 10 + x / 2
        c.polygon(wedge, 3);
    }
    for (int x : {0, 9, 21, 30, 39}) EXPECT_EQ(At(x, x / 3), kRed) << x;
    EXPECT_EQ(At(30, 26), kBlue);
    EXPECT_EQ(At(30, 24), kWhite);
    EXPECT_EQ(At(10, 16), kBlue);
    EXPECT_EQ(At(10, 14), kWhite);
}

// Pixels written one by one must respect the image's own layout: a 24-bit
// image (a picture opened from a file, say) is not a row of 32-bit words.
TEST(CanvasFormats, LinesLandOnImagesOfAnyPixelFormat) {
    for (QImage::Format f : {QImage::Format_RGB888, QImage::Format_RGB32, QImage::Format_ARGB32,
                             QImage::Format_RGBA8888, QImage::Format_RGB16}) {
        SCOPED_TRACE(static_cast<int>(f));
        QImage img(9, 3, f);
        img.fill(Qt::white);
        {
            QImageCanvas c(img);
            c.setPenColor(kRed);
            c.moveTo(0, 2);
            c.lineTo(9, 2);
        }
        for (int x = 0; x < 9; ++x) {
            EXPECT_EQ(img.pixelColor(x, 2).rgb(), QColor(255, 0, 0).rgb()) << x;
            EXPECT_EQ(img.pixelColor(x, 1).rgb(), QColor(255, 255, 255).rgb()) << x;
        }
    }
}

TEST_F(CanvasTest, TextSitsBelowAndRightOfItsPointOnTheBrush) {
    {
        QImageCanvas c(image);
        c.setFontColor(kRed);
        c.setBrushColor(kBlue);
        c.textOut(10, 8, "M");
        EXPECT_GT(c.textWidth("MM"), c.textWidth("M"));
        EXPECT_GT(c.textHeight("M"), 0);
    }
    EXPECT_EQ(At(10, 8), kBlue);
    EXPECT_EQ(At(9, 7), kWhite);
    EXPECT_GT(Count(kRed), 0);
}

}  // namespace
}  // namespace vemlo
