#pragma once
/// Small shared types of the engine: colours, matrices, facets and stores.
/// Arrays keep the 1-based indices of the algorithms: element 0 is unused.

#include <array>
#include <cstdint>
#include <vector>

namespace vemlo {

/// A colour with red in the low byte, green in the second, blue in the third
/// (0xFF0000 is blue, 0x0000FF is red).
using Color = std::uint32_t;

/// 4 x 3 viewing matrix, rows 1..4 (x, y, z, 1), columns 1..3 (r, s, t).
using Mat1 = std::array<std::array<double, 4>, 5>;
/// 3 x 3 fitting matrix, rows and columns 1..3.
using Mat2 = std::array<std::array<double, 4>, 4>;
/// Parameter values a..f at indices 1..6.
using ParValues = std::array<double, 7>;
/// The palette of the colour dialogs, indices 1..12.
using DrawingColors = std::array<Color, 13>;

/// A pixel position in the graphing image, as Shape returns it.
struct PointType {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(PointType a, PointType b) { return a.x == b.x && a.y == b.y; }
};

/// The four corners of a facet, indices 1..4.
using PolygonType = std::array<PointType, 5>;

enum class TPenStyle : std::uint8_t { Solid, Clear, DashDot };
enum class TBrushStyle : std::uint8_t { Solid, Clear };

/// One facet of a surface.
struct PolyRecord {
    PolygonType Corners{};
    double Depth = 0;
    Color FillColor = 0;
    TPenStyle PenStyle = TPenStyle::Solid;
};

constexpr int MaxQuads = 6400;  // 80 x 80 grid cells
constexpr int MaxFrames = 40;

/// The facet store: indices 1..MaxQuads.
using QuadList = std::vector<PolyRecord>;
/// The frame store: frame f (1..MaxFrames) occupies [f * (MaxQuads + 1), ...),
/// facet i of it at index f * (MaxQuads + 1) + i.
using MovieList = std::vector<PolyRecord>;

}  // namespace vemlo
