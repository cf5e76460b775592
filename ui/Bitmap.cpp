#include "ui/Bitmap.h"

#include <algorithm>

#include "output/RecordingCanvas.h"

namespace vemlo {

namespace {

QImage blankImage(int w, int h) {
    QImage img(std::max(0, w), std::max(0, h), QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

}  // namespace

TBitmap::TBitmap() : TBitmap(0, 0) {}

TBitmap::TBitmap(int w, int h, DisplayList* record) : image_(blankImage(w, h)), record_(record) {
    if (record_) record_->clear();
    makeCanvas();
}

void TBitmap::makeCanvas() {
    if (record_)
        canvas_ = std::make_unique<RecordingCanvas>(image_, *record_);
    else
        canvas_ = std::make_unique<QImageCanvas>(image_);
}

const QImage& TBitmap::image() {
    canvas_->flush();
    return image_;
}

void TBitmap::setSize(int w, int h) {
    canvas_->flush();
    image_ = blankImage(w, h);
    if (record_) record_->clear();
}

void TBitmap::replace(int w, int h) {
    canvas_.reset();
    image_ = blankImage(w, h);
    if (record_) record_->clear();
    makeCanvas();
}

void TBitmap::assign(const QImage& picture) {
    canvas_.reset();
    image_ = picture.convertToFormat(QImage::Format_RGB32);
    if (record_) {
        record_->clear();
        record_->picture(0, 0, image_);
    }
    makeCanvas();
}

}  // namespace vemlo
