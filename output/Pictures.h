#pragma once
/// The two pictures every picture command puts out: PicMap, a plain copy of
/// the graphing image, and LMap, the full-graph picture with the title above
/// the graph and the formulas and parameter values below it.

#include <QImage>
#include <QPoint>
#include <string>

#include "engine/Canvas.h"
#include "engine/GraphState.h"
// The parameter values in the picture are written as in the main window's labels.
#include "engine/Settings.h"

namespace vemlo {

/// Where the title starts in LMap: centred by a width T measured at the main
/// window's font size, over an image W wide whose left edge is L.
int TitleLeft(const GraphState& g, int W, int L, int T);

/// Draws the sheet of LMap for an image W x H on c (a canvas of the sheet's
/// size): PColor ground, the title, the parameter values and the formulas.
void DrawSheet(const GraphState& g, int W, int H, Canvas& c);
/// Where the image's top-left corner lies on the sheet.
QPoint GraphCorner(const GraphState& g);

/// Composes LMap ((W + 2 LMapX) x (H + LMapY)) and PicMap (W x H) from the
/// graphing image Image1 (W x H) and the graph state. The sheet of LMap is
/// PColor, the colour behind every label text, so texts and sheet are one
/// surface. L, the image's left edge in the main window, is FLeft + 1.
/// Letting the event loop run and repainting the window afterwards are left
/// to the main window.
void SaveTheGraph(const GraphState& g, const QImage& Image1, QImage& PicMap, QImage& LMap);

}  // namespace vemlo
