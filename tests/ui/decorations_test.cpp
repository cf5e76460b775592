// The Plane, Line and Box menus of the main window, and the decorations
// redrawn with the graph by Draw and the arrows.
#include <QMessageBox>
#include <QTimer>
#include <cmath>
#include <memory>

#include "dialog_driver.h"
#include "ui_fixture.h"
#include "engine/View.h"
#include "ui/Kit.h"
#include "ui/Eqn1Dlg.h"
#include "ui/LineDlg.h"
#include "ui/PlaneDlg.h"
#include "ui/TImage.h"
#include "ui/ViewDlg.h"

namespace vemlo::testing {
namespace {

constexpr Color kRed = 0x0000FF, kLime = 0x00FF00;

// Answers every message box that comes up while it lives, keeping the texts.
class MessageAnswer {
public:
    MessageAnswer() : texts_(std::make_shared<QStringList>()) {
        timer_.setInterval(2);
        auto texts = texts_;
        QObject::connect(&timer_, &QTimer::timeout, [texts] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            *texts << box->text();
            box->button(QMessageBox::Ok)->click();
        });
        timer_.start();
    }
    QStringList texts() const { return *texts_; }

private:
    QTimer timer_;
    std::shared_ptr<QStringList> texts_;
};

Color PixelAt(const QImage& img, PointType p) {
    if (p.x < 0 || p.y < 0 || p.x >= img.width() || p.y >= img.height()) return 0xFFFFFFFFu;
    return fromQColor(img.pixelColor(p.x, p.y));
}

int Count(const QImage& img, Color c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += PixelAt(img, {x, y}) == c;
    return n;
}

// Share of the pixels on the run from a to b (ends left out) that have colour c.
double ShareOfColour(const QImage& img, PointType a, PointType b, Color c) {
    const int n = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
    int hits = 0, total = 0;
    for (int k = 2; k < n - 2; ++k, ++total) {
        const PointType p{static_cast<int>(std::lround(a.x + (b.x - a.x) * double(k) / n)),
                          static_cast<int>(std::lround(a.y + (b.y - a.y) * double(k) / n))};
        hits += PixelAt(img, p) == c;
    }
    return total ? double(hits) / total : 0.0;
}

class DecorationsTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        Pick('1');
        G().DColor = kRed;  // apart from the ticks and letters
        G().MinX = G().MinY = -2;
        G().MaxX = G().MaxY = 2;
        ModalAnswer a(EqnDlg, {{"Edit1", "x^2+y^2"}});
        VemloScrn1->Function1->trigger();
        ASSERT_TRUE(a.shown());
    }
    void TearDown() override {
        VemloScrn1->DrawBox1->setChecked(false);
        UiTest::TearDown();
    }

    static GraphState& G() { return TheGraph(); }
    static QImage Picture() { return VemloScrn1->Image1->picture(); }
    static PointType At(double x, double y, double z) { return Shape(G(), x, y, z); }
    static void Draw() {
        VemloScrn1->DrawButn2->click();
        QApplication::processEvents();
    }
    static void EditPlane(std::map<std::string, QString> typed, bool ok = true) {
        ModalAnswer a(PlaneDlg, std::move(typed), ok);
        Item("Edit2")->trigger();
        EXPECT_TRUE(a.shown());
    }
    static void EditLine(std::map<std::string, QString> typed, ModalAnswer::Look look = {}) {
        ModalAnswer a(LineDlg, std::move(typed), true, std::move(look));
        Item("Edit3")->trigger();
        EXPECT_TRUE(a.shown());
    }
    static void OpenBoxMenu() {
        emit VemloScrn1->Box1->aboutToShow();
        QApplication::processEvents();
    }
    /// Whether colour c is within a pixel of p.
    static bool Near(const QImage& img, PointType p, Color c) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (PixelAt(img, {p.x + dx, p.y + dy}) == c) return true;
        return false;
    }
    /// Pixels inside the projected square of half-size 0.4 at height 2.
    static double SquareArea() {
        const PointType q[4] = {At(-0.4, -0.4, 2), At(0.4, -0.4, 2), At(0.4, 0.4, 2), At(-0.4, 0.4, 2)};
        double a = 0;
        for (int i = 0; i < 4; ++i)
            a += double(q[i].x) * q[(i + 1) % 4].y - double(q[(i + 1) % 4].x) * q[i].y;
        return std::fabs(a) / 2;
    }
    /// Plane data: the horizontal square at height 2; line data: a chord above the surface.
    static void EnterPlaneAndLine() {
        EditPlane({{"Edit3", "2"}, {"Edit6", "1"}});
        EditLine({{"Edit1", "-3"},
                  {"Edit2", "-3"},
                  {"Edit3", "9"},
                  {"Edit4", "3"},
                  {"Edit5", "-3"},
                  {"Edit6", "9"}});
    }
};

