#pragma once
/// An image control: shows its picture 1:1 at its top-left corner and
/// repaints on update(). After removePicture() it has no picture; asking for
/// the canvas then creates a new bitmap of the control's current size, with a
/// fresh canvas.

#include <QWidget>
#include <optional>

#include "ui/Bitmap.h"

namespace vemlo {

class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    /// The picture's canvas, creating the picture if there is none. Each call
    /// schedules a repaint, so what the caller draws shows up at the next
    /// pass of the event loop.
    QImageCanvas& canvas();
    /// The picture's pixels (an empty image if there is no picture).
    QImage picture();
    bool hasPicture() const { return bitmap_.has_value(); }
    void removePicture();
    /// Replaces the picture by a copy of the given one.
    void setPicture(const QImage& picture);
    /// Every step drawn on the picture since its pixels last started anew
    /// (a new picture, or a step that covered it whole), for exporting the
    /// picture as vectors.
    const DisplayList& displayList() const { return list_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TBitmap& bitmap();

    DisplayList list_;
    std::optional<TBitmap> bitmap_;
};

}  // namespace vemlo
