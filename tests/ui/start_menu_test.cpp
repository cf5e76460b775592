#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

#include "app/Forms.h"
#include "ui_fixture.h"
#include "output/QImageCanvas.h"

namespace vemlo::testing {
namespace {

using StartMenuTest = UiTest;

TEST_F(StartMenuTest, TheEighteenFormsAreCreatedOnceEachInTheProgramsOrder) {
    QStringList names;
    for (QWidget* w : CreatedForms()) names << w->objectName();
    EXPECT_EQ(names, QStringList({"MainMenu1", "VemloScrn1", "AxesDlg", "EqnDlg", "ChangeDlg", "ColorForm2",
                                  "ColorForm", "DomainDlg", "ParamDlg", "ViewDlg", "PlaneDlg", "LineDlg",
                                  "ContourDlg", "ZlevelsFm", "SampleFm", "HelpDlg", "FuncList", "MovieDlg"}));
}

TEST_F(StartMenuTest, FormHasItsCaptionSizeAndColour) {
    EXPECT_EQ(MainMenu1->windowTitle(), QStringLiteral("Vemlo Main Menu"));
    EXPECT_EQ(MainMenu1->size(), QSize(766, 509));
    // Centred on the 1440 x 900 screen.
    EXPECT_EQ(MainMenu1->pos(), QPoint((1440 - 766) / 2, (900 - 509) / 2));
    EXPECT_EQ(fromQColor(MainMenu1->palette().color(QPalette::Window)), 0x800000u);
}

struct Component {
    const char* name;
    const char* parent;
    QRect geometry;
    const char* text;  // null: not a text control
    Color color;       // text colour
};

TEST_F(StartMenuTest, EveryComponentHasItsPlaceAndText) {
    const Component rows[] = {
        {"Panel2", "MainMenu1", {40, 56, 496, 238}, "", 0x800000},
        {"btnChoice1", "Panel2", {20, 23, 30, 22}, "1", 0},
        {"btnChoice2", "Panel2", {20, 59, 30, 22}, "2", 0},
        {"btnChoice3", "Panel2", {20, 98, 30, 22}, "3", 0},
        {"btnChoice4", "Panel2", {20, 138, 30, 22}, "4", 0},
        {"btnChoice5", "Panel2", {20, 177, 30, 22}, "5", 0},
        {"Label1",
         "Panel2",
         {69, 25, 403, 23},
         "Draw Surfaces z=f(x,y) in Rectangular Coordinates",
         0x800000},
        {"Label2",
         "Panel2",
         {69, 64, 411, 23},
         "Draw Surfaces z=f(r,theta) in Cylindrical Coordinates",
         0x800000},
        {"Label3", "Panel2", {69, 104, 267, 23}, "Draw Space Curves x(t), y(t), z(t)", 0x800000},
        {"Label4", "Panel2", {69, 138, 379, 23}, "Draw 2 Parameter Surfaces x(u,v), y(u,v) z(u,v)", 0x800000},
        {"Label5", "Panel2", {70, 180, 50, 23}, "Quit", 0x000080},
        {"Image1", "MainMenu1", {592, 56, 128, 112}, nullptr, 0},
        {"Panel1", "MainMenu1", {560, 217, 180, 119}, "", 0},
        {"Memo1", "Panel1", {10, 10, 158, 100}, nullptr, 0x000080},
        {"Panel3", "MainMenu1", {32, 376, 536, 48}, "Vemlo is used to draw surfaces in 3-Space", 0x00FF00},
    };
    for (const Component& c : rows) {
        SCOPED_TRACE(c.name);
        QWidget* w = Find<QWidget>(MainMenu1, c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), QString::fromLatin1(c.parent));
        EXPECT_EQ(w->geometry(), c.geometry);
        if (auto* b = qobject_cast<QPushButton*>(w)) {
            EXPECT_EQ(b->text(), QString::fromLatin1(c.text));
        }
        if (auto* l = qobject_cast<QLabel*>(w); l && c.text) {
            EXPECT_EQ(l->text(), QString::fromLatin1(c.text));
            EXPECT_EQ(fromQColor(l->palette().color(QPalette::WindowText)), c.color);
        }
    }
}

TEST_F(StartMenuTest, PanelsAndMemoHaveTheirColoursAndVersion) {
    EXPECT_EQ(fromQColor(Find<QWidget>(MainMenu1, "Panel2")->palette().color(QPalette::Window)), 0xF0FBFFu);
    EXPECT_EQ(fromQColor(Find<QWidget>(MainMenu1, "Panel1")->palette().color(QPalette::Window)), 0xF0FBFFu);
    EXPECT_EQ(fromQColor(Find<QWidget>(MainMenu1, "Panel3")->palette().color(QPalette::Window)), 0x808000u);
    QPlainTextEdit* memo = Find<QPlainTextEdit>(MainMenu1, "Memo1");
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(memo->isReadOnly());
    const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral(" Version No. 2.0"));
    EXPECT_EQ(lines[1], QString());
}

TEST_F(StartMenuTest, Image1ShowsTheGivenPictureStretched) {
    QImage sample(143, 143, QImage::Format_RGB32);
    sample.fill(Qt::red);
    MainMenu1->SetImage1Picture(sample);
    QLabel* image = Find<QLabel>(MainMenu1, "Image1");
    ASSERT_NE(image, nullptr);
    const QImage shown = image->grab().toImage();
    EXPECT_EQ(shown.size(), QSize(128, 112));
    EXPECT_EQ(shown.pixelColor(64, 56), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(127, 111), QColor(Qt::red));
}

// The last thing a run of the program does: the event loop returns and the
// start menu is gone, while the main window was still open.
TEST_F(StartMenuTest, ButtonFiveEndsTheProgram) {
    Pick('1');
    ASSERT_TRUE(VemloScrn1->isVisible());
    QTimer::singleShot(0, [] { Find<QPushButton>(MainMenu1, "btnChoice5")->click(); });
    // Should the program not end, this ends the loop with a failing code.
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(TheGraph().Choice, '5');
    EXPECT_FALSE(MainMenu1->isVisible());
}

}  // namespace
}  // namespace vemlo::testing
