#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "engine/Axes.h"
#include "engine/DrawGraph.h"
#include "engine/Settings.h"
#include "engine/View.h"
#include "output/Pictures.h"
#include "ui/Axes1.h"
#include "ui/Eqn1Dlg.h"
#include "ui/FuncVals.h"
#include "ui/Globals.h"
#include "ui/Kit.h"
#include "ui/TImage.h"
#include "ui/TVemloScrn1.h"

namespace vemlo {

void TVemloScrn1::ConnectButtons() {
    connect(DrawButn2, &QPushButton::clicked, this, &TVemloScrn1::DrawBtn2Click);
    connect(DrawBtn, &QPushButton::clicked, this, &TVemloScrn1::DrawBtnClick);
    connect(Arrow1, &TArrow::clicked, this, &TVemloScrn1::Arrow1Click);
    connect(Arrow2, &TArrow::clicked, this, &TVemloScrn1::Arrow2Click);
    connect(Arrow3, &TArrow::clicked, this, &TVemloScrn1::Arrow3Click);
    connect(Arrow4, &TArrow::clicked, this, &TVemloScrn1::Arrow4Click);
}

void TVemloScrn1::LockCommands() {
    if (lockDepth_++ > 0) return;
    auto lock = [this](QObject* o, bool enabled) {
        if (!enabled) return;
        locked_.emplace_back(o);
    };
    // A hidden item reports itself disabled; its own switch shows once it is shown.
    auto ownEnabled = [](QAction* a) {
        if (a->isVisible()) return a->isEnabled();
        a->setVisible(true);
        const bool enabled = a->isEnabled();
        a->setVisible(false);
        return enabled;
    };
    // The window's own commands; the dialogs it holds keep their inner actions.
    auto inDialog = [this](QObject* o) {
        for (QObject* p = o->parent(); p && p != this; p = p->parent())
            if (qobject_cast<QDialog*>(p)) return true;
        return false;
    };
    for (QAction* a : findChildren<QAction*>())
        if (!inDialog(a)) lock(a, ownEnabled(a));
    for (QWidget* w : std::initializer_list<QWidget*>{DrawButn2, Arrow1, Arrow2, Arrow3, Arrow4})
        lock(w, w->isEnabled());
    // The start menu, the help and the listing must not act on the graph
    // while it is drawn either.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible()) lock(w, w->isEnabled());
    for (const QPointer<QObject>& o : locked_) {
        if (auto* a = qobject_cast<QAction*>(o.data()))
            a->setEnabled(false);
        else if (auto* w = qobject_cast<QWidget*>(o.data()))
            w->setEnabled(false);
    }
}

void TVemloScrn1::UnlockCommands() {
    if (--lockDepth_ > 0) return;
    for (const QPointer<QObject>& o : locked_) {
        if (auto* a = qobject_cast<QAction*>(o.data()))
            a->setEnabled(true);
        else if (auto* w = qobject_cast<QWidget*>(o.data()))
            w->setEnabled(true);
    }
    locked_.clear();
}

void TVemloScrn1::closeEvent(QCloseEvent* event) {
    if (Busy()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void TVemloScrn1::ComposePictures() {
    QImage picMap, lMap;
    SaveTheGraph(TheGraph(), Image1->picture(), picMap, lMap);
    PicMap.assign(picMap);
    LMap.assign(lMap);
    QCoreApplication::processEvents();
    update();
}

void TVemloScrn1::WriteFormulaLabels(const FormulaLabels& labels) {
    Label1->setText(QString::fromStdString(labels.Label1));
    if (labels.Label2) Label2->setText(QString::fromStdString(*labels.Label2));
}

void TVemloScrn1::DrawBtn2Click() {
    if (Busy()) return;
    CommandLock lock(*this);
    GraphState& G = TheGraph();
    G.FunctionCalled = true;
    G.Drawing = true;
    DrawBtn->show();
    DrawGraph(G, Image1->canvas(), Host1, GraphRequest());
    DrawBtn->hide();
    if (IsGraphMode(G.Choice)) WriteFormulaLabels(FunctionLabels(G, false));
    ComposePictures();
    if (G.FuncError && EqnDlg) {
        if (const auto labels = FixTheFunction(G, *EqnDlg)) WriteFormulaLabels(*labels);
    }
    QCoreApplication::processEvents();
    Axes(G, Image1->canvas());
}

DrawRequest TVemloScrn1::GraphRequest() const {
    DrawRequest request;
    request.drawBox = DrawBox1->isChecked();
    return request;
}

void TVemloScrn1::DrawBtnClick() {
    GraphState& G = TheGraph();
    G.Drawing = !G.Drawing;
}

void TVemloScrn1::DrawAxes1Click() {
    ComposePictures();
    QCoreApplication::processEvents();
    Axes(TheGraph(), Image1->canvas());
    update();
}

void TVemloScrn1::ChangeAxes1Click() {
    if (!AxesDlg) return;
    GraphState& G = TheGraph();
    ChangeAxes(G, *AxesDlg);
    if (G.AxesChanged) {
        UpdateView(G);
        ScreenSetup();
        Axes(G, Image1->canvas());
    }
    Axes(G, Image1->canvas());
    QCoreApplication::processEvents();
    update();
}

void TVemloScrn1::ListFunctionValues1Click() {
    ComposePictures();
    if (FuncList) FuncList->ShowListing();
}

}  // namespace vemlo
