#pragma once
/// The axes dialog: the window box WMinX ... WMaxZ that carries the axes and
/// that the view is fitted to.

#include <QDialog>

#include "engine/GraphState.h"
#include "ui/Kit.h"

class QLabel;
class QPushButton;

namespace vemlo {

class TAxesDlg : public QDialog {
    Q_OBJECT
public:
    explicit TAxesDlg(QWidget* parent = nullptr);

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

    QLabel* label(int k) const { return labels_[k - 1]; }
    TEditBox* edit(int k) const { return edits_[k - 1]; }

private:
    QLabel* labels_[6];
    TEditBox* edits_[6];
};

/// Shows the dialog; on OK reads the window box and sets AxesChanged when a
/// value changed. Confirmed or not, an empty or reversed range is then
/// repaired to a width of 1. Returns whether the dialog was confirmed.
bool ChangeAxes(GraphState& g, TAxesDlg& dlg);

}  // namespace vemlo
