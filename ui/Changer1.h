#pragma once
/// The one-line dialog shared by three settings: the number of grid curves
/// (two boxes), the step of a space curve, and the graph title.

#include <QDialog>

#include "engine/GraphState.h"
#include "ui/Kit.h"

class QLabel;
class QPushButton;

namespace vemlo {

class TChangeDlg : public QDialog {
    Q_OBJECT
public:
    explicit TChangeDlg(QWidget* parent = nullptr);

    QLabel* Label1;
    QWidget* Bevel1;
    QLabel* Label3;
    TEditBox* Edit1;
    QLabel* Label4;
    TEditBox* Edit2;
    QLabel* Label2;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

/// Sets DeltaX and DeltaY; afterwards, confirmed or not, both are whole
/// numbers from 1 to 80. Returns whether the dialog was confirmed.
bool ChangeCurves(GraphState& g, TChangeDlg& dlg);

/// Sets Step; afterwards, confirmed or not, Step is positive.
bool ChangeStep(GraphState& g, TChangeDlg& dlg);

/// Sets Title, cut to 50 characters. The caller then shows Title in the
/// main window's title bar, whether confirmed or not.
bool ChangeTitle(GraphState& g, TChangeDlg& dlg);

}  // namespace vemlo
