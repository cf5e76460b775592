// The main window's commands driven as a user drives them: the function
// dialog, Draw and Cancel Draw, Clear Screen, the curves, axes and title
// dialogs, and the value listing.
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <set>

#include "dialog_driver.h"
#include "engine/View.h"
#include "ui/Axes1.h"
#include "ui/Changer1.h"
#include "ui/Eqn1Dlg.h"
#include "ui/FuncVals.h"
#include "ui/Kit.h"
#include "ui/TImage.h"
#include "ui_fixture.h"

namespace vemlo::testing {
namespace {

const char* const kHump = "(2*x^2+3*y^2)*Exp(1-x^2-y^2)";

class CommandsTest : public UiTest {
protected:
    static void EnterFunction(const QString& text) {
        ModalAnswer a(EqnDlg, {{"Edit1", text}});
        VemloScrn1->Function1->trigger();
        EXPECT_TRUE(a.shown());
    }
    static void SetCurves(const QString& x, const QString& y) {
        ModalAnswer a(ChangeDlg, {{"Edit1", x}, {"Edit2", y}});
        VemloScrn1->Curves1->trigger();
        EXPECT_TRUE(a.shown());
    }
    static void Draw() {
        VemloScrn1->DrawButn2->click();
        QApplication::processEvents();
    }
    static QImage Picture() { return VemloScrn1->Image1->picture(); }
    static QString Text(QLabel* l) { return l->text(); }
};

Color PixelAt(const QImage& img, PointType p) {
    if (p.x < 0 || p.y < 0 || p.x >= img.width() || p.y >= img.height()) return 0xFFFFFFFFu;
    return fromQColor(img.pixelColor(p.x, p.y));
}

// Pixels that are neither background nor axes, and how many colours they have.
struct SurfacePixels {
    int count = 0;
    std::size_t colours = 0;
};
SurfacePixels CountSurface(const QImage& img, const GraphState& G) {
    SurfacePixels s;
    std::set<Color> seen;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const Color c = fromQColor(img.pixelColor(x, y));
            if (c == G.BColor || c == G.ColorAxes || c == G.ColorTick || c == G.ColorFont) continue;
            ++s.count;
            seen.insert(c);
        }
    s.colours = seen.size();
    return s;
}

bool IsAxesColour(Color c, const GraphState& G) {
    return c == G.ColorAxes || c == G.ColorTick || c == G.ColorFont;
}

// The dash-dot pattern goes on from where the last line left it, so axes
// drawn again over themselves need not hit the same pixels: two pictures are
// the same graph when every pixel that differs is an axes pixel in one of them.
::testing::AssertionResult SameButAxes(const QImage& a, const QImage& b, const GraphState& G) {
    if (a.size() != b.size()) return ::testing::AssertionFailure() << "sizes differ";
    int axesOnly = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const Color ca = fromQColor(a.pixelColor(x, y)), cb = fromQColor(b.pixelColor(x, y));
            if (ca == cb) continue;
            if (!IsAxesColour(ca, G) && !IsAxesColour(cb, G))
                return ::testing::AssertionFailure() << "pixel " << x << "," << y << " differs";
            ++axesOnly;
        }
    return ::testing::AssertionSuccess() << axesOnly << " axes pixels differ";
}

double AxisShare(const QImage& img, const GraphState& G, PointType a, PointType b) {
    const int n = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
    int hits = 0, total = 0;
    for (int k = 2; k < n - 2; ++k, ++total) {
        const PointType p{static_cast<int>(std::lround(a.x + (b.x - a.x) * double(k) / n)),
                          static_cast<int>(std::lround(a.y + (b.y - a.y) * double(k) / n))};
        hits += PixelAt(img, p) == G.ColorAxes;
    }
    return total ? double(hits) / total : 0.0;
}

