// vemlo_render: draws one graph headless into a PNG, the way the Draw command
// draws it (mode defaults, transform, builder, plane, line, box, axes),
// optionally with its contour levels over it, for looking at the pictures
// without the program's windows.

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/Contours.h"
#include "engine/Decorations.h"
#include "engine/Modes.h"
#include "engine/Settings.h"
#include "output/GraphPicture.h"
#include "output/QImageCanvas.h"

namespace {

using vemlo::GraphState;

/// Splits a comma-separated list into at most `n` items, trimmed; false when
/// there are more.
bool SplitList(const QString& text, std::size_t n, std::vector<std::string>& items) {
    const QStringList parts = text.split(',');
    if (parts.size() > static_cast<int>(n)) return false;
    items.assign(n, std::string());
    for (int i = 0; i < parts.size(); ++i)
        items[static_cast<std::size_t>(i)] = parts[i].trimmed().toStdString();
    return true;
}

/// Whether every non-empty item reads as a number the entry boxes accept.
bool AllReadable(GraphState& g, const std::vector<std::string>& items) {
    for (const std::string& item : items) {
        double scratch = 0;
        if (!item.empty() && !vemlo::ConvertEntry(g, item, scratch)) return false;
    }
    return true;
}

/// Reads a comma-separated list of numbers; each item may be a formula
/// ("2*p"), as in the program's entry boxes. Items left empty keep their value.
bool ReadList(GraphState& g, const QString& text, std::vector<double*> targets) {
    std::vector<std::string> items;
    if (!SplitList(text, targets.size(), items) || !AllReadable(g, items)) return false;
    for (std::size_t i = 0; i < items.size(); ++i) vemlo::ConvertEntry(g, items[i], *targets[i]);
    return true;
}

std::vector<double*> RangesOf(GraphState& g) {
    std::vector<double*> ranges;
    for (double GraphState::*end : vemlo::ModeOf(g.Choice).domain)
        if (end) ranges.push_back(&(g.*end));
    return ranges;
}

int Fail(const QString& text) {
    std::fprintf(stderr, "vemlo_render: %s\n", qPrintable(text));
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser cl;
    cl.setApplicationDescription("Draws one Vemlo graph into a PNG file.");
    cl.addHelpOption();
    const QCommandLineOption mode("mode", "Graph mode 1 to 4.", "n", "1");
    const QCommandLineOption f("f", "z = f(x, y) or f(r, t) (modes 1 and 2).", "formula");
    const QCommandLineOption x("x", "x(t) or x(u, v) (modes 3 and 4).", "formula");
    const QCommandLineOption y("y", "y(t) or y(u, v).", "formula");
    const QCommandLineOption z("z", "z(t) or z(u, v).", "formula");
    const QCommandLineOption domain("domain", "Ranges of the mode's parameters: min,max[,min,max].", "list");
    const QCommandLineOption window("window", "Window box: xmin,xmax,ymin,ymax,zmin,zmax.", "list");
    const QCommandLineOption curves("curves", "Grid curves each way: n[,m].", "list");
    const QCommandLineOption step("step", "Curve step (mode 3).", "value");
    const QCommandLineOption eye("eye", "Eye: rho,theta,phi (angles in degrees).", "list");
    const QCommandLineOption size("size", "Image size WxH.", "size", "776x466");
    const QCommandLineOption flat("no-shading", "Fill facets with their side colours unshaded.");
    const QCommandLineOption reference("reference", "Evaluate by reading the formulas every time.");
    const QCommandLineOption plane("plane", "Plane: point, normal[, minx,maxx,miny,maxy] (mode 1).", "list");
    const QCommandLineOption line("line", "Line: x1,y1,z1,x2,y2,z2.", "list");
    const QCommandLineOption box("box", "Draw the bounding box.");
    const QCommandLineOption contours(
        "contours", "Contours over the graph (modes 1 and 2): grid,levels[,3d], e.g. 20,10 or 60,16,3d.",
        "list");
    const QCommandLineOption out("out", "Output PNG file.", "file");
    cl.addOptions({mode, f, x, y, z, domain, window, curves, step, eye, size, flat, reference, plane, line, box,
                   contours, out});
    cl.process(app);

    GraphState g;
    const std::string modeText = cl.value(mode).toStdString();
    if (modeText.size() != 1 || modeText[0] < '1' || modeText[0] > '4')
        return Fail("the mode is 1, 2, 3 or 4");
    g.Choice = modeText[0];
    vemlo::ApplyModeDefaults(g, 1440, 900);
    if (cl.isSet(f)) g.SFunc = cl.value(f).toStdString();
    if (cl.isSet(x)) g.XFunc = cl.value(x).toStdString();
    if (cl.isSet(y)) g.YFunc = cl.value(y).toStdString();
    if (cl.isSet(z)) g.ZFunc = cl.value(z).toStdString();
    if (cl.isSet(domain) && !ReadList(g, cl.value(domain), RangesOf(g))) return Fail("bad --domain");
    if (cl.isSet(window) &&
        !ReadList(g, cl.value(window), {&g.WMinX, &g.WMaxX, &g.WMinY, &g.WMaxY, &g.WMinZ, &g.WMaxZ}))
        return Fail("bad --window");
    if (cl.isSet(curves)) {
        if (!ReadList(g, cl.value(curves), {&g.DeltaX, &g.DeltaY})) return Fail("bad --curves");
        if (cl.value(curves).split(',').size() == 1) g.DeltaY = g.DeltaX;
    }
    if (cl.isSet(step) && !ReadList(g, cl.value(step), {&g.Step})) return Fail("bad --step");
    if (cl.isSet(eye)) {
        // As the view dialog takes them: degrees to radians in extended
        // precision, theta wrapped, phi clamped, rho repaired.
        std::vector<std::string> items;
        if (!SplitList(cl.value(eye), 3, items) || !AllReadable(g, items)) return Fail("bad --eye");
        vemlo::ApplyView(g, items[1], items[2], items[0]);
        vemlo::RepairRho(g);
    }
    if (cl.isSet(flat)) g.Shading = false;
    // The repairs the program's dialogs make, so that every picture is one
    // the program could show.
    const std::vector<double*> ranges = RangesOf(g);
    for (std::size_t i = 0; i + 1 < ranges.size(); i += 2) vemlo::RepairRange(*ranges[i], *ranges[i + 1]);
    vemlo::RepairWindowBox(g);
    g.DeltaX = vemlo::RepairCurves(g.DeltaX);
    g.DeltaY = vemlo::RepairCurves(g.DeltaY);
    g.Step = vemlo::RepairStep(g.Step);

    // As the plane and line dialogs take them, then switched on.
    if (cl.isSet(plane)) {
        std::vector<std::string> items;
        if (g.Choice != '1' || !SplitList(cl.value(plane), 10, items) || !AllReadable(g, items))
            return Fail("bad --plane");
        vemlo::ResetPlane(g);
        std::array<std::string, 10> boxes;
        std::copy(items.begin(), items.end(), boxes.begin());
        vemlo::ApplyPlane(g, boxes);
        if (!g.PlaneFlag) return Fail("--plane: the point or the normal must differ from 0");
        g.PlaneDraw = true;
    }
    if (cl.isSet(line)) {
        std::vector<std::string> items;
        if (!SplitList(cl.value(line), 6, items) || !AllReadable(g, items)) return Fail("bad --line");
        std::array<std::string, 6> boxes;
        std::copy(items.begin(), items.end(), boxes.begin());
        vemlo::ApplyLine(g, boxes);
        if (!g.LineFlag) return Fail("--line: a point must differ from 0");
        g.LineDraw = true;
    }

    const QStringList wh = cl.value(size).split('x');
    const int w = wh.size() == 2 ? wh[0].toInt() : 0, h = wh.size() == 2 ? wh[1].toInt() : 0;
    if (w < 50 || h < 50 || w > 8000 || h > 8000) return Fail("bad --size (50x50 to 8000x8000)");
    if (!cl.isSet(out)) return Fail("--out is needed");

    int grid = 0, levels = 0;
    bool threeD = false;
    if (cl.isSet(contours)) {
        const QStringList parts = cl.value(contours).split(',');
        grid = parts.value(0).toInt();
        levels = parts.value(1).toInt();
        threeD = parts.size() == 3 && parts[2].trimmed() == "3d";
        if (parts.size() < 2 || parts.size() > 3 || (parts.size() == 3 && !threeD) || grid < 1 || grid > 60 ||
            levels < 2 || levels > 16)
            return Fail("bad --contours (grid 1..60, levels 2..16, optionally 3d)");
    }

    const vemlo::EvalPath path = cl.isSet(reference) ? vemlo::EvalPath::Reference : vemlo::EvalPath::Compiled;
    QImage image = vemlo::DrawGraphPicture(g, w, h, path, cl.isSet(box));
    if (cl.isSet(contours)) {
        // As Contours > Draw does after a drawing: over the graph and its axes,
        // with the pen the axes leave on the graphing image.
        const bool failed = g.FuncError;
        vemlo::QImageCanvas canvas(image);
        canvas.setPenWidth(2);
        vemlo::NullHost host;
        vemlo::DrawContours(g, canvas, host, grid, grid, levels, threeD, path);
        canvas.flush();
        g.FuncError = g.FuncError || failed;
    }
    if (!image.save(cl.value(out), "PNG")) return Fail("cannot write " + cl.value(out));
    if (g.FuncError) return Fail("ERROR...Check your Functions");
    return 0;
}
