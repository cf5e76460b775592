#pragma once
/// The logic behind the settings dialogs, without any widgets: how the text of
/// an entry box becomes a setting, the repairs that keep ranges, counts, the
/// step, the eye and the title usable, the arrow-compass rules, and the number
/// texts the dialogs and the main window show.
///
/// The dialogs in ui/ fill their boxes with these texts, and on OK hand the
/// boxes' texts to the Apply routines below.

#include <array>
#include <optional>
#include <string>

#include "engine/GraphState.h"

namespace vemlo {

// ---- Number texts ---------------------------------------------------------

/// value with `decimals` decimals, padded on the left with blanks to at least
/// `width` characters (3 with 8:5 gives " 3.00000"). A value that rounds to
/// zero shows no minus sign; NaN and infinities show as "NaN", "Inf", "-Inf".
std::string FixedText(long double value, int width, int decimals);

/// The pattern "0.000E+00": 12345678 gives "1.235E+07", -0.0005 "-5.000E-04".
std::string ScientificText(double value);

/// An angle held in radians as degrees, (angle*180) / pi, with width:decimals.
std::string DegreesText(double angle, int width, int decimals);

/// Text of a parameter value in the main window's labels (without the
/// prefix): 3 decimals in 8 characters cut to 10, or "0.000E+00" when the
/// magnitude is above 1e7 or below 0.001 without being 0. Not-a-number
/// shows as "NaN", the infinities as "Inf" and "-Inf".
std::string ParamValueText(double value);

/// Label prefix of parameter k (1..6): "a=" ... "e=", and "f =" for the sixth.
std::string ParamPrefix(int k);

// ---- Entries --------------------------------------------------------------

/// Reads an entry box into a setting through Convert. A text that is empty,
/// that does not evaluate, or whose value is not finite keeps the old value:
/// an infinite or NaN range, box, eye value or count would break the drawing.
/// Returns whether v now holds the entry's value.
bool ConvertEntry(GraphState& g, const std::string& text, double& v);

// ---- Repairs --------------------------------------------------------------

/// A reversed domain range [lo, hi] (lo > hi) becomes [lo, lo + 1]; an empty
/// one stays.
void RepairRange(double& lo, double& hi);

/// A window-box range that is empty or reversed (lo >= hi) becomes [lo, lo + 1]
/// (or up to the next larger double, where lo + 1 rounds back to lo). Both
/// ends stay finite: when lo is the largest double, hi takes that value and
/// lo the next smaller double.
void RepairBox(double& lo, double& hi);

/// Number of grid curves: rounded (halves to even), then anything outside
/// 1..80 (or NaN) becomes 80.
double RepairCurves(double curves);

/// Curve step: 0 (or a value that is not finite) becomes 0.125, then the
/// absolute value.
double RepairStep(double step);

/// The title cut to its first 50 characters (UTF-8 sequences kept whole).
std::string CutTitle(const std::string& title);

// ---- Eye ------------------------------------------------------------------

/// Degrees to radians, worked out in extended precision.
double DegreesToRadians(double degrees);
/// Theta brought into [0, 2 pi) by whole turns.
double WrapTheta(double theta);
/// Phi clamped to [0, pi].
double ClampPhi(double phi);

/// The arrow compass: each turns the eye by 10 degrees and brings the angle
/// back by the arrow's own rule.
/// Arrow1, left: theta - 10 deg; while below 0, add 2 pi.
double TurnLeft(double theta);
/// Arrow4, right: theta + 10 deg; above 350 deg subtract 2 pi, again while above 2 pi.
double TurnRight(double theta);
/// Arrow2, up: phi - 10 deg; while below 0, add pi (over the pole to the bottom).
double TurnUp(double phi);
/// Arrow3, down: phi + 10 deg; while above pi, subtract pi.
double TurnDown(double phi);

/// Turning the graph by hand: each pixel the pointer moves turns the eye by
/// this many degrees.
constexpr double DragDegreesPerPixel = 0.5;
struct EyeAngles {
    double Theta = 0;
    double Phi = 0;
};
/// The eye after the pointer moved (dx, dy) pixels on the graph (right and
/// down positive). The graph follows the hand: moving right turns its near
/// side to the right (theta decreases), moving down tips its near side down
/// (the eye rises, phi decreases). A changed theta is brought into [0, 2 pi)
/// by whole turns, a changed phi held in [0, pi]; an angle whose distance is
/// 0 is returned as it was.
EyeAngles DragAngles(double theta, double phi, int dx, int dy);

// ---- What the dialogs write back ------------------------------------------

/// Formula texts of the function dialog: box 1 only in modes '1' and '2'.
/// An empty box stores "0"; texts are kept as typed.
void ApplyFunctions(GraphState& g, const std::array<std::string, 3>& boxes);

/// The main window's formula labels after the function dialog. `afterFix`
/// chooses the forms that the error prompt writes ("Z = " instead of "Z= ").
/// Label2 is only given in modes '3' and '4'.
struct FormulaLabels {
    std::string Label1;
    std::optional<std::string> Label2;
};
FormulaLabels FunctionLabels(const GraphState& g, bool afterFix);

/// Parameter boxes 1..6 (index 0 unused) into Par; returns the new label text
/// (prefix and value) of each parameter whose value changed, or that is not a
/// number. A to F are not touched: see CopyParameters.
using ParamLabels = std::array<std::optional<std::string>, 7>;
ParamLabels ApplyParameters(GraphState& g, const std::array<std::string, 7>& boxes);
/// A..F := Par[1..6], after the parameters dialog whatever its result.
void CopyParameters(GraphState& g);

/// The two ranges of the current mode as the domain dialog edits them; the
/// second is absent in mode '3'.
struct DomainRefs {
    double* ends[4] = {nullptr, nullptr, nullptr, nullptr};
    bool hasSecond = false;
};
DomainRefs DomainOf(GraphState& g);
/// Domain boxes (first start, first end, second start, second end) into the
/// ranges of the mode, then the reversed ranges repaired.
void ApplyDomain(GraphState& g, const std::array<std::string, 4>& boxes);

/// Window-box boxes (min x, max x, min y, max y, min z, max z) into WMinX...
/// WMaxZ; sets AxesChanged when any value changed. Does not repair.
void ApplyAxes(GraphState& g, const std::array<std::string, 6>& boxes);
/// The repair that follows the axes dialog, confirmed or cancelled.
void RepairWindowBox(GraphState& g);

/// Curve counts into DeltaX, DeltaY (no repair: see RepairCurves).
void ApplyCurves(GraphState& g, const std::string& xCurves, const std::string& yCurves);

/// Eye entries in degrees (theta, phi) and world units (rho). Theta is wrapped
/// into [0, 2 pi), phi clamped to [0, pi]; an unreadable angle is left as it
/// was. Sets ViewChanged when any value changed. Rho is repaired by
/// RepairRho, which the dialog applies also after Cancel.
void ApplyView(GraphState& g, const std::string& theta, const std::string& phi, const std::string& rho);
/// Rho at 0 or below becomes 200.
void RepairRho(GraphState& g);

}  // namespace vemlo
