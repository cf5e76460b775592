#pragma once
/// The samples window: up to ten ready-made examples for the current graph
/// mode, each a radio button whose click stores its formulas. It floats on
/// top of the other windows; the user then presses Draw.

#include <QDialog>

#include "engine/GraphState.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace vemlo {

class TVemloScrn1;

class TSampleFm : public QDialog {
    Q_OBJECT
public:
    /// The window of the program's graph.
    explicit TSampleFm(QWidget* parent = nullptr);
    explicit TSampleFm(GraphState& g, QWidget* parent = nullptr);

    /// The window whose formula labels Close writes.
    void SetMainWindow(TVemloScrn1* w) { w_ = w; }

    QLabel* Label1;
    QLabel* Label2;
    QScrollArea* ScrollBox1;
    /// RadioButton[1] to RadioButton[10]; index 0 is unused.
    QRadioButton* RadioButton[11] = {};
    QPushButton* Close1;

    /// Captions and visibility of the ten buttons for the current mode.
    void FormShow();
    /// Button i (1 to 10): FunctionCalled, and the example's formulas stored.
    void RadioButtonClick(int i);
    /// Hides the window; FunctionCalled, and the formula labels written.
    void Close1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    GraphState& g_;
    TVemloScrn1* w_ = nullptr;
};

}  // namespace vemlo
