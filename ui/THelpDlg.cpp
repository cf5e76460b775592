#include "ui/THelpDlg.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/Kit.h"

namespace vemlo {

THelpDlg* HelpDlg = nullptr;

THelpDlg::THelpDlg(QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("HelpDlg"));
    SetBackground(this, colors::SkyBlue);

    FHelp = new QPlainTextEdit(this);
    Place(FHelp, "FHelp", 24, 27, 440, 341);
    FHelp->setReadOnly(true);
    FHelp->setLineWrapMode(QPlainTextEdit::NoWrap);
    FHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FHelp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SetBackground(FHelp, colors::Cream);
    SetTextColor(FHelp, colors::Navy);
    // The function table and the examples are laid out in columns.
    FHelp->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    SetFontHeight(FHelp, 14);
    FHelp->setPlainText(HelpLines().join(QLatin1Char('\n')));

    CloseBtn = new QPushButton(QStringLiteral("Close"), this);
    Place(CloseBtn, "CloseBtn", 144, 376, 93, 22);
    CloseBtn->setDefault(true);
    connect(CloseBtn, &QPushButton::clicked, this, &THelpDlg::CloseBtnClick);

    setFixedSize(497, 430);
    setWindowTitle(QStringLiteral("Vemlo Help"));
}

void THelpDlg::CloseBtnClick() { close(); }

}  // namespace vemlo
