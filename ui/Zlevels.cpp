#include "ui/Zlevels.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTextCursor>

#include "engine/Contours.h"
#include "ui/Globals.h"
#include "ui/Kit.h"

namespace vemlo {

TZlevelsFm::TZlevelsFm(QWidget* parent) : TZlevelsFm(TheGraph(), parent) {}

TZlevelsFm::TZlevelsFm(GraphState& g, QWidget* parent) : QWidget(parent, Qt::Window), g_(g) {
    setObjectName(QStringLiteral("ZlevelsFm"));
    ContLevels = Make<QPlainTextEdit>(this, "ContLevels", 8, 8, 184, 190);
    CloseBtn = Make<QPushButton>(this, "CloseBtn", 58, 206, 84, 24);

    ContLevels->setReadOnly(true);
    ContLevels->setLineWrapMode(QPlainTextEdit::NoWrap);
    ContLevels->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ContLevels->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The values are right-aligned in their field.
    ContLevels->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    SetFontHeight(ContLevels, 13);
    SetBackground(this, colors::Cream);
    SetTextColor(ContLevels, colors::Navy);
    ContLevels->setPlainText(QStringLiteral("Contour Levels\n"));

    CloseBtn->setText(QStringLiteral("Close"));
    connect(CloseBtn, &QPushButton::clicked, this, &TZlevelsFm::CloseBtnClick);

    setFixedSize(200, 238);
    setWindowTitle(QStringLiteral("Contour Levels"));
}

void TZlevelsFm::FormShow() {
    if (g_.NC == 1) g_.NC = 10;
    for (const std::string& line : LevelLines(g_.MinZ, g_.MaxZ, g_.NC))
        ContLevels->appendPlainText(QString::fromStdString(line));
    // The list is read from its first level.
    ContLevels->moveCursor(QTextCursor::Start);
    ContLevels->ensureCursorVisible();
}

void TZlevelsFm::FormClose() { ContLevels->clear(); }

void TZlevelsFm::CloseBtnClick() { close(); }

QStringList TZlevelsFm::Lines() const {
    const QString text = ContLevels->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void TZlevelsFm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TZlevelsFm::closeEvent(QCloseEvent* event) {
    FormClose();
    QWidget::closeEvent(event);
}

}  // namespace vemlo
