#pragma once
/// The one current graph: mode, ranges, window box, eye, formulas, parameters,
/// grid, colours, flags, decorations, movie settings and screen geometry.
/// The program holds a single instance; tests make their own. Every value
/// starts at zero, false or empty; picking a mode gives the mode defaults.

#include <string>

#include "engine/Types.h"
#include "formula/FormulaState.h"

namespace vemlo {

struct GraphState : FormulaState {
    GraphState();

    // Mode: '1' z=f(x,y), '2' z=f(r,t), '3' space curve, '4' x,y,z of (u,v), '5' quit.
    char Choice = 0;

    // Ranges of the graph.
    double MinX = 0, MaxX = 0, MinY = 0, MaxY = 0, MinZ = 0, MaxZ = 0;
    double MinR = 0, MaxR = 0, MinT = 0, MaxT = 0;
    double MinU = 0, MaxU = 0, MinV = 0, MaxV = 0;

    // Window box carrying the axes; the view is fitted to it.
    double WMinX = 0, WMaxX = 0, WMinY = 0, WMaxY = 0, WMinZ = 0, WMaxZ = 0;
    // Its extent in viewing coordinates (r, s, t).
    double WMinR1 = 0, WMaxR1 = 0, WMinS1 = 0, WMaxS1 = 0, WMinT1 = 0, WMaxT1 = 0;

    // Viewing transform and fit into the graphing rectangle.
    Mat1 M1{};
    Mat2 M2{};

    // Eye.
    double Rho = 0, Theta = 0, Phi = 0, Dis = 0;

    // Parameters as entered (a..f at 1..6); A..F in FormulaState are the copies used.
    ParValues Par{};

    // Grid and curve step.
    double DeltaX = 0, DeltaY = 0;
    double Step = 0;

    // Colours.
    Color DColor = 0, BColor = 0, PColor = 0, AColor = 0, UColor = 0, GridColor = 0;
    Color ColorAxes = 0, ColorTick = 0, ColorFont = 0, ColorBack = 0, SColor = 0;
    Color Color2 = 0, Color5 = 0;
    DrawingColors DrawColor{};

    // Shading.
    bool Shading = false;
    double NormAngle = 0;

    // Drawing flags (FuncError and CutCalled are in FormulaState).
    bool Drawing = false;
    bool FunctionCalled = false;
    bool ViewChanged = false;
    bool AxesChanged = false;
    bool NewColor = false;
    bool EraseAxes = false;

    // Tangent plane and line.
    bool PlaneDraw = false, PlaneEdit = false, PlaneFlag = false;
    bool LineDraw = false, LineEdit = false, LineFlag = false;
    double P1 = 0, P2 = 0, P3 = 0, N1 = 0, N2 = 0, N3 = 0;
    double PMinX = 0, PMaxX = 0, PMinY = 0, PMaxY = 0;
    double X1 = 0, Y1 = 0, Z1 = 0, X2 = 0, Y2 = 0, Z2 = 0;
    PolygonType Poly{};

    // Contours.
    std::int32_t IUB = 0, JUB = 0, NC = 0;

    // Movie.
    MovieList Movie;  // MaxFrames + 1 frames of MaxQuads + 1 records, allocated once
    std::int32_t FrameNo = 0, NumOfFrames = 0, FrameSpeed = 0;
    bool Framing = false;

    // Facet store (indices 1..MaxQuads) and the scratch facet.
    QuadList Quads;
    PolyRecord Polys{};

    // Title shown above the graph, at most 50 characters.
    std::string Title;

    // Screen geometry.
    std::int32_t FLeft = 0, FHi = 0, FRight = 0, FLo = 0;  // graphing rectangle
    std::int32_t DWidth = 0, DHeight = 0;                  // screen size
    std::int32_t LMapX = 0, LMapY = 0;                     // margins of the full picture
    std::int32_t ILeft = 0;
    std::int32_t FontSize = 0;

    /// Facet i of frame f in the frame store.
    PolyRecord& movieAt(int f, int i) { return Movie[static_cast<std::size_t>(f) * (MaxQuads + 1) + i]; }
};

}  // namespace vemlo
