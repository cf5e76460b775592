#pragma once
/// The program-wide graph, the screen size the window is sized from, and the
/// settings dialogs, value listing and levels window that the main window's
/// commands open.
/// settings dialogs, colour forms, samples window and value listing that the
/// main window's commands open.

#include <QSize>

#include "engine/GraphState.h"
#include "engine/Modes.h"

namespace vemlo {

class TAxesDlg;
class TChangeDlg;
class TContourDlg;
class TColorForm;
class TColorForm2;
class TDomainDlg;
class TEqnDlg;
class TFuncList;
class TLineDlg;
class TMovieDlg;
class TParamDlg;
class TPlaneDlg;
class TSampleFm;
class TViewDlg;
class TZlevelsFm;

/// The one graph of the running program. Engine routines take it by reference.
GraphState& TheGraph();

/// Width and height of the primary screen in pixels, or the override if one is set.
QSize ScreenSize();
/// Makes ScreenSize return this size (tests use it for a known screen); an
/// empty size removes the override.
void SetScreenSizeOverride(QSize size);

/// The forms created at program start (null before and after). The main
/// window checks for null, so it also works without them.
extern TAxesDlg* AxesDlg;
extern TEqnDlg* EqnDlg;
extern TChangeDlg* ChangeDlg;
extern TColorForm2* ColorForm2;
extern TColorForm* ColorForm;
extern TDomainDlg* DomainDlg;
extern TParamDlg* ParamDlg;
extern TViewDlg* ViewDlg;
extern TPlaneDlg* PlaneDlg;
extern TLineDlg* LineDlg;
extern TContourDlg* ContourDlg;
extern TZlevelsFm* ZlevelsFm;
extern TSampleFm* SampleFm;
extern TFuncList* FuncList;
extern TMovieDlg* MovieDlg;

}  // namespace vemlo
