#include "ui/ColorCommands.h"

#include <QAction>

#include "engine/Modes.h"
#include "engine/Settings.h"
#include "ui/ColorFm.h"
#include "ui/ColorFm2.h"
#include "ui/Globals.h"
#include "ui/Kit.h"
#include "ui/SampleList.h"
#include "ui/TVemloScrn1.h"

namespace vemlo {

namespace {

void ShowBeside(QWidget* form) {
    form->show();
    form->raise();
    form->activateWindow();
}

}  // namespace

ColorCommands::ColorCommands(TVemloScrn1& w) : QObject(&w), w_(w) {
    setObjectName(QStringLiteral("ColorCommands"));
    connect(w.Colors1, &QAction::triggered, this, &ColorCommands::Colors1Click);
    connect(w.Colors2, &QAction::triggered, this, &ColorCommands::Colors2Click);
    connect(w.Samples1, &QAction::triggered, this, &ColorCommands::Samples1Click);
    for (QAction* a : {w.Colors1, w.Colors2, w.Samples1}) a->setEnabled(true);
}

void ColorCommands::Colors1Click() {
    if (w_.Busy()) return;
    w_.ComposePictures();
    if (ColorForm) ShowBeside(ColorForm);
}

void ColorCommands::Colors2Click() {
    if (w_.Busy()) return;
    w_.ComposePictures();
    if (ColorForm2) ShowBeside(ColorForm2);
}

void ColorCommands::Samples1Click() {
    if (w_.Busy()) return;
    w_.ComposePictures();
    if (SampleFm) {
        // Its left edge under the compass panel's, 35 pixels below the panel.
        SampleFm->move(w_.Panel3->mapToGlobal(QPoint(0, w_.Panel3->height() + 35)));
        ShowBeside(SampleFm);
    }
    const GraphState& G = TheGraph();
    if (IsGraphMode(G.Choice)) w_.WriteFormulaLabels(FunctionLabels(G, false));
}

}  // namespace vemlo
