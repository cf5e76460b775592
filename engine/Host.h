#pragma once
/// GUI services the engine asks of the window that runs it.

#include <string>

#include "engine/Listing.h"

namespace vemlo {

enum class CursorKind { Default, Busy };

class Host {
public:
    virtual ~Host() = default;
    /// Lets the event loop run pending events (a long drawing stays responsive
    /// and Cancel Draw can be pressed).
    virtual void processMessages() = 0;
    /// Shows what was drawn, then lets the event loop run for ms milliseconds
    /// (the window keeps painting and its buttons work meanwhile). Returns
    /// early once `going` reads false, as when a button press clears it.
    virtual void pause(int ms, const bool& going) = 0;
    virtual void setCursor(CursorKind kind) = 0;
    /// Replaces the value listing with this one, in one go. The listing is
    /// handed over as numbers; its lines are made when they are looked at.
    virtual void setListing(ValueListing listing) = 0;
    /// A plain message box with an OK button.
    virtual void message(const std::string& text) = 0;
};

/// A host that does nothing: for tests and headless tools.
class NullHost : public Host {
public:
    void processMessages() override {}
    void pause(int, const bool&) override {}
    void setCursor(CursorKind) override {}
    void setListing(ValueListing) override {}
    void message(const std::string&) override {}
};

}  // namespace vemlo
