#pragma once
/// The main graph window: the graphing image with its frame, the title bar,
/// the formula and parameter labels, the arrow compass, the Draw and Cancel
/// Draw buttons and the menu of every command. It lays itself out for the
/// graph mode each time it is shown.
///
/// Client coordinates are those of the central widget under the menu bar.

#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <memory>
#include <string>
#include <vector>

#include "ui/Bitmap.h"
#include "ui/QtHost.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace vemlo {

class DecorationCommands;
class ContourCommands;
class ColorCommands;
class DragTurn;
struct DrawRequest;
struct FormulaLabels;
class FileCommands;
class MovieCommands;
class TArrow;
class TImage;
class TPanel;

/// The window's own drawing surface: everything below the menu bar. Its
/// paint handler is the window's FormPaint: it draws the frame around the
/// graphing rectangle on every repaint, so the frame always stays visible,
/// and asks for no further repaint.
class TScrnClient : public QWidget {
    Q_OBJECT
public:
    explicit TScrnClient(QWidget* parent = nullptr);
    /// Shows the outline of r (both corners included) in colour c.
    void setFrame(const QRect& r, Color c);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect frame_;
    Color frameColor_ = 0;
    bool hasFrame_ = false;
};

class TVemloScrn1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TVemloScrn1(QWidget* parent = nullptr);
    ~TVemloScrn1() override;

    // Components.
    TScrnClient* Client;
    TImage* Image1;
    TPanel* Panel1;
    TPanel* Panel2;
    TPanel* Panel3;
    TPanel* Panel4;
    TPanel* Panel5;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    TArrow* Arrow1;
    TArrow* Arrow2;
    TArrow* Arrow3;
    TArrow* Arrow4;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QPushButton* DrawButn2;
    QPushButton* DrawBtn;

    // Menu: the top-level menus, then the items in menu order.
    QMenu* File1;
    QMenu* SaveGraph1;
    QMenu* Edit1;
    QMenu* Function2;
    QMenu* Axes1;
    QMenu* View2;
    QMenu* Plane1;
    QMenu* Line1;
    QMenu* Box1;
    QMenu* Contours1;
    QMenu* Movie1;
    QAction* Samples1;
    QAction* VemloHelp1;
    QAction* ListFunctionValues1;
    QAction* PreviousFunctions1;
    QAction* OpenGraph1;
    QAction* SaveFullGraph1;
    QAction* SaveOnlyInsideRectangle1;
    QAction* ExportVectorGraph1;
    QAction* PrintGraph1;
    QAction* PrinterSetUp1;
    QAction* Exit1;
    QAction* CopyGraph1;
    QAction* PasteGraph1;
    QAction* Parameters1;
    QAction* Domain1;
    QAction* Curves1;
    QAction* Step1;
    QAction* Colors2;
    QAction* Colors1;
    QAction* GraphTitle1;
    QAction* ClearScreen1;
    QAction* Function1;
    QAction* ChangeAxes1;
    QAction* DrawAxes1;
    QAction* View1;
    QAction* Draw2;
    QAction* Edit2;
    QAction* Draw3;
    QAction* Edit3;
    QAction* DrawBox1;
    QAction* Draw4;
    QAction* Edit6;
    QAction* Create1;
    QAction* Play1;
    QAction* Edit7;

    /// The Contours menu's commands.
    ContourCommands* Contours = nullptr;
    /// The colour forms and the samples window.
    ColorCommands* ColorsAndSamples = nullptr;

    /// Copy of the graphing image alone, and the full-graph picture.
    TBitmap PicMap;
    TBitmap LMap;
    /// (0, 0)-(image width, image height) at the last layout.
    QRect PRect;
    QRect SourceRect;
    QRect DestRect;
    /// Font size of the window's own canvas.
    int CanvasFontSize = 0;

    /// The engine's GUI services for drawings started from this window.
    QtHost Host1;
    /// The last value listing.
    std::shared_ptr<const ValueListing> Listing = std::make_shared<const ValueListing>();

    /// The Plane, Line and Box commands.
    DecorationCommands* Decorations = nullptr;
    /// Picture files, clipboard and printing.
    FileCommands* Files = nullptr;
    /// The Movie menu's commands.
    MovieCommands* Movies = nullptr;
    /// Turning the graph by hand: drags and arrow keys on the graphing image.
    DragTurn* Drag = nullptr;

    /// The widget side of a new graph's defaults: labels and title bar
    /// emptied, compass boxes at 30 and 40, Cancel Draw hidden, canvas font.
    void NewGraphWidgets();

    // Layout.
    /// Runs once at creation, while the graph state is still all zero: the
    /// pictures exist from then on and the window is laid out once.
    void FormCreate();
    void Second();
    void Frame();
    void ScreenSetup();
    void FormShow();
    void ClearLabels();

    // Menu handlers.
    void Exit1Click();
    void ClearScreen1Click();
    void VemloHelp1Click();

    // The Draw command and the redraws (TVemloScrn1Draw.cpp).
    void DrawBtn2Click();
    /// Cancel Draw: toggles Drawing; the running builder notices it.
    void DrawBtnClick();
    void DrawAxes1Click();
    void ChangeAxes1Click();
    void ListFunctionValues1Click();
    /// What the one drawing routine is asked for from this window: the
    /// decorations with the box as "Draw Box" is checked.
    DrawRequest GraphRequest() const;
    /// Composes PicMap and LMap from the graphing image as it is now.
    void ComposePictures();
    /// Whether a command is drawing. Meanwhile every command but Cancel Draw
    /// is disabled, so no command ever runs inside a drawing.
    bool Busy() const { return lockDepth_ > 0; }

    // The settings dialogs (TVemloScrn1Settings.cpp).
    void Function1Click();
    void Parameters1Click();
    void Domain1Click();
    void Curves1Click();
    void Step1Click();
    void GraphTitle1Click();
    /// Writes the formula labels; Label2 only when given.
    void WriteFormulaLabels(const FormulaLabels& labels);

    // The view (TVemloScrn1View.cpp).
    void View1Click();
    void Arrow1Click();
    void Arrow2Click();
    void Arrow3Click();
    void Arrow4Click();
    /// The arrows' sequence once the angle is turned and its box rewritten:
    /// new transform, cleared image, the whole graph again, pictures, axes.
    void RedrawTurned();

protected:
    void showEvent(QShowEvent* event) override;
    /// Closing the window while it draws is refused; Cancel Draw ends the drawing.
    void closeEvent(QCloseEvent* event) override;

private:
    friend class CommandLock;
    void CreateComponents();
    void CreateMenu();
    void ConnectButtons();
    /// Disables every enabled command of this window and every other visible
    /// window, Cancel Draw excepted; UnlockCommands enables exactly those again.
    void LockCommands();
    void UnlockCommands();
    /// Shows and hides the menu items that depend on the graph mode.
    void SetModeItems();

    int lockDepth_ = 0;
    std::vector<QPointer<QObject>> locked_;
};

/// Holds the commands locked for the lifetime of a drawing command.
class CommandLock {
public:
    explicit CommandLock(TVemloScrn1& w) : w_(w) { w_.LockCommands(); }
    ~CommandLock() { w_.UnlockCommands(); }
    CommandLock(const CommandLock&) = delete;
    CommandLock& operator=(const CommandLock&) = delete;

private:
    TVemloScrn1& w_;
};

/// The main graph window, created at program start.
extern TVemloScrn1* VemloScrn1;

}  // namespace vemlo
