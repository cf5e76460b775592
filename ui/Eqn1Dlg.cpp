#include "ui/Eqn1Dlg.h"

#include <QLabel>
#include <QPushButton>

#include "engine/Modes.h"

namespace vemlo {

TEqnDlg::TEqnDlg(QWidget* parent) : QDialog(parent) {
    Label1 = Make<QLabel>(this, "Label1", 10, 12, 334, 24);
    Bevel1 = MakeBevel(this, "Bevel1", 10, 39, 374, 121);
    Label2 = Make<QLabel>(this, "Label2", 20, 53, 40, 16);
    Edit1 = Make<TEditBox>(this, "Edit1", 59, 49, 317, 22);
    Label3 = Make<QLabel>(this, "Label3", 20, 81, 40, 16);
    Edit2 = Make<TEditBox>(this, "Edit2", 59, 81, 319, 22);
    Label4 = Make<QLabel>(this, "Label4", 20, 108, 40, 17);
    Edit3 = Make<TEditBox>(this, "Edit3", 59, 108, 317, 22);
    OKBtn = Make<QPushButton>(this, "OKBtn", 59, 184, 86, 22);
    CancelBtn = Make<QPushButton>(this, "CancelBtn", 216, 184, 86, 22);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    SetUpDialog(this, 393, 244);
    for (QLabel* l : {Label1, Label2, Label3, Label4}) SetTextColor(l, colors::Navy);
    SetFontHeight(Label1, 18);
    SetCaption(Label1, " Enter your Functions");
    SetCaption(Label2, "Z =");
    SetCaption(Label3, "Y =");
    SetCaption(Label4, "Z =");
    OKBtn->setText("OK");
    OKBtn->setDefault(true);
    CancelBtn->setText("Cancel");
    NoEscapeKey(this);
    setObjectName("EqnDlg");
}

void TEqnDlg::LayOut(char choice) {
    const bool three = ModeOf(choice).threeFormulas;
    Bevel1->resize(Bevel1->width(), three ? 97 : 75);
    SetDialogHeight(this, three ? 209 : 180);
    const int top = three ? 140 : 120;
    OKBtn->move(OKBtn->x(), top);
    CancelBtn->move(CancelBtn->x(), top);
    for (QWidget* w : {static_cast<QWidget*>(Label3), static_cast<QWidget*>(Edit2),
                       static_cast<QWidget*>(Label4), static_cast<QWidget*>(Edit3)})
        w->setVisible(three);
    SetCaption(Label2, three ? "X =" : "Z =");
}

const char* FunctionPrompt(char choice) { return ModeOf(choice).functionPrompt; }

namespace {

// Fills the boxes, shows the dialog and on OK stores what was typed.
bool EditFunctions(GraphState& g, TEqnDlg& dlg) {
    const bool three = ModeOf(g.Choice).threeFormulas;
    dlg.Edit1->setText(Qs(three ? g.XFunc : g.SFunc));
    if (three) {
        dlg.Edit2->setText(Qs(g.YFunc));
        dlg.Edit3->setText(Qs(g.ZFunc));
    }
    FocusBox(dlg.Edit1);
    if (dlg.exec() != QDialog::Accepted) return false;
    ApplyFunctions(g, {Ss(dlg.Edit1->text()), Ss(dlg.Edit2->text()), Ss(dlg.Edit3->text())});
    return true;
}

}  // namespace

bool ChangeFunc(GraphState& g, TEqnDlg& dlg) {
    dlg.LayOut(g.Choice);
    SetCaption(dlg.Label1, FunctionPrompt(g.Choice));
    if (!EditFunctions(g, dlg)) return false;
    g.FunctionCalled = true;
    return true;
}

std::optional<FormulaLabels> FixTheFunction(GraphState& g, TEqnDlg& dlg) {
    dlg.LayOut(g.Choice);
    SetCaption(dlg.Label1, FunctionErrorPrompt);
    if (!EditFunctions(g, dlg)) return std::nullopt;
    return FunctionLabels(g, true);
}

}  // namespace vemlo
