#include <gtest/gtest.h>

#include <ostream>

#include "tests/ui/dialog_driver.h"
#include "ui/Eqn1Dlg.h"

namespace vemlo {
namespace {

using namespace vemlo::testing;

struct EqnLayoutRow {
    char mode;
    int height, bevel, buttonTop;
    bool threeRows;
    const char* label2;
    const char* prompt;
};

void PrintTo(const EqnLayoutRow& r, std::ostream* os) { *os << "mode " << r.mode; }

class EqnLayout : public ::testing::TestWithParam<EqnLayoutRow> {};

TEST_P(EqnLayout, EachModeShowsItsRowsSizeAndPrompt) {
    const EqnLayoutRow r = GetParam();
    GraphState g;
    g.Choice = r.mode;
    g.SFunc = "x*y";
    g.XFunc = "cos(t)", g.YFunc = "sin(t)", g.ZFunc = "t";
    TEqnDlg dlg;
    Session s;
    s.ok = false;
    s.look = [&](QDialog& d) {
        EXPECT_EQ(d.height(), r.height);
        EXPECT_EQ(d.width(), 393);
        EXPECT_EQ(WidgetOf(d, "Bevel1")->height(), r.bevel);
        EXPECT_EQ(WidgetOf(d, "OKBtn")->y(), r.buttonTop);
        EXPECT_EQ(WidgetOf(d, "CancelBtn")->y(), r.buttonTop);
        for (const char* name : {"Label3", "Edit2", "Label4", "Edit3"})
            EXPECT_EQ(WidgetOf(d, name)->isVisible(), r.threeRows) << name;
        EXPECT_EQ(LabelOf(d, "Label2")->text(), r.label2);
        EXPECT_EQ(LabelOf(d, "Label1")->text(), r.prompt);
        EXPECT_EQ(BoxOf(d, "Edit1")->text(), r.threeRows ? "cos(t)" : "x*y");
        if (r.threeRows) {
            EXPECT_EQ(BoxOf(d, "Edit3")->text(), "t");
        }
        ExpectFocusedAndSelected(d, "Edit1");
    };
    WhenShown(dlg, s);
    EXPECT_FALSE(ChangeFunc(g, dlg));
    EXPECT_EQ(g.SFunc, "x*y");
    EXPECT_FALSE(g.FunctionCalled);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, EqnLayout,
    ::testing::Values(EqnLayoutRow{'1', 180, 75, 120, false, "Z =", "Enter your Function of x and y"},
                      EqnLayoutRow{'2', 180, 75, 120, false,
                                   "Z =", "Enter your Function of r and t (t for theta)"},
                      EqnLayoutRow{'3', 209, 97, 140, true, "X =", "Enter your Functions of t"},
                      EqnLayoutRow{'4', 209, 97, 140, true, "X =", "Enter your Functions of u and v"}),
    [](const ::testing::TestParamInfo<EqnLayoutRow>& info) { return std::string("Mode") + info.param.mode; });

TEST(EqnDialog, OkStoresTextsAsTypedAndEmptyAsZero) {
    GraphState g;
    g.Choice = '3';
    g.XFunc = g.YFunc = g.ZFunc = "1";
    TEqnDlg dlg;
    WhenShown(dlg, {{{"Edit1", " Cos(T) "}, {"Edit2", ""}, {"Edit3", "x+*"}}, true, nullptr});
    EXPECT_TRUE(ChangeFunc(g, dlg));
    EXPECT_EQ(g.XFunc, " Cos(T) ");
    EXPECT_EQ(g.YFunc, "0");
    EXPECT_EQ(g.ZFunc, "x+*");  // not checked here: the next drawing reports it
    EXPECT_TRUE(g.FunctionCalled);
    EXPECT_EQ(FunctionLabels(g, false).Label1, "X=  Cos(T)  ;    Y= 0");

    g.Choice = '1';
    WhenShown(dlg, {{{"Edit1", ""}}, true, nullptr});
    ChangeFunc(g, dlg);
    EXPECT_EQ(g.SFunc, "0");
    EXPECT_EQ(FunctionLabels(g, false).Label1, "Z= 0");
}

TEST(EqnDialog, FixTheFunctionShowsTheErrorPromptAndGivesTheFixLabels) {
    GraphState g;
    g.Choice = '1';
    g.SFunc = "x+*y";
    TEqnDlg dlg;
    Session s{{{"Edit1", "x+y"}}, true, [](QDialog& d) {
                  EXPECT_EQ(LabelOf(d, "Label1")->text(), "ERROR...Check your Functions");
                  EXPECT_EQ(BoxOf(d, "Edit1")->text(), "x+*y");
                  ExpectFocusedAndSelected(d, "Edit1");
              }};
    WhenShown(dlg, s);
    const auto labels = FixTheFunction(g, dlg);
    ASSERT_TRUE(labels.has_value());
    EXPECT_EQ(labels->Label1, "Z = x+y");
    EXPECT_FALSE(labels->Label2.has_value());
    EXPECT_EQ(g.SFunc, "x+y");
    EXPECT_FALSE(g.FunctionCalled);

    g.Choice = '4';
    g.XFunc = "u", g.YFunc = "v", g.ZFunc = "1/0";
    WhenShown(dlg, {{{"Edit3", "u*v"}}, true, [](QDialog& d) {
                        EXPECT_EQ(LabelOf(d, "Label1")->text(), "ERROR...Check your Functions");
                        EXPECT_EQ(d.height(), 209);
                    }});
    const auto four = FixTheFunction(g, dlg);
    ASSERT_TRUE(four.has_value());
    EXPECT_EQ(four->Label1, "X= u ;    Y= v");
    EXPECT_EQ(four->Label2, "Z = u*v");

    WhenShown(dlg, {{{"Edit1", "changed"}}, false, nullptr});
    EXPECT_FALSE(FixTheFunction(g, dlg).has_value());
    EXPECT_EQ(g.XFunc, "u");
}

TEST(EqnDialog, TheErrorPromptStaysUntilChangeFuncAndModeOneNeverShowsX) {
    GraphState g;
    TEqnDlg dlg;
    g.Choice = '3';
    WhenShown(dlg, {{}, false, nullptr});
    ChangeFunc(g, dlg);
    g.Choice = '1';
    WhenShown(dlg, {{}, false, [](QDialog& d) { EXPECT_EQ(LabelOf(d, "Label2")->text(), "Z ="); }});
    FixTheFunction(g, dlg);
    EXPECT_EQ(dlg.Label1->text(), "ERROR...Check your Functions");
    WhenShown(dlg, {{}, false, [](QDialog& d) { EXPECT_EQ(LabelOf(d, "Label2")->text(), "Z ="); }});
    ChangeFunc(g, dlg);
    EXPECT_EQ(dlg.Label1->text(), "Enter your Function of x and y");
}

TEST(EqnDialog, EnterConfirmsButEscapeDoesNotCancel) {
    // OK is the default button; Cancel is a plain button that only a click presses.
    GraphState g;
    g.Choice = '1';
    g.SFunc = "x";
    TEqnDlg dlg;
    WhenShown(dlg, {{}, false, [](QDialog& d) {
                        BoxOf(d, "Edit1")->setText("y");
                        EXPECT_TRUE(StaysUpAfterKey(d, Qt::Key_Escape));
                        EXPECT_FALSE(StaysUpAfterKey(d, Qt::Key_Return));
                    }});
    EXPECT_TRUE(ChangeFunc(g, dlg));
    EXPECT_EQ(g.SFunc, "y");
}

}  // namespace
}  // namespace vemlo
