#pragma once
/// The window that lists the function values of the last drawing, one line
/// per point, with a heading for the mode; the listing can be printed, saved
/// as a text file, and copied or cut to the clipboard.
///
/// A drawing hands over its listing as numbers. The window makes the text it
/// shows only when it is shown, so a drawing costs nothing for its listing
/// while the window is closed.

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/GraphState.h"
#include "engine/Listing.h"

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPrinter;
class QPushButton;

namespace vemlo {

class TFuncList : public QWidget {
    Q_OBJECT
public:
    /// The listing of the program's graph.
    explicit TFuncList(QWidget* parent = nullptr);
    explicit TFuncList(GraphState& g, QWidget* parent = nullptr);

    /// The heading shown above the values of a mode.
    static QString Heading(char choice);

    /// Replaces the listing with these lines, in one go.
    void SetListing(const std::vector<std::string>& lines);
    /// Replaces the listing with this one. Its lines are made into the memo's
    /// text when the window is shown (at the next pass of the event loop if it
    /// is shown already), or when Copy or Cut needs the text.
    void SetListing(std::shared_ptr<const ValueListing> listing);
    /// The memo's lines; a text ending in a line break has no empty last line.
    /// A listing not made into text yet gives its lines as the memo will.
    std::vector<std::string> Lines() const;

    /// Opens the listing from the main window's menu (the caller composes the
    /// pictures first): the save name goes back to "NoTitle", the window is
    /// shown and enabled, and the heading follows the current mode.
    void ShowListing();

    /// The main window, brought to the front when the listing is closed.
    void SetMainWindow(QWidget* w) { mainWindow_ = w; }

    void Print1Click();
    void Cut1Click();
    void Copy1Click();
    void SaveAs1Click();
    void Save1Click();
    void Close1Click();

    /// The file Save writes; "NoTitle" until a name is chosen.
    QString NFileName = QStringLiteral("NoTitle");

    /// The dialogs, replaceable so the window can run without a user: the
    /// save dialog gives the chosen path (nothing when cancelled), the print
    /// dialog sets up the printer (false when cancelled), the message box
    /// shows a text with an OK button.
    std::function<std::optional<QString>(const QString& proposed)> SaveDialog1;
    std::function<bool(QPrinter& printer)> PrintDialog2;
    std::function<void(const QString& text)> ShowMessage;

    QFrame* Bevel1;
    QPushButton* Print1;
    QPushButton* Cut1;
    QPushButton* Copy1;
    QPushButton* SaveAs1;
    QPushButton* Save1;
    QPushButton* Close1;
    QLabel* Label1;
    QPlainTextEdit* Values;

protected:
    void showEvent(QShowEvent* event) override;

private:
    /// Makes the memo's text of a listing that is not shown yet.
    void ShowPending();

    GraphState& g_;
    QWidget* mainWindow_ = nullptr;
    /// A listing handed over but not yet made into the memo's text.
    std::shared_ptr<const ValueListing> pending_;
};

}  // namespace vemlo
