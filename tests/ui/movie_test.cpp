#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>

#include "ui_fixture.h"
#include "engine/Movie.h"
#include "output/QImageCanvas.h"
#include "ui/Kit.h"
#include "ui/TImage.h"

namespace vemlo::testing {
namespace {

// Answers the next message box with OK, whenever it comes up, after a look
// at the window while the box is shown.
class MessageAnswer {
public:
    explicit MessageAnswer(std::function<void()> look = {}) : text_(std::make_shared<QString>()) {
        std::shared_ptr<QString> text = text_;
        QObject::connect(&timer_, &QTimer::timeout, [this, text, look] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            timer_.stop();
            *text = box->text();
            if (look) look();
            box->button(QMessageBox::Ok)->click();
        });
        timer_.start(2);
    }
    QString text() const { return *text_; }

private:
    QTimer timer_;
    std::shared_ptr<QString> text_;
};

// Presses Stop Movie once the movie has played for a while, after a look.
void StopAfter(int ms, std::function<void()> look) {
    QTimer::singleShot(ms, VemloScrn1, [look] {
        if (look) look();
        VemloScrn1->DrawBtn->click();
    });
}

int PixelsNotOf(const QImage& img, Color c, int margin) {
    int n = 0;
    for (int y = margin; y < img.height() - margin; ++y)
        for (int x = margin; x < img.width() - margin; ++x) n += fromQColor(img.pixelColor(x, y)) != c;
    return n;
}

class MovieUiTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        Pick('1');
        GraphState& G = TheGraph();
        G.SFunc = "(2*x^2+3*y^2)*Exp(1-x^2-y^2)";
        G.DeltaX = G.DeltaY = 10;
        G.NumOfFrames = 4;
    }
    void TearDown() override {
        TheGraph().FrameSpeed = 400;
        UiTest::TearDown();
    }
    static void Create() {
        MessageAnswer answer;
        VemloScrn1->Create1->trigger();
        EXPECT_EQ(answer.text(), "Movie Created..Click on Movie/Play");
    }
};

TEST_F(MovieUiTest, CreateBuildsTheFramesAndComesBackToTheDefaultView) {
    VemloScrn1->Arrow4->click();  // theta 40
    VemloScrn1->Arrow3->click();  // phi 50
    ASSERT_EQ(VemloScrn1->Edit4->text(), " 40.0");
    GraphState& G = TheGraph();
    G.Rho = 300;
    G.FunctionCalled = false;  // a movie needs no Draw first

    bool lockedWhileBuilding = false;
    G.Drawing = false;
    // Events run at every chance, so the watch sees the build however fast it is.
    VemloScrn1->Host1.setEventInterval(0);
    auto* caption = VemloScrn1->findChild<QLabel*>("BuildingFrames");
    ASSERT_NE(caption, nullptr);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (G.Framing && caption->isVisible() && !VemloScrn1->Play1->isEnabled() &&
            !VemloScrn1->DrawButn2->isEnabled())
            lockedWhileBuilding = true;
    });
    watch.start(1);
    QString edit4, edit5;
    MessageAnswer answer([&] {
        edit4 = VemloScrn1->Edit4->text();
        edit5 = VemloScrn1->Edit5->text();
    });
    VemloScrn1->Create1->trigger();
    watch.stop();
    VemloScrn1->Host1.setEventInterval(8);

    EXPECT_EQ(answer.text(), "Movie Created..Click on Movie/Play");
    EXPECT_EQ(edit4, "30");  // shown before the message
    EXPECT_EQ(edit5, "40");
    EXPECT_TRUE(lockedWhileBuilding);
    EXPECT_FALSE(caption->isVisible());
    EXPECT_FALSE(G.Framing);
    EXPECT_TRUE(VemloScrn1->Play1->isEnabled());
    EXPECT_EQ(G.Rho, 200);
    EXPECT_EQ(G.Dis, 120);
    for (int k = 1; k <= 4; ++k) EXPECT_NE(G.movieAt(k, 1).FillColor, G.AColor) << k;
    // The image holds the last frame, not the first.
    EXPECT_GT(PixelsNotOf(VemloScrn1->Image1->picture(), G.ColorBack, 2), 1000);

    VemloScrn1->Exit1->trigger();
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(G.movieAt(k, 1).FillColor, G.AColor) << k;
        EXPECT_EQ(G.movieAt(k, 1).Corners[1], PointType{}) << k;
    }
}

// Stop Movie is noticed during the pause: the loop ends at once, the frame
// on show stays and the button is Cancel Draw again.
TEST_F(MovieUiTest, StopMovieEndsThePlayAndLeavesTheLastFrame) {
    Create();
    GraphState& G = TheGraph();
    G.FrameSpeed = 800;

    QImage shown;
    bool playing = false;
    QElapsedTimer sinceStop;
    StopAfter(150, [&] {
        shown = VemloScrn1->Image1->picture();
        playing = G.Framing && VemloScrn1->DrawBtn->isVisible() && VemloScrn1->DrawBtn->isEnabled() &&
                  VemloScrn1->DrawBtn->text() == "Stop Movie" && !VemloScrn1->Create1->isEnabled() &&
                  !VemloScrn1->Edit7->isEnabled();
        sinceStop.start();
    });
    VemloScrn1->Play1->trigger();
    const qint64 stopping = sinceStop.elapsed();

    EXPECT_TRUE(playing);
    EXPECT_LT(stopping, 300);
    EXPECT_EQ(VemloScrn1->Image1->picture(), shown);
    EXPECT_GT(PixelsNotOf(shown, G.ColorBack, 2), 1000);  // a frame of the surface
    EXPECT_FALSE(VemloScrn1->DrawBtn->isVisible());
    EXPECT_EQ(VemloScrn1->DrawBtn->text(), "Cancel Draw");
    EXPECT_TRUE(VemloScrn1->Create1->isEnabled());
    EXPECT_TRUE(G.Drawing);
    EXPECT_FALSE(G.Framing);
}

// Frames that were never built are all-zero records: degenerate polygons at
// the image's origin, so the graph area stays in the background colour.
TEST_F(MovieUiTest, PlayBeforeAnyCreateShowsTheBackground) {
    GraphState& G = TheGraph();
    std::fill(G.Movie.begin(), G.Movie.end(), PolyRecord{});
    G.FrameSpeed = 0;
    StopAfter(100, {});
    VemloScrn1->Play1->trigger();
    EXPECT_EQ(PixelsNotOf(VemloScrn1->Image1->picture(), G.ColorBack, 2), 0);
}

}  // namespace
}  // namespace vemlo::testing
