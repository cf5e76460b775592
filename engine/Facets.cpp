#include "engine/Facets.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "engine/Numeric.h"

namespace vemlo {

namespace {

int ClampCount(int n) { return std::clamp(n, 0, MaxQuads); }

// The painter's order is defined by a selection sort (strict comparison,
// swap also when m = i, NaN depths never chosen). A faster sort must give the
// very same permutation, ties and NaNs included, so this replays the
// selection sort step by step and only replaces its O(n) scan for the maximum
// by an indexed max-heap over the positions of the non-NaN records still
// unplaced. The heap is keyed by (depth, lower position first); the record
// that a step swaps out of position i moves to position m, so its entry is
// renumbered and sifted down.
class OrderHeap {
public:
    void Run(QuadList& q, int n) {
        q_ = &q;
        size_ = 0;
        for (int p = 1; p <= n; ++p) {
            if (std::isnan(q[p].Depth)) continue;
            heap_[size_] = p;
            where_[p] = size_;
            ++size_;
        }
        for (int k = size_ / 2 - 1; k >= 0; --k) SiftDown(k);

        for (int i = 1; i < n; ++i) {
            if (std::isnan(q[i].Depth)) continue;
            const int m = heap_[0];
            PopRoot();
            if (m == i) continue;
            Switch(q[m], q[i]);
            const int k = where_[i];
            heap_[k] = m;
            where_[m] = k;
            SiftDown(k);
        }
    }

private:
    bool Before(int a, int b) const {
        const double da = (*q_)[a].Depth;
        const double db = (*q_)[b].Depth;
        return da > db || (da == db && a < b);
    }

    void Place(int k, int p) {
        heap_[k] = p;
        where_[p] = k;
    }

    void PopRoot() {
        --size_;
        if (size_ > 0) {
            Place(0, heap_[size_]);
            SiftDown(0);
        }
    }

    void SiftDown(int k) {
        const int p = heap_[k];
        for (;;) {
            int child = 2 * k + 1;
            if (child >= size_) break;
            if (child + 1 < size_ && Before(heap_[child + 1], heap_[child])) ++child;
            if (!Before(heap_[child], p)) break;
            Place(k, heap_[child]);
            k = child;
        }
        Place(k, p);
    }

    QuadList* q_ = nullptr;
    int size_ = 0;
    std::array<int, MaxQuads + 1> heap_{};
    std::array<int, MaxQuads + 1> where_{};
};

// One ordering runs at a time, on the GUI thread; the scratch is kept for the run.
OrderHeap& Scratch() {
    static OrderHeap heap;
    return heap;
}

void CopyToFrame(GraphState& g) {
    if (g.FrameNo < 1 || g.FrameNo > MaxFrames) return;
    std::copy(g.Quads.begin() + 1, g.Quads.begin() + 1 + MaxQuads, &g.movieAt(g.FrameNo, 1));
}

}  // namespace

int FacetCount(const GraphState& g) {
    const double cells = (g.DeltaX + 1) * (g.DeltaY + 1);
    return static_cast<int>(RoundClamped(cells, 0, MaxQuads, 0));
}

void ClearQuads(GraphState& g) {
    const int n = FacetCount(g);
    for (int i = 1; i <= n; ++i) {
        PolyRecord& r = g.Quads[i];
        r.Corners.fill(PointType{});
        r.Depth = 0;
        r.FillColor = g.AColor;
    }
}

void Switch(PolyRecord& a, PolyRecord& b) { std::swap(a, b); }

void SelectionSortQuads(GraphState& g, int n) {
    n = ClampCount(n);
    QuadList& q = g.Quads;
    for (int i = 1; i <= n - 1; ++i) {
        int m = i;
        for (int j = i; j <= n; ++j) {
            if (q[j].Depth > q[m].Depth) m = j;
        }
        Switch(q[m], q[i]);
    }
}

void SortIt(GraphState& g, Canvas& c, int n) {
    n = ClampCount(n);
    Scratch().Run(g.Quads, n);
    if (g.Framing) CopyToFrame(g);

    // A clear brush left behind by text output must not leave facets hollow.
    c.setBrushStyle(TBrushStyle::Solid);
    for (int i = 1; i <= n; ++i) {
        g.Polys = g.Quads[i];
        g.Polys.PenStyle = g.GridColor == g.AColor ? TPenStyle::Clear : TPenStyle::Solid;
        c.setPenColor(g.GridColor);
        c.setPenStyle(g.Polys.PenStyle);
        c.setPenWidth(1);
        c.setBrushColor(g.Polys.FillColor);
        c.polygon(&g.Polys.Corners[1], 4);
    }
    c.setPenColor(g.DColor);
    c.setPenStyle(TPenStyle::Solid);
}

}  // namespace vemlo
