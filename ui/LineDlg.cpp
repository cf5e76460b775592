#include "ui/LineDlg.h"

#include <QLabel>
#include <QPushButton>

#include "engine/Decorations.h"

namespace vemlo {


TLineDlg::TLineDlg(QWidget* parent) : QDialog(parent) {
    Bevel1 = MakeBevel(this, "Bevel1", 8, 8, 336, 136);
    Label1 = Make<QLabel>(this, "Label1", 24, 16, 100, 17);
    Label2 = Make<QLabel>(this, "Label2", 24, 44, 30, 17);
    Edit1 = Make<TEditBox>(this, "Edit1", 64, 40, 89, 22);
    Label3 = Make<QLabel>(this, "Label3", 24, 76, 30, 17);
    Edit2 = Make<TEditBox>(this, "Edit2", 64, 72, 89, 22);
    Label4 = Make<QLabel>(this, "Label4", 24, 108, 30, 17);
    Edit3 = Make<TEditBox>(this, "Edit3", 64, 104, 89, 22);
    Label5 = Make<QLabel>(this, "Label5", 192, 16, 100, 17);
    Label6 = Make<QLabel>(this, "Label6", 192, 44, 30, 17);
    Edit4 = Make<TEditBox>(this, "Edit4", 232, 40, 89, 22);
    Label7 = Make<QLabel>(this, "Label7", 192, 76, 30, 17);
    Edit5 = Make<TEditBox>(this, "Edit5", 232, 72, 89, 22);
    Label8 = Make<QLabel>(this, "Label8", 192, 108, 30, 17);
    Edit6 = Make<TEditBox>(this, "Edit6", 232, 104, 89, 22);
    OKBtn = Make<QPushButton>(this, "OKBtn", 88, 160, 75, 25);
    CancelBtn = Make<QPushButton>(this, "CancelBtn", 188, 160, 75, 25);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    SetUpDialog(this, 352, 197);
    for (QLabel* l : {Label1, Label5}) SetTextColor(l, colors::Navy);
    for (QLabel* l : {Label2, Label3, Label4, Label6, Label7, Label8}) SetTextColor(l, colors::Blue);
    SetCaption(Label1, "Start line at");
    SetCaption(Label5, "End line at");
    for (QLabel* l : {Label2, Label6}) SetCaption(l, "X = ");
    for (QLabel* l : {Label3, Label7}) SetCaption(l, "Y = ");
    for (QLabel* l : {Label4, Label8}) SetCaption(l, "Z = ");
    OKBtn->setText("OK");
    OKBtn->setDefault(true);
    CancelBtn->setText("Cancel");
    setObjectName("LineDlg");
    setWindowTitle(" Draw a Line");
}

void EditLine(GraphState& g, TLineDlg& dlg, Canvas& c, Host& h) {
    ResetLine(g);
    if (g.LineEdit) {
        TEditBox* const boxes[6] = {dlg.Edit1, dlg.Edit2, dlg.Edit3, dlg.Edit4, dlg.Edit5, dlg.Edit6};
        const double values[6] = {g.X1, g.Y1, g.Z1, g.X2, g.Y2, g.Z2};
        for (int i = 0; i < 6; ++i) boxes[i]->fill(Fixed(values[i], 5, 2));
        FocusBox(dlg.Edit1);
        if (dlg.exec() == QDialog::Accepted) {
            std::array<std::string, 6> texts;
            for (std::size_t i = 0; i < 6; ++i) texts[i] = boxes[i]->entry();
            ApplyLine(g, texts);
        }
    }
    if (g.LineDraw) DrawLine(g, c, h);
}

}  // namespace vemlo
