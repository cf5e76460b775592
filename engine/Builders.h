#pragma once
/// The graph proper: EvaluateF clears the value listing and the facet store
/// and runs the builder of the current mode, which draws the surface or curve
/// on the canvas and hands the value listing to the host.
///
/// The caller has built the viewing transform (Matrix1, Matrix2) and set
/// Drawing. On return the graph is drawn, or FuncError is set (a formula
/// failed), or the drawing was cancelled (Drawing found false, set back to
/// true). `path` chooses the reference evaluation (Parse every time, plain
/// selection sort) instead of the compiled one; both draw the same picture.

#include "engine/Canvas.h"
#include "engine/Evaluate.h"
#include "engine/GraphState.h"
#include "engine/Host.h"

namespace vemlo {

void EvaluateF(GraphState& g, Canvas& c, Host& h, EvalPath path = EvalPath::Compiled);

/// Mode '1': z = f(x, y) over MinX..MaxX x MinY..MaxY in DeltaX x DeltaY cells.
void EvaluateRect(GraphState& g, Canvas& c, Host& h, EvalPath path = EvalPath::Compiled);
/// Mode '2': z = f(r, t) at (r cos t, r sin t) over MinR..MaxR x MinT..MaxT.
void EvaluateCyl(GraphState& g, Canvas& c, Host& h, EvalPath path = EvalPath::Compiled);
/// Mode '3': the space curve (x(t), y(t), z(t)), t from MinT by Step.
void EvaluatePar(GraphState& g, Canvas& c, Host& h, EvalPath path = EvalPath::Compiled);
/// Mode '4': the surface (x, y, z)(u, v) over MinU..MaxU x MinV..MaxV.
void EvaluateTwoPar(GraphState& g, Canvas& c, Host& h, EvalPath path = EvalPath::Compiled);

}  // namespace vemlo
