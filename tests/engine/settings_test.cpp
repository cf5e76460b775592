#include "engine/Settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace vemlo {
namespace {

constexpr double kPi = 3.141592653589793;
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// ---- Number texts ----------------------------------------------------------

struct FixedRow {
    long double value;
    int width, decimals;
    const char* text;
};

TEST(NumberTexts, FixedPadsOnTheLeftAndNeverCuts) {
    const std::vector<FixedRow> rows = {
        {3, 8, 5, " 3.00000"},     {-3, 8, 5, "-3.00000"},
        {12.5, 8, 5, "12.50000"},  {123456.5, 8, 5, "123456.50000"},
        {20, 4, 1, "20.0"},        {5, 4, 1, " 5.0"},
        {0.1, 5, 4, "0.1000"},     {30, 5, 1, " 30.0"},
        {200, 6, 2, "200.00"},     {-1e-9L, 5, 1, "  0.0"},
        {-0.0L, 8, 5, " 0.00000"}, {kNaN, 8, 5, "     NaN"},
        {-kInf, 6, 2, "  -Inf"},   {123456789, 4, 1, "123456789.0"},
    };
    for (const auto& r : rows) EXPECT_EQ(FixedText(r.value, r.width, r.decimals), r.text) << double(r.value);
}

TEST(NumberTexts, ParameterLabelsSwitchToScientificOutsideTheFixedRange) {
    const std::vector<std::pair<double, const char*>> rows = {
        {2, "   2.000"},         {0, "   0.000"},         {0.0001, "1.000E-04"},     {123456789, "1.235E+08"},
        {12345678, "1.235E+07"}, {-0.0005, "-5.000E-04"}, {9999999.5, "9999999.50"}, {1e7, "10000000.0"},
        {0.001, "   0.001"},     {-2.5, "  -2.500"},      {1e100, "1.000E+100"},     {kNaN, "NaN"},
        {-kInf, "-Inf"},
    };
    for (const auto& [value, text] : rows) EXPECT_EQ(ParamValueText(value), text) << value;
    EXPECT_EQ(ParamPrefix(1), "a=");
    EXPECT_EQ(ParamPrefix(5), "e=");
    EXPECT_EQ(ParamPrefix(6), "f =");
}

// ---- Repairs ---------------------------------------------------------------

TEST(Repairs, CurveCountsRoundHalvesToEvenAndFallBackTo80) {
    const std::vector<std::pair<double, double>> rows = {
        {20.4, 20}, {20.5, 20}, {21.5, 22}, {0, 80},    {0.4, 80},  {0.6, 1},   {1, 1},
        {81, 80},   {-5, 80},   {80, 80},   {80.5, 80}, {80.6, 80}, {kNaN, 80}, {kInf, 80},
    };
    for (const auto& [in, out] : rows) EXPECT_EQ(RepairCurves(in), out) << in;
}

TEST(Repairs, StepIsPositiveAndNeverZero) {
    const std::vector<std::pair<double, double>> rows = {
        {-0.05, 0.05}, {0, 0.125}, {0.1, 0.1}, {-0.0, 0.125}, {kNaN, 0.125}, {-kInf, 0.125},
    };
    for (const auto& [in, out] : rows) EXPECT_EQ(RepairStep(in), out) << in;
}

TEST(Repairs, DomainRangeMovesAReversedEndButKeepsAnEmptyRange) {
    double lo = 5, hi = 2;
    RepairRange(lo, hi);
    EXPECT_EQ(lo, 5);
    EXPECT_EQ(hi, 6);
    lo = hi = 1;
    RepairRange(lo, hi);
    EXPECT_EQ(hi, 1);
}

TEST(Repairs, WindowBoxIsNeverEmpty) {
    double lo = 2, hi = 2;
    RepairBox(lo, hi);
    EXPECT_EQ(hi, 3);
    lo = 7, hi = -1;
    RepairBox(lo, hi);
    EXPECT_EQ(hi, 8);
    // Where lo + 1 rounds back to lo, the box must still have a width.
    lo = hi = 1e300;
    RepairBox(lo, hi);
    EXPECT_GT(hi, lo);
}

TEST(Repairs, WindowBoxRepairStaysFinite) {
    const double top = std::numeric_limits<double>::max();
    const std::vector<std::pair<double, double>> rows = {
        {top, top}, {top, 0}, {top, -top}, {std::nextafter(top, 0.0), 1}, {-top, -top}, {1e300, -1e300},
    };
    for (auto [lo, hi] : rows) {
        SCOPED_TRACE(testing::Message() << lo << " " << hi);
        RepairBox(lo, hi);
        EXPECT_TRUE(std::isfinite(lo));
        EXPECT_TRUE(std::isfinite(hi));
        EXPECT_LT(lo, hi);
    }
}

TEST(Repairs, TitleIsCutTo50CharactersNotBytes) {
    EXPECT_EQ(CutTitle(std::string(60, 'x')), std::string(50, 'x'));
    EXPECT_EQ(CutTitle(std::string(50, 'x')), std::string(50, 'x'));
    EXPECT_EQ(CutTitle(""), "");
    std::string umlauts;
    for (int i = 0; i < 60; ++i) umlauts += "\xC3\xA4";  // a-umlaut, two bytes each
    EXPECT_EQ(CutTitle(umlauts), umlauts.substr(0, 100));
}

// ---- Eye -------------------------------------------------------------------

double Deg(double d) { return DegreesToRadians(d); }
std::string Box(double angle) { return DegreesText(angle, 5, 1); }

TEST(Arrows, TurnByTenDegreesAndWrapByTheirOwnRules) {
    const double theta30 = Deg(30), phi40 = Deg(40);
    EXPECT_EQ(Box(TurnLeft(theta30)), " 20.0");
    EXPECT_EQ(Box(TurnRight(theta30)), " 40.0");
    EXPECT_EQ(Box(TurnUp(phi40)), " 30.0");
    EXPECT_EQ(Box(TurnDown(phi40)), " 50.0");

    double t = theta30;
    for (int i = 0; i < 3; ++i) t = TurnLeft(t);
    EXPECT_EQ(Box(t), "  0.0");
    EXPECT_EQ(Box(TurnLeft(t)), "350.0");

    EXPECT_EQ(Box(TurnRight(Deg(345))), " -5.0");  // above 350 after the step: brought back by a turn
    EXPECT_EQ(Box(TurnRight(Deg(355))), "  5.0");
    EXPECT_EQ(Box(TurnUp(Deg(5))), "175.0");  // over the pole: phi wraps by pi
    EXPECT_EQ(Box(TurnDown(Deg(175))), "  5.0");
}

TEST(Arrows, AnglesFarOutOfRangeDoNotHang) {
    for (double huge : {1e300, -1e300, 1e17, -1e17}) {
        const double left = TurnLeft(huge), right = TurnRight(huge);
        EXPECT_TRUE(left >= 0 && left < 2 * kPi + 1e-9) << huge;
        EXPECT_TRUE(right <= 2 * kPi + 1e-9) << huge;
        const double up = TurnUp(huge), down = TurnDown(huge);
        EXPECT_GE(up, 0) << huge;
        EXPECT_LE(down, kPi + 1e-9) << huge;
        const double wrapped = WrapTheta(huge);
        EXPECT_TRUE(wrapped >= 0 && wrapped < 2 * kPi) << huge;
    }
}

class SettingsTest : public ::testing::Test {
protected:
    GraphState g;
    void SetUp() override {
        g.Choice = '1';
        g.Theta = Deg(30);
        g.Phi = Deg(40);
        g.Rho = 200;
    }
};

struct ViewRow {
    const char *theta, *phi, *rho;
    const char *thetaBox, *phiBox;  // 6:2 degrees after the dialog
    double rho_after;
    bool changed;
};

TEST_F(SettingsTest, ViewEntriesWrapClampAndRepair) {
    const std::vector<ViewRow> rows = {
        {"370", "40", "200", " 10.00", " 40.00", 200, true},
        {"-30", "40", "200", "330.00", " 40.00", 200, true},
        // 2 pi rounded to a double lies just below 2 pi in extended precision: no wrap.
        {"360", "-20", "200", "360.00", "  0.00", 200, true},
        {"730", "40", "200", " 10.00", " 40.00", 200, true},
        {"30", "200", "200", " 30.00", "180.00", 200, true},
        {"180/4", "p*0", "150", " 45.00", "  0.00", 150, true},
        {"30", "40", "0", " 30.00", " 40.00", 200, true},  // rho 0 repaired after the dialog
        {"30", "40", "-5", " 30.00", " 40.00", 200, true},
        {"abc", "", "200", " 30.00", " 40.00", 200, false},  // unreadable angles stay as they were
        {"1e308*10", "1/0", "1e308*1e308", " 30.00", " 40.00", 200, false},
    };
    for (const auto& r : rows) {
        SetUp();
        ApplyView(g, r.theta, r.phi, r.rho);
        RepairRho(g);
        EXPECT_EQ(DegreesText(g.Theta, 6, 2), r.thetaBox) << r.theta;
        EXPECT_EQ(DegreesText(g.Phi, 6, 2), r.phiBox) << r.phi;
        EXPECT_EQ(g.Rho, r.rho_after) << r.rho;
        EXPECT_EQ(g.ViewChanged, r.changed) << r.theta << " " << r.phi << " " << r.rho;
        EXPECT_TRUE(g.Theta >= 0 && g.Theta <= 2 * kPi);
    }
}

TEST_F(SettingsTest, ViewConfirmedUnchangedIsNoChange) {
    ApplyView(g, DegreesText(g.Theta, 6, 2), DegreesText(g.Phi, 6, 2), "200");
    EXPECT_FALSE(g.ViewChanged);
}

// ---- What the dialogs write back ---------------------------------------------

TEST_F(SettingsTest, EntriesAreFormulasAndBadOnesKeepTheValue) {
    g.A = 1.5;
    const std::vector<std::pair<const char*, double>> rows = {
        {"p", kPi}, {"2e3", 2000}, {"2*a", 3}, {"", 7}, {"abc", 7}, {"1/0", 7}, {"1e308*10", 7},
    };
    for (const auto& [text, expected] : rows) {
        double v = 7;
        const bool taken = ConvertEntry(g, text, v);
        EXPECT_EQ(v, expected) << text;
        EXPECT_EQ(taken, expected != 7) << text;
    }
}

TEST_F(SettingsTest, DomainOfEachMode) {
    g.Choice = '1';
    ApplyDomain(g, {"5", "2", "1", "1"});
    EXPECT_EQ(g.MinX, 5);
    EXPECT_EQ(g.MaxX, 6);
    EXPECT_EQ(g.MinY, 1);
    EXPECT_EQ(g.MaxY, 1);

    g.Choice = '2';
    ApplyDomain(g, {"0", "3", "0", "2*p"});
    EXPECT_EQ(g.MaxT, 6.283185307179586);
    EXPECT_EQ(g.MaxR, 3);

    g.Choice = '3';
    g.MinT = 0, g.MaxT = 5, g.MinX = -3;
    ApplyDomain(g, {"", "abc", "9", "9"});  // bad boxes keep their ends; hidden boxes are not read
    EXPECT_EQ(g.MinT, 0);
    EXPECT_EQ(g.MaxT, 5);
    EXPECT_EQ(g.MinX, -3);

    g.Choice = '4';
    ApplyDomain(g, {"-p", "p", "1", "-1"});
    EXPECT_EQ(g.MinU, -kPi);
    EXPECT_EQ(g.MaxU, kPi);
    EXPECT_EQ(g.MinV, 1);
    EXPECT_EQ(g.MaxV, 2);
}

TEST_F(SettingsTest, AxesEntriesSetAxesChangedOnlyOnAChange) {
    g.WMinX = -3, g.WMaxX = 3, g.WMinY = -3, g.WMaxY = 3, g.WMinZ = -10, g.WMaxZ = 10;
    g.A = 2;
    ApplyAxes(g, {"abc", "", "-3.00000", "3", "-10", "10"});
    EXPECT_FALSE(g.AxesChanged);
    ApplyAxes(g, {"2", "2", "-p", "2*a", "-10", "10"});
    EXPECT_TRUE(g.AxesChanged);
    EXPECT_EQ(g.WMinY, -kPi);
    EXPECT_EQ(g.WMaxY, 4);
    RepairWindowBox(g);
    EXPECT_EQ(g.WMinX, 2);
    EXPECT_EQ(g.WMaxX, 3);
}

TEST_F(SettingsTest, WindowBoxEnteredAtTheLargestDoubleStaysFinite) {
    g.WMinZ = -10, g.WMaxZ = 10;
    ApplyAxes(g, {"", "", "", "", "1.7976931348623157E308", "0"});
    EXPECT_EQ(g.WMinZ, std::numeric_limits<double>::max());
    RepairWindowBox(g);
    EXPECT_TRUE(std::isfinite(g.WMaxZ));
    EXPECT_LT(g.WMinZ, g.WMaxZ);
}

TEST_F(SettingsTest, ParametersGiveLabelsOnlyForChangedValues) {
    g.Par = {0, 0, 0, 0, 0, 1, 0};
    g.A = 10;  // the evaluator's copy: 'a' in a box means the value before the dialog
    const ParamLabels labels = ApplyParameters(g, {"", "2", "0.0001", "a+1", "  0.00000", "0", "abc"});
    EXPECT_EQ(labels[1], "a=   2.000");
    EXPECT_EQ(labels[2], "b=1.000E-04");
    EXPECT_EQ(labels[3], "c=  11.000");
    EXPECT_FALSE(labels[4].has_value());
    EXPECT_EQ(labels[5], "e=   0.000");
    EXPECT_FALSE(labels[6].has_value());
    EXPECT_EQ(g.A, 10);
    CopyParameters(g);
    EXPECT_EQ(g.A, 2);
    EXPECT_EQ(g.C, 11);
    EXPECT_EQ(g.E, 0);

    const ParamLabels f = ApplyParameters(g, {"", "", "", "", "", "", "3"});
    EXPECT_EQ(f[6], "f =   3.000");
}

TEST_F(SettingsTest, FormulasAreStoredAsTypedAndEmptyMeansZero) {
    g.Choice = '1';
    ApplyFunctions(g, {"", "y", "z"});
    EXPECT_EQ(g.SFunc, "0");
    EXPECT_EQ(FunctionLabels(g, false).Label1, "Z= 0");
    EXPECT_FALSE(FunctionLabels(g, false).Label2.has_value());
    ApplyFunctions(g, {" Sin(x) ", "", ""});
    EXPECT_EQ(g.SFunc, " Sin(x) ");
    EXPECT_EQ(FunctionLabels(g, true).Label1, "Z =  Sin(x) ");

    g.Choice = '3';
    ApplyFunctions(g, {"cos(t)", "", "t"});
    EXPECT_EQ(g.XFunc, "cos(t)");
    EXPECT_EQ(g.YFunc, "0");
    const FormulaLabels after = FunctionLabels(g, false);
    EXPECT_EQ(after.Label1, "X= cos(t) ;    Y= 0");
    EXPECT_EQ(after.Label2, "Z= t");
    EXPECT_EQ(FunctionLabels(g, true).Label2, "Z = t");
}

}  // namespace
}  // namespace vemlo
