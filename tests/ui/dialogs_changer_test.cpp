#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tests/ui/dialog_driver.h"
#include "ui/Changer1.h"

namespace vemlo {
namespace {

using namespace vemlo::testing;

class ChangeDialog : public ::testing::Test {
protected:
    GraphState g;
    TChangeDlg dlg;
    void SetUp() override {
        g.DeltaX = g.DeltaY = 15;
        g.Step = 0.1;
    }
};

struct CurvesRow {
    const char* x;
    double deltaX;
};

TEST_F(ChangeDialog, CurveEntriesAreRoundedAndKeptWithin1To80) {
    const std::vector<CurvesRow> rows = {
        {"20.4", 20}, {"20.5", 20}, {"21.5", 22}, {"0", 80},   {"0.4", 80}, {"0.6", 1},
        {"81", 80},   {"-5", 80},   {"4*5", 20},  {"abc", 15}, {"", 15},    {"1e308*10", 15},
    };
    for (const auto& r : rows) {
        g.DeltaX = 15;
        WhenShown(dlg, {{{"Edit1", r.x}, {"Edit2", "30"}}, true, nullptr});
        EXPECT_TRUE(ChangeCurves(g, dlg));
        EXPECT_EQ(g.DeltaX, r.deltaX) << r.x;
        EXPECT_EQ(g.DeltaY, 30);
    }
}

TEST_F(ChangeDialog, CurvesShowBothBoxesAndRepairEvenOnCancel) {
    g.DeltaX = 20, g.DeltaY = 5;
    WhenShown(dlg, {{}, false, [](QDialog& d) {
                        EXPECT_EQ(d.windowTitle(), "Change Number of Curves");
                        EXPECT_EQ(LabelOf(d, "Label1")->text(), "More Curves for better resolution");
                        EXPECT_EQ(LabelOf(d, "Label3")->text(), "X-Curves ");
                        EXPECT_EQ(LabelOf(d, "Label4")->text(), "Y-Curves ");
                        EXPECT_EQ(BoxOf(d, "Edit1")->text(), "20.0");
                        EXPECT_EQ(BoxOf(d, "Edit2")->text(), " 5.0");
                        EXPECT_TRUE(BoxOf(d, "Edit2")->isVisible());
                        EXPECT_EQ(BoxOf(d, "Edit1")->geometry(), QRect(128, 40, 97, 23));
                        EXPECT_EQ(BoxOf(d, "Edit2")->geometry(), QRect(128, 80, 97, 23));
                        EXPECT_EQ(d.width(), 356);
                        ExpectFocusedAndSelected(d, "Edit1");
                    }});
    EXPECT_FALSE(ChangeCurves(g, dlg));
    EXPECT_EQ(g.DeltaX, 20);

    g.DeltaX = 0, g.DeltaY = 80.5;  // left out of range by someone else
    WhenShown(dlg, {{{"Edit1", "33"}}, false, nullptr});
    ChangeCurves(g, dlg);
    EXPECT_EQ(g.DeltaX, 80);
    EXPECT_EQ(g.DeltaY, 80);
}

TEST_F(ChangeDialog, StepIsPositiveAcceptsFormulasAndRepairsOnCancel) {
    const std::vector<std::pair<const char*, double>> rows = {
        {"-0.05", 0.05}, {"0", 0.125}, {"p/100", 0.031415926535897934}, {"abc", 0.1}, {"", 0.1},
    };
    for (const auto& [text, step] : rows) {
        g.Step = 0.1;
        WhenShown(dlg, {{{"Edit1", text}}, true, nullptr});
        EXPECT_TRUE(ChangeStep(g, dlg));
        EXPECT_EQ(g.Step, step) << text;
    }
    g.Step = 0;
    WhenShown(dlg, {{}, false, [](QDialog& d) {
                        EXPECT_EQ(d.windowTitle(), "Stepsize for t");
                        EXPECT_EQ(LabelOf(d, "Label1")->text(), "For a smoother graph, reduce stepsize");
                        EXPECT_EQ(LabelOf(d, "Label1")->width(), 280);
                        EXPECT_EQ(LabelOf(d, "Label3")->text(), "");
                        EXPECT_FALSE(BoxOf(d, "Edit2")->isVisible());
                        EXPECT_EQ(BoxOf(d, "Edit1")->geometry(), QRect(38, 40, 220, 23));
                        EXPECT_EQ(BoxOf(d, "Edit1")->text(), "0.0000");
                        ExpectFocusedAndSelected(d, "Edit1");
                    }});
    ChangeStep(g, dlg);
    EXPECT_EQ(g.Step, 0.125);
    EXPECT_EQ(dlg.width(), 243);
}

TEST_F(ChangeDialog, TitleIsCutTo50CharactersAndCancelKeepsIt) {
    const QString sixty = QString("0123456789").repeated(6);
    g.Title = "old";
    WhenShown(dlg, {{{"Edit1", sixty}}, true, [](QDialog& d) {
                        EXPECT_EQ(d.windowTitle(), "Graph Title");
                        EXPECT_EQ(LabelOf(d, "Label1")->text(), "Enter a Title");
                        EXPECT_EQ(BoxOf(d, "Edit1")->text(), "old");
                        EXPECT_EQ(BoxOf(d, "Edit1")->geometry(), QRect(35, 40, 230, 23));
                        EXPECT_FALSE(BoxOf(d, "Edit2")->isVisible());
                        ExpectFocusedAndSelected(d, "Edit1");
                    }});
    EXPECT_TRUE(ChangeTitle(g, dlg));
    EXPECT_EQ(g.Title, sixty.left(50).toStdString());

    WhenShown(dlg, {{{"Edit1", "new"}}, false, nullptr});
    EXPECT_FALSE(ChangeTitle(g, dlg));
    EXPECT_EQ(g.Title, sixty.left(50).toStdString());
}

TEST_F(ChangeDialog, EachUseLaysTheSharedFormOutAfresh) {
    // Step narrows the form and hides the second box; title and curves must not inherit that.
    WhenShown(dlg, {{}, false, nullptr});
    ChangeStep(g, dlg);
    WhenShown(dlg, {{}, false, [](QDialog& d) {
                        EXPECT_EQ(d.width(), 356);
                        EXPECT_EQ(BoxOf(d, "Edit1")->geometry().right(), 35 + 230 - 1);
                    }});
    ChangeTitle(g, dlg);
    WhenShown(dlg, {{}, false, [](QDialog& d) {
                        EXPECT_EQ(d.width(), 356);
                        EXPECT_TRUE(BoxOf(d, "Edit2")->isVisible());
                        EXPECT_EQ(LabelOf(d, "Label3")->text(), "X-Curves ");
                    }});
    ChangeCurves(g, dlg);
}

TEST_F(ChangeDialog, NeitherEnterNorEscapeClosesIt) {
    // Its OK button is not a default button and its Cancel button not a cancel
    // button: only a click closes it, so a key never confirms a half-typed entry.
    const std::vector<std::function<bool()>> uses = {[&] { return ChangeCurves(g, dlg); },
                                                     [&] { return ChangeStep(g, dlg); },
                                                     [&] { return ChangeTitle(g, dlg); }};
    for (std::size_t i = 0; i < uses.size(); ++i) {
        g.Title = "old";
        WhenShown(dlg, {{}, false, [i](QDialog& d) {
                            BoxOf(d, "Edit1")->setText("7");
                            EXPECT_TRUE(StaysUpAfterKey(d, Qt::Key_Return)) << i;
                            EXPECT_TRUE(StaysUpAfterKey(d, Qt::Key_Escape)) << i;
                        }});
        EXPECT_FALSE(uses[i]()) << i;
    }
    EXPECT_EQ(g.DeltaX, 15);
    EXPECT_EQ(g.Step, 0.1);
    EXPECT_EQ(g.Title, "old");
}

}  // namespace
}  // namespace vemlo
