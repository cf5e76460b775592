#include "ui/FuncVals.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QTimer>

#include "engine/Modes.h"
#include "output/Printing.h"
#include "ui/Globals.h"
#include "ui/Kit.h"

namespace vemlo {

namespace {

std::optional<QString> AskSaveName(QWidget* parent, const QString& proposed) {
    QFileDialog dlg(parent);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setDefaultSuffix(QStringLiteral("dat"));
    dlg.selectFile(proposed);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
    return dlg.selectedFiles().first();
}

}  // namespace

TFuncList::TFuncList(QWidget* parent) : TFuncList(TheGraph(), parent) {}

TFuncList::TFuncList(GraphState& g, QWidget* parent) : QWidget(parent, Qt::Window), g_(g) {
    setObjectName(QStringLiteral("FuncList"));
    Bevel1 = Make<QFrame>(this, "Bevel1", 10, 8, 299, 64);
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Print1 = Make<QPushButton>(this, "Print1", 18, 16, 54, 22);
    Cut1 = Make<QPushButton>(this, "Cut1", 80, 16, 56, 22);
    Copy1 = Make<QPushButton>(this, "Copy1", 80, 41, 56, 22);
    SaveAs1 = Make<QPushButton>(this, "SaveAs1", 148, 16, 68, 22);
    Save1 = Make<QPushButton>(this, "Save1", 148, 41, 68, 22);
    Close1 = Make<QPushButton>(this, "Close1", 226, 16, 70, 22);
    Label1 = Make<QLabel>(this, "Label1", 16, 80, 288, 24);
    Values = Make<QPlainTextEdit>(this, "Values", 10, 112, 301, 296);

    connect(Print1, &QPushButton::clicked, this, &TFuncList::Print1Click);
    connect(Cut1, &QPushButton::clicked, this, &TFuncList::Cut1Click);
    connect(Copy1, &QPushButton::clicked, this, &TFuncList::Copy1Click);
    connect(SaveAs1, &QPushButton::clicked, this, &TFuncList::SaveAs1Click);
    connect(Save1, &QPushButton::clicked, this, &TFuncList::Save1Click);
    connect(Close1, &QPushButton::clicked, this, &TFuncList::Close1Click);

    SaveDialog1 = [this](const QString& proposed) { return AskSaveName(this, proposed); };
    PrintDialog2 = [this](QPrinter& printer) {
        QPrintDialog dlg(&printer, this);
        return dlg.exec() == QDialog::Accepted;
    };
    ShowMessage = [this](const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vemlo"), text, QMessageBox::Ok, this);
        box.exec();
    };

    SetFontHeight(this, 14);
    // The listing is laid out in columns.
    Values->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    SetFontHeight(Values, 14);
    SetBackground(this, colors::SkyBlue);
    SetTextColor(this, colors::Black);
    SetBackground(Label1, colors::Cream);
    SetTextColor(Label1, colors::Blue);
    SetBackground(Values, colors::White);
    SetTextColor(Values, colors::Black);
    setContentsMargins(2, 2, 2, 2);
    resize(334, 487);
    setWindowTitle(QStringLiteral("Function Values"));

    Print1->setText(QStringLiteral("Print"));
    Cut1->setText(QStringLiteral("Cut"));
    Copy1->setText(QStringLiteral("Copy"));
    SaveAs1->setText(QStringLiteral("SaveAs"));
    Save1->setText(QStringLiteral("Save"));
    Close1->setText(QStringLiteral("Close"));
    Values->setLineWrapMode(QPlainTextEdit::NoWrap);
    Values->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Values->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    SetListing({"Values", "", "", "", ""});
}

QString TFuncList::Heading(char choice) { return QString::fromLatin1(ModeOf(choice).listingHeading); }

void TFuncList::SetListing(const std::vector<std::string>& lines) {
    SetListing(std::make_shared<const ValueListing>(ValueListing::FromLines(lines)));
}

void TFuncList::SetListing(std::shared_ptr<const ValueListing> listing) {
    const bool queued = pending_ != nullptr;
    pending_ = listing ? std::move(listing) : std::make_shared<const ValueListing>();
    if (isVisible() && !queued)
        QTimer::singleShot(0, this, [this] {
            if (isVisible()) ShowPending();
        });
}

void TFuncList::showEvent(QShowEvent* event) {
    ShowPending();
    QWidget::showEvent(event);
}

// The text is the lines joined by line breaks; a break is added after an
// empty last line so that it is not lost when the lines are read back.
void TFuncList::ShowPending() {
    if (!pending_) return;
    const std::shared_ptr<const ValueListing> listing = std::move(pending_);
    pending_.reset();
    const std::size_t n = listing->size();
    std::string text;
    std::string line;
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0) text += '\n';
        line = listing->line(i);
        if (i == 0) text.reserve(n * (line.size() + 1) + 1);
        text += line;
    }
    if (n > 0 && line.empty()) text += '\n';
    Values->setPlainText(QString::fromStdString(text));
}

std::vector<std::string> TFuncList::Lines() const {
    if (pending_) return pending_->lines();
    const QString text = Values->toPlainText();
    std::vector<std::string> out;
    if (text.isEmpty()) return out;
    QStringList parts = text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n'))) parts.removeLast();
    out.reserve(static_cast<std::size_t>(parts.size()));
    for (const QString& p : parts) out.push_back(p.toStdString());
    return out;
}

void TFuncList::ShowListing() {
    NFileName = QStringLiteral("NoTitle");
    show();
    setEnabled(true);
    raise();
    Label1->setText(Heading(g_.Choice));
}

void TFuncList::Copy1Click() {
    ShowPending();
    if (Values->textCursor().hasSelection()) Values->copy();
}

void TFuncList::Cut1Click() {
    ShowPending();
    if (!Values->textCursor().hasSelection()) return;
    Values->cut();
}

void TFuncList::Close1Click() {
    hide();
    if (mainWindow_) {
        mainWindow_->raise();
        mainWindow_->activateWindow();
    }
}

void TFuncList::Save1Click() {
    if (!g_.FunctionCalled) return;
    if (NFileName == QLatin1String("NoTitle")) {
        SaveAs1Click();
        return;
    }
    // The file is replaced only once it is written whole, so a failed save
    // leaves the old file as it was.
    QSaveFile file(NFileName);
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Text);
    for (const std::string& line : Lines()) {
        if (!ok) break;
        ok = file.write(line.data(), static_cast<qint64>(line.size())) == static_cast<qint64>(line.size()) &&
             file.write("\n", 1) == 1;
    }
    if (ok) ok = file.commit();
    if (!ok) ShowMessage(QStringLiteral("Cannot write the file %1: %2").arg(NFileName, file.errorString()));
}

void TFuncList::SaveAs1Click() {
    if (!g_.FunctionCalled) return;
    const std::optional<QString> chosen = SaveDialog1(NFileName);
    if (!chosen || chosen->isEmpty()) return;
    QFileInfo info(*chosen);
    if (info.suffix().isEmpty()) info.setFile(*chosen + QStringLiteral(".dat"));
    NFileName = info.absoluteFilePath();
    setWindowTitle(QStringLiteral(" Function Values  ") + info.fileName());
    Save1Click();
}

void TFuncList::Print1Click() {
    if (!g_.FunctionCalled) return;
    QPrinter printer;
    if (!PrintDialog2(printer)) return;
    if (!PrintListing(printer, g_.Choice, Lines()))
        ShowMessage(QStringLiteral("The listing could not be printed."));
}

}  // namespace vemlo
