#include <gtest/gtest.h>

#include <QFontMetrics>

#include "output/Pictures.h"
#include "output/QImageCanvas.h"

namespace vemlo {
namespace {

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kBlue = 0xFF0000;

GraphState StateFor(char mode) {
    GraphState g;
    g.Choice = mode;
    g.FLeft = 156;
    g.LMapX = 120;
    g.LMapY = 150;
    g.ILeft = 95;
    g.FontSize = 18;
    g.PColor = kWhite;
    g.BColor = kWhite;
    g.DColor = kBlue;
    g.ColorFont = kBlue;
    return g;
}

// Every pixel differs from its neighbours, so a shifted or scaled copy shows.
QImage Pattern(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb(x % 251, y % 241, (x * 7 + y * 3) % 256));
    return img;
}

int TitleWidth(const std::string& title) {
    return QFontMetrics(QImageCanvas::font(18)).horizontalAdvance(QString::fromStdString(title));
}

struct TextAt {
    int x, y;
    std::string text;
};

// The full-graph picture drawn straight from the layout: sheet, white outline,
// texts at their places, then the graphing image at (100, 35).
QImage Reference(const GraphState& g, const QImage& img, const std::vector<TextAt>& texts) {
    QImage ref(img.width() + 240, img.height() + 150, QImage::Format_RGB32);
    ref.fill(toQColor(g.PColor));
    const QRgb white = qRgb(255, 255, 255);
    for (int x = 0; x < ref.width(); ++x) ref.setPixel(x, 0, white), ref.setPixel(x, ref.height() - 1, white);
    for (int y = 0; y < ref.height(); ++y) ref.setPixel(0, y, white), ref.setPixel(ref.width() - 1, y, white);
    {
        QImageCanvas c(ref);
        c.setBrushColor(g.PColor);
        c.setFontColor(g.ColorFont);
        c.setFontSize(16);
        for (const TextAt& t : texts) c.textOut(t.x, t.y, t.text);
    }
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) ref.setPixel(100 + x, 35 + y, img.pixel(x, y));
    return ref;
}

::testing::AssertionResult SameImage(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return ::testing::AssertionFailure()
               << "size " << a.width() << "x" << a.height() << " vs " << b.width() << "x" << b.height();
    int diffs = 0, fx = -1, fy = -1;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF) && diffs++ == 0) fx = x, fy = y;
    if (diffs == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << diffs << " pixels differ, first at (" << fx << ", " << fy << ")";
}

TEST(ParamValueText, FixedAndScientificForms) {
    const struct {
        double v;
        const char* text;
    } rows[] = {
        {1, "   1.000"},
        {-2.5, "  -2.500"},
        {123456.789, "123456.789"},
        {-1234567.5, "-1234567.5"},
        {10000000, "10000000.0"},
        {-10000000, "-10000000."},
        {0.001, "   0.001"},
        {-0.001, "  -0.001"},
        {0.0005, "5.000E-04"},
        {-0.00002, "-2.000E-05"},
        {25000000, "2.500E+07"},
        {-12345678, "-1.235E+07"},
        {10000000.5, "1.000E+07"},
        {1e-300, "1.000E-300"},
    };
    for (const auto& r : rows) EXPECT_EQ(ParamValueText(r.v), r.text) << r.v;
}

TEST(ParamValueText, NonFiniteValuesGiveReadableTexts) {
    EXPECT_EQ(ParamValueText(std::numeric_limits<double>::infinity()), "Inf");
    EXPECT_EQ(ParamValueText(-std::numeric_limits<double>::infinity()), "-Inf");
    EXPECT_EQ(ParamValueText(std::numeric_limits<double>::quiet_NaN()), "NaN");
}

struct LayoutRow {
    const char* name;
    char mode;
    int W, H;
    std::string title;
    int titleBase;  // the title's left edge is titleBase - T div 2
    std::string s, x, y, z;
    ParValues par;
    std::vector<TextAt> texts;  // without the title
};

void PrintTo(const LayoutRow& r, std::ostream* os) { *os << r.name; }

class FullGraphLayout : public ::testing::TestWithParam<LayoutRow> {};

TEST_P(FullGraphLayout, MatchesTheSheetDrawnFromTheLayout) {
    const LayoutRow& r = GetParam();
    GraphState g = StateFor(r.mode);
    g.Title = r.title;
    g.SFunc = r.s;
    g.XFunc = r.x;
    g.YFunc = r.y;
    g.ZFunc = r.z;
    g.Par = r.par;
    const QImage img = Pattern(r.W, r.H);

    QImage PicMap, LMap;
    SaveTheGraph(g, img, PicMap, LMap);

    std::vector<TextAt> texts = r.texts;
    texts.insert(texts.begin(), {r.titleBase - TitleWidth(r.title) / 2, 18, r.title});
    EXPECT_TRUE(SameImage(LMap, Reference(g, img, texts)));
    EXPECT_TRUE(SameImage(PicMap, img));
}

