#include "ui/ViewDlg.h"

#include <QLabel>
#include <QPushButton>

#include "engine/Settings.h"

namespace vemlo {

TViewDlg::TViewDlg(QWidget* parent) : QDialog(parent) {
    Bevel1 = MakeBevel(this, "Bevel1", 8, 8, 320, 161);
    Label1 = Make<QLabel>(this, "Label1", 16, 16, 194, 17);
    Label2 = Make<QLabel>(this, "Label2", 24, 48, 42, 15);
    Edit1 = Make<TEditBox>(this, "Edit1", 72, 48, 73, 22);
    Label3 = Make<QLabel>(this, "Label3", 32, 80, 26, 15);
    Edit2 = Make<TEditBox>(this, "Edit2", 72, 80, 73, 22);
    Label5 = Make<QLabel>(this, "Label5", 16, 112, 299, 17);
    Label4 = Make<QLabel>(this, "Label4", 32, 136, 31, 15);
    Edit3 = Make<TEditBox>(this, "Edit3", 72, 136, 73, 22);
    OKBtn = Make<QPushButton>(this, "OKBtn", 79, 180, 75, 22);
    CancelBtn = Make<QPushButton>(this, "CancelBtn", 159, 180, 75, 22);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    // This form has a smaller font than the other dialogs: its labels are 15 pixels high.
    SetUpDialog(this, 335, 214, 12);
    for (QLabel* l : {Label1, Label5}) {
        SetTextColor(l, colors::Navy);
        SetFontHeight(l, 13);
    }
    for (QLabel* l : {Label2, Label3, Label4}) SetTextColor(l, colors::Blue);
    SetCaption(Label1, "Enter Theta and Phi in Degrees");
    SetCaption(Label2, "Theta =");
    SetCaption(Label3, "Phi =");
    SetCaption(Label5, "Rho is the distance from the eye to the surface");
    SetCaption(Label4, "Rho =");
    OKBtn->setText("OK");
    OKBtn->setDefault(true);
    CancelBtn->setText("Cancel");
    setObjectName("ViewDlg");
    setWindowTitle("  Eye Position in Sperical Coordinates");
}

CompassTexts ChangeView(GraphState& g, TViewDlg& dlg) {
    g.ViewChanged = false;
    dlg.Edit1->fill(Qs(DegreesText(g.Theta, 6, 2)));
    dlg.Edit2->fill(Qs(DegreesText(g.Phi, 6, 2)));
    dlg.Edit3->fill(Fixed(g.Rho, 6, 2));
    FocusBox(dlg.Edit1);
    if (dlg.exec() == QDialog::Accepted) {
        ApplyView(g, dlg.Edit1->entry(), dlg.Edit2->entry(), dlg.Edit3->entry());
        dlg.Edit1->fill(Qs(DegreesText(g.Theta, 6, 2)));
    }
    RepairRho(g);
    return {Qs(DegreesText(g.Theta, 5, 1)), Qs(DegreesText(g.Phi, 5, 1))};
}

}  // namespace vemlo
