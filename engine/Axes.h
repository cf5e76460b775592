#pragma once
/// Axes, axis letters and tick marks on the graphing image.

#include "engine/Canvas.h"
#include "engine/GraphState.h"

namespace vemlo {

void Axes(const GraphState& g, Canvas& c);
void Tick(const GraphState& g, Canvas& c);

}  // namespace vemlo
