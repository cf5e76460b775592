#include <QCursor>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTimer>

#include "output/QImageCanvas.h"
#include "ui/FuncVals.h"
#include "ui/TImage.h"
#include "ui_fixture.h"

namespace vemlo::testing {
namespace {

using HelpTest = UiTest;

TEST_F(HelpTest, HelpOpensBesideTheWindowAndCloses) {
    Pick('1');
    VemloScrn1->VemloHelp1->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(HelpDlg->isVisible());
    EXPECT_FALSE(HelpDlg->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(HelpDlg->windowTitle(), QStringLiteral("Vemlo Help"));
    EXPECT_EQ(HelpDlg->size(), QSize(497, 430));
    EXPECT_EQ(fromQColor(HelpDlg->palette().color(QPalette::Window)), 0xF0CAA6u);
    EXPECT_FALSE(HelpDlg->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(HelpDlg->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(HelpDlg->windowFlags() & Qt::WindowCloseButtonHint);

    EXPECT_EQ(HelpDlg->FHelp->geometry(), QRect(24, 27, 440, 341));
    EXPECT_TRUE(HelpDlg->FHelp->isReadOnly());
    EXPECT_EQ(HelpDlg->CloseBtn->geometry(), QRect(144, 376, 93, 22));
    EXPECT_EQ(HelpDlg->CloseBtn->text(), QStringLiteral("Close"));

    // The main window keeps working while the help is open.
    VemloScrn1->ClearScreen1->trigger();
    EXPECT_TRUE(HelpDlg->isVisible());

    HelpDlg->CloseBtn->click();
    QApplication::processEvents();
    EXPECT_FALSE(HelpDlg->isVisible());
    EXPECT_TRUE(VemloScrn1->isVisible());
}

// The outline of the help text, section by section, in this order.
TEST_F(HelpTest, HelpTextFollowsItsOutline) {
    const QString text = HelpDlg->FHelp->toPlainText();
    const char* headings[] = {"1. ENTERING YOUR FUNCTIONS",
                              "Reserved Constants:",
                              "Arithmetic Operations:",
                              "Built-In Functions:",
                              "Further Examples:",
                              "2. OPTIONS FROM THE MAIN MENU",
                              "1. Rectangular coordinates:",
                              "OPENING GRAPHS:",
                              "SAVING GRAPHS",
                              "SCREENSHOTS ON THE MAC",
                              "2. Cylindrical Coordinates:",
                              "3. Curves in 3-Space:",
                              "4. 2-Parameter Surfaces:"};
    int from = 0;
    for (const char* h : headings) {
        const int at = text.indexOf(QString::fromLatin1(h), from);
        EXPECT_GE(at, 0) << h << " missing or out of order";
        if (at >= 0) from = at;
    }
    const char* functions[] = {"Abs", "ATan", "Sin", "ASin", "Cos",   "ACos",  "Tan", "Sinh", "Cosh", "Exp",
                               "Ln",  "Log",  "Sqr", "Sqrt", "Round", "Trunc", "Int", "Un",   "Cut"};
    const int table = text.indexOf(QStringLiteral("Built-In Functions:"));
    const int end = text.indexOf(QStringLiteral("Further Examples:"));
    for (const char* f : functions) {
        const QRegularExpression entry(QStringLiteral("\n  %1 ").arg(QString::fromLatin1(f)));
        const int at = text.indexOf(entry, table);
        EXPECT_TRUE(at > table && at < end) << f;
    }
    EXPECT_TRUE(text.contains(QStringLiteral("10 degree")));
    EXPECT_GT(HelpLines().size(), 150);
}

TEST(QtHostTest, BusyCursorIsSetOnceAndDefaultRemovesItWholly) {
    QtHost host;
    host.setCursor(CursorKind::Busy);
    host.setCursor(CursorKind::Busy);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    host.setCursor(CursorKind::Default);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    host.setCursor(CursorKind::Default);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtHostTest, ProcessMessagesRunsPendingEvents) {
    QtHost host;
    bool ran = false;
    QTimer::singleShot(0, [&ran] { ran = true; });
    host.processMessages();
    EXPECT_TRUE(ran);
}

// A drawing asks for events at every step; they run only once the interval
// has passed since the last pass, so the steps are not slowed by a pass each.
TEST(QtHostTest, ProcessMessagesRunsEventsOncePerInterval) {
    QtHost host;
    host.setEventInterval(300);
    host.processMessages();
    QElapsedTimer since;
    since.start();
    int ran = 0;
    QTimer::singleShot(0, [&ran] { ++ran; });
    for (int i = 0; i < 1000; ++i) host.processMessages();
    if (since.elapsed() < 290) {
        EXPECT_EQ(ran, 0);
    }
    while (ran == 0 && since.elapsed() < 5000) host.processMessages();
    EXPECT_EQ(ran, 1);
    EXPECT_GE(since.elapsed(), 290);
}

class PaintCount : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

// A long drawing processes events between its steps: what it has drawn so
// far must reach the screen then, not only when the drawing ends.
TEST_F(HelpTest, ProcessingEventsShowsTheDrawingSoFar) {
    Pick('1');
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    PaintCount count;
    VemloScrn1->Image1->installEventFilter(&count);
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 200) VemloScrn1->Host1.processMessages();
    VemloScrn1->Image1->removeEventFilter(&count);
    EXPECT_GE(count.paints, 1);
}

TEST(QtHostTest, ListingGoesToTheMainWindowsSink) {
    VemloScrn1->Host1.setListing(ValueListing::FromLines({"1 2 3", "4 5 6"}));
    EXPECT_EQ(VemloScrn1->Listing->lines(), (std::vector<std::string>{"1 2 3", "4 5 6"}));
    EXPECT_EQ(FuncList->Lines(), (std::vector<std::string>{"1 2 3", "4 5 6"}));
    QtHost bare;
    bare.setListing(ValueListing::FromLines({"ignored"}));
    std::vector<std::string> got;
    bare.setListingSink([&got](std::shared_ptr<const ValueListing> l) { got = l->lines(); });
    bare.setListing(ValueListing::FromLines({"x"}));
    EXPECT_EQ(got, std::vector<std::string>{"x"});
}

// A movie lists every frame it builds; only the last listing reaches the window.
TEST(QtHostTest, HeldListingsSendOnlyTheLastWhenReleased) {
    QtHost host;
    std::vector<std::vector<std::string>> got;
    host.setListingSink([&got](std::shared_ptr<const ValueListing> l) { got.push_back(l->lines()); });
    host.holdListings(true);
    host.setListing(ValueListing::FromLines({"frame 1"}));
    host.setListing(ValueListing::FromLines({"frame 2"}));
    EXPECT_TRUE(got.empty());
    host.holdListings(false);
    EXPECT_EQ(got, (std::vector<std::vector<std::string>>{{"frame 2"}}));
    host.holdListings(true);
    host.holdListings(false);  // nothing listed meanwhile: nothing sent
    host.setListing(ValueListing::FromLines({"draw"}));
    EXPECT_EQ(got.size(), 2u);
}

// The pause repaints the image, lets events run for its length, and ends at
// the first look after the flag it watches is cleared.
TEST(QtHostTest, PauseRunsEventsForItsLengthOrUntilTheFlagClears) {
    QWidget target;
    target.resize(20, 20);
    target.show();
    QApplication::processEvents();
    PaintCount paints;
    target.installEventFilter(&paints);
    QtHost host;
    host.setRepaintTarget(&target);

    bool going = true;
    int fired = 0;
    QTimer::singleShot(20, [&fired] { ++fired; });
    QElapsedTimer t;
    t.start();
    host.pause(120, going);
    EXPECT_GE(t.elapsed(), 115);
    EXPECT_EQ(fired, 1);
    EXPECT_GE(paints.paints, 1);

    QTimer::singleShot(30, [&going] { going = false; });
    t.start();
    host.pause(2000, going);
    EXPECT_LT(t.elapsed(), 500);

    t.start();
    host.pause(2000, going);  // already cleared: one pass only
    EXPECT_LT(t.elapsed(), 100);
    target.removeEventFilter(&paints);
}

TEST(QtHostTest, MessageIsAPlainBoxWithOk) {
    QtHost host(VemloScrn1);
    QString shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    host.message("File does not exist.");
    EXPECT_EQ(shown, QStringLiteral("File does not exist."));
}

}  // namespace
}  // namespace vemlo::testing
