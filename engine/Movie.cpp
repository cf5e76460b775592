#include "engine/Movie.h"

#include <algorithm>

#include "engine/DrawGraph.h"
#include "engine/Facets.h"
#include "engine/Numeric.h"
#include "engine/Settings.h"
#include "engine/View.h"

namespace vemlo {

namespace {

const char* const kBuilding = "Building Frames";
constexpr Color kWhite = 0xFFFFFF;

void FillWithBackground(const GraphState& g, Canvas& c) {
    c.setBrushStyle(TBrushStyle::Solid);
    c.setBrushColor(g.ColorBack);
    c.rectangle(0, 0, c.width(), c.height());
}

}  // namespace

int MovieFrames(const GraphState& g) { return std::clamp(g.NumOfFrames, 1, MaxFrames); }

void ClearMovie(GraphState& g) {
    ClearQuads(g);
    for (int i = 1; i <= MovieFrames(g); ++i)
        std::copy(g.Quads.begin() + 1, g.Quads.begin() + 1 + MaxQuads, &g.movieAt(i, 1));
}

void CreateMovie(GraphState& g, Canvas& c, Host& h, EvalPath path) {
    const int n = MovieFrames(g);
    c.textOut(10, 10, kBuilding);
    ClearMovie(g);
    g.Framing = true;
    g.Drawing = true;

    DrawRequest frame;
    frame.transform = false;
    frame.decorations = false;
    frame.evenUncalled = true;
    frame.path = path;
    const long double step = (360.0L / n) * PiL / 180.0L;
    for (int k = 1; k <= n; ++k) {
        FillWithBackground(g, c);
        c.textOut(10, 10, kBuilding);
        h.processMessages();
        g.FrameNo = k;
        Matrix1(g, g.Dis, g.Rho, g.Theta, g.Phi);
        DrawGraph(g, c, h, frame);
        g.Theta = static_cast<double>(g.Theta + step);
        h.processMessages();
    }

    h.processMessages();
    c.setFontColor(g.ColorBack);
    c.setBrushColor(g.ColorBack);
    c.textOut(10, 10, kBuilding);

    g.Rho = 200;
    g.Dis = 120;
    g.Theta = static_cast<double>(PiL * 30 / 180);
    g.Phi = static_cast<double>(PiL * 40 / 180);
}

void DrawMovieFrame(GraphState& g, Canvas& c, int k, int n) {
    if (k < 1 || k > MaxFrames) return;
    n = std::clamp(n, 0, MaxQuads);
    std::copy(&g.movieAt(k, 1), &g.movieAt(k, 1) + MaxQuads, g.Quads.begin() + 1);
    FillWithBackground(g, c);
    const TPenStyle outline = g.GridColor == g.AColor ? TPenStyle::Clear : TPenStyle::Solid;
    for (int j = 1; j <= n; ++j) {
        g.Polys = g.Quads[j];
        g.Polys.PenStyle = outline;
        c.setPenColor(g.GridColor);
        c.setPenStyle(outline);
        c.setPenWidth(1);
        c.setBrushColor(g.Polys.FillColor);
        c.polygon(&g.Polys.Corners[1], 4);
        c.setPenStyle(TPenStyle::Solid);
    }
}

void PlayMovie(GraphState& g, Canvas& c, Host& h) {
    g.Framing = true;
    c.setBrushStyle(TBrushStyle::Solid);
    c.setBrushColor(kWhite);
    c.fillRect(0, 0, c.width(), c.height());
    g.Drawing = true;

    const int facets = FacetCount(g);
    int k = 0;
    for (;;) {
        k = k % MovieFrames(g) + 1;
        h.processMessages();
        if (!g.Drawing) {
            g.Drawing = true;
            g.Framing = false;
            return;
        }
        DrawMovieFrame(g, c, k, facets);
        h.pause(std::max(0, g.FrameSpeed), g.Drawing);
    }
}

void ApplyFrames(GraphState& g, const std::string& entry) {
    double frames = g.NumOfFrames;
    ConvertEntry(g, entry, frames);
    g.NumOfFrames = Round32(frames);
}

void RepairFrames(GraphState& g) {
    if (g.NumOfFrames < 1) g.NumOfFrames = 2;
    if (g.NumOfFrames > 32) g.NumOfFrames = 32;
}

}  // namespace vemlo
