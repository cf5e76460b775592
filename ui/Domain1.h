#pragma once
/// The domain dialog: the ranges of the current mode's independent
/// variables (x and y, r and theta, t, or u and v).

#include <QDialog>

#include "engine/GraphState.h"
#include "ui/Kit.h"

class QLabel;
class QPushButton;

namespace vemlo {

class TDomainDlg : public QDialog {
    Q_OBJECT
public:
    explicit TDomainDlg(QWidget* parent = nullptr);

    /// The geometry every mode starts from, with all four boxes shown.
    void RestoreLayout();

    QWidget* Bevel1;
    QLabel* Label1;
    TEditBox* Edit1;
    QLabel* Label2;
    TEditBox* Edit2;
    QLabel* Label4;
    TEditBox* Edit3;
    QLabel* Label5;
    TEditBox* Edit4;
    QLabel* Label3;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

/// Captions of Label1, Label2, Label4, Label5 for the mode.
struct DomainCaptions {
    const char* start1;
    const char* end1;
    const char* start2;
    const char* end2;
};
DomainCaptions DomainCaptionsOf(char choice);

/// Shows the dialog; on OK reads the ranges of the mode and repairs the
/// reversed ones. Returns whether the dialog was confirmed.
bool ChangeDomain(GraphState& g, TDomainDlg& dlg);

}  // namespace vemlo
