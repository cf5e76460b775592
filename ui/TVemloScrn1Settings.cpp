#include <QLabel>

#include "engine/Settings.h"
#include "ui/Changer1.h"
#include "ui/Domain1.h"
#include "ui/Eqn1Dlg.h"
#include "ui/Globals.h"
#include "ui/Kit.h"
#include "ui/Param1.h"
#include "ui/TVemloScrn1.h"

namespace vemlo {

void TVemloScrn1::Function1Click() {
    if (!EqnDlg) return;
    GraphState& G = TheGraph();
    ChangeFunc(G, *EqnDlg);
    if (IsGraphMode(G.Choice)) WriteFormulaLabels(FunctionLabels(G, false));
}

void TVemloScrn1::Parameters1Click() {
    if (!ParamDlg) return;
    const ParamLabels labels = ChangeParameters(TheGraph(), *ParamDlg);
    QLabel* const targets[7] = {nullptr, Label3, Label4, Label5, Label6, Label7, Label8};
    for (int k = 1; k <= 6; ++k)
        if (const auto& text = labels[static_cast<std::size_t>(k)])
            targets[k]->setText(QString::fromStdString(*text));
}

void TVemloScrn1::Domain1Click() {
    if (DomainDlg) ChangeDomain(TheGraph(), *DomainDlg);
}

void TVemloScrn1::Curves1Click() {
    if (ChangeDlg) ChangeCurves(TheGraph(), *ChangeDlg);
}

void TVemloScrn1::Step1Click() {
    if (ChangeDlg) ChangeStep(TheGraph(), *ChangeDlg);
}

void TVemloScrn1::GraphTitle1Click() {
    if (!ChangeDlg) return;
    GraphState& G = TheGraph();
    ChangeTitle(G, *ChangeDlg);
    Panel2->setText(QString::fromStdString(G.Title));
}

}  // namespace vemlo
