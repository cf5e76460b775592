#include "ui/Globals.h"

#include <QGuiApplication>
#include <QScreen>

namespace vemlo {

namespace {
QSize screenOverride;
}

TAxesDlg* AxesDlg = nullptr;
TEqnDlg* EqnDlg = nullptr;
TChangeDlg* ChangeDlg = nullptr;
TColorForm2* ColorForm2 = nullptr;
TColorForm* ColorForm = nullptr;
TDomainDlg* DomainDlg = nullptr;
TParamDlg* ParamDlg = nullptr;
TViewDlg* ViewDlg = nullptr;
TPlaneDlg* PlaneDlg = nullptr;
TLineDlg* LineDlg = nullptr;
TContourDlg* ContourDlg = nullptr;
TZlevelsFm* ZlevelsFm = nullptr;
TSampleFm* SampleFm = nullptr;
TFuncList* FuncList = nullptr;
TMovieDlg* MovieDlg = nullptr;

GraphState& TheGraph() {
    static GraphState graph;
    return graph;
}

QSize ScreenSize() {
    if (!screenOverride.isEmpty()) return screenOverride;
    if (const QScreen* s = QGuiApplication::primaryScreen()) return s->size();
    return {};
}

void SetScreenSizeOverride(QSize size) { screenOverride = size; }

}  // namespace vemlo
