#pragma once
/// The one drawing routine. Draw, the compass arrows, the graph colour redraw,
/// movie frames, the start-menu picture and the render tool all draw the graph
/// through DrawGraph; what differs between them is a field of DrawRequest.
///
/// Order: the viewing transform (unless the caller keeps the one it has), the
/// surface or curve of the mode (while FunctionCalled), then the decorations
/// that are switched on: the plane (PlaneDraw), the line (LineDraw), the box
/// (the "Draw Box" item). The axes and the pictures are the caller's: Draw
/// composes the pictures before it puts the axes on top.

#include "engine/Canvas.h"
#include "engine/Evaluate.h"
#include "engine/GraphState.h"
#include "engine/Host.h"

namespace vemlo {

struct DrawRequest {
    /// Build the viewing transform from the eye first (Matrix1, Matrix2).
    /// A movie keeps the fit it took at its start and sets this false.
    bool transform = true;
    /// Plane, line and box after the surface; a movie frame has none.
    bool decorations = true;
    /// Draw the surface even while FunctionCalled is not set: a movie turns
    /// the formula the mode holds, whether it was drawn before or not.
    bool evenUncalled = false;
    /// The check mark of Box > "Draw Box".
    bool drawBox = false;
    /// Parse every time and order by plain selection (the reference), or the
    /// compiled formulas and the fast ordering; both draw the same picture.
    EvalPath path = EvalPath::Compiled;
};

/// Matrix1 from the eye (Dis, Rho, Theta, Phi), then Matrix2.
void UpdateView(GraphState& g);

/// Draws the current graph of a graph mode ('1' to '4'); any other Choice
/// draws nothing. Sets Drawing while the surface or curve is built; returns
/// normally when it was cancelled, with FuncError set when a formula failed.
void DrawGraph(GraphState& g, Canvas& c, Host& h, const DrawRequest& r = {});

}  // namespace vemlo
