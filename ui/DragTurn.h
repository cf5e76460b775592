#pragma once
/// Turning the graph by hand. Dragging with the left button on the graphing
/// image turns the eye (DragAngles): each step redraws the graph as a compass
/// arrow does and shows the angles in the compass boxes. With the image
/// focused (a click gives it the focus) the keyboard's arrow keys press the
/// compass arrows.
///
/// Redraws never queue up: while one runs, the pointer's moves only change
/// the wanted angles, and when it ends one more redraw follows if they
/// changed. Nothing happens while another command draws or a modal dialog is
/// up. The pointer shows an open hand over the image, a closed one while it
/// drags.

#include <QObject>
#include <QPoint>

namespace vemlo {

class TVemloScrn1;

class DragTurn : public QObject {
    Q_OBJECT
public:
    explicit DragTurn(TVemloScrn1& w);

    /// Whether the left button holds the graph.
    bool Dragging() const { return dragging_; }
    /// Redraws done for drags so far.
    int Redraws() const { return redraws_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Whether a drag or a key may act now: no command draws, no modal dialog.
    bool Free() const;
    void Press(QPoint at);
    void Move(QPoint at);
    void Release();
    bool Key(int key);
    /// Redraws at the wanted angles until they stop changing.
    void Turn();
    void ShowHand();

    TVemloScrn1& w_;
    bool dragging_ = false;
    bool turning_ = false;
    QPoint last_;
    double wantTheta_ = 0;
    double wantPhi_ = 0;
    /// The wanted angles changed since the last redraw began.
    bool pending_ = false;
    int redraws_ = 0;
};

}  // namespace vemlo