TEST_F(CommandsTest, DrawPaintsTheShadedSurfaceWithTheAxesOnTopAndWritesTheLabel) {
    Pick('1');
    const QImage empty = Picture();
    EnterFunction(QString::fromLatin1(kHump));
    EXPECT_EQ(Text(VemloScrn1->Label1), QString("Z= ") + kHump);
    EXPECT_TRUE(TheGraph().FunctionCalled);
    EXPECT_EQ(Picture(), empty) << "entering a function draws nothing";

    Draw();
    const GraphState& G = TheGraph();
    const QImage img = Picture();
    const SurfacePixels s = CountSurface(img, G);
    EXPECT_GT(s.count, img.width() * img.height() / 10);
    EXPECT_GE(s.colours, 8u) << "facets are shaded, not flat";
    const PointType o = Shape(G, 0, 0, 0);
    EXPECT_GT(AxisShare(img, G, o, Shape(G, 1.1 * G.WMaxX, 0, 0)), 0.35);
    EXPECT_GT(AxisShare(img, G, o, Shape(G, 0, 1.1 * G.WMaxY, 0)), 0.35);
    EXPECT_EQ(Text(VemloScrn1->Label1), QString("Z= ") + kHump);
    EXPECT_FALSE(G.FuncError);
    EXPECT_FALSE(VemloScrn1->DrawBtn->isVisible());
    EXPECT_EQ(VemloScrn1->PicMap.image().size(), img.size());
    EXPECT_GT(VemloScrn1->LMap.width(), img.width());

    // A second Draw paints over the first; Clear Screen empties the image.
    Draw();
    EXPECT_TRUE(SameButAxes(img, Picture(), G));
    VemloScrn1->ClearScreen1->trigger();
    EXPECT_EQ(Picture(), empty);
}

TEST_F(CommandsTest, FormulaLabelsFollowTheModeOnDraw) {
    Pick('3');
    Draw();
    EXPECT_EQ(Text(VemloScrn1->Label1), QStringLiteral("X= 0 ;    Y= 0"));
    EXPECT_EQ(Text(VemloScrn1->Label2), QStringLiteral("Z= 0"));
    VemloScrn1->Exit1->trigger();
    Pick('1');
    Draw();
    EXPECT_EQ(Text(VemloScrn1->Label1), QStringLiteral("Z= 0"));
}

// A formula that does not parse: Draw opens the function dialog with the
// error prompt; after OK the label has the blank before "=", and the next
// Draw draws the mended formula without asking.
TEST_F(CommandsTest, SyntaxErrorMakesDrawAskForTheFunctionAgain) {
    Pick('1');
    EnterFunction("x+*y");
    QString prompt, shownFormula;
    {
        ModalAnswer a(EqnDlg, {{"Edit1", "x*y"}}, true, [&](QDialog& d) {
            prompt = d.findChild<QLabel*>("Label1")->text();
            shownFormula = d.findChild<QLineEdit*>("Edit1")->text();
        });
        Draw();
        ASSERT_TRUE(a.shown());
    }
    EXPECT_EQ(prompt, QStringLiteral("ERROR...Check your Functions"));
    EXPECT_EQ(shownFormula, QStringLiteral("x+*y"));
    EXPECT_EQ(TheGraph().SFunc, "x*y");
    EXPECT_EQ(Text(VemloScrn1->Label1), QStringLiteral("Z = x*y"));
    EXPECT_TRUE(VemloScrn1->Function1->isEnabled());

    ModalAnswer none(EqnDlg, {}, false);
    Draw();
    EXPECT_FALSE(none.shown());
    EXPECT_FALSE(TheGraph().FuncError);
    EXPECT_EQ(Text(VemloScrn1->Label1), QStringLiteral("Z= x*y"));
    EXPECT_GT(CountSurface(Picture(), TheGraph()).count, 1000);
}

