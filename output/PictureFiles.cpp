#include "output/PictureFiles.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <climits>
#include <cstring>
#include <optional>
#include <vector>

namespace vemlo {

namespace {

bool IsSeparator(QChar c) {
#ifdef Q_OS_WIN
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
#else
    return c == QLatin1Char('/');
#endif
}

const char* CodecName(PictureFormat f) {
    switch (f) {
        case PictureFormat::Bmp:
            return "bmp";
        case PictureFormat::Jpeg:
            return "jpeg";
        case PictureFormat::Png:
            return "png";
        case PictureFormat::Unknown:
            break;
    }
    return "";
}

QString FormatTitle(PictureFormat f) {
    switch (f) {
        case PictureFormat::Bmp:
            return QStringLiteral("BMP");
        case PictureFormat::Jpeg:
            return QStringLiteral("JPEG");
        case PictureFormat::Png:
            return QStringLiteral("PNG");
        case PictureFormat::Unknown:
            break;
    }
    return QString();
}

bool Fail(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}

bool WritePicture(const QImage& picture, const QString& name, PictureFormat format, QString* error) {
    if (picture.isNull()) return Fail(error, QStringLiteral("there is no picture to save"));
    if (QFileInfo(name).isDir()) return Fail(error, QStringLiteral("it is a folder"));
    // The picture goes to a new file beside the chosen one, which takes the
    // chosen name only once it is complete.
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) return Fail(error, file.errorString());
    QImageWriter writer(&file, CodecName(format));
    if (format == PictureFormat::Jpeg) writer.setQuality(100);
    // 32-bit pixels without alpha: the BMP encoder writes them as 24 bits.
    if (!writer.write(picture.convertToFormat(QImage::Format_RGB32))) {
        const QString why =
            writer.error() == QImageWriter::UnknownError
                ? QStringLiteral("the picture could not be encoded as %1").arg(FormatTitle(format))
                : writer.errorString();
        file.cancelWriting();
        return Fail(error, why);
    }
    if (!file.commit()) return Fail(error, file.errorString());
    return true;
}

quint32 U16(const QByteArray& d, int at) {
    return static_cast<quint8>(d[at]) | (static_cast<quint32>(static_cast<quint8>(d[at + 1])) << 8);
}
quint32 U32(const QByteArray& d, int at) { return U16(d, at) | (U16(d, at + 2) << 16); }

// The fields of a BMP header that tell its size.
struct BmpHeader {
    qint64 offset = 0, w = 0, h = 0, bits = 0, compression = 0, dataSize = 0;
};

std::optional<BmpHeader> ReadBmpHeader(const QByteArray& d) {
    if (d.size() < 30 || !d.startsWith("BM")) return std::nullopt;
    BmpHeader b;
    b.offset = U32(d, 10);
    if (U32(d, 14) == 12) {
        b.w = U16(d, 18);
        b.h = U16(d, 20);
        b.bits = U16(d, 24);
    } else {
        if (d.size() < 38) return std::nullopt;
        b.w = static_cast<qint32>(U32(d, 18));
        b.h = static_cast<qint32>(U32(d, 22));
        b.bits = U16(d, 28);
        b.compression = U32(d, 30);
        b.dataSize = U32(d, 34);
    }
    b.w = b.w < 0 ? -b.w : b.w;
    b.h = b.h < 0 ? -b.h : b.h;
    return b;
}

// Whether the pixel rows an uncompressed BMP's header promises are all in
// the file; a compressed one must hold the data size its header gives.
bool BmpComplete(const BmpHeader& b, qint64 fileSize) {
    switch (b.compression) {
        case 0:  // plain rows
        case 3:  // rows with colour masks
        case 6: {
            const qint64 rowBytes = (b.w * b.bits + 31) / 32 * 4;
            return b.offset + rowBytes * b.h <= fileSize;
        }
        case 1:  // run-length encoded
        case 2:
            return b.dataSize > 0 ? b.offset + b.dataSize <= fileSize : b.offset < fileSize;
        default:
            return true;  // left to the decoder
    }
}

// Whether a PNG's chunks run whole up to its end chunk.
bool PngComplete(const QByteArray& d) {
    const auto* p = reinterpret_cast<const uchar*>(d.constData());
    const qint64 n = d.size();
    qint64 i = 8;
    while (i + 12 <= n) {
        const qint64 length =
            (qint64(p[i]) << 24) | (qint64(p[i + 1]) << 16) | (qint64(p[i + 2]) << 8) | p[i + 3];
        const bool last = std::memcmp(p + i + 4, "IEND", 4) == 0;
        i += 12 + length;
        if (i > n) return false;
        if (last) return true;
    }
    return false;
}

// Whether a JPEG runs whole from its start marker to its end marker: the
// segments are walked by their lengths, the coded data of each scan up to
// the next marker, so a file cut short anywhere has no end marker in place.
bool JpegComplete(const QByteArray& d) {
    const auto* p = reinterpret_cast<const uchar*>(d.constData());
    const qint64 n = d.size();
    if (n < 4 || p[0] != 0xFF || p[1] != 0xD8) return false;
    qint64 i = 2;
    while (i < n) {
        if (p[i] != 0xFF) return false;
        while (i < n && p[i] == 0xFF) ++i;
        if (i >= n) return false;
        const uchar m = p[i++];
        if (m == 0xD9) return true;
        if (m == 0x01 || (m >= 0xD0 && m <= 0xD7)) continue;
        if (m == 0xD8 || m == 0x00 || i + 2 > n) return false;
        const qint64 length = (qint64(p[i]) << 8) | p[i + 1];
        if (length < 2) return false;
        i += length;
        if (i > n) return false;
        if (m != 0xDA) continue;
        // Coded data: 0xFF is followed by a stuffed 0, a restart marker or fill.
        for (;;) {
            if (i + 1 >= n) return false;
            if (p[i] != 0xFF) {
                ++i;
                continue;
            }
            const uchar b = p[i + 1];
            if (b == 0x00 || (b >= 0xD0 && b <= 0xD7)) {
                i += 2;
            } else if (b == 0xFF) {
                ++i;
            } else {
                break;
            }
        }
    }
    return false;
}

LoadedPicture Refused(const QString& why) {
    LoadedPicture out;
    out.status = LoadedPicture::Failed;
    out.error = why;
    return out;
}

}  // namespace

