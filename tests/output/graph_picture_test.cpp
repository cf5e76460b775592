// Headless drawing of a whole graph: the same pixels as the program's
// pipeline, shaded facets, axes on top.

#include <gtest/gtest.h>

#include <set>

#include "engine/Modes.h"
#include "output/GraphPicture.h"
#include "output/QImageCanvas.h"

namespace vemlo {
namespace {

TEST(GraphPicture, StartMenuPictureIsAShadedSurfaceWithItsAxes) {
    const QImage picture = StartMenuPicture();
    ASSERT_EQ(picture.size(), QSize(143, 143));
    std::set<QRgb> colours;
    bool axes = false;
    GraphState g;
    g.Choice = '1';
    ApplyModeDefaults(g, 0, 0);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            colours.insert(picture.pixel(x, y));
            axes = axes || picture.pixel(x, y) == toQColor(g.ColorAxes).rgb();
        }
    EXPECT_GT(colours.size(), 20u) << "a shaded surface has many tones";
    EXPECT_TRUE(axes);
}

TEST(GraphPicture, ReferenceAndCompiledPathsDrawTheSamePicture) {
    for (char mode : {'1', '2', '3', '4'}) {
        GraphState a, b;
        for (GraphState* g : {&a, &b}) {
            g->Choice = mode;
            ApplyModeDefaults(*g, 0, 0);
            g->SFunc = "Sin(x*y)+r";
            g->XFunc = "Cos(u)*(2+Cos(v))";
            g->YFunc = "Sin(u)*(2+Cos(v))";
            g->ZFunc = "Sin(v)+t/3";
        }
        EXPECT_EQ(DrawGraphPicture(a, 200, 150, EvalPath::Compiled),
                  DrawGraphPicture(b, 200, 150, EvalPath::Reference))
            << "mode " << mode;
    }
}

}  // namespace
}  // namespace vemlo
