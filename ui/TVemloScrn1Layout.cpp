#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>
#include <cmath>

#include "engine/Axes.h"
#include "engine/DrawGraph.h"
#include "engine/View.h"
#include "ui/ColorFm.h"
#include "ui/Globals.h"
#include "ui/Kit.h"
#include "ui/TImage.h"
#include "ui/TVemloScrn1.h"
#include "ui/Zlevels.h"

namespace vemlo {

namespace {

std::int32_t RoundEven(long double v) { return static_cast<std::int32_t>(std::nearbyint(v)); }

}  // namespace

void TVemloScrn1::Second() {
    GraphState& G = TheGraph();
    const int W = width(), H = height();
    G.FLeft = RoundEven(W * 0.12L);
    G.FHi = RoundEven(H * 0.1L);
    if (ModeOf(G.Choice).square) {
        G.FLo = G.FHi + RoundEven(H * 0.65L);
        G.FRight = G.FLeft + (G.FLo - G.FHi);
    } else {
        G.FRight = G.FLeft + RoundEven(W * 0.6);
        G.FLo = G.FHi + RoundEven(H * 0.65);
    }

    Image1->removePicture();
    // A window too small for its graphing rectangle gives an empty image, not a negative one.
    Image1->setGeometry(G.FLeft + 1, G.FHi + 1, std::max(0, G.FRight - G.FLeft - 2),
                        std::max(0, G.FLo - G.FHi - 2));
    QImageCanvas& c = Image1->canvas();
    c.setBrushColor(G.BColor);
    c.setPenWidth(2);
    c.rectangle(0, 0, Image1->width(), Image1->height());

    PRect = QRect(0, 0, Image1->width(), Image1->height());
    PicMap.setSize(PRect.width(), PRect.height());
    PicMap.canvas().setBrushColor(G.BColor);
    PicMap.canvas().setPenColor(G.DColor);

    LMap.replace(Image1->width() + G.LMapX, Image1->height() + G.LMapY);
    LMap.canvas().setBrushColor(G.BColor);
    LMap.canvas().setFontColor(G.DColor);
    LMap.canvas().setFontSize(16);
    G.ILeft = 95;

    UpdateView(G);
}

void TVemloScrn1::Frame() {
    const GraphState& G = TheGraph();
    Client->setFrame(QRect(QPoint(G.FLeft, G.FHi), QPoint(G.FRight, G.FLo)), G.DColor);
}

void TVemloScrn1::ScreenSetup() {
    GraphState& G = TheGraph();
    Frame();

    Image1->removePicture();
    Image1->setGeometry(G.FLeft + 1, G.FHi + 1, std::max(0, G.FRight - G.FLeft - 2), Image1->height());
    QImageCanvas& c = Image1->canvas();
    c.setBrushColor(G.BColor);
    c.rectangle(0, 0, Image1->width(), Image1->height());

    PicMap.setSize(PRect.width(), PRect.height());
    PicMap.canvas().setBrushColor(G.BColor);
    LMap.replace(Image1->width() + G.LMapX, Image1->height() + G.LMapY);
    LMap.canvas().setBrushColor(G.BColor);

    Panel1->move(Panel1->x(), G.FLo + 40);
    Label1->resize(Label1->width(), 30);
    Panel4->move(Panel4->x(), G.FLo + 110);
    Panel3->move(G.FRight + 25, Image1->y());
    Panel2->setGeometry(Image1->x(), Image1->y() - 30, Image1->width(), Panel2->height());
    DrawBtn->move(G.FRight + 25, G.FLo - 30);

    Tick(G, Image1->canvas());

    // The levels window stands beside the graphing rectangle, under Cancel Draw.
    if (ZlevelsFm)
        ZlevelsFm->move(Client->mapToGlobal(QPoint(G.FRight + 30, DrawBtn->y() + DrawBtn->height() + 10)));

    G.EraseAxes = true;
    Axes(G, Image1->canvas());
    G.EraseAxes = false;
    Axes(G, Image1->canvas());

    QCoreApplication::processEvents();
    update();
}

void TVemloScrn1::FormShow() {
    GraphState& G = TheGraph();
    if (ColorForm) ColorForm->SelectStartChoices();
    UpdateView(G);
    if (!IsGraphMode(G.Choice)) return;
    Second();
    setWindowTitle(QString::fromLatin1(ModeOf(G.Choice).caption));
    ClearLabels();
    Panel2->resize(Image1->width(), Panel2->height());
    Label2->clear();
    SetModeItems();
    ScreenSetup();
    Frame();
    QCoreApplication::processEvents();
}

void TVemloScrn1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Restoring a minimised window is not a new showing of the window.
    if (!event->spontaneous()) FormShow();
}

}  // namespace vemlo
