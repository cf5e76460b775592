#include <gtest/gtest.h>
#include <unistd.h>

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <functional>

#include "output/Clipboard.h"
#include "output/PictureFiles.h"

namespace vemlo {
namespace {

// A picture whose every pixel differs from its neighbours.
QImage Pattern(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb((x * 7) & 255, (y * 13) & 255, (x * y) & 255));
    return img;
}

QByteArray Encoded(const QImage& img, const char* format, int quality = -1) {
    QByteArray data;
    QBuffer b(&data);
    b.open(QIODevice::WriteOnly);
    img.save(&b, format, quality);
    return data;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& data) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(data), data.size());
}

QStringList Entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

TEST(PictureNames, ExtensionsAreComparedExactly) {
    const struct {
        const char* name;
        const char* extension;
        PictureFormat format;
    } rows[] = {
        {"graph.bmp", ".bmp", PictureFormat::Bmp},       {"graph.BMP", ".BMP", PictureFormat::Bmp},
        {"graph.Bmp", ".Bmp", PictureFormat::Unknown},   {"graph.jpg", ".jpg", PictureFormat::Jpeg},
        {"graph.JPG", ".JPG", PictureFormat::Jpeg},      {"graph.jpeg", ".jpeg", PictureFormat::Jpeg},
        {"graph.JPEG", ".JPEG", PictureFormat::Jpeg},    {"graph.Jpg", ".Jpg", PictureFormat::Unknown},
        {"graph.png", ".png", PictureFormat::Png},       {"graph.PNG", ".PNG", PictureFormat::Png},
        {"graph.pNg", ".pNg", PictureFormat::Unknown},   {"my.graph.png", ".png", PictureFormat::Png},
        {"graph", "", PictureFormat::Unknown},           {"/home/a.b/graph", "", PictureFormat::Unknown},
        {"/home/a.b/c.png", ".png", PictureFormat::Png}, {"graph.", ".", PictureFormat::Unknown},
        {"graph.gif", ".gif", PictureFormat::Unknown},   {"graph.png ", ".png ", PictureFormat::Unknown},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(FileExtension(QString::fromUtf8(r.name)), QString::fromUtf8(r.extension)) << r.name;
        EXPECT_EQ(FormatOfExtension(FileExtension(QString::fromUtf8(r.name))), r.format) << r.name;
    }
}

TEST(PictureNames, SaveTargetsOfTheTwoCommands) {
    using F = PictureFormat;
    const struct {
        const char* chosen;
        const char* fullName;
        F full;
        const char* insideName;
        F inside;
    } rows[] = {
        {"graph", "graph", F::Unknown, "graph.bmp", F::Bmp},
        {"/d.x/graph", "/d.x/graph", F::Unknown, "/d.x/graph.bmp", F::Bmp},
        {"graph.BMP", "graph.BMP", F::Bmp, "graph.bmp", F::Bmp},
        {"graph.bmp", "graph.bmp", F::Bmp, "graph.bmp", F::Bmp},
        {"graph.Jpg", "graph.Jpg", F::Unknown, "graph.Jpg", F::Unknown},
        {"graph.JPEG", "graph.JPEG", F::Jpeg, "graph.JPEG", F::Jpeg},
        {"my.graph.png", "my.graph.png", F::Png, "my.graph.png", F::Png},
        {"graph.", "graph.", F::Unknown, "graph.", F::Unknown},
    };
    for (const auto& r : rows) {
        const SaveTarget full = FullGraphTarget(QString::fromUtf8(r.chosen));
        const SaveTarget inside = InsideGraphTarget(QString::fromUtf8(r.chosen));
        EXPECT_EQ(full.format, r.full) << r.chosen;
        EXPECT_EQ(inside.format, r.inside) << r.chosen;
        if (r.full != F::Unknown) {
            EXPECT_EQ(full.name, QString::fromUtf8(r.fullName)) << r.chosen;
        }
        if (r.inside != F::Unknown) {
            EXPECT_EQ(inside.name, QString::fromUtf8(r.insideName)) << r.chosen;
        }
    }
}

class PictureFiles : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    QTemporaryDir dir;
};

// Squares of 16 pixels, each of one colour: what a JPEG keeps nearly exactly.
QImage Squares(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb((x / 16) * 40 % 256, (y / 16) * 50 % 256, 128));
    return img;
}

