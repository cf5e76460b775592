#include "engine/Shading.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/Numeric.h"

namespace vemlo {

namespace {

// rnd(x) taken modulo 256: the low byte of the rounded value.
Color LowByte(double v) { return static_cast<Color>(static_cast<std::uint64_t>(Round64(v)) & 0xFF); }

Color Rgb(double r, double g, double b) { return LowByte(r) | LowByte(g) << 8 | LowByte(b) << 16; }

double Rnd(double v) { return static_cast<double>(Round64(v)); }

}  // namespace

void GetTheColor(double N, Color C, Color& S) {
    switch (C & 0xFFFFFF) {
        case 0xFF0000:  // blue
            S = Rgb(0, Rnd(180 * N), 255);
            break;
        case 0x008000:  // green
            S = Rgb(0, Rnd(100 * N) + 110, 0);
            break;
        case 0x800080:  // purple
            S = Rgb(Rnd(108 * N) + 120, 0, Rnd(108 * N) + 120);
            break;
        case 0x0000FF:  // red
            S = Rgb(Rnd(140 * N) + 110, Rnd(80 * N), 0);
            break;
        case 0x00FF00:  // lime
            S = Rgb(Rnd(240 * N), 255, 0);
            break;
        case 0x00FFFF:  // yellow
            S = Rgb(255, Rnd(130 * N) + 100, 0);
            break;
        case 0xFFFF00:  // aqua
            S = Rgb(0, Rnd(110 * N) + 140, Rnd(110 * N) + 140);
            break;
        case 0xFF00FF:  // fuchsia
            S = Rgb(Rnd(130 * N) + 100, 0, 255);
            break;
        default:
            break;
    }
}

void GetTheShade(double N, Color C, Color& S) {
    switch (C & 0xFFFFFF) {
        case 0xFF0000:
        case 0x008000:
        case 0x800080:
        case 0x0000FF:
        case 0x00FF00:
        case 0x00FFFF:
        case 0xFFFF00:
        case 0xFF00FF:
            GetTheColor(N, C, S);
            return;
        case 0xFFFFFF:
            S = 0xFFFFFF;
            return;
        default:
            break;
    }
    double R = C & 0xFF;
    double G = (C >> 8) & 0xFF;
    double B = (C >> 16) & 0xFF;
    double H, Sat, V;
    RGBtoHSV(R, G, B, H, Sat, V);
    if (H <= 332) H = H + 20 - Rnd(30 * N);
    if (Sat > 100) {
        Sat = Sat - Rnd(100 * N);
    } else if (Sat > 60) {
        Sat = Sat - Rnd(60 * N);
    }
    V = N * V * 0.5 + V * 0.5;
    HSVtoRGB(H, Sat, V, R, G, B);
    S = Rgb(R, G, B);
}

void RGBtoHSV(double R, double G, double B, double& H, double& S, double& V) {
    const double m = std::min({R, G, B});
    V = std::max({R, G, B});
    const double d = V - m;
    H = std::numeric_limits<double>::quiet_NaN();
    S = V == 0 ? 0 : 255 * d / V;
    if (S == 0) return;
    if (R == V) {
        H = (G - B) * 60 / d;
    } else if (G == V) {
        H = (B - R) * 60 / d + 120;
    } else if (B == V) {
        H = (R - G) * 60 / d + 240;
    }
    if (H < 0) H = H + 360;
    if (H > 360) H = H - 360;
}

void HSVtoRGB(double H, double S, double V, double& R, double& G, double& B) {
    const double s = S / 255;
    if (s == 0) {
        if (std::isnan(H)) R = G = B = V;
        return;
    }
    if (H == 360) H = 0;
    const double h = H / 60;
    const double ti = std::trunc(h);
    // Sectors 0..5 are the only ones with a colour; anything else (NaN included) is black.
    const int i = (ti >= 0 && ti <= 5) ? static_cast<int>(ti) : -1;
    const double f = h - ti;
    const double p = V - V * s;
    const double q = V - V * s * f;
    const double t = V - (1 - f) * V * s;
    switch (i) {
        case 0:
            R = V, G = t, B = p;
            break;
        case 1:
            R = q, G = V, B = p;
            break;
        case 2:
            R = p, G = V, B = t;
            break;
        case 3:
            R = p, G = q, B = V;
            break;
        case 4:
            R = t, G = p, B = V;
            break;
        case 5:
            R = V, G = p, B = q;
            break;
        default:
            R = G = B = 0;
            break;
    }
}

}  // namespace vemlo
