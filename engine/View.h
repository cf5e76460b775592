#pragma once
/// The viewing transformation: eye position to viewing matrix M1, window box
/// fitted into the graphing rectangle by M2, world points to pixels.

#include <cstdint>
#include <optional>

#include "engine/Canvas.h"
#include "engine/GraphState.h"

namespace vemlo {

void Matrix1(GraphState& g, double dis, double rho, double theta, double phi);
void Matrix2(GraphState& g);
void WShape2(GraphState& g, double x, double y, double z);
void WShape1(GraphState& g, double x, double y, double z);
void WShapeIt(GraphState& g);
/// Pixel position of a world point in the graphing image. Never undefined for
/// NaN, infinite or huge values: before the frame offset is taken off, a
/// column or row below 1 becomes 1, one beyond 2^30 becomes 2^30, and NaN
/// becomes 0.
void Shape(const GraphState& g, double x, double y, double z, std::int32_t& px, std::int32_t& py);
PointType Shape(const GraphState& g, double x, double y, double z);
/// The pixel position of a world point, as Shape gives it, when the point can
/// be placed in the image; nothing when a coordinate, or the position the
/// point projects to, is NaN or infinite. Whatever draws to points worked out
/// from formulas or entries (surfaces, curves, decorations) places them
/// through this and draws nothing to a point that has no place: a facet with
/// such a corner is skipped, a line to or from such a point is left out.
std::optional<PointType> ShapeFinite(const GraphState& g, double x, double y, double z);
/// A dot at a world point in DColor; the pen moves there. Returns false, and
/// draws nothing, when the point cannot be placed (see ShapeFinite).
bool PlotPoint(const GraphState& g, Canvas& c, double x, double y, double z);
/// A line in DColor from the pen position to a world point. Returns false,
/// and draws nothing, when the point cannot be placed (see ShapeFinite).
bool Sketch(const GraphState& g, Canvas& c, double x, double y, double z);
void Delay(int ms);

}  // namespace vemlo
