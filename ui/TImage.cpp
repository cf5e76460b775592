#include "ui/TImage.h"

#include <QPainter>

namespace vemlo {

TImage::TImage(QWidget* parent) : QWidget(parent) {}

TBitmap& TImage::bitmap() {
    if (!bitmap_) bitmap_.emplace(width(), height(), &list_);
    return *bitmap_;
}

QImageCanvas& TImage::canvas() {
    update();
    return bitmap().canvas();
}

QImage TImage::picture() { return bitmap_ ? bitmap_->image() : QImage(); }

void TImage::removePicture() {
    bitmap_.reset();
    list_.clear();
    update();
}

void TImage::setPicture(const QImage& picture) {
    bitmap().assign(picture);
    update();
}

void TImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (bitmap_) p.drawImage(0, 0, bitmap_->image());
}

}  // namespace vemlo
