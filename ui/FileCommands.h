#pragma once
/// The commands that take the graph out of the program and bring a picture
/// back in: the picture files (Open Graph, Save Full Graph, Save Only Inside
/// Rectangle, Export Vector Graph), the clipboard (Copy Graph, Paste Graph) and the printer
/// (Print Graph, Printer SetUp). The file and print dialogs belong to the
/// main window and are shown modally.

#include <QMessageBox>
#include <QObject>
#include <QPrinter>
#include <QString>

class QFileDialog;
class QImage;

namespace vemlo {

class TVemloScrn1;

class FileCommands : public QObject {
    Q_OBJECT
public:
    /// Creates the dialogs in the window and connects and enables its File
    /// and Edit items for these commands.
    explicit FileCommands(TVemloScrn1& w);
    ~FileCommands() override;

    void OpenGraph1Click();
    void SaveFullGraph1Click();
    void SaveOnlyInsideRectangle1Click();
    /// Writes the full-graph picture as vectors, PDF or SVG by the extension.
    void ExportVectorGraph1Click();
    void CopyGraph1Click();
    void PasteGraph1Click();
    void PrintGraph1Click();
    void PrinterSetUp1Click();

    QFileDialog* OpenPictureDialog1;
    QFileDialog* SavePictureDialog1;
    QFileDialog* ExportDialog1;
    /// The printer the graph goes to; it keeps what the print dialog
    /// (PrintDialog1, made when Print Graph runs) set.
    QPrinter Printer1{QPrinter::HighResolution};

private:
    void SaveGraph(bool full);
    /// Covers the graphing image with the picture, stretched, on a cleared screen.
    void ShowPicture(const QImage& picture);
    void Message(QMessageBox::Icon icon, const QString& title, const QString& text);
    /// A plain box with an OK button.
    void Tell(const QString& text);
    /// An error box with an OK button.
    void Complain(const QString& text);

    TVemloScrn1& w_;
};

}  // namespace vemlo
