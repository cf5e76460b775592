#pragma once
/// The graph colour form: the line colour of curves, frame and decorations,
/// and the colours of the axes, the tick marks, the label font and the
/// background. It stays open beside the graph; most choices redraw the part
/// of the graph they change at once.

#include <QDialog>

#include "engine/GraphState.h"

class QColorDialog;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vemlo {

class TPanel;
class TVemloScrn1;

class TColorForm2 : public QDialog {
    Q_OBJECT
public:
    /// The form of the program's graph.
    explicit TColorForm2(QWidget* parent = nullptr);
    explicit TColorForm2(GraphState& g, QWidget* parent = nullptr);

    /// The window whose graph the form redraws. Without it the form only
    /// writes the colours.
    void SetMainWindow(TVemloScrn1* w) { w_ = w; }

    QLabel* Label1;
    /// RadioButton[1] to RadioButton[6]; index 0 is unused.
    QRadioButton* RadioButton[7] = {};
    QPushButton* Others;
    TPanel* Panel1;
    QPushButton* AxesBtn;
    QPushButton* TickBtn;
    QPushButton* FontBtn;
    QPushButton* BackBtn;
    QPushButton* CloseBtn;
    QColorDialog* ColorDialog1;

    /// A line colour button: the start-up colours and palette again (so the
    /// background colour is white again), then DColor := DrawColor[entry],
    /// and the graph picture saved. Nothing is redrawn.
    void LineColorClick(int entry);
    /// The line colour from the picker; the graph picture saved.
    void OthersClick();
    /// The axes colour from the picker; the axes drawn again.
    void AxesBtnClick();
    /// The tick colour from the picker; the tick marks drawn again.
    void TickBtnClick();
    /// The label colour from the picker; the title bar and the axes letters
    /// in the new colour.
    void FontBtnClick();
    /// The background colour from the picker; when it changed, the graphing
    /// image is emptied to the new colour and the whole graph drawn again.
    void BackBtnClick();
    void CloseBtnClick();

    /// Empties the graphing image to the background colour inside the frame,
    /// outlined in the image pen's colour.
    void SaveToGraph();

private:
    /// Composes the pictures from the graphing image as it is now.
    void SaveTheGraph();
    /// Whether the graph may be drawn on: a main window that is shown and
    /// not drawing.
    bool CanDraw() const;

    GraphState& g_;
    TVemloScrn1* w_ = nullptr;
};

}  // namespace vemlo
