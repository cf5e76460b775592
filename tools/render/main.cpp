// vemlo_render: draws one graph headless into a picture file, the way the
// Draw command draws it (mode defaults, transform, builder, plane, line, box,
// axes), optionally with its contour levels over it, for making pictures from
// scripts without the program's windows.

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "engine/Contours.h"
#include "engine/Decorations.h"
#include "engine/Modes.h"
#include "engine/Settings.h"
#include "formula/Parser.h"
#include "output/GraphPicture.h"
#include "output/QImageCanvas.h"
#include "output/RecordingCanvas.h"
#include "output/VectorGraph.h"
#include "tools/render/PictureFormat.h"

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

// What the exit status says.
enum ExitCode { kDrawn = 0, kBadCommandLine = 2, kFormulaFailed = 3, kNotWritten = 4 };

int Fail(int code, const QString& text) {
    std::fprintf(stderr, "vemlo_render: %s\n", qPrintable(text));
    return code;
}

int BadCommandLine(const QString& text) { return Fail(kBadCommandLine, text + " (see vemlo_render --help)"); }

const char* const kMoreHelp = R"help(
The picture format follows the extension of --out: .bmp or .BMP; .jpg, .JPG,
.jpeg or .JPEG (quality 100); .png or .PNG; or as vectors, one point per
pixel with text as text: .pdf or .PDF, .svg or .SVG. Formulas are written as in the
program: + - * / ^, Sin, Cos, Exp, Sqrt, ..., p for pi; so may every number
be. An empty item of a list keeps its default (--eye ,30,70). The file is
written whole or not at all.

Examples:
  vemlo_render -f "Sin(x)*Cos(y)" --out waves.png
  vemlo_render -f "x^2-y^2" --eye ,30,70 --window -3,3,-3,3,-9,9 --size 400x300 --out saddle.jpg
  vemlo_render --mode 2 -f "2-r/2" --out cone.png
  vemlo_render -f "Sin(x)*Cos(y)" --curves 40 --contours 40,12 --out waves.pdf
  vemlo_render --mode 3 -x "2*Cos(4*t)" -y "2*Sin(4*t)" -z t --step 0.01 --out helix.png
  vemlo_render --mode 4 -x "(2+Cos(v))*Cos(u)" -y "(2+Cos(v))*Sin(u)" -z "Sin(v)" \
      --window -3,3,-3,3,-3,3 --out torus.bmp

Exit status:
  0  the picture was written
  2  the command line is wrong (unknown option, bad value, no --out, or an
     extension that is not one of the above); nothing was written
  3  a formula failed (the message names it); nothing was written
  4  the picture file could not be written; a file of that name is unchanged
)help";

using NamedFormula = std::pair<QString, std::string>;

/// The formulas the mode draws, with the options that set them.
std::vector<NamedFormula> FormulasOf(const GraphState& g) {
    if (g.Choice == '1' || g.Choice == '2') return {{"-f", g.SFunc}};
    return {{"-x", g.XFunc}, {"-y", g.YFunc}, {"-z", g.ZFunc}};
}

/// The formulas of the list whose text does not read as a formula.
std::vector<NamedFormula> WithSyntaxErrors(const GraphState& g, const std::vector<NamedFormula>& formulas) {
    vemlo::FormulaState scratch = g;
    std::vector<NamedFormula> bad;
    for (const NamedFormula& f : formulas) {
        vemlo::Parse(scratch, f.second);
        if (scratch.TokenError) bad.push_back(f);
    }
    return bad;
}

QString Listed(const std::vector<NamedFormula>& formulas) {
    QStringList items;
    for (const NamedFormula& f : formulas) items << f.first + " \"" + QString::fromStdString(f.second) + "\"";
    return items.join(", ");
}

