#include "ui/FuncVals.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextCursor>

namespace vemlo {
namespace {

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// The window with its dialogs answered by the test: the save dialog returns
// `answer`, the print dialog sends the document to a PDF file, and messages
// are collected instead of shown.
class FuncList : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        g.Choice = '1';
        g.FunctionCalled = true;
        w.SaveDialog1 = [this](const QString& proposed) {
            asked.push_back(proposed);
            return answer;
        };
        w.PrintDialog2 = [this](QPrinter& printer) {
            ++printDialogs;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return printAccepted;
        };
        w.ShowMessage = [this](const QString& text) { messages.push_back(text); };
        w.ShowListing();
    }
    void TearDown() override { w.hide(); }

    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    GraphState g;
    TFuncList w{g};
    QTemporaryDir dir;
    QString pdf = dir.filePath("listing.pdf");
    std::optional<QString> answer;
    bool printAccepted = true;
    int printDialogs = 0;
    std::vector<QString> asked;
    std::vector<QString> messages;
    const std::vector<std::string> listing{"  -2.000  -2.000   0.000", "  -2.000  -1.500   1.750",
                                           "  -2.000  -1.000   3.000"};
};

TEST_F(FuncList, DesignContentAndCaption) {
    EXPECT_EQ(w.Lines(), (std::vector<std::string>{"Values", "", "", "", ""}));
    EXPECT_EQ(w.windowTitle(), "Function Values");
    EXPECT_EQ(w.NFileName, "NoTitle");
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(0xA6, 0xCA, 0xF0));          // sky blue
    EXPECT_EQ(w.Label1->palette().color(QPalette::Window), QColor(0xFF, 0xFB, 0xF0));  // cream
    EXPECT_EQ(w.Label1->palette().color(QPalette::WindowText), QColor(0, 0, 0xFF));
    EXPECT_NEAR(QFontMetrics(w.font()).height(), 14, 1);  // a line of text is 14 pixels high
}

TEST_F(FuncList, ValuesLineUpInAFixedPitchFont) {
    const QFont f = w.Values->font();
    EXPECT_NEAR(QFontMetrics(f).height(), 14, 1);
    EXPECT_TRUE(QFontInfo(f).fixedPitch());
    // Lines of the same length are as wide, whatever their blanks and signs.
    const QString a = QStringLiteral("    -1.000     -1.000        1.000E-07");
    const QString b = QStringLiteral("  1234.567   1234.567 12345.6789 12345");
    ASSERT_EQ(a.size(), b.size());
    const QFontMetrics m(f);
    EXPECT_EQ(m.horizontalAdvance(a), m.horizontalAdvance(b));
}

TEST_F(FuncList, HeadingFollowsTheMode) {
    const struct {
        char mode;
        const char* heading;
    } rows[] = {
        {'1', "       x              y               z"},
        {'4', "       x              y               z"},
        {'2', "       r             theta            z"},
        {'3', "       t              x               y              z"},
    };
    for (const auto& r : rows) {
        g.Choice = r.mode;
        w.ShowListing();
        EXPECT_EQ(w.Label1->text(), QString::fromLatin1(r.heading)) << r.mode;
    }
}

TEST_F(FuncList, ListingLinesRoundTrip) {
    const std::vector<std::vector<std::string>> rows = {
        {}, {"one"}, {"one", ""}, {""}, {"", "", "x"}, listing,
    };
    for (const auto& lines : rows) {
        w.SetListing(lines);
        EXPECT_EQ(w.Lines(), lines);
    }
}

// A listing handed over while the window is closed is made into the memo's
// text only when the window is shown; an open window shows a new listing at
// the next pass of the event loop. Either way the lines are the same.
TEST_F(FuncList, ListingBecomesTextWhenShown) {
    w.SetListing(listing);
    QApplication::processEvents();
    const QString shown = w.Values->toPlainText();
    ASSERT_EQ(shown.toStdString(), listing[0] + "\n" + listing[1] + "\n" + listing[2]);

    w.hide();
    auto numbers = std::make_shared<ValueListing>(ValueListing::Form::Value);
    numbers->add(1, 2, 3);
    numbers->add(-1, 0.5, 1e7);
    w.SetListing(numbers);
    QApplication::processEvents();
    EXPECT_EQ(w.Values->toPlainText(), shown);
    EXPECT_EQ(w.Lines(), numbers->lines());
    w.ShowListing();
    EXPECT_EQ(w.Values->toPlainText().toStdString(), numbers->line(0) + "\n" + numbers->line(1));
    EXPECT_EQ(w.Lines(), numbers->lines());

    w.SetListing({"1", ""});
    EXPECT_EQ(w.Lines(), (std::vector<std::string>{"1", ""}));
    QApplication::processEvents();
    EXPECT_EQ(w.Values->toPlainText(), "1\n\n");
}

