// The plane and line dialogs driven through their controls, with a recording
// canvas for what the routines draw.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <string>
#include <vector>

#include "engine/Modes.h"
#include "engine/View.h"
#include "tests/engine/recording_canvas.h"
#include "tests/ui/dialog_driver.h"
#include "ui/LineDlg.h"
#include "ui/PlaneDlg.h"

namespace vemlo {
namespace {

using namespace vemlo::testing;
using test::RecordingCanvas;

class MessageHost : public NullHost {
public:
    void message(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

class DecorationDialog : public ::testing::Test {
protected:
    void SetUp() override {
        g.Choice = '1';
        ApplyModeDefaults(g, 1440, 900);
        g.FLeft = 156, g.FHi = 72, g.FRight = 934, g.FLo = 540;
        Matrix1(g, g.Dis, g.Rho, g.Theta, g.Phi);
        Matrix2(g);
    }
    void Plane(bool edit, bool draw, Session s = {}) {
        g.PlaneEdit = edit;
        g.PlaneDraw = draw;
        if (edit) WhenShown(plane, std::move(s));
        EditPlane(g, plane, canvas, host);
    }
    void Line(bool edit, bool draw, Session s = {}) {
        g.LineEdit = edit;
        g.LineDraw = draw;
        if (edit) WhenShown(line, std::move(s));
        EditLine(g, line, canvas, host);
    }

    GraphState g;
    TPlaneDlg plane;
    TLineDlg line;
    RecordingCanvas canvas;
    MessageHost host;
};

TEST_F(DecorationDialog, PlaneDialogShowsZerosAndTheDefaultSizeAtFirst) {
    Plane(true, false, {{}, false, [](QDialog& d) {
                            EXPECT_EQ(d.objectName(), "PlaneDlg");
                            EXPECT_EQ(d.windowTitle(), "  Tangent Plane Info");
                            const std::vector<std::pair<const char*, const char*>> labels = {
                                {"Label1", "Enter a Point on"},
                                {"Label2", "the Plane"},
                                {"Label3", "X ="},
                                {"Label4", "Y = "},
                                {"Label5", "Z = "},
                                {"Label6", "Enter components of "},
                                {"Label7", "a Normal vector"},
                                {"Label8", "a = "},
                                {"Label9", "b = "},
                                {"Label10", "c = "},
                                {"Label11", "MinX = "},
                                {"Label12", "MaxX = "},
                                {"Label13", "MinY = "},
                                {"Label14", "MaxY = "},
                            };
                            for (const auto& [name, text] : labels) EXPECT_EQ(LabelOf(d, name)->text(), text);
                            EXPECT_EQ(d.findChild<QGroupBox*>("GroupBox1")->title(), "Change Plane Size");
                            for (const char* box : {"Edit1", "Edit3", "Edit4", "Edit6"})
                                EXPECT_EQ(BoxOf(d, box)->text(), " 0.00") << box;
                            EXPECT_EQ(BoxOf(d, "Edit7")->text(), "-0.40");
                            EXPECT_EQ(BoxOf(d, "Edit8")->text(), " 0.40");
                            EXPECT_EQ(BoxOf(d, "Edit9")->text(), "-0.40");
                            EXPECT_EQ(BoxOf(d, "Edit10")->text(), " 0.40");
                            ExpectFocusedAndSelected(d, "Edit1");
                            EXPECT_TRUE(StaysUpAfterKey(d, Qt::Key_Escape));
                        }});
    EXPECT_FALSE(g.PlaneFlag);
    EXPECT_TRUE(canvas.calls().empty());
}

TEST_F(DecorationDialog, PlaneEntriesAreReadOnOkOnly) {
    Plane(true, false, {{{"Edit3", "2"}, {"Edit6", "1"}, {"Edit7", "1"}, {"Edit8", "0.5"}}, false, nullptr});
    EXPECT_FALSE(g.PlaneFlag) << "cancelled";
    EXPECT_EQ(g.P3, 0);

    Plane(true, false, {{{"Edit3", "2"}, {"Edit6", "1"}, {"Edit7", "1"}, {"Edit8", "0.5"}}, true, nullptr});
    EXPECT_TRUE(g.PlaneFlag);
    EXPECT_EQ(g.P3, 2);
    EXPECT_EQ(g.N3, 1);
    EXPECT_DOUBLE_EQ(g.PMinX, -0.4) << "a minimum of 1 is refused";
    EXPECT_EQ(g.PMaxX, 0.5);
    EXPECT_TRUE(canvas.calls().empty()) << "editing draws nothing";

    // The stored values come back with two decimals; a box left alone keeps its exact value.
    g.P1 = 123.456;
    Plane(true, false, {{}, true, [](QDialog& d) {
                            EXPECT_EQ(BoxOf(d, "Edit1")->text(), "123.46");
                            EXPECT_EQ(BoxOf(d, "Edit3")->text(), " 2.00");
                            EXPECT_EQ(BoxOf(d, "Edit8")->text(), " 0.50");
                        }});
    EXPECT_EQ(g.P1, 123.456);
}

TEST_F(DecorationDialog, PlaneUnchangedAtFirstStillHasNoData) {
    Plane(true, false, {{{"Edit1", "0"}, {"Edit9", "-2"}}, true, nullptr});
    EXPECT_FALSE(g.PlaneFlag);
    Plane(false, true);
    EXPECT_EQ(host.messages, std::vector<std::string>{"Enter data for the plane first"});
    EXPECT_TRUE(canvas.calls().empty());
    EXPECT_DOUBLE_EQ(g.PMinY, -0.4) << "without data every call resets the size";
}

TEST_F(DecorationDialog, LineDialogShowsItsPointsAndClosesOnEscape) {
    Line(true, false, {{}, false, [](QDialog& d) {
                           EXPECT_EQ(d.objectName(), "LineDlg");
                           EXPECT_EQ(d.windowTitle(), " Draw a Line");
                           EXPECT_EQ(LabelOf(d, "Label1")->text(), "Start line at");
                           EXPECT_EQ(LabelOf(d, "Label5")->text(), "End line at");
                           for (const char* l : {"Label2", "Label6"})
                               EXPECT_EQ(LabelOf(d, l)->text(), "X = ");
                           for (const char* l : {"Label4", "Label8"})
                               EXPECT_EQ(LabelOf(d, l)->text(), "Z = ");
                           for (const char* box : {"Edit1", "Edit6"})
                               EXPECT_EQ(BoxOf(d, box)->text(), " 0.00");
                           ExpectFocusedAndSelected(d, "Edit1");
                           EXPECT_FALSE(StaysUpAfterKey(d, Qt::Key_Escape));
                       }});
    EXPECT_FALSE(g.LineFlag);
}

TEST_F(DecorationDialog, LineFirstEditThenDraw) {
    Line(true, false, {{}, true, nullptr});
    Line(false, true);
    EXPECT_EQ(host.messages, std::vector<std::string>{"Enter points for the line first"});
    EXPECT_TRUE(canvas.lines().empty());

    Line(true, false, {{{"Edit1", "0"}, {"Edit4", "1"}, {"Edit5", "1"}, {"Edit6", "1"}}, true, nullptr});
    EXPECT_TRUE(g.LineFlag) << "set by the end point alone";
    EXPECT_TRUE(canvas.lines().empty());
    Line(false, true);
    ASSERT_EQ(canvas.lines().size(), 1u);
    EXPECT_EQ(canvas.lines()[0].from, Shape(g, 0, 0, 0));
    EXPECT_EQ(canvas.lines()[0].pts[0], Shape(g, 1, 1, 1));

    // Editing again shows the stored points.
    Line(true, false, {{}, false, [](QDialog& d) {
                           EXPECT_EQ(BoxOf(d, "Edit1")->text(), " 0.00");
                           EXPECT_EQ(BoxOf(d, "Edit5")->text(), " 1.00");
                       }});
    EXPECT_EQ(g.X2, 1);
}

}  // namespace
}  // namespace vemlo
