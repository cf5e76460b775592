#pragma once
/// The viewing transformation: eye position to viewing matrix M1, window box
/// fitted into the graphing rectangle by M2, world points to pixels.

#include <cstdint>

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
void PlotPoint(const GraphState& g, Canvas& c, double x, double y, double z);
void Sketch(const GraphState& g, Canvas& c, double x, double y, double z);
void Delay(int ms);

}  // namespace vemlo