// BMP and PNG come back pixel for pixel; JPEG at quality 100 nearly so (its
// colour is kept at half resolution, so only the edges of the squares move). Each
// save leaves the one chosen file and nothing else.
TEST_F(PictureFiles, SavedPicturesComeBack) {
    const struct {
        const char* name;
        bool (*save)(const QImage&, const QString&, QString*);
        QImage img;
        int tolerance;
    } rows[] = {{"a.bmp", Bitmap2BMP, Pattern(157, 93), 0},
                {"b.PNG", Bitmap2PNG, Pattern(157, 93), 0},
                {"c.jpeg", Bitmap2JPEG, Squares(160, 96), 300}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const QImage& img = r.img;
        QString error;
        ASSERT_TRUE(r.save(img, Path(r.name), &error)) << error.toStdString();
        EXPECT_EQ(Entries(dir.path()), QStringList{QString::fromUtf8(r.name)});
        const LoadedPicture back = LoadPicture(Path(r.name));
        ASSERT_EQ(back.status, LoadedPicture::Loaded) << back.error.toStdString();
        ASSERT_EQ(back.image.size(), img.size());
        // The mean difference per colour channel, in hundredths.
        long long sum = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb a = img.pixel(x, y), b = back.image.pixel(x, y);
                sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                       std::abs(qBlue(a) - qBlue(b));
            }
        EXPECT_LE(sum * 100 / (3LL * img.width() * img.height()), r.tolerance);
        QFile::remove(Path(r.name));
    }
}

TEST_F(PictureFiles, BmpHas24BitsPerPixelAndJpegQuality100) {
    ASSERT_TRUE(Bitmap2BMP(Pattern(10, 10), Path("g.bmp")));
    const QByteArray bmp = ReadAll(Path("g.bmp"));
    ASSERT_GT(bmp.size(), 30);
    EXPECT_EQ(bmp.left(2), QByteArray("BM"));
    EXPECT_EQ(static_cast<int>(static_cast<uchar>(bmp[28])), 24);
    EXPECT_EQ(bmp[29], 0);

    // At quality 100 every entry of the quantisation tables is 1.
    ASSERT_TRUE(Bitmap2JPEG(Pattern(64, 64), Path("g.jpg")));
    const QByteArray jpg = ReadAll(Path("g.jpg"));
    int tables = 0;
    for (qsizetype i = jpg.indexOf("\xFF\xDB"); i >= 0; i = jpg.indexOf("\xFF\xDB", i + 2)) {
        const int length = (uchar(jpg[i + 2]) << 8) | uchar(jpg[i + 3]);
        for (qsizetype t = i + 4; t < i + 2 + length; t += 65, ++tables) {
            ASSERT_EQ(uchar(jpg[t]) >> 4, 0) << "8-bit table";
            for (int k = 1; k <= 64; ++k)
                ASSERT_EQ(uchar(jpg[t + k]), 1) << "table " << tables << " entry " << k;
        }
    }
    EXPECT_GE(tables, 1);
}

