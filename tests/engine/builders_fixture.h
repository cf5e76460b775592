#pragma once
/// A small drawing set-up shared by the builder tests: a graph state with a
/// mode's defaults and the example graphing rectangle, a recording canvas and
/// a host that records what the builders ask of the window.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/Builders.h"
#include "engine/Facets.h"
#include "engine/GraphState.h"
#include "engine/Modes.h"
#include "engine/View.h"
#include "tests/engine/recording_canvas.h"

namespace vemlo::test {

class RecordingHost : public Host {
public:
    void processMessages() override {
        ++pumps;
        if (onPump) onPump(pumps);
    }
    void pause(int ms, const bool&) override {
        pauses.push_back(ms);
        if (onPause) onPause(static_cast<int>(pauses.size()));
    }
    void setCursor(CursorKind kind) override { cursors.push_back(kind); }
    void setListing(ValueListing listing) override { listings.push_back(listing.lines()); }
    void message(const std::string& text) override { messages.push_back(text); }

    /// The listing the window shows at the end.
    std::vector<std::string> listing() const {
        return listings.empty() ? std::vector<std::string>{} : listings.back();
    }

    int pumps = 0;
    std::function<void(int)> onPump;
    std::vector<int> pauses;
    std::function<void(int)> onPause;
    std::vector<CursorKind> cursors;
    std::vector<std::vector<std::string>> listings;
    std::vector<std::string> messages;
};

class BuilderTest : public ::testing::Test {
protected:
    /// Mode defaults, the graphing rectangle (156, 72)-(934, 540) and its
    /// transform, Drawing set as Draw sets it.
    void SetMode(char mode) {
        g.Choice = mode;
        ApplyModeDefaults(g, 1440, 900);
        g.FLeft = 156;
        g.FHi = 72;
        g.FRight = 934;
        g.FLo = 540;
        View();
        g.Drawing = true;
    }
    void View() {
        Matrix1(g, g.Dis, g.Rho, g.Theta, g.Phi);
        Matrix2(g);
    }
    void Draw(EvalPath path = EvalPath::Compiled) { EvaluateF(g, canvas, host, path); }
    /// Cancel Draw pressed during the n-th pump.
    void CancelAtPump(int n) {
        host.onPump = [this, n](int pump) {
            if (pump == n) g.Drawing = !g.Drawing;
        };
    }

    int Polygons() const { return static_cast<int>(canvas.calls(RecordingCanvas::Op::Polygon).size()); }
    std::vector<PolyRecord> Stored(int n) const { return {g.Quads.begin() + 1, g.Quads.begin() + 1 + n}; }

    GraphState g;
    RecordingCanvas canvas;
    RecordingHost host;
};

}  // namespace vemlo::test