// Rows follow a 1296 x 720 window: the graphing image is 776 x 466 at x = 157
// in modes 1 and 4, and 466 x 466 in modes 2 and 3; the sheet is 616 high.
INSTANTIATE_TEST_SUITE_P(
    Modes, FullGraphLayout,
    ::testing::Values(
        LayoutRow{"Rect",
                  '1',
                  776,
                  466,
                  "Saddle",
                  526,
                  "x^2-y^2",
                  "",
                  "",
                  "",
                  {0, 1, -2.5, 123456.789, -1234567.5, 0.0005, 25000000},
                  {{95, 536, "Z= x^2-y^2"},
                   {95, 581, "a=   1.000"},
                   {210, 581, "b=  -2.500"},
                   {325, 581, "c=123456.789"},
                   {440, 581, "d=-1234567.5"},
                   {555, 581, "e=5.000E-04"},
                   {670, 581, "f=2.500E+07"}}},
        LayoutRow{"CylinderGaps",
                  '2',
                  466,
                  466,
                  "Cone",
                  371,
                  "r*cos(t)",
                  "",
                  "",
                  "",
                  {0, 0.001, 0, 0, 0, 0, 10000000},
                  {{95, 536, "Z= r*cos(t)"}, {40, 581, "a=   0.001"}, {615, 581, "f=10000000.0"}}},
        LayoutRow{"Curve",
                  '3',
                  466,
                  466,
                  "Helix",
                  371,
                  "",
                  "cos(t)",
                  "sin(t)",
                  "t/5",
                  {0, 0, 0, -0.00002, 0, 0, 0},
                  {{95, 531, "X= cos(t)     Y= sin(t)"}, {95, 551, "Z= t/5"}, {270, 581, "c=-2.000E-05"}}},
        LayoutRow{"TwoParameter",
                  '4',
                  776,
                  466,
                  "Sheet",
                  526,
                  "",
                  "u",
                  "v",
                  "u*v",
                  {0, 0, 0, 0, 0, 3, 0},
                  {{95, 531, "X= u     Y= v"}, {95, 551, "Z= u*v"}, {555, 581, "e=   3.000"}}},
        LayoutRow{"NothingToWrite", '1', 776, 466, "", 526, "", "", "", "", {}, {{95, 536, "Z= "}}},
        LayoutRow{"TitleWiderThanTheSheet",
                  '1',
                  776,
                  466,
                  std::string(150, 'W'),
                  526,
                  "x",
                  "",
                  "",
                  "",
                  {},
                  {{95, 536, "Z= x"}}}),
    [](const ::testing::TestParamInfo<LayoutRow>& info) { return std::string(info.param.name); });

class Composition : public ::testing::Test {
protected:
    GraphState g = StateFor('1');
    QImage PicMap, LMap;
};

TEST_F(Composition, SizesAndImageCopyFollowTheGraphingImage) {
    for (const QSize size : {QSize(776, 466), QSize(466, 466), QSize(1, 1), QSize(300, 20)}) {
        const QImage img = Pattern(size.width(), size.height());
        SaveTheGraph(g, img, PicMap, LMap);
        ASSERT_EQ(LMap.size(), QSize(size.width() + 240, size.height() + 150));
        EXPECT_TRUE(SameImage(PicMap, img));
        EXPECT_TRUE(SameImage(LMap.copy(100, 35, size.width(), size.height()), img));
        EXPECT_EQ(LMap.pixel(99, 35) & 0xFFFFFF, 0xFFFFFFu);
        EXPECT_EQ(LMap.pixel(100 + size.width(), 35 + size.height()) & 0xFFFFFF, 0xFFFFFFu);
    }
}

TEST_F(Composition, SheetIsPColorInsideAWhiteOutline) {
    g.PColor = 0x00FFFF;  // yellow
    g.BColor = 0xC0C0C0;
    SaveTheGraph(g, Pattern(200, 100), PicMap, LMap);
    EXPECT_EQ(LMap.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(LMap.pixel(LMap.width() - 1, LMap.height() - 1), qRgb(255, 255, 255));
    EXPECT_EQ(LMap.pixel(5, 5), qRgb(255, 255, 0));
    EXPECT_EQ(LMap.pixel(LMap.width() - 5, LMap.height() - 5), qRgb(255, 255, 0));
}

TEST_F(Composition, ImageCoversTheFootOfATallTitle) {
    g.Title = "Tgjpqy";  // descenders reach below y = 35
    g.FontSize = 24;
    const QImage img = Pattern(776, 466);
    SaveTheGraph(g, img, PicMap, LMap);
    EXPECT_TRUE(SameImage(LMap.copy(100, 35, 776, 466), img));
    bool titleDrawn = false;
    for (int y = 24; y < 35; ++y)
        for (int x = 0; x < LMap.width(); ++x) titleDrawn |= LMap.pixel(x, y) == qRgb(0, 0, 255);
    EXPECT_TRUE(titleDrawn);
}

TEST_F(Composition, ComposingTwiceGivesTheSamePictures) {
    g.Title = "Twice";
    g.SFunc = "sin(x)*y";
    g.Par = {0, 2, 0, 0.0001, 0, 0, -7};
    const QImage img = Pattern(640, 400);
    SaveTheGraph(g, img, PicMap, LMap);
    const QImage first = LMap, firstPic = PicMap;
    SaveTheGraph(g, img, PicMap, LMap);
    EXPECT_TRUE(SameImage(LMap, first));
    EXPECT_TRUE(SameImage(PicMap, firstPic));
}

}  // namespace
}  // namespace vemlo
