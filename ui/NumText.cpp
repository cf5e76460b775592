#include "ui/NumText.h"

#include <QDialog>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "engine/Settings.h"

namespace vemlo::dlg {

namespace {

QColor ToQColor(Color c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// Swallows Escape before the dialog would reject itself on it.
class EscapeFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            event->accept();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

TEditBox::TEditBox(QWidget* parent) : QLineEdit(parent) {}

void TEditBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (autoSelect_) selectAll();
}

void TEditBox::fill(const QString& text) {
    filled_ = text;
    setText(text);
}

std::string TEditBox::entry() const { return text() == filled_ ? std::string() : text().toStdString(); }

QWidget* MakeBevel(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* f = Make<QFrame>(parent, name, left, top, width, height);
    f->setFrameStyle(QFrame::Box | QFrame::Sunken);
    f->lower();
    return f;
}

void SetBackground(QWidget* w, Color c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, ToQColor(c));
    p.setColor(QPalette::Base, ToQColor(c));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void SetTextColor(QWidget* w, Color c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, ToQColor(c));
    p.setColor(QPalette::Text, ToQColor(c));
    w->setPalette(p);
}

void SetFontHeight(QWidget* w, int pixels) {
    QFont f = w->font();
    f.setPixelSize(pixels);
    w->setFont(f);
}

void SetUpDialog(QDialog* d, int clientWidth, int clientHeight, int fontHeight) {
    QPalette p = d->palette();
    p.setColor(QPalette::Window, ToQColor(Cream));
    d->setPalette(p);
    d->setAutoFillBackground(true);
    SetFontHeight(d, fontHeight);
    d->setModal(true);
    d->setFixedSize(clientWidth, clientHeight);
}

void SetDialogWidth(QDialog* d, int width) { d->setFixedSize(width, d->height()); }

void SetDialogHeight(QDialog* d, int height) { d->setFixedSize(d->width(), height); }

void NoEscapeKey(QDialog* d) { d->installEventFilter(new EscapeFilter(d)); }

void NoDefaultButton(QPushButton* ok, QPushButton* cancel) {
    for (QPushButton* b : {ok, cancel}) {
        b->setDefault(false);
        b->setAutoDefault(false);
    }
}

void SetCaption(QLabel* label, const QString& caption) {
    label->setTextFormat(Qt::PlainText);
    label->setText(caption);
    const int needed = label->sizeHint().width();
    if (needed > label->width()) label->resize(needed, label->height());
}

void FocusBox(TEditBox* box) {
    box->setAutoSelect(true);
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

QString Fixed(double value, int width, int decimals) { return Qs(FixedText(value, width, decimals)); }

}  // namespace vemlo::dlg
