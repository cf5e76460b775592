#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include "ui_fixture.h"
#include "ui/Kit.h"
#include "ui/TImage.h"

namespace vemlo::testing {
namespace {

using MainWindowTest = UiTest;

struct ModeRow {
    char mode;
    const char* caption;
    QRect graphing;  // FLeft, FHi, FRight, FLo as a rectangle of corners
    QRect image;
    // Plane, Line, Contours, Curves, Step, Movie
    bool items[6];
};

const ModeRow kModes[] = {
    {'1',
     "        Vemlo  Rectangular Coordinates",
     QRect(QPoint(156, 72), QPoint(934, 540)),
     QRect(157, 73, 776, 466),
     {true, true, true, true, false, true}},
    {'2',
     "   Vemlo Cylindrical Coordinates",
     QRect(QPoint(156, 72), QPoint(624, 540)),
     QRect(157, 73, 466, 466),
     {false, true, true, true, false, true}},
    {'3',
     "        Vemlo  Space Curves",
     QRect(QPoint(156, 72), QPoint(624, 540)),
     QRect(157, 73, 466, 466),
     {false, true, false, false, true, false}},
    {'4',
     "        Vemlo  2 Parameter Surfaces",
     QRect(QPoint(156, 72), QPoint(934, 540)),
     QRect(157, 73, 776, 466),
     {false, true, false, true, false, true}},
};

void ExpectModeItems(const ModeRow& r) {
    const bool shown[] = {
        VemloScrn1->Plane1->menuAction()->isVisible(),
        VemloScrn1->Line1->menuAction()->isVisible(),
        VemloScrn1->Contours1->menuAction()->isVisible(),
        VemloScrn1->Curves1->isVisible(),
        VemloScrn1->Step1->isVisible(),
        VemloScrn1->Movie1->menuAction()->isVisible(),
    };
    const char* names[] = {"Plane", "Line", "Contours", "Curves", "Step", "Movie"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(shown[i], r.items[i]) << names[i] << " in mode " << r.mode;
}

QRect GraphingRect() {
    const GraphState& G = TheGraph();
    return QRect(QPoint(G.FLeft, G.FHi), QPoint(G.FRight, G.FLo));
}

TEST_F(MainWindowTest, EachModeLaysTheWindowOut) {
    for (const ModeRow& r : kModes) {
        SCOPED_TRACE(std::string("mode ") + r.mode);
        Pick(r.mode);
        ASSERT_TRUE(VemloScrn1->isVisible());
        EXPECT_TRUE(MainMenu1->isVisible());
        EXPECT_EQ(TheGraph().Choice, r.mode);
        EXPECT_EQ(VemloScrn1->windowTitle(), QString::fromLatin1(r.caption));
        EXPECT_EQ(VemloScrn1->size(), QSize(1296, 720));
        EXPECT_EQ(GraphingRect(), r.graphing);
        EXPECT_EQ(VemloScrn1->Image1->geometry(), r.image);
        EXPECT_EQ(VemloScrn1->Image1->picture().size(), r.image.size());
        EXPECT_EQ(VemloScrn1->Image1->parentWidget(), VemloScrn1->centralWidget());
        ExpectModeItems(r);
        VemloScrn1->Exit1->trigger();
        QApplication::processEvents();
    }
}

TEST_F(MainWindowTest, PickingAModeEmptiesTheWindowForANewGraph) {
    Pick('1');
    VemloScrn1->Label1->setText(QStringLiteral("Z= x"));
    VemloScrn1->Label5->setText(QStringLiteral("b=2"));
    VemloScrn1->Panel2->setText(QStringLiteral("old title"));
    VemloScrn1->Edit4->setText(QStringLiteral("120.0"));
    VemloScrn1->DrawBtn->show();
    VemloScrn1->Exit1->trigger();
    Pick('4');
    for (QLabel* l : {VemloScrn1->Label1, VemloScrn1->Label2, VemloScrn1->Label3, VemloScrn1->Label4,
                      VemloScrn1->Label5, VemloScrn1->Label6, VemloScrn1->Label7, VemloScrn1->Label8})
        EXPECT_TRUE(l->text().isEmpty()) << l->objectName().toStdString();
    EXPECT_TRUE(VemloScrn1->Panel2->text().isEmpty());
    EXPECT_EQ(VemloScrn1->Label9->text(), QStringLiteral("  Phi ="));
    EXPECT_EQ(VemloScrn1->Edit4->text(), QStringLiteral("30"));
    EXPECT_EQ(VemloScrn1->Edit5->text(), QStringLiteral("40"));
    EXPECT_FALSE(VemloScrn1->DrawBtn->isVisible());
    EXPECT_EQ(VemloScrn1->CanvasFontSize, 18);
}

// Menu items that depend on the mode follow the mode each time the window
// is shown again, whatever the previous mode hid.
TEST_F(MainWindowTest, ModeItemsFollowEverySwitchOfMode) {
    const char sequence[] = {'3', '1', '2', '3', '4', '3', '2', '1'};
    for (char m : sequence) {
        Pick(m);
        ExpectModeItems(kModes[m - '1']);
        VemloScrn1->Exit1->trigger();
        QApplication::processEvents();
    }
}

// With the window still open, picking another mode applies the defaults but
// only brings the window to the front: its layout stays that of the first mode.
TEST_F(MainWindowTest, PickingAModeWhileOpenKeepsTheLayout) {
    Pick('3');
    Pick('1');
    EXPECT_EQ(TheGraph().Choice, '1');
    EXPECT_EQ(VemloScrn1->windowTitle(), QString::fromLatin1(kModes[2].caption));
    EXPECT_EQ(GraphingRect(), kModes[2].graphing);
    ExpectModeItems(kModes[2]);
}

struct Placed {
    const char* name;
    const char* parent;
    QRect geometry;
};

TEST_F(MainWindowTest, ComponentsArePlacedAroundTheGraphingRectangle) {
    Pick('1');
    // Mode '1' on 1440 x 900: FRight 934, FLo 540, image at (157, 73) 776 wide.
    const Placed rows[] = {
        {"Panel2", "Client", {157, 43, 776, 25}},  {"Panel1", "Client", {64, 580, 554, 58}},
        {"Panel4", "Client", {40, 650, 627, 32}},  {"Panel3", "Client", {959, 73, 120, 128}},
        {"DrawBtn", "Client", {959, 510, 96, 20}}, {"DrawButn2", "Client", {16, 8, 88, 41}},
        {"Label1", "Panel1", {22, 8, 528, 30}},    {"Arrow1", "Panel3", {28, 80, 20, 20}},
        {"Arrow2", "Panel3", {48, 64, 20, 20}},    {"Arrow3", "Panel3", {48, 96, 20, 20}},
        {"Arrow4", "Panel3", {68, 80, 20, 20}},    {"Panel5", "Panel3", {5, 9, 48, 18}},
        {"Edit4", "Panel3", {64, 9, 49, 23}},      {"Label9", "Panel3", {13, 34, 40, 16}},
        {"Edit5", "Panel3", {63, 34, 50, 23}},     {"Label3", "Panel4", {10, 8, 90, 18}},
        {"Label8", "Panel4", {450, 8, 177, 18}},
    };
    for (const Placed& p : rows) {
        SCOPED_TRACE(p.name);
        QWidget* w = Find<QWidget>(VemloScrn1, p.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), QString::fromLatin1(p.parent));
        EXPECT_EQ(w->geometry(), p.geometry);
    }
    EXPECT_EQ(VemloScrn1->Panel5->text(), QStringLiteral("Theta ="));
    EXPECT_EQ(VemloScrn1->DrawButn2->text(), QStringLiteral("Draw"));
    EXPECT_EQ(VemloScrn1->DrawBtn->text(), QStringLiteral("Cancel Draw"));
    EXPECT_EQ(fromQColor(VemloScrn1->Panel3->palette().color(QPalette::Window)), 0xF0CAA6u);
    EXPECT_TRUE(VemloScrn1->DrawButn2->font().italic());
}

struct ScreenRow {
    QSize screen;
    QSize window;
    QRect mode1, mode2;
};

// The window is 90% by 80% of the screen, and the graphing rectangle follows
// the window's size.
TEST_F(MainWindowTest, WindowAndRectangleFollowTheScreen) {
    const ScreenRow rows[] = {
        {{1440, 900},
         {1296, 720},
         QRect(QPoint(156, 72), QPoint(934, 540)),
         QRect(QPoint(156, 72), QPoint(624, 540))},
        {{1280, 1024},
         {1152, 819},
         QRect(QPoint(138, 82), QPoint(829, 614)),
         QRect(QPoint(138, 82), QPoint(670, 614))},
        {{1920, 1080},
         {1728, 864},
         QRect(QPoint(207, 86), QPoint(1244, 648)),
         QRect(QPoint(207, 86), QPoint(769, 648))},
    };
    for (const ScreenRow& r : rows) {
        SCOPED_TRACE(r.screen.width());
        SetScreenSizeOverride(r.screen);
        for (char m : {'1', '2'}) {
            Pick(m);
            EXPECT_EQ(VemloScrn1->size(), r.window);
            EXPECT_EQ(GraphingRect(), m == '1' ? r.mode1 : r.mode2) << "mode " << m;
            EXPECT_EQ(TheGraph().DWidth, r.screen.width());
            EXPECT_EQ(TheGraph().DHeight, r.screen.height());
            VemloScrn1->Exit1->trigger();
        }
    }
}

// A screen too small for the window's parts still gives a laid-out window
// with its axes drawn as far as they fit.
TEST_F(MainWindowTest, TinyScreenStillLaysTheWindowOut) {
    for (QSize screen : {QSize(20, 10), QSize(1, 1)}) {
        SetScreenSizeOverride(screen);
        for (char m : {'1', '2', '3', '4'}) {
            Pick(m);
            EXPECT_TRUE(VemloScrn1->isVisible());
            EXPECT_GE(VemloScrn1->Image1->width(), 0);
            EXPECT_GE(VemloScrn1->Image1->height(), 0);
            VemloScrn1->Exit1->trigger();
        }
    }
}

TEST_F(MainWindowTest, ExitReturnsToTheStartMenu) {
    Pick('2');
    TheGraph().FunctionCalled = true;
    TheGraph().Drawing = true;
    TheGraph().Framing = true;
    VemloScrn1->Exit1->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(VemloScrn1->isVisible());
    EXPECT_TRUE(MainMenu1->isVisible());
    EXPECT_FALSE(TheGraph().FunctionCalled);
    EXPECT_FALSE(TheGraph().Drawing);
    EXPECT_FALSE(TheGraph().Framing);
    EXPECT_EQ(VemloScrn1->PicMap.width(), 0);
    EXPECT_EQ(VemloScrn1->PicMap.height(), 0);
    EXPECT_FALSE(VemloScrn1->Image1->hasPicture());
    // A new mode starts again from a laid-out window.
    Pick('1');
    EXPECT_EQ(VemloScrn1->PicMap.width(), 776);
    EXPECT_EQ(VemloScrn1->LMap.width(), 776 + 120);
    EXPECT_EQ(VemloScrn1->LMap.height(), 466 + 150);
}

}  // namespace
}  // namespace vemlo::testing
