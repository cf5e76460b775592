#pragma once
/// The plane dialog: a point of the plane, the components of its normal and
/// the size of the patch drawn about the point.

#include <QDialog>

#include "engine/Canvas.h"
#include "engine/GraphState.h"
#include "engine/Host.h"
#include "ui/NumText.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace vemlo {

class TPlaneDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPlaneDlg(QWidget* parent = nullptr);

    QWidget* Bevel1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    dlg::TEditBox* Edit1;
    QLabel* Label4;
    dlg::TEditBox* Edit2;
    QLabel* Label5;
    dlg::TEditBox* Edit3;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    dlg::TEditBox* Edit4;
    QLabel* Label9;
    dlg::TEditBox* Edit5;
    QLabel* Label10;
    dlg::TEditBox* Edit6;
    QGroupBox* GroupBox1;
    QLabel* Label11;
    dlg::TEditBox* Edit7;
    QLabel* Label12;
    dlg::TEditBox* Edit8;
    QLabel* Label13;
    dlg::TEditBox* Edit9;
    QLabel* Label14;
    dlg::TEditBox* Edit10;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

/// The plane: the reset while no plane data was entered; when PlaneEdit is
/// set, the dialog filled from the state and, unless cancelled, its entries
/// written back; when PlaneDraw is set, the patch, the mark and the axes.
void EditPlane(GraphState& g, TPlaneDlg& dlg, Canvas& c, Host& h);

}  // namespace vemlo
