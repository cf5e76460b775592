// The sample catalogue: what each mode offers, what a choice stores, and
// that every sample draws over the domain its caption suggests.
#include "engine/Samples.h"

#include <cstring>

#include "engine/DrawGraph.h"
#include "tests/engine/builders_fixture.h"

namespace vemlo::test {
namespace {

constexpr double kPi = 3.14159265358979323846;

TEST(SamplesTest, EachModeOffersItsExamplesWithTheFormulasItNeeds) {
    const struct {
        char mode;
        std::size_t count;
        int formulas;
    } rows[] = {{'1', 10, 1}, {'2', 9, 1}, {'3', 2, 3}, {'4', 10, 3}, {'\0', 0, 0}, {'5', 0, 0}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.mode);
        const std::vector<Sample>& samples = SamplesOf(r.mode);
        EXPECT_EQ(samples.size(), r.count);
        for (const Sample& s : samples) {
            EXPECT_GT(std::strlen(s.caption), 0u);
            for (int i = 0; i < 3; ++i) EXPECT_EQ(s.formulas[i] != nullptr, i < r.formulas) << s.caption;
        }
    }
    EXPECT_STREQ(SamplesOf('3')[0].caption, "Helix: X=3Cos(t), Y=2Sin(t), Z=t/10");
    EXPECT_STREQ(SamplesOf('2')[8].caption, "Saddle: 0<r<3; Z=r^2Cos(2t)");
}

// A choice stores formulas only: the domain and the other mode's formulas
// stay, and a caption's everyday notation may differ from what is stored.
TEST(SamplesTest, AChoiceStoresTheFormulasOfItsModeOnly) {
    const struct {
        char mode;
        int index;
        const char* caption;
        const char* s;
        const char* x;
        const char* y;
        const char* z;
    } rows[] = {
        {'1', 2, "-3<x,y<3; Z=2|x|y/(sqrt(x^2+y^2)", "(2*Abs(x)*y)/Sqrt(x^2+y^2)", "0", "0", "0"},
        {'2', 5, "Mexican Hat: 0.01<r<12; Z=Sin(r)/r", "Sin(r)/r", "0", "0", "0"},
        {'3', 1, "Conical: X=Cos(t)+tSin(t), Y=Sin(t)-tCos(t), Z=t/10", "0", "Cos(t)+t*Sin(t)",
         "Sin(t)-t*Cos(t)", "t/10"},
        {'4', 5, "Paraboloid: 0<u<2p, 0<v<2; X=2vCos(u), Y=3vSin(u), Z=u^2", "0", "2*v*Cos(u)", "3*v*Sin(u)",
         "v^2"},
        {'4', 6, "Hyp-Paraboloid: -2<u,v<2; X=v, Y=u, Z= v^2-u^2", "0", "v", "u", "v^2/3-u^2/2"},
        {'4', 2, "Moebius: -1<u<1, 0<v<2p; X=(2-uSin(u/2)Cos(v), Y=(2-uSin(v/2)Sin(v), Z=uCos(v/2)", "0",
         "(2-u*Sin(v/2))*Cos(v)", "(2-u*Sin(v/2))*Sin(v)", "u*Cos(v/2)"},
    };
    GraphState g;
    for (const auto& r : rows) {
        SCOPED_TRACE(r.caption);
        g.FunctionCalled = false;
        g.Choice = r.mode;
        ApplyModeDefaults(g, 1440, 900);
        const double minX = g.MinX, maxU = g.MaxU, maxT = g.MaxT;
        const Color above = g.AColor;
        const Sample& s = SamplesOf(r.mode).at(r.index);
        EXPECT_STREQ(s.caption, r.caption);
        UseSample(g, s);
        EXPECT_TRUE(g.FunctionCalled);
        EXPECT_EQ(g.SFunc, r.s);
        EXPECT_EQ(g.XFunc, r.x);
        EXPECT_EQ(g.YFunc, r.y);
        EXPECT_EQ(g.ZFunc, r.z);
        EXPECT_EQ(g.MinX, minX);
        EXPECT_EQ(g.MaxU, maxU);
        EXPECT_EQ(g.MaxT, maxT);
        EXPECT_EQ(g.AColor, above);
    }
}

// Every sample draws, without a formula error, over the domain its caption
// suggests (the curves over a few turns), in a window box that holds it:
// nearly all of its cells become facets, a curve becomes lines.
class SampleDrawingTest : public BuilderTest {};

TEST_F(SampleDrawingTest, EverySampleDrawsOverItsSuggestedDomain) {
    const double p = kPi;
    const struct {
        char mode;
        int index;
        double domain[4];
        double window[6];
    } rows[] = {
        {'1', 0, {-3, 3, -3, 3}, {-3, 3, -3, 3, -1, 4}},
        {'1', 1, {-3, 3, -3, 3}, {-3, 3, -3, 3, -1, 6}},
        {'1', 2, {-3, 3, -3, 3}, {-3, 3, -3, 3, -6, 6}},
        {'1', 3, {-5, 5, -5, 5}, {-5, 5, -5, 5, -3, 6}},
        {'1', 4, {-2, 5, -10, 10}, {-2, 5, -10, 10, -8, 8}},
        {'1', 5, {-3, 3, -3, 3}, {-3, 3, -3, 3, -2, 2}},
        {'1', 6, {-3, 3, -3, 3}, {-3, 3, -3, 3, -5, 5}},
        {'1', 7, {-3, 3, -3, 3}, {-3, 3, -3, 3, -10, 10}},
        {'1', 8, {-6, 6, -6, 6}, {-6, 6, -6, 6, 0, 10}},
        {'1', 9, {-12, 12, -12, 12}, {-12, 12, -12, 12, -3, 3}},
        {'2', 0, {0, 3, 0, 2 * p}, {-3, 3, -3, 3, 0, 3}},
        {'2', 1, {0, 2, 0, 2 * p}, {-2, 2, -2, 2, 0, 4}},
        {'2', 2, {0, 1, 0, 2 * p}, {-1, 1, -1, 1, 0, 1}},
        {'2', 3, {0, 2, 0, 2 * p}, {-2, 2, -2, 2, -1, 3}},
        {'2', 4, {0.1, 3, 0, 2 * p}, {-3, 3, -3, 3, -9, 1}},
        {'2', 5, {0.01, 12, 0, 2 * p}, {-12, 12, -12, 12, -1, 1}},
        {'2', 6, {0, 5, 0, 2 * p}, {-5, 5, -5, 5, -2, 2}},
        {'2', 7, {0, 1, 0, p / 2}, {0, 1, 0, 1, 0, 1}},
        {'2', 8, {0, 3, 0, 2 * p}, {-3, 3, -3, 3, -9, 9}},
        {'3', 0, {0, 30}, {-3, 3, -3, 3, 0, 3}},
        {'3', 1, {0, 30}, {-30, 30, -30, 30, 0, 3}},
        {'4', 0, {-p / 2, p / 2, 0, 2 * p}, {-3, 3, -3, 3, -3, 3}},
        {'4', 1, {0, 1, 0, 2 * p}, {-1, 1, -1, 1, 0, 1}},
        {'4', 2, {-1, 1, 0, 2 * p}, {-3, 3, -3, 3, -1, 1}},
        {'4', 3, {-p, p, -p, p}, {-3, 3, -3, 3, -1, 1}},
        {'4', 4, {-p / 2, p / 2, 0, 2 * p}, {-3, 3, -3, 3, -2, 2}},
        {'4', 5, {0, 2 * p, 0, 2}, {-4, 4, -6, 6, 0, 4}},
        {'4', 6, {-2, 2, -2, 2}, {-2, 2, -2, 2, -2, 2}},
        {'4', 7, {-2, 3, 0, 2 * p}, {-3, 3, -3, 3, -2, 3}},
        {'4', 8, {-3, 3, -3, 3}, {-3, 3, -3, 3, -3, 3}},
        {'4', 9, {0, 8 * p, 0, 2 * p}, {-1, 1, -1, 1, 0, 5}},
    };
    for (const auto& r : rows) {
        SetMode(r.mode);
        const Sample& s = SamplesOf(r.mode).at(r.index);
        SCOPED_TRACE(s.caption);
        UseSample(g, s);
        double* ranges[4] = {&g.MinX, &g.MaxX, &g.MinY, &g.MaxY};
        if (r.mode == '2') {
            double* cyl[4] = {&g.MinR, &g.MaxR, &g.MinT, &g.MaxT};
            std::copy(cyl, cyl + 4, ranges);
        } else if (r.mode == '3') {
            ranges[0] = &g.MinT;
            ranges[1] = &g.MaxT;
        } else if (r.mode == '4') {
            double* uv[4] = {&g.MinU, &g.MaxU, &g.MinV, &g.MaxV};
            std::copy(uv, uv + 4, ranges);
        }
        for (int i = 0; i < (r.mode == '3' ? 2 : 4); ++i) *ranges[i] = r.domain[i];
        double* box[6] = {&g.WMinX, &g.WMaxX, &g.WMinY, &g.WMaxY, &g.WMinZ, &g.WMaxZ};
        for (int i = 0; i < 6; ++i) *box[i] = r.window[i];
        g.FunctionCalled = true;
        canvas.clear();
        DrawRequest request;
        request.decorations = false;
        DrawGraph(g, canvas, host, request);
        EXPECT_FALSE(g.FuncError);
        if (r.mode == '3') {
            EXPECT_GT(canvas.lines().size(), 250u);
        } else {
            EXPECT_GE(Polygons(), g.DeltaX * g.DeltaY * 9 / 10);
        }
    }
}

}  // namespace
}  // namespace vemlo::test
