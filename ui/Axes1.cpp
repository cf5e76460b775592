#include "ui/Axes1.h"

#include <QLabel>
#include <QPushButton>

#include "engine/Settings.h"

namespace vemlo {

namespace {

const char* const Captions[6] = {"Min x=", "Max x=", "Min y=", "Max y=", "Min z=", "Max z="};

}  // namespace

TAxesDlg::TAxesDlg(QWidget* parent) : QDialog(parent) {
    static const char* const labelNames[6] = {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"};
    static const char* const editNames[6] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"};
    static const int tops[6] = {20, 49, 79, 108, 138, 167};

    Bevel1 = MakeBevel(this, "Bevel1", 30, 10, 227, 198);
    for (int i = 0; i < 6; ++i) {
        labels_[i] = Make<QLabel>(this, labelNames[i], 42, tops[i] + 2, 52, 16);
        edits_[i] = Make<TEditBox>(this, editNames[i], 98, tops[i], 149, 21);
    }
    OKBtn = Make<QPushButton>(this, "OKBtn", 42, 216, 92, 22);
    CancelBtn = Make<QPushButton>(this, "CancelBtn", 154, 216, 92, 22);
    Label1 = labels_[0], Label2 = labels_[1], Label3 = labels_[2];
    Label4 = labels_[3], Label5 = labels_[4], Label6 = labels_[5];
    Edit1 = edits_[0], Edit2 = edits_[1], Edit3 = edits_[2];
    Edit4 = edits_[3], Edit5 = edits_[4], Edit6 = edits_[5];

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    SetUpDialog(this, 287, 252);
    for (int i = 0; i < 6; ++i) {
        SetTextColor(labels_[i], colors::Blue);
        SetCaption(labels_[i], Captions[i]);
    }
    OKBtn->setText("OK");
    OKBtn->setDefault(true);
    CancelBtn->setText("Cancel");
    setObjectName("AxesDlg");
    setWindowTitle("Axes");
}

bool ChangeAxes(GraphState& g, TAxesDlg& dlg) {
    g.AxesChanged = false;
    if (g.Choice >= '1' && g.Choice <= '4')
        for (int k = 1; k <= 6; ++k) SetCaption(dlg.label(k), Captions[k - 1]);
    const double box[6] = {g.WMinX, g.WMaxX, g.WMinY, g.WMaxY, g.WMinZ, g.WMaxZ};
    for (int k = 1; k <= 6; ++k) dlg.edit(k)->fill(Fixed(box[k - 1], 8, 5));
    FocusBox(dlg.Edit1);
    const bool ok = dlg.exec() == QDialog::Accepted;
    if (ok) {
        std::array<std::string, 6> texts;
        for (int k = 1; k <= 6; ++k) texts[static_cast<std::size_t>(k - 1)] = dlg.edit(k)->entry();
        ApplyAxes(g, texts);
    }
    RepairWindowBox(g);
    return ok;
}

}  // namespace vemlo
