#include "ui/ColorFm2.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "engine/Axes.h"
#include "engine/Modes.h"
#include "ui/ColorFm.h"
#include "ui/Globals.h"
#include "ui/Kit.h"
#include "ui/TImage.h"
#include "ui/TVemloScrn1.h"

namespace vemlo {

namespace {

// The line colour buttons: caption and palette entry.
struct LineRow {
    const char* caption;
    int entry;
};

const LineRow kLines[] = {
    {"Blue", 1}, {"Green", 3}, {"Purple", 4}, {"Red", 5}, {"Lime", 6}, {"BackGround (Erase)", 7},
};

}  // namespace

TColorForm2::TColorForm2(QWidget* parent) : TColorForm2(TheGraph(), parent) {}

TColorForm2::TColorForm2(GraphState& g, QWidget* parent) : QDialog(parent), g_(g) {
    setObjectName(QStringLiteral("ColorForm2"));
    SetBackground(this, colors::SkyBlue);
    SetFontHeight(this, 14);

    Label1 = Make<QLabel>(this, "Label1", 24, 16, 140, 20);
    SetTextColor(Label1, colors::Navy);
    Label1->setText(QStringLiteral("Line Colors"));
    for (int i = 1; i <= 6; ++i) {
        const QByteArray name = "RadioButton" + QByteArray::number(i);
        RadioButton[i] = Make<QRadioButton>(this, name.constData(), 24, 44 + 30 * (i - 1), 160, 22);
        RadioButton[i]->setText(QString::fromLatin1(kLines[i - 1].caption));
        const int entry = kLines[i - 1].entry;
        connect(RadioButton[i], &QRadioButton::clicked, this, [this, entry] { LineColorClick(entry); });
    }
    RadioButton[1]->setChecked(true);
    Others = Make<QPushButton>(this, "Others", 24, 230, 90, 25);
    Others->setText(QStringLiteral("Others"));

    Panel1 = new TPanel(this);
    Place(Panel1, "Panel1", 192, 40, 124, 200);
    SetBackground(Panel1, colors::Silver);
    Panel1->setBevel(1);
    QPushButton** buttons[] = {&AxesBtn, &TickBtn, &FontBtn, &BackBtn};
    const char* names[] = {"AxesBtn", "TickBtn", "FontBtn", "BackBtn"};
    const char* captions[] = {"Axes Color", "TickMarks", "FontColor", "BackGround"};
    for (int i = 0; i < 4; ++i) {
        *buttons[i] = Make<QPushButton>(Panel1, names[i], 12, 20 + 45 * i, 100, 25);
        (*buttons[i])->setText(QString::fromLatin1(captions[i]));
    }
    CloseBtn = Make<QPushButton>(this, "CloseBtn", 130, 350, 75, 25);
    CloseBtn->setText(QStringLiteral("Close"));
    ColorDialog1 = MakeColorDialog(this);

    connect(Others, &QPushButton::clicked, this, &TColorForm2::OthersClick);
    connect(AxesBtn, &QPushButton::clicked, this, &TColorForm2::AxesBtnClick);
    connect(TickBtn, &QPushButton::clicked, this, &TColorForm2::TickBtnClick);
    connect(FontBtn, &QPushButton::clicked, this, &TColorForm2::FontBtnClick);
    connect(BackBtn, &QPushButton::clicked, this, &TColorForm2::BackBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &TColorForm2::CloseBtnClick);

    setFixedSize(335, 396);
    setWindowTitle(QStringLiteral("Deawing Colors"));
}

bool TColorForm2::CanDraw() const { return w_ && w_->isVisible() && !w_->Busy(); }

void TColorForm2::SaveTheGraph() {
    if (CanDraw()) w_->ComposePictures();
}

void TColorForm2::LineColorClick(int entry) {
    Colors(g_);
    g_.DColor = g_.DrawColor[entry];
    SaveTheGraph();
}

void TColorForm2::OthersClick() {
    PickColor(*ColorDialog1, g_.DColor);
    repaint();
    QCoreApplication::processEvents();
    SaveTheGraph();
}

void TColorForm2::AxesBtnClick() {
    PickColor(*ColorDialog1, g_.ColorAxes);
    if (!CanDraw()) return;
    Axes(g_, w_->Image1->canvas());
    QCoreApplication::processEvents();
    SaveTheGraph();
}

void TColorForm2::TickBtnClick() {
    PickColor(*ColorDialog1, g_.ColorTick);
    if (!CanDraw()) return;
    Tick(g_, w_->Image1->canvas());
    QCoreApplication::processEvents();
}

void TColorForm2::FontBtnClick() {
    PickColor(*ColorDialog1, g_.ColorFont);
    if (!CanDraw()) return;
    SetTextColor(w_->Panel2, g_.ColorFont);
    w_->Panel2->setText(Qs(g_.Title));
    QCoreApplication::processEvents();
    Axes(g_, w_->Image1->canvas());
    SaveTheGraph();
}

void TColorForm2::BackBtnClick() {
    const Color before = g_.ColorBack;
    PickColor(*ColorDialog1, g_.ColorBack);
    if (g_.ColorBack == before) return;
    g_.BColor = g_.ColorBack;
    if (!CanDraw()) return;
    w_->Image1->canvas().setBrushColor(g_.BColor);
    SaveToGraph();
    w_->unsetCursor();
    SaveTheGraph();
    repaint();
    QCoreApplication::processEvents();
    w_->DrawBtn2Click();
}

void TColorForm2::SaveToGraph() {
    if (!w_) return;
    TImage* image = w_->Image1;
    image->removePicture();
    image->setGeometry(g_.FLeft + 1, g_.FHi + 1, std::max(0, g_.FRight - g_.FLeft - 2),
                       std::max(0, g_.FLo - g_.FHi - 2));
    // The new picture starts in the background colour, so the graph drawn
    // on it stands on the colour the user picked.
    QImageCanvas& c = image->canvas();
    c.setBrushColor(g_.BColor);
    c.setBrushStyle(TBrushStyle::Solid);
    c.fillRect(0, 0, image->width(), image->height());
    c.setBrushStyle(TBrushStyle::Clear);
    c.rectangle(0, 0, image->width(), image->height());
    // The graph is drawn again with the brush in the background colour.
    c.setBrushStyle(TBrushStyle::Solid);
}

void TColorForm2::CloseBtnClick() { close(); }

}  // namespace vemlo
