#pragma once
/// The defaults a new graph gets when the user picks a mode.

#include "engine/GraphState.h"

namespace vemlo {

/// Whether a Choice is one of the four graph modes, '1' to '4'.
inline bool IsGraphMode(char choice) { return choice >= '1' && choice <= '4'; }

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
