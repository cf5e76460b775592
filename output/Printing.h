#pragma once
/// Printing of the value listing (page by page, heading on the first page)
/// and of the full-graph picture (one page). The print dialogs belong to the
/// windows; these routines print on a printer that is already set up.

#include <QRect>
#include <string>
#include <vector>

class QFont;
class QImage;
class QPrinter;

namespace vemlo {

/// The listing heading and rule of dashes printed above the values of a mode.
std::string PrintedHeading(char choice);
std::string PrintedRule(char choice);

/// The 10-point font of the printed listing.
QFont ListingFont();

/// Where one printed text of the listing goes: its page (0 first) and top.
struct PrintedLine {
    int page = 0;
    int y = 0;
};

/// The places of the heading (element 0), the rule (1) and the listing lines
/// (2 onwards) for text h pixels high on pages pageHeight pixels high. A line
/// that would reach past the bottom edge starts a new page, at 10 + h.
std::vector<PrintedLine> ListingLayout(int lineCount, int h, int pageHeight);

/// Prints the heading of the mode, its rule and then the lines, 10-point
/// black text from (10, 10) in printer pixels, going on to a new page when a
/// line would not fit on the current one. The document is ended also when
/// printing fails part-way. Returns false when the printer could not start.
bool PrintListing(QPrinter& printer, char choice, const std::vector<std::string>& lines);

/// The page rectangle (40, 30, right, bottom) of the full-graph picture,
/// right and bottom one past the last pixel: right = 40 + Round(pageWidth 0.8),
/// bottom = Round(right r), where r is the picture's height over its width.
QRect PrintedPictureRect(int pageWidth, double r);

/// Prints LMap stretched into PrintedPictureRect on one page; r is taken by
/// the caller before it shows the print dialog. Returns false when the
/// printer could not start.
bool PrintPicture(QPrinter& printer, const QImage& LMap, double r);

}  // namespace vemlo
