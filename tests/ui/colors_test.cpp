// The two colour forms driven as a user drives them: the surface colours
// take effect at the next drawing, the graph colours redraw what they change.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <set>

#include "color_picker.h"
#include "engine/DrawGraph.h"
#include "ui/ColorFm.h"
#include "ui/ColorFm2.h"
#include "ui/Kit.h"
#include "ui/TImage.h"
#include "ui_fixture.h"

namespace vemlo::testing {
namespace {

constexpr Color kRed = 0x0000FF, kBlue = 0xFF0000, kTeal = 0x808000, kWhite = 0xFFFFFF;

class ColorsTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        Pick('1');
    }
    void TearDown() override {
        ColorForm->hide();
        ColorForm2->hide();
        ColorForm->CheckShading->setChecked(true);
        UiTest::TearDown();
    }
    static QImage Picture() { return VemloScrn1->Image1->picture(); }
    /// Paints a patch of the image, as some earlier command could have.
    static void Scribble() {
        QImageCanvas& c = VemloScrn1->Image1->canvas();
        c.setBrushColor(0x3366AA);
        c.fillRect(10, 10, 60, 60);
    }
    /// Empties the image and draws the surface alone on it (no axes).
    static void DrawSurface(const char* formula) {
        GraphState& G = TheGraph();
        G.SFunc = formula;
        G.FunctionCalled = true;
        QImageCanvas& c = VemloScrn1->Image1->canvas();
        c.setBrushColor(kWhite);
        c.fillRect(0, 0, c.width(), c.height());
        DrawGraph(G, c, VemloScrn1->Host1, VemloScrn1->GraphRequest());
    }
    static std::map<Color, int> Histogram(const QImage& img) {
        std::map<Color, int> h;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) ++h[fromQColor(img.pixelColor(x, y))];
        return h;
    }
    static int Count(const QImage& img, Color c) {
        const auto h = Histogram(img);
        const auto it = h.find(c);
        return it == h.end() ? 0 : it->second;
    }
};

TEST_F(ColorsTest, MenuShowsBothFormsBesideTheGraphAfterSavingThePicture) {
    const struct {
        QAction* item;
        QDialog* form;
        const char* name;
        const char* caption;
        QSize size;
    } rows[] = {
        {VemloScrn1->Colors1, ColorForm, "ColorForm", "Drawing Colors", {409, 269}},
        {VemloScrn1->Colors2, ColorForm2, "ColorForm2", "Deawing Colors", {335, 396}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        Scribble();
        r.item->trigger();
        EXPECT_TRUE(r.form->isVisible());
        EXPECT_FALSE(r.form->isModal());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_EQ(r.form->objectName(), QString::fromLatin1(r.name));
        EXPECT_EQ(r.form->windowTitle(), QString::fromLatin1(r.caption));
        EXPECT_EQ(r.form->size(), r.size);
        EXPECT_EQ(VemloScrn1->PicMap.image(), Picture()) << "the picture holds what the user saw";
        auto* picker = r.form->findChild<QColorDialog*>("ColorDialog1");
        ASSERT_NE(picker, nullptr);
        EXPECT_FALSE(picker->isVisible());
    }
}

TEST_F(ColorsTest, EverySurfaceChoiceWritesItsColourAtOnceAndDrawsNothing) {
    GraphState& G = TheGraph();
    const QImage before = Picture();
    const struct {
        int button;
        Color GraphState::*field;
        Color expected;
    } rows[] = {
        {1, &GraphState::AColor, 0xFF0000},     {3, &GraphState::AColor, 0x008000},
        {4, &GraphState::AColor, 0x800080},     {5, &GraphState::AColor, 0x0000FF},
        {6, &GraphState::AColor, 0x00FFFF},     {2, &GraphState::UColor, 0xFF0000},
        {8, &GraphState::UColor, 0x00FFFF},     {9, &GraphState::UColor, 0xFFFF00},
        {10, &GraphState::UColor, 0xFF00FF},    {11, &GraphState::UColor, 0x00FF00},
        {13, &GraphState::GridColor, 0x000000}, {14, &GraphState::GridColor, 0x00FFFF},
        {15, &GraphState::GridColor, 0xC0C0C0}, {16, &GraphState::GridColor, 0xFF00FF},
        {17, &GraphState::GridColor, 0x808000}, {18, &GraphState::GridColor, 0xFFFFFF},
    };
    VemloScrn1->Colors1->trigger();
    for (const auto& r : rows) {
        SCOPED_TRACE(r.button);
        G.*r.field = 0x123456;
        ColorForm->RadioButton[r.button]->click();
        EXPECT_EQ(G.*r.field, r.expected);
        EXPECT_TRUE(ColorForm->RadioButton[r.button]->isChecked());
    }
    // The erasers copy the background colour, "No grids" the above colour.
    G.BColor = 0x0A0B0C;
    ColorForm->RadioButton[7]->click();
    EXPECT_EQ(G.AColor, 0x0A0B0Cu);
    ColorForm->RadioButton[12]->click();
    EXPECT_EQ(G.UColor, 0x0A0B0Cu);
    G.AColor = 0x445566;
    ColorForm->RadioButton[19]->click();
    EXPECT_EQ(G.GridColor, 0x445566u);
    EXPECT_EQ(Picture(), before);
}

// "No grids" copies the above colour; a new above colour afterwards shows
// the outlines again, in the old above colour.
TEST_F(ColorsTest, NoGridsThenBlueGivesBlueFacetsOutlinedInRed) {
    VemloScrn1->Colors1->trigger();
    ColorForm->RadioButton[19]->click();
    ColorForm->RadioButton[1]->click();
    DrawSurface("0");
    const QImage img = Picture();
    int blue = 0;
    for (const auto& [c, n] : Histogram(img))
        if ((c & 0xFF) == 0 && (c >> 16) == 0xFF) blue += n;
    EXPECT_GT(blue, img.width() * img.height() / 10) << "blue facets";
    EXPECT_GT(Count(img, kRed), 500) << "red outlines";
    EXPECT_EQ(Count(img, kTeal), 0) << "no teal grid";

    // "No grids" with blue above: no outline at all.
    ColorForm->RadioButton[19]->click();
    DrawSurface("0");
    EXPECT_EQ(Count(Picture(), kRed), 0);
}

TEST_F(ColorsTest, OthersTakesThePickedColourAndCancelKeepsIt) {
    GraphState& G = TheGraph();
    VemloScrn1->Colors1->trigger();
    const struct {
        QPushButton* button;
        Color GraphState::*field;
    } rows[] = {{ColorForm->Button2, &GraphState::AColor}, {ColorForm->Button3, &GraphState::UColor}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.button->objectName().toStdString());
        const Color start = G.*r.field;
        {
            PickerAnswer cancel(ColorForm->ColorDialog1, std::nullopt);
            r.button->click();
            ASSERT_TRUE(cancel.shown());
            EXPECT_EQ(cancel.preset(), start);
        }
        EXPECT_EQ(G.*r.field, start);
        {
            PickerAnswer pick(ColorForm->ColorDialog1, Color{0x336699});
            r.button->click();
            ASSERT_TRUE(pick.shown());
        }
        EXPECT_EQ(G.*r.field, 0x336699u);
    }
}

