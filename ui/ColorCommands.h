#pragma once
/// The colour and samples commands of the main window: Edit > Surface Colors
/// and Edit > Colors open the two colour forms beside the graph, Samples the
/// samples window under the compass.

#include <QObject>

namespace vemlo {

class TVemloScrn1;

class ColorCommands : public QObject {
    Q_OBJECT
public:
    /// Connects and enables Edit > Colors, Edit > Surface Colors and Samples.
    explicit ColorCommands(TVemloScrn1& w);

    /// Edit > Surface Colors: the pictures composed, then the surface colour
    /// form shown without waiting.
    void Colors1Click();
    /// Edit > Colors: the pictures composed, then the graph colour form shown
    /// without waiting.
    void Colors2Click();
    /// Samples: the pictures composed, the samples window shown on top under
    /// the compass panel, and the formula labels written.
    void Samples1Click();

private:
    TVemloScrn1& w_;
};

}  // namespace vemlo
