#pragma once
/// The commands of the Plane, Line and Box menus of the main window: drawing
/// and editing the plane patch and the line, and measuring and drawing the
/// bounding box.

#include <QObject>

namespace vemlo {

class TVemloScrn1;

class DecorationCommands : public QObject {
    Q_OBJECT
public:
    /// Connects and enables the window's Plane, Line and Box items.
    explicit DecorationCommands(TVemloScrn1& w);

    /// Plane > Draw: the plane becomes part of the graph and is drawn.
    void Draw2Click();
    /// Plane > Edit: the plane dialog; the plane is switched off.
    void Edit2Click();
    /// Line > Draw: the line becomes part of the graph and is drawn.
    void Draw3Click();
    /// Line > Edit: the line dialog; the line is switched off.
    void Edit3Click();
    /// Opening the Box menu: the graph is measured, and the box drawn while
    /// Draw Box is checked.
    void Box1Click();

private:
    TVemloScrn1& w_;
};

}  // namespace vemlo
