#include "ui/Param1.h"

#include <QLabel>
#include <QPushButton>

namespace vemlo {

TParamDlg::TParamDlg(QWidget* parent) : QDialog(parent) {
    static const char* const labelNames[6] = {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"};
    static const char* const editNames[6] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"};
    static const char* const captions[6] = {"a=", "b=", "c=", "d=", "e=", "f="};
    static const int tops[6] = {20, 49, 79, 108, 138, 167};

    Bevel1 = MakeBevel(this, "Bevel1", 30, 10, 227, 198);
    QLabel* labels[6];
    for (int i = 0; i < 6; ++i) {
        labels[i] = Make<QLabel>(this, labelNames[i], 49, tops[i], 15, 16);
        edits_[i] = Make<TEditBox>(this, editNames[i], 79, tops[i], 149, 21);
    }
    OKBtn = Make<QPushButton>(this, "OKBtn", 58, 212, 92, 22);
    CancelBtn = Make<QPushButton>(this, "CancelBtn", 166, 212, 92, 22);
    Label1 = labels[0], Label2 = labels[1], Label3 = labels[2];
    Label4 = labels[3], Label5 = labels[4], Label6 = labels[5];
    Edit1 = edits_[0], Edit2 = edits_[1], Edit3 = edits_[2];
    Edit4 = edits_[3], Edit5 = edits_[4], Edit6 = edits_[5];

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    SetUpDialog(this, 282, 291);
    for (int i = 0; i < 6; ++i) {
        SetTextColor(labels[i], colors::Blue);
        SetCaption(labels[i], captions[i]);
        SetBackground(edits_[i], colors::Cream);
    }
    OKBtn->setText("OK");
    OKBtn->setDefault(true);
    CancelBtn->setText("Cancel");
    setObjectName("ParamDlg");
    setWindowTitle("Parameters");
}

ParamLabels ChangeParameters(GraphState& g, TParamDlg& dlg) {
    for (int k = 1; k <= 6; ++k) dlg.edit(k)->fill(Fixed(g.Par[static_cast<std::size_t>(k)], 8, 5));
    ParamLabels labels;
    FocusBox(dlg.Edit1);
    if (dlg.exec() == QDialog::Accepted) {
        std::array<std::string, 7> texts;
        for (int k = 1; k <= 6; ++k) texts[static_cast<std::size_t>(k)] = dlg.edit(k)->entry();
        labels = ApplyParameters(g, texts);
    }
    CopyParameters(g);
    return labels;
}

}  // namespace vemlo
