// The Contours menu driven as a user drives it: Draw paints the level curves
// over the graph and lists the levels beside it; Edit sets the grid and the
// level count; Exit and Close put the levels window away, emptied.
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "dialog_driver.h"
#include "ui_fixture.h"
#include "engine/Contours.h"
#include "output/QImageCanvas.h"
#include "ui/Contour1.h"
#include "ui/TImage.h"
#include "ui/Zlevels.h"

namespace vemlo::testing {
namespace {

class ContoursTest : public UiTest {
protected:
    void TearDown() override {
        ContourDlg->CheckBox1->setChecked(false);
        ZlevelsFm->close();
        UiTest::TearDown();
    }
    /// Mode 1 with z = x drawn.
    static void DrawPlane() {
        Pick('1');
        TheGraph().SFunc = "x";
        VemloScrn1->DrawButn2->click();
        QApplication::processEvents();
    }
    static QImage Picture() { return VemloScrn1->Image1->picture(); }
    static int Count(const QImage& img, Color c) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) n += fromQColor(img.pixelColor(x, y)) == c;
        return n;
    }
    static QStringList Expected() {
        QStringList l;
        const GraphState& G = TheGraph();
        for (const std::string& s : LevelLines(G.MinZ, G.MaxZ, G.NC)) l << QString::fromStdString(s);
        return l;
    }
};

TEST_F(ContoursTest, DrawPaintsTheCurvesOverTheGraphAndListsTheLevelsBesideIt) {
    DrawPlane();
    const QImage before = Picture();
    ASSERT_TRUE(Item("Draw4")->isEnabled());
    Item("Draw4")->trigger();
    QApplication::processEvents();

    const QImage after = Picture();
    EXPECT_EQ(Count(before, 0x00FF00), 0);
    EXPECT_GT(Count(after, 0x00FF00), 50) << "the highest level, in lime";
    EXPECT_GT(Count(after, 0x800000), Count(before, 0x800000) + 150) << "three navy levels";
    EXPECT_EQ(VemloScrn1->PicMap.image(), after) << "the pictures hold the contours";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    ASSERT_TRUE(ZlevelsFm->isVisible());
    EXPECT_EQ(ZlevelsFm->windowTitle(), "Contour Levels");
    EXPECT_TRUE(ZlevelsFm->ContLevels->isReadOnly());
    EXPECT_EQ(ZlevelsFm->Lines(), Expected());
    EXPECT_EQ(ZlevelsFm->Lines().size(), 10);
    const GraphState& G = TheGraph();
    EXPECT_EQ(ZlevelsFm->pos(),
              VemloScrn1->Client->mapToGlobal(
                  QPoint(G.FRight + 30, VemloScrn1->DrawBtn->y() + VemloScrn1->DrawBtn->height() + 10)));

    // A second drawing lists the levels once, not after the first list.
    Item("Draw4")->trigger();
    EXPECT_EQ(ZlevelsFm->Lines(), Expected());
}

// The window holds its design-time lines until it is first closed; shown,
// it lists the levels of the graph it belongs to, a count of 1 read as 10.
TEST(ZlevelsForm, FirstCloseEmptiesTheDesignLinesAndShowListsTheLevels) {
    GraphState g;
    g.MinZ = -1;
    g.MaxZ = 1;
    g.NC = 1;
    TZlevelsFm form(g);
    EXPECT_EQ(form.Lines(), (QStringList{"Contour Levels", ""}));
    form.close();
    EXPECT_TRUE(form.Lines().isEmpty());
    form.show();
    EXPECT_EQ(g.NC, 10);
    ASSERT_EQ(form.Lines().size(), 10);
    EXPECT_EQ(form.Lines()[0], "1:   -1.000,  navy");
    EXPECT_EQ(form.Lines()[9], "10:    1.000,  lime");
    form.close();
}

TEST_F(ContoursTest, ThreeDContoursBoxChangesTheDrawing) {
    DrawPlane();
    const QImage surface = Picture();
    Item("Draw4")->trigger();
    const QImage flat = Picture();
    VemloScrn1->Image1->setPicture(surface);
    ContourDlg->CheckBox1->setChecked(true);
    Item("Draw4")->trigger();
    EXPECT_NE(Picture(), flat);
}

TEST_F(ContoursTest, EditSetsGridAndLevelsForTheNextDraw) {
    DrawPlane();
    const QImage before = Picture();
    {
        ModalAnswer a(ContourDlg, {}, true, [](QDialog& d) {
            d.findChild<QComboBox*>("ComboBox1")->setCurrentIndex(2);
            d.findChild<QComboBox*>("ComboBox2")->setCurrentIndex(3);
        });
        Item("Edit6")->trigger();
        ASSERT_TRUE(a.shown());
    }
    const GraphState& G = TheGraph();
    EXPECT_EQ(G.IUB, 60);
    EXPECT_EQ(G.JUB, 60);
    EXPECT_EQ(G.NC, 16);
    EXPECT_EQ(Picture(), before) << "the dialog draws nothing";
    Item("Draw4")->trigger();
    EXPECT_EQ(ZlevelsFm->Lines().size(), 16);
}

TEST_F(ContoursTest, ExitAndCloseHideTheLevelsWindowEmptied) {
    DrawPlane();
    Item("Draw4")->trigger();
    ASSERT_TRUE(ZlevelsFm->isVisible());
    ZlevelsFm->CloseBtn->click();
    EXPECT_FALSE(ZlevelsFm->isVisible());
    EXPECT_TRUE(ZlevelsFm->Lines().isEmpty());

    Item("Draw4")->trigger();
    ASSERT_TRUE(ZlevelsFm->isVisible());
    Item("Exit1")->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(ZlevelsFm->isVisible());
    EXPECT_TRUE(ZlevelsFm->Lines().isEmpty());
    EXPECT_FALSE(VemloScrn1->isVisible());
}

}  // namespace
}  // namespace vemlo::testing
