#include "ui/PlaneDlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "engine/Decorations.h"

namespace vemlo {


TPlaneDlg::TPlaneDlg(QWidget* parent) : QDialog(parent) {
    Bevel1 = MakeBevel(this, "Bevel1", 8, 8, 368, 160);
    Label1 = Make<QLabel>(this, "Label1", 24, 16, 120, 17);
    Label2 = Make<QLabel>(this, "Label2", 24, 33, 120, 17);
    Label3 = Make<QLabel>(this, "Label3", 24, 64, 30, 17);
    Edit1 = Make<TEditBox>(this, "Edit1", 64, 60, 89, 22);
    Label4 = Make<QLabel>(this, "Label4", 24, 96, 30, 17);
    Edit2 = Make<TEditBox>(this, "Edit2", 64, 92, 89, 22);
    Label5 = Make<QLabel>(this, "Label5", 24, 128, 30, 17);
    Edit3 = Make<TEditBox>(this, "Edit3", 64, 124, 89, 22);
    Label6 = Make<QLabel>(this, "Label6", 208, 16, 150, 17);
    Label7 = Make<QLabel>(this, "Label7", 208, 33, 150, 17);
    Label8 = Make<QLabel>(this, "Label8", 208, 64, 30, 17);
    Edit4 = Make<TEditBox>(this, "Edit4", 248, 60, 89, 22);
    Label9 = Make<QLabel>(this, "Label9", 208, 96, 30, 17);
    Edit5 = Make<TEditBox>(this, "Edit5", 248, 92, 89, 22);
    Label10 = Make<QLabel>(this, "Label10", 208, 128, 30, 17);
    Edit6 = Make<TEditBox>(this, "Edit6", 248, 124, 89, 22);
    GroupBox1 = Make<QGroupBox>(this, "GroupBox1", 8, 176, 368, 92);
    Label11 = Make<QLabel>(this, "Label11", 24, 204, 50, 17);
    Edit7 = Make<TEditBox>(this, "Edit7", 80, 200, 89, 22);
    Label12 = Make<QLabel>(this, "Label12", 200, 204, 50, 17);
    Edit8 = Make<TEditBox>(this, "Edit8", 256, 200, 89, 22);
    Label13 = Make<QLabel>(this, "Label13", 24, 236, 50, 17);
    Edit9 = Make<TEditBox>(this, "Edit9", 80, 232, 89, 22);
    Label14 = Make<QLabel>(this, "Label14", 200, 236, 50, 17);
    Edit10 = Make<TEditBox>(this, "Edit10", 256, 232, 89, 22);
    OKBtn = Make<QPushButton>(this, "OKBtn", 104, 284, 75, 25);
    CancelBtn = Make<QPushButton>(this, "CancelBtn", 204, 284, 75, 25);
    GroupBox1->lower();

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    SetUpDialog(this, 384, 321);
    for (QLabel* l : {Label1, Label2, Label6, Label7}) SetTextColor(l, colors::Navy);
    for (QLabel* l : {Label3, Label4, Label5, Label8, Label9, Label10, Label11, Label12, Label13, Label14})
        SetTextColor(l, colors::Blue);
    SetCaption(Label1, "Enter a Point on");
    SetCaption(Label2, "the Plane");
    SetCaption(Label3, "X =");
    SetCaption(Label4, "Y = ");
    SetCaption(Label5, "Z = ");
    SetCaption(Label6, "Enter components of ");
    SetCaption(Label7, "a Normal vector");
    SetCaption(Label8, "a = ");
    SetCaption(Label9, "b = ");
    SetCaption(Label10, "c = ");
    GroupBox1->setTitle("Change Plane Size");
    SetCaption(Label11, "MinX = ");
    SetCaption(Label12, "MaxX = ");
    SetCaption(Label13, "MinY = ");
    SetCaption(Label14, "MaxY = ");
    OKBtn->setText("OK");
    OKBtn->setDefault(true);
    CancelBtn->setText("Cancel");
    NoEscapeKey(this);
    setObjectName("PlaneDlg");
    setWindowTitle("  Tangent Plane Info");
}

void EditPlane(GraphState& g, TPlaneDlg& dlg, Canvas& c, Host& h) {
    ResetPlane(g);
    if (g.PlaneEdit) {
        TEditBox* const boxes[10] = {dlg.Edit1, dlg.Edit2, dlg.Edit3, dlg.Edit4, dlg.Edit5,
                                     dlg.Edit6, dlg.Edit7, dlg.Edit8, dlg.Edit9, dlg.Edit10};
        const double values[10] = {g.P1, g.P2, g.P3, g.N1, g.N2, g.N3, g.PMinX, g.PMaxX, g.PMinY, g.PMaxY};
        for (int i = 0; i < 10; ++i) boxes[i]->fill(Fixed(values[i], 5, 2));
        FocusBox(dlg.Edit1);
        if (dlg.exec() == QDialog::Accepted) {
            std::array<std::string, 10> texts;
            for (std::size_t i = 0; i < 10; ++i) texts[i] = boxes[i]->entry();
            ApplyPlane(g, texts);
        }
    }
    if (g.PlaneDraw) DrawPlane(g, c, h);
}

}  // namespace vemlo
