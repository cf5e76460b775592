#include "ui/Changer1.h"

#include <QLabel>
#include <QPushButton>

#include "engine/Settings.h"

namespace vemlo {

namespace {

// The design width. The step dialog leaves the form narrower, which would
// cut off the frame and the Cancel button of the curves and title dialogs.
constexpr int DesignWidth = 356;
constexpr int StepLeavesWidth = 243;

void PlaceBox(QWidget* box, int left, int width) { box->setGeometry(left, box->y(), width, box->height()); }

}  // namespace

TChangeDlg::TChangeDlg(QWidget* parent) : QDialog(parent) {
    Label1 = Make<QLabel>(this, "Label1", 48, 8, 255, 14);
    Bevel1 = MakeBevel(this, "Bevel1", 30, 30, 266, 90);
    Label3 = Make<QLabel>(this, "Label3", 48, 40, 60, 17);
    Edit1 = Make<TEditBox>(this, "Edit1", 128, 40, 136, 23);
    Label4 = Make<QLabel>(this, "Label4", 50, 80, 60, 17);
    Edit2 = Make<TEditBox>(this, "Edit2", 128, 80, 139, 23);
    Label2 = Make<QLabel>(this, "Label2", 10, 32, 1, 1);
    OKBtn = Make<QPushButton>(this, "OKBtn", 38, 136, 92, 22);
    CancelBtn = Make<QPushButton>(this, "CancelBtn", 160, 136, 93, 22);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    SetUpDialog(this, DesignWidth, 188);
    SetTextColor(Label3, colors::Blue);
    SetTextColor(Label4, colors::Blue);
    SetCaption(Label1, "More Curves for better resolution");
    SetCaption(Label3, "X-Curves");
    SetCaption(Label4, "Y-Curves");
    OKBtn->setText("OK");
    CancelBtn->setText("Cancel");
    NoDefaultButton(OKBtn, CancelBtn);
    NoEscapeKey(this);
    setObjectName("ChangeDlg");
}

bool ChangeCurves(GraphState& g, TChangeDlg& dlg) {
    SetDialogWidth(&dlg, DesignWidth);
    dlg.setWindowTitle("Change Number of Curves");
    SetCaption(dlg.Label1, "More Curves for better resolution");
    SetCaption(dlg.Label3, "X-Curves ");
    SetCaption(dlg.Label4, "Y-Curves ");
    PlaceBox(dlg.Edit1, 128, 97);
    dlg.Edit2->show();
    PlaceBox(dlg.Edit2, 128, 97);
    dlg.Edit1->fill(Fixed(g.DeltaX, 4, 1));
    dlg.Edit2->fill(Fixed(g.DeltaY, 4, 1));
    FocusBox(dlg.Edit1);
    const bool ok = dlg.exec() == QDialog::Accepted;
    if (ok) ApplyCurves(g, dlg.Edit1->entry(), dlg.Edit2->entry());
    g.DeltaX = RepairCurves(g.DeltaX);
    g.DeltaY = RepairCurves(g.DeltaY);
    return ok;
}

bool ChangeStep(GraphState& g, TChangeDlg& dlg) {
    SetDialogWidth(&dlg, DesignWidth);
    dlg.Label2->clear();
    dlg.Label3->clear();
    dlg.Label4->clear();
    PlaceBox(dlg.Edit1, 38, 220);
    dlg.Edit2->hide();
    dlg.setWindowTitle("Stepsize for t");
    dlg.Label1->resize(280, dlg.Label1->height());
    SetCaption(dlg.Label1, "For a smoother graph, reduce stepsize");
    dlg.Edit1->fill(Fixed(g.Step, 5, 4));
    FocusBox(dlg.Edit1);
    const bool ok = dlg.exec() == QDialog::Accepted;
    if (ok) ConvertEntry(g, dlg.Edit1->entry(), g.Step);
    SetDialogWidth(&dlg, StepLeavesWidth);
    g.Step = RepairStep(g.Step);
    return ok;
}

bool ChangeTitle(GraphState& g, TChangeDlg& dlg) {
    SetDialogWidth(&dlg, DesignWidth);
    dlg.setWindowTitle("Graph Title");
    SetCaption(dlg.Label1, "Enter a Title");
    dlg.Label3->clear();
    dlg.Label4->clear();
    PlaceBox(dlg.Edit1, 35, 230);
    dlg.Edit2->hide();
    dlg.Edit1->setText(Qs(g.Title));
    FocusBox(dlg.Edit1);
    const bool ok = dlg.exec() == QDialog::Accepted;
    if (ok) g.Title = CutTitle(Ss(dlg.Edit1->text()));
    return ok;
}

}  // namespace vemlo
