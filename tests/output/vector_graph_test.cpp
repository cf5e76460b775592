// The display list of a drawing and the vector pictures made from it: the
// steps replay to the very pixels drawn, the vectors land where the pixels
// are, and the files are written whole or not at all.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <functional>

#include "engine/Contours.h"
#include "engine/Host.h"
#include "engine/Modes.h"
#include "output/GraphPicture.h"
#include "output/Pictures.h"
#include "output/RecordingCanvas.h"
#include "output/VectorGraph.h"

namespace vemlo {
namespace {

struct Drawn {
    QImage image;
    DisplayList steps;
};

// A graph drawn headless with its steps recorded, contours over it as the
// Contours command draws them.
void DrawRecorded(GraphState& g, Drawn& d, bool contours, QSize size = QSize(320, 240)) {
    d.image = DrawGraphPicture(g, size.width(), size.height(), EvalPath::Compiled, true, &d.steps);
    if (!contours) return;
    RecordingCanvas c(d.image, d.steps);
    c.setPenWidth(2);
    NullHost host;
    DrawContours(g, c, host, 20, 20, 8, false);
    c.flush();
}

GraphState Mode(char choice) {
    GraphState g;
    g.Choice = choice;
    ApplyModeDefaults(g, 0, 0);
    g.SFunc = "(2*x^2+3*y^2)*Exp(1-x^2-y^2)";
    return g;
}

// A shaded 40 x 40 surface with its box, plane and line, and contours.
void Hump(Drawn& d, QSize size = QSize(320, 240)) {
    GraphState g = Mode('1');
    g.DeltaX = g.DeltaY = 40;
    g.PlaneFlag = g.PlaneDraw = true;
    g.LineFlag = g.LineDraw = true;
    DrawRecorded(g, d, true, size);
}

QImage Replayed(const DisplayList& steps, QSize size) {
    QImage out(size, QImage::Format_RGB32);
    out.fill(Qt::white);
    QImageCanvas c(out);
    steps.replay(c, [&](int x, int y, const QImage& p) { c.copyPicture(x, y, p); });
    c.flush();
    return out;
}

// Pixels of a that no pixel of b within `reach` matches closely, as a fraction.
double Misplaced(const QImage& a, const QImage& b, int reach, int tolerance = 48) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size()) return 1.0;
    auto near = [&](QRgb p, QRgb q) {
        return std::abs(qRed(p) - qRed(q)) <= tolerance && std::abs(qGreen(p) - qGreen(q)) <= tolerance &&
               std::abs(qBlue(p) - qBlue(q)) <= tolerance;
    };
    long bad = 0;
    for (int j = 0; j < x.height(); ++j)
        for (int i = 0; i < x.width(); ++i) {
            const QRgb p = x.pixel(i, j);
            bool found = false;
            for (int dj = -reach; dj <= reach && !found; ++dj)
                for (int di = -reach; di <= reach && !found; ++di) {
                    const int u = i + di, v = j + dj;
                    found = y.valid(u, v) && near(p, y.pixel(u, v));
                }
            bad += !found;
        }
    return double(bad) / (double(x.width()) * x.height());
}

QImage PaintedVectors(const DisplayList& steps, QSize size) {
    QImage out(size, QImage::Format_RGB32);
    QPainter p(&out);
    // As a viewer without smoothing shows them.
    p.setRenderHint(QPainter::TextAntialiasing, false);
    PaintDisplayList(p, steps, size);
    return out;
}

TEST(DisplayList, RecordedGraphsReplayToTheSamePixels) {
    const struct {
        char mode;
        bool contours;
    } rows[] = {{'1', true}, {'2', true}, {'3', false}, {'4', false}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.mode);
        GraphState g = Mode(r.mode);
        Drawn d;
        DrawRecorded(g, d, r.contours);
        ASSERT_TRUE(d.steps.complete());
        EXPECT_GT(d.steps.ops().size(), 100u);
        EXPECT_EQ(Replayed(d.steps, d.image.size()), d.image);
    }
}

