#include "engine/Modes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace vemlo {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct ModeRow {
    char choice;
    double minZ, maxZ;
    double minR, maxR, minT, maxT, minU, maxU;
};

// Ranges a freshly picked mode must show; R, T, U only where the mode sets them
// (other modes leave them at the sentinel the test puts in first).
constexpr double kUntouched = 12345;
const ModeRow kModes[] = {
    {'1', -10, 10, kUntouched, kUntouched, kUntouched, kUntouched, kUntouched, kUntouched},
    {'2', -2, 2, 0, 5, 0, 2 * kPi, kUntouched, kUntouched},
    {'3', -5, 5, kUntouched, kUntouched, 0, 5, kUntouched, kUntouched},
    {'4', -10, 10, kUntouched, kUntouched, kUntouched, kUntouched, -kPi, kPi},
};

void PrintTo(const ModeRow& r, std::ostream* os) { *os << "mode " << r.choice; }

class ModeDefaultsTest : public ::testing::TestWithParam<ModeRow> {
protected:
    void SetUp() override {
        g.MinR = g.MaxR = g.MinT = g.MaxT = g.MinU = g.MaxU = g.MinV = g.MaxV = kUntouched;
        // Leftovers of a previous graph that picking a mode must reset.
        g.Par = {0, 1, 2, 3, 4, 5, 6};
        g.SFunc = g.XFunc = "sin(x)";
        g.Title = "old";
        g.Shading = false;
        g.PlaneDraw = g.LineFlag = g.CutCalled = g.Framing = g.Drawing = g.EraseAxes = true;
        g.WMinZ = -1;
        // Values the mode defaults must leave alone.
        g.A = 7;
        g.FunctionCalled = true;
        g.Choice = GetParam().choice;
    }
    GraphState g;
};

TEST_P(ModeDefaultsTest, RangesOfTheMode) {
    const ModeRow& row = GetParam();
    const WindowSize size = ApplyModeDefaults(g, 1440, 900);
    EXPECT_EQ(size.width, 1296);
    EXPECT_EQ(size.height, 720);
    EXPECT_EQ(g.DWidth, 1440);
    EXPECT_EQ(g.DHeight, 900);

    EXPECT_EQ(g.MinX, -3);
    EXPECT_EQ(g.MaxX, 3);
    EXPECT_EQ(g.MinY, -3);
    EXPECT_EQ(g.MaxY, 3);
    EXPECT_EQ(g.MinZ, row.minZ);
    EXPECT_EQ(g.MaxZ, row.maxZ);
    EXPECT_EQ(g.MinR, row.minR);
    EXPECT_EQ(g.MaxR, row.maxR);
    EXPECT_EQ(g.MinT, row.minT);
    EXPECT_EQ(g.MaxT, row.maxT);
    EXPECT_EQ(g.MinU, row.minU);
    EXPECT_EQ(g.MaxU, row.maxU);
    EXPECT_EQ(g.MinV, row.minU);
    EXPECT_EQ(g.MaxV, row.maxU);

    // The window box is the same in every mode, z included.
    EXPECT_EQ(g.WMinX, -3);
    EXPECT_EQ(g.WMaxX, 3);
    EXPECT_EQ(g.WMinY, -3);
    EXPECT_EQ(g.WMaxY, 3);
    EXPECT_EQ(g.WMinZ, -10);
    EXPECT_EQ(g.WMaxZ, 10);
}

