#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "engine/Movie.h"
#include "ui/Globals.h"
#include "ui/SampleList.h"
#include "ui/THelpDlg.h"
#include "ui/TImage.h"
#include "ui/TVemloScrn1.h"
#include "ui/Zlevels.h"

namespace vemlo {

namespace {

using Handler = void (TVemloScrn1::*)();

QMenu* AddMenu(QMenuBar* bar, const char* caption, const char* name) {
    QMenu* m = bar->addMenu(QString::fromLatin1(caption));
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    return m;
}

QMenu* AddSubMenu(QMenu* parent, const char* caption, const char* name) {
    QMenu* m = parent->addMenu(QString::fromLatin1(caption));
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    return m;
}

// An item whose command is not built yet has no handler and stays disabled.
QAction* AddItem(TVemloScrn1* w, QWidget* menu, const char* caption, const char* name, Handler handler) {
    auto* a = new QAction(QString::fromLatin1(caption), menu);
    a->setObjectName(QString::fromLatin1(name));
    menu->addAction(a);
    if (handler)
        QObject::connect(a, &QAction::triggered, w, handler);
    else
        a->setEnabled(false);
    return a;
}

void AddSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

}  // namespace

void TVemloScrn1::CreateMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    TVemloScrn1* w = this;

    File1 = AddMenu(bar, "File", "File1");
    ListFunctionValues1 = AddItem(w, File1, "List Function Values", "ListFunctionValues1",
                                  &TVemloScrn1::ListFunctionValues1Click);
    PreviousFunctions1 = AddItem(w, File1, "Previous Functions", "PreviousFunctions1", nullptr);
    PreviousFunctions1->setVisible(false);
    AddSeparator(File1, "N1");
    OpenGraph1 = AddItem(w, File1, "Open Graph", "OpenGraph1", nullptr);
    SaveGraph1 = AddSubMenu(File1, "Save Graph", "SaveGraph1");
    SaveFullGraph1 = AddItem(w, SaveGraph1, "Save Full Graph", "SaveFullGraph1", nullptr);
    SaveOnlyInsideRectangle1 =
        AddItem(w, SaveGraph1, "Save Only Inside Rectangle", "SaveOnlyInsideRectangle1", nullptr);
    ExportVectorGraph1 = AddItem(w, SaveGraph1, "Export Vector Graph...", "ExportVectorGraph1", nullptr);
    AddSeparator(File1, "N2");
    PrintGraph1 = AddItem(w, File1, "Print Graph", "PrintGraph1", nullptr);
    PrinterSetUp1 = AddItem(w, File1, "Printer SetUp", "PrinterSetUp1", nullptr);
    Exit1 = AddItem(w, File1, "Exit", "Exit1", &TVemloScrn1::Exit1Click);

    Edit1 = AddMenu(bar, "Edit", "Edit1");
    CopyGraph1 = AddItem(w, Edit1, "Copy Graph", "CopyGraph1", nullptr);
    PasteGraph1 = AddItem(w, Edit1, "Paste Graph", "PasteGraph1", nullptr);
    AddSeparator(Edit1, "N3");
    Parameters1 = AddItem(w, Edit1, "Parameters", "Parameters1", &TVemloScrn1::Parameters1Click);
    Domain1 = AddItem(w, Edit1, "Domain", "Domain1", &TVemloScrn1::Domain1Click);
    Curves1 = AddItem(w, Edit1, "Curves", "Curves1", &TVemloScrn1::Curves1Click);
    Step1 = AddItem(w, Edit1, "Step", "Step1", &TVemloScrn1::Step1Click);
    Colors2 = AddItem(w, Edit1, "Colors", "Colors2", nullptr);
    Colors1 = AddItem(w, Edit1, "Surface Colors", "Colors1", nullptr);
    GraphTitle1 = AddItem(w, Edit1, "Graph Title", "GraphTitle1", &TVemloScrn1::GraphTitle1Click);
    AddSeparator(Edit1, "N4");
    ClearScreen1 = AddItem(w, Edit1, "Clear Screen", "ClearScreen1", &TVemloScrn1::ClearScreen1Click);

    Function2 = AddMenu(bar, ".Function", "Function2");
    Function1 = AddItem(w, Function2, "Enter Function", "Function1", &TVemloScrn1::Function1Click);

    Axes1 = AddMenu(bar, "Axes", "Axes1");
    ChangeAxes1 = AddItem(w, Axes1, "Change Axes", "ChangeAxes1", &TVemloScrn1::ChangeAxes1Click);
    DrawAxes1 = AddItem(w, Axes1, "Draw Axes", "DrawAxes1", &TVemloScrn1::DrawAxes1Click);

    View2 = AddMenu(bar, "View", "View2");
    View1 = AddItem(w, View2, "Change View", "View1", &TVemloScrn1::View1Click);

    Plane1 = AddMenu(bar, "Plane", "Plane1");
    Draw2 = AddItem(w, Plane1, "Draw", "Draw2", nullptr);
    Edit2 = AddItem(w, Plane1, "Edit", "Edit2", nullptr);

    Line1 = AddMenu(bar, "Line", "Line1");
    Draw3 = AddItem(w, Line1, "Draw", "Draw3", nullptr);
    Edit3 = AddItem(w, Line1, "Edit", "Edit3", nullptr);

    // The check mark of Draw Box is the box's switch: unchecked at start, and
    // changed only by the item itself.
    Box1 = AddMenu(bar, "Box", "Box1");
    DrawBox1 = AddItem(w, Box1, "Draw Box", "DrawBox1", nullptr);
    DrawBox1->setCheckable(true);

    Contours1 = AddMenu(bar, "Contours", "Contours1");
    Draw4 = AddItem(w, Contours1, "Draw", "Draw4", nullptr);
    Edit6 = AddItem(w, Contours1, "Edit", "Edit6", nullptr);

    Movie1 = AddMenu(bar, "Movie", "Movie1");
    Create1 = AddItem(w, Movie1, "Create", "Create1", nullptr);
    Play1 = AddItem(w, Movie1, "Play", "Play1", nullptr);
    Edit7 = AddItem(w, Movie1, "Edit", "Edit7", nullptr);

    Samples1 = AddItem(w, bar, "Samples", "Samples1", nullptr);
    VemloHelp1 = AddItem(w, bar, "VemloHelp", "VemloHelp1", &TVemloScrn1::VemloHelp1Click);
}

void TVemloScrn1::SetModeItems() {
    const char choice = TheGraph().Choice;
    if (!IsGraphMode(choice)) return;
    const ModeRow& m = ModeOf(choice);
    Plane1->menuAction()->setVisible(m.plane);
    Line1->menuAction()->setVisible(true);
    Contours1->menuAction()->setVisible(m.contours);
    Curves1->setVisible(m.curves);
    Step1->setVisible(m.step);
    Movie1->menuAction()->setVisible(m.movie);
}

void TVemloScrn1::Exit1Click() {
    GraphState& G = TheGraph();
    if (ZlevelsFm) ZlevelsFm->close();
    if (SampleFm) SampleFm->close();
    PicMap.replace(0, 0);
    G.Drawing = false;
    ClearMovie(G);
    G.Framing = false;
    Image1->update();
    G.FunctionCalled = false;
    Image1->removePicture();
    close();
}

void TVemloScrn1::ClearScreen1Click() { ScreenSetup(); }

void TVemloScrn1::VemloHelp1Click() {
    if (!HelpDlg) return;
    HelpDlg->show();
    HelpDlg->raise();
}

}  // namespace vemlo