TEST_F(ColorsTest, UncheckedShadingFillsFlatSideColours) {
    GraphState& G = TheGraph();
    VemloScrn1->Colors1->trigger();
    ColorForm->RadioButton[19]->click();  // no outlines to count
    auto surfaceColours = [&] {
        DrawSurface("x*y");
        std::set<Color> seen;
        for (const auto& [c, n] : Histogram(Picture()))
            if (c != kWhite && c != 0) seen.insert(c);
        return seen;
    };
    EXPECT_GT(surfaceColours().size(), 8u) << "shaded";
    ColorForm->CheckShading->click();
    EXPECT_FALSE(G.Shading);
    const std::set<Color> flat = surfaceColours();
    EXPECT_TRUE(flat.count(G.AColor));
    EXPECT_TRUE(flat.count(G.UColor)) << "the saddle shows both sides";
    EXPECT_EQ(flat.size(), 2u);
    ColorForm->CheckShading->click();
    EXPECT_TRUE(G.Shading);
}

TEST_F(ColorsTest, ANewGraphSelectsTheStartChoicesAgain) {
    VemloScrn1->Colors1->trigger();
    for (int n : {1, 2, 13}) ColorForm->RadioButton[n]->click();
    VemloScrn1->Exit1->trigger();
    Pick('2');
    for (int n : {5, 8, 17}) EXPECT_TRUE(ColorForm->RadioButton[n]->isChecked()) << n;
    for (int n : {1, 2, 13}) EXPECT_FALSE(ColorForm->RadioButton[n]->isChecked()) << n;
}

TEST_F(ColorsTest, LineColourRestoresTheStartColoursAndSavesThePicture) {
    GraphState& G = TheGraph();
    VemloScrn1->Colors2->trigger();
    const Color expected[] = {0, 0xFF0000, 0x008000, 0x800080, 0x0000FF, 0x00FF00, 0xFFFFFF};
    for (int i = 1; i <= 6; ++i) {
        SCOPED_TRACE(i);
        G.BColor = 0x123456;
        G.DrawColor[5] = 0;
        Scribble();
        const QImage before = Picture();
        ColorForm2->RadioButton[i]->click();
        EXPECT_EQ(G.DColor, expected[i]);
        EXPECT_EQ(G.BColor, kWhite);
        EXPECT_EQ(G.DrawColor[5], kRed);
        EXPECT_EQ(Picture(), before) << "nothing redrawn";
        EXPECT_EQ(VemloScrn1->PicMap.image(), before);
    }
}

TEST_F(ColorsTest, OthersPicksTheLineColourAndSavesThePicture) {
    GraphState& G = TheGraph();
    VemloScrn1->Colors2->trigger();
    {
        PickerAnswer cancel(ColorForm2->ColorDialog1, std::nullopt);
        ColorForm2->Others->click();
        ASSERT_TRUE(cancel.shown());
        EXPECT_EQ(cancel.preset(), kBlue);
    }
    EXPECT_EQ(G.DColor, kBlue);
    Scribble();
    {
        PickerAnswer pick(ColorForm2->ColorDialog1, Color{0x2080C0});
        ColorForm2->Others->click();
        ASSERT_TRUE(pick.shown());
    }
    EXPECT_EQ(G.DColor, 0x2080C0u);
    EXPECT_EQ(VemloScrn1->PicMap.image(), Picture());
}

