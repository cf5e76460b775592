// The view controls of the main window: the arrow compass, the view dialog,
// and the domain and parameters dialogs behind the Edit menu.
#include <QLabel>
#include <QLineEdit>
#include <cmath>

#include "dialog_driver.h"
#include "ui_fixture.h"
#include "engine/Settings.h"
#include "ui/Domain1.h"
#include "ui/Eqn1Dlg.h"
#include "ui/Kit.h"
#include "ui/Param1.h"
#include "ui/TImage.h"
#include "ui/ViewDlg.h"

namespace vemlo::testing {
namespace {

class ViewTest : public UiTest {
protected:
    static QString Theta() { return VemloScrn1->Edit4->text(); }
    static QString Phi() { return VemloScrn1->Edit5->text(); }
    static double Degrees(double radians) { return radians * 180 / 3.14159265358979323846; }
    static void SetView(std::map<std::string, QString> typed, bool ok = true) {
        ModalAnswer a(ViewDlg, std::move(typed), ok);
        VemloScrn1->View1->trigger();
        EXPECT_TRUE(a.shown());
    }
    static void Press(int arrow) {
        QAbstractButton* const arrows[] = {nullptr, VemloScrn1->Arrow1, VemloScrn1->Arrow2,
                                           VemloScrn1->Arrow3, VemloScrn1->Arrow4};
        arrows[arrow]->click();
        QApplication::processEvents();
    }
    static QImage Picture() { return VemloScrn1->Image1->picture(); }
};

struct ArrowRow {
    const char* view;  // theta or phi typed in the view dialog first ("" for the defaults)
    bool isTheta;
    std::vector<int> presses;
    const char* box;  // the compass box afterwards
    double degrees;   // the angle afterwards
};

// The boxes show 5:1; the rules bring theta back by 2 pi and phi by pi.
TEST_F(ViewTest, ArrowsTurnBy10DegreesAndWrapByTheirRules) {
    const ArrowRow rows[] = {
        {"", true, {1}, " 20.0", 20},      {"", true, {4}, " 40.0", 40},
        {"", false, {2}, " 30.0", 30},     {"", false, {3}, " 50.0", 50},
        {"", true, {1, 1, 1}, "  0.0", 0}, {"", true, {1, 1, 1, 1}, "350.0", 350},
        {"345", true, {4}, " -5.0", -5},   {"355", true, {4}, "  5.0", 5},
        {"5", false, {2}, "175.0", 175},   {"175", false, {3}, "  5.0", 5},
    };
    for (const ArrowRow& r : rows) {
        SCOPED_TRACE(std::string(r.view) + (r.isTheta ? " theta" : " phi"));
        Pick('1');
        if (*r.view) SetView({{r.isTheta ? "Edit1" : "Edit2", r.view}});
        for (int a : r.presses) Press(a);
        EXPECT_EQ(r.isTheta ? Theta() : Phi(), QString::fromLatin1(r.box));
        EXPECT_NEAR(Degrees(r.isTheta ? TheGraph().Theta : TheGraph().Phi), r.degrees, 1e-9);
        VemloScrn1->Exit1->trigger();
    }
}

// The compass boxes only show the angles: what is typed into them is never
// read, and the next arrow rewrites them from the angles.
TEST_F(ViewTest, TypingIntoTheCompassBoxesChangesNothing) {
    Pick('1');
    const GraphState& G = TheGraph();
    const double theta = G.Theta, phi = G.Phi;
    for (QLineEdit* box : {VemloScrn1->Edit4, VemloScrn1->Edit5}) {
        box->setFocus();
        box->setText(QStringLiteral("90"));
        emit box->textEdited(box->text());
        emit box->returnPressed();
        emit box->editingFinished();
        QApplication::processEvents();
    }
    EXPECT_EQ(G.Theta, theta);
    EXPECT_EQ(G.Phi, phi);
    Press(4);
    Press(3);
    EXPECT_EQ(Theta(), QStringLiteral(" 40.0"));
    EXPECT_EQ(Phi(), QStringLiteral(" 50.0"));
}

// Each arrow draws the whole graph again from an empty image.
TEST_F(ViewTest, ArrowRedrawsTheWholeGraph) {
    Pick('1');
    {
        ModalAnswer a(EqnDlg, {{"Edit1", "x*y/3"}});
        VemloScrn1->Function1->trigger();
    }
    VemloScrn1->DrawButn2->click();
    const QImage drawn = Picture();
    QImageCanvas& c = VemloScrn1->Image1->canvas();
    c.setBrushColor(0x00FF00);
    c.fillRect(2, 2, 10, 10);
    Press(4);
    const QImage turned = Picture();
    EXPECT_NE(fromQColor(turned.pixelColor(6, 6)), 0x00FF00u) << "the image was cleared first";
    EXPECT_NE(turned, drawn);
    int surface = 0;
    for (int y = 0; y < turned.height(); ++y)
        for (int x = 0; x < turned.width(); ++x) {
            const Color p = fromQColor(turned.pixelColor(x, y));
            const GraphState& G = TheGraph();
            surface += p != G.BColor && p != G.ColorAxes && p != G.ColorTick && p != G.ColorFont;
        }
    EXPECT_GT(surface, turned.width() * turned.height() / 10);
    EXPECT_FALSE(VemloScrn1->DrawBtn->isVisible());
    EXPECT_EQ(VemloScrn1->PicMap.image().size(), turned.size());
    EXPECT_TRUE(VemloScrn1->Arrow4->isEnabled());
}

struct DialogRow {
    std::map<std::string, QString> typed;
    double theta, phi, rho;  // degrees, degrees, world units
};

TEST_F(ViewTest, ViewDialogWrapsClampsAndRepairsItsEntries) {
    const DialogRow rows[] = {
        {{{"Edit1", "370"}}, 10, 40, 200},
        {{{"Edit1", "-30"}}, 330, 40, 200},
        {{{"Edit2", "-20"}}, 30, 0, 200},
        {{{"Edit2", "200"}}, 30, 180, 200},
        {{{"Edit3", "0"}}, 30, 40, 200},
        {{{"Edit3", "-5"}}, 30, 40, 200},
        {{{"Edit3", "2*p"}}, 30, 40, 2 * 3.14159265358979323846},
        {{{"Edit1", "180/4"}, {"Edit2", "abc"}}, 45, 40, 200},
        {{{"Edit1", "x+"}, {"Edit2", ""}}, 30, 40, 200},
    };
    for (const DialogRow& r : rows) {
        SCOPED_TRACE(r.typed.begin()->second.toStdString());
        Pick('1');
        SetView(r.typed);
        const GraphState& G = TheGraph();
        EXPECT_NEAR(Degrees(G.Theta), r.theta, 1e-9);
        EXPECT_NEAR(Degrees(G.Phi), r.phi, 1e-9);
        EXPECT_NEAR(G.Rho, r.rho, 1e-12);
        EXPECT_EQ(Theta(), QString::fromStdString(DegreesText(G.Theta, 5, 1)));
        EXPECT_EQ(Phi(), QString::fromStdString(DegreesText(G.Phi, 5, 1)));
        VemloScrn1->Exit1->trigger();
    }
}

TEST_F(ViewTest, CancelStillRewritesTheCompassAndRepairsRho) {
    Pick('1');
    GraphState& G = TheGraph();
    G.Rho = 0;
    VemloScrn1->Edit4->setText("x");
    VemloScrn1->Edit5->setText("y");
    SetView({{"Edit1", "90"}}, false);
    EXPECT_EQ(G.Rho, 200);
    EXPECT_EQ(Theta(), QStringLiteral(" 30.0"));
    EXPECT_EQ(Phi(), QStringLiteral(" 40.0"));
}

// A changed view clears the image to frame and axes and switches the plane
// and the line off; confirming an unchanged view leaves the image alone.
TEST_F(ViewTest, ChangedViewClearsTheImageAndSwitchesPlaneAndLineOff) {
    Pick('1');
    GraphState& G = TheGraph();
    QImageCanvas& c = VemloScrn1->Image1->canvas();
    c.setBrushColor(0x00FF00);
    c.fillRect(2, 2, 10, 10);
    G.PlaneDraw = G.LineDraw = true;
    SetView({});
    EXPECT_FALSE(G.ViewChanged);
    EXPECT_EQ(fromQColor(Picture().pixelColor(6, 6)), 0x00FF00u);
    EXPECT_TRUE(G.PlaneDraw);
    SetView({{"Edit1", "50"}});
    EXPECT_TRUE(G.ViewChanged);
    EXPECT_EQ(fromQColor(Picture().pixelColor(6, 6)), G.BColor);
    EXPECT_FALSE(G.PlaneDraw);
    EXPECT_FALSE(G.LineDraw);
}

TEST_F(ViewTest, DomainIsRepairedAndTakesFormulas) {
    Pick('1');
    {
        ModalAnswer a(DomainDlg, {{"Edit1", "5"}, {"Edit2", "2"}, {"Edit3", "-p"}, {"Edit4", "abc"}});
        VemloScrn1->Domain1->trigger();
        ASSERT_TRUE(a.shown());
    }
    const GraphState& G = TheGraph();
    EXPECT_EQ(G.MinX, 5);
    EXPECT_EQ(G.MaxX, 6);
    EXPECT_DOUBLE_EQ(G.MinY, -3.14159265358979323846);
    EXPECT_EQ(G.MaxY, 3);
}

// Changed parameters show in the window's labels, with "f =" for the sixth;
// A to F follow Par after OK and after Cancel.
TEST_F(ViewTest, ParametersShowInTheLabelsAndReachTheFormulas) {
    Pick('1');
    VemloScrn1->Label5->setText("untouched");
    {
        ModalAnswer a(ParamDlg,
                      {{"Edit1", "2"}, {"Edit2", "0.0001"}, {"Edit4", "123456789"}, {"Edit6", "3"}});
        VemloScrn1->Parameters1->trigger();
        ASSERT_TRUE(a.shown());
    }
    GraphState& G = TheGraph();
    EXPECT_EQ(VemloScrn1->Label3->text(), QStringLiteral("a=   2.000"));
    EXPECT_EQ(VemloScrn1->Label4->text(), QStringLiteral("b=1.000E-04"));
    EXPECT_EQ(VemloScrn1->Label5->text(), QStringLiteral("untouched"));
    EXPECT_EQ(VemloScrn1->Label6->text(), QStringLiteral("d=1.235E+08"));
    EXPECT_EQ(VemloScrn1->Label8->text(), QStringLiteral("f =   3.000"));
    EXPECT_EQ(G.A, 2);
    EXPECT_EQ(G.B, 0.0001);
    EXPECT_EQ(G.F, 3);

    G.Par[3] = 7;
    {
        ModalAnswer a(ParamDlg, {{"Edit1", "9"}}, false);
        VemloScrn1->Parameters1->trigger();
        ASSERT_TRUE(a.shown());
    }
    EXPECT_EQ(G.A, 2);
    EXPECT_EQ(G.C, 7);
    EXPECT_EQ(VemloScrn1->Label3->text(), QStringLiteral("a=   2.000"));
    EXPECT_EQ(VemloScrn1->Label5->text(), QStringLiteral("untouched"));
}

}  // namespace
}  // namespace vemlo::testing
