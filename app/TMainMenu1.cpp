#include "app/TMainMenu1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

#include "engine/Modes.h"
#include "output/GraphPicture.h"
#include "ui/Globals.h"
#include "ui/Kit.h"
#include "ui/TVemloScrn1.h"

namespace vemlo {

TMainMenu1* MainMenu1 = nullptr;

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, int left, int top, int w, int h, Color color, int font,
                  const char* text) {
    auto* l = new QLabel(QString::fromLatin1(text), parent);
    Place(l, name, left, top, w, h);
    SetTextColor(l, color);
    SetFontHeight(l, font);
    return l;
}

void CentreOnScreen(QWidget* w) {
    const QSize screen = ScreenSize();
    w->move((screen.width() - w->width()) / 2, (screen.height() - w->height()) / 2);
}

}  // namespace

TMainMenu1::TMainMenu1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MainMenu1"));
    SetBackground(this, colors::Navy);

    Panel2 = new TPanel(this);
    Place(Panel2, "Panel2", 40, 56, 496, 238);
    SetBackground(Panel2, colors::Cream);
    SetTextColor(Panel2, colors::Navy);
    SetFontHeight(Panel2, 16);
    Panel2->setBevel(5, true);

    const int tops[] = {23, 59, 98, 138, 177};
    QPushButton** buttons[] = {&btnChoice1, &btnChoice2, &btnChoice3, &btnChoice4, &btnChoice5};
    void (TMainMenu1::*handlers[])() = {&TMainMenu1::btnChoice1Click, &TMainMenu1::btnChoice2Click,
                                        &TMainMenu1::btnChoice3Click, &TMainMenu1::btnChoice4Click,
                                        &TMainMenu1::btnChoice5Click};
    for (int i = 0; i < 5; ++i) {
        auto* b = new QPushButton(QString::number(i + 1), Panel2);
        const QByteArray name = "btnChoice" + QByteArray::number(i + 1);
        Place(b, name.constData(), 20, tops[i], 30, 22);
        connect(b, &QPushButton::clicked, this, handlers[i]);
        *buttons[i] = b;
    }

    Label1 = MakeLabel(Panel2, "Label1", 69, 25, 403, 23, colors::Navy, 16,
                       "Draw Surfaces z=f(x,y) in Rectangular Coordinates");
    Label2 = MakeLabel(Panel2, "Label2", 69, 64, 411, 23, colors::Navy, 16,
                       "Draw Surfaces z=f(r,theta) in Cylindrical Coordinates");
    Label3 =
        MakeLabel(Panel2, "Label3", 69, 104, 267, 23, colors::Navy, 16, "Draw Space Curves x(t), y(t), z(t)");
    Label4 = MakeLabel(Panel2, "Label4", 69, 138, 379, 23, colors::Navy, 16,
                       "Draw 2 Parameter Surfaces x(u,v), y(u,v) z(u,v)");
    Label5 = MakeLabel(Panel2, "Label5", 70, 180, 50, 23, colors::Maroon, 18, "Quit");

    Image1 = new QLabel(this);
    Place(Image1, "Image1", 592, 56, 128, 112);
    Image1->setScaledContents(true);
    SetImage1Picture(StartMenuPicture());

    Panel1 = new TPanel(this);
    Place(Panel1, "Panel1", 560, 217, 180, 119);
    SetBackground(Panel1, colors::Cream);
    Memo1 = new QPlainTextEdit(Panel1);
    Place(Memo1, "Memo1", 10, 10, 158, 100);
    Memo1->setReadOnly(true);
    SetTextColor(Memo1, colors::Maroon);
    Memo1->setPlainText(
        QStringLiteral(" Version No. 2.0\n\nGraphs of functions\nin 3-space, drawn\nfor teaching."));

    Panel3 = new TPanel(this);
    Place(Panel3, "Panel3", 32, 376, 536, 48);
    SetBackground(Panel3, colors::Teal);
    SetTextColor(Panel3, colors::Lime);
    SetFontHeight(Panel3, 20);
    Panel3->setBevel(5);
    Panel3->setText(QStringLiteral("Vemlo is used to draw surfaces in 3-Space"));

    resize(766, 509);
    CentreOnScreen(this);
    setWindowTitle(QStringLiteral("Vemlo Main Menu"));
}

void TMainMenu1::SetImage1Picture(const QImage& picture) { Image1->setPixmap(QPixmap::fromImage(picture)); }

void TMainMenu1::btnChoice1Click() {
    TheGraph().Choice = '1';
    Chosen();
}

void TMainMenu1::btnChoice2Click() {
    TheGraph().Choice = '2';
    Chosen();
}

void TMainMenu1::btnChoice3Click() {
    TheGraph().Choice = '3';
    Chosen();
}

void TMainMenu1::btnChoice4Click() {
    TheGraph().Choice = '4';
    Chosen();
}

void TMainMenu1::btnChoice5Click() {
    TheGraph().Choice = '5';
    close();
}

void TMainMenu1::Chosen() {
    GraphState& G = TheGraph();
    if (!IsGraphMode(G.Choice) || !VemloScrn1) return;
    const QSize screen = ScreenSize();
    const WindowSize size = ApplyModeDefaults(G, screen.width(), screen.height());
    VemloScrn1->NewGraphWidgets();
    VemloScrn1->resize(size.width, size.height);
    if (!VemloScrn1->isVisible()) CentreOnScreen(VemloScrn1);
    VemloScrn1->show();
    VemloScrn1->raise();
    VemloScrn1->activateWindow();
    QCoreApplication::processEvents();
}

void TMainMenu1::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}

}  // namespace vemlo
