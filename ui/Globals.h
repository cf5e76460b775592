#pragma once
/// The program-wide graph and the screen size the window is sized from.

#include <QSize>

#include "engine/GraphState.h"

namespace vemlo {

/// The one graph of the running program. Engine routines take it by reference.
GraphState& TheGraph();

/// Width and height of the primary screen in pixels, or the override if one is set.
QSize ScreenSize();
/// Makes ScreenSize return this size (tests use it for a known screen); an
/// empty size removes the override.
void SetScreenSizeOverride(QSize size);

}  // namespace vemlo
