#pragma once
/// The engine's GUI services on Qt: pending events, the busy cursor, the
/// value listing and plain message boxes.

#include <QElapsedTimer>
#include <functional>

#include "engine/Host.h"

class QWidget;

namespace vemlo {

class QtHost : public Host {
public:
    using ListingSink = std::function<void(const std::vector<std::string>&)>;

    /// Message boxes are shown over the given window (may be null).
    explicit QtHost(QWidget* window = nullptr);

    /// Runs pending events; first asks the repaint target to show what was
    /// drawn so far, at most every few hundredths of a second, so a long
    /// drawing shows its progress. Calls that come within a millisecond of
    /// the last pass return at once: asking the window system costs more
    /// than a grid cell, and nothing the user does is noticed later for it.
    void processMessages() override;
    /// Repaints the repaint target now, then runs the event loop for ms
    /// milliseconds (at least one pass), ending early once `going` is false.
    void pause(int ms, const bool& going) override;
    /// Busy sets the application's wait cursor once; Default removes it
    /// however often Busy was asked for.
    void setCursor(CursorKind kind) override;
    void setListing(const std::vector<std::string>& lines) override;
    void message(const std::string& text) override;

    /// Where setListing sends its lines (the value listing window).
    void setListingSink(ListingSink sink) { sink_ = std::move(sink); }
    /// While held, each listing replaces the one kept; ending the hold sends
    /// the last one kept, if any (a movie lists every frame it builds).
    void holdListings(bool hold);
    /// The widget a drawing paints on (the graphing image).
    void setRepaintTarget(QWidget* target) { target_ = target; }

private:
    QWidget* window_;
    ListingSink sink_;
    QWidget* target_ = nullptr;
    QElapsedTimer sinceRepaint_;
    QElapsedTimer sincePass_;
    bool hold_ = false;
    bool held_ = false;
    std::vector<std::string> heldLines_;
};

}  // namespace vemlo
