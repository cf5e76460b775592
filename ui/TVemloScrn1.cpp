#include "ui/TVemloScrn1.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "ui/ContourCommands.h"
#include "ui/DecorationCommands.h"
#include "ui/FileCommands.h"
#include "ui/ColorCommands.h"
#include "ui/DragTurn.h"
#include "ui/FuncVals.h"
#include "ui/Globals.h"
#include "ui/Kit.h"
#include "ui/MovieCommands.h"
#include "ui/TImage.h"

namespace vemlo {

TVemloScrn1* VemloScrn1 = nullptr;

namespace {

// Labels reach to the right end of their panel, so that long formulas and
// values are not cut short.
QLabel* MakeLabel(QWidget* parent, const char* name, int left, int top, int width, int height, Color color) {
    auto* l = new QLabel(parent);
    Place(l, name, left, top, width, height);
    l->setTextFormat(Qt::PlainText);
    SetTextColor(l, color);
    return l;
}

}  // namespace

TScrnClient::TScrnClient(QWidget* parent) : QWidget(parent) {}

void TScrnClient::setFrame(const QRect& r, Color c) {
    frame_ = r;
    frameColor_ = c;
    hasFrame_ = true;
    update();
}

void TScrnClient::paintEvent(QPaintEvent*) {
    if (!hasFrame_) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(toQColor(frameColor_), 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame_.left(), frame_.top(), frame_.width() - 1, frame_.height() - 1);
}

TVemloScrn1::TVemloScrn1(QWidget* parent) : QMainWindow(parent), Host1(this) {
    setObjectName(QStringLiteral("VemloScrn1"));
    CreateComponents();
    CreateMenu();
    Decorations = new DecorationCommands(*this);
    Contours = new ContourCommands(*this);
    Files = new FileCommands(*this);
    Movies = new MovieCommands(*this);
    ColorsAndSamples = new ColorCommands(*this);
    ConnectButtons();
    Drag = new DragTurn(*this);
    Host1.setListingSink([this](std::shared_ptr<const ValueListing> listing) {
        Listing = listing;
        if (FuncList) FuncList->SetListing(std::move(listing));
    });
    Host1.setRepaintTarget(Image1);
    resize(757, 488);
    FormCreate();
}

void TVemloScrn1::FormCreate() {
    PicMap.replace(0, 0);
    LMap.replace(0, 0);
    Second();
    QCoreApplication::processEvents();
    update();
}

TVemloScrn1::~TVemloScrn1() {
    if (VemloScrn1 == this) VemloScrn1 = nullptr;
}

void TVemloScrn1::CreateComponents() {
    Client = new TScrnClient(this);
    Client->setObjectName(QStringLiteral("Client"));
    setCentralWidget(Client);
    SetBackground(this, colors::White);
    SetBackground(Client, colors::White);
    SetFontHeight(this, 14);

    Image1 = new TImage(Client);
    Place(Image1, "Image1", 200, 96, 352, 232);

    Panel2 = new TPanel(Client);
    Place(Panel2, "Panel2", 145, 55, 469, 25);
    SetTextColor(Panel2, colors::Blue);
    SetFontHeight(Panel2, 16);

    Panel1 = new TPanel(Client);
    Place(Panel1, "Panel1", 64, 356, 554, 58);
    Label1 = MakeLabel(Panel1, "Label1", 22, 8, 528, 20, colors::Blue);
    Label2 = MakeLabel(Panel1, "Label2", 25, 42, 525, 16, colors::Blue);

    Panel4 = new TPanel(Client);
    Place(Panel4, "Panel4", 40, 448, 627, 32);
    const int lefts[] = {10, 100, 190, 280, 370, 450};
    const char* names[] = {"Label3", "Label4", "Label5", "Label6", "Label7", "Label8"};
    QLabel** params[] = {&Label3, &Label4, &Label5, &Label6, &Label7, &Label8};
    for (int i = 0; i < 6; ++i) {
        const int width = i < 5 ? lefts[i + 1] - lefts[i] : 627 - lefts[i];
        *params[i] = MakeLabel(Panel4, names[i], lefts[i], 8, width, 18, colors::Blue);
    }

    Panel3 = new TPanel(Client);
    Place(Panel3, "Panel3", 600, 96, 120, 128);
    SetBackground(Panel3, colors::SkyBlue);
    Arrow1 = new TArrow(TArrow::Left, Panel3);
    Place(Arrow1, "Arrow1", 28, 80, 20, 20);
    Arrow2 = new TArrow(TArrow::Up, Panel3);
    Place(Arrow2, "Arrow2", 48, 64, 20, 20);
    Arrow3 = new TArrow(TArrow::Down, Panel3);
    Place(Arrow3, "Arrow3", 48, 96, 20, 20);
    Arrow4 = new TArrow(TArrow::Right, Panel3);
    Place(Arrow4, "Arrow4", 68, 80, 20, 20);
    for (TArrow* a : {Arrow1, Arrow2, Arrow3, Arrow4}) a->setArrowColor(colors::Red);
    Panel5 = new TPanel(Panel3);
    Place(Panel5, "Panel5", 5, 9, 48, 18);
    Panel5->setText(QStringLiteral("Theta ="));
    Edit4 = new QLineEdit(Panel3);
    Place(Edit4, "Edit4", 64, 9, 49, 23);
    Label9 = MakeLabel(Panel3, "Label9", 13, 34, 40, 16, 0);
    Label9->setText(QStringLiteral("  Phi ="));
    Edit5 = new QLineEdit(Panel3);
    Place(Edit5, "Edit5", 63, 34, 50, 23);

    DrawButn2 = new QPushButton(QStringLiteral("Draw"), Client);
    Place(DrawButn2, "DrawButn2", 16, 8, 88, 41);
    DrawButn2->setDefault(true);
    {
        QPalette pal = DrawButn2->palette();
        pal.setColor(QPalette::Button, toQColor(colors::Maroon));
        pal.setColor(QPalette::ButtonText, toQColor(colors::Teal));
        // While Draw is unavailable its caption stays readable, only dimmed.
        pal.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x60, 0xA0, 0xA0));
        DrawButn2->setPalette(pal);
        QFont f = DrawButn2->font();
        f.setFamilies({QStringLiteral("Apple Chancery"), QStringLiteral("Z003"),
                       QStringLiteral("URW Chancery L"), QStringLiteral("DejaVu Serif")});
        f.setItalic(true);
        DrawButn2->setFont(f);
        SetFontHeight(DrawButn2, 20);
    }

    DrawBtn = new QPushButton(QStringLiteral("Cancel Draw"), Client);
    Place(DrawBtn, "DrawBtn", 624, 314, 96, 20);
    SetTextColor(DrawBtn, colors::Blue);
}

void TVemloScrn1::NewGraphWidgets() {
    Panel2->clear();
    ClearLabels();
    Edit4->setText(QStringLiteral("30"));
    Edit5->setText(QStringLiteral("40"));
    CanvasFontSize = TheGraph().FontSize;
    DrawBtn->hide();
}

void TVemloScrn1::ClearLabels() {
    for (QLabel* l : {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8}) l->clear();
}

}  // namespace vemlo