// Every kind of step, with the tools that change how it lands.
void EveryKindOfStep(QImageCanvas& c, bool texts) {
    c.setPenStyle(TPenStyle::DashDot);
    c.moveTo(5, 5);
    c.lineTo(60, 9);
    c.lineTo(61, 40);  // the dash runs on
    c.moveTo(61, 40);
    c.lineTo(61, 40);  // one pixel
    c.setPenStyle(TPenStyle::Solid);
    c.setPenWidth(3);
    c.setPenColor(0x0000FF);
    c.lineTo(10, 70);
    c.lineTo(10, 70);  // the wide pen's dot
    c.setBrushStyle(TBrushStyle::Clear);
    c.rectangle(70, 5, 110, 30);
    c.setBrushStyle(TBrushStyle::Solid);
    c.setBrushColor(0x00FF00);
    c.setPenWidth(1);
    c.rectangle(75, 40, 72, 60);  // corners given backwards
    c.fillRect(-10, 80, 30, 95);
    const PointType facet[] = {{40, 50}, {70, 60}, {55, 90}};
    c.setPenStyle(TPenStyle::Clear);
    c.polygon(facet, 3);
    c.setPenStyle(TPenStyle::Solid);
    const PointType star[] = {{90, 50}, {110, 95}, {80, 65}, {115, 65}, {85, 95}};
    c.polygon(star, 5);  // the centre is filled: non-zero rule
    if (texts) {
        c.setFontColor(0xFF00FF);
        c.setFontSize(12);
        c.textOut(5, 100, "a=1.5");
        c.setBrushStyle(TBrushStyle::Clear);
        c.textOut(60, 100, "Z= x^2");
    }
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(qRgb(10, 200, 30));
    c.copyPicture(100, 110, picture);
}

struct Recorded {
    QImage image{130, 130, QImage::Format_RGB32};
    DisplayList steps;
    explicit Recorded(bool texts) {
        image.fill(Qt::white);
        RecordingCanvas c(image, steps);
        EveryKindOfStep(c, texts);
        c.flush();
    }
};

TEST(DisplayList, EveryKindOfStepReplaysToTheSamePixels) {
    const Recorded r(true);
    // The rectangles' outlines are drawn inside them, not recorded as lines of their own.
    EXPECT_EQ(r.steps.ops().size(), 15u);
    EXPECT_EQ(Replayed(r.steps, r.image.size()), r.image);
}

TEST(DisplayList, VectorsCoverThePixelsDrawn) {
    const Recorded r(false);
    const QImage vectors = PaintedVectors(r.steps, r.image.size());
    EXPECT_LT(Misplaced(vectors, r.image, 1), 0.002);
    EXPECT_LT(Misplaced(r.image, vectors, 1), 0.002);
}

// The box around the pixels of a colour.
QRect Extent(const QImage& image, QRgb colour) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour) box |= QRect(x, y, 1, 1);
    return box;
}

TEST(DisplayList, VectorTextStandsWhereTheImageHasIt) {
    const Recorded r(true);
    const QImage vectors = PaintedVectors(r.steps, r.image.size());
    const QRgb font = toQColor(0xFF00FF).rgb();
    const QRect drawn = Extent(r.image, font), painted = Extent(vectors, font);
    ASSERT_FALSE(drawn.isEmpty());
    for (int d : {drawn.left() - painted.left(), drawn.right() - painted.right(), drawn.top() - painted.top(),
                  drawn.bottom() - painted.bottom()})
        EXPECT_LE(std::abs(d), 2) << "glyphs drawn from outlines, not from the screen's hinted bitmaps";
}

TEST(DisplayList, AStepThatCoversTheImageEmptiesTheList) {
    QImage image(50, 40, QImage::Format_RGB32);
    DisplayList steps;
    RecordingCanvas c(image, steps);
    const std::function<void()> covers[] = {
        [&] { c.fillRect(0, 0, 50, 40); },
        [&] { c.fillRect(60, 50, -5, -5); },
        [&] {
            c.setBrushStyle(TBrushStyle::Solid);
            c.rectangle(0, 0, 50, 40);
        },
        [&] { c.copyPicture(0, 0, QImage(50, 40, QImage::Format_RGB32)); },
    };
    for (const auto& cover : covers) {
        c.moveTo(1, 1);
        c.lineTo(20, 20);
        cover();
        EXPECT_EQ(steps.ops().size(), 1u);
    }
    // A clear rectangle or a part of the image hides nothing.
    const std::function<void()> keeps[] = {
        [&] {
            c.setBrushStyle(TBrushStyle::Clear);
            c.rectangle(0, 0, 50, 40);
        },
        [&] { c.fillRect(1, 0, 50, 40); },
        [&] { c.copyPicture(0, 0, QImage(50, 39, QImage::Format_RGB32)); },
    };
    for (const auto& keep : keeps) {
        const std::size_t before = steps.ops().size();
        keep();
        EXPECT_EQ(steps.ops().size(), before + 1);
    }
}

