#include "engine/Movie.h"

#include <cmath>
#include <limits>

#include "engine/Numeric.h"
#include "tests/engine/builders_fixture.h"

namespace vemlo::test {
namespace {

using Op = RecordingCanvas::Op;

bool Same(const PolyRecord& a, const PolyRecord& b) {
    return a.Corners == b.Corners && a.Depth == b.Depth && a.FillColor == b.FillColor &&
           a.PenStyle == b.PenStyle;
}

class MovieTest : public BuilderTest {
protected:
    void SetUp() override {
        SetMode('1');
        g.SFunc = "(2*x^2+3*y^2)*Exp(1-x^2-y^2)";
        g.DeltaX = g.DeltaY = 6;
    }

    /// Frame k's facet j gets the fill colour 100 k + j, frames 1..frames.
    void NumberFrames(int frames) {
        for (int k = 1; k <= frames; ++k)
            for (int j = 1; j <= MaxQuads; ++j) g.movieAt(k, j).FillColor = static_cast<Color>(100 * k + j);
    }

    /// Plays until Stop Movie is pressed during the pause after the given frame.
    void PlayFrames(int frames) {
        host.onPause = [this, frames](int pause) {
            if (pause == frames) g.Drawing = !g.Drawing;
        };
        PlayMovie(g, canvas, host);
    }
};

TEST(MovieCountTest, FacetCountIsTheRoundedGridCappedAtTheStore) {
    struct Case {
        double dx, dy;
        int n;
    } cases[] = {
        {80, 80, 6400},  // 81 x 81 = 6561 is more than the store holds
        {15, 15, 256},
        {1.5, 0, 2},  // 2.5 rounds to even
        {2.5, 0, 4},
        {0, 0, 1},
        {-1, 5, 0},
        {-3, 5, 0},
        {std::numeric_limits<double>::quiet_NaN(), 4, 0},
        {std::numeric_limits<double>::infinity(), 4, 6400},
    };
    for (const Case& c : cases) {
        GraphState g;
        g.DeltaX = c.dx;
        g.DeltaY = c.dy;
        EXPECT_EQ(FacetCount(g), c.n) << c.dx << " x " << c.dy;
    }
}

// Each frame is the surface drawn at its own angle with the fit taken at the
// start: frame k equals a drawing at start + (k - 1) * 22.5 degrees.
TEST_F(MovieTest, SixteenFramesStepThetaByTwentyTwoAndAHalfDegrees) {
    g.Theta = static_cast<double>(PiL * 75 / 180);
    g.Phi = static_cast<double>(PiL * 60 / 180);
    g.Rho = 50;
    g.Dis = 90;
    View();
    const GraphState start = g;
    ASSERT_FALSE(g.FunctionCalled);  // a movie needs no Draw before it
    ASSERT_EQ(g.NumOfFrames, 16);

    std::vector<double> built;  // the angle each frame was drawn at
    host.onPump = [this, &built](int) {
        if (g.FrameNo > static_cast<int>(built.size())) built.push_back(g.Theta);
    };
    CreateMovie(g, canvas, host);

    ASSERT_EQ(built.size(), 16u);
    for (int k = 1; k <= 16; ++k) {
        SCOPED_TRACE(k);
        const long double want = start.Theta + (k - 1) * 22.5L * PiL / 180;
        EXPECT_NEAR(built[k - 1], static_cast<double>(want), 1e-13);

        GraphState ref = start;
        ref.Theta = built[k - 1];
        Matrix1(ref, ref.Dis, ref.Rho, ref.Theta, ref.Phi);
        RecordingCanvas c;
        RecordingHost h;
        ref.Drawing = true;
        EvaluateF(ref, c, h, EvalPath::Compiled);
        ASSERT_EQ(ref.FuncError, false);
        for (int j = 1; j <= MaxQuads; ++j) ASSERT_TRUE(Same(g.movieAt(k, j), ref.Quads[j])) << "facet " << j;
        EXPECT_NE(g.movieAt(k, 36).Depth, 0);  // all 36 cells drawn, the rest empty
        EXPECT_EQ(g.movieAt(k, 37).Depth, 0);
    }
    EXPECT_EQ(g.M2, start.M2);
    EXPECT_EQ(g.FrameNo, 16);

    // Afterwards the eye is the new graph's; Framing is left for the caller.
    EXPECT_EQ(g.Theta, static_cast<double>(PiL * 30 / 180));
    EXPECT_EQ(g.Phi, static_cast<double>(PiL * 40 / 180));
    EXPECT_EQ(g.Rho, 200);
    EXPECT_EQ(g.Dis, 120);
    EXPECT_TRUE(g.Framing);
}

// Every frame starts from an image filled with the background and the
// caption; the caption is wiped in the background colour at the end.
TEST_F(MovieTest, CreateClearsTheImageAndWritesTheCaptionForEachFrame) {
    g.NumOfFrames = 3;
    g.ColorBack = 0x123456;
    CreateMovie(g, canvas, host);

    const auto texts = canvas.texts();
    ASSERT_EQ(texts.size(), 1u + 3u + 1u);
    for (const auto& t : texts) {
        EXPECT_EQ(t.text, "Building Frames");
        EXPECT_EQ(t.pts[0], (PointType{10, 10}));
    }
    EXPECT_EQ(texts.back().font, g.ColorBack);
    EXPECT_EQ(texts.back().brush, g.ColorBack);

    const auto rects = canvas.calls(Op::Rectangle);
    ASSERT_EQ(rects.size(), 3u);
    for (const auto& r : rects) {
        EXPECT_EQ(r.pts[0], (PointType{0, 0}));
        EXPECT_EQ(r.pts[1], (PointType{776, 466}));
        EXPECT_EQ(r.brush, g.ColorBack);
        EXPECT_EQ(r.brushStyle, TBrushStyle::Solid);
    }
    EXPECT_EQ(Polygons(), 3 * 36);
    EXPECT_GE(host.pumps, 3 * 2 + 1);
}

// A frame whose build fails keeps the empty facets: records 1..N cleared,
// the rest as the facet store held them. Frames beyond n are untouched.
TEST_F(MovieTest, CreateEmptiesItsFramesFirst) {
    NumberFrames(5);
    g.Quads[50].FillColor = 7;
    g.NumOfFrames = 4;
    g.SFunc = "LN(x-10)";  // fails everywhere
    CreateMovie(g, canvas, host);
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(g.movieAt(k, 1).FillColor, g.AColor) << k;
        EXPECT_EQ(g.movieAt(k, 49).FillColor, g.AColor) << k;
        EXPECT_EQ(g.movieAt(k, 1).Corners[1], PointType{}) << k;
        EXPECT_EQ(g.movieAt(k, 50).FillColor, g.Quads[50].FillColor) << k;
    }
    EXPECT_EQ(g.movieAt(5, 1).FillColor, 501u);
}

TEST_F(MovieTest, ClearMovieEmptiesRecordsOneToNOfTheFramesInUse) {
    NumberFrames(3);
    g.NumOfFrames = 2;
    g.DeltaX = g.DeltaY = 80;
    ClearMovie(g);
    for (int k = 1; k <= 2; ++k)
        for (int j : {1, 3200, 6400}) {
            EXPECT_EQ(g.movieAt(k, j).FillColor, g.AColor) << k << "," << j;
            EXPECT_EQ(g.movieAt(k, j).Depth, 0);
        }
    EXPECT_EQ(g.movieAt(3, 1).FillColor, 301u);
}

// Frames come round in order with a pause of FrameSpeed after each; Stop
// Movie ends the loop before the next frame, which leaves the last one shown.
TEST_F(MovieTest, PlayCyclesTheFramesUntilStopped) {
    g.NumOfFrames = 3;
    g.DeltaX = g.DeltaY = 1;  // 4 facets a frame
    g.FrameSpeed = 150;
    NumberFrames(3);
    PlayFrames(5);

    std::vector<Color> fills;
    for (const auto& p : canvas.calls(Op::Polygon)) fills.push_back(p.brush);
    const std::vector<Color> want = {101, 102, 103, 104, 201, 202, 203, 204, 301, 302,
                                     303, 304, 101, 102, 103, 104, 201, 202, 203, 204};
    EXPECT_EQ(fills, want);
    EXPECT_EQ(host.pauses, std::vector<int>(5, 150));
    EXPECT_EQ(canvas.calls().back().op, Op::Polygon);  // nothing wiped after the last frame
    EXPECT_TRUE(g.Drawing);
    EXPECT_FALSE(g.Framing);
    EXPECT_EQ(host.pumps, 6);  // once before each frame, and the look that finds the stop
}

TEST_F(MovieTest, PlayDrawsNFacetsOfAFrameAfterWhiteAndTheBackground) {
    g.DeltaX = g.DeltaY = 80;
    g.ColorBack = 0x00FFFF;
    NumberFrames(16);
    PlayFrames(1);
    EXPECT_EQ(Polygons(), 6400);
    const auto& calls = canvas.calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0].op, Op::FillRect);
    EXPECT_EQ(calls[0].brush, 0xFFFFFFu);
    EXPECT_EQ(calls[1].op, Op::Rectangle);
    EXPECT_EQ(calls[1].brush, g.ColorBack);
}

