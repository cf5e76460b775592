// vemlo_render: draws one graph headless into a PNG, the way the Draw command
// draws it (mode defaults, transform, builder, axes), for looking at the
// builders' pictures without the program's windows.

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/Modes.h"
#include "engine/Settings.h"
#include "formula/Parser.h"
#include "output/GraphPicture.h"

namespace {

using vemlo::GraphState;

/// Reads a comma-separated list of numbers; each item may be a formula
/// ("2*p"), as in the program's entry boxes. Items left empty keep their value.
bool ReadList(GraphState& g, const QString& text, std::vector<double*> targets) {
    const QStringList items = text.split(',');
    if (items.size() > static_cast<int>(targets.size())) return false;
    for (int i = 0; i < items.size(); ++i) {
        const std::string item = items[i].trimmed().toStdString();
        if (item.empty()) continue;
        vemlo::Convert(g, item, *targets[static_cast<std::size_t>(i)]);
        if (g.MathError || g.TokenError) return false;
    }
    return true;
}

std::vector<double*> RangesOf(GraphState& g) {
    switch (g.Choice) {
        case '2':
            return {&g.MinR, &g.MaxR, &g.MinT, &g.MaxT};
        case '3':
            return {&g.MinT, &g.MaxT};
        case '4':
            return {&g.MinU, &g.MaxU, &g.MinV, &g.MaxV};
        default:
            return {&g.MinX, &g.MaxX, &g.MinY, &g.MaxY};
    }
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
    const QCommandLineOption out("out", "Output PNG file.", "file");
    cl.addOptions({mode, f, x, y, z, domain, window, curves, step, eye, size, flat, reference, out});
    cl.process(app);

    GraphState g;
    g.Choice = cl.value(mode).toStdString().c_str()[0];
    if (g.Choice < '1' || g.Choice > '4') return Fail("the mode is 1, 2, 3 or 4");
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
        double theta = 30, phi = 40;
        if (!ReadList(g, cl.value(eye), {&g.Rho, &theta, &phi})) return Fail("bad --eye");
        g.Theta = theta * 3.141592653589793 / 180;
        g.Phi = phi * 3.141592653589793 / 180;
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

    const QStringList wh = cl.value(size).split('x');
    const int w = wh.size() == 2 ? wh[0].toInt() : 0, h = wh.size() == 2 ? wh[1].toInt() : 0;
    if (w < 50 || h < 50 || w > 8000 || h > 8000) return Fail("bad --size (50x50 to 8000x8000)");
    if (!cl.isSet(out)) return Fail("--out is needed");

    const QImage image = vemlo::DrawGraphPicture(
        g, w, h, cl.isSet(reference) ? vemlo::EvalPath::Reference : vemlo::EvalPath::Compiled);
    if (!image.save(cl.value(out), "PNG")) return Fail("cannot write " + cl.value(out));
    if (g.FuncError) return Fail("ERROR...Check your Functions");
    return 0;
}
