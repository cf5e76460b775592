#pragma once
/// The program-wide graph, the screen size the window is sized from, and the
/// settings dialogs, colour forms, samples window and value listing that the
/// main window's commands open.

#include <QSize>

#include "engine/GraphState.h"
#include "engine/Modes.h"

namespace vemlo {

class TAxesDlg;
class TChangeDlg;
class TColorForm;
class TColorForm2;
class TDomainDlg;
class TEqnDlg;
class TFuncList;
class TParamDlg;
class TSampleFm;
class TViewDlg;

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
extern TSampleFm* SampleFm;
extern TFuncList* FuncList;

}  // namespace vemlo
