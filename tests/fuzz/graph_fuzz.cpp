// Decodes its input into a whole graph, repairs it as the dialogs do, and
// draws it: the surface or curve with its decorations through DrawGraph, the
// axes, the contours and one movie frame, on a canvas that checks every call.
//
// The input is text, one setting a line, "key=text" (the text is what the
// user would type into the box; unknown keys are ignored, a later line wins):
//   mode=1..4                      the graph mode (anything else: 1)
//   f1= f2= f3=                    the function dialog's boxes
//   d1= .. d4=                     the domain dialog's boxes
//   wx0= wx1= wy0= wy1= wz0= wz1=  the window box (min, max of x, y, z)
//   rho= theta= phi=               the eye (theta and phi in degrees)
//   cx= cy=                        the numbers of curves
//   step=                          the curve step
//   a= b= c= d= e= f=              the parameters
//   colors=N N ...                 DColor AColor UColor GridColor ColorBack ColorAxes
//   shading=0|1
//   plane=1  p1= .. p10=           the plane (point, normal, MinX MaxX MinY MaxY)
//   line=1   l1= .. l6=            the line (start x y z, end x y z)
//   box=1                          Box > Draw Box
//   contours=IUB JUB NC 3D         the contour grid, levels and the 3-D flag
//   frames=                        the movie dialog's frame count
//
// What must hold: no more than MaxQuads facets filled by one drawing, every
// position handed to the canvas inside the clamp of Shape, the same canvas
// calls from the compiled and the reference evaluation on small graphs, and
// every loop ending (a loop that keeps the window pumping is cancelled after
// kPumpsBeforeCancel pumps, as the user would press Cancel Draw; one that
// stops pumping runs into the fuzzer's timeout).
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>

#include "engine/Axes.h"
#include "engine/Canvas.h"
#include "engine/Contours.h"
#include "engine/Decorations.h"
#include "engine/DrawGraph.h"
#include "engine/Facets.h"
#include "engine/Modes.h"
#include "engine/Movie.h"
#include "engine/Settings.h"

namespace {

using vemlo::GraphState;
using vemlo::PointType;

constexpr int kPumpsBeforeCancel = 3000;
// Graphs this small are drawn a second time through the reference path.
constexpr double kCompareCells = 64;
constexpr std::int64_t kCompareContourCells = 100;
constexpr double kCompareCurvePoints = 200;
// Grids of more cells than this keep their x-curves and get fewer y-curves,
// to keep one input cheap (80 x 20 at most).
constexpr double kMostCells = 1600;
constexpr int kMostFrames = 2;

void Check(bool ok) {
    if (!ok) std::abort();
}

// Presses Cancel Draw (clears Drawing) once the window was pumped `budget`
// times, and at every pump after that.
class FuzzHost : public vemlo::NullHost {
public:
    explicit FuzzHost(GraphState& g) : g_(g) {}
    void arm(int budget) {
        pumps_ = 0;
        budget_ = budget;
    }
    void processMessages() override {
        if (++pumps_ >= budget_) g_.Drawing = false;
    }

private:
    GraphState& g_;
    int pumps_ = 0;
    int budget_ = kPumpsBeforeCancel;
};

// Checks that every position lies where Shape can put a point, or on the
// image itself, counts the filled polygons, and folds every call with its
// arguments and the pen, brush and font in force into a running hash.
class CheckedCanvas : public vemlo::Canvas {
public:
    explicit CheckedCanvas(const GraphState& g) : g_(g) {}

    int width() const override { return 776; }
    int height() const override { return 466; }
    void setPenColor(vemlo::Color c) override { pen_ = c; }
    void setPenWidth(int w) override { penWidth_ = w; }
    void setPenStyle(vemlo::TPenStyle s) override { penStyle_ = s; }
    void setBrushColor(vemlo::Color c) override { brush_ = c; }
    void setBrushStyle(vemlo::TBrushStyle s) override { brushStyle_ = s; }
    void setFontColor(vemlo::Color c) override { font_ = c; }
    void setFontSize(int points) override { fontSize_ = points; }
    vemlo::Color penColor() const override { return pen_; }
    vemlo::TPenStyle penStyle() const override { return penStyle_; }
    PointType penPos() const override { return pos_; }

