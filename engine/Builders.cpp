#include "engine/Builders.h"

#include "engine/Facets.h"

namespace vemlo {

void EvaluateF(GraphState& g, Canvas& c, Host& h, EvalPath path) {
    h.setListing({});
    ClearQuads(g);
    switch (g.Choice) {
        case '1':
            EvaluateRect(g, c, h, path);
            break;
        case '2':
            EvaluateCyl(g, c, h, path);
            break;
        case '3':
            EvaluatePar(g, c, h, path);
            break;
        case '4':
            EvaluateTwoPar(g, c, h, path);
            break;
        default:
            break;
    }
}

}  // namespace vemlo
