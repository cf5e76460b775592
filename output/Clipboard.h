#pragma once
/// The graph on the system clipboard: put out as an image that other
/// programs take, and read back from whatever image another program offers.

#include <QImage>
#include <QString>

namespace vemlo {

/// Puts the picture on the clipboard as an image.
void PutPictureOnClipboard(const QImage& picture);

/// What the clipboard offers as a picture.
struct ClipboardPicture {
    enum Status { Loaded, NoBitmap, Failed };
    Status status = NoBitmap;
    /// Opaque 24-bit colour (transparent parts white), when Loaded.
    QImage image;
    /// Why it was refused, when Failed.
    QString error;
};

/// The clipboard's image: NoBitmap when it holds none, or an empty one;
/// Failed when it is larger than a picture file may be.
ClipboardPicture PictureFromClipboard();

}  // namespace vemlo
