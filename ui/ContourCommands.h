#pragma once
/// The Contours menu of the main window (modes 1 and 2): Draw draws the
/// contour levels over the graph image and lists them in the levels window;
/// Edit opens the contour dialog.

#include <QObject>

namespace vemlo {

class TVemloScrn1;

class ContourCommands : public QObject {
    Q_OBJECT
public:
    /// Connects and enables Contours > Draw and Contours > Edit of the window.
    explicit ContourCommands(TVemloScrn1& w);

    /// Contours > Draw: the contours of the current function with the grid,
    /// the level count and the "3D Contours" box of the dialog; the levels
    /// window closed and shown again; then the pictures composed.
    void Draw4Click();
    /// Contours > Edit: the pictures composed, then the contour dialog.
    void Edit6Click();

private:
    TVemloScrn1& w_;
};

}  // namespace vemlo