QString TooLargeReason(QSize size) {
    return QStringLiteral("the picture is too large (%1 x %2 pixels)").arg(size.width()).arg(size.height());
}

QString FileExtension(const QString& name) {
    for (qsizetype i = name.size() - 1; i >= 0; --i) {
        if (IsSeparator(name[i])) break;
        if (name[i] == QLatin1Char('.')) return name.mid(i);
    }
    return QString();
}

PictureFormat FormatOfExtension(const QString& e) {
    if (e == QLatin1String(".bmp") || e == QLatin1String(".BMP")) return PictureFormat::Bmp;
    if (e == QLatin1String(".jpg") || e == QLatin1String(".JPG") || e == QLatin1String(".jpeg") ||
        e == QLatin1String(".JPEG"))
        return PictureFormat::Jpeg;
    if (e == QLatin1String(".png") || e == QLatin1String(".PNG")) return PictureFormat::Png;
    return PictureFormat::Unknown;
}

SaveTarget FullGraphTarget(const QString& chosen) {
    return {chosen, FormatOfExtension(FileExtension(chosen))};
}

SaveTarget InsideGraphTarget(const QString& chosen) {
    const QString e = FileExtension(chosen);
    if (e.isEmpty()) return {chosen + QStringLiteral(".bmp"), PictureFormat::Bmp};
    const PictureFormat f = FormatOfExtension(e);
    if (f == PictureFormat::Bmp) return {chosen.left(chosen.size() - e.size()) + QStringLiteral(".bmp"), f};
    return {chosen, f};
}

bool Bitmap2BMP(const QImage& picture, const QString& name, QString* error) {
    return WritePicture(picture, name, PictureFormat::Bmp, error);
}

bool Bitmap2JPEG(const QImage& picture, const QString& name, QString* error) {
    return WritePicture(picture, name, PictureFormat::Jpeg, error);
}

bool Bitmap2PNG(const QImage& picture, const QString& name, QString* error) {
    return WritePicture(picture, name, PictureFormat::Png, error);
}