// A write that fails keeps the file that was there and leaves nothing behind.
TEST_F(PictureFiles, FailedSaveKeepsTheOldFileAndLeavesNoOther) {
    Write(Path("keep.jpg"), "the user's old picture");
    QString error;
    // Wider than any JPEG can be: the encoder fails after the file was opened.
    EXPECT_FALSE(Bitmap2JPEG(QImage(70000, 1, QImage::Format_RGB32), Path("keep.jpg"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadAll(Path("keep.jpg")), QByteArray("the user's old picture"));
    EXPECT_EQ(Entries(dir.path()), QStringList{"keep.jpg"});

    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.png"));
    error.clear();
    EXPECT_FALSE(Bitmap2PNG(Pattern(4, 4), Path("folder.png"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(Entries(Path("folder.png")).isEmpty());

    error.clear();
    EXPECT_FALSE(Bitmap2BMP(Pattern(4, 4), Path("no/such/folder/x.bmp"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(Entries(dir.path()), (QStringList{"folder.png", "keep.jpg"}));
}

quint32 Crc32(const QByteArray& data) {
    quint32 c = 0xFFFFFFFFu;
    for (char ch : data) {
        c ^= static_cast<uchar>(ch);
        for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return ~c;
}

void PutBigEndian(QByteArray& d, int at, quint32 v, int bytes) {
    for (int i = 0; i < bytes; ++i) d[at + i] = static_cast<char>(v >> (8 * (bytes - 1 - i)));
}

void PutLittleEndian(QByteArray& d, int at, quint32 v) {
    for (int i = 0; i < 4; ++i) d[at + i] = static_cast<char>(v >> (8 * i));
}

// Every file here is refused with the graph's picture untouched; the size
// checks come before any pixel is decoded, so nothing large is allocated.
TEST_F(PictureFiles, HostileFilesAreRefused) {
    const QImage img = Pattern(120, 80);
    const QByteArray png = Encoded(img, "png"), jpg = Encoded(img, "jpeg", 90), bmp = Encoded(img, "bmp");

    QByteArray hugePng = png;  // IHDR width and height, with the chunk's checksum mended
    PutBigEndian(hugePng, 16, 100000, 4);
    PutBigEndian(hugePng, 20, 100000, 4);
    PutBigEndian(hugePng, 29, Crc32(hugePng.mid(12, 17)), 4);
    QByteArray hugeBmp = bmp;
    PutLittleEndian(hugeBmp, 18, 100000);
    PutLittleEndian(hugeBmp, 22, 100000);
    QByteArray hugeJpg = jpg;  // height and width of the frame header
    const qsizetype sof = hugeJpg.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    PutBigEndian(hugeJpg, int(sof) + 5, 65000, 2);
    PutBigEndian(hugeJpg, int(sof) + 7, 65000, 2);

    using S = LoadedPicture::Status;
    struct Row {
        const char* name;
        std::function<void(const QString&)> make;  // nothing: the file is not made
        S status;
        const char* reason;  // part of the error, or empty
    };
    auto bytes = [](QByteArray d) { return [d](const QString& p) { Write(p, d); }; };
    const Row rows[] = {
        {"empty.png", bytes(QByteArray()), S::Failed, "empty"},
        {"empty.jpg", bytes(QByteArray()), S::Failed, "empty"},
        {"half.png", bytes(png.left(png.size() / 2)), S::Failed, "PNG"},
        {"short.png", bytes(png.left(png.size() - 1)), S::Failed, "PNG"},
        {"half.jpg", bytes(jpg.left(jpg.size() / 2)), S::Failed, "JPEG"},
        {"noend.jpg", bytes(jpg.left(jpg.size() - 2)), S::Failed, "JPEG"},
        {"header.jpg", bytes(jpg.left(300)), S::Failed, "JPEG"},
        {"half.bmp", bytes(bmp.left(bmp.size() / 2)), S::Failed, "BMP"},
        {"short.bmp", bytes(bmp.left(bmp.size() - 1)), S::Failed, "BMP"},
        {"garbage.png", bytes(QByteArray("this is not a picture at all\n").repeated(40)), S::Failed, "PNG"},
        {"flipped.png", bytes(QByteArray(png).replace(200, 40, QByteArray(40, '\x5A'))), S::Failed, "PNG"},
        {"png-as.jpg", bytes(png), S::Failed, "JPEG"},
        {"jpeg-as.bmp", bytes(jpg), S::Failed, "BMP"},
        {"bmp-as.PNG", bytes(bmp), S::Failed, "PNG"},
        {"huge.png", bytes(hugePng), S::Failed, "too large (100000 x 100000"},
        {"huge.bmp", bytes(hugeBmp), S::Failed, "too large (100000 x 100000"},
        {"noend.png", bytes(png.left(png.size() - 12)), S::Failed, "PNG"},
        {"huge.jpg", bytes(hugeJpg), S::Failed, "too large (65000 x 65000"},
        {"folder.png", [](const QString& p) { ASSERT_TRUE(QDir().mkdir(p)); }, S::Failed, "folder"},
        {"missing.png", nullptr, S::Missing, ""},
        {"dangling.png", [](const QString& p) { ASSERT_TRUE(QFile::link(p + ".gone", p)); }, S::Missing, ""},
        {"picture.txt", bytes(png), S::NotAPictureName, ""},
        {"picture", bytes(png), S::NotAPictureName, ""},
        {"picture.Png", bytes(png), S::NotAPictureName, ""},
        // Bytes after the end of a JPEG do not spoil it.
        {"trailer.jpg", bytes(jpg + QByteArray(100, '\0')), S::Loaded, ""},
#ifdef Q_OS_LINUX
        // A file the system refuses to read, even to its owner.
        {"refused.png", [](const QString& p) { ASSERT_TRUE(QFile::link("/proc/self/mem", p)); }, S::Failed,
         ""},
#endif
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const QString path = Path(r.name);
        if (r.make) r.make(path);
        const LoadedPicture got = LoadPicture(path);
        EXPECT_EQ(got.status, r.status) << got.error.toStdString();
        if (r.status != S::Loaded) {
            EXPECT_TRUE(got.image.isNull());
        }
        if (r.status == S::Failed) {
            EXPECT_FALSE(got.error.isEmpty());
        }
        EXPECT_TRUE(got.error.contains(QString::fromUtf8(r.reason))) << got.error.toStdString();
    }

    // A file without read permission, where permissions hold (not for root).
    if (geteuid() != 0) {
        Write(Path("locked.png"), png);
        ASSERT_TRUE(QFile::setPermissions(Path("locked.png"), QFileDevice::Permissions()));
        const LoadedPicture got = LoadPicture(Path("locked.png"));
        EXPECT_EQ(got.status, LoadedPicture::Failed);
        EXPECT_FALSE(got.error.isEmpty());
    }
}

TEST(PictureStretch, OverTheWholeImageEachAxisOnItsOwn) {
    const QImage src = Pattern(100, 100);
    const QImage out = StretchPicture(src, 776, 466);
    ASSERT_EQ(out.size(), QSize(776, 466));
    EXPECT_EQ(out.format(), QImage::Format_RGB32);
    // Each target pixel shows the source pixel under its centre: 7.76 target
    // columns and 4.66 target rows per source pixel.
    for (int y = 0; y < 466; ++y)
        for (int x = 0; x < 776; ++x)
            ASSERT_EQ(out.pixel(x, y), src.pixel(int((x + 0.5) / 7.76), int((y + 0.5) / 4.66)))
                << x << "," << y;
    // So every source column gets 7 or 8 target columns, every row 4 or 5.
    std::vector<int> columns(100), rows(100);
    for (int x = 0; x < 776; ++x) ++columns[std::size_t(int((x + 0.5) / 7.76))];
    for (int y = 0; y < 466; ++y) ++rows[std::size_t(int((y + 0.5) / 4.66))];
    for (int i = 0; i < 100; ++i) {
        EXPECT_TRUE(columns[std::size_t(i)] == 7 || columns[std::size_t(i)] == 8) << i;
        EXPECT_TRUE(rows[std::size_t(i)] == 4 || rows[std::size_t(i)] == 5) << i;
    }

    const QImage same = Pattern(466, 466);
    EXPECT_EQ(StretchPicture(same, 466, 466), same);
    const QImage wide = StretchPicture(Pattern(200, 100), 466, 466);
    EXPECT_EQ(wide.pixel(465, 465), Pattern(200, 100).pixel(199, 99));
    EXPECT_EQ(wide.pixel(0, 0), Pattern(200, 100).pixel(0, 0));
}

TEST(PictureStretch, TransparentPartsBecomeWhite) {
    QImage src(2, 1, QImage::Format_ARGB32);
    src.setPixel(0, 0, qRgba(0, 0, 0, 0));
    src.setPixel(1, 0, qRgba(10, 20, 30, 255));
    const QImage out = StretchPicture(src, 4, 2);
    EXPECT_EQ(out.pixel(0, 1), qRgb(255, 255, 255));
    EXPECT_EQ(out.pixel(3, 1), qRgb(10, 20, 30));
}

TEST(ClipboardPictures, CopyThenPasteGivesTheSamePixels) {
    const QImage img = Pattern(233, 71);
    PutPictureOnClipboard(img);
    const ClipboardPicture back = PictureFromClipboard();
    ASSERT_EQ(back.status, ClipboardPicture::Loaded);
    EXPECT_EQ(back.image, img);

    QGuiApplication::clipboard()->setText(QStringLiteral("Z= x*y"));
    EXPECT_EQ(PictureFromClipboard().status, ClipboardPicture::NoBitmap);
    QGuiApplication::clipboard()->setImage(QImage());
    EXPECT_EQ(PictureFromClipboard().status, ClipboardPicture::NoBitmap);
    auto* empty = new QMimeData;
    empty->setImageData(QImage(0, 0, QImage::Format_RGB32));
    QGuiApplication::clipboard()->setMimeData(empty);
    EXPECT_EQ(PictureFromClipboard().status, ClipboardPicture::NoBitmap);
    QGuiApplication::clipboard()->clear();
    EXPECT_EQ(PictureFromClipboard().status, ClipboardPicture::NoBitmap);
}

}  // namespace
}  // namespace vemlo
