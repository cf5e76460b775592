#include "output/GraphPicture.h"

#include <QPainter>
#include <algorithm>
#include <memory>

#include "engine/Axes.h"
#include "engine/DrawGraph.h"
#include "engine/Host.h"
#include "engine/Modes.h"
#include "output/QImageCanvas.h"
#include "output/RecordingCanvas.h"

namespace vemlo {

namespace {

QImage Render(GraphState& g, int w, int h, EvalPath path, bool withAxes, bool drawBox,
              DisplayList* record = nullptr) {
    // The graphing rectangle is the image with its one-pixel frame around it,
    // placed where the main window has it: Shape clamps points left of and
    // above the window's client area, so the offset shows in what is drawn.
    g.FLeft = 156;
    g.FHi = 72;
    g.FRight = g.FLeft + w + 2;
    g.FLo = g.FHi + h + 2;

    QImage image(w, h, QImage::Format_RGB32);
    image.fill(toQColor(g.BColor));
    std::unique_ptr<QImageCanvas> recording;
    if (record) {
        record->clear();
        DisplayList::Tools ground;
        ground.brush = g.BColor;
        record->fillRect(ground, 0, 0, w, h);
        recording = std::make_unique<RecordingCanvas>(image, *record);
    }
    QImageCanvas plain(image);
    QImageCanvas& canvas = recording ? *recording : plain;
    NullHost host;
    g.FunctionCalled = true;
    DrawRequest request;
    request.path = path;
    request.drawBox = drawBox;
    DrawGraph(g, canvas, host, request);
    if (withAxes) Axes(g, canvas);
    canvas.flush();
    return image;
}

}  // namespace

QImage DrawGraphPicture(GraphState& g, int w, int h, EvalPath path, bool drawBox, DisplayList* record) {
    return Render(g, w, h, path, true, drawBox, record);
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

QImage IconPicture(int size) {
    constexpr int kDrawn = 512;
    GraphState g;
    g.Choice = '1';
    ApplyModeDefaults(g, 0, 0);
    g.SFunc = "(2*x^2+3*y^2)*Exp(1-x^2-y^2)";
    g.DeltaX = g.DeltaY = 12;
    g.WMinZ = 0;
    g.WMaxZ = 3.2;
    // Drawn twice on different grounds: a pixel that follows the ground is
    // ground, whatever colours the surface happens to use.
    g.BColor = 0x000000;
    const QImage dark = Render(g, kDrawn, kDrawn, EvalPath::Compiled, false, false);
    g.BColor = 0xFFFFFF;
    QImage icon =
        Render(g, kDrawn, kDrawn, EvalPath::Compiled, false, false).convertToFormat(QImage::Format_ARGB32);
    QRect used;
    for (int y = 0; y < kDrawn; ++y) {
        auto* row = reinterpret_cast<QRgb*>(icon.scanLine(y));
        const auto* other = reinterpret_cast<const QRgb*>(dark.constScanLine(y));
        for (int x = 0; x < kDrawn; ++x) {
            if ((row[x] & 0xFFFFFF) != (other[x] & 0xFFFFFF))
                row[x] = 0;
            else
                used |= QRect(x, y, 1, 1);
        }
    }
    if (used.isEmpty()) used = icon.rect();
    // The surface centred in a square with a narrow margin, then scaled down.
    const int side = std::max(used.width(), used.height()) * 17 / 16 + 1;
    QImage square(side, side, QImage::Format_ARGB32);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    painter.drawImage(QPoint((side - used.width()) / 2, (side - used.height()) / 2), icon, used);
    painter.end();
    return square.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace vemlo
