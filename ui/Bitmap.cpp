#include "ui/Bitmap.h"

#include <algorithm>

namespace vemlo {

namespace {

QImage blankImage(int w, int h) {
    QImage img(std::max(0, w), std::max(0, h), QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

}  // namespace

TBitmap::TBitmap() : TBitmap(0, 0) {}

TBitmap::TBitmap(int w, int h) : image_(blankImage(w, h)), canvas_(std::make_unique<QImageCanvas>(image_)) {}

const QImage& TBitmap::image() {
    canvas_->flush();
    return image_;
}

void TBitmap::setSize(int w, int h) {
    canvas_->flush();
    image_ = blankImage(w, h);
}

void TBitmap::replace(int w, int h) {
    canvas_.reset();
    image_ = blankImage(w, h);
    canvas_ = std::make_unique<QImageCanvas>(image_);
}

void TBitmap::assign(const QImage& picture) {
    canvas_.reset();
    image_ = picture.convertToFormat(QImage::Format_RGB32);
    canvas_ = std::make_unique<QImageCanvas>(image_);
}

}  // namespace vemlo