// The outline follows GridColor and AColor as they are at play time; the
// fill colours are the stored ones. The outline is one pixel wide as in the
// drawing the frame was taken from, though the axes leave the pen 2 wide.
TEST_F(MovieTest, PlayOutlinesFacetsUnlessGridColorIsAColor) {
    struct Case {
        Color grid, a;
        TPenStyle style;
    } cases[] = {{0x808000, 0x0000FF, TPenStyle::Solid}, {0x0000FF, 0x0000FF, TPenStyle::Clear}};
    for (const Case& c : cases) {
        canvas.clear();
        host = RecordingHost();
        g.DeltaX = g.DeltaY = 1;
        g.NumOfFrames = 1;
        NumberFrames(1);
        g.GridColor = c.grid;
        g.AColor = c.a;
        canvas.setPenWidth(2);
        PlayFrames(2);
        const auto polys = canvas.calls(Op::Polygon);
        ASSERT_EQ(polys.size(), 8u);
        for (const auto& p : polys) {
            EXPECT_EQ(p.penStyle, c.style);
            EXPECT_EQ(p.pen, c.grid);
            EXPECT_EQ(p.penWidth, 1);
        }
        EXPECT_EQ(polys[4].brush, 101u);  // one frame, over and over
        EXPECT_EQ(canvas.penStyle(), TPenStyle::Solid);
    }
}

}  // namespace
}  // namespace vemlo::test
