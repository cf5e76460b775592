#pragma once
/// The surface colour form: the colour of the side of a surface that faces
/// up, of its under side and of the grid lines around the facets, and whether
/// facets are shaded. It stays open beside the graph; every choice goes into
/// the graph state at once and shows at the next drawing.

#include <QDialog>

#include "engine/GraphState.h"

class QCheckBox;
class QColorDialog;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vemlo {

class TPanel;

/// Opens the picker preset to c; when the user confirms, c becomes the picked
/// colour. Returns whether the user confirmed.
bool PickColor(QColorDialog& picker, Color& c);
/// A colour picker as both colour forms have it: a child of the form, run
/// modally, always the program's own dialog so that it can be answered.
QColorDialog* MakeColorDialog(QWidget* form);

class TColorForm : public QDialog {
    Q_OBJECT
public:
    /// The form of the program's graph.
    explicit TColorForm(QWidget* parent = nullptr);
    explicit TColorForm(GraphState& g, QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    TPanel* Panel1;
    TPanel* Panel2;
    TPanel* Panel3;
    /// RadioButton[1] to RadioButton[19]; index 0 is unused.
    QRadioButton* RadioButton[20] = {};
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QCheckBox* CheckShading;
    QColorDialog* ColorDialog1;

    /// Selects Red above, Yellow under and Teal for the grid, the choices
    /// that match a new graph's colours; writes nothing.
    void SelectStartChoices();

    /// "Others" above and under.
    void Button2Click();
    void Button3Click();
    void CheckShadingClick();
    /// "Close": hides the form.
    void Button1Click();

private:
    GraphState& g_;
};

}  // namespace vemlo
