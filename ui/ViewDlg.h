#pragma once
/// The view dialog: the eye's position in spherical coordinates, theta and
/// phi in degrees and rho in world units.

#include <QDialog>
#include <QString>

#include "engine/GraphState.h"
#include "ui/Kit.h"

class QLabel;
class QPushButton;

namespace vemlo {

class TViewDlg : public QDialog {
    Q_OBJECT
public:
    explicit TViewDlg(QWidget* parent = nullptr);

    QWidget* Bevel1;
    QLabel* Label1;
    QLabel* Label2;
    TEditBox* Edit1;
    QLabel* Label3;
    TEditBox* Edit2;
    QLabel* Label5;
    QLabel* Label4;
    TEditBox* Edit3;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

/// The texts of the main window's theta and phi boxes after the dialog.
struct CompassTexts {
    QString Edit4;
    QString Edit5;
};

/// Shows the dialog and updates Theta, Phi, Rho and ViewChanged; draws
/// nothing. Confirmed or not, a rho at 0 or below becomes 200 and the
/// compass texts are returned for the caller to show.
CompassTexts ChangeView(GraphState& g, TViewDlg& dlg);

}  // namespace vemlo
