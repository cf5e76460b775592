#pragma once
/// The Movie menu: build the frames of the surface turning about the z axis,
/// play them until Stop Movie, and set the number of frames and the speed.

#include <QObject>

class QLabel;

namespace vemlo {

class TVemloScrn1;

class MovieCommands : public QObject {
    Q_OBJECT
public:
    explicit MovieCommands(TVemloScrn1& w);

    /// Movie > Create: composes the pictures, builds the frames with the
    /// caption "Building Frames", shows the default angles and says so.
    void Create1Click();
    /// Movie > Play: plays the frames until Stop Movie is pressed.
    void Play1Click();
    /// Movie > Edit: composes the pictures, then the movie dialog.
    void Edit7Click();

private:
    TVemloScrn1& w_;
    /// "Building Frames" on the window's own surface while frames are built.
    QLabel* caption_;
};

}  // namespace vemlo
