#pragma once
/// The engine's GUI services on Qt: pending events, the busy cursor, the
/// value listing and plain message boxes.

#include <QElapsedTimer>
#include <functional>
#include <memory>
#include <optional>

#include "engine/Host.h"

class QWidget;

namespace vemlo {

class QtHost : public Host {
public:
    using ListingSink = std::function<void(std::shared_ptr<const ValueListing>)>;

    /// Message boxes are shown over the given window (may be null).
    explicit QtHost(QWidget* window = nullptr);

    /// Runs pending events when at least the event interval has passed since
    /// it last ran them (the first call always does), so a drawing that asks
    /// at every step stays responsive without a pass of the event loop per
    /// step; first asks the repaint target to show what was drawn so far, at
    /// most every few hundredths of a second, so a long drawing shows its
    /// progress.
    void processMessages() override;
    /// The least time between two passes of processMessages over the event
    /// loop, in milliseconds (8 unless set).
    void setEventInterval(int ms) { eventMs_ = ms; }
    /// Repaints the repaint target now, then runs the event loop for ms
    /// milliseconds (at least one pass), ending early once `going` is false.
    void pause(int ms, const bool& going) override;
    /// Busy sets the application's wait cursor once; Default removes it
    /// however often Busy was asked for.
    void setCursor(CursorKind kind) override;
    /// Hands the listing on to the sink, shared, without making its lines.
    void setListing(ValueListing listing) override;
    void message(const std::string& text) override;

    /// Where setListing sends the listing (the value listing window).
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
    QElapsedTimer sinceEvents_;
    int eventMs_ = 8;
    bool hold_ = false;
    std::optional<ValueListing> held_;
};

}  // namespace vemlo