// Cancel Draw pressed while the surface is built: nothing of the surface is
// painted, yet labels, pictures and axes follow. While the drawing runs,
// every other command is off, and it is back afterwards.
TEST_F(CommandsTest, CancelDrawStopsTheSurfaceAndOtherCommandsWaitForTheEnd) {
    Pick('1');
    const QImage empty = Picture();
    EnterFunction(QString::fromLatin1(kHump));
    SetCurves("80", "80");
    VemloScrn1->Label1->clear();

    struct Seen {
        bool ran = false, cancelShown = false, cancelEnabled = false;
        bool drawOn = true, arrowOn = true, clearOn = true, startMenuOn = true, viewMenuOn = true,
             stepOn = true;
    } seen;
    QMetaObject::invokeMethod(
        qApp,
        [&seen] {
            seen.ran = true;
            seen.cancelShown = VemloScrn1->DrawBtn->isVisible();
            seen.cancelEnabled = VemloScrn1->DrawBtn->isEnabled();
            seen.drawOn = VemloScrn1->DrawButn2->isEnabled();
            seen.arrowOn = VemloScrn1->Arrow4->isEnabled();
            seen.clearOn = VemloScrn1->ClearScreen1->isEnabled();
            seen.viewMenuOn = VemloScrn1->View2->menuAction()->isEnabled();
            seen.startMenuOn = MainMenu1->isEnabled();
            // A hidden item is off too (were it on, triggering it would open its dialog).
            VemloScrn1->Step1->setVisible(true);
            seen.stepOn = VemloScrn1->Step1->isEnabled();
            VemloScrn1->Step1->setVisible(false);
            // Neither of these may run inside the drawing.
            VemloScrn1->ClearScreen1->trigger();
            VemloScrn1->Arrow4->click();
            VemloScrn1->DrawBtn->click();
        },
        Qt::QueuedConnection);
    Draw();

    ASSERT_TRUE(seen.ran);
    EXPECT_TRUE(seen.cancelShown);
    EXPECT_TRUE(seen.cancelEnabled);
    EXPECT_FALSE(seen.drawOn);
    EXPECT_FALSE(seen.arrowOn);
    EXPECT_FALSE(seen.clearOn);
    EXPECT_FALSE(seen.viewMenuOn);
    EXPECT_FALSE(seen.startMenuOn);
    EXPECT_FALSE(seen.stepOn);

    const GraphState& G = TheGraph();
    EXPECT_TRUE(G.Drawing) << "the builder sets the flag back when it stops";
    EXPECT_NEAR(G.Theta, 30 * 3.14159265358979 / 180, 1e-9) << "the arrow did not run";
    EXPECT_TRUE(SameButAxes(empty, Picture(), G)) << "no facet painted, axes drawn again";
    EXPECT_EQ(Text(VemloScrn1->Label1), QString("Z= ") + kHump);
    EXPECT_EQ(VemloScrn1->PicMap.image(), empty);
    EXPECT_FALSE(VemloScrn1->DrawBtn->isVisible());
    for (QObject* o : std::initializer_list<QObject*>{VemloScrn1->DrawButn2, VemloScrn1->Arrow4, MainMenu1})
        EXPECT_TRUE(static_cast<QWidget*>(o)->isEnabled()) << o->objectName().toStdString();
    EXPECT_TRUE(VemloScrn1->ClearScreen1->isEnabled());
    EXPECT_TRUE(VemloScrn1->View2->menuAction()->isEnabled());
    VemloScrn1->PreviousFunctions1->setVisible(true);
    EXPECT_FALSE(VemloScrn1->PreviousFunctions1->isEnabled()) << "an item without a command stays off";
    VemloScrn1->PreviousFunctions1->setVisible(false);
    EXPECT_FALSE(VemloScrn1->Step1->isVisible());
    VemloScrn1->Step1->setVisible(true);
    EXPECT_TRUE(VemloScrn1->Step1->isEnabled());
    VemloScrn1->Step1->setVisible(false);
}

TEST_F(CommandsTest, CurvesAreRoundedAndKeptWithin1To80) {
    Pick('1');
    const struct {
        const char* x;
        const char* y;
        double dx, dy;
    } rows[] = {{"0", "20.5", 80, 20}, {"21.5", "81", 22, 80}, {"0.6", "-5", 1, 80}, {"", "abc", 1, 80}};
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.x) + " / " + r.y);
        SetCurves(r.x, r.y);
        EXPECT_EQ(TheGraph().DeltaX, r.dx);
        EXPECT_EQ(TheGraph().DeltaY, r.dy);
    }
}

