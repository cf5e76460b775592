#pragma once
/// Headless drawing of a whole graph into a new image, the way the Draw
/// command draws it: viewing transform, background, surface or curve, axes.
/// Used for the start menu's picture, the program's icon and the render tool.

#include <QImage>

#include "engine/Evaluate.h"
#include "engine/GraphState.h"
#include "output/DisplayList.h"

namespace vemlo {

/// Draws g's graph into a w x h image; the graphing rectangle of g is set so
/// that the image fills it. The plane and the line are drawn as far as they
/// are switched on, the box when `drawBox`. FuncError tells whether a formula
/// failed. With `record`, every step drawn is also kept there, the ground first.
QImage DrawGraphPicture(GraphState& g, int w, int h, EvalPath path = EvalPath::Compiled, bool drawBox = false,
                        DisplayList* record = nullptr);

/// The start menu's picture: a shaded sample surface with its labelled axes.
QImage StartMenuPicture();

/// The program's icon, size x size: a shaded sample surface without axes on
/// a transparent ground.
QImage IconPicture(int size);

}  // namespace vemlo