/// Writes the image whole, or leaves the file as it was.
bool WritePicture(const QImage& image, const QString& name, vemlo::PictureFormat format, QString& error) {
    QSaveFile file(name);
    if (file.open(QIODevice::WriteOnly) && image.save(&file, format.name, format.quality) && file.commit())
        return true;
    error = file.errorString();
    file.cancelWriting();
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vemlo_render"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VEMLO_VERSION));
    QCommandLineParser cl;
    cl.setApplicationDescription("Draws one Vemlo graph into a picture file (BMP, JPEG, PNG, PDF or SVG).");
    const QCommandLineOption help(QStringList{"h", "help"}, "Shows this help.");
    cl.addOption(help);
    cl.addVersionOption();
    const QCommandLineOption mode("mode", "Graph mode 1 to 4.", "n", "1");
    const QCommandLineOption f("f", "z = f(x, y) or f(r, t) (modes 1 and 2).", "formula");
    const QCommandLineOption x("x", "x(t) or x(u, v) (modes 3 and 4).", "formula");
    const QCommandLineOption y("y", "y(t) or y(u, v).", "formula");
    const QCommandLineOption z("z", "z(t) or z(u, v).", "formula");
    const QCommandLineOption domain("domain", "Ranges of the mode's parameters: min,max[,min,max].", "list");
    const QCommandLineOption window("window", "Window box: xmin,xmax,ymin,ymax,zmin,zmax.", "list");
    const QCommandLineOption curves("curves", "Grid curves each way: n[,m].", "list");
    const QCommandLineOption step("step", "Curve step (mode 3).", "value");
    const QCommandLineOption eye("eye", "Eye: rho,theta,phi, angles in degrees (200,30,40).", "list");
    const QCommandLineOption size("size", "Image size WxH.", "size", "776x466");
    const QCommandLineOption flat("no-shading", "Fill facets with their side colours unshaded.");
    const QCommandLineOption reference("reference", "Evaluate by reading the formulas every time.");
    const QCommandLineOption plane("plane", "Plane: point, normal[, minx,maxx,miny,maxy] (mode 1).", "list");
    const QCommandLineOption line("line", "Line: x1,y1,z1,x2,y2,z2.", "list");
    const QCommandLineOption box("box", "Draw the bounding box.");
    const QCommandLineOption contours(
        "contours", "Contours over the graph (modes 1 and 2): grid,levels[,3d], e.g. 20,10 or 60,16,3d.",
        "list");
    const QCommandLineOption out("out", "Picture file to write (.bmp, .jpg, .jpeg, .png, .pdf or .svg).",
                                 "file");
    cl.addOptions({mode, f, x, y, z, domain, window, curves, step, eye, size, flat, reference, plane, line,
                   box, contours, out});
    if (!cl.parse(QCoreApplication::arguments())) return BadCommandLine(cl.errorText());
    if (cl.isSet(help)) {
        std::printf("%s%s", qPrintable(cl.helpText()), kMoreHelp);
        return kDrawn;
    }
    if (cl.isSet(QStringLiteral("version"))) cl.showVersion();
    if (!cl.positionalArguments().isEmpty())
        return BadCommandLine("unexpected argument " + cl.positionalArguments().first());

    GraphState g;
    const std::string modeText = cl.value(mode).toStdString();
    if (modeText.size() != 1 || modeText[0] < '1' || modeText[0] > '4')
        return BadCommandLine("the mode is 1, 2, 3 or 4");
    g.Choice = modeText[0];
    vemlo::ApplyModeDefaults(g, 1440, 900);
    if (cl.isSet(f)) g.SFunc = cl.value(f).toStdString();
    if (cl.isSet(x)) g.XFunc = cl.value(x).toStdString();
    if (cl.isSet(y)) g.YFunc = cl.value(y).toStdString();
    if (cl.isSet(z)) g.ZFunc = cl.value(z).toStdString();
    if (cl.isSet(domain) && !ReadList(g, cl.value(domain), RangesOf(g)))
        return BadCommandLine("bad --domain");
    if (cl.isSet(window) &&
        !ReadList(g, cl.value(window), {&g.WMinX, &g.WMaxX, &g.WMinY, &g.WMaxY, &g.WMinZ, &g.WMaxZ}))
        return BadCommandLine("bad --window");
    if (cl.isSet(curves)) {
        if (!ReadList(g, cl.value(curves), {&g.DeltaX, &g.DeltaY})) return BadCommandLine("bad --curves");
        if (cl.value(curves).split(',').size() == 1) g.DeltaY = g.DeltaX;
    }
    if (cl.isSet(step) && !ReadList(g, cl.value(step), {&g.Step})) return BadCommandLine("bad --step");
    if (cl.isSet(eye)) {
        // As the view dialog takes them: degrees to radians in extended
        // precision, theta wrapped, phi clamped, rho repaired.
        std::vector<std::string> items;
        if (!SplitList(cl.value(eye), 3, items) || !AllReadable(g, items)) return BadCommandLine("bad --eye");
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
            return BadCommandLine("bad --plane");
        vemlo::ResetPlane(g);
        std::array<std::string, 10> boxes;
        std::copy(items.begin(), items.end(), boxes.begin());
        vemlo::ApplyPlane(g, boxes);
        if (!g.PlaneFlag) return BadCommandLine("--plane: the point or the normal must differ from 0");
        g.PlaneDraw = true;
    }
    if (cl.isSet(line)) {
        std::vector<std::string> items;
        if (!SplitList(cl.value(line), 6, items) || !AllReadable(g, items))
            return BadCommandLine("bad --line");
        std::array<std::string, 6> boxes;
        std::copy(items.begin(), items.end(), boxes.begin());
        vemlo::ApplyLine(g, boxes);
        if (!g.LineFlag) return BadCommandLine("--line: a point must differ from 0");
        g.LineDraw = true;
    }

    const QStringList wh = cl.value(size).split('x');
    const int w = wh.size() == 2 ? wh[0].toInt() : 0, h = wh.size() == 2 ? wh[1].toInt() : 0;
    if (w < 50 || h < 50 || w > 8000 || h > 8000) return BadCommandLine("bad --size (50x50 to 8000x8000)");
    if (!cl.isSet(out)) return BadCommandLine("--out is needed");
    const QString outName = cl.value(out);
    const vemlo::PictureFormat format = vemlo::PictureFormatOf(outName);
    const vemlo::VectorFormat vector = vemlo::VectorFormatOf(outName);
    if (!format.name && vector == vemlo::VectorFormat::Unknown)
        return BadCommandLine("cannot tell the picture format of " + outName);

    const std::vector<NamedFormula> formulas = FormulasOf(g);
    const std::vector<NamedFormula> unreadable = WithSyntaxErrors(g, formulas);
    if (!unreadable.empty()) return Fail(kFormulaFailed, "formula error in " + Listed(unreadable));

    int grid = 0, levels = 0;
    bool threeD = false;
    if (cl.isSet(contours)) {
        const QStringList parts = cl.value(contours).split(',');
        grid = parts.value(0).toInt();
        levels = parts.value(1).toInt();
        threeD = parts.size() == 3 && parts[2].trimmed() == "3d";
        if (parts.size() < 2 || parts.size() > 3 || (parts.size() == 3 && !threeD) || grid < 1 || grid > 60 ||
            levels < 2 || levels > 16)
            return BadCommandLine("bad --contours (grid 1..60, levels 2..16, optionally 3d)");
    }

    const vemlo::EvalPath path = cl.isSet(reference) ? vemlo::EvalPath::Reference : vemlo::EvalPath::Compiled;
    // A vector picture is drawn from the steps the drawing took.
    vemlo::DisplayList steps;
    vemlo::DisplayList* record = vector != vemlo::VectorFormat::Unknown ? &steps : nullptr;
    QImage image = vemlo::DrawGraphPicture(g, w, h, path, cl.isSet(box), record);
    if (cl.isSet(contours)) {
        // As Contours > Draw does after a drawing: over the graph and its axes,
        // with the pen the axes leave on the graphing image.
        const bool failed = g.FuncError;
        vemlo::RecordingCanvas canvas(image, steps);
        canvas.setPenWidth(2);
        vemlo::NullHost host;
        vemlo::DrawContours(g, canvas, host, grid, grid, levels, threeD, path);
        canvas.flush();
        g.FuncError = g.FuncError || failed;
    }
    if (g.FuncError)
        return Fail(kFormulaFailed, "a formula has no value at a point of the domain: " + Listed(formulas));
    QString error;
    if (record) {
        if (!steps.complete())
            return Fail(kNotWritten, "too many drawing steps to write " + outName + " as vectors");
        if (!vemlo::WriteVectorImage(outName, vector, steps, image.size(), &error))
            return Fail(kNotWritten, "cannot write " + outName + ": " + error);
        return kDrawn;
    }
    if (!WritePicture(image, outName, format, error))
        return Fail(kNotWritten, "cannot write " + outName + ": " + error);
    return kDrawn;
}
