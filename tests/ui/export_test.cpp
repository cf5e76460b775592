// File > Save Graph > Export Vector Graph: the graphing image's steps kept
// as it is drawn, written as PDF or SVG with the full picture's layout.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "dialog_driver.h"
#include "output/PictureFiles.h"
#include "output/QImageCanvas.h"
#include "ui/TImage.h"
#include "ui/Zlevels.h"
#include "ui_fixture.h"

namespace vemlo::testing {
namespace {

using Steps = ModalSteps;

class ExportTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override {
        TheGraph().Title.clear();
        VemloScrn1->DrawBox1->setChecked(false);
        ZlevelsFm->close();
        UiTest::TearDown();
    }

    // A shaded 40 x 40 surface with its box, contours over it.
    static void DrawWithContoursAndBox() {
        Pick('1');
        GraphState& G = TheGraph();
        G.SFunc = "(2*x^2+3*y^2)*Exp(1-x^2-y^2)";
        G.DeltaX = G.DeltaY = 40;
        VemloScrn1->DrawBox1->setChecked(true);
        VemloScrn1->DrawButn2->click();
        QApplication::processEvents();
        Item("Draw4")->trigger();
        QApplication::processEvents();
    }
    static void Run(QAction* item, std::vector<Steps::Step> answers) {
        Steps steps(std::move(answers));
        item->trigger();
        QApplication::processEvents();
        EXPECT_TRUE(steps.allDone()) << steps.done() << " windows answered";
    }
    // The image's steps drawn again on a new white image.
    static QImage Replayed() {
        const DisplayList& steps = VemloScrn1->Image1->displayList();
        QImage out(VemloScrn1->Image1->size(), QImage::Format_RGB32);
        out.fill(Qt::white);
        QImageCanvas c(out);
        steps.replay(c, [&](int x, int y, const QImage& p) { c.copyPicture(x, y, p); });
        c.flush();
        return out;
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    QStringList Entries() const {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir;
};

// Whatever the commands draw, opening a picture included, the steps kept
// draw the image as it shows.
TEST_F(ExportTest, TheKeptStepsAlwaysDrawTheImageAsShown) {
    DrawWithContoursAndBox();
    ASSERT_TRUE(VemloScrn1->Image1->displayList().complete());
    EXPECT_EQ(Replayed(), VemloScrn1->Image1->picture()) << "drawn, contours and box";

    VemloScrn1->Arrow1Click();
    EXPECT_EQ(Replayed(), VemloScrn1->Image1->picture()) << "turned by an arrow";
    const std::size_t turned = VemloScrn1->Image1->displayList().ops().size();
    VemloScrn1->Arrow4Click();
    EXPECT_LT(VemloScrn1->Image1->displayList().ops().size(), turned * 3 / 2)
        << "a new drawing does not pile up on the old one";

    Run(VemloScrn1->SaveOnlyInsideRectangle1, {Steps::File("SavePictureDialog1", Path("g.png"))});
    VemloScrn1->ClearScreen1->trigger();
    EXPECT_EQ(Replayed(), VemloScrn1->Image1->picture()) << "cleared";
    Run(VemloScrn1->OpenGraph1, {Steps::File("OpenPictureDialog1", Path("g.png"))});
    VemloScrn1->DrawAxes1->trigger();
    QApplication::processEvents();
    EXPECT_EQ(Replayed(), VemloScrn1->Image1->picture()) << "a picture opened, axes over it";
}

TEST_F(ExportTest, SvgHoldsEveryFacetLineAndText) {
    DrawWithContoursAndBox();
    const DisplayList& steps = VemloScrn1->Image1->displayList();
    std::size_t facets = 0, texts = 0;
    for (const DisplayList::Op& op : steps.ops()) {
        facets += op.kind == DisplayList::Kind::Polygon && op.brushStyle != TBrushStyle::Clear;
        texts += op.kind == DisplayList::Kind::Text;
    }
    ASSERT_GT(facets, 1000u);
    TheGraph().Title = "Hump";
    Run(VemloScrn1->ExportVectorGraph1, {Steps::File("ExportDialog1", Path("g.svg"))});
    ASSERT_EQ(Entries(), QStringList{"g.svg"});
    QFile f(Path("g.svg"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&f);
    std::vector<QString> fills{QStringLiteral("black")};
    std::size_t filled = 0, strokes = 0;
    QStringList svgTexts;
    QString viewBox;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType t = xml.readNext();
        if (t == QXmlStreamReader::EndElement) {
            fills.pop_back();
            continue;
        }
        if (t != QXmlStreamReader::StartElement) continue;
        const QStringView own = xml.attributes().value("fill");
        fills.push_back(own.isEmpty() ? fills.back() : own.toString());
        if (xml.name() == u"svg") viewBox = xml.attributes().value("viewBox").toString();
        if (xml.name() == u"path") ++(fills.back() == u"none" ? strokes : filled);
        if (xml.name() == u"text") {
            svgTexts << xml.readElementText().trimmed();  // reads through its end
            fills.pop_back();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(filled, facets);
    EXPECT_GT(strokes, 50u) << "grid lines, contours, box and axes";
    // The sheet's title and formula besides the axis letters of the image.
    EXPECT_EQ(std::size_t(svgTexts.size()), texts + 2) << svgTexts.join('|').toStdString();
    EXPECT_TRUE(svgTexts.contains(QStringLiteral("Hump")));
    EXPECT_TRUE(svgTexts.contains(QStringLiteral("Z= (2*x^2+3*y^2)*Exp(1-x^2-y^2)")))
        << svgTexts.join('|').toStdString();
    EXPECT_EQ(viewBox, QStringLiteral("0 0 %1 %2").arg(776 + 240).arg(466 + 150))
        << "the full picture's size";
}

TEST_F(ExportTest, PdfRendersAsTheFullPicture) {
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm is not installed";
    DrawWithContoursAndBox();
    Run(VemloScrn1->ExportVectorGraph1, {Steps::File("ExportDialog1", Path("g.pdf"))});
    VemloScrn1->ComposePictures();
    const QImage full = VemloScrn1->LMap.image();
    // Rendered at four pixels per point, sampled at the pixels' centres.
    QProcess p;
    p.start(pdftoppm, {"-r", "288", "-aa", "no", "-aaVector", "no", "-png", "-singlefile", Path("g.pdf"),
                       Path("back")});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0);
    const QImage fine = QImage(Path("back.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(fine.size(), full.size() * 4);
    long far = 0;
    for (int y = 0; y < full.height(); ++y)
        for (int x = 0; x < full.width(); ++x) {
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx) {
                    if (!full.valid(x + dx, y + dy)) continue;
                    const QRgb a = fine.pixel(4 * x + 2, 4 * y + 2), b = full.pixel(x + dx, y + dy);
                    near = std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                               std::abs(qBlue(a) - qBlue(b)) <
                           96;
                }
            far += !near;
        }
    EXPECT_LT(double(far) / (full.width() * full.height()), 0.004);
}

TEST_F(ExportTest, WrongNamesAndPlacesAreRefusedAndNothingIsWritten) {
    DrawWithContoursAndBox();
    for (const char* name : {"g.png", "g", "g.Pdf", "g.svgz"}) {
        SCOPED_TRACE(name);
        ShownBox box;
        Run(VemloScrn1->ExportVectorGraph1, {Steps::File("ExportDialog1", Path(name)), Steps::Box(&box)});
        EXPECT_EQ(box.text, QStringLiteral("Sorry, can only export to PDF or SVG"));
        EXPECT_TRUE(Entries().isEmpty());
    }
    ShownBox box;
    Run(VemloScrn1->ExportVectorGraph1,
        {Steps::File("ExportDialog1", Path("no/such/folder/g.pdf")), Steps::Box(&box)});
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_TRUE(
        box.text.startsWith(QStringLiteral("Cannot write the file ") + Path("no/such/folder/g.pdf") + ": "))
        << box.text.toStdString();
    EXPECT_TRUE(Entries().isEmpty());

    VemloScrn1->Image1->removePicture();
    Run(VemloScrn1->ExportVectorGraph1, {Steps::File("ExportDialog1", Path("g.pdf")), Steps::Box(&box)});
    EXPECT_EQ(box.title, QStringLiteral("No image"));
    EXPECT_TRUE(Entries().isEmpty());
    // Cancelling the dialog ends the command quietly.
    Run(VemloScrn1->ExportVectorGraph1, {Steps::File("ExportDialog1", Path("g.pdf"), false)});
    EXPECT_TRUE(Entries().isEmpty());
}

}  // namespace
}  // namespace vemlo::testing
