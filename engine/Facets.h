#pragma once
/// The facet store and the painter's ordering: facets are ordered farthest
/// first and filled in that order.

#include "engine/Canvas.h"
#include "engine/GraphState.h"

namespace vemlo {

/// N, the number of records a drawing clears and a movie frame draws:
/// (DeltaX+1)(DeltaY+1) rounded, at most MaxQuads (0 for a NaN grid size).
int FacetCount(const GraphState& g);
/// Records 1..N of the store become the empty facet.
void ClearQuads(GraphState& g);
void Switch(PolyRecord& a, PolyRecord& b);
/// Orders Quads[1..n] farthest first (the exact order a selection sort with a
/// strict comparison gives), copies the store into the movie frame when
/// Framing, and fills the facets onto the canvas.
void SortIt(GraphState& g, Canvas& c, int n);
/// The reference ordering: the plain selection sort, O(n^2).
void SelectionSortQuads(GraphState& g, int n);

}  // namespace vemlo
