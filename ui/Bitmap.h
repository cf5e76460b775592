#pragma once
/// An off-screen bitmap with its own canvas: the canvas keeps its pen, brush
/// and font between uses, and a new bitmap starts with a fresh canvas (black
/// pen of width 1, white brush).

#include <QImage>
#include <memory>

#include "output/DisplayList.h"
#include "output/QImageCanvas.h"

namespace vemlo {

class TBitmap {
public:
    /// An empty bitmap of 0 x 0 pixels.
    TBitmap();
    /// With a display list, the canvas also records every step into it; the
    /// list is emptied whenever the pixels start anew (new size, new picture).
    TBitmap(int w, int h, DisplayList* record = nullptr);
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    /// The pixels, with all drawing so far applied.
    const QImage& image();
    /// The canvas; its state survives between calls.
    QImageCanvas& canvas() { return *canvas_; }

    /// Gives the bitmap a new size and white pixels; the canvas keeps its state.
    void setSize(int w, int h);
    /// Becomes a new bitmap of the given size: white pixels, fresh canvas.
    void replace(int w, int h);
    /// Becomes a copy of the picture, with a fresh canvas.
    void assign(const QImage& picture);

private:
    void makeCanvas();

    QImage image_;
    DisplayList* record_ = nullptr;
    std::unique_ptr<QImageCanvas> canvas_;
};

}  // namespace vemlo
