#pragma once
/// A canvas on a QImage that also keeps a display list of what it draws:
/// every step goes to the image exactly as on a plain QImageCanvas and is
/// added to the list with the tools it was drawn with. A step that covers
/// the whole image with an opaque fill empties the list first, since nothing
/// drawn before it still shows; so the list stays as short as the picture.

#include "output/DisplayList.h"
#include "output/QImageCanvas.h"

namespace vemlo {

class RecordingCanvas : public QImageCanvas {
public:
    RecordingCanvas(QImage& image, DisplayList& list) : QImageCanvas(image), list_(list) {}

    void setPenColor(Color c) override;
    void setPenWidth(int w) override;
    void setPenStyle(TPenStyle s) override;
    void setBrushColor(Color c) override;
    void setBrushStyle(TBrushStyle s) override;
    void setFontColor(Color c) override;
    void setFontSize(int points) override;

    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void polygon(const PointType* pts, int n) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void fillRect(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, const std::string& text) override;
    void copyPicture(int x, int y, const QImage& picture) override;

    const DisplayList& list() const { return list_; }

private:
    // Steps the image canvas takes inside one of ours (a rectangle's
    // outline) are not steps of their own.
    struct Inside {
        explicit Inside(bool& flag) : flag_(flag), was_(flag) { flag = true; }
        ~Inside() { flag_ = was_; }
        bool& flag_;
        bool was_;
    };
    bool record() const { return !inside_; }
    bool coversImage(int x1, int y1, int x2, int y2) const;

    DisplayList& list_;
    DisplayList::Tools tools_;
    bool inside_ = false;
};

}  // namespace vemlo
