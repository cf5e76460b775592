#include "ui/Domain1.h"

#include <QLabel>
#include <QPushButton>

#include "engine/Modes.h"
#include "engine/Settings.h"

namespace vemlo {

TDomainDlg::TDomainDlg(QWidget* parent) : QDialog(parent) {
    Bevel1 = MakeBevel(this, "Bevel1", 20, 32, 270, 192);
    Label1 = Make<QLabel>(this, "Label1", 32, 61, 62, 17);
    Edit1 = Make<TEditBox>(this, "Edit1", 128, 56, 155, 22);
    Label2 = Make<QLabel>(this, "Label2", 32, 101, 56, 17);
    Edit2 = Make<TEditBox>(this, "Edit2", 128, 96, 155, 22);
    Label4 = Make<QLabel>(this, "Label4", 32, 141, 61, 17);
    Edit3 = Make<TEditBox>(this, "Edit3", 128, 136, 155, 22);
    Label5 = Make<QLabel>(this, "Label5", 32, 181, 54, 17);
    Edit4 = Make<TEditBox>(this, "Edit4", 126, 176, 151, 22);
    Label3 = Make<QLabel>(this, "Label3", 20, 12, 1, 1);
    OKBtn = Make<QPushButton>(this, "OKBtn", 48, 240, 75, 22);
    CancelBtn = Make<QPushButton>(this, "CancelBtn", 184, 240, 75, 22);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    SetUpDialog(this, 347, 291);
    for (QLabel* l : {Label1, Label2, Label4, Label5}) SetTextColor(l, colors::Blue);
    OKBtn->setText("OK");
    OKBtn->setDefault(true);
    CancelBtn->setText("Cancel");
    NoEscapeKey(this);
    setObjectName("DomainDlg");
    setWindowTitle(" Domain");
}

void TDomainDlg::RestoreLayout() {
    Bevel1->resize(Bevel1->width(), 192);
    SetDialogHeight(this, 291);
    OKBtn->move(OKBtn->x(), 240);
    CancelBtn->move(CancelBtn->x(), 240);
    for (QWidget* w : {static_cast<QWidget*>(Label4), static_cast<QWidget*>(Label5),
                       static_cast<QWidget*>(Edit3), static_cast<QWidget*>(Edit4)})
        w->show();
}

DomainCaptions DomainCaptionsOf(char choice) {
    const auto& c = ModeOf(choice).domainCaptions;
    return {c[0], c[1], c[2], c[3]};
}

bool ChangeDomain(GraphState& g, TDomainDlg& dlg) {
    dlg.setWindowTitle(" Domain");
    dlg.Label3->clear();
    dlg.RestoreLayout();
    const DomainCaptions c = DomainCaptionsOf(g.Choice);
    SetCaption(dlg.Label1, c.start1);
    SetCaption(dlg.Label2, c.end1);
    SetCaption(dlg.Label4, c.start2);
    SetCaption(dlg.Label5, c.end2);
    const DomainRefs d = DomainOf(g);
    if (!d.hasSecond)
        for (QWidget* w : {static_cast<QWidget*>(dlg.Label4), static_cast<QWidget*>(dlg.Label5),
                           static_cast<QWidget*>(dlg.Edit3), static_cast<QWidget*>(dlg.Edit4)})
            w->hide();
    TEditBox* boxes[4] = {dlg.Edit1, dlg.Edit2, dlg.Edit3, dlg.Edit4};
    for (int i = 0; i < (d.hasSecond ? 4 : 2); ++i) boxes[i]->fill(Fixed(*d.ends[i], 8, 5));
    FocusBox(dlg.Edit1);
    const bool ok = dlg.exec() == QDialog::Accepted;
    if (ok) ApplyDomain(g, {dlg.Edit1->entry(), dlg.Edit2->entry(), dlg.Edit3->entry(), dlg.Edit4->entry()});
    dlg.RestoreLayout();
    return ok;
}

}  // namespace vemlo
