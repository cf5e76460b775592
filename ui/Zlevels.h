#pragma once
/// The contour-levels window: after Contours > Draw it lists each level with
/// its value and the colour of its curves. Closing it empties the list;
/// showing it lists the levels of the graph's MinZ, MaxZ and NC.

#include <QStringList>
#include <QWidget>

#include "engine/GraphState.h"

class QPlainTextEdit;
class QPushButton;

namespace vemlo {

class TZlevelsFm : public QWidget {
    Q_OBJECT
public:
    /// The levels of the program's graph.
    explicit TZlevelsFm(QWidget* parent = nullptr);
    explicit TZlevelsFm(GraphState& g, QWidget* parent = nullptr);

    QPlainTextEdit* ContLevels;
    QPushButton* CloseBtn;

    /// Lists the levels (a count of 1 becomes 10 first).
    void FormShow();
    /// Empties the list.
    void FormClose();
    void CloseBtnClick();

    /// The memo's lines.
    QStringList Lines() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    GraphState& g_;
};

}  // namespace vemlo
