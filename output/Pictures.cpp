#include "output/Pictures.h"

#include <QFontMetrics>
#include <QPainter>

#include "engine/Modes.h"
#include "output/QImageCanvas.h"

namespace vemlo {

namespace {

constexpr int kParamStep = 115;
constexpr int kModeTwoThreeLeft = 40;
constexpr int kPictureFontSize = 16;
constexpr int kImageTop = 35;

}  // namespace

int TitleLeft(const GraphState& g, int W, int L, int T) { return (W - L) / 2 + L + g.LMapX / 2 - T / 2; }

QPoint GraphCorner(const GraphState& g) { return QPoint(g.LMapX - 20, kImageTop); }

void DrawSheet(const GraphState& g, int W, int H, Canvas& c) {
    const int L = g.FLeft + 1;
    const int sheetH = H + g.LMapY;
    c.setPenColor(0xFFFFFF);
    c.setBrushColor(g.PColor);
    c.rectangle(0, 0, c.width(), c.height());

    c.setBrushColor(g.PColor);
    c.setPenColor(g.DColor);
    c.setFontColor(g.ColorFont);
    c.setFontSize(kPictureFontSize);

    const int T =
        QFontMetrics(QImageCanvas::font(g.FontSize)).horizontalAdvance(QString::fromStdString(g.Title));
    c.textOut(TitleLeft(g, W, L, T), g.FontSize, g.Title);

    const bool wide = !ModeOf(g.Choice).square;
    const int paramLeft = wide ? g.ILeft : kModeTwoThreeLeft;
    static const char* const kNames[] = {"", "a=", "b=", "c=", "d=", "e=", "f="};
    for (int i = 1; i <= 6; ++i) {
        if (g.Par[i] == 0) continue;
        c.textOut((i - 1) * kParamStep + paramLeft, sheetH - 35, kNames[i] + ParamValueText(g.Par[i]));
    }

    const bool graph = IsGraphMode(g.Choice);
    if (graph && !ModeOf(g.Choice).threeFormulas) {
        c.textOut(g.ILeft, sheetH - 80, "Z= " + g.SFunc);
    } else if (graph) {
        c.textOut(g.ILeft, sheetH - 85, "X= " + g.XFunc + "     Y= " + g.YFunc);
        c.textOut(g.ILeft, sheetH - 65, "Z= " + g.ZFunc);
    }
}

void SaveTheGraph(const GraphState& g, const QImage& Image1, QImage& PicMap, QImage& LMap) {
    const int W = Image1.width();
    const int H = Image1.height();
    const int sheetW = W + 2 * g.LMapX;
    const int sheetH = H + g.LMapY;

    LMap = QImage(std::max(sheetW, 1), std::max(sheetH, 1), QImage::Format_RGB32);
    {
        QImageCanvas c(LMap);
        DrawSheet(g, W, H, c);
    }

    // The image goes on last, so it covers whatever part of a text reaches
    // into its rectangle.
    if (!Image1.isNull()) {
        QPainter p(&LMap);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(GraphCorner(g), Image1.convertToFormat(QImage::Format_RGB32));
    }

    PicMap = Image1.copy();
}

}  // namespace vemlo
