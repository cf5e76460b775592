#pragma once
/// The line dialog: the two end points of the line segment.

#include <QDialog>

#include "engine/Canvas.h"
#include "engine/GraphState.h"
#include "engine/Host.h"
#include "ui/Kit.h"

class QLabel;
class QPushButton;

namespace vemlo {

class TLineDlg : public QDialog {
    Q_OBJECT
public:
    explicit TLineDlg(QWidget* parent = nullptr);

    QWidget* Bevel1;
    QLabel* Label1;
    QLabel* Label2;
    TEditBox* Edit1;
    QLabel* Label3;
    TEditBox* Edit2;
    QLabel* Label4;
    TEditBox* Edit3;
    QLabel* Label5;
    QLabel* Label6;
    TEditBox* Edit4;
    QLabel* Label7;
    TEditBox* Edit5;
    QLabel* Label8;
    TEditBox* Edit6;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

/// The line: the reset while no point was entered; when LineEdit is set, the
/// dialog filled from the state and, unless cancelled, its entries written
/// back; when LineDraw is set, the segment.
void EditLine(GraphState& g, TLineDlg& dlg, Canvas& c, Host& h);

}  // namespace vemlo
