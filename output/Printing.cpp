#include "output/Printing.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "engine/Modes.h"

namespace vemlo {

std::string PrintedHeading(char choice) { return ModeOf(choice).printedHeading; }

std::string PrintedRule(char choice) { return std::string(ModeOf(choice).printedRule, '-'); }

QFont ListingFont() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(10);
    return f;
}

std::vector<PrintedLine> ListingLayout(int lineCount, int h, int pageHeight) {
    std::vector<PrintedLine> out;
    out.reserve(static_cast<std::size_t>(std::max(lineCount, 0)) + 2);
    int page = 0, y = 10;
    out.push_back({page, y});
    y += h;
    out.push_back({page, y});
    for (int i = 0; i < lineCount; ++i) {
        y += h;
        // A line started just above the bottom edge would be cut off, so it
        // goes to the next page whole.
        if (y + h > pageHeight) {
            ++page;
            y = 10 + h;
        }
        out.push_back({page, y});
    }
    return out;
}

bool PrintListing(QPrinter& printer, char choice, const std::vector<std::string>& lines) {
    QPainter p;
    if (!p.begin(&printer)) return false;
    p.setFont(ListingFont());
    p.setPen(Qt::black);
    const QFontMetrics fm = p.fontMetrics();
    const int ascent = fm.ascent();
    const std::vector<PrintedLine> at =
        ListingLayout(static_cast<int>(lines.size()), fm.height(), printer.height());
    const int x = 10;
    int page = 0;
    for (std::size_t i = 0; i < at.size(); ++i) {
        if (at[i].page != page) {
            if (!printer.newPage()) return false;
            page = at[i].page;
        }
        const std::string& s = i == 0 ? PrintedHeading(choice) : i == 1 ? PrintedRule(choice) : lines[i - 2];
        p.drawText(x, at[i].y + ascent, QString::fromStdString(s));
    }
    return p.end();
}

namespace {

// Halves to even; values beyond any page are clamped so the result stays defined.
int RoundPixels(double v) {
    if (!(v == v)) return 0;
    const double r = std::nearbyint(v);
    return r < -1e9 ? -1000000000 : (r > 1e9 ? 1000000000 : static_cast<int>(r));
}

}  // namespace

QRect PrintedPictureRect(int pageWidth, double r) {
    const int left = 40, top = 30;
    const int right = 40 + RoundPixels(pageWidth * 0.8);
    const int bottom = RoundPixels(right * r);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

bool PrintPicture(QPrinter& printer, const QImage& LMap, double r) {
    QPainter p;
    if (!p.begin(&printer)) return false;
    const QRect rect = PrintedPictureRect(printer.width(), r);
    if (!LMap.isNull() && rect.isValid()) p.drawImage(rect, LMap);
    return p.end();
}

}  // namespace vemlo
