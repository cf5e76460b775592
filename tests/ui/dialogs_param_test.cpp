#include <gtest/gtest.h>

#include "tests/ui/dialog_driver.h"
#include "ui/Param1.h"

namespace vemlo {
namespace {

using namespace vemlo::testing;

TEST(ParamDialog, OpensWithTheValuesInFixedForm) {
    GraphState g;
    g.Par = {0, 1, -2.5, 0, 123456.789, 0, 0};
    TParamDlg dlg;
    WhenShown(dlg, {{}, false, [](QDialog& d) {
                        EXPECT_EQ(d.windowTitle(), "Parameters");
                        EXPECT_EQ(BoxOf(d, "Edit1")->text(), " 1.00000");
                        EXPECT_EQ(BoxOf(d, "Edit2")->text(), "-2.50000");
                        EXPECT_EQ(BoxOf(d, "Edit4")->text(), "123456.78900");
                        EXPECT_EQ(LabelOf(d, "Label6")->text(), "f=");
                        ExpectFocusedAndSelected(d, "Edit1");
                    }});
    ChangeParameters(g, dlg);
}

TEST(ParamDialog, OkGivesLabelsOfChangedValuesInBothForms) {
    GraphState g;
    g.Par = {0, 0, 0, 0, 0, 1, 0};
    g.A = 10;
    TParamDlg dlg;
    WhenShown(dlg, {{{"Edit1", "2"},
                     {"Edit2", "0.0001"},
                     {"Edit3", "123456789"},
                     {"Edit4", "2*a"},
                     {"Edit5", "0"},
                     {"Edit6", "p"}},
                    true,
                    nullptr});
    const ParamLabels labels = ChangeParameters(g, dlg);
    EXPECT_EQ(labels[1], "a=   2.000");
    EXPECT_EQ(labels[2], "b=1.000E-04");
    EXPECT_EQ(labels[3], "c=1.235E+08");
    EXPECT_EQ(labels[4], "d=  20.000");  // 'a' is still the evaluator's value from before
    EXPECT_EQ(labels[5], "e=   0.000");
    EXPECT_EQ(labels[6], "f =   3.142");
    EXPECT_EQ(g.A, 2);
    EXPECT_EQ(g.D, 20);
    EXPECT_EQ(g.F, 3.141592653589793);

    // Untouched boxes keep the exact values, although they show f as 3.14159.
    WhenShown(dlg, {{{"Edit1", "abc"}, {"Edit2", ""}}, true, nullptr});
    const ParamLabels none = ChangeParameters(g, dlg);
    for (int k = 1; k <= 6; ++k) EXPECT_FALSE(none[static_cast<std::size_t>(k)].has_value()) << k;
    EXPECT_EQ(g.Par[1], 2);
    EXPECT_EQ(g.Par[6], 3.141592653589793);
}

TEST(ParamDialog, CancelKeepsParButStillCopiesThemToAToF) {
    GraphState g;
    g.Par = {0, 1, 2, 3, 4, 5, 6};
    TParamDlg dlg;
    WhenShown(dlg, {{{"Edit1", "99"}}, false, nullptr});
    const ParamLabels labels = ChangeParameters(g, dlg);
    EXPECT_FALSE(labels[1].has_value());
    EXPECT_EQ(g.Par[1], 1);
    EXPECT_EQ(g.A, 1);
    EXPECT_EQ(g.C, 3);
    EXPECT_EQ(g.F, 6);
}

TEST(ParamDialog, EscapeCancelsAndEnterConfirms) {
    GraphState g;
    g.Par = {0, 1, 0, 0, 0, 0, 0};
    TParamDlg dlg;
    WhenShown(dlg, {{}, false, [](QDialog& d) {
                        BoxOf(d, "Edit1")->setText("5");
                        EXPECT_FALSE(StaysUpAfterKey(d, Qt::Key_Escape));
                    }});
    EXPECT_FALSE(ChangeParameters(g, dlg)[1].has_value());
    EXPECT_EQ(g.Par[1], 1);
    WhenShown(dlg, {{}, false, [](QDialog& d) {
                        BoxOf(d, "Edit1")->setText("5");
                        EXPECT_FALSE(StaysUpAfterKey(d, Qt::Key_Return));
                    }});
    EXPECT_EQ(ChangeParameters(g, dlg)[1], "a=   5.000");
}

}  // namespace
}  // namespace vemlo