// The axes and the ticks are drawn again whether or not the user changed
// their colour.
TEST_F(ColorsTest, AxesAndTicksAreDrawnAgainWhateverThePickerSays) {
    GraphState& G = TheGraph();
    VemloScrn1->Colors2->trigger();
    const struct {
        QPushButton* button;
        Color GraphState::*field;
        std::optional<Color> pick;
    } rows[] = {
        {ColorForm2->AxesBtn, &GraphState::ColorAxes, std::nullopt},
        {ColorForm2->AxesBtn, &GraphState::ColorAxes, Color{0x00A0F0}},
        {ColorForm2->TickBtn, &GraphState::ColorTick, std::nullopt},
        {ColorForm2->TickBtn, &GraphState::ColorTick, Color{0x3070F0}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.button->objectName().toStdString() + (r.pick ? " picked" : " cancelled"));
        const Color start = G.*r.field;
        QImageCanvas& c = VemloScrn1->Image1->canvas();
        c.setBrushColor(kWhite);
        c.fillRect(0, 0, c.width(), c.height());
        {
            PickerAnswer a(ColorForm2->ColorDialog1, r.pick);
            r.button->click();
            ASSERT_TRUE(a.shown());
            EXPECT_EQ(a.preset(), start);
        }
        EXPECT_EQ(G.*r.field, r.pick.value_or(start));
        EXPECT_GT(Count(Picture(), G.*r.field), 20);
    }
}

TEST_F(ColorsTest, FontColourColoursTheTitleBar) {
    GraphState& G = TheGraph();
    G.Title = "Saddle";
    VemloScrn1->Panel2->clear();
    VemloScrn1->Colors2->trigger();
    {
        PickerAnswer a(ColorForm2->ColorDialog1, Color{0x008040});
        ColorForm2->FontBtn->click();
        ASSERT_TRUE(a.shown());
    }
    EXPECT_EQ(G.ColorFont, 0x008040u);
    EXPECT_EQ(VemloScrn1->Panel2->text(), QStringLiteral("Saddle"));
    EXPECT_EQ(fromQColor(VemloScrn1->Panel2->palette().color(QPalette::WindowText)), 0x008040u);
}

TEST_F(ColorsTest, BackgroundRedrawsTheGraphOnThePickedColour) {
    GraphState& G = TheGraph();
    G.SFunc = "x*y";
    VemloScrn1->Colors2->trigger();
    const Color green = 0xC0F0C0;
    {
        PickerAnswer a(ColorForm2->ColorDialog1, green);
        ColorForm2->BackBtn->click();
        ASSERT_TRUE(a.shown());
        EXPECT_EQ(a.preset(), kWhite);
    }
    EXPECT_EQ(G.ColorBack, green);
    EXPECT_EQ(G.BColor, green);
    const QImage img = Picture();
    EXPECT_EQ(fromQColor(img.pixelColor(3, 3)), green) << "the image starts in the picked colour";
    EXPECT_GT(Count(img, green), img.width() * img.height() / 4);
    int surface = 0;
    for (const auto& [c, n] : Histogram(img))
        if ((c & 0xFF) > 0x80 && ((c >> 16) & 0xFF) < 0x40) surface += n;  // red to yellow facets
    EXPECT_GT(surface, 2000) << "the graph is drawn again";
    EXPECT_EQ(VemloScrn1->Label1->text(), QStringLiteral("Z= x*y"));
    EXPECT_GT(Count(img, G.ColorAxes), 20) << "with its axes";

    // A line colour restores the start-up colours: the eraser is white again,
    // while the colour of cut-away facets keeps the pick.
    ColorForm2->RadioButton[1]->click();
    EXPECT_EQ(G.BColor, kWhite);
    EXPECT_EQ(G.ColorBack, green);
    ColorForm->RadioButton[7]->click();
    EXPECT_EQ(G.AColor, kWhite);
}

TEST_F(ColorsTest, BackgroundUnchangedDoesNothing) {
    GraphState& G = TheGraph();
    VemloScrn1->Colors2->trigger();
    for (std::optional<Color> answer : {std::optional<Color>(), std::optional<Color>(kWhite)}) {
        SCOPED_TRACE(answer ? "same colour" : "cancelled");
        G.FunctionCalled = false;
        Scribble();
        const QImage before = Picture();
        {
            PickerAnswer a(ColorForm2->ColorDialog1, answer);
            ColorForm2->BackBtn->click();
            ASSERT_TRUE(a.shown());
        }
        EXPECT_EQ(G.ColorBack, kWhite);
        EXPECT_EQ(G.BColor, kWhite);
        EXPECT_EQ(Picture(), before);
        EXPECT_FALSE(G.FunctionCalled) << "not drawn";
    }
}

}  // namespace
}  // namespace vemlo::testing