// Past its bound the list gives up what it kept rather than keep a part of
// the picture; a step covering the image makes it whole again.
TEST(DisplayList, TooManyStepsAreGivenUpWhole) {
    QImage image(20, 20, QImage::Format_RGB32);
    DisplayList steps;
    RecordingCanvas c(image, steps);
    for (std::size_t i = 0; i <= DisplayList::kMaxOps; ++i) c.moveTo(1, 1);
    EXPECT_FALSE(steps.complete());
    EXPECT_TRUE(steps.empty());
    c.lineTo(5, 5);
    EXPECT_TRUE(steps.empty());
    c.fillRect(0, 0, 20, 20);
    EXPECT_TRUE(steps.complete());
    EXPECT_EQ(steps.ops().size(), 1u);
}

TEST(VectorGraph, FormatFollowsTheExtension) {
    const struct {
        const char* name;
        VectorFormat format;
    } rows[] = {{"g.pdf", VectorFormat::Pdf},        {"g.PDF", VectorFormat::Pdf},
                {"a.b/g.svg", VectorFormat::Svg},    {"g.SVG", VectorFormat::Svg},
                {"g.Pdf", VectorFormat::Unknown},    {"g.png", VectorFormat::Unknown},
                {"pdf", VectorFormat::Unknown},      {"dir.pdf/g", VectorFormat::Unknown},
                {"g.pdf.txt", VectorFormat::Unknown}};
    for (const auto& r : rows) EXPECT_EQ(VectorFormatOf(QString::fromLatin1(r.name)), r.format) << r.name;
}

class VectorFiles : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QStringList Entries() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }
    QTemporaryDir dir;
};

