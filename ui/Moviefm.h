#pragma once
/// The movie dialog: the number of frames and the pause between played frames.

#include <QDialog>

#include "engine/GraphState.h"
#include "ui/Kit.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vemlo {

class TMovieDlg : public QDialog {
    Q_OBJECT
public:
    explicit TMovieDlg(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    TEditBox* Edit1;
    QGroupBox* RadioGroup1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    /// The graph whose FrameSpeed the speed buttons set while the dialog is up.
    GraphState* Graph = nullptr;

    /// The speed buttons: each sets FrameSpeed when clicked, whether the
    /// dialog is then confirmed or cancelled.
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();

private:
    void SetSpeed(int ms);
};

/// Shows the dialog with the current number of frames; on OK reads it.
/// Confirmed or not, NumOfFrames is then 1 to 32 (a count below 1 becomes 2).
/// Returns whether the dialog was confirmed.
bool ChangeFrames(GraphState& g, TMovieDlg& dlg);

}  // namespace vemlo
