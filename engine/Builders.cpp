#include "engine/Builders.h"

#include "engine/Facets.h"
#include "engine/Modes.h"

namespace vemlo {

void EvaluateF(GraphState& g, Canvas& c, Host& h, EvalPath path) {
    h.setListing(ValueListing());
    ClearQuads(g);
    if (IsGraphMode(g.Choice)) ModeOf(g.Choice).build(g, c, h, path);
}

}  // namespace vemlo