// The SVG holds one filled shape per facet drawn, a stroke per run of lines
// and each text as text.
TEST_F(VectorFiles, SvgHoldsEveryFacetLineAndText) {
    Drawn d;
    Hump(d);
    std::size_t facets = 0, texts = 0, lines = 0;
    for (std::size_t i = 0; i < d.steps.ops().size(); ++i) {
        const DisplayList::Op& op = d.steps.ops()[i];
        facets += op.kind == DisplayList::Kind::Polygon && op.brushStyle != TBrushStyle::Clear;
        texts += op.kind == DisplayList::Kind::Text;
        lines += op.kind == DisplayList::Kind::LineTo && op.penStyle != TPenStyle::Clear;
    }
    ASSERT_GT(facets, 1000u) << "40 x 40 facets, some hidden from view";
    ASSERT_GT(texts, 0u);
    ASSERT_TRUE(WriteVectorImage(Path("g.svg"), VectorFormat::Svg, d.steps, d.image.size()));
    QFile f(Path("g.svg"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&f);
    // Fill and stroke come from the shape or the group around it.
    std::vector<QString> fills{QStringLiteral("black")};
    std::size_t filled = 0, strokes = 0, svgTexts = 0;
    QString width;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType t = xml.readNext();
        if (t == QXmlStreamReader::EndElement) {
            fills.pop_back();
            continue;
        }
        if (t != QXmlStreamReader::StartElement) continue;
        const QStringView n = xml.name();
        const QStringView own = xml.attributes().value("fill");
        fills.push_back(own.isEmpty() ? fills.back() : own.toString());
        if (n == u"svg") width = xml.attributes().value("width").toString();
        if (n == u"text") ++svgTexts;
        if (n == u"path") ++(fills.back() == u"none" ? strokes : filled);
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(filled, facets);
    EXPECT_EQ(svgTexts, texts);
    EXPECT_GT(strokes, 0u);
    EXPECT_LE(strokes, lines) << "runs of lines, each at most one path";
    EXPECT_EQ(width, QStringLiteral("112.889mm")) << "320 pixels are 320 points";
    EXPECT_EQ(Entries(), QStringList{"g.svg"});
}

QString Pdftoppm() { return QStandardPaths::findExecutable(QStringLiteral("pdftoppm")); }

// Renders the first page at four pixels per point, without smoothing, and
// takes from each four by four block the pixel at its centre: the picture
// sampled where the image canvas samples it.
QImage RenderPdf(const QString& pdf, const QString& stem) {
    constexpr int kScale = 4;
    QProcess p;
    p.start(Pdftoppm(), {"-r", QString::number(72 * kScale), "-aa", "no", "-aaVector", "no", "-png",
                         "-singlefile", pdf, stem});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return QImage();
    const QImage fine = QImage(stem + ".png").convertToFormat(QImage::Format_RGB32);
    QImage out(fine.width() / kScale, fine.height() / kScale, QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) out.setPixel(x, y, fine.pixel(kScale * x + 2, kScale * y + 2));
    return out;
}

TEST_F(VectorFiles, PdfRendersCloseToTheBitmap) {
    if (Pdftoppm().isEmpty()) GTEST_SKIP() << "pdftoppm is not installed";
    Drawn d;
    Hump(d, QSize(640, 480));
    ASSERT_TRUE(WriteVectorImage(Path("g.pdf"), VectorFormat::Pdf, d.steps, d.image.size()));
    const QImage back = RenderPdf(Path("g.pdf"), Path("back"));
    ASSERT_EQ(back.size(), d.image.size()) << "one point per pixel";
    // Everything within a pixel of its place: moved by two pixels, about 1 %
    // of the pixels would be out of place.
    EXPECT_LT(Misplaced(back, d.image, 1), 0.004);
    EXPECT_LT(Misplaced(d.image, back, 1), 0.004);
}

TEST_F(VectorFiles, FullGraphPdfIsLaidOutAsTheFullPicture) {
    if (Pdftoppm().isEmpty()) GTEST_SKIP() << "pdftoppm is not installed";
    GraphState g = Mode('1');
    g.DeltaX = g.DeltaY = 40;
    Drawn d;
    DrawRecorded(g, d, true);
    g.LMapX = 120;
    g.LMapY = 150;
    g.FLeft = 172;
    g.ILeft = 95;
    g.Title = "Hump";
    g.Par[1] = 1.5;
    QImage PicMap, LMap;
    SaveTheGraph(g, d.image, PicMap, LMap);
    ASSERT_TRUE(WriteVectorGraph(Path("full.pdf"), VectorFormat::Pdf, g, d.steps, d.image.size()));
    const QImage back = RenderPdf(Path("full.pdf"), Path("back"));
    ASSERT_EQ(back.size(), LMap.size());
    // Glyphs are drawn from their outlines rather than the screen's bitmaps.
    EXPECT_LT(Misplaced(back, LMap, 1), 0.004);
    EXPECT_LT(Misplaced(LMap, back, 1), 0.004);
}

// Titles are the user's own text: whatever they hold, the SVG stays well formed.
TEST_F(VectorFiles, SvgTextsKeepEveryCharacter) {
    GraphState g = Mode('1');
    Drawn d;
    DrawRecorded(g, d, false);
    g.LMapX = 120;
    g.LMapY = 150;
    const std::string title = "a<b & \"c\" > 'd' \xC3\xA9";
    g.Title = title;
    ASSERT_TRUE(WriteVectorGraph(Path("t.svg"), VectorFormat::Svg, g, d.steps, d.image.size()));
    QFile f(Path("t.svg"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&f);
    QStringList texts;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text")
            texts << xml.readElementText().trimmed();
        else if (xml.tokenType() == QXmlStreamReader::StartElement && xml.name() == u"title")
            texts << xml.readElementText();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(texts.count(QString::fromStdString(title)), 2)
        << "the sheet's title and the document's" << texts.join('|').toStdString();
}

TEST_F(VectorFiles, AFailedWriteLeavesTheOldFileAndNothingElse) {
    Drawn d;
    Hump(d);
    {
        QFile f(Path("g.pdf"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("keep me");
    }
    QString error;
    EXPECT_FALSE(WriteVectorImage(Path("g.pdf"), VectorFormat::Unknown, d.steps, d.image.size(), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(WriteVectorImage(Path("g.pdf"), VectorFormat::Pdf, d.steps, QSize(0, 0), &error));
    EXPECT_FALSE(WriteVectorImage(Path("no/such/g.pdf"), VectorFormat::Pdf, d.steps, d.image.size(), &error));
    EXPECT_FALSE(error.isEmpty());
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub.svg"));
    EXPECT_FALSE(WriteVectorImage(Path("sub.svg"), VectorFormat::Svg, d.steps, d.image.size(), &error));
    QFile f(Path("g.pdf"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("keep me"));
    f.close();
    EXPECT_EQ(Entries(), (QStringList{"g.pdf", "sub.svg"}));
    // A write that succeeds replaces the file whole.
    ASSERT_TRUE(WriteVectorImage(Path("g.pdf"), VectorFormat::Pdf, d.steps, d.image.size(), &error));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("%PDF-"));
    EXPECT_EQ(Entries(), (QStringList{"g.pdf", "sub.svg"}));
}

}  // namespace
}  // namespace vemlo
