#pragma once
/// Picture files of the graph: which names are pictures and in which format,
/// writing a picture as BMP, JPEG or PNG, reading one back safely, and
/// stretching a picture over the graphing image.
///
/// Every file read is treated as hostile: it is read whole into memory up to
/// a fixed size, its header is checked for a sane size before any pixels are
/// decoded, and a picture that ends early or does not match its name is
/// refused. A save writes only the chosen file, and replaces an existing file
/// only once the new one is complete.

#include <QImage>
#include <QString>

namespace vemlo {

enum class PictureFormat { Unknown, Bmp, Jpeg, Png };

/// The part of the name from the last "." after the last path separator, the
/// dot included; empty when there is none.
QString FileExtension(const QString& name);

/// The format of an extension, compared exactly, letter case included:
/// ".bmp" ".BMP", ".jpg" ".JPG" ".jpeg" ".JPEG", ".png" ".PNG".
PictureFormat FormatOfExtension(const QString& extension);

/// Where a save command writes, and in which format (Unknown: refused).
struct SaveTarget {
    QString name;
    PictureFormat format = PictureFormat::Unknown;
};

/// Save Full Graph: the name as chosen, in the format of its extension.
SaveTarget FullGraphTarget(const QString& chosen);
/// Save Only Inside Rectangle: a name without extension becomes a BMP file of
/// that name + ".bmp", and a BMP extension is written in lower case.
SaveTarget InsideGraphTarget(const QString& chosen);

/// Writes the picture as a BMP file of 24 bits per pixel.
bool Bitmap2BMP(const QImage& picture, const QString& name, QString* error = nullptr);
/// Writes the picture as a JPEG file of quality 100.
bool Bitmap2JPEG(const QImage& picture, const QString& name, QString* error = nullptr);
/// Writes the picture as a PNG file with the encoder's defaults.
bool Bitmap2PNG(const QImage& picture, const QString& name, QString* error = nullptr);
/// One of the three by format. On failure an existing file of that name is
/// left as it was, no other file is left behind, and error tells why.
bool SavePicture(const QImage& picture, const QString& name, PictureFormat format, QString* error = nullptr);

/// Pictures larger than this many pixels are refused before decoding.
constexpr qint64 kMaxPicturePixels = 30'000'000;
/// Files longer than this are refused without reading further.
constexpr qint64 kMaxPictureFileBytes = 128LL * 1024 * 1024;
/// Why a picture of this size is refused.
QString TooLargeReason(QSize size);

/// The outcome of reading a picture file.
struct LoadedPicture {
    enum Status { Loaded, Missing, NotAPictureName, Failed };
    Status status = Failed;
    /// The picture, opaque 24-bit colour (transparent parts white), when Loaded.
    QImage image;
    /// Why it failed, when Failed.
    QString error;
};

/// Reads a picture file chosen by the user: Missing when no such file
/// exists, NotAPictureName when its extension is none of the picture forms,
/// Failed when it cannot be read or decoded whole. Writes nothing.
LoadedPicture LoadPicture(const QString& name);

/// Decodes a picture held in memory in the given format, with the same checks.
LoadedPicture DecodePicture(const QByteArray& data, PictureFormat format);

/// The picture as opaque 24-bit colour: drawn on a white bitmap of its size.
QImage FlattenPicture(const QImage& picture);

/// The picture scaled separately in x and y to w x h pixels, each target
/// pixel taking the source pixel under its centre; at scale 1 a copy.
QImage StretchPicture(const QImage& picture, int w, int h);

}  // namespace vemlo
