#include "engine/Shading.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <limits>
#include <ostream>

namespace vemlo {
namespace {

constexpr Color Rgb(int r, int g, int b) { return static_cast<Color>(r | g << 8 | b << 16); }

struct ShadeRow {
    const char* name;
    Color base;
    double n;
    Color expected;
};

const ShadeRow kShades[] = {
    // Hand-made ramps.
    {"red edge-on", Rgb(255, 0, 0), 0, Rgb(110, 0, 0)},
    {"red half", Rgb(255, 0, 0), 0.5, Rgb(180, 40, 0)},
    {"red head-on", Rgb(255, 0, 0), 1, Rgb(250, 80, 0)},
    {"blue head-on", Rgb(0, 0, 255), 1, Rgb(0, 180, 255)},
    {"green head-on", Rgb(0, 128, 0), 1, Rgb(0, 210, 0)},
    {"purple head-on", Rgb(128, 0, 128), 1, Rgb(228, 0, 228)},
    {"lime head-on", Rgb(0, 255, 0), 1, Rgb(240, 255, 0)},
    {"yellow head-on", Rgb(255, 255, 0), 1, Rgb(255, 230, 0)},
    {"aqua head-on", Rgb(0, 255, 255), 1, Rgb(0, 250, 250)},
    {"fuchsia head-on", Rgb(255, 0, 255), 1, Rgb(230, 0, 255)},
    {"red with junk in the top byte", 0xAB000000u | Rgb(255, 0, 0), 1, Rgb(250, 80, 0)},
    // Ramp components wrap to their low byte beyond N = 1.
    {"lime beyond head-on", Rgb(0, 255, 0), 1.1, Rgb(264 & 0xFF, 255, 0)},
    // White and the HSV path.
    {"white", Rgb(255, 255, 255), 0.3, Rgb(255, 255, 255)},
    {"maroon head-on", Rgb(128, 0, 0), 1, Rgb(128, 37, 50)},
    {"maroon edge-on", Rgb(128, 0, 0), 0, Rgb(64, 21, 0)},
    {"grey edge-on", Rgb(128, 128, 128), 0, Rgb(64, 64, 64)},
    {"grey head-on", Rgb(128, 128, 128), 1, Rgb(128, 128, 128)},
    {"black", Rgb(0, 0, 0), 0.7, Rgb(0, 0, 0)},
    {"navy head-on", Rgb(0, 0, 128), 1, Rgb(50, 63, 128)},
    // Hue 332 is shifted to 352; hue 333 stays.
    {"hue 332", Rgb(255, 0, 119), 0, Rgb(128, 0, 17)},
    {"hue 333", Rgb(200, 0, 90), 0, Rgb(100, 0, 45)},
};

void PrintTo(const ShadeRow& r, std::ostream* os) { *os << r.name; }

class ShadeTest : public ::testing::TestWithParam<ShadeRow> {};

TEST_P(ShadeTest, GivesTheColourOfTheRow) {
    const ShadeRow& row = GetParam();
    Color s = 0x5A5A5A;
    GetTheShade(row.n, row.base, s);
    EXPECT_EQ(s, row.expected) << std::hex << "got " << s << " want " << row.expected;
}

INSTANTIATE_TEST_SUITE_P(Examples, ShadeTest, ::testing::ValuesIn(kShades), [](const auto& info) {
    std::string name;
    for (const char* p = info.param.name; *p; ++p) name += std::isalnum(*p) ? *p : '_';
    return name;
});

TEST(GetTheColor, LeavesOtherColoursUntouched) {
    for (Color c : {Rgb(255, 255, 255), Rgb(128, 0, 0), Rgb(1, 2, 3)}) {
        Color s = 0x010203;
        GetTheColor(0.5, c, s);
        EXPECT_EQ(s, 0x010203u);
    }
}

TEST(GetTheShade, OddFacetAnglesGiveAColourWithoutFault) {
    const double odd[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(), 1e300, -5};
    for (double n : odd) {
        for (Color c : {Rgb(255, 0, 0), Rgb(128, 0, 0), Rgb(20, 200, 90), Rgb(128, 128, 128)}) {
            Color s = 0;
            GetTheShade(n, c, s);
            EXPECT_EQ(s & 0xFF000000u, 0u);
        }
    }
}

TEST(RGBtoHSV, SectorsTiesAndGreys) {
    struct Row {
        double r, g, b, h, s, v;
    };
    const Row rows[] = {
        {255, 0, 0, 0, 255, 255},     {255, 255, 0, 60, 255, 255},   // R and G tie: the R test wins
        {0, 255, 0, 120, 255, 255},   {0, 255, 255, 180, 255, 255},  // G and B tie: the G test wins
        {0, 0, 255, 240, 255, 255},   {255, 0, 128, 360 - 30.117647058823529, 255, 255},
        {100, 50, 50, 0, 127.5, 100},
    };
    for (const Row& r : rows) {
        double h, s, v;
        RGBtoHSV(r.r, r.g, r.b, h, s, v);
        EXPECT_NEAR(h, r.h, 1e-9) << r.r << " " << r.g << " " << r.b;
        EXPECT_DOUBLE_EQ(s, r.s);
        EXPECT_DOUBLE_EQ(v, r.v);
    }
    double h, s, v;
    RGBtoHSV(77, 77, 77, h, s, v);
    EXPECT_TRUE(std::isnan(h));
    EXPECT_EQ(s, 0);
    EXPECT_EQ(v, 77);
}

TEST(HSVtoRGB, GreysSectorsAndOutOfRangeHues) {
    double r = 1, g = 2, b = 3;
    HSVtoRGB(std::numeric_limits<double>::quiet_NaN(), 0, 90, r, g, b);
    EXPECT_EQ(r, 90);
    EXPECT_EQ(g, 90);
    EXPECT_EQ(b, 90);

    r = 1, g = 2, b = 3;
    HSVtoRGB(45, 0, 90, r, g, b);  // no saturation but a hue: untouched
    EXPECT_EQ(r, 1);
    EXPECT_EQ(g, 2);
    EXPECT_EQ(b, 3);

    HSVtoRGB(360, 255, 200, r, g, b);  // 360 is 0
    EXPECT_EQ(r, 200);
    EXPECT_EQ(g, 0);
    EXPECT_EQ(b, 0);

    HSVtoRGB(-10, 255, 120, r, g, b);  // sector 0 extrapolated
    EXPECT_EQ(r, 120);
    EXPECT_EQ(g, -20);
    EXPECT_EQ(b, 0);

    for (double h : {400.0, -70.0, 1e300, std::numeric_limits<double>::quiet_NaN()}) {
        HSVtoRGB(h, 255, 200, r, g, b);
        EXPECT_EQ(r, 0) << h;
        EXPECT_EQ(g, 0) << h;
        EXPECT_EQ(b, 0) << h;
    }
}

}  // namespace
}  // namespace vemlo
