#pragma once
/// The plane dialog: a point of the plane, the components of its normal and
/// the size of the patch drawn about the point.

#include <QDialog>

#include "engine/Canvas.h"
#include "engine/GraphState.h"
#include "engine/Host.h"
#include "ui/Kit.h"

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
    TEditBox* Edit1;
    QLabel* Label4;
    TEditBox* Edit2;
    QLabel* Label5;
    TEditBox* Edit3;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    TEditBox* Edit4;
    QLabel* Label9;
    TEditBox* Edit5;
    QLabel* Label10;
    TEditBox* Edit6;
    QGroupBox* GroupBox1;
    QLabel* Label11;
    TEditBox* Edit7;
    QLabel* Label12;
    TEditBox* Edit8;
    QLabel* Label13;
    TEditBox* Edit9;
    QLabel* Label14;
    TEditBox* Edit10;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

/// The plane: the reset while no plane data was entered; when PlaneEdit is
/// set, the dialog filled from the state and, unless cancelled, its entries
/// written back; when PlaneDraw is set, the patch, the mark and the axes.
void EditPlane(GraphState& g, TPlaneDlg& dlg, Canvas& c, Host& h);

}  // namespace vemlo
