#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

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

std::string Printf(const char* fmt, double a, double b, double c) {
    char buf[1200];
    std::snprintf(buf, sizeof buf, fmt, a, b, c);
    return buf;
}

TEST(ListingLines, LinesMatchPrintfForValuesOfEveryMagnitude) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-8, 12);
    std::vector<double> values = {0.0625, -0.0625, 0.0005, 1.0005, 2.5e-4, 0.00015, 999.99995, -0.0, 1e-300};
    for (int i = 0; i < 20000; ++i) values.push_back(mantissa(rng) * std::pow(10.0, exponent(rng)));
    for (std::size_t i = 0; i + 2 < values.size(); ++i) {
        const double a = values[i], b = values[i + 1], f = values[i + 2];
        const bool fixed = f == 0 || (static_cast<long double>(std::fabs(f)) > 0.01L && std::fabs(f) < 1e6);
        const std::string expected =
            fixed ? Printf("%10.3f %10.3f %10.4f", a, b, f) : Printf("%10.3f %10.3f        %.3E", a, b, f);
        ASSERT_EQ(ValueLine(a, b, f), expected) << a << ' ' << b << ' ' << f;
        ASSERT_EQ(PointLine(a, b, f), Printf("%10.3f %10.3f %10.3f", a, b, f));
    }
}

TEST(ListingLines, AListingNeverGrowsPastItsLimit) {
    ValueListing list(ValueListing::Form::Curve);
    for (std::size_t i = 0; i < ValueListing::MaxLines + 5; ++i) list.add(static_cast<double>(i), 1, 2, 3);
    EXPECT_EQ(list.size(), ValueListing::MaxLines);
    EXPECT_TRUE(list.full());
    EXPECT_EQ(list.line(ValueListing::MaxLines - 1), CurveLine(999999, 1, 2, 3));
    EXPECT_EQ(ValueListing::FromLines(std::vector<std::string>(ValueListing::MaxLines + 5, "x")).size(),
              ValueListing::MaxLines);
}

// A listing keeps numbers and makes each line from them as its form says;
// the cylindrical form shows its angle in degrees.
TEST(ListingLines, EachFormMakesItsLinesFromItsNumbers) {
    const double t = 2.5;
    const struct {
        ValueListing::Form form;
        std::string line;
    } rows[] = {
        {ValueListing::Form::Value, ValueLine(1.5, t, -0.004)},
        {ValueListing::Form::Degrees,
         ValueLine(1.5, t * 180 / 3.141592653589793238462643383279502884L, -0.004)},
        {ValueListing::Form::Point, PointLine(1.5, t, -0.004)},
        {ValueListing::Form::Curve, CurveLine(1.5, t, -0.004, 7)},
    };
    for (const auto& row : rows) {
        ValueListing list(row.form);
        EXPECT_TRUE(list.empty());
        list.add(0, 0, 0, 0);
        list.add(1.5, t, -0.004, 7);
        ASSERT_EQ(list.size(), 2u);
        EXPECT_EQ(list.line(1), row.line);
        EXPECT_EQ(list.lines(), (std::vector<std::string>{list.line(0), row.line}));
    }
    EXPECT_EQ(ValueListing::FromLines({"a", "", "c"}).lines(), (std::vector<std::string>{"a", "", "c"}));
    ValueListing text = ValueListing::FromLines({"a"});
    text.add(1, 2, 3);  // a listing of text takes no numbers
    EXPECT_EQ(text.lines(), std::vector<std::string>{"a"});
}

}  // namespace
}  // namespace vemlo
