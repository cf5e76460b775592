#include <gtest/gtest.h>

#include <vector>

#include "engine/Settings.h"
#include "tests/ui/dialog_driver.h"
#include "ui/ViewDlg.h"

namespace vemlo {
namespace {

using namespace vemlo::testing;

class ViewDialog : public ::testing::Test {
protected:
    GraphState g;
    TViewDlg dlg;
    void SetUp() override {
        g.Theta = DegreesToRadians(30);
        g.Phi = DegreesToRadians(40);
        g.Rho = 200;
    }
};

TEST_F(ViewDialog, OpensWithDegreesAndRho) {
    g.Rho = 1234.5;
    WhenShown(dlg, {{}, false, [](QDialog& d) {
                        EXPECT_EQ(d.windowTitle(), "  Eye Position in Sperical Coordinates");
                        EXPECT_EQ(BoxOf(d, "Edit1")->text(), " 30.00");
                        EXPECT_EQ(BoxOf(d, "Edit2")->text(), " 40.00");
                        EXPECT_EQ(BoxOf(d, "Edit3")->text(), "1234.50");
                        EXPECT_EQ(LabelOf(d, "Label2")->text(), "Theta =");
                        EXPECT_EQ(LabelOf(d, "Label5")->text(),
                                  "Rho is the distance from the eye to the surface");
                        ExpectFocusedAndSelected(d, "Edit1");
                    }});
    const CompassTexts boxes = ChangeView(g, dlg);
    EXPECT_EQ(boxes.Edit4, " 30.0");
    EXPECT_EQ(boxes.Edit5, " 40.0");
    EXPECT_FALSE(g.ViewChanged);
}

struct ViewRow {
    const char *theta, *phi, *rho;
    const char *edit4, *edit5;
    double rho_after;
    bool changed;
};

TEST_F(ViewDialog, EntriesAreWrappedClampedAndRepaired) {
    const std::vector<ViewRow> rows = {
        {"370", "40", "200", " 10.0", " 40.0", 200, true},
        {"-30", "40", "200", "330.0", " 40.0", 200, true},
        {"30", "-20", "200", " 30.0", "  0.0", 200, true},
        {"30", "200", "200", " 30.0", "180.0", 200, true},
        {"180/4", "40", "200", " 45.0", " 40.0", 200, true},
        {"30", "40", "0", " 30.0", " 40.0", 200, true},
        {"30", "40", "-5", " 30.0", " 40.0", 200, true},
        {"abc", "", "300", " 30.0", " 40.0", 300, true},
        {" 30.00", " 40.00", "200", " 30.0", " 40.0", 200, false},
    };
    for (const auto& r : rows) {
        SetUp();
        WhenShown(dlg, {{{"Edit1", r.theta}, {"Edit2", r.phi}, {"Edit3", r.rho}}, true, nullptr});
        const CompassTexts boxes = ChangeView(g, dlg);
        EXPECT_EQ(boxes.Edit4, r.edit4) << r.theta;
        EXPECT_EQ(boxes.Edit5, r.edit5) << r.phi;
        EXPECT_EQ(g.Rho, r.rho_after) << r.rho;
        EXPECT_EQ(g.ViewChanged, r.changed) << r.theta << " " << r.phi << " " << r.rho;
    }
}

TEST_F(ViewDialog, ConfirmingWithoutTypingIsNoChangeEvenForUnroundAngles) {
    // Three left arrows from 30 degrees leave theta a hair off 0; the box shows "  0.00".
    for (int i = 0; i < 3; ++i) g.Theta = TurnLeft(g.Theta);
    const double theta = g.Theta;
    g.Rho = 123.456;
    WhenShown(dlg, {{}, true, nullptr});
    ChangeView(g, dlg);
    EXPECT_FALSE(g.ViewChanged);
    EXPECT_EQ(g.Theta, theta);
    EXPECT_EQ(g.Rho, 123.456);
}

TEST_F(ViewDialog, CancelChangesNothingButStillRepairsRho) {
    g.Rho = 0;
    g.Theta = DegreesToRadians(345);
    WhenShown(dlg, {{{"Edit1", "90"}}, false, nullptr});
    const CompassTexts boxes = ChangeView(g, dlg);
    EXPECT_EQ(g.Rho, 200);
    EXPECT_EQ(g.Theta, DegreesToRadians(345));
    EXPECT_EQ(boxes.Edit4, "345.0");
    EXPECT_FALSE(g.ViewChanged);
}

}  // namespace
}  // namespace vemlo
