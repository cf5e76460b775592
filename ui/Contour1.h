#pragma once
/// The contour dialog: the grid of the contour evaluation, the number of
/// levels, and whether the curves are drawn at their own heights ("3D
/// Contours") or flat in the plane z = 0.

#include <QDialog>

#include "engine/GraphState.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace vemlo {

class TContourDlg : public QDialog {
    Q_OBJECT
public:
    explicit TContourDlg(QWidget* parent = nullptr);

    QLabel* Label1;
    QComboBox* ComboBox1;
    QLabel* Label2;
    QComboBox* ComboBox2;
    /// Belongs to the dialog and keeps its state for the whole run, Cancel
    /// included; the drawing reads it directly.
    QCheckBox* CheckBox1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

/// Shows the dialog with the current grid and level count selected and, on
/// OK, sets IUB and JUB (alike) and NC from the selections; an item left
/// unselected leaves its setting. Draws nothing; the check box is not read.
void ChangeContours(GraphState& g, TContourDlg& dlg);

}  // namespace vemlo
