#include <cmath>
#include <string>

#include "engine/Contours.h"
#include "engine/Settings.h"

namespace vemlo {

Color BandColor(ContourBand b) {
    switch (b) {
        case ContourBand::Navy:
            return 0x800000;
        case ContourBand::Maroon:
            return 0x000080;
        case ContourBand::Red:
            return 0x0000FF;
        case ContourBand::Green:
            return 0x008000;
        case ContourBand::Lime:
            return 0x00FF00;
        case ContourBand::None:
            break;
    }
    return 0;
}

const char* BandName(ContourBand b) {
    switch (b) {
        case ContourBand::Navy:
            return "navy";
        case ContourBand::Maroon:
            return "maroon";
        case ContourBand::Red:
            return "red";
        case ContourBand::Green:
            return "green";
        case ContourBand::Lime:
            return "lime";
        case ContourBand::None:
            break;
    }
    return "";
}

int LevelCount(std::int32_t nc) { return nc >= 2 && nc <= MaxContourLevels ? nc : 10; }

namespace {

// The band bounds sit at every s-th level, s = (nc + 1) / 5 rounded halves to
// even: 2 for 10 levels, 3 for 12, 14 and 16.
int BandStep(int nc) { return static_cast<int>(std::nearbyint((nc + 1) / 5.0)); }

}  // namespace

ContourBand BandOf(const ContourLevels& lv, double L) {
    const int s = BandStep(lv.nc);
    if (L <= lv.z[s]) return ContourBand::Navy;
    if (lv.z[s] < L && L <= lv.z[2 * s]) return ContourBand::Maroon;
    if (lv.z[2 * s] < L && L <= lv.z[3 * s]) return ContourBand::Red;
    if (lv.z[3 * s] < L && L <= lv.z[4 * s]) return ContourBand::Green;
    if (L > lv.z[4 * s]) return ContourBand::Lime;
    return ContourBand::None;
}

ContourLevels MakeLevels(double minZ, double maxZ, std::int32_t nc) {
    ContourLevels lv;
    lv.nc = LevelCount(nc);
    double dz = (maxZ - minZ) / (lv.nc - 1);
    if (dz == 0) dz = lv.nc;
    // Every slot follows the rule, so a band bound past the last level
    // (z(12) with 12 levels) is a value of the same ladder.
    for (int k = 0; k < MaxContourLevels; ++k) lv.z[k] = minZ + k * dz;
    for (int k = 0; k < MaxContourLevels; ++k) lv.band[k] = BandOf(lv, lv.z[k]);
    return lv;
}

std::vector<std::string> LevelLines(double minZ, double maxZ, std::int32_t nc) {
    const ContourLevels lv = MakeLevels(minZ, maxZ, nc);
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(lv.nc));
    for (int k = 0; k < lv.nc; ++k)
        lines.push_back(std::to_string(k + 1) + ": " + FixedText(lv.z[k], 8, 3) + ",  " +
                        BandName(lv.band[k]));
    return lines;
}

}  // namespace vemlo
