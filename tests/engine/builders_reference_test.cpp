#include <cstring>
#include <ostream>
#include <functional>

#include "tests/engine/builders_fixture.h"

namespace vemlo::test {
namespace {

// The reference path (Parse every time, selection sort) against the compiled
// one: the same facets bit for bit, the same drawing calls and the same listing.
struct Case {
    char mode;
    const char* s;
    const char* x;
    const char* y;
    const char* z;
};

// Shown in test names and failures as the mode and its formulas.
void PrintTo(const Case& k, std::ostream* os) {
    *os << "mode " << k.mode << ": ";
    if (k.mode == '1' || k.mode == '2')
        *os << "z = " << k.s;
    else
        *os << "x = " << k.x << ", y = " << k.y << ", z = " << k.z;
}

class ReferencePath : public ::testing::TestWithParam<Case> {};

struct Drawing : BuilderTest {
    using BuilderTest::canvas;
    using BuilderTest::Draw;
    using BuilderTest::g;
    using BuilderTest::host;
    using BuilderTest::View;
    void TestBody() override {}
    void Go(const Case& k, EvalPath path) {
        SetMode(k.mode);
        g.SFunc = k.s;
        g.XFunc = k.x;
        g.YFunc = k.y;
        g.ZFunc = k.z;
        g.DeltaX = g.DeltaY = 12;
        g.MinR = -0.5;  // puts cell centres on the axis in mode 2
        Draw(path);
    }
};

TEST_P(ReferencePath, DrawsTheSamePictureAsTheCompiledPath) {
    Drawing compiled, reference;
    compiled.Go(GetParam(), EvalPath::Compiled);
    reference.Go(GetParam(), EvalPath::Reference);
    for (int i = 1; i <= MaxQuads; ++i) {
        const PolyRecord& a = compiled.g.Quads[i];
        const PolyRecord& b = reference.g.Quads[i];
        ASSERT_EQ(std::memcmp(&a.Depth, &b.Depth, sizeof a.Depth), 0) << i;
        ASSERT_EQ(a.FillColor, b.FillColor) << i;
        for (int c = 1; c <= 4; ++c) ASSERT_EQ(a.Corners[c], b.Corners[c]) << i;
    }
    const auto& ca = compiled.canvas.calls();
    const auto& cb = reference.canvas.calls();
    ASSERT_EQ(ca.size(), cb.size());
    for (std::size_t i = 0; i < ca.size(); ++i) {
        EXPECT_EQ(ca[i].pts, cb[i].pts) << i;
        EXPECT_EQ(ca[i].brush, cb[i].brush) << i;
    }
    EXPECT_EQ(compiled.host.listings, reference.host.listings);
    EXPECT_EQ(compiled.g.FuncError, reference.g.FuncError);
    EXPECT_EQ(compiled.g.CutCalled, reference.g.CutCalled);
}

// Drawings one after the other, as the arrows and Draw make them: the
// compiled formulas take what they can from the drawing before, and each
// drawing must still be the reference one, whether the points come again
// (a turned view), change a little (another domain) or come in another order.
TEST_P(ReferencePath, DrawingsOneAfterTheOtherStayTheReferenceOnes) {
    Drawing compiled, reference;
    const std::function<void(GraphState&)> changes[] = {
        [](GraphState&) {},
        [](GraphState& g) { g.Theta += 0.17453292519943295; },
        [](GraphState& g) { g.Phi += 0.17453292519943295; },
        [](GraphState& g) { g.MinX -= 0.25, g.MinR -= 0.25, g.MinT -= 0.25, g.MinU -= 0.25; },
        [](GraphState& g) { g.DeltaX = 13, g.DeltaY = 11; },
        [](GraphState& g) { g.DeltaX = g.DeltaY = 12; },
    };
    compiled.Go(GetParam(), EvalPath::Compiled);
    reference.Go(GetParam(), EvalPath::Reference);
    for (const auto& change : changes) {
        for (Drawing* d : {&compiled, &reference}) {
            change(d->g);
            d->View();
            d->g.Drawing = true;
            d->canvas.clear();
        }
        compiled.Draw(EvalPath::Compiled);
        reference.Draw(EvalPath::Reference);
        ASSERT_EQ(compiled.canvas.calls().size(), reference.canvas.calls().size());
        for (std::size_t i = 0; i < compiled.canvas.calls().size(); ++i) {
            ASSERT_EQ(compiled.canvas.calls()[i].pts, reference.canvas.calls()[i].pts) << i;
            ASSERT_EQ(compiled.canvas.calls()[i].brush, reference.canvas.calls()[i].brush) << i;
        }
        EXPECT_EQ(compiled.host.listing(), reference.host.listing());
        EXPECT_EQ(compiled.g.FuncError, reference.g.FuncError);
        EXPECT_EQ(compiled.g.MathError, reference.g.MathError);
        EXPECT_EQ(compiled.g.CutCalled, reference.g.CutCalled);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ReferencePath,
    ::testing::Values(Case{'1', "(2*x^2+3*y^2)*EXP(1-x^2-y^2)", "0", "0", "0"},
                      Case{'1', "1/(x*y)+CUT(x)", "0", "0", "0"}, Case{'1', "x+*y", "0", "0", "0"},
                      Case{'2', "r*SIN(3*t)", "0", "0", "0"}, Case{'2', "SQRT(1-r^2)", "0", "0", "0"},
                      Case{'3', "0", "COS(t)", "SIN(t)", "t/5"}, Case{'3', "0", "t", "LN(t-2)", "t"},
                      Case{'4', "0", "(2+COS(v))*COS(u)", "(2+COS(v))*SIN(u)", "SIN(v)"},
                      Case{'4', "0", "u", "v", "CUT(u)*u*v"},
                      // NaN (inf - inf, no math error) over part of the domain
                      Case{'1', "y+(UN(x)*1E300*1E300)-(UN(x)*1E300*1E300)", "0", "0", "0"},
                      Case{'2', "r+(UN(t-3)*1E300*1E300)-(UN(t-3)*1E300*1E300)", "0", "0", "0"},
                      Case{'3', "0", "t", "t", "t+(UN(t)*1E300*1E300)-(UN(t)*1E300*1E300)"},
                      Case{'4', "0", "u", "v", "v+(UN(u)*1E300*1E300)-(UN(u)*1E300*1E300)"}));

}  // namespace
}  // namespace vemlo::test