TEST_P(ModeDefaultsTest, EyeGridColoursAndFlags) {
    ApplyModeDefaults(g, 1440, 900);
    EXPECT_EQ(g.Rho, 200);
    EXPECT_EQ(g.Dis, 120);
    EXPECT_EQ(g.Theta, 0.5235987755982989);
    EXPECT_EQ(g.Phi, 0.6981317007977318);
    EXPECT_EQ(g.DeltaX, 15);
    EXPECT_EQ(g.DeltaY, 15);
    EXPECT_EQ(g.Step, 0.1);

    EXPECT_EQ(g.SFunc, "0");
    EXPECT_EQ(g.XFunc, "0");
    EXPECT_EQ(g.YFunc, "0");
    EXPECT_EQ(g.ZFunc, "0");
    EXPECT_EQ(g.Title, "");
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(g.Par[i], 0) << i;

    EXPECT_EQ(g.AColor, 0x0000FFu);
    EXPECT_EQ(g.UColor, 0x00FFFFu);
    EXPECT_EQ(g.DColor, 0xFF0000u);
    EXPECT_EQ(g.BColor, 0xFFFFFFu);
    EXPECT_EQ(g.PColor, 0xFFFFFFu);
    EXPECT_EQ(g.ColorAxes, 0xFF00FFu);
    EXPECT_EQ(g.ColorTick, 0xFF0000u);
    EXPECT_EQ(g.ColorFont, 0xFF0000u);
    EXPECT_EQ(g.ColorBack, 0xFFFFFFu);
    EXPECT_EQ(g.GridColor, 0x808000u);

    EXPECT_TRUE(g.Shading);
    EXPECT_FALSE(g.Drawing);
    EXPECT_FALSE(g.EraseAxes);
    EXPECT_FALSE(g.PlaneDraw);
    EXPECT_FALSE(g.LineFlag);
    EXPECT_FALSE(g.CutCalled);
    EXPECT_FALSE(g.Framing);
    EXPECT_EQ(g.IUB, 20);
    EXPECT_EQ(g.JUB, 20);
    EXPECT_EQ(g.NC, 10);
    EXPECT_EQ(g.NumOfFrames, 16);
    EXPECT_EQ(g.FrameSpeed, 400);
    EXPECT_EQ(g.FontSize, 18);
    EXPECT_EQ(g.LMapX, 120);
    EXPECT_EQ(g.LMapY, 150);

    EXPECT_EQ(g.A, 7);
    EXPECT_TRUE(g.FunctionCalled);
}

INSTANTIATE_TEST_SUITE_P(EachMode, ModeDefaultsTest, ::testing::ValuesIn(kModes),
                         [](const auto& info) { return std::string("Mode") + info.param.choice; });

TEST(ModeDefaults, PaletteOfTheColourDialogs) {
    GraphState g;
    Colors(g);
    const Color expected[13] = {0,        0xFF0000, 0xFF0000, 0x008000, 0x800080, 0x0000FF, 0x00FF00,
                                0xFFFFFF, 0x00FFFF, 0xFFFF00, 0xFF00FF, 0x00FF00, 0xFFFFFF};
    for (int i = 1; i <= 12; ++i) EXPECT_EQ(g.DrawColor[i], expected[i]) << i;
}

TEST(ModeDefaults, ChosenRangesOfModeTwoAreReplacedByFirst) {
    GraphState g;
    g.Choice = '2';
    ChosenRanges(g);
    EXPECT_EQ(g.MaxR, 3);
    EXPECT_EQ(g.MinZ, -10);
    First(g, 1440, 900);
    EXPECT_EQ(g.MaxR, 5);
    EXPECT_EQ(g.MinZ, -2);
    EXPECT_EQ(g.WMinZ, -10);
}

TEST(ModeDefaults, WindowSizeRoundsHalvesToEven) {
    struct Row {
        int w, h, ew, eh;
    };
    // 1445 * 0.9 = 1300.5 and 1005 * 0.8 = 804.0; 1435 * 0.9 = 1291.5 -> 1292.
    const Row rows[] = {{1440, 900, 1296, 720},
                        {1445, 1005, 1300, 804},
                        {1435, 1001, 1292, 801},
                        {1920, 1080, 1728, 864},
                        {0, 0, 0, 0}};
    for (const Row& r : rows) {
        GraphState g;
        g.Choice = '1';
        const WindowSize s = First(g, r.w, r.h);
        EXPECT_EQ(s.width, r.ew) << r.w;
        EXPECT_EQ(s.height, r.eh) << r.h;
    }
}

TEST(ModeDefaults, QuitOrNoChoiceLeavesTheStateAlone) {
    for (char choice : {'5', '\0', 'x'}) {
        GraphState g;
        g.Choice = choice;
        g.Rho = 7;
        const WindowSize s = ApplyModeDefaults(g, 1440, 900);
        EXPECT_EQ(s.width, 0);
        EXPECT_EQ(g.Rho, 7);
        EXPECT_EQ(g.WMaxX, 0);
    }
}

}  // namespace
}  // namespace vemlo
