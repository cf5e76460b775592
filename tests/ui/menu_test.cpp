#include <QMenuBar>

#include "ui_fixture.h"

namespace vemlo::testing {
namespace {

using MenuTest = UiTest;

struct MenuRow {
    const char* name;
    const char* caption;
    const char* menu;  // object name of the menu that holds it ("MainMenu1": the bar)
    bool enabled;      // false: the command is not available yet
};

// Every menu and item in menu order, with its caption.
const MenuRow kMenu[] = {
    {"File1", "File", "MainMenu1", true},
    {"ListFunctionValues1", "List Function Values", "File1", true},
    {"PreviousFunctions1", "Previous Functions", "File1", false},
    {"OpenGraph1", "Open Graph", "File1", true},
    {"SaveGraph1", "Save Graph", "File1", true},
    {"SaveFullGraph1", "Save Full Graph", "SaveGraph1", true},
    {"SaveOnlyInsideRectangle1", "Save Only Inside Rectangle", "SaveGraph1", true},
    {"ExportVectorGraph1", "Export Vector Graph...", "SaveGraph1", true},
    {"PrintGraph1", "Print Graph", "File1", true},
    {"PrinterSetUp1", "Printer SetUp", "File1", true},
    {"Exit1", "Exit", "File1", true},
    {"Edit1", "Edit", "MainMenu1", true},
    {"CopyGraph1", "Copy Graph", "Edit1", true},
    {"PasteGraph1", "Paste Graph", "Edit1", true},
    {"Parameters1", "Parameters", "Edit1", true},
    {"Domain1", "Domain", "Edit1", true},
    {"Curves1", "Curves", "Edit1", true},
    {"Step1", "Step", "Edit1", true},
    {"Colors2", "Colors", "Edit1", true},
    {"Colors1", "Surface Colors", "Edit1", true},
    {"GraphTitle1", "Graph Title", "Edit1", true},
    {"ClearScreen1", "Clear Screen", "Edit1", true},
    {"Function2", ".Function", "MainMenu1", true},
    {"Function1", "Enter Function", "Function2", true},
    {"Axes1", "Axes", "MainMenu1", true},
    {"ChangeAxes1", "Change Axes", "Axes1", true},
    {"DrawAxes1", "Draw Axes", "Axes1", true},
    {"View2", "View", "MainMenu1", true},
    {"View1", "Change View", "View2", true},
    {"Plane1", "Plane", "MainMenu1", true},
    {"Draw2", "Draw", "Plane1", true},
    {"Edit2", "Edit", "Plane1", true},
    {"Line1", "Line", "MainMenu1", true},
    {"Draw3", "Draw", "Line1", true},
    {"Edit3", "Edit", "Line1", true},
    {"Box1", "Box", "MainMenu1", true},
    {"DrawBox1", "Draw Box", "Box1", true},
    {"Contours1", "Contours", "MainMenu1", true},
    {"Draw4", "Draw", "Contours1", true},
    {"Edit6", "Edit", "Contours1", true},
    {"Movie1", "Movie", "MainMenu1", true},
    {"Create1", "Create", "Movie1", true},
    {"Play1", "Play", "Movie1", true},
    {"Edit7", "Edit", "Movie1", true},
    {"Samples1", "Samples", "MainMenu1", true},
    {"VemloHelp1", "VemloHelp", "MainMenu1", true},
};

// The actions of a menu (or the bar) in order, separators left out.
QList<QAction*> Entries(QWidget* menu) {
    QList<QAction*> out;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) out << a;
    return out;
}

TEST_F(MenuTest, EveryItemHasItsCaptionPlaceAndState) {
    QHash<QString, int> position;
    for (const MenuRow& r : kMenu) {
        SCOPED_TRACE(r.name);
        QAction* a = Item(r.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), QString::fromLatin1(r.caption));
        // A hidden item counts as disabled; its own state shows once it is shown.
        const bool shown = a->isVisible();
        a->setVisible(true);
        EXPECT_EQ(a->isEnabled(), r.enabled);
        a->setVisible(shown);
        QWidget* holder = Find<QWidget>(VemloScrn1, r.menu);
        ASSERT_NE(holder, nullptr);
        const QList<QAction*> entries = Entries(holder);
        const int at = position[QString::fromLatin1(r.menu)]++;
        ASSERT_LT(at, entries.size());
        EXPECT_EQ(entries[at], a) << "item " << at << " of " << r.menu;
    }
    // Nothing else hides in the menus.
    for (auto it = position.cbegin(); it != position.cend(); ++it)
        EXPECT_EQ(Entries(Find<QWidget>(VemloScrn1, it.key().toLatin1().constData())).size(), it.value())
            << it.key().toStdString();
}

TEST_F(MenuTest, SeparatorsAndHiddenItemStayInPlace) {
    Pick('1');
    EXPECT_FALSE(Item("PreviousFunctions1")->isVisible());
    const QStringList file = [] {
        QStringList l;
        for (QAction* a : VemloScrn1->File1->actions())
            l << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return l;
    }();
    EXPECT_EQ(file, (QStringList{"List Function Values", "Previous Functions", "-", "Open Graph",
                                 "Save Graph", "-", "Print Graph", "Printer SetUp", "Exit"}));
    int separators = 0;
    for (QAction* a : VemloScrn1->Edit1->actions()) separators += a->isSeparator();
    EXPECT_EQ(separators, 2);
}

// The check mark of Draw Box is the switch of the bounding box. It starts
// unchecked, each click toggles it, and a new mode leaves it as it is.
TEST_F(MenuTest, DrawBoxIsACheckSwitchThatOnlyItsClickChanges) {
    Pick('1');
    QAction* box = Item("DrawBox1");
    ASSERT_TRUE(box->isCheckable());
    EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(box->isEnabled());
    box->trigger();
    EXPECT_TRUE(box->isChecked());
    VemloScrn1->Exit1->trigger();
    Pick('2');
    EXPECT_TRUE(box->isChecked());
    box->trigger();
    EXPECT_FALSE(box->isChecked());
}

}  // namespace
}  // namespace vemlo::testing
