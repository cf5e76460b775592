#pragma once
/// The parameters dialog: the values of the letters a to f that formulas may use.

#include <QDialog>

#include "engine/GraphState.h"
#include "engine/Settings.h"
#include "ui/Kit.h"

class QLabel;
class QPushButton;

namespace vemlo {

class TParamDlg : public QDialog {
    Q_OBJECT
public:
    explicit TParamDlg(QWidget* parent = nullptr);

    QWidget* Bevel1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    TEditBox* Edit1;
    TEditBox* Edit2;
    TEditBox* Edit3;
    TEditBox* Edit4;
    TEditBox* Edit5;
    TEditBox* Edit6;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    /// Box of parameter k, 1..6.
    TEditBox* edit(int k) const { return edits_[k - 1]; }

private:
    TEditBox* edits_[6];
};

/// Shows the dialog; on OK reads Par[1..6]. Confirmed or not, A to F are then
/// copied from Par. Returns the new texts of the main window's parameter
/// labels Label3..Label8 for the parameters 1..6 whose value changed (none
/// after Cancel); the others keep their text.
ParamLabels ChangeParameters(GraphState& g, TParamDlg& dlg);

}  // namespace vemlo