// A changed window box clears the image to frame and axes; an empty range is
// repaired to a width of 1. Closing the dialog without a change only draws
// the axes over the image.
TEST_F(CommandsTest, ChangeAxesRepairsAnEmptyRangeAndClearsTheImage) {
    Pick('1');
    QImageCanvas& c = VemloScrn1->Image1->canvas();
    c.setBrushColor(0x00FF00);
    c.fillRect(5, 5, 40, 40);
    {
        ModalAnswer a(AxesDlg, {}, false);
        VemloScrn1->ChangeAxes1->trigger();
        ASSERT_TRUE(a.shown());
    }
    EXPECT_EQ(PixelAt(Picture(), {20, 20}), 0x00FF00u);
    {
        ModalAnswer a(AxesDlg, {{"Edit1", "2"}, {"Edit2", "2"}});
        VemloScrn1->ChangeAxes1->trigger();
        ASSERT_TRUE(a.shown());
    }
    const GraphState& G = TheGraph();
    EXPECT_EQ(G.WMinX, 2);
    EXPECT_EQ(G.WMaxX, 3);
    EXPECT_TRUE(G.AxesChanged);
    EXPECT_EQ(PixelAt(Picture(), {20, 20}), G.BColor);
    // The axes follow the new box: the x axis now starts at x = 2's projection.
    const PointType o = Shape(G, 0, 0, 0);
    EXPECT_GT(AxisShare(Picture(), G, o, Shape(G, 1.1 * G.WMaxX, 0, 0)), 0.35);
}

TEST_F(CommandsTest, GraphTitleIsCutTo50AndShownEvenAfterCancel) {
    Pick('1');
    const QString sixty = QString("0123456789").repeated(6);
    {
        ModalAnswer a(ChangeDlg, {{"Edit1", sixty}});
        VemloScrn1->GraphTitle1->trigger();
        ASSERT_TRUE(a.shown());
    }
    EXPECT_EQ(TheGraph().Title, sixty.left(50).toStdString());
    EXPECT_EQ(VemloScrn1->Panel2->text(), sixty.left(50));
    VemloScrn1->Panel2->setText("stale");
    {
        ModalAnswer a(ChangeDlg, {{"Edit1", "not taken"}}, false);
        VemloScrn1->GraphTitle1->trigger();
        ASSERT_TRUE(a.shown());
    }
    EXPECT_EQ(VemloScrn1->Panel2->text(), sixty.left(50));
}

// The drawing's values reach the listing window; the menu command shows it
// with the heading of the mode.
TEST_F(CommandsTest, ListFunctionValuesShowsTheLastDrawing) {
    Pick('1');
    EnterFunction("x*y");
    SetCurves("2", "2");
    Draw();
    ASSERT_EQ(VemloScrn1->Listing->size(), 9u);
    EXPECT_EQ(FuncList->Lines(), VemloScrn1->Listing->lines());
    VemloScrn1->ListFunctionValues1->trigger();
    EXPECT_TRUE(FuncList->isVisible());
    EXPECT_EQ(FuncList->Lines(), VemloScrn1->Listing->lines());
    EXPECT_EQ(FuncList->Values->toPlainText().split('\n').size(), 9);
    EXPECT_EQ(FuncList->Label1->text(), TFuncList::Heading('1'));
    EXPECT_EQ(VemloScrn1->PicMap.image(), Picture());
    FuncList->hide();
}

// Closing the window while it draws would leave the drawing running on a
// hidden window: the close is refused until the drawing ends.
TEST_F(CommandsTest, WindowStaysOpenWhileItDraws) {
    Pick('1');
    EnterFunction("x*y");
    bool stillOpen = false;
    QMetaObject::invokeMethod(
        qApp,
        [&stillOpen] {
            VemloScrn1->close();
            stillOpen = VemloScrn1->isVisible();
            VemloScrn1->DrawBtn->click();
        },
        Qt::QueuedConnection);
    Draw();
    EXPECT_TRUE(stillOpen);
    VemloScrn1->Exit1->trigger();
    EXPECT_FALSE(VemloScrn1->isVisible());
}

}  // namespace
}  // namespace vemlo::testing
