#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/dialog_driver.h"
#include "ui/Axes1.h"

namespace vemlo {
namespace {

using namespace vemlo::testing;

constexpr double kPi = 3.141592653589793;

class AxesDialog : public ::testing::Test {
protected:
    GraphState g;
    TAxesDlg dlg;
    void SetUp() override {
        g.Choice = '1';
        g.WMinX = -3, g.WMaxX = 3, g.WMinY = -3, g.WMaxY = 3, g.WMinZ = -10, g.WMaxZ = 10;
        g.A = 2;
    }
};

TEST_F(AxesDialog, OpensWithTheBoxInFixedFormAndItsCaptions) {
    g.WMaxZ = 123.25;
    WhenShown(dlg, {{}, false, [](QDialog& d) {
                        const char* captions[] = {"Min x=", "Max x=", "Min y=", "Max y=", "Min z=", "Max z="};
                        const char* texts[] = {"-3.00000", " 3.00000",  "-3.00000",
                                               " 3.00000", "-10.00000", "123.25000"};
                        for (int k = 0; k < 6; ++k) {
                            const std::string n = std::to_string(k + 1);
                            EXPECT_EQ(LabelOf(d, ("Label" + n).c_str())->text(), captions[k]);
                            EXPECT_EQ(BoxOf(d, ("Edit" + n).c_str())->text(), texts[k]);
                        }
                        ExpectFocusedAndSelected(d, "Edit1");
                    }});
    EXPECT_FALSE(ChangeAxes(g, dlg));
}

struct AxesRow {
    const char* text;  // typed into "Max y="
    double maxY;
    bool changed;
};

TEST_F(AxesDialog, EntriesAreFormulasAndBadOnesAreIgnored) {
    const std::vector<AxesRow> rows = {
        {"p", kPi, true}, {"2*a", 4, true},       {"abc", 3, false},
        {"", 3, false},   {" 3.00000", 3, false}, {"1/0", 3, false},
    };
    for (const auto& r : rows) {
        SetUp();
        WhenShown(dlg, {{{"Edit4", r.text}}, true, nullptr});
        EXPECT_TRUE(ChangeAxes(g, dlg));
        EXPECT_EQ(g.WMaxY, r.maxY) << r.text;
        EXPECT_EQ(g.AxesChanged, r.changed) << r.text;
        EXPECT_EQ(g.WMinX, -3);
    }
}

TEST_F(AxesDialog, EmptyOrReversedRangesAreRepairedEvenOnCancel) {
    WhenShown(dlg, {{{"Edit1", "2"}, {"Edit2", "2"}}, true, nullptr});
    ChangeAxes(g, dlg);
    EXPECT_EQ(g.WMinX, 2);
    EXPECT_EQ(g.WMaxX, 3);
    EXPECT_TRUE(g.AxesChanged);

    g.WMinY = 5, g.WMaxY = -5, g.WMinZ = 1, g.WMaxZ = 1;
    WhenShown(dlg, {{{"Edit3", "0"}}, false, nullptr});
    EXPECT_FALSE(ChangeAxes(g, dlg));
    EXPECT_EQ(g.WMinY, 5);
    EXPECT_EQ(g.WMaxY, 6);
    EXPECT_EQ(g.WMaxZ, 2);
    EXPECT_FALSE(g.AxesChanged);
}

}  // namespace
}  // namespace vemlo
