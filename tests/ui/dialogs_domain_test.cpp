#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "tests/ui/dialog_driver.h"
#include "ui/Domain1.h"

namespace vemlo {
namespace {

using namespace vemlo::testing;

struct DomainRow {
    char mode;
    const char* captions[4];
    bool second;
};

void PrintTo(const DomainRow& r, std::ostream* os) { *os << "mode " << r.mode; }

class DomainCaptions : public ::testing::TestWithParam<DomainRow> {};

TEST_P(DomainCaptions, EachModeNamesItsVariablesAndRestoresTheFormAfterwards) {
    const DomainRow r = GetParam();
    GraphState g;
    g.Choice = r.mode;
    // First ranges from 3 to 12.5, second ranges from -3 to 1 (theta is mode 2's second).
    g.MinX = g.MinR = g.MinU = 3;
    g.MaxX = g.MaxR = g.MaxU = 12.5;
    g.MinY = g.MinV = -3;
    g.MaxY = g.MaxV = 1;
    g.MinT = r.mode == '3' ? 3 : -3;
    g.MaxT = r.mode == '3' ? 12.5 : 1;
    TDomainDlg dlg;
    WhenShown(dlg, {{}, false, [&](QDialog& d) {
                        EXPECT_EQ(d.windowTitle(), " Domain");
                        const char* names[] = {"Label1", "Label2", "Label4", "Label5"};
                        for (int i = 0; i < 2; ++i) EXPECT_EQ(LabelOf(d, names[i])->text(), r.captions[i]);
                        for (int i = 2; i < 4; ++i) {
                            EXPECT_EQ(LabelOf(d, names[i])->isVisible(), r.second);
                            if (r.second) {
                                EXPECT_EQ(LabelOf(d, names[i])->text(), r.captions[i]);
                            }
                        }
                        EXPECT_EQ(BoxOf(d, "Edit3")->isVisible(), r.second);
                        EXPECT_EQ(BoxOf(d, "Edit4")->isVisible(), r.second);
                        EXPECT_EQ(BoxOf(d, "Edit1")->text(), " 3.00000");
                        EXPECT_EQ(BoxOf(d, "Edit2")->text(), "12.50000");
                        if (r.second) {
                            EXPECT_EQ(BoxOf(d, "Edit3")->text(), "-3.00000");
                        }
                        EXPECT_EQ(LabelOf(d, "Label3")->text(), "");
                        EXPECT_EQ(d.height(), 291);
                        EXPECT_EQ(WidgetOf(d, "OKBtn")->y(), 240);
                        ExpectFocusedAndSelected(d, "Edit1");
                    }});
    EXPECT_FALSE(ChangeDomain(g, dlg));
    for (const char* name : {"Label4", "Label5", "Edit3", "Edit4"})
        EXPECT_TRUE(dlg.findChild<QWidget*>(name)->isVisibleTo(&dlg)) << name;
    EXPECT_EQ(dlg.height(), 291);
    EXPECT_EQ(dlg.Bevel1->height(), 192);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, DomainCaptions,
    ::testing::Values(DomainRow{'1', {"  Start x at", "   End x at ", "  Start y at", "   End y at "}, true},
                      DomainRow{
                          '2', {"  Start r at", "   End r at", "Start theta at", "End theta at "}, true},
                      DomainRow{'3', {"  Start t at", "   End t at ", "", ""}, false},
                      DomainRow{'4', {"  Start u at", "   End u at ", "  Start v at", "   End v at "}, true}),
    [](const ::testing::TestParamInfo<DomainRow>& info) { return std::string("Mode") + info.param.mode; });

TEST(DomainDialog, OkReadsFormulasKeepsBadBoxesAndRepairsReversedRanges) {
    GraphState g;
    g.Choice = '1';
    g.MinX = -3, g.MaxX = 3, g.MinY = -3, g.MaxY = 3;
    TDomainDlg dlg;
    WhenShown(dlg, {{{"Edit1", "5"}, {"Edit2", "2"}, {"Edit3", "abc"}, {"Edit4", ""}}, true, nullptr});
    EXPECT_TRUE(ChangeDomain(g, dlg));
    EXPECT_EQ(g.MinX, 5);
    EXPECT_EQ(g.MaxX, 6);
    EXPECT_EQ(g.MinY, -3);
    EXPECT_EQ(g.MaxY, 3);

    g.Choice = '2';
    g.MinR = 0, g.MaxR = 5;
    WhenShown(dlg, {{{"Edit1", "1"}, {"Edit2", "1"}, {"Edit3", "0"}, {"Edit4", "2*p"}}, true, nullptr});
    ChangeDomain(g, dlg);
    EXPECT_EQ(g.MinR, 1);
    EXPECT_EQ(g.MaxR, 1);  // an empty range is left to the renderers
    EXPECT_EQ(g.MaxT, 6.283185307179586);

    // Untouched boxes keep exact values although they show 2 pi as " 6.28319".
    g.MaxT = 2 * 3.141592653589793;
    WhenShown(dlg, {{}, true, nullptr});
    ChangeDomain(g, dlg);
    EXPECT_EQ(g.MaxT, 6.283185307179586);

    g.Choice = '3';
    g.MinT = 0, g.MaxT = 5;
    WhenShown(dlg, {{{"Edit1", "-p"}, {"Edit2", "-4"}}, false, nullptr});
    EXPECT_FALSE(ChangeDomain(g, dlg));
    EXPECT_EQ(g.MinT, 0);
    EXPECT_EQ(g.MaxT, 5);
}

TEST(DomainDialog, EnterConfirmsButEscapeDoesNotCancel) {
    GraphState g;
    g.Choice = '1';
    g.MinX = -3;
    TDomainDlg dlg;
    WhenShown(dlg, {{}, false, [](QDialog& d) {
                        BoxOf(d, "Edit1")->setText("-2");
                        EXPECT_TRUE(StaysUpAfterKey(d, Qt::Key_Escape));
                        EXPECT_FALSE(StaysUpAfterKey(d, Qt::Key_Return));
                    }});
    EXPECT_TRUE(ChangeDomain(g, dlg));
    EXPECT_EQ(g.MinX, -2);
}

}  // namespace
}  // namespace vemlo
