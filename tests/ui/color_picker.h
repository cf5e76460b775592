#pragma once
// Answers the colour picker of a colour form: confirms a colour, or cancels
// when none is given, and keeps the colour the picker was opened with.

#include <QColorDialog>
#include <memory>
#include <optional>

#include "dialog_driver.h"
#include "output/QImageCanvas.h"

namespace vemlo::testing {

class PickerAnswer {
public:
    PickerAnswer(QColorDialog* picker, std::optional<Color> pick)
        : preset_(std::make_shared<Color>(0xFFFFFFFFu)),
          answer_(picker, {}, true, [preset = preset_, pick](QDialog& d) {
              auto& c = static_cast<QColorDialog&>(d);
              *preset = fromQColor(c.currentColor());
              if (pick) {
                  c.setCurrentColor(toQColor(*pick));
                  c.accept();
              } else {
                  c.reject();
              }
          }) {}

    bool shown() const { return answer_.shown(); }
    /// The colour the picker showed when it came up.
    Color preset() const { return *preset_; }

private:
    std::shared_ptr<Color> preset_;
    ModalAnswer answer_;
};

}  // namespace vemlo::testing
