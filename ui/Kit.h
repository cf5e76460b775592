#pragma once
/// The controls and helpers every form is built with: the panel and the
/// compass arrow, the entry box, making and placing controls by their
/// designer names, colours (in the program's colour form, red in the low
/// byte) and font heights, and the common look of the dialogs.

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <string>

#include "engine/NamedColors.h"
#include "engine/Types.h"

class QDialog;
class QPushButton;
class QWidget;

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

/// An edit box that, with auto-select on, selects all its text whenever it
/// receives the focus, so that typing replaces the old entry.
///
/// It also remembers the text a dialog filled it with. A number is shown
/// rounded (pi as " 3.14159"); reading that text back would silently change a
/// setting the user never touched, so an untouched box reads as empty, which
/// keeps the setting's exact value.
class TEditBox : public QLineEdit {
public:
    explicit TEditBox(QWidget* parent = nullptr);
    void setAutoSelect(bool on) { autoSelect_ = on; }
    bool autoSelect() const { return autoSelect_; }

    /// Shows the value's text and remembers it as the box's filled text.
    void fill(const QString& text);
    /// The text as typed, or empty when it is still the filled text.
    std::string entry() const;

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    bool autoSelect_ = false;
    QString filled_;
};

/// Creates a control of type W on the parent, gives it its designer name and
/// places it at (left, top) with the size w x h.
template <class W>
W* Make(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(left, top, width, height);
    return w;
}

/// Gives an existing control its designer name and places it at (left, top)
/// with the size w x h.
void Place(QWidget* w, const char* name, int left, int top, int width, int height);

/// A sunken frame, the form's bevel.
QWidget* MakeBevel(QWidget* parent, const char* name, int left, int top, int width, int height);

/// Fills the control's background with the colour.
void SetBackground(QWidget* w, Color c);
/// Sets the colour of the control's text (labels, boxes and buttons).
void SetTextColor(QWidget* w, Color c);
/// Sets the control's font so that a line of its text is this many pixels
/// high (a font height counts the whole line, leading included).
void SetFontHeight(QWidget* w, int pixels);

/// The common look of the settings dialogs: cream, the font height (14 unless
/// the form says otherwise), fixed client size.
void SetUpDialog(QDialog* d, int clientWidth, int clientHeight, int fontHeight = 14);
/// Changes the fixed client width or height of a dialog, keeping the other.
void SetDialogWidth(QDialog* d, int width);
void SetDialogHeight(QDialog* d, int height);

/// For a form whose Cancel button is a plain button: Escape does not close
/// it, only a click on a button does.
void NoEscapeKey(QDialog* d);
/// For a form whose OK button is a plain button: Enter presses no button.
/// (A dialog otherwise makes its first button the default when shown.)
void NoDefaultButton(QPushButton* ok, QPushButton* cancel);

/// Sets a label's caption; like an auto-sized label, it widens (never
/// narrows) to show the whole caption.
void SetCaption(QLabel* label, const QString& caption);

/// Makes the box the dialog's active control, with its text selected now and
/// whenever it gets the focus. Call it once the boxes are filled: filling a
/// box drops its selection.
void FocusBox(TEditBox* box);

/// value with `decimals` decimals, padded on the left to `width` characters.
QString Fixed(double value, int width, int decimals);

inline QString Qs(const std::string& s) { return QString::fromStdString(s); }
inline std::string Ss(const QString& s) { return s.toStdString(); }

}  // namespace vemlo
