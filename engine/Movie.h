#pragma once
/// Movies: the surface drawn once for each of NumOfFrames eye angles through a
/// full turn about the z axis, each frame kept as the painter-ordered facets
/// of its drawing (SortIt copies them into Movie[FrameNo] while Framing), and
/// played back by refilling those facets frame after frame.

#include <string>

#include "engine/Canvas.h"
#include "engine/Evaluate.h"
#include "engine/GraphState.h"
#include "engine/Host.h"

namespace vemlo {

/// The frames the movie routines use: NumOfFrames, kept within 1..MaxFrames.
int MovieFrames(const GraphState& g);

/// Frames 1..NumOfFrames become empty: records 1..N of the facet store are
/// cleared and the whole store is copied into each frame.
void ClearMovie(GraphState& g);

/// Builds frames 1..NumOfFrames with the fit to the graphing rectangle taken
/// as it is now (Matrix2 is not rebuilt): each frame fills the image with
/// ColorBack, rebuilds Matrix1 and draws the surface through DrawGraph, then
/// Theta steps by 360/NumOfFrames degrees. Afterwards the eye is back at the
/// defaults of a new graph (rho 200, dis 120, theta 30, phi 40 degrees); the
/// transform is left for the next drawing to rebuild. Framing stays set: the
/// caller shows the new angles and its message, then clears Framing and sets
/// the pen width to 2.
void CreateMovie(GraphState& g, Canvas& c, Host& h, EvalPath path = EvalPath::Compiled);

/// Frame k (1..MaxFrames) onto the image: the facet store becomes the frame,
/// the image is filled with ColorBack and the first n facets are filled in
/// their stored colours, outlined in GridColor unless GridColor equals AColor.
void DrawMovieFrame(GraphState& g, Canvas& c, int k, int n);

/// Plays frames 1..NumOfFrames over and over, pausing FrameSpeed ms after
/// each, until Drawing is found cleared before a frame (Stop Movie toggles
/// it); then Drawing is set again, Framing cleared, and the last frame shown
/// stays on the image. The caller has set the window up and shows the
/// button that stops the movie.
void PlayMovie(GraphState& g, Canvas& c, Host& h);

/// The frame count typed into the movie dialog, read through Convert from the
/// current count (an empty or failing text keeps it) and rounded.
void ApplyFrames(GraphState& g, const std::string& entry);
/// The repair after the movie dialog, confirmed or not: below 1 becomes 2,
/// above 32 becomes 32.
void RepairFrames(GraphState& g);

/// The pauses between played frames that the speed buttons set, in ms.
constexpr int SlowSpeed = 800, MediumSpeed = 500, FasterSpeed = 150, FastestSpeed = 0;

}  // namespace vemlo