bool SavePicture(const QImage& picture, const QString& name, PictureFormat format, QString* error) {
    if (format == PictureFormat::Unknown)
        return Fail(error, QStringLiteral("the name has no picture extension"));
    return WritePicture(picture, name, format, error);
}

LoadedPicture DecodePicture(const QByteArray& data, PictureFormat format) {
    if (format == PictureFormat::Unknown) {
        LoadedPicture out;
        out.status = LoadedPicture::NotAPictureName;
        return out;
    }
    if (data.isEmpty()) return Refused(QStringLiteral("the file is empty"));
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    // The format comes from the name alone; content of another kind is refused.
    QImageReader reader(&buffer, CodecName(format));
    reader.setAutoDetectImageFormat(false);
    const QString notThat =
        QStringLiteral("the file does not hold a whole %1 picture").arg(FormatTitle(format));
    // A BMP's size is read here first: the decoder refuses a huge one without saying why.
    if (format == PictureFormat::Bmp) {
        const std::optional<BmpHeader> header = ReadBmpHeader(data);
        if (!header) return Refused(notThat);
        const QSize claimed(int(std::min<qint64>(header->w, INT_MAX)),
                            int(std::min<qint64>(header->h, INT_MAX)));
        if (header->w * header->h > kMaxPicturePixels) return Refused(TooLargeReason(claimed));
        if (!BmpComplete(*header, data.size())) return Refused(notThat);
    }
    if (!reader.canRead()) return Refused(notThat);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) return Refused(notThat);
    if (qint64(size.width()) * size.height() > kMaxPicturePixels) return Refused(TooLargeReason(size));
    if (format == PictureFormat::Jpeg && !JpegComplete(data)) return Refused(notThat);
    if (format == PictureFormat::Png && !PngComplete(data)) return Refused(notThat);
    const QImage image = reader.read();
    if (image.isNull() || image.size() != size) return Refused(notThat);
    LoadedPicture out;
    out.status = LoadedPicture::Loaded;
    out.image = FlattenPicture(image);
    return out;
}

LoadedPicture LoadPicture(const QString& name) {
    const QFileInfo info(name);
    if (name.isEmpty() || !info.exists()) {
        LoadedPicture out;
        out.status = LoadedPicture::Missing;
        return out;
    }
    const PictureFormat format = FormatOfExtension(FileExtension(name));
    if (format == PictureFormat::Unknown) return DecodePicture(QByteArray(), format);
    if (info.isDir()) return Refused(QStringLiteral("it is a folder"));
    if (!info.isFile()) return Refused(QStringLiteral("it is not a plain file"));
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) return Refused(file.errorString());
    // Read in pieces up to the limit, whatever size the file claims.
    QByteArray data;
    std::vector<char> piece(1 << 16);
    for (;;) {
        const qint64 got = file.read(piece.data(), static_cast<qint64>(piece.size()));
        if (got < 0) return Refused(file.errorString());
        if (got == 0) break;
        if (data.size() + got > kMaxPictureFileBytes) return Refused(QStringLiteral("the file is too large"));
        data.append(piece.data(), got);
    }
    return DecodePicture(data, format);
}

QImage FlattenPicture(const QImage& picture) {
    if (!picture.hasAlphaChannel()) return picture.convertToFormat(QImage::Format_RGB32);
    QImage out(picture.size(), QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.drawImage(0, 0, picture);
    return out;
}

QImage StretchPicture(const QImage& picture, int w, int h) {
    if (w <= 0 || h <= 0) return QImage();
    QImage out(w, h, QImage::Format_RGB32);
    if (picture.isNull()) {
        out.fill(Qt::white);
        return out;
    }
    const QImage src = FlattenPicture(picture);
    const qint64 sw = src.width(), sh = src.height();
    std::vector<int> column(static_cast<std::size_t>(w));
    for (int x = 0; x < w; ++x)
        column[static_cast<std::size_t>(x)] = static_cast<int>((2 * qint64(x) + 1) * sw / (2 * qint64(w)));
    for (int y = 0; y < h; ++y) {
        const int sy = static_cast<int>((2 * qint64(y) + 1) * sh / (2 * qint64(h)));
        const auto* from = reinterpret_cast<const QRgb*>(src.constScanLine(sy));
        auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) to[x] = from[column[static_cast<std::size_t>(x)]];
    }
    return out;
}

}  // namespace vemlo
