#pragma once
/// The function-entry dialog: one formula in modes '1' and '2', three in
/// modes '3' and '4'. ChangeFunc opens it from the menu, FixTheFunction after
/// a drawing whose formula failed, with the error prompt.

#include <QDialog>
#include <optional>

#include "engine/GraphState.h"
#include "engine/Settings.h"
#include "ui/Kit.h"

class QLabel;
class QPushButton;

namespace vemlo {

class TEqnDlg : public QDialog {
    Q_OBJECT
public:
    explicit TEqnDlg(QWidget* parent = nullptr);

    /// Bevel, height, buttons, the second and third rows and the caption of
    /// the first row for the mode. The error prompt sets the caption too, so
    /// that a z formula is never shown as "X =" after a mode with three rows.
    void LayOut(char choice);

    QLabel* Label1;
    QWidget* Bevel1;
    QLabel* Label2;
    TEditBox* Edit1;
    QLabel* Label3;
    TEditBox* Edit2;
    QLabel* Label4;
    TEditBox* Edit3;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

/// Prompt of ChangeFunc for the mode.
const char* FunctionPrompt(char choice);
/// Prompt of FixTheFunction, in every mode.
constexpr const char* FunctionErrorPrompt = "ERROR...Check your Functions";

/// Shows the dialog for the current mode; on OK sets FunctionCalled and
/// stores the formulas. Returns whether it was confirmed. The menu handler
/// then writes FunctionLabels(g, false) into the main window, whatever the result.
bool ChangeFunc(GraphState& g, TEqnDlg& dlg);

/// The same with the error prompt, without setting FunctionCalled. On OK
/// returns the main window's new formula labels; on Cancel nothing.
std::optional<FormulaLabels> FixTheFunction(GraphState& g, TEqnDlg& dlg);

}  // namespace vemlo
