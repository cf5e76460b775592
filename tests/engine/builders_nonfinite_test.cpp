#include <algorithm>
#include <array>
#include <string>

#include "tests/engine/builders_fixture.h"

namespace vemlo::test {
namespace {

using Op = RecordingCanvas::Op;

// A term that adds NaN where `when` is 1 and 0 where it is 0, without any
// math error: inf - inf.
std::string NaNWhen(const std::string& when) {
    const std::string inf = "(" + when + "*1E300*1E300)";
    return "+" + inf + "-" + inf;
}

class NonFiniteTest : public BuilderTest {
protected:
    void Reset(char mode) {
        SetMode(mode);
        canvas.clear();
        host = RecordingHost();
    }
    /// Whether every point the canvas was given lies in the image.
    bool AllInImage() const {
        for (const auto& call : canvas.calls())
            for (const PointType& p : call.pts)
                if (p.x < 0 || p.y < 0 || p.x >= canvas.width() || p.y >= canvas.height()) return false;
        return true;
    }
    std::vector<std::array<PointType, 5>> CornerSets(int n) const {
        std::vector<std::array<PointType, 5>> out;
        for (int i = 1; i <= n; ++i) out.push_back(g.Quads[i].Corners);
        return out;
    }
};

// A formula that is NaN over part of the domain, drawn next to the same
// formula without the NaN: the cells with a NaN corner are skipped, the
// others are drawn as before, and the listing keeps every point.
struct SurfaceRow {
    char mode;
    const char* s;  // modes 1 and 2
    const char* z;  // mode 4 (x = u, y = v)
    const char* nanWhen;
};

TEST_F(NonFiniteTest, SurfaceCellWithANonFiniteCornerIsSkipped) {
    const SurfaceRow rows[] = {
        {'1', "y", "", "UN(x-0.5)"},
        {'2', "r", "", "UN(t-1.25)"},
        {'4', "", "v", "UN(u-0.5)"},
    };
    for (const SurfaceRow& row : rows) {
        SCOPED_TRACE(row.mode);
        std::vector<std::array<PointType, 5>> finite;
        std::vector<std::string> finiteListing;
        for (bool withNaN : {false, true}) {
            Reset(row.mode);
            g.MinX = g.MinY = g.MinU = g.MinV = -2;
            g.MaxX = g.MaxY = g.MaxU = g.MaxV = 2;
            g.MinR = 0, g.MaxR = 1, g.MinT = 0, g.MaxT = 2;
            g.WMinZ = -5, g.WMaxZ = 5;
            g.DeltaX = g.DeltaY = 4;
            const std::string nan = withNaN ? NaNWhen(row.nanWhen) : "";
            g.SFunc = row.s + nan;
            g.XFunc = "u";
            g.YFunc = "v";
            g.ZFunc = row.z + nan;
            Draw();
            EXPECT_FALSE(g.FuncError);
            if (!withNaN) {
                ASSERT_EQ(Polygons(), 16);
                finite = CornerSets(16);
                finiteListing = host.listing();
                continue;
            }
            // Half of the cells have a corner in the NaN part.
            ASSERT_EQ(Polygons(), 8);
            EXPECT_TRUE(AllInImage());
            for (const auto& corners : CornerSets(8))
                EXPECT_NE(std::find(finite.begin(), finite.end(), corners), finite.end());
            EXPECT_EQ(host.listing().size(), finiteListing.size());
        }
    }
}

TEST_F(NonFiniteTest, LineCaseLeavesOutSegmentsWithANonFiniteEnd) {
    Reset('1');
    g.SFunc = "y" + NaNWhen("UN(x-0.5)");
    g.MinX = -2, g.MaxX = 2, g.DeltaX = 4;
    g.MinY = g.MaxY = 0;
    Draw();
    // x = -2, -1, 0 can be placed; 1 and 2 cannot.
    const auto lines = canvas.calls(Op::LineTo);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].from, Shape(g, -2, 0, 0));
    EXPECT_EQ(lines[1].pts[0], Shape(g, 0, 0, 0));
    EXPECT_TRUE(AllInImage());
    EXPECT_EQ(host.listing().size(), 5u);
}

// x = t, y = t, z = t with a NaN at some points: those points are not drawn,
// and the curve starts again with a dot at the next point that can be placed.
TEST_F(NonFiniteTest, CurveLiftsThePenOverNonFinitePoints) {
    const struct {
        const char* name;
        const char* where;  // which coordinate takes the NaN
        const char* nanWhen;
        std::vector<double> lineTargets;  // t of every lineTo, dots included
        std::vector<double> moves;        // t of every moveTo
    } rows[] = {
        // t = 0.5 only: the dot at 0, joined to 0 and 0.25; 0.5 left out; a
        // dot at 0.75, joined to 1.
        {"middle", "z", "UN(t-0.3)*UN(0.7-t)", {0, 0, 0.25, 0.75, 1}, {0, 0.75}},
        {"middle in x", "x", "UN(t-0.3)*UN(0.7-t)", {0, 0, 0.25, 0.75, 1}, {0, 0.75}},
        // t = 0 (the start) only: nothing until the dot at 0.25.
        {"start", "y", "UN(0.1-t)", {0.25, 0.5, 0.75, 1}, {0.25}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Reset('3');
        const std::string nan = NaNWhen(row.nanWhen);
        g.XFunc = std::string("t") + (*row.where == 'x' ? nan : "");
        g.YFunc = std::string("t") + (*row.where == 'y' ? nan : "");
        g.ZFunc = std::string("t") + (*row.where == 'z' ? nan : "");
        g.MinT = 0, g.MaxT = 1, g.Step = 0.25;
        Draw();
        EXPECT_FALSE(g.FuncError);
        std::vector<PointType> lineTargets, moves;
        for (const auto& call : canvas.calls(Op::LineTo)) lineTargets.push_back(call.pts[0]);
        for (const auto& call : canvas.calls(Op::MoveTo)) moves.push_back(call.pts[0]);
        std::vector<PointType> expectedLines, expectedMoves;
        for (double t : row.lineTargets) expectedLines.push_back(Shape(g, t, t, t));
        for (double t : row.moves) expectedMoves.push_back(Shape(g, t, t, t));
        EXPECT_EQ(lineTargets, expectedLines);
        EXPECT_EQ(moves, expectedMoves);
        EXPECT_EQ(host.listing().size(), 5u);
    }
}

}  // namespace
}  // namespace vemlo::test
