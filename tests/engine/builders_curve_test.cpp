#include <utility>

#include "engine/Listing.h"
#include "tests/engine/builders_fixture.h"

namespace vemlo::test {
namespace {

using Op = RecordingCanvas::Op;

class CurveTest : public BuilderTest {
protected:
    void SetUp() override {
        SetMode('3');
        g.DColor = 0x00FF00;
        g.XFunc = "t";
        g.YFunc = "2*t";
        g.ZFunc = "t^2";
    }
    void Range(double t0, double t1, double step) {
        g.MinT = t0;
        g.MaxT = t1;
        g.Step = step;
    }
    /// Targets of every line drawn, the dot included.
    std::vector<PointType> Targets() const {
        std::vector<PointType> out;
        for (const auto& call : canvas.lines()) out.push_back(call.pts[0]);
        return out;
    }
};

TEST_F(CurveTest, CurveEndsAtTheLastAccumulatedStepNotAboveMaxT) {
    Range(0, 1, 0.3);
    canvas.setPenStyle(TPenStyle::DashDot);
    Draw();
    const double t3 = 0.3 + 0.3 + 0.3;
    const std::vector<PointType> expected = {Shape(g, 0, 0, 0), Shape(g, 0, 0, 0), Shape(g, 0.3, 0.6, 0.09),
                                             Shape(g, 0.6, 1.2, 0.36), Shape(g, t3, 2 * t3, t3 * t3)};
    EXPECT_EQ(Targets(), expected);
    for (const auto& call : canvas.lines()) EXPECT_EQ(call.pen, g.DColor);
    EXPECT_EQ(host.pumps, 4);
    const std::vector<std::string> listing = {
        "     0.000      0.000      0.000     0.0000", "     0.300      0.300      0.600     0.0900",
        "     0.600      0.600      1.200     0.3600", "     0.900      0.900      1.800     0.8100"};
    EXPECT_EQ(host.listing(), listing);
    // The pen keeps its style and the cursor is not touched.
    EXPECT_EQ(canvas.penStyle(), TPenStyle::DashDot);
    EXPECT_TRUE(host.cursors.empty());
}

TEST_F(CurveTest, EqualBoundsDrawADotAndListOneLine) {
    Range(2, 2, 0.1);
    Draw();
    EXPECT_EQ(Targets(), std::vector<PointType>(2, Shape(g, 2, 4, 4)));
    EXPECT_EQ(host.listing(), std::vector<std::string>{"     2.000      2.000      4.000     4.0000"});
}

TEST_F(CurveTest, AnErrorInXStopsThePlotAndErrorsInYOrZDoNot) {
    const struct {
        const char* x;
        const char* y;
        const char* z;
        bool stops;
    } rows[] = {
        {"SQRT(t)", "t", "t", true},
        {"t+*1", "t", "t", true},
        {"t", "SQRT(t)", "t", false},
        {"t", "t", "LN(t)", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.x);
        SetUp();
        canvas.clear();
        host = RecordingHost();
        g.XFunc = row.x;
        g.YFunc = row.y;
        g.ZFunc = row.z;
        Range(-1, 1, 0.5);
        Draw();
        EXPECT_EQ(g.FuncError, row.stops);
        if (row.stops) {
            EXPECT_EQ(canvas.lines().size(), 1u);  // only the dot at MinT
            EXPECT_EQ(host.pumps, 0);
            EXPECT_TRUE(host.listing().empty());
        } else {
            EXPECT_EQ(canvas.lines().size(), 6u);
            EXPECT_EQ(host.listing().size(), 5u);
        }
    }
}

// The listing walks t again after the plot; what the drawing leaves behind is
// what that walk leaves: t past the last listed point, and the flags of z at
// that point (which the window reads to offer fixing the function).
TEST_F(CurveTest, TheDrawingEndsWithTheStateTheListingWalkLeaves) {
    const struct {
        const char* z;
        bool funcError;
    } rows[] = {{"LN(1-t)", true}, {"LN(2-t)", false}, {"CUT(t)", false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.z);
        g.ZFunc = row.z;
        g.CutCalled = false;
        Range(-1, 1, 0.5);
        Draw();
        EXPECT_EQ(g.FuncError, row.funcError);
        EXPECT_EQ(g.MathError, row.funcError);
        EXPECT_EQ(g.T, 1.5);
        EXPECT_EQ(host.listing().size(), 5u);
    }
    EXPECT_TRUE(g.CutCalled);  // CUT(-1) was met on the way
}

// A curve of more points than a listing keeps is drawn whole; the listing
// stops at its limit, and t is left at the first point it did not list.
TEST_F(CurveTest, AListingFullBeforeTheCurveEndsLeavesTAtTheFirstPointNotListed) {
    struct Quiet : RecordingCanvas {
        void moveTo(int, int) override {}
        void lineTo(int, int) override {}
    } quiet;
    struct Keeps : RecordingHost {
        void setListing(ValueListing l) override { kept = std::move(l); }
        ValueListing kept;
    } keeps;
    g.ZFunc = "LN(-t)";       // a math error at every point
    Range(0, 125000.5, 0.125);  // 1,000,005 points, every t exact
    EvaluateF(g, quiet, keeps);
    EXPECT_EQ(keeps.pumps, 1000005);
    ASSERT_EQ(keeps.kept.size(), ValueListing::MaxLines);
    EXPECT_EQ(keeps.kept.line(ValueListing::MaxLines - 1),
              CurveLine(999999 * 0.125, 999999 * 0.125, 2 * 999999 * 0.125, 0));
    EXPECT_EQ(g.T, 1000000 * 0.125);
    EXPECT_TRUE(g.FuncError);
}

TEST_F(CurveTest, FailedPointsAreDrawnAtZero) {
    g.XFunc = "t";
    g.YFunc = "SQRT(t)";
    g.ZFunc = "0";
    Range(-1, 0, 1);
    Draw();
    EXPECT_EQ(Targets().back(), Shape(g, 0, 0, 0));
    EXPECT_EQ(Targets()[1], Shape(g, -1, 0, 0));
    EXPECT_EQ(host.listing()[0], "    -1.000     -1.000      0.000     0.0000");
}

TEST_F(CurveTest, CancelKeepsWhatWasDrawnAndListsNothing) {
    Range(0, 5, 0.1);
    CancelAtPump(3);
    Draw();
    EXPECT_TRUE(g.Drawing);
    EXPECT_EQ(canvas.lines().size(), 3u);  // the dot and two segments
    EXPECT_TRUE(host.listing().empty());
}

TEST_F(CurveTest, AStepLostNextToAHugeStartStillEnds) {
    Range(1e17, 1e17 + 100, 0.1);
    Draw();
    EXPECT_EQ(host.pumps, 1);
    EXPECT_EQ(host.listing().size(), 1u);
}

TEST_F(CurveTest, EvaluateFClearsTheListingAndTheStoreFirst) {
    g.Quads[1].Depth = 7;
    g.Quads[1].FillColor = 0x123456;
    Range(0, 1, 0.5);
    Draw();
    ASSERT_EQ(host.listings.size(), 2u);
    EXPECT_TRUE(host.listings[0].empty());
    EXPECT_EQ(g.Quads[1].Depth, 0);
    EXPECT_EQ(g.Quads[1].FillColor, g.AColor);

    host = RecordingHost();
    canvas.clear();
    g.Choice = '5';
    Draw();
    EXPECT_TRUE(canvas.calls().empty());
    EXPECT_EQ(host.listings, std::vector<std::vector<std::string>>{{}});
}

}  // namespace
}  // namespace vemlo::test
