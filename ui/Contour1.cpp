#include "ui/Contour1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "ui/Kit.h"

namespace vemlo {


namespace {

constexpr std::int32_t kGrids[] = {20, 40, 60};
constexpr std::int32_t kLevels[] = {10, 12, 14, 16};

}  // namespace

TContourDlg::TContourDlg(QWidget* parent) : QDialog(parent) {
    Label1 = Make<QLabel>(this, "Label1", 24, 16, 120, 17);
    ComboBox1 = Make<QComboBox>(this, "ComboBox1", 160, 12, 100, 24);
    Label2 = Make<QLabel>(this, "Label2", 24, 56, 120, 17);
    ComboBox2 = Make<QComboBox>(this, "ComboBox2", 160, 52, 100, 24);
    CheckBox1 = Make<QCheckBox>(this, "CheckBox1", 24, 92, 160, 22);
    OKBtn = Make<QPushButton>(this, "OKBtn", 40, 132, 92, 24);
    CancelBtn = Make<QPushButton>(this, "CancelBtn", 152, 132, 92, 24);

    for (std::int32_t n : kGrids) ComboBox1->addItem(QString("%1 x %1").arg(n));
    for (std::int32_t n : kLevels) ComboBox2->addItem(QString::number(n));
    CheckBox1->setText("3D Contours");
    CheckBox1->setChecked(false);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    SetUpDialog(this, 284, 176);
    for (QLabel* l : {Label1, Label2}) SetTextColor(l, colors::Blue);
    SetCaption(Label1, "Grid Resolution");
    SetCaption(Label2, "Number of Levels");
    OKBtn->setText("OK");
    OKBtn->setDefault(true);
    CancelBtn->setText("Cancel");
    setObjectName("ContourDlg");
    setWindowTitle("  Edit  Contour features");
}

void ChangeContours(GraphState& g, TContourDlg& dlg) {
    SetCaption(dlg.Label1, "Grid Resolution");
    SetCaption(dlg.Label2, "Number of Levels");
    const QString grid = QString::number(g.IUB);
    dlg.ComboBox1->setCurrentIndex(dlg.ComboBox1->findText(grid + " x " + grid));
    dlg.ComboBox2->setCurrentIndex(dlg.ComboBox2->findText(QString::number(g.NC)));
    if (dlg.exec() != QDialog::Accepted) return;
    const int gi = dlg.ComboBox1->currentIndex();
    if (gi >= 0 && gi < 3) g.IUB = g.JUB = kGrids[gi];
    const int li = dlg.ComboBox2->currentIndex();
    if (li >= 0 && li < 4) g.NC = kLevels[li];
}

}  // namespace vemlo
