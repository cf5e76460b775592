#include "engine/DrawGraph.h"

#include "engine/Builders.h"
#include "engine/Decorations.h"
#include "engine/Modes.h"
#include "engine/View.h"

namespace vemlo {

void UpdateView(GraphState& g) {
    Matrix1(g, g.Dis, g.Rho, g.Theta, g.Phi);
    Matrix2(g);
}

void DrawGraph(GraphState& g, Canvas& c, Host& h, const DrawRequest& r) {
    if (!IsGraphMode(g.Choice)) return;
    if (r.transform) UpdateView(g);
    g.Drawing = true;
    if (g.FunctionCalled || r.evenUncalled) EvaluateF(g, c, h, r.path);
    if (!r.decorations) return;
    if (g.PlaneDraw) EditPlane(g, c, h);
    if (g.LineDraw) EditLine(g, c, h);
    if (r.drawBox) BoxIt(g, c, true, r.path);
}

}  // namespace vemlo
