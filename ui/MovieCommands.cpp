#include "ui/MovieCommands.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "engine/Movie.h"
#include "output/QImageCanvas.h"
#include "ui/Kit.h"
#include "ui/Globals.h"
#include "ui/Moviefm.h"
#include "ui/TImage.h"
#include "ui/TVemloScrn1.h"

namespace vemlo {

MovieCommands::MovieCommands(TVemloScrn1& w) : QObject(&w), w_(w) {
    setObjectName(QStringLiteral("MovieCommands"));
    connect(w.Create1, &QAction::triggered, this, &MovieCommands::Create1Click);
    connect(w.Play1, &QAction::triggered, this, &MovieCommands::Play1Click);
    connect(w.Edit7, &QAction::triggered, this, &MovieCommands::Edit7Click);
    for (QAction* a : {w.Create1, w.Play1, w.Edit7}) a->setEnabled(true);

    // Text written on the window itself lies under its panels and buttons.
    caption_ = new QLabel(QStringLiteral("Building Frames"), w.Client);
    caption_->setObjectName(QStringLiteral("BuildingFrames"));
    caption_->setFont(QImageCanvas::font(18));
    caption_->adjustSize();
    caption_->move(100, 25);
    caption_->lower();
    caption_->hide();
}

void MovieCommands::Create1Click() {
    if (w_.Busy()) return;
    CommandLock lock(w_);
    GraphState& G = TheGraph();
    w_.ComposePictures();
    caption_->setFont(QImageCanvas::font(w_.CanvasFontSize > 0 ? w_.CanvasFontSize : 18));
    caption_->adjustSize();
    caption_->show();
    w_.Host1.processMessages();
    w_.Host1.holdListings(true);
    CreateMovie(G, w_.Image1->canvas(), w_.Host1);
    w_.Host1.holdListings(false);
    caption_->hide();
    w_.Edit4->setText(QStringLiteral("30"));
    w_.Edit5->setText(QStringLiteral("40"));
    w_.Host1.message("Movie Created..Click on Movie/Play");
    G.Framing = false;
    w_.Image1->canvas().setPenWidth(2);
}

void MovieCommands::Play1Click() {
    if (w_.Busy()) return;
    CommandLock lock(w_);
    GraphState& G = TheGraph();
    G.Framing = true;
    w_.ScreenSetup();
    w_.DrawBtn->setText(QStringLiteral("Stop Movie"));
    w_.DrawBtn->show();
    PlayMovie(G, w_.Image1->canvas(), w_.Host1);
    w_.DrawBtn->hide();
    w_.DrawBtn->setText(QStringLiteral("Cancel Draw"));
    G.Framing = false;
}

void MovieCommands::Edit7Click() {
    if (w_.Busy() || !MovieDlg) return;
    w_.ComposePictures();
    ChangeFrames(TheGraph(), *MovieDlg);
}

}  // namespace vemlo