TEST_F(DecorationsTest, PlaneEditDrawsNothingThenDrawPaintsTheSquareAndTheLimeDot) {
    Draw();
    const QImage drawn = Picture();
    EditPlane({{"Edit3", "2"}, {"Edit6", "1"}});
    EXPECT_TRUE(G().PlaneFlag);
    EXPECT_FALSE(G().PlaneDraw);
    EXPECT_EQ(Picture(), drawn) << "editing alone draws nothing";

    Item("Draw2")->trigger();
    const QImage img = Picture();
    EXPECT_TRUE(G().PlaneDraw);
    EXPECT_TRUE(Near(img, At(0, 0, 2), kLime));
    EXPECT_GT(Count(img, kRed), 0.8 * SquareArea());
    EXPECT_EQ(VemloScrn1->PicMap.image(), img) << "the pictures are composed afterwards";

    // Editing switches the plane off: the next Draw paints the graph alone.
    EditPlane({}, false);
    EXPECT_FALSE(G().PlaneDraw);
}

TEST_F(DecorationsTest, PlaneDrawWithoutDataAsksForItAtEveryDraw) {
    MessageAnswer answer;
    Item("Draw2")->trigger();
    Draw();
    EXPECT_EQ(answer.texts(),
              QStringList({"Enter data for the plane first", "Enter data for the plane first"}));
    EXPECT_EQ(Count(Picture(), kLime), 0);
}

TEST_F(DecorationsTest, LineOkWithoutChangesLeavesNoPointsThenTheFirstEditDrawsTheDiagonal) {
    {
        MessageAnswer answer;
        EditLine({});
        Item("Draw3")->trigger();
        EXPECT_EQ(answer.texts(), QStringList{"Enter points for the line first"});
    }
    EditLine({{"Edit4", "1"}, {"Edit5", "1"}, {"Edit6", "1"}});
    EXPECT_TRUE(G().LineFlag);
    Item("Draw3")->trigger();
    EXPECT_TRUE(G().LineDraw);
    EXPECT_GT(ShareOfColour(Picture(), At(0, 0, 0), At(1, 1, 1), kRed), 0.9);

    EditLine({}, [](QDialog& d) {
        EXPECT_EQ(d.findChild<QLineEdit*>("Edit4")->text(), " 1.00");
        EXPECT_EQ(d.findChild<QLineEdit*>("Edit1")->text(), " 0.00");
    });
    EXPECT_FALSE(G().LineDraw) << "editing switches the line off";
}

TEST_F(DecorationsTest, BoxMenuMeasuresAlwaysAndDrawsOnlyWhileDrawBoxIsChecked) {
    Draw();
    const QImage drawn = Picture();
    OpenBoxMenu();
    EXPECT_NEAR(G().MinZ, 2 * (2.0 / 15) * (2.0 / 15), 1e-12);
    EXPECT_DOUBLE_EQ(G().MaxZ, 8);
    EXPECT_EQ(Picture(), drawn);

    Item("DrawBox1")->trigger();
    EXPECT_TRUE(Item("DrawBox1")->isChecked());
    EXPECT_EQ(Picture(), drawn) << "checking draws nothing";
    OpenBoxMenu();
    const QImage boxed = Picture();
    EXPECT_GT(ShareOfColour(boxed, At(2, 2, 8), At(2, -2, 8), kRed), 0.9);
    EXPECT_GT(ShareOfColour(boxed, At(-2, 2, G().MinZ), At(-2, 2, 8), kRed), 0.9);
    EXPECT_EQ(VemloScrn1->PicMap.image(), boxed);
}

TEST_F(DecorationsTest, ViewDialogSwitchesPlaneAndLineOff) {
    EnterPlaneAndLine();
    Item("Draw2")->trigger();
    Item("Draw3")->trigger();
    ASSERT_TRUE(G().PlaneDraw && G().LineDraw);
    {
        ModalAnswer a(ViewDlg, {{"Edit1", "50"}});
        VemloScrn1->View1->trigger();
    }
    EXPECT_FALSE(G().PlaneDraw);
    EXPECT_FALSE(G().LineDraw);
    Draw();
    EXPECT_EQ(Count(Picture(), kLime), 0);
    EXPECT_EQ(Count(Picture(), kRed), 0);
}

TEST_F(DecorationsTest, DrawAndEveryArrowRedrawSurfacePlaneLineAndBox) {
    EnterPlaneAndLine();
    Item("Draw2")->trigger();
    Item("Draw3")->trigger();
    Item("DrawBox1")->trigger();
    QAbstractButton* const arrows[] = {VemloScrn1->Arrow1, VemloScrn1->Arrow2, VemloScrn1->Arrow3,
                                       VemloScrn1->Arrow4};
    for (int k = -1; k < 4; ++k) {
        SCOPED_TRACE(k < 0 ? std::string("Draw") : "arrow " + std::to_string(k + 1));
        if (k < 0)
            Draw();
        else
            arrows[k]->click();
        QApplication::processEvents();
        const QImage img = Picture();
        EXPECT_TRUE(Near(img, At(0, 0, 2), kLime));
        EXPECT_GT(Count(img, kRed), 0.8 * SquareArea());
        EXPECT_GT(ShareOfColour(img, At(-3, -3, 9), At(3, -3, 9), kRed), 0.8);
        EXPECT_GT(ShareOfColour(img, At(2, 2, 8), At(-2, 2, 8), kRed), 0.8);
        EXPECT_GT(ShareOfColour(img, At(-2, -2, G().MinZ), At(2, -2, G().MinZ), kRed), 0.8);
    }
}

}  // namespace
}  // namespace vemlo::testing
