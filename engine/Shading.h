#pragma once
/// Facet colours: the side colour shaded by the angle N between the facet's
/// normal and the line of sight (0 edge-on, 1 head-on).

#include "engine/Types.h"

namespace vemlo {

void GetTheShade(double N, Color C, Color& S);
void GetTheColor(double N, Color C, Color& S);
void RGBtoHSV(double R, double G, double B, double& H, double& S, double& V);
void HSVtoRGB(double H, double S, double V, double& R, double& G, double& B);

}  // namespace vemlo
