// Painter's ordering of a full facet store: the heap-driven SortIt against
// the plain selection sort that defines the order.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "engine/Facets.h"

namespace vemlo {
namespace {

/// Draws nothing: only the ordering is measured.
class NullCanvas : public Canvas {
public:
    int width() const override { return 0; }
    int height() const override { return 0; }
    void setPenColor(Color) override {}
    void setPenWidth(int) override {}
    void setPenStyle(TPenStyle) override {}
    void setBrushColor(Color) override {}
    void setBrushStyle(TBrushStyle) override {}
    void setFontColor(Color) override {}
    void setFontSize(int) override {}
    Color penColor() const override { return 0; }
    TPenStyle penStyle() const override { return TPenStyle::Solid; }
    PointType penPos() const override { return {}; }
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void polygon(const PointType* pts, int) override { benchmark::DoNotOptimize(pts); }
    void rectangle(int, int, int, int) override {}
    void fillRect(int, int, int, int) override {}
    void textOut(int, int, const std::string&) override {}
    int textWidth(const std::string&) const override { return 0; }
    int textHeight(const std::string&) const override { return 0; }
};

// range(0): number of distinct depth values (few means many ties).
std::vector<PolyRecord> Store(int distinct) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> value(0, distinct - 1);
    std::vector<PolyRecord> store(MaxQuads + 1);
    for (int i = 1; i <= MaxQuads; ++i) {
        store[i].Depth = 180.0 + value(rng) * 0.01;
        store[i].FillColor = static_cast<Color>(i);
    }
    return store;
}

void BM_SortIt(benchmark::State& state) {
    static GraphState g;
    const std::vector<PolyRecord> store = Store(static_cast<int>(state.range(0)));
    NullCanvas canvas;
    for (auto _ : state) {
        g.Quads = store;
        SortIt(g, canvas, MaxQuads);
        benchmark::DoNotOptimize(g.Quads.data());
    }
}

void BM_SelectionSortQuads(benchmark::State& state) {
    static GraphState g;
    const std::vector<PolyRecord> store = Store(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        g.Quads = store;
        SelectionSortQuads(g, MaxQuads);
        benchmark::DoNotOptimize(g.Quads.data());
    }
}

BENCHMARK(BM_SortIt)->Arg(3)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectionSortQuads)->Arg(3)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vemlo
