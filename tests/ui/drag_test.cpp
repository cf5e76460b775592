// Turning the graph by hand: drags on the graphing image and the arrow keys,
// driven through the main window's own event handling.
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWindow>

#include "dialog_driver.h"
#include "engine/Settings.h"
#include "ui/DragTurn.h"
#include "ui/TImage.h"
#include "ui/ViewDlg.h"
#include "ui_fixture.h"

namespace vemlo::testing {
namespace {

constexpr double kPi = 3.141592653589793;

class DragTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        Pick('1');
        TheGraph().SFunc = "x*y/3";
    }

    static TImage* Image() { return VemloScrn1->Image1; }
    static DragTurn* Drag() { return VemloScrn1->Drag; }
    static double Degrees(double radians) { return radians * 180 / kPi; }

    // A mouse event at a point of the graphing image, as the window system
    // delivers it: to the window, which finds the image, gives it the focus
    // on a press and keeps sending it the pointer until the release.
    static void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held, bool post = false) {
        QWidget* top = VemloScrn1;
        const QPoint p = Image()->mapTo(top, at);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        auto* e = new QMouseEvent(type, p, top->mapToGlobal(p), button, held, Qt::NoModifier);
        if (post) {
            QCoreApplication::postEvent(top->windowHandle(), e);
            return;
        }
        QApplication::sendEvent(top->windowHandle(), e);
        delete e;
    }
    static void Press(QPoint at) { Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton); }
    static void MoveTo(QPoint at) { Mouse(QEvent::MouseMove, at, Qt::LeftButton); }
    static void Release(QPoint at) { Mouse(QEvent::MouseButtonRelease, at, Qt::NoButton); }

    /// Presses at `from`, moves by each step in turn, releases.
    static void DragBy(QPoint from, const std::vector<QPoint>& steps) {
        Press(from);
        QPoint at = from;
        for (const QPoint& s : steps) MoveTo(at += s);
        Release(at);
        QApplication::processEvents();
    }

    static void Key(int key) {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(VemloScrn1->windowHandle(), &e);
        QApplication::processEvents();
    }
};

struct DragRow {
    std::vector<QPoint> steps;
    double theta, phi;  // degrees afterwards
    const char *box4, *box5;
};

// Half a degree per pixel: right lowers theta, down lowers phi; theta wraps
// by whole turns, phi stops at the poles; the boxes show the angles 5:1.
TEST_F(DragTest, DragTurnsTheEyeByHalfADegreePerPixel) {
    const DragRow rows[] = {
        {{{20, 0}}, 20, 40, " 20.0", " 40.0"},
        {{{-10, 0}, {-10, 0}}, 40, 40, " 40.0", " 40.0"},
        {{{0, 20}}, 30, 30, " 30.0", " 30.0"},
        {{{3, -4}, {5, -6}}, 26, 45, " 26.0", " 45.0"},
        {{{70, 0}}, 355, 40, "355.0", " 40.0"},
        {{{0, 50}, {0, 50}, {0, -10}}, 30, 5, " 30.0", "  5.0"},  // stops at 0, then back
        {{{0, -300}}, 30, 180, " 30.0", "180.0"},
    };
    for (const DragRow& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.theta << "," << r.phi);
        Pick('1');
        DragBy({100, 100}, r.steps);
        const GraphState& G = TheGraph();
        EXPECT_NEAR(Degrees(G.Theta), r.theta, 1e-9);
        EXPECT_NEAR(Degrees(G.Phi), r.phi, 1e-9);
        EXPECT_EQ(VemloScrn1->Edit4->text(), QString::fromLatin1(r.box4));
        EXPECT_EQ(VemloScrn1->Edit5->text(), QString::fromLatin1(r.box5));
        EXPECT_FALSE(Drag()->Dragging());
    }
}

// After a drag the image is what Clear Screen and Draw give at the same
// angles; before any Draw, a drag turns the frame and the axes only.
TEST_F(DragTest, ImageAfterADragIsAFreshDrawingAtTheNewAngles) {
    for (bool drawn : {false, true}) {
        SCOPED_TRACE(drawn ? "after Draw" : "before Draw");
        VemloScrn1->Exit1->trigger();
        Pick('1');
        TheGraph().SFunc = "x*y/3";
        if (drawn) VemloScrn1->DrawButn2->click();
        DragBy({50, 60}, {{15, 0}, {0, -12}, {-4, 3}});
        const QImage dragged = Image()->picture();
        const QImage pictures = VemloScrn1->PicMap.image();
        VemloScrn1->ClearScreen1->trigger();
        if (drawn) VemloScrn1->DrawButn2->click();
        const QImage fresh = Image()->picture();
        ASSERT_EQ(dragged.size(), fresh.size());
        EXPECT_TRUE(dragged == fresh) << "the dragged image differs from a fresh drawing";
        EXPECT_EQ(pictures.size(), fresh.size()) << "the pictures were composed";
        int painted = 0;
        for (int y = 0; y < fresh.height(); ++y)
            for (int x = 0; x < fresh.width(); ++x)
                painted += fromQColor(fresh.pixelColor(x, y)) != TheGraph().BColor;
        if (drawn)
            EXPECT_GT(painted, fresh.width() * fresh.height() / 10);
        else
            EXPECT_LT(painted, fresh.width() * fresh.height() / 20);
    }
}

