#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>

#include "tests/ui/dialog_driver.h"
#include "ui/Contour1.h"

namespace vemlo {
namespace {

using namespace vemlo::testing;

QComboBox* Combo(QDialog& d, const char* name) { return static_cast<QComboBox*>(WidgetOf(d, name)); }
QCheckBox* Check(QDialog& d) { return static_cast<QCheckBox*>(WidgetOf(d, "CheckBox1")); }

class ContourDialog : public ::testing::Test {
protected:
    GraphState g;
    TContourDlg dlg;
    void SetUp() override {
        g.IUB = g.JUB = 20;
        g.NC = 10;
    }
    /// Opens the dialog, picks the items (-1: none) and ticks the box, then OK or Cancel.
    void Run(int grid, int levels, bool threeD, bool ok) {
        WhenShown(dlg, {{}, ok, [=](QDialog& d) {
                            Combo(d, "ComboBox1")->setCurrentIndex(grid);
                            Combo(d, "ComboBox2")->setCurrentIndex(levels);
                            Check(d)->setChecked(threeD);
                        }});
        ChangeContours(g, dlg);
    }
};

TEST_F(ContourDialog, OpensWithTheCurrentGridAndLevelCountSelected) {
    g.IUB = g.JUB = 40;
    g.NC = 14;
    WhenShown(dlg, {{}, false, [](QDialog& d) {
                        EXPECT_EQ(d.windowTitle(), "  Edit  Contour features");
                        EXPECT_EQ(LabelOf(d, "Label1")->text(), "Grid Resolution");
                        EXPECT_EQ(LabelOf(d, "Label2")->text(), "Number of Levels");
                        QComboBox* grid = Combo(d, "ComboBox1");
                        QComboBox* levels = Combo(d, "ComboBox2");
                        EXPECT_FALSE(grid->isEditable());
                        ASSERT_EQ(grid->count(), 3);
                        EXPECT_EQ(grid->itemText(2), "60 x 60");
                        ASSERT_EQ(levels->count(), 4);
                        EXPECT_EQ(levels->itemText(3), "16");
                        EXPECT_EQ(grid->currentText(), "40 x 40");
                        EXPECT_EQ(levels->currentText(), "14");
                        EXPECT_EQ(Check(d)->text(), "3D Contours");
                        EXPECT_FALSE(Check(d)->isChecked());
                    }});
    ChangeContours(g, dlg);
    // A count no item shows selects nothing.
    g.IUB = 33;
    g.NC = 1;
    WhenShown(dlg, {{}, false, [](QDialog& d) {
                        EXPECT_EQ(Combo(d, "ComboBox1")->currentIndex(), -1);
                        EXPECT_EQ(Combo(d, "ComboBox2")->currentIndex(), -1);
                    }});
    ChangeContours(g, dlg);
}

TEST_F(ContourDialog, OkSetsBothGridSizesAndTheLevelCount) {
    const struct {
        int grid, levels;
        std::int32_t iub, nc;
    } rows[] = {{0, 0, 20, 10}, {1, 1, 40, 12}, {2, 2, 60, 14}, {2, 3, 60, 16}, {-1, -1, 20, 10}};
    for (const auto& r : rows) {
        SetUp();
        g.JUB = 7;  // set only alike with IUB
        Run(r.grid, r.levels, false, true);
        EXPECT_EQ(g.IUB, r.iub) << r.grid;
        EXPECT_EQ(g.JUB, r.grid < 0 ? 7 : r.iub) << r.grid;
        EXPECT_EQ(g.NC, r.nc) << r.levels;
    }
}

// Cancel keeps the grid and the level count, but the check box keeps what
// the user left it at: the drawing reads it directly.
TEST_F(ContourDialog, CancelKeepsTheSettingsButNotTheCheckBox) {
    Run(2, 3, true, false);
    EXPECT_EQ(g.IUB, 20);
    EXPECT_EQ(g.JUB, 20);
    EXPECT_EQ(g.NC, 10);
    EXPECT_TRUE(dlg.CheckBox1->isChecked());
    Run(0, 0, false, true);
    EXPECT_FALSE(dlg.CheckBox1->isChecked());
}

}  // namespace
}  // namespace vemlo
