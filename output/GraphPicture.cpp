#include "output/GraphPicture.h"

#include "engine/Axes.h"
#include "engine/DrawGraph.h"
#include "engine/Host.h"
#include "engine/Modes.h"
#include "output/QImageCanvas.h"

namespace vemlo {

QImage DrawGraphPicture(GraphState& g, int w, int h, EvalPath path, bool drawBox) {
    // The graphing rectangle is the image with its one-pixel frame around it,
    // placed where the main window has it: Shape clamps points left of and
    // above the window's client area, so the offset shows in what is drawn.
    g.FLeft = 156;
    g.FHi = 72;
    g.FRight = g.FLeft + w + 2;
    g.FLo = g.FHi + h + 2;

    QImage image(w, h, QImage::Format_RGB32);
    image.fill(toQColor(g.BColor));
    QImageCanvas canvas(image);
    NullHost host;
    g.FunctionCalled = true;
    DrawRequest request;
    request.path = path;
    request.drawBox = drawBox;
    DrawGraph(g, canvas, host, request);
    Axes(g, canvas);
    canvas.flush();
    return image;
}

QImage StartMenuPicture() {
    GraphState g;
    g.Choice = '1';
    ApplyModeDefaults(g, 0, 0);
    g.SFunc = "(2*x^2+3*y^2)*Exp(1-x^2-y^2)";
    g.DeltaX = g.DeltaY = 18;
    g.WMinZ = -4;
    g.WMaxZ = 4;
    return DrawGraphPicture(g, 143, 143);
}

}  // namespace vemlo
