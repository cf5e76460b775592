// Turning the graph by hand: pixels the pointer moves become eye angles.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "engine/Settings.h"

namespace vemlo {
namespace {

constexpr double kPi = 3.141592653589793;

double Deg(double d) { return DegreesToRadians(d); }
double InDegrees(double radians) { return radians * 180 / kPi; }

struct DragRow {
    double theta, phi;  // degrees before
    int dx, dy;         // pixels, right and down positive
    double toTheta, toPhi;
};

// Half a degree per pixel; moving right lowers theta, moving down lowers phi;
// theta wraps by whole turns, phi stops at the poles.
TEST(DragAngles, PixelsTurnTheEyeWrapThetaAndClampPhi) {
    const DragRow rows[] = {
        {30, 40, 0, 0, 30, 40},     {30, 40, 20, 0, 20, 40},    {30, 40, -20, 0, 40, 40},
        {30, 40, 0, 20, 30, 30},    {30, 40, 0, -20, 30, 50},   {30, 40, 7, -3, 26.5, 41.5},
        {30, 40, 80, 0, 350, 40},   {30, 40, 59, 0, 0.5, 40},   {350, 40, -40, 0, 10, 40},
        {30, 40, 2000, 0, 110, 40}, {30, 40, -1440, 0, 30, 40}, {30, 40, 0, 100, 30, 0},
        {30, 40, 0, -400, 30, 180}, {30, 0, 0, 1, 30, 0},       {30, 180, 0, -1, 30, 180},
        {-5, 40, 0, 10, -5, 35},  // an angle not moved stays as it was, even out of range
    };
    for (const DragRow& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.theta << "," << r.phi << " by " << r.dx << "," << r.dy);
        const EyeAngles eye = DragAngles(Deg(r.theta), Deg(r.phi), r.dx, r.dy);
        EXPECT_NEAR(InDegrees(eye.Theta), r.toTheta, 1e-9);
        EXPECT_NEAR(InDegrees(eye.Phi), r.toPhi, 1e-9);
        EXPECT_GE(eye.Phi, 0);
        EXPECT_LE(eye.Phi, kPi);
        if (r.dx != 0) {
            EXPECT_TRUE(eye.Theta >= 0 && eye.Theta < 2 * kPi);
        }
    }
}

// A drag is many small moves: their sum turns the eye as one move of the
// whole distance does, and a long drag still wraps into range.
TEST(DragAngles, SmallMovesAddUpToTheWholeDistance) {
    EyeAngles eye{Deg(30), Deg(40)};
    for (int i = 0; i < 1000; ++i) eye = DragAngles(eye.Theta, eye.Phi, 3, i % 2 ? 1 : -1);
    const EyeAngles whole = DragAngles(Deg(30), Deg(40), 3000, 0);
    EXPECT_NEAR(eye.Theta, whole.Theta, 1e-9);
    EXPECT_NEAR(InDegrees(eye.Theta), 330, 1e-9);  // 30 - 1500, whole turns off
    EXPECT_NEAR(InDegrees(eye.Phi), 40, 1e-9);
}

// The widest moves an int can give neither hang nor leave the ranges.
TEST(DragAngles, ExtremeDistancesStayInRange) {
    for (int d : {INT_MAX, INT_MIN}) {
        const EyeAngles eye = DragAngles(Deg(30), Deg(40), d, d);
        EXPECT_TRUE(eye.Theta >= 0 && eye.Theta < 2 * kPi) << d;
        EXPECT_TRUE(eye.Phi == 0 || eye.Phi == DegreesToRadians(180)) << d;
    }
}

}  // namespace
}  // namespace vemlo
