#pragma once
/// Contour levels of a surface over a height (modes 1 and 2): the function is
/// sampled on a square grid over the xy-plane, and the level curves of evenly
/// spaced levels are traced cell by cell, each cell cut into four triangles
/// around its centre, and drawn over whatever the image holds, flat in the
/// plane z = 0 or at their own heights. Nothing records the curves: they exist
/// only as pixels until the next redraw.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Canvas.h"
#include "engine/Evaluate.h"
#include "engine/GraphState.h"
#include "engine/Host.h"

namespace vemlo {

/// The largest grid (cells along x and along y) and the most levels.
constexpr int MaxContourGrid = 60;
constexpr int MaxContourLevels = 16;

/// The five colour bands of the levels, lowest first.
enum class ContourBand : std::int8_t { None = -1, Navy, Maroon, Red, Green, Lime };

/// The pen colour of a band (red in the low byte); None keeps the pen's colour.
Color BandColor(ContourBand b);
/// "navy", "maroon", "red", "green", "lime"; empty for None.
const char* BandName(ContourBand b);

/// The levels of one drawing: z(k) = MinZ + k dz, dz = (MaxZ - MinZ) / (nc - 1),
/// or nc when that is 0. The first nc values are the levels. The bounds of the
/// bands are z(s), z(2s), z(3s), z(4s) with s = nc + 1 over 5 rounded; with
/// 12 levels z(12) lies past the last level and is worked out by the same
/// rule, so levels 11 and 12 are green and none is lime.
struct ContourLevels {
    int nc = 10;
    std::array<double, MaxContourLevels> z{};
    std::array<ContourBand, MaxContourLevels> band{};
};

/// A level count as the drawing reads it: 1, and anything outside 2..16, is 10.
int LevelCount(std::int32_t nc);
/// The levels from minZ to maxZ for nc (read by LevelCount), and their bands.
ContourLevels MakeLevels(double minZ, double maxZ, std::int32_t nc);
/// The band of a level value L: L <= z(s) navy, then maroon, red and green up
/// to z(2s), z(3s), z(4s), above z(4s) lime; None when no band holds it (NaN).
ContourBand BandOf(const ContourLevels& lv, double L);

/// The lines of the levels window: level number, ": ", the value with 3
/// decimals in at least 8 characters, ",  " and the band's colour name.
std::vector<std::string> LevelLines(double minZ, double maxZ, std::int32_t nc);

/// The angle at which mode 2 evaluates a grid point (x, y), by rules applied
/// in turn, a later match overriding an earlier one: the origin 0, the y axis
/// pi/2 or 3 pi/2, then arctan(y/x) plus 0, pi or 2 pi by quadrant, so that a
/// point on the positive x axis gets 2 pi. A point no rule covers (NaN) keeps
/// `previous`.
double ContourAngle(double x, double y, double previous);

/// Draws the contours of the current function (Choice '1' or '2'; any other
/// mode draws nothing) on an iub x jub grid (each read as 1..60) with nc
/// levels (read by LevelCount), flat or, with `threeD`, at their heights.
/// Shows the busy cursor meanwhile. Rewrites MinZ and MaxZ, and in mode 2
/// MinX..MaxY, by the value scan. Processes no events and cannot be cancelled.
/// A formula that fails (FuncError) ends the scan and the grid fill; only the
/// cells whose four corners were filled are traced.
void DrawContours(GraphState& g, Canvas& c, Host& h, std::int32_t iub, std::int32_t jub, std::int32_t nc,
                  bool threeD, EvalPath path = EvalPath::Compiled);

}  // namespace vemlo