// Moves that arrive while a redraw runs only change the wanted angles: one
// more redraw follows, at the sum of all moves, and the release during the
// redraw leaves the last view.
TEST_F(DragTest, MovesDuringARedrawCoalesceIntoOneMoreRedraw) {
    VemloScrn1->DrawButn2->click();
    const int before = Drag()->Redraws();
    Press({100, 100});
    EXPECT_EQ(Image()->cursor().shape(), Qt::ClosedHandCursor);
    // Queued now, delivered while the first move's redraw processes events.
    for (int i = 1; i <= 5; ++i) Mouse(QEvent::MouseMove, {100 - 2 - 4 * i, 100}, Qt::LeftButton, true);
    Mouse(QEvent::MouseButtonRelease, {78, 100}, Qt::NoButton, true);
    MoveTo({98, 100});
    EXPECT_EQ(Drag()->Redraws() - before, 2);
    EXPECT_FALSE(Drag()->Dragging());
    EXPECT_EQ(Image()->cursor().shape(), Qt::OpenHandCursor);
    const GraphState& G = TheGraph();
    EXPECT_NEAR(Degrees(G.Theta), 41, 1e-9);  // 22 pixels left; the release adds no move
    EXPECT_EQ(VemloScrn1->Edit4->text(), QStringLiteral(" 41.0"));
    EXPECT_TRUE(VemloScrn1->DrawButn2->isEnabled());
    QApplication::processEvents();
    EXPECT_EQ(Drag()->Redraws() - before, 2) << "nothing queued behind the drag";

    // A move and its way back during a redraw leave nothing to redraw.
    Press({100, 100});
    Mouse(QEvent::MouseMove, {110, 100}, Qt::LeftButton, true);
    Mouse(QEvent::MouseMove, {100, 100}, Qt::LeftButton, true);
    MoveTo({100, 101});
    Release({100, 101});
    EXPECT_EQ(Drag()->Redraws() - before, 3);
}

// A click gives the image the focus; then the arrow keys press the compass
// arrows, one turn of 10 degrees each.
TEST_F(DragTest, ArrowKeysOfTheFocusedImagePressTheCompassArrows) {
    EXPECT_EQ(Image()->cursor().shape(), Qt::OpenHandCursor);
    Press({10, 10});
    Release({10, 10});
    ASSERT_EQ(VemloScrn1->focusWidget(), Image());
    QLineEdit* const theta = VemloScrn1->Edit4;
    QLineEdit* const phi = VemloScrn1->Edit5;
    const struct {
        int key;
        QLineEdit* box;
        const char* text;
    } rows[] = {
        {Qt::Key_Left, theta, " 20.0"},
        {Qt::Key_Right, theta, " 30.0"},
        {Qt::Key_Up, phi, " 30.0"},
        {Qt::Key_Down, phi, " 40.0"},
    };
    for (const auto& r : rows) {
        Key(r.key);
        EXPECT_EQ(r.box->text(), QString::fromLatin1(r.text)) << r.key;
    }
    const GraphState& G = TheGraph();
    EXPECT_NEAR(Degrees(G.Theta), 30, 1e-9);
    EXPECT_NEAR(Degrees(G.Phi), 40, 1e-9);
    Key(Qt::Key_A);
    EXPECT_NEAR(Degrees(G.Theta), 30, 1e-9);
}

// While a drawing runs or a modal dialog is up, drags and keys do nothing.
TEST_F(DragTest, NothingHappensWhileADrawingOrADialogRuns) {
    GraphState& G = TheGraph();
    const double theta = G.Theta, phi = G.Phi;
    const int before = Drag()->Redraws();
    Press({10, 10});
    Release({10, 10});
    // Queued now, delivered while Draw builds the surface.
    Mouse(QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton, true);
    Mouse(QEvent::MouseMove, {140, 60}, Qt::LeftButton, true);
    QCoreApplication::postEvent(Image(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier));
    Mouse(QEvent::MouseMove, {180, 20}, Qt::LeftButton, true);
    VemloScrn1->DrawButn2->click();
    QApplication::processEvents();
    EXPECT_EQ(G.Theta, theta);
    EXPECT_EQ(G.Phi, phi);
    EXPECT_FALSE(Drag()->Dragging());
    EXPECT_EQ(Image()->cursor().shape(), Qt::OpenHandCursor);
    Mouse(QEvent::MouseButtonRelease, {180, 20}, Qt::NoButton);

    const auto look = [](QDialog&) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(50, 50), QPointF(50, 50), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(VemloScrn1->Image1, &press);
        QMouseEvent move(QEvent::MouseMove, QPointF(90, 90), QPointF(90, 90), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(VemloScrn1->Image1, &move);
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QApplication::sendEvent(VemloScrn1->Image1, &key);
    };
    {
        ModalAnswer a(ViewDlg, {}, false, look);
        VemloScrn1->View1->trigger();
        EXPECT_TRUE(a.shown());
    }
    EXPECT_EQ(G.Theta, theta);
    EXPECT_EQ(G.Phi, phi);
    EXPECT_EQ(Drag()->Redraws(), before);
}

}  // namespace
}  // namespace vemlo::testing
