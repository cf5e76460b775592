#pragma once
/// The four graph modes: what differs between them, one row each, and the
/// defaults a new graph gets when the user picks a mode.

#include "engine/Canvas.h"
#include "engine/Evaluate.h"
#include "engine/GraphState.h"
#include "engine/Host.h"

namespace vemlo {

/// Whether a Choice is one of the four graph modes, '1' to '4'.
inline bool IsGraphMode(char choice) { return choice >= '1' && choice <= '4'; }

/// One graph mode. Window, dialogs, listings, pictures and the drawing read
/// their mode-dependent texts and switches from here.
struct ModeRow {
    char choice;
    /// The main window's caption, leading blanks included.
    const char* caption;
    /// Modes '3' and '4' have the three formulas XFunc, YFunc, ZFunc; the
    /// others the one formula SFunc.
    bool threeFormulas;
    /// The cylindrical and space-curve graphs get a square graphing rectangle.
    bool square;
    /// The domain as the domain dialog edits it: start and end of the first
    /// range, then of the second (absent, null, in mode '3').
    double GraphState::*domain[4];
    /// Captions of the domain dialog's four boxes.
    const char* domainCaptions[4];
    /// The function dialog's prompt.
    const char* functionPrompt;
    /// Column headings of the value listing: in its window, and printed with
    /// a rule of `printedRule` dashes under it.
    const char* listingHeading;
    const char* printedHeading;
    int printedRule;
    /// Draws the surface or curve of the mode (the caller has emptied the
    /// listing and the facet store).
    void (*build)(GraphState&, Canvas&, Host&, EvalPath);
    /// The menus and items the mode shows; the Line menu is always shown.
    bool plane, contours, curves, step, movie;
};

/// The row of a graph mode. Any other Choice (the zero Choice before a mode
/// was picked) gets the row of mode '1', which is how the window lays out,
/// and the dialogs and listings read, such a graph.
const ModeRow& ModeOf(char choice);

struct WindowSize {
    int width = 0;
    int height = 0;
};

/// Ranges and window box that picking mode g.Choice sets first.
void ChosenRanges(GraphState& g);
/// Default colours and the palette.
void Colors(GraphState& g);
/// Every other default of a new graph; returns the main window's size for a
/// screen of the given size (90% by 80%, rounded halves to even).
WindowSize First(GraphState& g, int screenWidth, int screenHeight);
/// ChosenRanges, Colors and First in that order: the state side of picking a
/// mode. A Choice other than '1' to '4' leaves the state alone and gives {0, 0}.
WindowSize ApplyModeDefaults(GraphState& g, int screenWidth, int screenHeight);

}  // namespace vemlo
