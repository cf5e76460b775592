// The graph leaving the program and coming back: picture files, the
// clipboard and the printer, driven through the window's menu and dialogs.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "dialog_driver.h"
#include "dialog_driver.h"
#include "ui_fixture.h"
#include "output/PictureFiles.h"
#include "ui/Eqn1Dlg.h"
#include "ui/FileCommands.h"
#include "ui/TImage.h"

namespace vemlo::testing {
namespace {

using Steps = ModalSteps;

const QString kSaveRefused = QStringLiteral("Sorry, can only save to Bitmaps\rJPEGs or PNGs ");
const QString kOpenRefused = QStringLiteral("Sorry, only Bitmaps, JPEGs\ror PNGs can be opened");

class FilesTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override {
        VemloScrn1->Files->Printer1.setOutputFileName(QString());
        UiTest::TearDown();
    }

    // Mode '1' with a drawn surface, so the image is far from blank.
    static void DrawHump() {
        Pick('1');
        ModalAnswer a(EqnDlg, {{"Edit1", "(2*x^2+3*y^2)*Exp(1-x^2-y^2)"}});
        VemloScrn1->Function1->trigger();
        ASSERT_TRUE(a.shown());
        VemloScrn1->DrawButn2->click();
        QApplication::processEvents();
    }
    static QImage Picture() { return VemloScrn1->Image1->picture(); }
    // Runs the command with its windows answered in turn; any other window is a failure.
    static void Run(QAction* item, std::vector<Steps::Step> answers) {
        Steps steps(std::move(answers));
        item->trigger();
        QApplication::processEvents();
        EXPECT_TRUE(steps.allDone()) << steps.done() << " windows answered";
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    QStringList Entries() const {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }
    QImage Load(const char* name) const { return LoadPicture(Path(name)).image; }

    QTemporaryDir dir;
};

// What the graph state holds besides the image: opening or pasting changes none of it.
struct StateSnapshot {
    std::string SFunc, Title;
    double Theta, Phi, Rho, MinX, MaxX;
    double Par[7];
    explicit StateSnapshot(const GraphState& G)
        : SFunc(G.SFunc), Title(G.Title), Theta(G.Theta), Phi(G.Phi), Rho(G.Rho), MinX(G.MinX), MaxX(G.MaxX) {
        std::copy(std::begin(G.Par), std::end(G.Par), Par);
    }
    bool operator==(const StateSnapshot& o) const {
        return SFunc == o.SFunc && Title == o.Title && Theta == o.Theta && Phi == o.Phi && Rho == o.Rho &&
               MinX == o.MinX && MaxX == o.MaxX && std::equal(std::begin(Par), std::end(Par), o.Par);
    }
};

TEST_F(FilesTest, SaveInsideThenOpenGivesTheSamePixels) {
    DrawHump();
    const QImage shown = Picture();
    ASSERT_EQ(shown.size(), QSize(776, 466));
    const StateSnapshot before(TheGraph());
    // No extension: written as BMP under the name + ".bmp"; ".BMP" is written in lower case.
    const struct {
        const char* chosen;
        const char* written;
    } rows[] = {{"graph", "graph.bmp"}, {"up.BMP", "up.bmp"}, {"inside.png", "inside.png"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.chosen);
        Run(VemloScrn1->SaveOnlyInsideRectangle1, {Steps::File("SavePictureDialog1", Path(r.chosen))});
        EXPECT_TRUE(Entries().contains(QString::fromUtf8(r.written)));
        EXPECT_EQ(Load(r.written), shown);

        VemloScrn1->ClearScreen1->trigger();
        ASSERT_NE(Picture(), shown);
        Run(VemloScrn1->OpenGraph1, {Steps::File("OpenPictureDialog1", Path(r.written))});
        EXPECT_EQ(Picture(), shown) << "scale 1 in both directions";
        EXPECT_EQ(VemloScrn1->PicMap.image(), shown) << "the pictures are composed";
        EXPECT_TRUE(StateSnapshot(TheGraph()) == before);
    }
    EXPECT_EQ(Entries(), (QStringList{"graph.bmp", "inside.png", "up.bmp"}));
    const QByteArray bmp = [&] {
        QFile f(Path("graph.bmp"));
        return f.open(QIODevice::ReadOnly) ? f.read(30) : QByteArray();
    }();
    ASSERT_EQ(bmp.size(), 30);
    EXPECT_EQ(int(uchar(bmp[28])), 24) << "24 bits per pixel";
}

TEST_F(FilesTest, SaveFullGraphWritesTheFullPictureByItsExtension) {
    DrawHump();
    const struct {
        const char* chosen;
        const char* magic;
    } rows[] = {{"full.BMP", "BM"}, {"my.graph.png", "\x89PNG"}, {"full.JPEG", "\xFF\xD8\xFF"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.chosen);
        Run(VemloScrn1->SaveFullGraph1, {Steps::File("SavePictureDialog1", Path(r.chosen))});
        QFile f(Path(r.chosen));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.readAll().startsWith(r.magic));
        const QImage back = Load(r.chosen);
        EXPECT_EQ(back.size(), QSize(776 + 240, 466 + 150));
        if (r.magic[0] != '\xFF') {
            EXPECT_EQ(back, VemloScrn1->LMap.image());
        }
    }
    EXPECT_EQ(Entries(), (QStringList{"full.BMP", "full.JPEG", "my.graph.png"}));
}

// Names the commands refuse: the message, nothing written, the image as it was.
TEST_F(FilesTest, UnrecognisedNamesAreRefusedAndNothingIsWritten) {
    DrawHump();
    const QImage shown = Picture();
    const struct {
        QAction* item;
        const char* chosen;
    } rows[] = {{VemloScrn1->SaveFullGraph1, "graph.Jpg"},
                {VemloScrn1->SaveOnlyInsideRectangle1, "graph.Jpg"},
                {VemloScrn1->SaveFullGraph1, "graph"},
                {VemloScrn1->SaveFullGraph1, "graph.gif"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.chosen);
        ShownBox box;
        Run(r.item, {Steps::File("SavePictureDialog1", Path(r.chosen)), Steps::Box(&box)});
        EXPECT_EQ(box.text, kSaveRefused);
        EXPECT_EQ(box.icon, QMessageBox::NoIcon);
        EXPECT_TRUE(Entries().isEmpty());
    }
    // Cancelling the dialog ends the command quietly.
    Run(VemloScrn1->SaveFullGraph1, {Steps::File("SavePictureDialog1", Path("x.png"), false)});
    EXPECT_TRUE(Entries().isEmpty());
    EXPECT_EQ(Picture(), shown);
}

TEST_F(FilesTest, SavingWithoutAPictureOrWhereNoFileCanBeSaysSo) {
    DrawHump();
    ShownBox box;
    Run(VemloScrn1->SaveFullGraph1,
        {Steps::File("SavePictureDialog1", Path("no/such/folder/g.png")), Steps::Box(&box)});
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_TRUE(
        box.text.startsWith(QStringLiteral("Cannot write the file ") + Path("no/such/folder/g.png") + ": "))
        << box.text.toStdString();
    EXPECT_TRUE(Entries().isEmpty());

    VemloScrn1->Image1->removePicture();
    Run(VemloScrn1->SaveFullGraph1, {Steps::File("SavePictureDialog1", Path("g.png")), Steps::Box(&box)});
    EXPECT_EQ(box.title, QStringLiteral("No image"));
    EXPECT_EQ(box.text, QStringLiteral("Please open an image, before save"));
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_TRUE(Entries().isEmpty());
}

// Save Only Inside Rectangle writes another name than the one chosen; an
// existing file of that name is replaced only when the user says so.
TEST_F(FilesTest, TheAddedExtensionDoesNotReplaceAFileUnasked) {
    DrawHump();
    {
        QFile f(Path("graph.bmp"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("keep me");
    }
    ShownBox box;
    Run(VemloScrn1->SaveOnlyInsideRectangle1,
        {Steps::File("SavePictureDialog1", Path("graph")), Steps::Box(&box, QMessageBox::No)});
    EXPECT_TRUE(box.text.contains(Path("graph.bmp")));
    EXPECT_TRUE(LoadPicture(Path("graph.bmp")).image.isNull());

    Run(VemloScrn1->SaveOnlyInsideRectangle1,
        {Steps::File("SavePictureDialog1", Path("graph")), Steps::Box(&box, QMessageBox::Yes)});
    EXPECT_EQ(Load("graph.bmp"), Picture());
    EXPECT_EQ(Entries(), QStringList{"graph.bmp"});
}

// Every refusal leaves the graphing image and the graph state as they were.
TEST_F(FilesTest, OpenRefusesWhatItCannotShow) {
    DrawHump();
    const QImage shown = Picture();
    const StateSnapshot before(TheGraph());
    {
        QFile f(Path("notes.txt"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Z= x*y\n");
        QFile g(Path("cut.png"));
        ASSERT_TRUE(g.open(QIODevice::WriteOnly));
        QImage(50, 50, QImage::Format_RGB32).save(&g, "PNG");
        g.resize(g.size() / 2);
    }
    const struct {
        const char* name;
        QMessageBox::Icon icon;
        QString text;  // the start of the message
    } rows[] = {
        {"missing.png", QMessageBox::Critical, QStringLiteral("File does not exist.")},
        {"notes.txt", QMessageBox::NoIcon, kOpenRefused},
        {"cut.png", QMessageBox::Critical, QStringLiteral("Cannot open the file ") + Path("cut.png") + ": "},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        ShownBox box;
        Run(VemloScrn1->OpenGraph1, {Steps::File("OpenPictureDialog1", Path(r.name)), Steps::Box(&box)});
        EXPECT_TRUE(box.text.startsWith(r.text)) << box.text.toStdString();
        EXPECT_EQ(box.icon, r.icon);
        EXPECT_EQ(Picture(), shown);
    }
    EXPECT_TRUE(StateSnapshot(TheGraph()) == before);
    EXPECT_EQ(Entries(), (QStringList{"cut.png", "notes.txt"})) << "opening writes nothing";
}

TEST_F(FilesTest, OpenStretchesThePictureOverTheWholeImage) {
    DrawHump();
    QImage small(100, 100, QImage::Format_RGB32);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) small.setPixel(x, y, qRgb(x * 2, y * 2, 77));
    ASSERT_TRUE(small.save(Path("small.png")));
    Run(VemloScrn1->OpenGraph1, {Steps::File("OpenPictureDialog1", Path("small.png"))});
    const QImage img = Picture();
    ASSERT_EQ(img.size(), QSize(776, 466));
    EXPECT_EQ(img, StretchPicture(small, 776, 466)) << "the axes just drawn are covered too";
    EXPECT_EQ(img.pixel(775, 465), small.pixel(99, 99));
    EXPECT_EQ(img.pixel(7, 4), small.pixel(0, 0));
    EXPECT_EQ(img.pixel(8, 5), small.pixel(1, 1));
    EXPECT_EQ(VemloScrn1->PicMap.image(), img);
}

TEST_F(FilesTest, CopyThenPasteGivesTheSameImage) {
    DrawHump();
    const QImage shown = Picture();
    VemloScrn1->CopyGraph1->trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasImage()) << "other programs see an image";
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).convertToFormat(QImage::Format_RGB32), shown);

    VemloScrn1->ClearScreen1->trigger();
    ASSERT_NE(Picture(), shown);
    VemloScrn1->PasteGraph1->trigger();
    QApplication::processEvents();
    EXPECT_EQ(Picture(), shown);
    EXPECT_EQ(VemloScrn1->PicMap.image(), shown);

    // Text on the clipboard, or nothing: the message, and the image stays.
    for (bool text : {true, false}) {
        if (text)
            QGuiApplication::clipboard()->setText(QStringLiteral("not a picture"));
        else
            QGuiApplication::clipboard()->clear();
        ShownBox box;
        Run(VemloScrn1->PasteGraph1, {Steps::Box(&box)});
        EXPECT_EQ(box.text, QStringLiteral("Sorry..not a bitmap"));
        EXPECT_EQ(box.icon, QMessageBox::NoIcon);
        EXPECT_EQ(Picture(), shown);
    }
}

TEST_F(FilesTest, PasteStretchesIntoTheSquareImage) {
    Pick('2');
    QImage wide(200, 100, QImage::Format_ARGB32);
    wide.fill(qRgba(10, 20, 30, 255));
    wide.setPixel(0, 0, qRgba(0, 0, 0, 0));
    QGuiApplication::clipboard()->setImage(wide);
    VemloScrn1->PasteGraph1->trigger();
    QApplication::processEvents();
    const QImage img = Picture();
    ASSERT_EQ(img.size(), QSize(466, 466));
    EXPECT_EQ(img, StretchPicture(wide, 466, 466));
    EXPECT_EQ(img.pixel(0, 0), qRgb(255, 255, 255)) << "a transparent pixel comes in white";
    EXPECT_EQ(img.pixel(465, 465), qRgb(10, 20, 30));
}

int PdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    return int(QString::fromLatin1(f.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")));
}

TEST_F(FilesTest, PrintGraphPrintsOnePageAndPrinterSetUpOnlyTalks) {
    DrawHump();
    QPrinter& printer = VemloScrn1->Files->Printer1;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Path("graph.pdf"));

    Run(VemloScrn1->PrintGraph1, {Steps::Print(false)});
    EXPECT_FALSE(QFile::exists(Path("graph.pdf"))) << "a cancelled dialog prints nothing";

    Run(VemloScrn1->PrintGraph1, {Steps::Print()});
    EXPECT_EQ(PdfPages(Path("graph.pdf")), 1);

    ShownBox box;
    Run(VemloScrn1->PrinterSetUp1, {Steps::Box(&box)});
    EXPECT_EQ(box.text, QStringLiteral("Printer SetUp is not available in Carbon for Apple"));
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
}

}  // namespace
}  // namespace vemlo::testing
