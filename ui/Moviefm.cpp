#include "ui/Moviefm.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "engine/Movie.h"

namespace vemlo {


TMovieDlg::TMovieDlg(QWidget* parent) : QDialog(parent) {
    Label1 = Make<QLabel>(this, "Label1", 24, 16, 130, 17);
    Label2 = Make<QLabel>(this, "Label2", 40, 36, 80, 17);
    Edit1 = Make<TEditBox>(this, "Edit1", 172, 20, 49, 23);
    RadioGroup1 = Make<QGroupBox>(this, "RadioGroup1", 24, 64, 193, 132);
    RadioButton1 = Make<QRadioButton>(RadioGroup1, "RadioButton1", 16, 22, 150, 22);
    RadioButton2 = Make<QRadioButton>(RadioGroup1, "RadioButton2", 16, 48, 150, 22);
    RadioButton3 = Make<QRadioButton>(RadioGroup1, "RadioButton3", 16, 74, 150, 22);
    RadioButton4 = Make<QRadioButton>(RadioGroup1, "RadioButton4", 16, 100, 150, 22);
    OKBtn = Make<QPushButton>(this, "OKBtn", 32, 212, 75, 25);
    CancelBtn = Make<QPushButton>(this, "CancelBtn", 134, 212, 75, 25);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(RadioButton1, &QRadioButton::clicked, this, &TMovieDlg::RadioButton1Click);
    connect(RadioButton2, &QRadioButton::clicked, this, &TMovieDlg::RadioButton2Click);
    connect(RadioButton3, &QRadioButton::clicked, this, &TMovieDlg::RadioButton3Click);
    connect(RadioButton4, &QRadioButton::clicked, this, &TMovieDlg::RadioButton4Click);

    SetUpDialog(this, 241, 252);
    SetTextColor(Label1, colors::Navy);
    SetTextColor(Label2, colors::Navy);
    SetCaption(Label1, "How many Frames?");
    SetCaption(Label2, "(up to 32)");
    RadioGroup1->setTitle("Rotation Speed");
    RadioButton1->setText("Slow");
    RadioButton2->setText("Medium");
    RadioButton3->setText("Faster");
    RadioButton4->setText("Fastest");
    RadioButton2->setChecked(true);
    OKBtn->setText("OK");
    OKBtn->setDefault(true);
    CancelBtn->setText("Cancel");
    setObjectName("MovieDlg");
    setWindowTitle("  Edit Movie Features");
}

void TMovieDlg::SetSpeed(int ms) {
    if (Graph) Graph->FrameSpeed = ms;
}

void TMovieDlg::RadioButton1Click() { SetSpeed(SlowSpeed); }
void TMovieDlg::RadioButton2Click() { SetSpeed(MediumSpeed); }
void TMovieDlg::RadioButton3Click() { SetSpeed(FasterSpeed); }
void TMovieDlg::RadioButton4Click() { SetSpeed(FastestSpeed); }

bool ChangeFrames(GraphState& g, TMovieDlg& dlg) {
    dlg.Edit1->fill(Fixed(g.NumOfFrames, 4, 0));
    FocusBox(dlg.Edit1);
    dlg.Graph = &g;
    const bool ok = dlg.exec() == QDialog::Accepted;
    dlg.Graph = nullptr;
    if (ok) ApplyFrames(g, dlg.Edit1->entry());
    RepairFrames(g);
    return ok;
}

}  // namespace vemlo
