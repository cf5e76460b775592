#include "ui/FileCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>

#include "output/Clipboard.h"
#include "output/PictureFiles.h"
#include "output/Printing.h"
#include "output/VectorGraph.h"
#include "ui/Globals.h"
#include "ui/TImage.h"
#include "ui/TVemloScrn1.h"

namespace vemlo {

namespace {

QFileDialog* MakePictureDialog(QWidget* parent, const char* name, QFileDialog::AcceptMode mode) {
    auto* d = new QFileDialog(parent);
    d->setObjectName(QString::fromLatin1(name));
    d->setAcceptMode(mode);
    // Any name may be typed, also one that does not exist: the command
    // itself tells what is wrong with it.
    d->setFileMode(QFileDialog::AnyFile);
    d->setNameFilters({QStringLiteral("Pictures (*.bmp *.BMP *.jpg *.JPG *.jpeg *.JPEG *.png *.PNG)"),
                       QStringLiteral("All files (*)")});
    return d;
}

// The chosen name, or an empty one when the dialog was cancelled.
QString Run(QFileDialog* d) {
    if (d->exec() != QDialog::Accepted) return QString();
    const QStringList chosen = d->selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

}  // namespace

FileCommands::FileCommands(TVemloScrn1& w) : QObject(&w), w_(w) {
    setObjectName(QStringLiteral("FileCommands"));
    OpenPictureDialog1 = MakePictureDialog(&w, "OpenPictureDialog1", QFileDialog::AcceptOpen);
    SavePictureDialog1 = MakePictureDialog(&w, "SavePictureDialog1", QFileDialog::AcceptSave);
    ExportDialog1 = MakePictureDialog(&w, "ExportDialog1", QFileDialog::AcceptSave);
    ExportDialog1->setNameFilters(
        {QStringLiteral("Vector pictures (*.pdf *.PDF *.svg *.SVG)"), QStringLiteral("All files (*)")});

    const struct {
        QAction* item;
        void (FileCommands::*handler)();
    } items[] = {
        {w.OpenGraph1, &FileCommands::OpenGraph1Click},
        {w.SaveFullGraph1, &FileCommands::SaveFullGraph1Click},
        {w.SaveOnlyInsideRectangle1, &FileCommands::SaveOnlyInsideRectangle1Click},
        {w.ExportVectorGraph1, &FileCommands::ExportVectorGraph1Click},
        {w.PrintGraph1, &FileCommands::PrintGraph1Click},
        {w.PrinterSetUp1, &FileCommands::PrinterSetUp1Click},
        {w.CopyGraph1, &FileCommands::CopyGraph1Click},
        {w.PasteGraph1, &FileCommands::PasteGraph1Click},
    };
    for (const auto& i : items) {
        connect(i.item, &QAction::triggered, this, i.handler);
        i.item->setEnabled(true);
    }
}

FileCommands::~FileCommands() = default;

void FileCommands::Message(QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, &w_);
    box.exec();
}

void FileCommands::Tell(const QString& text) {
    Message(QMessageBox::NoIcon, QCoreApplication::applicationName(), text);
}

void FileCommands::Complain(const QString& text) {
    Message(QMessageBox::Critical, QCoreApplication::applicationName(), text);
}

void FileCommands::SaveFullGraph1Click() { SaveGraph(true); }

void FileCommands::SaveOnlyInsideRectangle1Click() { SaveGraph(false); }

void FileCommands::SaveGraph(bool full) {
    if (w_.Busy()) return;
    w_.ComposePictures();
    const QString chosen = Run(SavePictureDialog1);
    if (chosen.isEmpty()) return;
    TBitmap& picture = full ? w_.LMap : w_.PicMap;
    if (!w_.Image1->hasPicture() || picture.width() == 0 || picture.height() == 0) {
        Message(QMessageBox::Critical, QStringLiteral("No image"),
                QStringLiteral("Please open an image, before save"));
        return;
    }
    const SaveTarget target = full ? FullGraphTarget(chosen) : InsideGraphTarget(chosen);
    if (target.format == PictureFormat::Unknown) {
        Tell(QStringLiteral("Sorry, can only save to Bitmaps\rJPEGs or PNGs "));
        return;
    }
    // The dialog asked about replacing the name chosen, not the one written.
    if (target.name != chosen && QFileInfo::exists(target.name)) {
        QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(),
                        QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(target.name),
                        QMessageBox::Yes | QMessageBox::No, &w_);
        box.setDefaultButton(QMessageBox::No);
        if (box.exec() != QMessageBox::Yes) return;
    }
    QString error;
    if (!SavePicture(picture.image(), target.name, target.format, &error)) {
        Complain(QStringLiteral("Cannot write the file %1: %2").arg(target.name, error));
        return;
    }
    QCoreApplication::processEvents();
}

