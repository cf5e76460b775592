#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

#include "engine/Axes.h"
#include "engine/DrawGraph.h"
#include "engine/Settings.h"
#include "engine/View.h"
#include "ui/Globals.h"
#include "ui/TImage.h"
#include "ui/TVemloScrn1.h"
#include "ui/ViewDlg.h"

namespace vemlo {

namespace {

QString CompassText(double angle) { return QString::fromStdString(DegreesText(angle, 5, 1)); }

}  // namespace

void TVemloScrn1::View1Click() {
    if (!ViewDlg) return;
    GraphState& G = TheGraph();
    const CompassTexts texts = ChangeView(G, *ViewDlg);
    Edit4->setText(texts.Edit4);
    Edit5->setText(texts.Edit5);
    if (!G.ViewChanged) return;
    Image1->update();
    G.PlaneDraw = false;
    G.LineDraw = false;
    UpdateView(G);
    ScreenSetup();
    Axes(G, Image1->canvas());
}

void TVemloScrn1::Arrow1Click() {
    if (Busy()) return;
    CommandLock lock(*this);
    GraphState& G = TheGraph();
    Image1->update();
    G.Theta = TurnLeft(G.Theta);
    Edit4->setText(CompassText(G.Theta));
    RedrawTurned();
}

void TVemloScrn1::Arrow4Click() {
    if (Busy()) return;
    CommandLock lock(*this);
    GraphState& G = TheGraph();
    Image1->update();
    G.Theta = TurnRight(G.Theta);
    Edit4->setText(CompassText(G.Theta));
    RedrawTurned();
}

void TVemloScrn1::Arrow2Click() {
    if (Busy()) return;
    CommandLock lock(*this);
    GraphState& G = TheGraph();
    Image1->update();
    G.Phi = TurnUp(G.Phi);
    Edit5->setText(CompassText(G.Phi));
    RedrawTurned();
}

void TVemloScrn1::Arrow3Click() {
    if (Busy()) return;
    CommandLock lock(*this);
    GraphState& G = TheGraph();
    Image1->update();
    G.Phi = TurnDown(G.Phi);
    Edit5->setText(CompassText(G.Phi));
    RedrawTurned();
}

void TVemloScrn1::RedrawTurned() {
    GraphState& G = TheGraph();
    UpdateView(G);
    ScreenSetup();
    G.Drawing = true;
    DrawBtn->show();
    DrawRequest request = GraphRequest();
    request.transform = false;
    DrawGraph(G, Image1->canvas(), Host1, request);
    DrawBtn->hide();
    ComposePictures();
    QCoreApplication::processEvents();
    update();
    Axes(G, Image1->canvas());
}

}  // namespace vemlo
