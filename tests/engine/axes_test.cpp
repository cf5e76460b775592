#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "engine/Axes.h"
#include "engine/Modes.h"
#include "engine/View.h"
#include "tests/engine/recording_canvas.h"

namespace vemlo {
namespace {

using test::RecordingCanvas;
using Op = RecordingCanvas::Op;

constexpr long double kPiL = 3.141592653589793238462643383279502884L;
constexpr double kHalfPi = static_cast<double>(kPiL / 2);

// Mode-1 defaults in the rectangle (156, 72)-(934, 540); the canvas reports
// 10 pixels per character, so "M" is 10 wide.
class AxesTest : public ::testing::Test {
protected:
    void SetUp() override {
        g.Choice = '1';
        ApplyModeDefaults(g, 1440, 900);
        SetRect(156, 72, 934, 540);
    }
    void SetRect(int l, int t, int r, int b) {
        g.FLeft = l;
        g.FHi = t;
        g.FRight = r;
        g.FLo = b;
    }
    void Build() {
        Matrix1(g, g.Dis, g.Rho, g.Theta, g.Phi);
        Matrix2(g);
    }
    std::vector<RecordingCanvas::Call> Lines(TPenStyle style) const {
        std::vector<RecordingCanvas::Call> out;
        for (const auto& c : canvas.lines())
            if (c.penStyle == style) out.push_back(c);
        return out;
    }
    std::string Letters() const {
        std::string s;
        for (const auto& t : canvas.texts()) s += t.text;
        return s;
    }
    GraphState g;
    RecordingCanvas canvas;
};

TEST_F(AxesTest, DefaultViewDrawsFiveAxesThreeLettersAndTheTicks) {
    Build();
    Axes(g, canvas);
    const PointType o = Shape(g, 0, 0, 0);
    const PointType yNeg = Shape(g, 0, -3.3, 0), yPos = Shape(g, 0, 3.3, 0);
    const PointType xPos = Shape(g, 3.3, 0, 0), xNeg = Shape(g, -3.3, 0, 0);

    const auto axes = Lines(TPenStyle::DashDot);
    ASSERT_EQ(axes.size(), 5u);
    const PointType expected[5][2] = {
        {yNeg, o}, {o, yPos}, {{o.x, 540 - 15}, {o.x, 15}}, {o, xPos}, {o, xNeg}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(axes[i].from, expected[i][0]) << i;
        EXPECT_EQ(axes[i].pts[0], expected[i][1]) << i;
        EXPECT_EQ(axes[i].pen, g.ColorAxes);
        EXPECT_EQ(axes[i].penWidth, 1);
    }

    const auto texts = canvas.texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "Y");
    EXPECT_EQ(texts[0].pts[0], (PointType{yPos.x + 10, yPos.y}));
    EXPECT_EQ(texts[1].text, "Z");
    EXPECT_EQ(texts[1].pts[0], (PointType{o.x - 12, 5}));
    EXPECT_EQ(texts[2].text, "X");
    EXPECT_EQ(texts[2].pts[0], (PointType{xPos.x + 10, xPos.y}));
    for (const auto& t : texts) {
        EXPECT_EQ(t.font, g.ColorFont);
        EXPECT_EQ(t.brush, g.PColor);
    }

