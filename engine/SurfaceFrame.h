#pragma once
/// The frame every surface builder shares: the walk over the cells of the
/// parameter grid with its cancel check, corner tests, corners, depth, colour,
/// cut facets and storing, then the painter's ordering; the polyline of a
/// grid with a zero step; and the walk over the listed grid points. A builder
/// supplies only what its kind of surface does differently, as a SurfaceModel.

#include <functional>

#include "engine/Canvas.h"
#include "engine/Evaluate.h"
#include "engine/GraphState.h"
#include "engine/Host.h"
#include "engine/Listing.h"
#include "engine/Sweep.h"

namespace vemlo {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

/// The eye point in world coordinates, worked out in extended precision (as
/// the viewing matrix is) and stored as doubles, and its length.
struct Eye {
    Vec3 E;
    double len = 0;
};
Eye EyeOf(const GraphState& g);

/// One parameter of a surface: its range and the step of its grid.
struct Axis {
    double min = 0, max = 0, step = 0;

    /// The cell walk: lower corners up to (max - step) + tol.
    Sweep cells(double tol) const { return {(max - step) + tol, step}; }
    /// The point walk of polylines and listings: up to max.
    Sweep points() const { return {max, step}; }
};

/// u walks the outer loop, v the inner one.
struct ParamGrid {
    Axis u, v;
};

enum class Verdict { Keep, Skip, Stop };

/// What one kind of surface contributes to the frame. Every evaluation goes
/// through the builder's PointEval, so the model also sets the state's
/// variables the way its mode requires.
class SurfaceModel {
public:
    virtual ~SurfaceModel() = default;
    /// At the start of a cell's work, after the cancel check and the clearing of the flags.
    virtual void beginCell(double u, double v) {
        (void)u;
        (void)v;
    }
    /// The corner test at one corner: Skip drops the cell, Stop ends the build.
    virtual Verdict testCorner(double u, double v) = 0;
    /// World position of a parameter point, as polylines draw it.
    virtual Vec3 point(double u, double v) = 0;
    /// World position of a facet's corner.
    virtual Vec3 corner(double u, double v) { return point(u, v); }
    /// World position of the cell's centre; false ends the build.
    virtual bool centre(double uc, double vc, Vec3& p) = 0;
    /// The facet's fill colour; `fill` comes in as the scratch record's. Stop ends the build.
    virtual Verdict colour(double uc, double vc, const Eye& e, Color& fill) = 0;
};

/// The forward difference (f(a + h, b) - f(a, b)) / h along a, or along b,
/// with h = 0.001; the shifted point is evaluated first.
double ForwardDifference(const std::function<double(double, double)>& f, double a, double b, bool alongA);

/// The corner test of surfaces over a height: a syntax error sets FuncError
/// and stops; a math error, a height that is NaN or infinite, or one outside
/// lo..hi skips the cell.
Verdict HeightTest(GraphState& g, double f, double lo, double hi);

/// Fill colour of a facet of slope (fx, fy): the upper side (AColor) faces
/// the eye when Ez >= Ex fx + Ey fy or the comparison is undecided, the lower
/// side (UColor) otherwise; with Shading on, shaded by GetTheShade, N left in
/// NormAngle.
Color SlopeColor(GraphState& g, const Eye& e, double fx, double fy);

/// Walks the cells (tolerance `tol` on each cell loop), stores the kept
/// facets in Quads and orders and fills them. Returns false when the build
/// stopped (a formula error, or the model's Stop) or was cancelled (Drawing
/// is then set back to true); nothing is filled then. A cell with a corner
/// that cannot be placed in the image (ShapeFinite) is skipped. Once the
/// store is full no later cell could be kept, so the walk ends there.
bool BuildSurface(GraphState& g, Canvas& c, Host& h, PointEval& ev, SurfaceModel& m, const ParamGrid& p,
                  double tol);

/// The case of a zero step: a polyline in GridColor along the parameter that
/// has a step (u at its minimum when only v moves, v at its minimum when only
/// u moves); nothing when neither moves. A segment with an end that cannot be
/// placed (ShapeFinite) is left out. Returns false when FuncError stopped it.
bool DrawLineCase(GraphState& g, Canvas& c, SurfaceModel& m, const ParamGrid& p);

enum class BuildEnd { Stopped, Grid, Line };

/// The whole build of a surface over a height (modes 1 and 2): the polyline
/// when a step is 0, the cells otherwise, then the listing: one line of the
/// given form (Value or Degrees) per point with u, v and value(u, v), walking
/// the state variables `u` and `v`; after a grid, points whose value sets
/// MathError are not listed. Tells which case ran, or that the build stopped
/// (nothing listed then).
BuildEnd BuildHeightSurface(GraphState& g, Canvas& c, Host& h, PointEval& ev, SurfaceModel& m,
                            const ParamGrid& p, double tol, double& u, double& v,
                            const std::function<double(double, double)>& value, ValueListing::Form form);

/// Walks the listed points: u over its points (outer), v over its points
/// (inner, restarting for each u), with the state's own variables as the loop
/// variables, so they are left past the ranges' ends.
void ListGrid(double& u, double& v, const ParamGrid& p, const std::function<void(double, double)>& visit);

}  // namespace vemlo