void FileCommands::ExportVectorGraph1Click() {
    if (w_.Busy()) return;
    const QString chosen = Run(ExportDialog1);
    if (chosen.isEmpty()) return;
    TImage& image = *w_.Image1;
    if (!image.hasPicture() || image.width() <= 0 || image.height() <= 0) {
        Message(QMessageBox::Critical, QStringLiteral("No image"),
                QStringLiteral("Please open an image, before save"));
        return;
    }
    const VectorFormat format = VectorFormatOf(chosen);
    if (format == VectorFormat::Unknown) {
        Tell(QStringLiteral("Sorry, can only export to PDF or SVG"));
        return;
    }
    if (!image.displayList().complete()) {
        Complain(
            QStringLiteral("The graph holds too many drawing steps to export as vectors;\r"
                           "clear the screen and draw it again."));
        return;
    }
    // What is drawn so far is on the image and in its list alike.
    const QImage shown = image.picture();
    QString error;
    if (!WriteVectorGraph(chosen, format, TheGraph(), image.displayList(), shown.size(), &error)) {
        Complain(QStringLiteral("Cannot write the file %1: %2").arg(chosen, error));
        return;
    }
    QCoreApplication::processEvents();
}

void FileCommands::OpenGraph1Click() {
    if (w_.Busy()) return;
    const QString chosen = Run(OpenPictureDialog1);
    if (chosen.isEmpty()) return;
    // Decoded whole before anything is cleared, so a bad file changes nothing.
    const LoadedPicture loaded = LoadPicture(chosen);
    switch (loaded.status) {
        case LoadedPicture::Missing:
            Complain(QStringLiteral("File does not exist."));
            return;
        case LoadedPicture::NotAPictureName:
            Tell(QStringLiteral("Sorry, only Bitmaps, JPEGs\ror PNGs can be opened"));
            return;
        case LoadedPicture::Failed:
            Complain(QStringLiteral("Cannot open the file %1: %2").arg(chosen, loaded.error));
            return;
        case LoadedPicture::Loaded:
            break;
    }
    ShowPicture(loaded.image);
}

void FileCommands::ShowPicture(const QImage& picture) {
    w_.ClearScreen1Click();
    QImageCanvas& canvas = w_.Image1->canvas();
    canvas.copyPicture(0, 0, StretchPicture(picture, canvas.width(), canvas.height()));
    w_.ComposePictures();
}

void FileCommands::CopyGraph1Click() {
    if (w_.Busy()) return;
    w_.ComposePictures();
    PutPictureOnClipboard(w_.Image1->picture());
}

void FileCommands::PasteGraph1Click() {
    if (w_.Busy()) return;
    const ClipboardPicture pasted = PictureFromClipboard();
    switch (pasted.status) {
        case ClipboardPicture::NoBitmap:
            Tell(QStringLiteral("Sorry..not a bitmap"));
            return;
        case ClipboardPicture::Failed:
            Complain(QStringLiteral("Cannot paste the picture: %1").arg(pasted.error));
            return;
        case ClipboardPicture::Loaded:
            break;
    }
    ShowPicture(pasted.image);
}

void FileCommands::PrintGraph1Click() {
    if (w_.Busy()) return;
    w_.ComposePictures();
    const QImage sheet = w_.LMap.image();
    if (sheet.width() <= 0 || sheet.height() <= 0) return;
    const double r = static_cast<double>(sheet.height()) / sheet.width();
    // Made anew each time, so that it shows the printer as it is set now.
    QPrintDialog PrintDialog1(&Printer1, &w_);
    PrintDialog1.setObjectName(QStringLiteral("PrintDialog1"));
    if (PrintDialog1.exec() != QDialog::Accepted) return;
    if (!PrintPicture(Printer1, sheet, r)) Complain(QStringLiteral("The graph could not be printed."));
}

void FileCommands::PrinterSetUp1Click() {
    Tell(QStringLiteral("Printer SetUp is not available in Carbon for Apple"));
}

}  // namespace vemlo
