#include "ui/ColorFm.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "output/QImageCanvas.h"
#include "ui/Globals.h"
#include "ui/Kit.h"

namespace vemlo {

namespace {

// One radio button: its column (0 above, 1 under, 2 grid), its row in the
// column, its caption and what a click writes.
struct ChoiceRow {
    int number;
    int column;
    int row;
    const char* caption;
    void (*apply)(GraphState&);
};

const ChoiceRow kChoices[] = {
    {1, 0, 0, "Blue", [](GraphState& g) { g.AColor = g.DrawColor[1]; }},
    {3, 0, 1, "Green", [](GraphState& g) { g.AColor = g.DrawColor[3]; }},
    {4, 0, 2, "Purple", [](GraphState& g) { g.AColor = g.DrawColor[4]; }},
    {5, 0, 3, "Red", [](GraphState& g) { g.AColor = g.DrawColor[5]; }},
    {6, 0, 4, "Yellow", [](GraphState& g) { g.AColor = g.DrawColor[8]; }},
    {7, 0, 5, "White (Eraser)", [](GraphState& g) { g.AColor = g.BColor; }},
    {2, 1, 0, "Blue", [](GraphState& g) { g.UColor = g.DrawColor[2]; }},
    {8, 1, 1, "Yellow", [](GraphState& g) { g.UColor = g.DrawColor[8]; }},
    {9, 1, 2, "Aqua", [](GraphState& g) { g.UColor = g.DrawColor[9]; }},
    {10, 1, 3, "Fuchsia", [](GraphState& g) { g.UColor = g.DrawColor[10]; }},
    {11, 1, 4, "Lime", [](GraphState& g) { g.UColor = g.DrawColor[11]; }},
    {12, 1, 5, "White (Eraser)", [](GraphState& g) { g.UColor = g.BColor; }},
    {13, 2, 0, "Black", [](GraphState& g) { g.GridColor = colors::Black; }},
    {14, 2, 1, "Yellow", [](GraphState& g) { g.GridColor = colors::Yellow; }},
    {15, 2, 2, "Gray", [](GraphState& g) { g.GridColor = colors::Silver; }},
    {16, 2, 3, "Fuchsia", [](GraphState& g) { g.GridColor = colors::Fuchsia; }},
    {17, 2, 4, "Teal", [](GraphState& g) { g.GridColor = colors::Teal; }},
    {18, 2, 5, "White", [](GraphState& g) { g.GridColor = colors::White; }},
    // The fill outlines a facet unless the grid colour equals the above
    // colour: copying it hides the grid.
    {19, 2, 6, "No grids", [](GraphState& g) { g.GridColor = g.AColor; }},
};

constexpr int kPanelLefts[] = {8, 141, 274};
constexpr int kPanelTop = 30;
constexpr int kRowHeight = 25;

}  // namespace

bool PickColor(QColorDialog& picker, Color& c) {
    picker.setCurrentColor(toQColor(c));
    if (picker.exec() != QDialog::Accepted) return false;
    c = fromQColor(picker.selectedColor());
    return true;
}

QColorDialog* MakeColorDialog(QWidget* form) {
    auto* d = new QColorDialog(form);
    d->setObjectName(QStringLiteral("ColorDialog1"));
    d->setOption(QColorDialog::DontUseNativeDialog);
    d->setModal(true);
    return d;
}

TColorForm::TColorForm(QWidget* parent) : TColorForm(TheGraph(), parent) {}

TColorForm::TColorForm(GraphState& g, QWidget* parent) : QDialog(parent), g_(g) {
    setObjectName(QStringLiteral("ColorForm"));
    SetBackground(this, colors::SkyBlue);
    SetFontHeight(this, 14);

    QLabel** headings[] = {&Label1, &Label2, &Label3};
    const char* headingNames[] = {"Label1", "Label2", "Label3"};
    const char* headingCaptions[] = {"Above Color", "Under Color", "Grid Color"};
    TPanel** panels[] = {&Panel1, &Panel2, &Panel3};
    const char* panelNames[] = {"Panel1", "Panel2", "Panel3"};
    for (int i = 0; i < 3; ++i) {
        *headings[i] = Make<QLabel>(this, headingNames[i], kPanelLefts[i] + 8, 8, 110, 18);
        SetTextColor(*headings[i], colors::Navy);
        (*headings[i])->setText(QString::fromLatin1(headingCaptions[i]));
        *panels[i] = new TPanel(this);
        Place(*panels[i], panelNames[i], kPanelLefts[i], kPanelTop, 121, 192);
        (*panels[i])->setBevel(1);
    }

    for (const ChoiceRow& r : kChoices) {
        const QByteArray name = "RadioButton" + QByteArray::number(r.number);
        QRadioButton* b =
            Make<QRadioButton>(*panels[r.column], name.constData(), 10, 6 + kRowHeight * r.row, 105, 22);
        b->setText(QString::fromLatin1(r.caption));
        RadioButton[r.number] = b;
        void (*apply)(GraphState&) = r.apply;
        connect(b, &QRadioButton::clicked, this, [this, apply] { apply(g_); });
    }

    Button2 = Make<QPushButton>(Panel1, "Button2", 10, 6 + kRowHeight * 6 + 2, 95, 24);
    Button2->setText(QStringLiteral("Others"));
    Button3 = Make<QPushButton>(Panel2, "Button3", 10, 6 + kRowHeight * 6 + 2, 95, 24);
    Button3->setText(QStringLiteral("Others"));
    CheckShading = Make<QCheckBox>(this, "CheckShading", 16, 234, 100, 22);
    CheckShading->setText(QStringLiteral("Shading"));
    CheckShading->setChecked(true);
    Button1 = Make<QPushButton>(this, "Button1", 167, 232, 75, 25);
    Button1->setText(QStringLiteral("Close"));
    ColorDialog1 = MakeColorDialog(this);

    connect(Button2, &QPushButton::clicked, this, &TColorForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TColorForm::Button3Click);
    connect(CheckShading, &QCheckBox::clicked, this, &TColorForm::CheckShadingClick);
    connect(Button1, &QPushButton::clicked, this, &TColorForm::Button1Click);

    SelectStartChoices();
    setFixedSize(409, 269);
    setWindowTitle(QStringLiteral("Drawing Colors"));
}

void TColorForm::SelectStartChoices() {
    for (int n : {5, 8, 17}) RadioButton[n]->setChecked(true);
}

void TColorForm::Button2Click() { PickColor(*ColorDialog1, g_.AColor); }

void TColorForm::Button3Click() { PickColor(*ColorDialog1, g_.UColor); }

void TColorForm::CheckShadingClick() { g_.Shading = CheckShading->isChecked(); }

void TColorForm::Button1Click() { hide(); }

}  // namespace vemlo
