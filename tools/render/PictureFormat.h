#pragma once
/// Which picture file a file name asks for, by its extension.

#include <QString>

namespace vemlo {

struct PictureFormat {
    const char* name = nullptr;  // "BMP", "JPEG" or "PNG"; null when not recognised
    int quality = -1;            // encoder quality, -1 for the encoder's default
};

/// The format by the file name's extension: its part from the last "." after
/// the last "/", compared letter case included. ".bmp" and ".BMP" give BMP,
/// ".jpg", ".JPG", ".jpeg" and ".JPEG" give JPEG at quality 100, ".png" and
/// ".PNG" give PNG; anything else, no extension included, is not recognised.
PictureFormat PictureFormatOf(const QString& fileName);

}  // namespace vemlo
