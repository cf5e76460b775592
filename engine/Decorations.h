#pragma once
/// The decorations drawn over a graph: the plane patch through a point with a
/// given normal, the line between two points, and the bounding box that
/// measures the graph and frames it. Each is drawn over whatever the image
/// shows; none takes part in the painter's ordering of the surface.
///
/// The plane and the line are edited through dialogs. Their routines come in
/// steps: the reset (while no data was entered), the entry texts written back
/// (ApplyPlane, ApplyLine), and the drawing. The dialog routines in ui/ run
/// the dialog between the reset and the drawing; the redraws of the graph run
/// the reset and the drawing only (EditPlane, EditLine).

#include <array>
#include <string>

#include "engine/Canvas.h"
#include "engine/Evaluate.h"
#include "engine/GraphState.h"
#include "engine/Host.h"

namespace vemlo {

// ---- Tangent plane ----------------------------------------------------------

/// While PlaneFlag is false: the point and the normal become 0, and the patch
/// reaches a fifteenth of the window box each way (0.5 where the box has no width).
void ResetPlane(GraphState& g);

/// The plane dialog's boxes Edit1..Edit10 (point, normal, MinX, MaxX, MinY,
/// MaxY) written back. An empty or unreadable entry keeps its value; a change
/// of the point or the normal sets PlaneFlag. A size entry on the wrong side
/// of 0 (a minimum not below 0, a maximum not above 0) keeps the old size.
void ApplyPlane(GraphState& g, const std::array<std::string, 10>& boxes);

/// For N3 != 0 the height of the plane above (x, y); for N3 = 0 and N2 != 0
/// the y of the vertical plane at x (y unused); for N3 = N2 = 0 it is P1.
double PF(const GraphState& g, double x, double y);

/// A corner of the patch in world coordinates.
struct WorldPoint {
    double x = 0, y = 0, z = 0;
};
/// The four corners of the patch, by the orientation of the normal: a square
/// about the point under the plane's height (N3 != 0); a vertical rectangle
/// with x over PMinX..PMaxX and z within PMaxY of P3 (N3 = 0, N2 != 0); the
/// rectangle of the plane x = P1 with y over PMinY..PMaxY (N3 = N2 = 0).
std::array<WorldPoint, 4> PlaneCorners(const GraphState& g);

/// Without plane data, the message "Enter data for the plane first" and
/// nothing drawn. Otherwise the patch filled and outlined in DColor (a patch
/// with a corner that cannot be placed is not filled), the point marked in
/// lime, and the axes drawn again on top. The pen is 2 pixels wide.
void DrawPlane(GraphState& g, Canvas& c, Host& h);

/// The plane as the redraws draw it: the reset, then the drawing when
/// PlaneDraw is set.
void EditPlane(GraphState& g, Canvas& c, Host& h);

// ---- Line -------------------------------------------------------------------

/// While LineFlag is false: both end points become (0, 0, 0).
void ResetLine(GraphState& g);

/// The line dialog's boxes Edit1..Edit6 (start x, y, z, end x, y, z) written
/// back; an empty or unreadable entry keeps its value; a change sets LineFlag.
void ApplyLine(GraphState& g, const std::array<std::string, 6>& boxes);

/// Without points, the message "Enter points for the line first" and nothing
/// drawn. Otherwise the segment in DColor with the canvas's pen width and
/// style; a segment with an end that cannot be placed is not drawn.
void DrawLine(const GraphState& g, Canvas& c, Host& h);

/// The line as the redraws draw it: the reset, then the drawing when LineDraw is set.
void EditLine(GraphState& g, Canvas& c, Host& h);

// ---- Bounding box -----------------------------------------------------------

/// The extent of the graph of each mode, measured on a coarse grid of its
/// domain into MinX...MaxZ (mode '1' writes only MinZ and MaxZ; its MinX...MaxY
/// are the domain). A value that is not finite is left out of the extent. The
/// scan ends as soon as FuncError is found set, with the extent as far as it
/// got; every scan ends, whatever the ranges.
void EvaluateF1(GraphState& g, PointEval& ev);
void EvaluateCyl1(GraphState& g, PointEval& ev);
void EvaluatePar1(GraphState& g, PointEval& ev);
void EvaluateTwoPar1(GraphState& g, PointEval& ev);

/// Measures the extent with the scan of the mode, then, when `drawBox`, draws
/// the twelve edges of the box in DColor with the canvas's pen width and
/// style. An edge with a corner that cannot be placed is left out.
void BoxIt(GraphState& g, Canvas& c, bool drawBox, EvalPath path = EvalPath::Compiled);

}  // namespace vemlo
