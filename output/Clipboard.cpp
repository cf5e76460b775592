#include "output/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "output/PictureFiles.h"

namespace vemlo {

void PutPictureOnClipboard(const QImage& picture) {
    if (picture.isNull()) return;
    QGuiApplication::clipboard()->setImage(picture.convertToFormat(QImage::Format_RGB32));
}

ClipboardPicture PictureFromClipboard() {
    ClipboardPicture out;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasImage()) return out;
    const QImage image = qvariant_cast<QImage>(data->imageData());
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) return out;
    if (qint64(image.width()) * image.height() > kMaxPicturePixels) {
        out.status = ClipboardPicture::Failed;
        out.error = TooLargeReason(image.size());
        return out;
    }
    out.status = ClipboardPicture::Loaded;
    out.image = FlattenPicture(image);
    return out;
}

}  // namespace vemlo
