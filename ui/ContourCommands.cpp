#include "ui/ContourCommands.h"

#include <QAction>
#include <QCheckBox>

#include "engine/Contours.h"
#include "ui/Contour1.h"
#include "ui/Globals.h"
#include "ui/TImage.h"
#include "ui/TVemloScrn1.h"
#include "ui/Zlevels.h"

namespace vemlo {

ContourCommands::ContourCommands(TVemloScrn1& w) : QObject(&w), w_(w) {
    connect(w.Draw4, &QAction::triggered, this, &ContourCommands::Draw4Click);
    connect(w.Edit6, &QAction::triggered, this, &ContourCommands::Edit6Click);
    w.Draw4->setEnabled(true);
    w.Edit6->setEnabled(true);
}

void ContourCommands::Draw4Click() {
    if (w_.Busy()) return;
    CommandLock lock(w_);
    GraphState& G = TheGraph();
    const bool threeD = ContourDlg && ContourDlg->CheckBox1->isChecked();
    DrawContours(G, w_.Image1->canvas(), w_.Host1, G.IUB, G.JUB, G.NC, threeD);
    if (ZlevelsFm) {
        ZlevelsFm->close();
        ZlevelsFm->show();
    }
    w_.ComposePictures();
}

void ContourCommands::Edit6Click() {
    if (w_.Busy()) return;
    w_.ComposePictures();
    if (ContourDlg) ChangeContours(TheGraph(), *ContourDlg);
}

}  // namespace vemlo
