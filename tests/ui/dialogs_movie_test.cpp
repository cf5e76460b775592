#include <gtest/gtest.h>

#include <QGroupBox>
#include <QRadioButton>
#include <vector>

#include "tests/ui/dialog_driver.h"
#include "ui/Moviefm.h"

namespace vemlo {
namespace {

using namespace vemlo::testing;

QRadioButton* Radio(QDialog& d, const char* name) {
    auto* b = d.findChild<QRadioButton*>(QString::fromLatin1(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
}

class MovieDialog : public ::testing::Test {
protected:
    GraphState g;
    TMovieDlg dlg;
    void SetUp() override {
        g.NumOfFrames = 16;
        g.FrameSpeed = 400;
    }
};

TEST_F(MovieDialog, OpensWithTheCountAndMediumChecked) {
    WhenShown(dlg, {{}, true, [](QDialog& d) {
                        EXPECT_EQ(d.objectName(), "MovieDlg");
                        EXPECT_EQ(d.windowTitle(), "  Edit Movie Features");
                        EXPECT_EQ(LabelOf(d, "Label1")->text(), "How many Frames?");
                        EXPECT_EQ(LabelOf(d, "Label2")->text(), "(up to 32)");
                        EXPECT_EQ(BoxOf(d, "Edit1")->text(), "  16");
                        ExpectFocusedAndSelected(d, "Edit1");
                        auto* group = d.findChild<QGroupBox*>("RadioGroup1");
                        ASSERT_NE(group, nullptr);
                        EXPECT_EQ(group->title(), "Rotation Speed");
                        const char* captions[] = {"Slow", "Medium", "Faster", "Fastest"};
                        for (int i = 0; i < 4; ++i) {
                            QRadioButton* b = Radio(d, ("RadioButton" + std::to_string(i + 1)).c_str());
                            EXPECT_EQ(b->text(), captions[i]);
                            EXPECT_EQ(b->parentWidget(), group);
                            EXPECT_EQ(b->isChecked(), i == 1);
                        }
                    }});
    EXPECT_TRUE(ChangeFrames(g, dlg));
    EXPECT_EQ(g.NumOfFrames, 16);
    EXPECT_EQ(g.FrameSpeed, 400);  // Medium shows checked, the pause is still the start value
}

TEST_F(MovieDialog, FrameCountsAreRoundedAndRepaired) {
    struct Row {
        int before;
        const char* typed;
        bool ok;
        int after;
    } rows[] = {
        {16, "0", true, 2},    {16, "-5", true, 2},  {16, "40", true, 32}, {16, "10^20", true, 32},
        {16, "7.5", true, 8},  {16, "6.5", true, 6}, {16, "0.5", true, 2}, {16, "32.5", true, 32},
        {16, "abc", true, 16}, {16, "", true, 16},   {16, "4*2", true, 8}, {16, "1", true, 1},
        {16, "40", false, 16}, {0, "8", false, 2},   {99, "8", false, 32},
    };
    for (const Row& r : rows) {
        g.NumOfFrames = r.before;
        WhenShown(dlg, {{{"Edit1", r.typed}}, r.ok, nullptr});
        ChangeFrames(g, dlg);
        EXPECT_EQ(g.NumOfFrames, r.after) << r.before << " '" << r.typed << "' " << (r.ok ? "OK" : "Cancel");
    }
}

// The speed is set by the click, whatever ends the dialog; the button stays
// checked for the next showing.
TEST_F(MovieDialog, SpeedButtonsSetThePauseAtTheClick) {
    struct Row {
        const char* button;
        int ms;
    } rows[] = {{"RadioButton1", 800}, {"RadioButton3", 150}, {"RadioButton4", 0}, {"RadioButton2", 500}};
    for (const Row& r : rows) {
        for (bool ok : {false, true}) {
            g.FrameSpeed = 400;
            const std::string name = r.button;
            WhenShown(dlg, {{}, ok, [name](QDialog& d) { Radio(d, name.c_str())->click(); }});
            ChangeFrames(g, dlg);
            EXPECT_EQ(g.FrameSpeed, r.ms) << r.button << (ok ? " OK" : " Cancel");
            EXPECT_TRUE(Radio(dlg, r.button)->isChecked());
        }
    }
    // Outside the dialog's showing a click touches no graph.
    g.FrameSpeed = 400;
    dlg.RadioButton1->click();
    EXPECT_EQ(g.FrameSpeed, 400);
}

}  // namespace
}  // namespace vemlo
