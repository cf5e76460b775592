#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "engine/Facets.h"
#include "tests/engine/recording_canvas.h"

namespace vemlo {
namespace {

using test::RecordingCanvas;
using Op = RecordingCanvas::Op;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Facets carry their original index in FillColor so that orders can be compared.
class FacetsTest : public ::testing::Test {
protected:
    void Load(GraphState& s, const std::vector<double>& depths) {
        for (size_t k = 0; k < depths.size(); ++k) {
            PolyRecord& r = s.Quads[k + 1];
            r = PolyRecord{};
            r.Depth = depths[k];
            r.FillColor = static_cast<Color>(k + 1);
            r.Corners[1] = {static_cast<std::int32_t>(k), 1};
        }
    }
    static std::vector<Color> Order(const GraphState& s, int n) {
        std::vector<Color> ids;
        for (int i = 1; i <= n; ++i) ids.push_back(s.Quads[i].FillColor);
        return ids;
    }
    // SortIt and the plain selection sort must give the same permutation.
    void ExpectSameOrder(const std::vector<double>& depths) {
        const int n = static_cast<int>(depths.size());
        Load(fast, depths);
        Load(slow, depths);
        RecordingCanvas c;
        SortIt(fast, c, n);
        SelectionSortQuads(slow, n);
        ASSERT_EQ(Order(fast, n), Order(slow, n)) << Describe(depths);
    }
    static std::string Describe(const std::vector<double>& d) {
        std::string s = "depths:";
        for (double v : d) s += " " + std::to_string(v);
        return s;
    }
    GraphState fast, slow;
};

TEST_F(FacetsTest, ExamplesOfTiesAndNaNs) {
    struct Row {
        std::vector<double> depths;
        std::vector<Color> order;
    };
    const Row rows[] = {
        {{5, 5, 9}, {3, 2, 1}},     // the equal pair is reversed
        {{9, 5, 5}, {1, 2, 3}},     // already in order: stays
        {{kNaN, 1, 2}, {1, 3, 2}},  // a NaN at the front keeps its place
        {{1, kNaN, 2}, {3, 2, 1}},  // a NaN met at its own position stays
        {{1, 2, kNaN}, {2, 1, 3}},  // NaN records never move
        {{kNaN, 4, kNaN, 6, 5}, {1, 4, 3, 5, 2}},
        {{-kInf, kInf, 0.0, -0.0}, {2, 3, 4, 1}},
        {{7}, {1}},
    };
    for (const Row& r : rows) {
        Load(fast, r.depths);
        RecordingCanvas c;
        SortIt(fast, c, static_cast<int>(r.depths.size()));
        EXPECT_EQ(Order(fast, static_cast<int>(r.depths.size())), r.order) << Describe(r.depths);
    }
}

TEST_F(FacetsTest, MatchesTheSelectionSortOnEveryShortList) {
    // Every list of length 0..7 over {1, 2, 3, NaN}: all tie and NaN patterns.
    const double alphabet[] = {1, 2, 3, kNaN};
    for (int n = 0; n <= 7; ++n) {
        int total = 1;
        for (int k = 0; k < n; ++k) total *= 4;
        for (int code = 0; code < total; ++code) {
            std::vector<double> d(n);
            for (int k = 0, c = code; k < n; ++k, c /= 4) d[k] = alphabet[c % 4];
            ExpectSameOrder(d);
            if (HasFatalFailure()) return;
        }
    }
}

TEST_F(FacetsTest, MatchesTheSelectionSortOnRandomLists) {
    std::mt19937 rng(20261211);
    const double specials[] = {kNaN, kInf, -kInf, 0.0, -0.0, 1e308, -1e308};
    auto list = [&](int n, int distinct, int specialPercent) {
        std::uniform_int_distribution<int> value(0, distinct - 1), pct(0, 99), sp(0, 6);
        std::vector<double> d(n);
        for (double& v : d) v = pct(rng) < specialPercent ? specials[sp(rng)] : value(rng) * 0.5;
        return d;
    };
    for (int n = 0; n <= 300; ++n) {
        for (int distinct : {1, 3, 50}) {
            ExpectSameOrder(list(n, distinct, 20));
            if (HasFatalFailure()) return;
        }
    }
    for (int n : {1000, 4097, 6399, 6400}) {
        for (int distinct : {2, 100000}) {
            for (int special : {0, 5, 60}) {
                ExpectSameOrder(list(n, distinct, special));
                if (HasFatalFailure()) return;
            }
        }
    }
}

TEST_F(FacetsTest, FillsInOrderWithTheGridPen) {
    GraphState& g = fast;
    g.AColor = 0x0000FF;
    g.GridColor = 0x808000;
    g.DColor = 0xFF0000;
    Load(g, {1, 3, 2});
    g.Quads[2].Corners = {PointType{}, {1, 2}, {3, 4}, {5, 6}, {7, 8}};
    RecordingCanvas c;
    c.setBrushStyle(TBrushStyle::Clear);
    SortIt(g, c, 3);
    const auto polys = c.calls(Op::Polygon);
    ASSERT_EQ(polys.size(), 3u);
    const Color order[] = {2, 3, 1};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(polys[k].brush, order[k]);
        EXPECT_EQ(polys[k].brushStyle, TBrushStyle::Solid);
        EXPECT_EQ(polys[k].pen, 0x808000u);
        EXPECT_EQ(polys[k].penStyle, TPenStyle::Solid);
        EXPECT_EQ(polys[k].penWidth, 1);
        EXPECT_EQ(polys[k].pts.size(), 4u);
    }
    EXPECT_EQ(polys[0].pts, (std::vector<PointType>{{1, 2}, {3, 4}, {5, 6}, {7, 8}}));
    EXPECT_EQ(g.Polys.FillColor, 1u);  // the scratch holds the last facet filled
    EXPECT_EQ(c.penColor(), 0xFF0000u);
    EXPECT_EQ(c.penStyle(), TPenStyle::Solid);
}

TEST_F(FacetsTest, NoGridsWhileTheGridColourEqualsTheUpperColour) {
    GraphState& g = fast;
    g.AColor = g.GridColor = 0x0000FF;
    Load(g, {1, 2});
    RecordingCanvas c;
    SortIt(g, c, 2);
    for (const auto& p : c.calls(Op::Polygon)) EXPECT_EQ(p.penStyle, TPenStyle::Clear);
    EXPECT_EQ(g.Quads[1].PenStyle, TPenStyle::Solid);  // decided at fill time only

    g.AColor = 0x00FFFF;  // a new upper colour brings the outlines back
    c.clear();
    SortIt(g, c, 2);
    for (const auto& p : c.calls(Op::Polygon)) {
        EXPECT_EQ(p.penStyle, TPenStyle::Solid);
        EXPECT_EQ(p.pen, 0x0000FFu);
    }
}

TEST_F(FacetsTest, EmptyAndOutOfRangeCountsDrawNothingOdd) {
    GraphState& g = fast;
    g.DColor = 0x00AA00;
    for (int n : {0, -5}) {
        RecordingCanvas c;
        c.setPenStyle(TPenStyle::DashDot);
        SortIt(g, c, n);
        EXPECT_TRUE(c.calls(Op::Polygon).empty());
        EXPECT_EQ(c.penColor(), 0x00AA00u);
        EXPECT_EQ(c.penStyle(), TPenStyle::Solid);
    }
    RecordingCanvas c;
    SortIt(g, c, MaxQuads + 100);
    EXPECT_EQ(c.calls(Op::Polygon).size(), static_cast<size_t>(MaxQuads));
}

TEST_F(FacetsTest, FramingCopiesTheWholeOrderedStore) {
    GraphState& g = fast;
    g.AColor = 0x0000FF;
    g.DeltaX = g.DeltaY = 79;  // clears all 6400
    ClearQuads(g);
    Load(g, {1, 2, 3});
    g.Framing = true;
    g.FrameNo = 40;
    RecordingCanvas c;
    SortIt(g, c, 3);
    EXPECT_EQ(g.movieAt(40, 1).FillColor, 3u);
    EXPECT_EQ(g.movieAt(40, 3).FillColor, 1u);
    for (int i : {4, 100, MaxQuads}) {
        EXPECT_EQ(g.movieAt(40, i).FillColor, 0x0000FFu) << i;
        EXPECT_EQ(g.movieAt(40, i).Depth, 0);
    }
    EXPECT_EQ(g.movieAt(39, 1).FillColor, 0u);

    // A frame number outside 1..40 copies nothing and stays in bounds.
    for (int frame : {0, 41, -1}) {
        g.FrameNo = frame;
        SortIt(g, c, 3);
    }
    EXPECT_EQ(g.movieAt(1, 1).FillColor, 0u);
}

TEST_F(FacetsTest, ClearingCoversTheGridPointsRoundedAndCapped) {
    struct Row {
        double dx, dy;
        int cleared;
    };
    const Row rows[] = {{15, 15, 256}, {0.5, 0, 2}, {1.5, 0, 2},         {80, 80, 6400},
                        {kNaN, 3, 0},  {-3, 3, 0},  {1e300, 1e300, 6400}};
    for (const Row& r : rows) {
        GraphState g;
        g.AColor = 0x00FFFF;
        for (int i = 1; i <= MaxQuads; ++i) {
            g.Quads[i].Depth = 5;
            g.Quads[i].FillColor = 7;
            g.Quads[i].Corners[2] = {9, 9};
        }
        g.DeltaX = r.dx;
        g.DeltaY = r.dy;
        ClearQuads(g);
        int cleared = 0;
        for (int i = 1; i <= MaxQuads; ++i) {
            const PolyRecord& q = g.Quads[i];
            if (q.Depth == 0 && q.FillColor == 0x00FFFF && q.Corners[2] == PointType{}) ++cleared;
        }
        EXPECT_EQ(cleared, r.cleared) << r.dx << " x " << r.dy;
        if (r.cleared > 0) {
            EXPECT_EQ(g.Quads[r.cleared].FillColor, 0x00FFFFu);
        }
        if (r.cleared < MaxQuads) {
            EXPECT_EQ(g.Quads[r.cleared + 1].FillColor, 7u);
        }
    }
}

TEST(Switch, ExchangesWholeRecords) {
    PolyRecord a, b;
    a.Depth = 1;
    a.FillColor = 2;
    a.Corners[4] = {3, 4};
    a.PenStyle = TPenStyle::Clear;
    b.Depth = 5;
    Switch(a, b);
    EXPECT_EQ(a.Depth, 5);
    EXPECT_EQ(b.Depth, 1);
    EXPECT_EQ(b.FillColor, 2u);
    EXPECT_EQ(b.Corners[4], (PointType{3, 4}));
    EXPECT_EQ(b.PenStyle, TPenStyle::Clear);
    EXPECT_EQ(a.PenStyle, TPenStyle::Solid);
}

}  // namespace
}  // namespace vemlo
