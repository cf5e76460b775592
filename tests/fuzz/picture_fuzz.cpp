// Opens any bytes as a picture file of each kind, BMP, JPEG and PNG, through
// the checks and the decoding that Open Graph uses, then stretches what was
// decoded over the graphing image as Open Graph and Paste Graph show it. The
// bytes are also written to a file and opened by name as one of the three
// kinds (by the input's length): the file must give what the bytes gave.
// A decoded picture must be a whole opaque 24-bit picture within the size
// limit, a refused one must say why, and the stretch must give the image's
// exact size.
#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "output/PictureFiles.h"

namespace {

constexpr int kImageWidth = 776, kImageHeight = 466;

void Check(bool ok) {
    if (!ok) std::abort();
}

// The decoders' warnings would fill the fuzzer's output.
void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

QString Named(const QString& extension) {
    static QTemporaryDir dir;
    return dir.filePath(QStringLiteral("picture") + extension);
}

void Shown(const QImage& picture) {
    const QImage shown = vemlo::StretchPicture(picture, kImageWidth, kImageHeight);
    Check(shown.width() == kImageWidth && shown.height() == kImageHeight);
    Check(shown.format() == QImage::Format_RGB32);
    // Each pixel takes the source pixel under its centre.
    for (int y = 0; y < kImageHeight; y += 37) {
        const int x = (y * 7) % kImageWidth;
        const int sx = static_cast<int>((2 * qint64(x) + 1) * picture.width() / (2 * kImageWidth));
        const int sy = static_cast<int>((2 * qint64(y) + 1) * picture.height() / (2 * kImageHeight));
        Check(shown.pixel(x, y) == picture.pixel(sx, sy));
        Check(qAlpha(shown.pixel(x, y)) == 255);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The JPEG decoder is a plug-in, found through the application's paths.
    static QCoreApplication app(*argc, *argv);
    qInstallMessageHandler(Quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const vemlo::PictureFormat formats[] = {vemlo::PictureFormat::Bmp, vemlo::PictureFormat::Jpeg,
                                            vemlo::PictureFormat::Png};
    const char* const extensions[] = {".bmp", ".JPEG", ".png"};
    const std::size_t byName = size % 3;
    for (std::size_t i = 0; i < 3; ++i) {
        const vemlo::LoadedPicture p = vemlo::DecodePicture(bytes, formats[i]);
        if (i == byName) {
            const QString name = Named(QString::fromLatin1(extensions[i]));
            QFile file(name);
            Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
            file.close();
            const vemlo::LoadedPicture q = vemlo::LoadPicture(name);
            Check(q.status == p.status && q.image == p.image);
        }
        if (p.status == vemlo::LoadedPicture::Failed) {
            Check(p.image.isNull() && !p.error.isEmpty());
            continue;
        }
        Check(p.status == vemlo::LoadedPicture::Loaded);
        const QImage& image = p.image;
        Check(!image.isNull() && image.width() > 0 && image.height() > 0);
        Check(qint64(image.width()) * image.height() <= vemlo::kMaxPicturePixels);
        Check(image.format() == QImage::Format_RGB32);
        Shown(image);
    }
    return 0;
}