    void moveTo(int x, int y) override {
        Call(1, x, y);
        pos_ = {x, y};
    }
    void lineTo(int x, int y) override {
        Call(2, x, y);
        pos_ = {x, y};
    }
    void polygon(const PointType* pts, int n) override {
        Check(n >= 3 && n <= 64);
        Fold(3);
        for (int i = 0; i < n; ++i) Call(0, pts[i].x, pts[i].y);
        ++polygons;
    }
    void rectangle(int x1, int y1, int x2, int y2) override {
        Call(4, x1, y1);
        Call(0, x2, y2);
    }
    void fillRect(int x1, int y1, int x2, int y2) override {
        Call(5, x1, y1);
        Call(0, x2, y2);
    }
    void textOut(int x, int y, const std::string& text) override {
        Call(6, x, y);
        for (char ch : text) Fold(static_cast<unsigned char>(ch));
    }
    int textWidth(const std::string& text) const override { return 10 * static_cast<int>(text.size()); }
    int textHeight(const std::string&) const override { return 16; }

    int polygons = 0;
    std::uint64_t calls = 0;
    std::uint64_t hash = 14695981039346656037ull;

private:
    void Fold(std::uint64_t v) { hash = (hash ^ v) * 1099511628211ull; }
    void Call(int op, int x, int y) {
        Place(x, y);
        ++calls;
        Fold(static_cast<std::uint64_t>(op));
        Fold(static_cast<std::uint32_t>(x));
        Fold(static_cast<std::uint32_t>(y));
        Fold(static_cast<std::uint32_t>(pos_.x));
        Fold(static_cast<std::uint32_t>(pos_.y));
        Fold(pen_);
        Fold(static_cast<std::uint32_t>(penWidth_));
        Fold(static_cast<std::uint64_t>(penStyle_));
        Fold(brush_);
        Fold(static_cast<std::uint64_t>(brushStyle_));
        Fold(font_);
        Fold(static_cast<std::uint32_t>(fontSize_));
    }
    // Shape gives 1..2^30 (0 for NaN) before the offset of the graphing
    // rectangle is taken off; the image's own corners are 0..width,
    // 0..height. Ticks and axis letters sit a few pixels off such a point.
    void Place(std::int64_t x, std::int64_t y) const {
        constexpr std::int64_t limit = std::int64_t{1} << 30, margin = 64;
        Check(x >= std::min<std::int64_t>(0, -g_.FLeft) - margin &&
              x <= std::max<std::int64_t>(width(), limit - g_.FLeft) + margin);
        Check(y >= std::min<std::int64_t>(0, -g_.FHi) - margin &&
              y <= std::max<std::int64_t>(height(), limit - g_.FHi) + margin);
    }