// A selection in the text of an earlier listing is gone with it.
TEST_F(FuncList, CopyAndCutOfANewListingStartWithoutASelection) {
    QClipboard* clip = QGuiApplication::clipboard();
    w.SetListing(listing);
    QApplication::processEvents();
    w.Values->selectAll();
    w.hide();
    w.SetListing({"1", "2"});
    clip->setText("before");
    w.Copy1Click();
    w.Cut1Click();
    EXPECT_EQ(clip->text(), "before");
    EXPECT_EQ(w.Lines(), (std::vector<std::string>{"1", "2"}));
}

TEST_F(FuncList, SaveAsksOnceThenWritesToTheSameFile) {
    w.SetListing(listing);
    answer = Path("result");
    w.Save1Click();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], "NoTitle");
    EXPECT_EQ(w.NFileName, Path("result.dat"));
    EXPECT_EQ(w.windowTitle(), " Function Values  result.dat");
    EXPECT_EQ(ReadFile(Path("result.dat")),
              "  -2.000  -2.000   0.000\n  -2.000  -1.500   1.750\n  -2.000  -1.000   3.000\n");

    w.SetListing({"1", "2"});
    w.Save1Click();
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_EQ(ReadFile(Path("result.dat")), "1\n2\n");

    // Opening the listing again forgets the name.
    w.ShowListing();
    answer = Path("again.txt");
    w.Save1Click();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1], "NoTitle");
    EXPECT_EQ(ReadFile(Path("again.txt")), "1\n2\n");
    EXPECT_EQ(w.windowTitle(), " Function Values  again.txt");
}

TEST_F(FuncList, CancelledSaveAsChangesNothing) {
    w.SetListing(listing);
    answer.reset();
    w.SaveAs1Click();
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_EQ(w.NFileName, "NoTitle");
    EXPECT_EQ(w.windowTitle(), "Function Values");
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(FuncList, UnwritableFileGivesAMessageAndKeepsTheText) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("adir.dat"));
    for (const QString& target : {Path("missing/dir/x.dat"), Path("adir.dat")}) {
        messages.clear();
        w.SetListing(listing);
        w.ShowListing();
        answer = target;
        w.SaveAs1Click();
        ASSERT_EQ(messages.size(), 1u) << target.toStdString();
        EXPECT_TRUE(messages[0].startsWith("Cannot write the file ")) << messages[0].toStdString();
        EXPECT_TRUE(messages[0].contains(w.NFileName));
        EXPECT_EQ(w.Lines(), listing);
    }
}

TEST_F(FuncList, NothingHappensBeforeAFunctionWasEntered) {
    g.FunctionCalled = false;
    answer = Path("never.dat");
    w.SetListing(listing);
    w.Save1Click();
    w.SaveAs1Click();
    w.Print1Click();
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(printDialogs, 0);
    EXPECT_FALSE(QFile::exists(Path("never.dat")));
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(FuncList, CopyAndCutNeedASelection) {
    QClipboard* clip = QGuiApplication::clipboard();
    w.SetListing(listing);
    clip->setText("before");
    w.Copy1Click();
    w.Cut1Click();
    EXPECT_EQ(clip->text(), "before");
    EXPECT_EQ(w.Lines(), listing);

    QTextCursor c = w.Values->textCursor();
    c.movePosition(QTextCursor::Start);
    c.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
    w.Values->setTextCursor(c);
    w.Copy1Click();
    EXPECT_EQ(clip->text().toStdString(), listing[0]);
    EXPECT_EQ(w.Lines(), listing);

    clip->setText("before");
    w.Cut1Click();
    EXPECT_EQ(clip->text().toStdString(), listing[0]);
    EXPECT_EQ(w.Lines(), (std::vector<std::string>{"", listing[1], listing[2]}));
}

TEST_F(FuncList, PrintWritesAPdfAndACancelPrintsNothing) {
    printAccepted = false;
    w.SetListing(listing);
    w.Print1Click();
    EXPECT_EQ(printDialogs, 1);
    EXPECT_FALSE(QFile::exists(pdf));

    printAccepted = true;
    w.Print1Click();
    const QByteArray doc = ReadFile(pdf);
    EXPECT_TRUE(doc.startsWith("%PDF")) << doc.left(20).toStdString();
    EXPECT_GT(doc.size(), 500);
    EXPECT_TRUE(messages.empty());
}

TEST_F(FuncList, CloseHidesTheWindowAndMenuShowsItAgain) {
    QWidget main;
    w.SetMainWindow(&main);
    main.show();
    ASSERT_TRUE(w.isVisible());
    w.Close1Click();
    EXPECT_FALSE(w.isVisible());
    w.ShowListing();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.isEnabled());
}

}  // namespace
}  // namespace vemlo
