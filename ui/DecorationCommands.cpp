#include "ui/DecorationCommands.h"

#include <QAction>
#include <QMenu>

#include "engine/Decorations.h"
#include "ui/Globals.h"
#include "ui/LineDlg.h"
#include "ui/PlaneDlg.h"
#include "ui/TImage.h"
#include "ui/TVemloScrn1.h"

namespace vemlo {

DecorationCommands::DecorationCommands(TVemloScrn1& w) : QObject(&w), w_(w) {
    connect(w.Draw2, &QAction::triggered, this, &DecorationCommands::Draw2Click);
    connect(w.Edit2, &QAction::triggered, this, &DecorationCommands::Edit2Click);
    connect(w.Draw3, &QAction::triggered, this, &DecorationCommands::Draw3Click);
    connect(w.Edit3, &QAction::triggered, this, &DecorationCommands::Edit3Click);
    connect(w.Box1, &QMenu::aboutToShow, this, &DecorationCommands::Box1Click);
    // Draw Box (DrawBox1Click) only toggles its check mark, which the
    // checkable item does by itself; nothing is drawn until the Box menu is
    // opened again or the graph is drawn.
    for (QAction* a : {w.Draw2, w.Edit2, w.Draw3, w.Edit3, w.DrawBox1}) a->setEnabled(true);
}

void DecorationCommands::Draw2Click() {
    if (w_.Busy() || !PlaneDlg) return;
    GraphState& G = TheGraph();
    w_.ComposePictures();
    G.PlaneEdit = false;
    G.PlaneDraw = true;
    EditPlane(G, *PlaneDlg, w_.Image1->canvas(), w_.Host1);
    w_.ComposePictures();
}

void DecorationCommands::Edit2Click() {
    if (w_.Busy() || !PlaneDlg) return;
    GraphState& G = TheGraph();
    w_.ComposePictures();
    G.PlaneEdit = true;
    G.PlaneDraw = false;
    EditPlane(G, *PlaneDlg, w_.Image1->canvas(), w_.Host1);
}

void DecorationCommands::Draw3Click() {
    if (w_.Busy() || !LineDlg) return;
    GraphState& G = TheGraph();
    w_.ComposePictures();
    G.LineEdit = false;
    G.LineDraw = true;
    EditLine(G, *LineDlg, w_.Image1->canvas(), w_.Host1);
    w_.ComposePictures();
}

void DecorationCommands::Edit3Click() {
    if (w_.Busy() || !LineDlg) return;
    GraphState& G = TheGraph();
    w_.ComposePictures();
    G.LineEdit = true;
    G.LineDraw = false;
    EditLine(G, *LineDlg, w_.Image1->canvas(), w_.Host1);
}

void DecorationCommands::Box1Click() {
    if (w_.Busy()) return;
    BoxIt(TheGraph(), w_.Image1->canvas(), w_.DrawBox1->isChecked());
    w_.ComposePictures();
}

}  // namespace vemlo
