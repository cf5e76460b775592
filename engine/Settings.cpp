#include "engine/Settings.h"

#include <cmath>
#include <cstdio>

#include "engine/Modes.h"
#include "engine/Numeric.h"
#include "formula/Parser.h"

namespace vemlo {

namespace {

constexpr long double Pi = PiL;
constexpr long double TwoPi = 2 * Pi;
constexpr long double TenDegrees = Pi * 10 / 180;
constexpr long double Degrees350 = Pi * 350 / 180;

// Beyond this many turns the wrapping loops would take too long, or (past
// 2^53) never end because subtracting a turn no longer changes the value.
constexpr long double ManyTurns = 1000 * TwoPi;

std::string PadLeft(const std::string& s, int width) {
    if (static_cast<int>(s.size()) >= width) return s;
    return std::string(static_cast<std::size_t>(width) - s.size(), ' ') + s;
}

std::string NonFiniteText(long double value) {
    if (std::isnan(value)) return "NaN";
    return value < 0 ? "-Inf" : "Inf";
}

// Whole turns of `turn` taken off an angle far out of range, so that the
// loops that follow run only a few times.
double ReduceTurns(double angle, long double turn) {
    const long double a = angle;
    if (std::fabs(a) <= ManyTurns) return angle;
    return static_cast<double>(std::fmod(a, turn));
}

double Add(double a, long double b) { return static_cast<double>(static_cast<long double>(a) + b); }

}  // namespace

std::string FixedText(long double value, int width, int decimals) {
    if (!std::isfinite(value)) return PadLeft(NonFiniteText(value), width);
    const int n = std::snprintf(nullptr, 0, "%.*Lf", decimals, value);
    std::string s(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    std::snprintf(s.data(), s.size() + 1, "%.*Lf", decimals, value);
    if (!s.empty() && s[0] == '-' && s.find_first_of("123456789") == std::string::npos) s.erase(0, 1);
    return PadLeft(s, width);
}

std::string ScientificText(double value) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.3E", value);
    return buf;
}

std::string DegreesText(double angle, int width, int decimals) {
    const long double degrees = static_cast<long double>(angle * 180.0) / Pi;
    return FixedText(degrees, width, decimals);
}

std::string ParamValueText(double value) {
    if (std::isnan(value)) return NonFiniteText(value);
    const double mag = std::fabs(value);
    if (mag > 1e7 || (mag < 0.001 && value != 0)) return ScientificText(value);
    return FixedText(value, 8, 3).substr(0, 10);
}

std::string ParamPrefix(int k) {
    static const char* const prefixes[] = {"", "a=", "b=", "c=", "d=", "e=", "f ="};
    return (k >= 1 && k <= 6) ? prefixes[k] : "";
}

bool ConvertEntry(GraphState& g, const std::string& text, double& v) {
    if (text.empty()) return false;
    double value = v;
    Convert(g, text, value);
    if (g.TokenError || g.MathError || !std::isfinite(value)) return false;
    v = value;
    return true;
}

void RepairRange(double& lo, double& hi) {
    if (lo > hi) hi = lo + 1;
}

void RepairBox(double& lo, double& hi) {
    if (lo >= hi) {
        hi = lo + 1;
        if (!(hi > lo)) hi = std::nextafter(lo, HUGE_VAL);
        if (std::isinf(hi)) {
            // lo is the largest double: nothing finite lies above it.
            hi = lo;
            lo = std::nextafter(hi, -HUGE_VAL);
        }
    }
}

double RepairCurves(double curves) {
    const double n = std::nearbyint(curves);
    if (!(n >= 1 && n <= 80)) return 80;
    return n;
}

double RepairStep(double step) {
    if (step == 0 || !std::isfinite(step)) step = 0.125;
    return std::fabs(step);
}

std::string CutTitle(const std::string& title) {
    constexpr int MaxChars = 50;
    int chars = 0;
    for (std::size_t i = 0; i < title.size(); ++i) {
        const bool continuation = (static_cast<unsigned char>(title[i]) & 0xC0) == 0x80;
        if (!continuation && ++chars > MaxChars) return title.substr(0, i);
    }
    return title;
}

double DegreesToRadians(double degrees) {
    return static_cast<double>(static_cast<long double>(degrees) * Pi / 180);
}

double WrapTheta(double theta) {
    if (!std::isfinite(theta)) return theta;
    theta = ReduceTurns(theta, TwoPi);
    while (theta >= TwoPi) theta = Add(theta, -TwoPi);
    while (theta < 0) theta = Add(theta, TwoPi);
    return theta;
}

double ClampPhi(double phi) {
    if (phi < 0) return 0;
    if (phi > Pi) return static_cast<double>(Pi);
    return phi;
}

double TurnLeft(double theta) {
    if (!std::isfinite(theta)) return theta;
    theta = ReduceTurns(Add(theta, -TenDegrees), TwoPi);
    while (theta < 0) theta = Add(theta, TwoPi);
    return theta;
}

double TurnRight(double theta) {
    if (!std::isfinite(theta)) return theta;
    theta = ReduceTurns(Add(theta, TenDegrees), TwoPi);
    if (theta > Degrees350) {
        theta = Add(theta, -TwoPi);
        while (theta > TwoPi) theta = Add(theta, -TwoPi);
    }
    return theta;
}

double TurnUp(double phi) {
    if (!std::isfinite(phi)) return phi;
    phi = ReduceTurns(Add(phi, -TenDegrees), Pi);
    while (phi < 0) phi = Add(phi, Pi);
    return phi;
}

double TurnDown(double phi) {
    if (!std::isfinite(phi)) return phi;
    phi = ReduceTurns(Add(phi, TenDegrees), Pi);
    while (phi > Pi) phi = Add(phi, -Pi);
    return phi;
}

EyeAngles DragAngles(double theta, double phi, int dx, int dy) {
    constexpr long double PerPixel = Pi * DragDegreesPerPixel / 180;
    EyeAngles eye{theta, phi};
    if (dx != 0) eye.Theta = WrapTheta(Add(theta, -PerPixel * dx));
    if (dy != 0) eye.Phi = ClampPhi(Add(phi, -PerPixel * dy));
    return eye;
}

void ApplyFunctions(GraphState& g, const std::array<std::string, 3>& boxes) {
    auto stored = [](const std::string& text) { return text.empty() ? std::string("0") : text; };
    if (ModeOf(g.Choice).threeFormulas) {
        g.XFunc = stored(boxes[0]);
        g.YFunc = stored(boxes[1]);
        g.ZFunc = stored(boxes[2]);
    } else {
        g.SFunc = stored(boxes[0]);
    }
}

FormulaLabels FunctionLabels(const GraphState& g, bool afterFix) {
    const std::string z = afterFix ? "Z = " : "Z= ";
    FormulaLabels labels;
    if (ModeOf(g.Choice).threeFormulas) {
        labels.Label1 = "X= " + g.XFunc + " ;    Y= " + g.YFunc;
        labels.Label2 = z + g.ZFunc;
    } else {
        labels.Label1 = z + g.SFunc;
    }
    return labels;
}

ParamLabels ApplyParameters(GraphState& g, const std::array<std::string, 7>& boxes) {
    ParamLabels labels;
    for (int k = 1; k <= 6; ++k) {
        double& par = g.Par[static_cast<std::size_t>(k)];
        const double old = par;
        Convert(g, boxes[static_cast<std::size_t>(k)], par);
        if (par != old || std::isnan(par))
            labels[static_cast<std::size_t>(k)] = ParamPrefix(k) + ParamValueText(par);
    }
    return labels;
}

void CopyParameters(GraphState& g) {
    g.A = g.Par[1];
    g.B = g.Par[2];
    g.C = g.Par[3];
    g.D = g.Par[4];
    g.E = g.Par[5];
    g.F = g.Par[6];
}

DomainRefs DomainOf(GraphState& g) {
    const ModeRow& m = ModeOf(g.Choice);
    DomainRefs d;
    for (int k = 0; k < 4; ++k) d.ends[k] = m.domain[k] ? &(g.*m.domain[k]) : nullptr;
    d.hasSecond = m.domain[2] != nullptr;
    return d;
}

void ApplyDomain(GraphState& g, const std::array<std::string, 4>& boxes) {
    const DomainRefs d = DomainOf(g);
    const int n = d.hasSecond ? 4 : 2;
    for (int i = 0; i < n; ++i) ConvertEntry(g, boxes[static_cast<std::size_t>(i)], *d.ends[i]);
    RepairRange(*d.ends[0], *d.ends[1]);
    if (d.hasSecond) RepairRange(*d.ends[2], *d.ends[3]);
}

void ApplyAxes(GraphState& g, const std::array<std::string, 6>& boxes) {
    double* const box[6] = {&g.WMinX, &g.WMaxX, &g.WMinY, &g.WMaxY, &g.WMinZ, &g.WMaxZ};
    g.AxesChanged = false;
    for (std::size_t i = 0; i < 6; ++i) {
        const double old = *box[i];
        ConvertEntry(g, boxes[i], *box[i]);
        if (*box[i] != old) g.AxesChanged = true;
    }
}

void RepairWindowBox(GraphState& g) {
    RepairBox(g.WMinX, g.WMaxX);
    RepairBox(g.WMinY, g.WMaxY);
    RepairBox(g.WMinZ, g.WMaxZ);
}

void ApplyCurves(GraphState& g, const std::string& xCurves, const std::string& yCurves) {
    ConvertEntry(g, xCurves, g.DeltaX);
    ConvertEntry(g, yCurves, g.DeltaY);
}

void ApplyView(GraphState& g, const std::string& theta, const std::string& phi, const std::string& rho) {
    g.ViewChanged = false;
    const double oldTheta = g.Theta, oldPhi = g.Phi, oldRho = g.Rho;
    double degrees = 0;
    if (ConvertEntry(g, theta, degrees)) g.Theta = WrapTheta(DegreesToRadians(degrees));
    if (ConvertEntry(g, phi, degrees)) g.Phi = ClampPhi(DegreesToRadians(degrees));
    ConvertEntry(g, rho, g.Rho);
    g.ViewChanged = g.Theta != oldTheta || g.Phi != oldPhi || g.Rho != oldRho;
}

void RepairRho(GraphState& g) {
    if (g.Rho <= 0) g.Rho = 200;
}

}  // namespace vemlo
