// The samples window driven as a user drives it: the examples of the mode,
// a click that stores formulas, Draw that draws them, and the labels.
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "engine/Samples.h"
#include "ui/Kit.h"
#include "ui/SampleList.h"
#include "ui/TImage.h"
#include "ui_fixture.h"

namespace vemlo::testing {
namespace {

class SamplesWindowTest : public UiTest {
protected:
    void TearDown() override {
        SampleFm->hide();
        UiTest::TearDown();
    }
    static QString Label(QLabel* l) { return l->text(); }
};

TEST_F(SamplesWindowTest, OffersTheExamplesOfTheModeOnTopUnderTheCompass) {
    const struct {
        char mode;
        int shown;
    } rows[] = {{'1', 10}, {'2', 9}, {'3', 2}, {'4', 10}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.mode);
        Pick(r.mode);
        VemloScrn1->Samples1->trigger();
        ASSERT_TRUE(SampleFm->isVisible());
        EXPECT_EQ(SampleFm->windowTitle(), QStringLiteral("Surface Samples"));
        EXPECT_TRUE(SampleFm->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_FALSE(SampleFm->isModal());
        const TPanel* compass = VemloScrn1->Panel3;
        EXPECT_EQ(SampleFm->pos(), compass->mapToGlobal(QPoint(0, compass->height() + 35)));
        const std::vector<Sample>& samples = SamplesOf(r.mode);
        for (int i = 1; i <= 10; ++i) {
            QRadioButton* b = SampleFm->RadioButton[i];
            EXPECT_EQ(b->isVisible(), i <= r.shown) << i;
            if (i <= r.shown) {
                EXPECT_EQ(b->text(), QString::fromLatin1(samples[i - 1].caption));
            }
        }
        VemloScrn1->Exit1->trigger();
        EXPECT_FALSE(SampleFm->isVisible()) << "Exit closes the samples window";
    }
}

// The caption suggests a domain; the drawing keeps the user's.
TEST_F(SamplesWindowTest, AClickStoresTheFormulasAndDrawDrawsThemOverTheCurrentDomain) {
    Pick('4');
    GraphState& G = TheGraph();
    G.MinU = -1;
    G.MaxU = 1;
    VemloScrn1->Samples1->trigger();
    G.FunctionCalled = false;
    SampleFm->RadioButton[6]->click();
    EXPECT_TRUE(G.FunctionCalled);
    EXPECT_EQ(G.XFunc, "2*v*Cos(u)");
    EXPECT_EQ(G.YFunc, "3*v*Sin(u)");
    EXPECT_EQ(G.ZFunc, "v^2") << "the caption says u^2";
    const QImage before = VemloScrn1->Image1->picture();
    VemloScrn1->DrawButn2->click();
    EXPECT_FALSE(G.FuncError);
    EXPECT_EQ(G.MinU, -1);
    EXPECT_EQ(G.MaxU, 1);
    EXPECT_NE(VemloScrn1->Image1->picture(), before);
    EXPECT_EQ(Label(VemloScrn1->Label1), QStringLiteral("X= 2*v*Cos(u) ;    Y= 3*v*Sin(u)"));
    EXPECT_EQ(Label(VemloScrn1->Label2), QStringLiteral("Z= v^2"));
}

// Opening the window writes the labels of the current formulas; a click does
// not, Close does.
TEST_F(SamplesWindowTest, OpeningAndClosingWriteTheFormulaLabels) {
    const struct {
        char mode;
        int button;
        const char* opened1;
        const char* opened2;
        const char* closed1;
        const char* closed2;
    } rows[] = {
        {'1', 10, "Z= x*y", "", "Z= Cos(Sqrt(x^2+y^2))", ""},
        {'3', 1, "X= x*y ;    Y= x*y", "Z= x*y", "X= 3*Cos(t) ;    Y= 2*Sin(t)", "Z= t/10"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.mode);
        Pick(r.mode);
        GraphState& G = TheGraph();
        G.SFunc = G.XFunc = G.YFunc = G.ZFunc = "x*y";
        VemloScrn1->Samples1->trigger();
        EXPECT_EQ(Label(VemloScrn1->Label1), QString::fromLatin1(r.opened1));
        EXPECT_EQ(Label(VemloScrn1->Label2), QString::fromLatin1(r.opened2));
        SampleFm->RadioButton[r.button]->click();
        EXPECT_EQ(Label(VemloScrn1->Label1), QString::fromLatin1(r.opened1));
        G.FunctionCalled = false;
        SampleFm->Close1->click();
        EXPECT_FALSE(SampleFm->isVisible());
        EXPECT_TRUE(G.FunctionCalled);
        EXPECT_EQ(Label(VemloScrn1->Label1), QString::fromLatin1(r.closed1));
        EXPECT_EQ(Label(VemloScrn1->Label2), QString::fromLatin1(r.closed2));
        VemloScrn1->Exit1->trigger();
    }
}

}  // namespace
}  // namespace vemlo::testing