    // x: 1..3 then 1..-3 (8); y the same (8); z: 1..10 then 1..-10 (22).
    const auto ticks = Lines(TPenStyle::Solid);
    EXPECT_EQ(ticks.size(), 38u);
    for (const auto& t : ticks) EXPECT_EQ(t.pen, g.ColorTick);
    EXPECT_EQ(canvas.penWidth(), 2);
    EXPECT_EQ(canvas.penStyle(), TPenStyle::Solid);
}

TEST_F(AxesTest, ErasingPaintsAxesInTheBackgroundAndTicksWhite) {
    g.BColor = 0x102030;
    g.EraseAxes = true;
    Build();
    Axes(g, canvas);
    for (const auto& l : Lines(TPenStyle::DashDot)) EXPECT_EQ(l.pen, 0x102030u);
    for (const auto& l : Lines(TPenStyle::Solid)) EXPECT_EQ(l.pen, 0xFFFFFFu);
    EXPECT_EQ(Letters(), "YZX");
}

TEST_F(AxesTest, SkipRulesOfAxesLettersAndTicks) {
    struct Row {
        const char* what;
        double theta, phi, wMaxY, wMaxX;
        size_t axes;
        const char* letters;
        size_t ticks;
    };
    const double t30 = g.Theta, p40 = g.Phi;
    const double pi = static_cast<double>(kPiL);
    const Row rows[] = {
        {"default", t30, p40, 3, 3, 5, "YZX", 38},
        {"straight down", t30, 0, 3, 3, 4, "YX", 16},
        {"straight up", t30, pi, 3, 3, 5, "YZX", 16},
        {"theta 0: no x ticks", 0, p40, 3, 3, 5, "YZX", 30},
        {"theta pi/2: no y ticks", kHalfPi, p40, 3, 3, 5, "YZX", 30},
        {"phi pi/2: no x or y ticks", t30, kHalfPi, 3, 3, 5, "YZX", 22},
        {"no positive y", t30, p40, 0, 3, 4, "ZX", 35},
        {"zero-length positive x", t30, p40, 3, 0, 5, "YZX", 35},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        g.Theta = r.theta;
        g.Phi = r.phi;
        g.WMaxY = r.wMaxY;
        g.WMaxX = r.wMaxX;
        Build();
        canvas.clear();
        Axes(g, canvas);
        EXPECT_EQ(Lines(TPenStyle::DashDot).size(), r.axes);
        EXPECT_EQ(Letters(), r.letters);
        EXPECT_EQ(Lines(TPenStyle::Solid).size(), r.ticks);
    }
}

TEST_F(AxesTest, ZeroLengthXAxisWritesTheLetterBesideTheOrigin) {
    g.WMaxX = 0;
    Build();
    Axes(g, canvas);
    const PointType o = Shape(g, 0, 0, 0);
    const auto texts = canvas.texts();
    ASSERT_EQ(texts.back().text, "X");
    EXPECT_EQ(texts.back().pts[0], (PointType{o.x + 10, o.y}));
}

TEST_F(AxesTest, LettersStandRightBelowAQuarterTurnInExtendedPrecision) {
    struct Row {
        double theta;
        int side;
    };
    // The double nearest 90 degrees is below pi/2 in extended precision.
    const Row rows[] = {{kHalfPi, +1}, {std::nextafter(kHalfPi, 4.0), -1}, {3.0, -1}, {0.1, +1}};
    for (const Row& r : rows) {
        g.Theta = r.theta;
        Build();
        canvas.clear();
        Axes(g, canvas);
        const PointType yPos = Shape(g, 0, 3.3, 0);
        const auto texts = canvas.texts();
        ASSERT_EQ(texts.front().text, "Y");
        EXPECT_EQ(texts.front().pts[0].x, yPos.x + 10 * r.side) << r.theta;
    }
}

TEST_F(AxesTest, TickLengthsFollowTheRectangleWidth) {
    struct Row {
        int width;
        int zHalf;  // Round(W / 500)
        double d;   // W / 250
    };
    const Row rows[] = {{500, 1, 2.0}, {749, 1, 2.996}, {750, 2, 3.0}, {1250, 2, 5.0}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.width);
        SetRect(100, 50, 100 + r.width, 550);
        Build();
        canvas.clear();
        Tick(g, canvas);
        const auto lines = canvas.lines();
        ASSERT_EQ(lines.size(), 38u);
        // The last 22 are the z ticks: horizontal, 2u long, centred on Shape(0, 0, i).
        for (size_t k = 16; k < lines.size(); ++k) {
            EXPECT_EQ(lines[k].from.y, lines[k].pts[0].y);
            EXPECT_EQ(lines[k].pts[0].x - lines[k].from.x, 2 * r.zHalf);
        }
        EXPECT_EQ(lines[16].from.x + r.zHalf, Shape(g, 0, 0, 1).x);
        // x and y ticks are centred and about 2D long.
        for (size_t k = 0; k < 16; ++k) {
            const double dx = lines[k].pts[0].x - lines[k].from.x;
            const double dy = lines[k].pts[0].y - lines[k].from.y;
            EXPECT_NEAR(std::hypot(dx, dy), 2 * r.d, 1.5);
        }
    }
}

TEST_F(AxesTest, XTickIsCentredAndPointsAlongTheProjectedYDirection) {
    Build();
    Tick(g, canvas);
    const auto first = canvas.lines().front();
    const PointType p0 = Shape(g, 1, 0, 0), p1 = Shape(g, 1, 6.0 / 15, 0);
    const double dx = p1.x - p0.x, dy = p1.y - p0.y;
    const double f = (778.0 / 250) / std::sqrt(dx * dx + dy * dy);
    EXPECT_EQ(first.from, (PointType{p0.x + static_cast<int>(std::nearbyint(dx * f)),
                                     p0.y + static_cast<int>(std::nearbyint(dy * f))}));
    EXPECT_EQ(first.pts[0], (PointType{p0.x - static_cast<int>(std::nearbyint(dx * f)),
                                       p0.y - static_cast<int>(std::nearbyint(dy * f))}));
}

TEST_F(AxesTest, SmallBoxGetsTicksAtOneAndZero) {
    g.WMinX = -0.4;
    g.WMaxX = 0.4;
    g.Theta = 0.3;
    Build();
    g.Theta = 0;  // only the x ticks change with theta = 0; count the others
    Tick(g, canvas);
    const size_t without = canvas.lines().size();
    canvas.clear();
    g.Theta = 0.3;
    Tick(g, canvas);
    EXPECT_EQ(canvas.lines().size() - without, 2u);
    EXPECT_EQ(canvas.lines()[0].from.x + canvas.lines()[0].pts[0].x, 2 * Shape(g, 1, 0, 0).x);
}

TEST_F(AxesTest, DegenerateTickDirectionGivesAPointTick) {
    g.WMinY = g.WMaxY = 2;  // Sy = 0: P1 = P0 for every x tick
    Build();
    Tick(g, canvas);
    const auto first = canvas.lines().front();
    EXPECT_EQ(first.from, Shape(g, 1, 0, 0));
    EXPECT_EQ(first.pts[0], Shape(g, 1, 0, 0));
}

TEST_F(AxesTest, HugeAndNonFiniteBoxesFinishWithBoundedTicks) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double v : {1e12, inf, nan}) {
        SCOPED_TRACE(v);
        GraphState h = g;
        h.WMinX = h.WMinY = h.WMinZ = -v;
        h.WMaxX = h.WMaxY = h.WMaxZ = v;
        Matrix1(h, h.Dis, h.Rho, h.Theta, h.Phi);
        Matrix2(h);
        RecordingCanvas c;
        Tick(h, c);
        EXPECT_LE(c.lines().size(), 6u * 100002u);
    }
}

}  // namespace
}  // namespace vemlo
