#pragma once
/// Small controls and helpers shared by the forms: a panel with a caption,
/// the arrow button of the compass, and setters for colours and fonts in the
/// program's colour form (red in the low byte).

#include <QAbstractButton>
#include <QLabel>

#include "engine/Types.h"

namespace vemlo {

/// A panel: a filled box with an optional centred caption and a raised bevel
/// of the given width (0 for none), optionally inside a single border line.
class TPanel : public QLabel {
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent = nullptr);
    void setBevel(int width, bool border = false);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int bevel_ = 0;
    bool border_ = false;
};

/// A button that shows a filled triangle pointing in one direction.
class TArrow : public QAbstractButton {
    Q_OBJECT
public:
    enum Direction { Left, Up, Down, Right };
    explicit TArrow(Direction d, QWidget* parent = nullptr);
    Direction direction() const { return dir_; }
    void setArrowColor(Color c) {
        color_ = c;
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Direction dir_;
    Color color_ = 0;
};

/// Places a control at (left, top) with size w x h and gives it a designer name.
void Place(QWidget* w, const char* name, int left, int top, int width, int height);
/// Fills the control's background with the colour.
void SetBackground(QWidget* w, Color c);
/// Sets the text colour of the control.
void SetTextColor(QWidget* w, Color c);
/// Sets the font so that a line of text is this many pixels high.
void SetFontHeight(QWidget* w, int pixels);

}  // namespace vemlo
