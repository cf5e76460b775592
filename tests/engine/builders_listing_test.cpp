#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/Listing.h"

namespace vemlo {
namespace {

TEST(ListingLines, ValueLineTakesTheFixedFormOnlyStrictlyBetweenTheBoundsOrAtZero) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double f;
        const char* line;
    } rows[] = {
        {1.5, "     1.000     -2.000     1.5000"},
        {0.0, "     1.000     -2.000     0.0000"},
        {-0.02, "     1.000     -2.000    -0.0200"},
        {999999.99, "     1.000     -2.000 999999.9900"},
        {1e6, "     1.000     -2.000        1.000E+06"},
        {-1e7, "     1.000     -2.000        -1.000E+07"},
        {0.001, "     1.000     -2.000        1.000E-03"},
        {0.00012, "     1.000     -2.000        1.200E-04"},
        // The double 0.01 lies above the extended 0.01; the double below it does not.
        {0.01, "     1.000     -2.000     0.0100"},
        {std::nextafter(0.01, 0.0), "     1.000     -2.000        1.000E-02"},
        {-0.01, "     1.000     -2.000    -0.0100"},
        {inf, "     1.000     -2.000        INF"},
        {std::nan(""), "     1.000     -2.000        NAN"},
    };
    for (const auto& row : rows) EXPECT_EQ(ValueLine(1, -2, row.f), row.line) << row.f;
}

TEST(ListingLines, PointAndCurveLines) {
    EXPECT_EQ(PointLine(0.5, -1, 12345.6789), "     0.500     -1.000  12345.679");
    EXPECT_EQ(CurveLine(0.9, 1, 2, 0.81), "     0.900      1.000      2.000     0.8100");
    // Wider numbers take the room they need.
    EXPECT_EQ(CurveLine(0, 0, 0, 1e300).size(), 33u + 301u + 5u);
}

TEST(ListingLines, AListingNeverGrowsPastItsLimit) {
    ValueListing list;
    for (std::size_t i = 0; i < ValueListing::MaxLines + 5; ++i) list.add("x");
    EXPECT_EQ(list.lines().size(), ValueListing::MaxLines);
}

}  // namespace
}  // namespace vemlo
