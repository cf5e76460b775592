#include "engine/Modes.h"

#include "engine/Builders.h"
#include "engine/Numeric.h"

namespace vemlo {

namespace {

double PiTimes(long double num, long double den) { return static_cast<double>(PiL * num / den); }

// The ranges a new graph of mode g.Choice starts with; picking a mode sets
// them twice, first with a radius up to 3, then with one up to 5.
void ModeRanges(GraphState& g, double maxR) {
    g.MinX = -3;
    g.MaxX = 3;
    g.MinY = -3;
    g.MaxY = 3;
    g.MinZ = -10;
    g.MaxZ = 10;
    switch (g.Choice) {
        case '2':
            g.MinR = 0;
            g.MaxR = maxR;
            g.MinT = 0;
            g.MaxT = PiTimes(360, 180);
            break;
        case '3':
            g.MinT = 0;
            g.MaxT = 5;
            break;
        case '4':
            g.MinU = g.MinV = static_cast<double>(-PiL);
            g.MaxU = g.MaxV = static_cast<double>(PiL);
            break;
        default:
            break;
    }
}

using G = GraphState;

const ModeRow kModes[4] = {
    {'1',
     "        Vemlo  Rectangular Coordinates",
     false,
     false,
     {&G::MinX, &G::MaxX, &G::MinY, &G::MaxY},
     {"  Start x at", "   End x at ", "  Start y at", "   End y at "},
     "Enter your Function of x and y",
     "       x              y               z",
     "         x             y              z",
     36,
     EvaluateRect,
     true,
     true,
     true,
     false,
     true},
    {'2',
     "   Vemlo Cylindrical Coordinates",
     false,
     true,
     {&G::MinR, &G::MaxR, &G::MinT, &G::MaxT},
     {"  Start r at", "   End r at", "Start theta at", "End theta at "},
     "Enter your Function of r and t (t for theta)",
     "       r             theta            z",
     "         r             theta           z",
     37,
     EvaluateCyl,
     false,
     true,
     true,
     false,
     true},
    {'3',
     "        Vemlo  Space Curves",
     true,
     true,
     {&G::MinT, &G::MaxT, nullptr, nullptr},
     {"  Start t at", "   End t at ", "", ""},
     "Enter your Functions of t",
     "       t              x               y              z",
     "         t             x              y             z",
     51,
     EvaluatePar,
     false,
     false,
     false,
     true,
     false},
    {'4',
     "        Vemlo  2 Parameter Surfaces",
     true,
     false,
     {&G::MinU, &G::MaxU, &G::MinV, &G::MaxV},
     {"  Start u at", "   End u at ", "  Start v at", "   End v at "},
     "Enter your Functions of u and v",
     "       x              y               z",
     "         x             y              z",
     36,
     EvaluateTwoPar,
     false,
     false,
     true,
     false,
     true},
};

}  // namespace

const ModeRow& ModeOf(char choice) { return kModes[IsGraphMode(choice) ? choice - '1' : 0]; }

void ChosenRanges(GraphState& g) {
    ModeRanges(g, 3);
    g.WMinX = -3;
    g.WMaxX = 3;
    g.WMinY = -3;
    g.WMaxY = 3;
    g.WMinZ = -10;
    g.WMaxZ = 10;
}

void Colors(GraphState& g) {
    g.PColor = g.BColor = 0xFFFFFF;
    g.Color2 = 0xFF0000;
    g.Color5 = 0xFF00FF;
    g.DrawColor = {0,        0xFF0000, 0xFF0000, 0x008000, 0x800080, 0x0000FF, 0x00FF00,
                   0xFFFFFF, 0x00FFFF, 0xFFFF00, 0xFF00FF, 0x00FF00, 0xFFFFFF};
}

WindowSize First(GraphState& g, int screenWidth, int screenHeight) {
    g.FontSize = 18;
    g.LMapX = 120;
    g.LMapY = 150;
    g.EraseAxes = false;
    g.Drawing = false;

    g.DHeight = screenHeight;
    g.DWidth = screenWidth;
    WindowSize size;
    size.width = Round32(g.DWidth * 0.9);
    size.height = Round32(g.DHeight * 0.8);

    ModeRanges(g, 5);
    if (g.Choice == '2') {
        g.MinZ = -2;
        g.MaxZ = 2;
    } else if (g.Choice == '3') {
        g.MinZ = -5;
        g.MaxZ = 5;
    }

    g.Rho = 200;
    g.Dis = 120;
    g.Theta = PiTimes(30, 180);
    g.Phi = PiTimes(40, 180);
    g.DeltaX = g.DeltaY = 15;

    g.Step = 0.1;
    g.Title.clear();

    g.SFunc = g.XFunc = g.YFunc = g.ZFunc = "0";

    g.AColor = g.DrawColor[5];
    g.UColor = g.DrawColor[8];
    g.DColor = 0xFF0000;
    g.ColorAxes = g.Color5;
    g.ColorTick = g.Color2;
    g.ColorFont = g.Color2;
    g.ColorBack = g.BColor;
    g.GridColor = 0x808000;

    g.Shading = true;
    g.Drawing = false;
    g.PlaneDraw = g.LineDraw = g.PlaneFlag = g.LineFlag = g.CutCalled = false;
    for (int i = 1; i <= 6; ++i) g.Par[i] = 0;

    g.IUB = 20;
    g.JUB = 20;
    g.NC = 10;
    g.NumOfFrames = 16;
    g.FrameSpeed = 400;
    g.Framing = false;
    return size;
}

WindowSize ApplyModeDefaults(GraphState& g, int screenWidth, int screenHeight) {
    if (!IsGraphMode(g.Choice)) return {};
    ChosenRanges(g);
    Colors(g);
    return First(g, screenWidth, screenHeight);
}

}  // namespace vemlo
