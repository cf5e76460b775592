#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "output/Printing.h"

namespace vemlo {
namespace {

TEST(PrintedHeadings, PerMode) {
    const struct {
        char mode;
        const char* heading;
        int dashes;
    } rows[] = {
        {'1', "         x             y              z", 36},
        {'4', "         x             y              z", 36},
        {'2', "         r             theta           z", 37},
        {'3', "         t             x              y             z", 51},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(PrintedHeading(r.mode), r.heading) << r.mode;
        EXPECT_EQ(PrintedRule(r.mode), std::string(r.dashes, '-')) << r.mode;
    }
}

TEST(ListingLayout, EveryLineFitsAndNoneIsLostOrRepeated) {
    const struct {
        int lines, h, pageHeight;
    } rows[] = {{0, 20, 1000}, {3, 20, 1000}, {200, 20, 1000}, {200, 17, 1003}, {500, 50, 237}};
    for (const auto& r : rows) {
        const std::vector<PrintedLine> at = ListingLayout(r.lines, r.h, r.pageHeight);
        ASSERT_EQ(at.size(), static_cast<std::size_t>(r.lines) + 2);
        EXPECT_EQ(at[0].page, 0);
        EXPECT_EQ(at[0].y, 10);
        EXPECT_EQ(at[1].y, 10 + r.h);
        for (std::size_t i = 2; i < at.size(); ++i) {
            SCOPED_TRACE(::testing::Message() << "page height " << r.pageHeight << ", text " << i);
            EXPECT_LE(at[i].y + r.h, r.pageHeight);
            if (at[i].page == at[i - 1].page) {
                EXPECT_EQ(at[i].y, at[i - 1].y + r.h);
            } else {
                // A new page starts one line down, with no heading above it.
                EXPECT_EQ(at[i].page, at[i - 1].page + 1);
                EXPECT_EQ(at[i].y, 10 + r.h);
                EXPECT_GT(at[i - 1].y + 2 * r.h, r.pageHeight);
            }
        }
    }
}

TEST(PrintedPictureRect, WorkedExample) {
    EXPECT_EQ(PrintedPictureRect(2400, 616.0 / 1016.0), QRect(40, 30, 1920, 1158));
    // The bottom comes from the right edge, rounded halves to even: 1960 * 0.5 = 980.
    EXPECT_EQ(PrintedPictureRect(2400, 0.5).bottom() + 1, 980);
}

class PdfPrinting : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath("out.pdf");
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    }
    QByteArray Pdf() const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    int Pages() const {
        return static_cast<int>(QString::fromLatin1(Pdf()).count(QRegularExpression("/Type\\s*/Page[^s]")));
    }

    QTemporaryDir dir;
    QString path;
    QPrinter printer;
};

TEST_F(PdfPrinting, ShortListingIsOnePage) {
    ASSERT_TRUE(PrintListing(printer, '1', {"  1.000  2.000  3.000", "  1.500  2.000  4.250"}));
    EXPECT_TRUE(Pdf().startsWith("%PDF"));
    EXPECT_EQ(Pages(), 1);
}

TEST_F(PdfPrinting, LongListingGoesOnToTheLaidOutPages) {
    std::vector<std::string> lines;
    for (int i = 0; i < 400; ++i) lines.push_back("  " + std::to_string(i) + ".000   0.500   1.250");
    ASSERT_TRUE(PrintListing(printer, '3', lines));
    const int h = QFontMetrics(ListingFont(), &printer).height();
    const int pages = ListingLayout(static_cast<int>(lines.size()), h, printer.height()).back().page + 1;
    EXPECT_GT(pages, 1);
    EXPECT_EQ(Pages(), pages);
}

TEST_F(PdfPrinting, PictureIsOnePage) {
    QImage lmap(1016, 616, QImage::Format_RGB32);
    lmap.fill(Qt::blue);
    ASSERT_TRUE(PrintPicture(printer, lmap, 616.0 / 1016.0));
    EXPECT_GT(Pdf().size(), 100);
    EXPECT_EQ(Pages(), 1);
}

}  // namespace
}  // namespace vemlo