    const GraphState& g_;
    vemlo::Color pen_ = 0, brush_ = 0xFFFFFF, font_ = 0;
    int penWidth_ = 1, fontSize_ = 0;
    vemlo::TPenStyle penStyle_ = vemlo::TPenStyle::Solid;
    vemlo::TBrushStyle brushStyle_ = vemlo::TBrushStyle::Solid;
    PointType pos_;
};

using Settings = std::map<std::string, std::string>;

Settings Decode(const std::string& text) {
    Settings s;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t eq = line.find('=');
        if (eq != std::string::npos) s[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return s;
}

std::string Get(const Settings& s, const std::string& key) {
    const auto it = s.find(key);
    return it == s.end() ? std::string() : it->second;
}
bool On(const Settings& s, const std::string& key) { return Get(s, key) == "1"; }

// The graph state for the settings, repaired as the dialogs repair it.
void Build(GraphState& g, const Settings& s) {
    const std::string mode = Get(s, "mode");
    g.Choice = !mode.empty() && mode[0] >= '1' && mode[0] <= '4' ? mode[0] : '1';
    vemlo::ApplyModeDefaults(g, 1440, 900);
    g.FLeft = 156, g.FHi = 72, g.FRight = 934, g.FLo = 540;

    vemlo::ApplyFunctions(g, {Get(s, "f1"), Get(s, "f2"), Get(s, "f3")});
    if (s.count("d1") || s.count("d2") || s.count("d3") || s.count("d4"))
        vemlo::ApplyDomain(g, {Get(s, "d1"), Get(s, "d2"), Get(s, "d3"), Get(s, "d4")});
    vemlo::ApplyAxes(
        g, {Get(s, "wx0"), Get(s, "wx1"), Get(s, "wy0"), Get(s, "wy1"), Get(s, "wz0"), Get(s, "wz1")});
    vemlo::RepairWindowBox(g);
    vemlo::ApplyView(g, Get(s, "theta"), Get(s, "phi"), Get(s, "rho"));
    vemlo::RepairRho(g);
    // What the repairs promise the drawing.
    Check(std::isfinite(g.WMinX) && std::isfinite(g.WMaxX) && g.WMinX < g.WMaxX);
    Check(std::isfinite(g.WMinY) && std::isfinite(g.WMaxY) && g.WMinY < g.WMaxY);
    Check(std::isfinite(g.WMinZ) && std::isfinite(g.WMaxZ) && g.WMinZ < g.WMaxZ);
    const vemlo::DomainRefs domain = vemlo::DomainOf(g);
    for (int k = 0; k < (domain.hasSecond ? 4 : 2); k += 2) {
        const double lo = *domain.ends[k], hi = *domain.ends[k + 1];
        Check(std::isfinite(lo) && std::isfinite(hi) && lo <= hi);
    }
    Check(std::isfinite(g.Rho) && g.Rho > 0);
    Check(g.Theta >= 0 && g.Theta <= 2 * M_PI && g.Phi >= 0 && g.Phi <= M_PI);
    vemlo::ApplyCurves(g, Get(s, "cx"), Get(s, "cy"));
    g.DeltaX = vemlo::RepairCurves(g.DeltaX);
    g.DeltaY = vemlo::RepairCurves(g.DeltaY);
    Check(g.DeltaX >= 1 && g.DeltaX <= 80 && g.DeltaY >= 1 && g.DeltaY <= 80);
    g.DeltaY = std::min(g.DeltaY, std::floor(kMostCells / g.DeltaX));
    vemlo::ConvertEntry(g, Get(s, "step"), g.Step);
    g.Step = vemlo::RepairStep(g.Step);
    Check(std::isfinite(g.Step) && g.Step > 0);
    vemlo::ApplyParameters(
        g, {"", Get(s, "a"), Get(s, "b"), Get(s, "c"), Get(s, "d"), Get(s, "e"), Get(s, "f")});
    vemlo::CopyParameters(g);

    std::istringstream colors(Get(s, "colors"));
    vemlo::Color* targets[] = {&g.DColor, &g.AColor, &g.UColor, &g.GridColor, &g.ColorBack, &g.ColorAxes};
    for (vemlo::Color* c : targets) {
        unsigned long v = 0;
        if (!(colors >> v)) break;
        *c = static_cast<vemlo::Color>(v & 0xFFFFFF);
    }
    if (s.count("shading")) g.Shading = On(s, "shading");

    g.PlaneDraw = On(s, "plane");
    vemlo::ResetPlane(g);
    std::array<std::string, 10> plane;
    for (int i = 0; i < 10; ++i) plane[i] = Get(s, "p" + std::to_string(i + 1));
    vemlo::ApplyPlane(g, plane);
    g.LineDraw = On(s, "line");
    vemlo::ResetLine(g);
    std::array<std::string, 6> line;
    for (int i = 0; i < 6; ++i) line[i] = Get(s, "l" + std::to_string(i + 1));
    vemlo::ApplyLine(g, line);

    vemlo::ApplyFrames(g, Get(s, "frames"));
    vemlo::RepairFrames(g);
    Check(g.NumOfFrames >= 1 && g.NumOfFrames <= 32);
    g.FunctionCalled = true;
}

struct Contours {
    std::int32_t iub = 20, jub = 20, nc = 10;
    bool threeD = false, on = false;
};
Contours ContoursOf(const Settings& s) {
    Contours c;
    if (!s.count("contours")) return c;
    std::istringstream in(Get(s, "contours"));
    long long v[4] = {20, 20, 10, 0};
    for (long long& x : v)
        if (!(in >> x)) break;
    auto to32 = [](long long x) {
        return static_cast<std::int32_t>(std::clamp<long long>(x, INT32_MIN, INT32_MAX));
    };
    c.iub = to32(v[0]), c.jub = to32(v[1]), c.nc = to32(v[2]);
    c.threeD = v[3] != 0;
    c.on = true;
    return c;
}

// Everything one input draws, through one evaluation path.
void DrawAll(GraphState& g, CheckedCanvas& c, const Settings& s, vemlo::EvalPath path) {
    FuzzHost host(g);
    vemlo::DrawRequest r;
    r.path = path;
    r.drawBox = On(s, "box");
    const int before = c.polygons;
    vemlo::DrawGraph(g, c, host, r);
    Check(c.polygons - before <= vemlo::MaxQuads + 1);  // the facets and the plane's patch
    Check(vemlo::FacetCount(g) >= 0 && vemlo::FacetCount(g) <= vemlo::MaxQuads);
    vemlo::Axes(g, c);

    const Contours k = ContoursOf(s);
    if (k.on) vemlo::DrawContours(g, c, host, k.iub, k.jub, k.nc, k.threeD, path);

    if (vemlo::ModeOf(g.Choice).movie && s.count("frames")) {
        g.NumOfFrames = std::min(g.NumOfFrames, kMostFrames);
        host.arm(kPumpsBeforeCancel);
        g.Drawing = true;
        vemlo::CreateMovie(g, c, host, path);
        g.Framing = false;
        const int facets = vemlo::FacetCount(g);
        Check(facets >= 0 && facets <= vemlo::MaxQuads);
        const int start = c.polygons;
        vemlo::DrawMovieFrame(g, c, vemlo::MovieFrames(g), facets);
        Check(c.polygons - start <= vemlo::MaxQuads);
        host.arm(3 * vemlo::MovieFrames(g));
        vemlo::PlayMovie(g, c, host);
    }
}

// A graph small enough to be drawn twice.
bool Small(const GraphState& g, const Settings& s) {
    if (g.DeltaX * g.DeltaY > kCompareCells) return false;
    if (g.Choice == '3') {
        const double points = (g.MaxT - g.MinT) / g.Step;
        if (!(points <= kCompareCurvePoints)) return false;
    }
    const Contours k = ContoursOf(s);
    const std::int64_t cells = std::int64_t{std::clamp(k.iub, 1, 60)} * std::clamp(k.jub, 1, 60);
    return !k.on || cells <= kCompareContourCells;
}

// One state for each path, allocated once: the stores are kept, the rest is
// reset from a blank state for every input.
GraphState& Fresh(int which) {
    static GraphState* states[2] = {new GraphState, new GraphState};
    static const GraphState* blank = [] {
        auto* b = new GraphState;
        b->Movie = {};
        b->Quads = {};
        return b;
    }();
    GraphState& g = *states[which];
    vemlo::MovieList movie;
    vemlo::QuadList quads;
    movie.swap(g.Movie);
    quads.swap(g.Quads);
    g = *blank;
    g.Movie.swap(movie);
    g.Quads.swap(quads);
    std::fill(g.Quads.begin(), g.Quads.end(), vemlo::PolyRecord{});
    return g;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) return 0;
    const Settings s = Decode(std::string(reinterpret_cast<const char*>(data), size));

    GraphState& g = Fresh(0);
    Build(g, s);
    const bool compare = Small(g, s);
    CheckedCanvas compiled(g);
    DrawAll(g, compiled, s, vemlo::EvalPath::Compiled);
    if (!compare) return 0;

    GraphState& ref = Fresh(1);
    Build(ref, s);
    CheckedCanvas reference(ref);
    DrawAll(ref, reference, s, vemlo::EvalPath::Reference);
    Check(compiled.calls == reference.calls && compiled.hash == reference.hash);
    Check(g.FuncError == ref.FuncError);
    return 0;
}
