#pragma once

#include <QLabel>

namespace platform {

// A dialog's text. The layouts were drawn for a narrower face than the one
// that stands in for it here, so a one-line text that would lose its last
// words to the wrap is drawn condensed to fit its line instead.
class DialogLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace platform
